#include "platform/Colori.h"

namespace platform {

Colore QBColor(int n) {
  static constexpr Colore tabella[16] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return (n >= 0 && n < 16) ? tabella[n] : 0x000000;
}

}  // namespace platform
