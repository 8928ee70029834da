// Whether an outline can stand for a cross-section: vertices in reach, an area,
// sides that do not cross one another.
#include <cmath>

#include "drawing/Grafica_Geometria.h"
#include "model/Poligono.h"

bool Poligono::CoordinateEntro(double limite) const {
  for (int i = 1; i <= nVertici_; ++i)
    if (!(std::fabs(x_(i)) <= limite) || !(std::fabs(y_(i)) <= limite)) return false;
  return true;
}

bool Poligono::LatiIncrociati() const {
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  const int n = nVertici_;
  // Sides that share a vertex meet there; only the others are tried.
  for (int i = 1; i <= n - 2; ++i) {
    const Vettore<double> xs{x_(i), x_(i + 1)}, ys{y_(i), y_(i + 1)};
    for (int k = i + 2; k <= (i == 1 ? n - 1 : n); ++k) {
      const int j = k < n ? k + 1 : 1;
      double xc, yc;
      if (Grafica::IntersezioneSegmenti(xs, ys, {x_(k), x_(j)}, {y_(k), y_(j)}, xc, yc,
                                        tolleranza, true))
        return true;
    }
  }
  return false;
}
