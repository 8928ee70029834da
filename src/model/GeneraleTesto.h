#pragma once
// Text services of the program's general module: removing a character and
// reading a number typed with the locale's separators.
#include <optional>
#include <stdexcept>
#include <string>

namespace Generale {

// The text without the character at the 1-based position; a position outside
// the text leaves it unchanged.
std::string TogliCarattere(const std::string& testo, int posizione);

// Number typed by the user: its separators read as platform::NumeroDigitato
// reads them, then read as far as it is a number (blanks ignored, "E" or "D"
// exponent); 0 when it does not begin with one. A text whose separators are
// neither reading, or whose number is beyond the range of a double, is 0 too.
// While a RifiutaNumeriNonValidi lives, every such text but the empty one is
// refused.
double ValNumero(const std::string& testo);

// The number a whole text holds, blanks around it aside, read as ValNumero
// reads it; nothing when the text is not one number in the range of a double.
std::optional<double> NumeroTesto(const std::string& testo);

// x divided by 10^potenza on its decimal digits: the double nearest the
// shortest decimal text of x shifted, so that 2.1 per mille gives the double
// nearest 0.0021, where 2.1 / 1000 gives 0.0021000000000000003.
double DivisoPotenzaDieci(double x, int potenza);
// The same on the digits of a Single: 123456.7f / 1000 gives 123.4567.
double DivisoPotenzaDieci(float x, int potenza);

class NumeroNonValido : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// While one lives, ValNumero throws NumeroNonValido for such a text, so that
// a window's reading stops at it.
class RifiutaNumeriNonValidi {
 public:
  RifiutaNumeriNonValidi();
  ~RifiutaNumeriNonValidi();
  RifiutaNumeriNonValidi(const RifiutaNumeriNonValidi&) = delete;
  RifiutaNumeriNonValidi& operator=(const RifiutaNumeriNonValidi&) = delete;
};

// The number typed in a window's box, read as ValNumero reads it while a
// RifiutaNumeriNonValidi lives; nothing for a text it refuses.
std::optional<double> NumeroCasella(const std::string& testo);

}  // namespace Generale
