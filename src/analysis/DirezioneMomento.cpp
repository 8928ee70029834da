#include "analysis/DirezioneMomento.h"

#include <cmath>

bool RaggioIncontraSegmento(double ex, double ey, double x1, double y1, double x2, double y2,
                            double zero) {
  const double e = std::hypot(ex, ey);
  if (!(e > 0) || !std::isfinite(e)) return false;
  const double ux = ex / e, uy = ey / e;
  // Distance of each end from the ray's line (signed) and its place along it.
  const double d1 = ux * y1 - uy * x1, d2 = ux * y2 - uy * x2;
  const double s1 = ux * x1 + uy * y1, s2 = ux * x2 + uy * y2;
  if ((std::fabs(d1) <= zero && s1 > zero) || (std::fabs(d2) <= zero && s2 > zero)) return true;
  if (d1 * d2 > 0 || d1 == d2) return false;
  return s1 + (s2 - s1) * d1 / (d1 - d2) > zero;
}
