#include "drawing/NumeroCella.h"

#include <cctype>
#include <stdexcept>

#include "model/GeneraleTesto.h"
#include "platform/NumeroDigitato.h"

namespace NumeroCella {
namespace {

bool Cifra(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool Numerico(const std::string& testo) {
  const std::optional<std::string> digitato = platform::NumeroDigitato(testo);
  if (!digitato) return false;
  const std::string& s = *digitato;
  std::size_t i = 0;
  auto salta = [&](auto condizione) {
    const std::size_t inizio = i;
    while (i < s.size() && condizione(s[i])) ++i;
    return i - inizio;
  };
  auto blanco = [](char c) { return c == ' ' || c == '\t'; };
  salta(blanco);
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t cifre = salta(Cifra);
  if (i < s.size() && s[i] == '.') {
    ++i;
    cifre += salta(Cifra);
  }
  if (cifre == 0) return false;
  if (i < s.size() && std::string("eEdD").find(s[i]) != std::string::npos) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (salta(Cifra) == 0) return false;
  }
  salta(blanco);
  return i == s.size();
}

double Valore(const std::string& testo) {
  if (!Numerico(testo)) throw std::invalid_argument("\"" + testo + "\" non è un numero");
  return Generale::ValNumero(testo);
}

}  // namespace NumeroCella
