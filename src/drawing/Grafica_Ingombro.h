#pragma once
// Room a drawing must leave for its texts before it knows the device: a
// line of text of height h is taken as 0.75 h per character wide, enough for
// the proportional fonts the devices use.
#include <string>

#include "model/TestoUtf8.h"

namespace Grafica {

inline double LarghezzaTesto(const std::string& testo, double altezza) {
  return 0.75 * altezza * TestoUtf8::NumeroCaratteri(testo);
}

}  // namespace Grafica
