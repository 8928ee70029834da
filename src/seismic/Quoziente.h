#pragma once

namespace Sismica {

// A ratio of the column checks; 0 when the denominator is not positive
// (no section, no pitch, no concrete strength).
inline double Quoziente(double numeratore, double denominatore) {
  return denominatore > 0 ? numeratore / denominatore : 0;
}

}  // namespace Sismica
