#pragma once
// A number written as plain text with the system's decimal separator, the
// way cells hold numbers.
#include <string>

namespace platform {

// A finite x in "%.15g" form: up to 15 significant digits, '.' and 'e',
// exponent form below 1E-4 and from 1E15; -0 is "0".
std::string CifreNumero(double x);

// Such a text as shown: "E" for the exponent, the system's decimal separator.
std::string NumeroLocale(std::string cifre);

// Both steps: "1,5E-05" where the separator is ",".
inline std::string NumeroScritto(double x) { return NumeroLocale(CifreNumero(x)); }

}  // namespace platform
