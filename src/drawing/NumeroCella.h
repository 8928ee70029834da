#pragma once
// Numbers in the texts of grid and chart cells, typed with the locale's
// separators as the user types them.
#include <string>

namespace NumeroCella {

// Whether the whole text, blanks around it aside, is one number: a sign,
// digits with the locale's thousands and decimal separators, an exponent,
// within the range of a double.
bool Numerico(const std::string& testo);

// The number the text holds; std::invalid_argument when it holds none.
double Valore(const std::string& testo);

}  // namespace NumeroCella
