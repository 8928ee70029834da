#pragma once
// Numbers shown in result boxes, reports, plots and grids: a fixed number of
// significant digits, a sign position (a blank, or "-") as first character,
// thousands grouping, and an exponent form where the field is narrow.
#include <string>

namespace Formattazione {

// n significant digits; values above 1 keep all their integer digits.
// *schema receives the pattern used (empty for " 0" and for a value that is
// not finite, shown as TestoNonFinito).
std::string FormattaCifreSignificative(int n, double x, std::string* schema = nullptr);

// As FormattaCifreSignificative, in the exponent form " 0.000E+00" when the
// text is longer than m; a field narrower than n + 6 is reported.
std::string FormattaMaxCaratteri(int n, int m, double x, std::string* schema = nullptr);

// FormattaMaxCaratteri without trailing zeros of the decimals (nor a lone
// decimal separator); with togliBlanco a positive value loses its leading blank.
std::string FormattaNumero(int n, int m, double x, bool togliBlanco = false);

// Whether the last character of the mantissa (before "E") is "0"; its 1-based
// position then goes to posizione, which is otherwise left as it was.
bool ZeroFinaleMantissa(const std::string& testo, int& posizione);

std::string SeparatoreDecimale();

// n significant digits with thousands grouping, read from the plain text of
// the number; fewer digits than n leave that text as it is.
std::string FormattaMigliaia(int n, double x, std::string* schema = nullptr);

}  // namespace Formattazione
