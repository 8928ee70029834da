#pragma once
// The verdict of the bending check of a column end, from the ratio of the
// acting to the resisting moment vector that the Mx-My domain shows.
#include <string>

#include "seismic/FinestraSismica.h"

namespace Sismica {

// The ratio's text into txtRoM(0) for the bottom end, txtRoM(1) for the top
// one, red above 1, and the verdict as the list. A calculation that failed,
// or a ratio that is no number, gives no verdict: the box is emptied and the
// list says that the check was not made. True when a verdict was given.
bool EsitoFlessione(FinestraSismica& finestra, bool calcolato, const std::string& rapporto,
                    bool inferiore, const std::string& titolo);

}  // namespace Sismica
