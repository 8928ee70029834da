// The limits that make a section larger than the strain asked needs: the
// least width or depth, and the room the bars take side by side.
#include <algorithm>
#include <string>

#include "analysis/SezioneCAreagente.h"
#include "design/ModelloProgetto.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void ModelloProgetto::MinimaSegnala(double minimo) {
  const double x = IncognitaAltezza ? AltezzaSezione : BaseSezione;
  const std::string misura = " (" + LunghezzaTesto(x) + ")";
  if (IncognitaAltezza)
    governo_ = "Governa l'altezza minima, tre volte la distanza delle barre dal bordo" + misura;
  else if (x <= minimo * (1 + 1E-6))
    governo_ = std::string("Governa la base minima che contiene ") +
               (Stato.NumeroBracci > 0 ? "i reggistaffe" : "le barre") + " in un solo strato" +
               misura;
  else
    governo_ =
        "Governa la base minima in cui le barre presenti raggiungono la deformazione richiesta" +
        misura;
}

bool ModelloProgetto::DimensioneArrotondata() const {
  switch (Stato.DimensioneFissa) {
    case 0:
      return Stato.PassoArrotondamento[1] > 0 && BaseArrotondata > BaseSezione;
    case 1:
      return Stato.PassoArrotondamento[0] > 0 && AltezzaArrotondata > AltezzaSezione;
    default:
      return false;
  }
}

void ModelloProgetto::DeformazioneSezioneMostrata() {
  // The strain asked stays where the section shown is the one sized at it.
  if (Stato.TipoVerificaProgetto != 0 || (governo_.empty() && !DimensioneArrotondata())) return;
  SezioneCAreagente sezione;
  SezCARettCrea(sezione, BaseArrotondata, AltezzaArrotondata, DistanzaFerri, AsTesaEffettiva,
                AsCompressaEffettiva, Stato.RapportoN);
  MomentoUltimoProva(sezione);
  EpsSDelProgetto = sezione.Eps_s_max;
}

void ModelloProgetto::GovernoScrive() {
  const bool altezza = Stato.DimensioneFissa == 1;
  const std::string mostrata = LunghezzaTesto(altezza ? AltezzaArrotondata : BaseArrotondata);
  std::string testo = governo_;
  if (DimensioneArrotondata())
    testo = governo_.empty() ? std::string(altezza ? "Governa l'altezza" : "Governa la base") +
                                   " arrotondata (" + mostrata + ")"
                             : governo_ + ", arrotondata a " + mostrata;
  const bool slu = Stato.TipoVerificaProgetto == 0;
  const std::string propria = Formattazione::Formato(EpsSDelProgetto / EpsYd(), "0.00");
  const std::string chiesta = Formattazione::Formato(Stato.EpsSProgetto / EpsYd(), "0.00");
  // The rounding alone is told only for the strain it changed.
  if (testo.empty() || (governo_.empty() && (!slu || propria == chiesta))) return;
  if (slu) testo += ": la deformazione dell'armatura tesa è εs/εyd = " + propria + " anziché " + chiesta;
  OsservazioniScrive(testo + ".");
}

std::string ModelloProgetto::LunghezzaTesto(double mm) {
  return VariabiliPubbliche::FormattaValore(VariabiliPubbliche::LunghezzaDaMm(mm), true) + " " +
         Stato.UnitaLunghezza;
}

bool ModelloProgetto::BaseAllargaAlleBarre() {
  const float prima = BaseArrotondata;
  // A few rounds: less steel in a wider section may take fewer bars.
  for (int k = 0; k < 4; ++k) {
    const float larghezza =
        std::max(LarghezzaZona(DiametriTesi, CombinazioneTesa, BarreFisseTese),
                 LarghezzaZona(DiametriCompressi, CombinazioneCompressa, BarreFisseCompresse));
    if (!(larghezza > BaseArrotondata)) break;
    BaseSezione = larghezza;
    IncognitaAltezza = false;
    DimensioniArrotondate();
    if (!ArmaturaSezioneFissa() || !ArmaturaCalcola()) return false;
  }
  if (BaseArrotondata > prima)
    governo_ = "Governano le barre, in un solo strato in una base di " +
               LunghezzaTesto(BaseSezione);
  return true;
}
