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

// Beyond the range of a double, whether the number of these digits (with
// their decimal point) times 10^esponente is too large rather than too small.
bool TroppoGrande(const std::string& mantissa, long long esponente) {
  const std::size_t punto = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t primo = mantissa.find_first_of("123456789");
  if (primo == std::string::npos) return false;
  const auto ordine = primo < punto ? static_cast<long long>(punto - primo - 1)
                                    : -static_cast<long long>(primo - punto);
  return ordine + esponente > 0;
}

struct NumeroLetto {
  double valore;     // infinite beyond the range of a double
  std::size_t fine;  // where the number ends in the text
};

// The plain reading of the number at the start of s: a sign, digits with "."
// as the only decimal point, an exponent (E or D, a sign, digits); nothing
// when s does not begin with one.
std::optional<NumeroLetto> NumeroIniziale(const std::string& s) {
  std::size_t i = 0;
  auto cifre = [&] {
    const std::size_t primo = i;
    while (i < s.size() && Cifra(s[i])) ++i;
    return i - primo;
  };
  const bool meno = !s.empty() && s[0] == '-';
  if (!s.empty() && (s[0] == '+' || meno)) ++i;
  const std::size_t inizio = i;
  std::size_t nCifre = cifre();
  if (i < s.size() && s[i] == '.') {
    ++i;
    nCifre += cifre();
  }
  if (nCifre == 0) return std::nullopt;
  const std::string mantissa = s.substr(inizio, i - inizio);
  long long esponente = 0;
  const std::size_t fineMantissa = i;
  if (i < s.size() && std::string("eEdD").find(s[i]) != std::string::npos) {
    ++i;
    const bool negativo = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || negativo)) ++i;
    const std::size_t primaCifra = i;
    if (cifre() == 0) {
      i = fineMantissa;
    } else {
      for (std::size_t k = primaCifra; k < i; ++k)
        esponente = std::min(esponente * 10 + (s[k] - '0'), 1000000LL);
      if (negativo) esponente = -esponente;
    }
  }
  const std::string numero = mantissa + "e" + std::to_string(esponente);
  double valore = 0;
  if (std::from_chars(numero.data(), numero.data() + numero.size(), valore).ec != std::errc())
    valore = TroppoGrande(mantissa, esponente) ? HUGE_VAL : 0;
  return NumeroLetto{meno ? -valore : valore, i};
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
  std::optional<std::string> s = platform::NumeroDigitato(testo);
  if (s) std::erase_if(*s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  const std::optional<NumeroLetto> letto = s ? NumeroIniziale(*s) : std::nullopt;
  if (letto && std::isfinite(letto->valore)) return letto->valore;
  // An empty text is 0; any other without a number in range, the user's slip.
  if (Rifiuti > 0 && (!s || !s->empty()))
    throw NumeroNonValido("\"" + testo + "\" non è un numero");
  return 0;
}

std::optional<double> NumeroTesto(const std::string& testo) {
  const std::size_t inizio = testo.find_first_not_of(" \t\r\n");
  if (inizio == std::string::npos) return std::nullopt;
  const std::size_t fine = testo.find_last_not_of(" \t\r\n") + 1;
  const std::optional<std::string> s = platform::NumeroDigitato(testo.substr(inizio, fine - inizio));
  const std::optional<NumeroLetto> letto = s ? NumeroIniziale(*s) : std::nullopt;
  if (!letto || letto->fine != s->size() || !std::isfinite(letto->valore)) return std::nullopt;
  return letto->valore;
}

double DivisoPotenzaDieci(double x, int potenza) { return Diviso(x, potenza); }

double DivisoPotenzaDieci(float x, int potenza) { return Diviso(x, potenza); }

RifiutaNumeriNonValidi::RifiutaNumeriNonValidi() { ++Rifiuti; }

RifiutaNumeriNonValidi::~RifiutaNumeriNonValidi() { --Rifiuti; }

std::optional<double> NumeroCasella(const std::string& testo) {
  const RifiutaNumeriNonValidi rifiuta;
  try {
    return ValNumero(testo);
  } catch (const NumeroNonValido&) {
    return std::nullopt;
  }
}

}  // namespace Generale
