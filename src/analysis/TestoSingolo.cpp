#include "analysis/TestoSingolo.h"

#include <charconv>

#include "model/Formato.h"

std::string TestoSingolo(float x) {
  char testo[32];
  const auto fine = std::to_chars(testo, testo + sizeof testo, x, std::chars_format::general, 7).ptr;
  double v = 0;
  std::from_chars(testo, fine, v);
  return Formattazione::TestoNumero(v);
}
