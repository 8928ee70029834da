#include "seismic/EsitoFlessione.h"

#include "drawing/NumeroCella.h"
#include "platform/Colori.h"
#include "seismic/Normative3274.h"

namespace Sismica {

bool EsitoFlessione(FinestraSismica& finestra, bool calcolato, const std::string& rapporto,
                    bool inferiore, const std::string& titolo) {
  platform::Control& casella = finestra.Controllo("txtRoM", inferiore ? 0 : 1);
  if (!calcolato || !NumeroCella::Numerico(rapporto)) {
    casella.SetText("");
    casella.SetForeColor(platform::QBColor(0));
    finestra.ListaPrescrizioniNew({"ATTENZIONE - Verifica a flessione non eseguita per la " +
                                   titolo + "!"});
    return false;
  }
  const float valore = static_cast<float>(NumeroCella::Valore(rapporto));
  casella.SetText(rapporto);
  Normative3274::ColoraControllo(casella, 1, true, valore);
  finestra.ListaPrescrizioniNew(
      {(valore > 1 ? "NO verifica a flessione " : "OK verifica a flessione ") + titolo});
  return true;
}

}  // namespace Sismica
