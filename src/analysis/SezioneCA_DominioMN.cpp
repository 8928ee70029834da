// The M-N interaction domain: the strain plane swept through every failure
// configuration the limit strains allow, first on the reacting section of the
// last ultimate run, then on the same section turned by 180 degrees; the
// second half comes back in reverse with its moment negated and its top and
// bottom strains exchanged, which closes the curve.
#include <cstddef>

#include "analysis/SezioneCA.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/RegistriVettoriali.h"

using VariabiliPubbliche::Stato;

namespace {

// Region types of the sweep.
constexpr int PernoAcciaio = 1;  // the strain at the useful depth fixed at the pivot
constexpr int PernoCalcestruzzo = 2;  // the top fibre fixed at the pivot
constexpr int TuttaCompressa = 3;  // the plane of a wholly compressed section

// Points of one half: 15 nP + 1, or 18 nP + 1 when the steel range is split.
std::size_t PuntiMezzoDominio(int nP) { return static_cast<std::size_t>(18 * nP + 1); }

// Steel at or above the top fibre leaves the pivots of the sweep undefined.
void AvvisoSenzaAltezzaUtile() {
  platform::MsgBox("Dominio M-N non calcolabile: altezza utile nulla", platform::Pulsanti::Ok,
                   platform::Icona::Critica);
}

}  // namespace

bool SezioneCA::CalcolaDominioMN(short& nP, Finestre::FinestraDominioMN& finestra,
                                 const std::string& titolo) {
  platform::PulisciRegistriVettoriali();
  if (EsitoSlu != EsitoCalcoloSlu::Riuscito) return false;
  const int fallite = Poligono::CaratteristicheFallite();
  if (nP < 1) nP = 1;
  SezioneCAreagente& slu = *SezioneReagenteSlu;
  if (slu.hUtile <= 0) {
    AvvisoSenzaAltezzaUtile();
    return false;
  }
  PuntiDominioMN punti;
  punti.Riserva(2 * PuntiMezzoDominio(nP));
  CalcolaDominioMN1(nP, punti);

  const bool girata = GiraSezioneReagenteSlu();
  if (girata) {
    PuntiDominioMN secondi;
    secondi.Riserva(PuntiMezzoDominio(nP));
    CalcolaDominioMN1(nP, secondi);
    // The turned section's top fibre is the bottom one of the verification's frame.
    for (std::size_t i = secondi.Conta(); i-- > 0;)
      punti.Aggiungi(-secondi.M[i], secondi.N[i], secondi.EpsInf[i], secondi.EpsSup[i]);
  }
  // Back to the frame of the verification, with its strips and depths.
  GiraSezioneReagenteSlu();
  if (!girata) {
    AvvisoSenzaAltezzaUtile();
    return false;
  }
  // A property that could not be computed has said so in its box.
  if (Poligono::CaratteristicheFallite() != fallite) return false;
  if (!punti.Finiti()) {
    platform::MsgBox("Dominio M-N non calcolabile: risultati non numerici", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
  RisultatiDominioMN(finestra, punti, titolo);
  return true;
}

bool SezioneCA::GiraSezioneReagenteSlu() {
  SezioneCAreagente& slu = *SezioneReagenteSlu;
  Vettore<double> T(1, 6), Tinv(1, 6);
  slu.RuotaSezioneSLU(180, T, Tinv);
  slu.DiscretizzaSezione();
  slu.hUtile = slu.ySezMax - slu.yFerriMinFunz();
  hUtile = slu.hUtile;
  return slu.hUtile > 0;
}

void SezioneCA::CalcolaDominioMN1(int nP, PuntiDominioMN& punti) {
  const float epsSu = static_cast<float>(Stato.EpsSu);
  const float epsCu = static_cast<float>(Stato.EpsCu);
  const float epsYd = static_cast<float>(Stato.EpsYdSezione[0]);
  const SezioneCAreagente& slu = *SezioneReagenteSlu;
  const int c = 3 * nP;

  TrattoDominioMN(c, punti, -epsSu, 0, -epsSu, PernoAcciaio);
  TrattoDominioMN(c, punti, 0, epsCu, -epsSu, PernoAcciaio);
  // The steel range beyond 5.2 times the yield strain gets points of its own.
  float limite = static_cast<float>(5.2 * Stato.EpsYdSezione[0]);
  if (epsSu > limite) TrattoDominioMN(c, punti, -epsSu, -limite, epsCu, PernoCalcestruzzo);
  if (epsSu < limite) limite = epsSu;
  TrattoDominioMN(c, punti, -limite, -epsYd, epsCu, PernoCalcestruzzo);
  TrattoDominioMN(c, punti, -epsYd, epsCu * (slu.hTotale - slu.hUtile) / slu.hTotale, epsCu,
                  PernoCalcestruzzo);
  TrattoDominioMN(c, punti, epsCu, 0, 0, TuttaCompressa);
  const float epsC2 = static_cast<float>(Stato.EpsC2);
  PuntoDominioMN(punti, epsC2, epsC2);
}

void SezioneCA::TrattoDominioMN(int conta, PuntiDominioMN& punti, float inizio, float fine,
                                float perno, int tipo) {
  const SezioneCAreagente& slu = *SezioneReagenteSlu;
  const float h = slu.hTotale, d = slu.hUtile;
  const float passo = (fine - inizio) / static_cast<float>(conta);
  float p = inizio;
  for (int i = 1; i <= conta; ++i) {
    float epsSup, epsInf;
    switch (tipo) {
      case PernoAcciaio:
        epsSup = p;
        epsInf = p - h * ((p - perno) / d);
        break;
      case PernoCalcestruzzo:
        epsSup = perno;
        epsInf = perno - h * ((perno - p) / d);
        break;
      case TuttaCompressa:
        slu.VariaEpsTuttoCompresso(p, epsSup, epsInf);
        break;
      default:
        return;
    }
    PuntoDominioMN(punti, epsSup, epsInf);
    p += passo;
  }
}

void SezioneCA::PuntoDominioMN(PuntiDominioMN& punti, float epsSup, float epsInf) {
  double m, n;
  SezioneReagenteSlu->CalcolaMN(m, n, epsSup, epsInf);
  punti.Aggiungi(static_cast<float>(m), static_cast<float>(n), epsSup, epsInf);
}

void SezioneCA::RisultatiDominioMN(Finestre::FinestraDominioMN& finestra,
                                   const PuntiDominioMN& punti, const std::string& titolo) const {
  const bool inversa = Stato.TipoVerifica == 2;  // "S.L.U.-"
  const std::string intestazione =
      inversa ? ">Punto|>N [kN]|>M [kNm]|>eps.Cls.Inf [*1000]|>eps.Cls.Sup [*1000]"
              : ">Punto|>N [kN]|>M [kNm]|>eps.Cls.Sup [*1000]|>eps.Cls.Inf [*1000]";
  const int n = static_cast<int>(punti.Conta());
  Matrice<float> tabella(1, n, 1, 4);
  Matrice<float> grafico(1, n, 1, 2);
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    const float m = inversa ? -punti.M[k] : punti.M[k];
    tabella(i, 1) = grafico(i, 1) = punti.N[k] / 1000;
    tabella(i, 2) = grafico(i, 2) = m / 1000000;
    tabella(i, 3) = punti.EpsSup[k] * 1000;
    tabella(i, 4) = punti.EpsInf[k] * 1000;
  }
  ScriveGrigliaGraficoMxMy(finestra, intestazione, tabella, {3, 3, 3, 3}, grafico, titolo);
  finestra.Graph1().SeriesCollection(1).LegendText = "M-NRd";
  finestra.CalcolaDominioMNgraficoPuntoSollecit();
}
