#pragma once
// Text services of the program's general module: removing a character and
// reading a number typed with the locale's separators.
#include <string>

namespace Generale {

// The text without the character at the 1-based position; a position outside
// the text leaves it unchanged.
std::string TogliCarattere(const std::string& testo, int posizione);

// Number typed by the user: thousands separators of the locale removed, its
// decimal separator read as ".", then read as far as it is a number (blanks
// ignored, "E" or "D" exponent); 0 when it does not begin with one.
double ValNumero(const std::string& testo);

}  // namespace Generale
