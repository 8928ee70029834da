#pragma once
// A control placed in twips, in the pixels of its window.
#include <QRect>

#include "platform/Twips.h"

namespace platform {

inline QRect RettangoloPixel(int left, int top, int width, int height) {
  return QRect(PixelDaTwips(left), PixelDaTwips(top), PixelDaTwips(width),
               PixelDaTwips(height));
}

// A value in twips brought to a pixel value, unless it already rounds to it:
// a control keeps the twips it was given while its pixels agree.
inline int TwipsAccordati(int twips, int pixel) {
  return PixelDaTwips(twips) == pixel ? twips : TwipsDaPixel(pixel);
}

}  // namespace platform
