// A run refused before it starts when its input has no physical meaning:
// material constants, modular ratios, outline, steel and actions.
#include <cmath>
#include <string>

#include "analysis/SezioneCA.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

bool Finiti(int n, const Vettore<float>& v) {
  for (int i = 1; i <= n; ++i)
    if (!std::isfinite(v(i))) return false;
  return true;
}

bool AreeValide(int n, const Vettore<float>& aree) {
  for (int i = 1; i <= n; ++i)
    if (!std::isfinite(aree(i)) || aree(i) < 0) return false;
  return true;
}

}  // namespace

std::string SezioneCA::DatiNonValidi() const {
  const bool ultimo = VariabiliPubbliche::TipoVerificaSlu();
  const bool conCavi = nCavi > 0;
  std::string motivo = Materiali::CostantiNonValide(conCavi, ultimo);
  if (motivo.empty()) motivo = Materiali::RapportiNNonValidi(RapportiN, nBarre > 0, conCavi);
  if (!motivo.empty()) return motivo;
  if (!Contorno->CoordinateFinite() || !std::isfinite(xPtoCalcoloM) ||
      !std::isfinite(yPtoCalcoloM))
    return "Le coordinate della sezione devono essere numeri finiti.";
  if (Contorno->LatiIncrociati())
    return "Il contorno della sezione si interseca: i suoi lati non devono incrociarsi.";
  if (Contorno->nVertici() < 3 || Contorno->AreaNulla(true))
    return "Il contorno della sezione non ha area.";
  if (!Finiti(nBarre, xBarre) || !Finiti(nBarre, yBarre) || !Finiti(nCavi, xCavi) ||
      !Finiti(nCavi, yCavi))
    return "Le coordinate delle barre e dei cavi devono essere numeri finiti.";
  if (!AreeValide(nBarre, AreeBarre) || !AreeValide(nCavi, AreeCavi))
    return "Le aree delle barre e dei cavi devono essere numeri non negativi.";
  if (!Finiti(nCavi, PrecompressioneCavi))
    return "La precompressione dei cavi deve essere un numero finito.";
  for (const auto& azioni : {SollecitazioneN, SollecitazioneMx, SollecitazioneMy})
    for (double v : azioni)
      if (!std::isfinite(v)) return "Le sollecitazioni devono essere numeri finiti.";
  return "";
}

bool SezioneCA::RifiutaDatiNonValidi() {
  const std::string motivo = DatiNonValidi();
  if (motivo.empty()) return false;
  platform::MsgBox("Calcolo non eseguito: dati non validi.\r\n" + motivo, platform::Pulsanti::Ok,
                   platform::Icona::Critica);
  return true;
}
