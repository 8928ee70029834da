#include "model/GeneraleTesto.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "model/TestoUtf8.h"
#include "platform/NumeroDigitato.h"

namespace Generale {
namespace {

int Rifiuti = 0;

bool Cifra(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The number at the start of the text, read as the plain reading of a number
// does: blanks, tabs and line feeds anywhere are skipped, the reading stops at
// the first character that cannot continue a number.
double LeggiNumero(const std::string& testo) {
  std::string s;
  for (char c : testo)
    if (c != ' ' && c != '\t' && c != '\n') s += c;

  // A leading "+" is skipped: the number reader takes only a "-".
  const std::size_t inizio = (!s.empty() && s[0] == '+') ? 1 : 0;
  std::size_t i = inizio;
  auto cifre = [&] {
    const std::size_t primo = i;
    while (i < s.size() && Cifra(s[i])) ++i;
    return i - primo;
  };
  if (i < s.size() && s[i] == '-') ++i;
  std::size_t nCifre = cifre();
  if (i < s.size() && s[i] == '.') {
    ++i;
    nCifre += cifre();
  }
  if (nCifre == 0) return 0;
  std::size_t fine = i;
  if (i < s.size() && std::string("eEdD").find(s[i]) != std::string::npos) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (cifre() > 0) fine = i;
  }
  std::string numero = s.substr(inizio, fine - inizio);
  for (char& c : numero)
    if (c == 'd' || c == 'D') c = 'e';
  double valore = 0;
  std::from_chars(numero.data(), numero.data() + numero.size(), valore);
  return valore;
}

// The shortest decimal text of x, its exponent lowered by potenza, read as a
// double.
template <class T>
double Diviso(T x, int potenza) {
  if (!std::isfinite(x) || x == 0) return x;
  char testo[64];
  char* fine = std::to_chars(testo, testo + sizeof testo, x, std::chars_format::scientific).ptr;
  char* e = std::find(testo, fine, 'e');
  int esponente = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), fine, esponente);
  fine = std::to_chars(e + 1, testo + sizeof testo, esponente - potenza).ptr;
  double valore = 0;
  // Beyond the range of a double, the division itself.
  if (std::from_chars(testo, fine, valore).ec != std::errc()) return x / std::pow(10.0, potenza);
  return valore;
}

}  // namespace

std::string TogliCarattere(const std::string& testo, int posizione) {
  const std::size_t inizio = TestoUtf8::InizioCarattere(testo, posizione);
  if (inizio == std::string::npos || inizio == testo.size()) return testo;
  const std::size_t fine = TestoUtf8::InizioCarattere(testo, posizione + 1);
  return testo.substr(0, inizio) + testo.substr(fine);
}

double ValNumero(const std::string& testo) {
  const std::optional<std::string> s = platform::NumeroDigitato(testo);
  if (s) return LeggiNumero(*s);
  if (Rifiuti > 0) throw NumeroNonValido("\"" + testo + "\" non è un numero");
  return 0;
}

double DivisoPotenzaDieci(double x, int potenza) { return Diviso(x, potenza); }

double DivisoPotenzaDieci(float x, int potenza) { return Diviso(x, potenza); }

RifiutaNumeriNonValidi::RifiutaNumeriNonValidi() { ++Rifiuti; }

RifiutaNumeriNonValidi::~RifiutaNumeriNonValidi() { --Rifiuti; }

}  // namespace Generale
