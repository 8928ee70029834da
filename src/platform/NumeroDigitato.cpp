#include "platform/NumeroDigitato.h"

#include <cctype>

#include "platform/Sistema.h"

namespace platform {
namespace {

bool Cifra(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool Inizia(const std::string& testo, std::size_t i, const std::string& parte) {
  return !parte.empty() && testo.compare(i, parte.size(), parte) == 0;
}

std::size_t CifreDa(const std::string& testo, std::size_t i) {
  std::size_t n = 0;
  while (i + n < testo.size() && Cifra(testo[i + n])) ++n;
  return n;
}

}  // namespace

std::optional<std::string> NumeroDigitato(const std::string& testo) {
  const Sistema& sistema = SistemaCorrente();
  const std::string decimale = sistema.SeparatoreDecimale();
  const std::string migliaia = sistema.SeparatoreMigliaia();
  // A grouping point or comma, the other mark being the decimal one.
  const bool ambiguo = (migliaia == "." || migliaia == ",") && decimale != migliaia;
  std::string s;
  bool virgola = false;     // the locale's decimal separator met
  bool punto = false;       // a grouping mark read as the decimal mark
  std::size_t cifre = 0;    // digits just before i
  bool zero = false;        // and the first of them is 0
  bool dopoGruppo = false;  // those digits follow a thousands mark
  for (std::size_t i = 0; i < testo.size();) {
    if (Inizia(testo, i, decimale)) {
      // Two decimal marks are no number anyone typed.
      if (punto || virgola) return std::nullopt;
      virgola = true;
      s += '.';
      i += decimale.size();
      cifre = 0;
      dopoGruppo = false;
      continue;
    }
    if (!ambiguo && Inizia(testo, i, migliaia)) {
      i += migliaia.size();
      continue;
    }
    const char c = testo[i++];
    if (ambiguo && c == migliaia[0]) {
      const bool primoGruppo = cifre >= 1 && cifre <= 3 && !zero;
      const bool gruppo = !virgola && !punto && CifreDa(testo, i) == 3 &&
                          (dopoGruppo ? cifre == 3 : primoGruppo);
      cifre = 0;
      dopoGruppo = gruppo;
      if (gruppo) continue;
      if (virgola || punto) return std::nullopt;
      punto = true;
      s += '.';
      continue;
    }
    if (Cifra(c)) {
      if (cifre++ == 0) zero = c == '0';
    } else {
      cifre = 0;
      dopoGruppo = false;
    }
    s += c;
  }
  return s;
}

}  // namespace platform
