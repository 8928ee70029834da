#include "model/TestoUtf8.h"

namespace TestoUtf8 {
namespace {

bool Continuazione(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

int NumeroCaratteri(const std::string& testo) {
  int n = 0;
  for (char c : testo)
    if (!Continuazione(c)) ++n;
  return n;
}

std::size_t InizioCarattere(const std::string& testo, int posizione) {
  if (posizione < 1) return std::string::npos;
  int contati = 0;
  for (std::size_t b = 0; b < testo.size(); ++b) {
    if (Continuazione(testo[b])) continue;
    if (++contati == posizione) return b;
  }
  return contati + 1 == posizione ? testo.size() : std::string::npos;
}

}  // namespace TestoUtf8
