#include "app/Codifica.h"

#include <array>

namespace Codifica {
namespace {

// Code points of bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves
// undefined keep the control code of the same value, so they read back.
constexpr std::array<char32_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Sostituto = 0xFFFD;

void AggiungiUtf8(std::string& testo, char32_t c) {
  auto byte = [&](unsigned v) { testo += static_cast<char>(v); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

char ByteCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < Alti.size(); ++i)
    if (Alti[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

char32_t LeggiCodice(const std::string& testo, std::size_t& posizione) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(testo[i]); };
  const unsigned primo = byte(posizione);
  ++posizione;
  if (primo < 0x80) return primo;
  std::size_t seguenti = 0;
  char32_t codice = 0;
  char32_t minimo = 0;
  if ((primo & 0xE0) == 0xC0) {
    seguenti = 1, codice = primo & 0x1F, minimo = 0x80;
  } else if ((primo & 0xF0) == 0xE0) {
    seguenti = 2, codice = primo & 0x0F, minimo = 0x800;
  } else if ((primo & 0xF8) == 0xF0) {
    seguenti = 3, codice = primo & 0x07, minimo = 0x10000;
  } else {
    return Sostituto;
  }
  if (posizione + seguenti > testo.size()) return Sostituto;
  for (std::size_t k = 0; k < seguenti; ++k) {
    const unsigned c = byte(posizione + k);
    if ((c & 0xC0) != 0x80) return Sostituto;
    codice = (codice << 6) | (c & 0x3F);
  }
  if (codice < minimo || codice > 0x10FFFF || (codice >= 0xD800 && codice <= 0xDFFF))
    return Sostituto;
  posizione += seguenti;
  return codice;
}

std::string Cp1252DaUtf8(const std::string& testo) {
  std::string risultato;
  risultato.reserve(testo.size());
  for (std::size_t p = 0; p < testo.size();) risultato += ByteCp1252(LeggiCodice(testo, p));
  return risultato;
}

std::string Utf8DaCp1252(const std::string& testo) {
  std::string risultato;
  risultato.reserve(testo.size());
  for (char c : testo) {
    const auto b = static_cast<unsigned char>(c);
    AggiungiUtf8(risultato, b >= 0x80 && b < 0xA0 ? Alti[b - 0x80] : b);
  }
  return risultato;
}

std::string NonCp1252(const std::string& testo) {
  std::string mancanti;
  for (std::size_t p = 0; p < testo.size();) {
    const std::size_t inizio = p;
    const char32_t c = LeggiCodice(testo, p);
    const std::string carattere = testo.substr(inizio, p - inizio);
    if (c != '?' && ByteCp1252(c) == '?' && mancanti.find(carattere) == std::string::npos)
      mancanti += carattere;
  }
  return mancanti;
}

}  // namespace Codifica
