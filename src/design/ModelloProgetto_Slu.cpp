// Sizing at the ultimate limit state: every trial is a rectangle with one
// compression and one tension bar whose ultimate moment the section engine
// computes; the searched width, depth or ratio comes from the root finder.
#include <cmath>
#include <stdexcept>

#include "analysis/Correnti.h"
#include "analysis/SezioneCAreagente.h"
#include "design/ModelloProgetto.h"
#include "design/ScorciatoiaProgetto.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

// The design window the materials call back, registered for one call.
class ProgettoRegistrato {
 public:
  explicit ProgettoRegistrato(Finestre::FinestraProgetto& progetto)
      : prima_(Finestre::Aperte.ProgettoSezione) {
    Finestre::Aperte.ProgettoSezione = &progetto;
  }
  ~ProgettoRegistrato() { Finestre::Aperte.ProgettoSezione = prima_; }
  ProgettoRegistrato(const ProgettoRegistrato&) = delete;
  ProgettoRegistrato& operator=(const ProgettoRegistrato&) = delete;

 private:
  Finestre::FinestraProgetto* prima_;
};

void MessaggioAltezzaUtile() {
  platform::MsgBox("Altezza utile sezione <=0!\r\nControllare i dati.", platform::Pulsanti::Ok,
                   platform::Icona::Critica);
}

}  // namespace

void ModelloProgetto::ProgettaSLUini() {
  RapportiLimite[0] = static_cast<float>(0.01 / EpsYd());
  RapportiLimite[1] = 1;
}

void ModelloProgetto::EpsSLegge() {
  const double epsYd = EpsYd();
  // The strain a design had to take is shown, not asked: the request stays,
  // as it does for a text that is no number (the reading refuses it).
  const std::string testo = finestra_.Controllo("txtEpsS").Text();
  const std::optional<double> fattore = Generale::NumeroCasella(testo);
  if (testo != epsSMostrata_ && fattore) Stato.EpsSProgetto = static_cast<float>(*fattore * epsYd);
  if (Stato.EpsSProgetto <= 0) {
    ProgettaSLUini();
    Stato.EpsSProgetto = static_cast<float>(RapportiLimite[0] * epsYd);
  }
  // Beyond eps_su the steel has failed: no ultimate state to design for.
  Stato.EpsSProgetto = std::min(Stato.EpsSProgetto, static_cast<float>(Stato.EpsSu));
  EpsSDelProgetto = Stato.EpsSProgetto;
  finestra_.Controllo("Slider1").SetValue(static_cast<int>(10 * Stato.EpsSProgetto / epsYd));
}

void ModelloProgetto::SezCARettCrea(SezioneCAreagente& sezione, float b, float h, float c, float As,
                                    float As1, const std::array<float, 2>& rapportiN) const {
  SezCARettCrea(sezione, b, h, {{As1, c}, {As, h - c}}, rapportiN);
}

void ModelloProgetto::SezCARettCrea(SezioneCAreagente& sezione, float b, float h,
                                    const std::vector<Strato>& strati,
                                    const std::array<float, 2>& rapportiN) const {
  const Vettore<float> x{b / 2, b / 2, -b / 2, -b / 2};
  const Vettore<float> y{h / 2, -h / 2, -h / 2, h / 2};
  sezione.Coordinate(x, y, 4);
  sezione.Contorno->Area = static_cast<double>(b) * h;
  sezione.xPtoCalcoloM = 0;
  sezione.yPtoCalcoloM = 0;
  const int n = static_cast<int>(strati.size());
  Vettore<float> xBarre(1, n), yBarre(1, n), aree(1, n);
  for (int i = 1; i <= n; ++i) {
    const Strato& s = strati[static_cast<std::size_t>(i - 1)];
    xBarre(i) = 0;
    yBarre(i) = h / 2 - s.Distanza;
    aree(i) = s.Area;
  }
  const Vettore<float> nessuno;
  sezione.BarreDati(n, xBarre, yBarre, aree, rapportiN, 0, nessuno, nessuno, nessuno, nessuno);
}

float ModelloProgetto::Ass1Funz(double As) const {
  return static_cast<float>(std::max(Stato.RapportoAsCompressa * As,
                                     static_cast<double>(AsFissaCompressa + AreaReggistaffe)));
}

double ModelloProgetto::MomentoUltimoProva(SezioneCAreagente& sezione) {
  ScorciatoiaProgetto scorciatoia;
  int tipo = 0;
  double Mx = 0, My = 0;
  sezione.CalcolaMomentiUltimi(0, tipo, Mx, My);
  if (sezione.Esito != EsitoCalcoloSlu::Riuscito) throw ProvaImpossibile();
  return Mx;
}

double ModelloProgetto::MomentoResistente(double d, double b) {
  std::optional<float> As;
  {
    ProgettoRegistrato registrato(richiamo_);
    As = VariabiliPubbliche::MaterialiCorrenti().AsEquilibrio(
        d, DistanzaFerri, b, Stato.RapportoAsCompressa, Stato.EpsSProgetto);
  }
  if (!As) throw ProvaImpossibile();
  AsTesa = *As;
  AsCompressa = Ass1Funz(AsTesa);
  SezioneCAreagente sezione;
  SezCARettCrea(sezione, static_cast<float>(b), AltezzaSezione, DistanzaFerri, AsTesa, AsCompressa,
                Stato.RapportoN);
  return MomentoUltimoProva(sezione);
}

double ModelloProgetto::MomentoResistenteRos(double ro, SezioneCAreagente& sezione) {
  AsTesa = static_cast<float>(ro * BaseSezione * AltezzaUtile);
  AsCompressa = Ass1Funz(AsTesa);
  SezCARettCrea(sezione, BaseSezione, AltezzaSezione, DistanzaFerri, AsTesa, AsCompressa,
                Stato.RapportoN);
  return MomentoUltimoProva(sezione);
}

double ModelloProgetto::yEquazione(double& x, const std::optional<double>&) {
  if (Stato.TipoVerificaProgetto == 0) {
    if (IncognitaRapporto) {
      SezioneCAreagente sezione;
      const double f = AzioneMx[0] - MomentoResistenteRos(x, sezione);
      Stato.EpsSProgetto = sezione.Eps_s_max;
      return f;
    }
    if (IncognitaAltezza)
      AltezzaSezione = static_cast<float>(x);
    else
      BaseSezione = static_cast<float>(x);
    AltezzaUtile = AltezzaSezione - DistanzaFerri;
    return AzioneMx[0] - MomentoResistente(AltezzaUtile, BaseSezione);
  }
  if (IncognitaRapporto) return AzioneMx[1] - MomentoAmmissibileRo(x);
  // The width that this depth needs, against the width given.
  AltezzaSezione = static_cast<float>(x);
  AltezzaUtile = AltezzaSezione - DistanzaFerri;
  float b, As, As1;
  ProgettaTaBaseSub(b, As, As1);
  return b - BaseSezione;
}

bool ModelloProgetto::ProgettaSLUbaseAltezza(double& x) {
  IncognitaRapporto = false;
  EpsSLegge();
  if (AltezzaUtile <= 0) MessaggioAltezzaUtile();
  bool minima = false;
  if (!DimensioneCerca(x, IncognitaAltezza ? AltezzaMinima() : BaseMinima(),
                       std::fabs(AzioneMx[0]) / 10000, minima))
    return false;
  if (minima) return true;
  // The areas of the dimension found.
  (IncognitaAltezza ? AltezzaSezione : BaseSezione) = static_cast<float>(x);
  AltezzaUtile = AltezzaSezione - DistanzaFerri;
  MomentoResistente(AltezzaUtile, BaseSezione);
  return true;
}

bool ModelloProgetto::ProgettaSLUbase() {
  if (AltezzaUtile <= 0) {
    MessaggioAltezzaUtile();
    return false;
  }
  IncognitaAltezza = false;
  double b = BaseSezione;
  return ProgettaSLUbaseAltezza(b);
}

bool ModelloProgetto::ProgettaSLUaltezza() {
  IncognitaAltezza = true;
  double h = AltezzaSezione;
  return ProgettaSLUbaseAltezza(h);
}

bool ModelloProgetto::ProgettaSLUarmatura() {
  VariabiliPubbliche::MaterialiCorrenti().RapportiLimiteArmatura(RapportiArmaturaLimite, 0);
  if (!RapportoCerca(RapportiArmaturaLimite[0], std::fabs(AzioneMx[0]) / 10000)) return false;
  // The strain of the areas found, not of the root finder's last trial.
  double ro = AsTesa / (static_cast<double>(BaseSezione) * AltezzaUtile);
  yEquazione(ro, std::nullopt);
  EpsSDelProgetto = Stato.EpsSProgetto;
  return true;
}
