// The limits that make a section larger than the strain asked needs: the
// least width or depth, and the room the bars take side by side.
#include <algorithm>
#include <string>

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

void ModelloProgetto::GovernoScrive() {
  if (governo_.empty()) return;
  std::string testo = governo_;
  if (Stato.TipoVerificaProgetto == 0)
    testo += ": la deformazione dell'armatura tesa è εs/εyd = " +
             Formattazione::Formato(EpsSDelProgetto / EpsYd(), "0.00") + " anziché " +
             Formattazione::Formato(Stato.EpsSProgetto / EpsYd(), "0.00");
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
               LunghezzaTesto(BaseArrotondata);
  return true;
}
