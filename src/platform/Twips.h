#pragma once
// Positions and sizes of controls are in twips, 15 to a screen pixel.
#include <cmath>

namespace platform {

inline constexpr int TwipsPerPixel = 15;

inline int PixelDaTwips(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline int TwipsDaPixel(int pixel) { return pixel * TwipsPerPixel; }

}  // namespace platform
