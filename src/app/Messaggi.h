#pragma once
// Fixed message boxes shown from several places: the data-error box, the hint
// on copying a window, the notes on design-code parameters, and the box of a
// data file that could not be written. The notes read Normativa when shown.
#include <string>

namespace Messaggi {

// The text of the data-error box.
inline constexpr const char* ErroreDati = "Errore! Controllare i dati";

void MessaggioErroreDati();
void MessaggioCopiaAppunti();
void MessaggioAlfaCC();
void MessaggioFccFcd();
void MessaggioGammaC();
void MessaggioDuttilita();
void MessaggioStruttureEsistenti();

// The file at percorso was not written; the one there before stays as it was.
void MessaggioScritturaFallita(const std::string& percorso, bool solaLettura = false);

}  // namespace Messaggi
