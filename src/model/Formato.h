#pragma once
// Number to text with the locale's separators: by pattern ("#,##0", "0.00",
// "0.000E+00" ...) and in plain form.
#include <string>

namespace Formattazione {

// x written with a pattern made of an optional literal prefix, integer digits
// "0" (always shown) and "#" (shown when significant) with "," for thousands
// grouping, an optional "." with decimal digits "0" and "#", an optional
// exponent "E+00" / "E-00" (also lowercase) and a literal suffix. In the text
// "," and "." become the locale's separators. Values are first taken to 15
// significant digits, then rounded half away from zero. A negative value gets
// "-" in front of everything, unless it rounds to zero.
std::string Formato(double x, const std::string& schema);

// What every number text shows for a value that is not a finite number.
inline const std::string TestoNonFinito = "-";

// Plain text of a number: up to 15 significant digits, no grouping, the
// locale's decimal separator, exponent form "1.5E-05" below 1E-4 and from 1E15;
// TestoNonFinito for infinities and NaN, as every text built from it.
std::string TestoNumero(double x);

// A value >= 0 as decimal digits: value = 0.cifre x 10^punto, so `punto` is
// the number of digits before the decimal point (<= 0 below 0.1).
struct Cifre {
  std::string cifre;
  int punto = 0;
};

// The 15 digits and the point of a "%.15g" text ('.', 'e').
Cifre CifreDaTestoG(const char* t, const char* fine);

// Keeps the first k digits, zeros added, rounding half away from zero; a
// carry out of the first digit adds a digit in front.
void Arrotonda(Cifre& c, int k);

}  // namespace Formattazione
