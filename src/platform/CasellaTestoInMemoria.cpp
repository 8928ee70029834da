#include "platform/CasellaTestoInMemoria.h"

#include <algorithm>

namespace platform {

int CasellaTestoInMemoria::Caratteri() const {
  int n = 0;
  for (char c : testo_)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;  // UTF-8 lead bytes
  return n;
}

void CasellaTestoInMemoria::SetText(const std::string& testo) {
  testo_ = testo;
  inizio_ = 0;
  lunghezza_ = 0;
}

void CasellaTestoInMemoria::SetSelStart(int inizio) {
  inizio_ = std::clamp(inizio, 0, Caratteri());
  lunghezza_ = 0;
}

void CasellaTestoInMemoria::SetSelLength(int lunghezza) {
  lunghezza_ = std::clamp(lunghezza, 0, Caratteri() - inizio_);
}

void CasellaTestoInMemoria::Move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

}  // namespace platform
