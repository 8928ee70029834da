#include "drawing/Cp1252.h"

#include <cstdint>

namespace Grafica {

namespace {

// Code points of bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr char32_t Alti[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i)
    if (Alti[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

// The code point starting at byte i, and how many bytes it takes; 0 for a
// byte that does not start a well-formed sequence.
char32_t Carattere(const std::string& t, std::size_t i, int& lunghezza) {
  const auto b = static_cast<std::uint8_t>(t[i]);
  lunghezza = b < 0x80 ? 1 : b >= 0xF5 ? 0 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
  if (lunghezza == 0 || i + static_cast<std::size_t>(lunghezza) > t.size()) {
    lunghezza = 0;
    return 0;
  }
  if (lunghezza == 1) return b;
  char32_t c = b & (0x7F >> lunghezza);
  for (int k = 1; k < lunghezza; ++k) {
    const auto s = static_cast<std::uint8_t>(t[i + k]);
    if ((s & 0xC0) != 0x80) {
      lunghezza = 0;
      return 0;
    }
    c = (c << 6) | (s & 0x3F);
  }
  return c;
}

}  // namespace

std::string Cp1252DaUtf8(const std::string& testo) {
  std::string risultato;
  risultato.reserve(testo.size());
  std::size_t i = 0;
  while (i < testo.size()) {
    int lunghezza = 0;
    const char32_t c = Carattere(testo, i, lunghezza);
    if (lunghezza == 0) {
      risultato += '?';
      ++i;
    } else {
      risultato += Byte(c);
      i += static_cast<std::size_t>(lunghezza);
    }
  }
  return risultato;
}

}  // namespace Grafica
