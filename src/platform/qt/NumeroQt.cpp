#include "platform/qt/NumeroQt.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "platform/NumeroDigitato.h"

namespace platform {

namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// A plain decimal number, -12.5E-3 and the like, read as QString::toDouble
// reads it (both round correctly); nothing for any other text.
std::optional<double> LetturaSemplice(const std::string& s) {
  size_t i = 0, cifre = 0;
  if (i < s.size() && s[i] == '-') ++i;
  for (; i < s.size() && Cifra(s[i]); ++i) ++cifre;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && Cifra(s[i]); ++i) ++cifre;
  if (cifre == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t esponente = 0;
    for (; i < s.size() && Cifra(s[i]); ++i) ++esponente;
    if (esponente == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  double valore = 0;
  const auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), valore);
  if (errore != std::errc() || fine != s.data() + s.size()) return std::nullopt;
  return valore;
}

bool SpazioAscii(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::optional<double> NumeroDaTesto(const QString& testo) {
  const std::optional<std::string> s = NumeroDigitato(testo.trimmed().toStdString());
  if (!s) return std::nullopt;
  bool ok = false;
  const double valore = QString::fromStdString(*s).toDouble(&ok);
  if (!ok) return std::nullopt;
  return valore;
}

std::optional<double> NumeroDaTesto(const std::string& testo) {
  // The same steps on plain ASCII text without making a QString; any other
  // text, or one that is not a plain number, goes the QString way.
  const bool ascii = std::all_of(testo.begin(), testo.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    size_t inizio = 0, fine = testo.size();
    while (inizio < fine && SpazioAscii(testo[inizio])) ++inizio;
    while (fine > inizio && SpazioAscii(testo[fine - 1])) --fine;
    if (const auto s = NumeroDigitato(testo.substr(inizio, fine - inizio)))
      if (const auto valore = LetturaSemplice(*s)) return valore;
  }
  return NumeroDaTesto(QString::fromStdString(testo));
}

}  // namespace platform
