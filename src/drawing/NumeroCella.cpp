#include "drawing/NumeroCella.h"

#include <cctype>
#include <stdexcept>

#include "model/GeneraleTesto.h"
#include "platform/Sistema.h"

namespace NumeroCella {
namespace {

std::string Sostituito(std::string testo, const std::string& da, const std::string& a) {
  if (da.empty()) return testo;
  for (std::size_t p = testo.find(da); p != std::string::npos; p = testo.find(da, p + a.size()))
    testo.replace(p, da.size(), a);
  return testo;
}

bool Cifra(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool Numerico(const std::string& testo) {
  const platform::Sistema& sistema = platform::SistemaCorrente();
  const std::string s = Sostituito(Sostituito(testo, sistema.SeparatoreMigliaia(), ""),
                                   sistema.SeparatoreDecimale(), ".");
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
