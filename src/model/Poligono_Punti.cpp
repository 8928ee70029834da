// Point and segment queries: point in polygon, crossings of a segment.
#include <algorithm>
#include <cmath>

#include "drawing/Grafica_Geometria.h"
#include "model/Matematica.h"
#include "model/Poligono.h"
#include "model/Poligono_Incroci.h"

void Poligono::AscisseSuOrizzontale(double yp, std::vector<double>& ascisse) const {
  ascisse.clear();
  Grafica::PuntoInternoPoligono(x_, y_, nVertici_, yp, ascisse);
}

int Poligono::PuntoInPoligono(double x, double y, double w, double tolleranza) const {
  if (std::fabs(w) < tolleranza) return -1;
  const double xp = x / w, yp = y / w;
  std::vector<double> ascisse;
  ascisse.reserve(static_cast<size_t>(std::max(nVertici_, 0)));  // one block, not grown
  AscisseSuOrizzontale(yp, ascisse);
  int aSinistra = 0;
  for (double a : ascisse)
    if (a < xp) ++aSinistra;
  const int aDestra = static_cast<int>(ascisse.size()) - aSinistra;
  const bool dentro = Matematica::NumeroDispari(aSinistra) && Matematica::NumeroDispari(aDestra);
  return dentro ? 1 : -1;
}

bool Poligono::PuntoNelPoligono(double x, double y) const {
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  const double zero = tolleranza * 1000;
  for (int i = 1; i <= nVertici_; ++i) {
    const int j = i % nVertici_ + 1;
    const double dx = x_(j) - x_(i), dy = y_(j) - y_(i), l2 = dx * dx + dy * dy;
    // The point of side i nearest to (x, y).
    const double t =
        l2 > 0 ? std::clamp(((x - x_(i)) * dx + (y - y_(i)) * dy) / l2, 0.0, 1.0) : 0;
    if (std::hypot(x - x_(i) - t * dx, y - y_(i) - t * dy) <= zero) return true;
  }
  return PuntoInPoligono(x, y, 1, 0) == 1;
}

bool Poligono::IntersezioneConSegmento(const Vettore<double>& xs, const Vettore<double>& ys,
                                       Vettore<double>& xi, Vettore<double>& yi, int& m,
                                       Vettore<int>& lati) const {
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  m = 0;
  const int n = nVertici_;
  for (int i = 1; i <= n; ++i) {
    const int j = i < n ? i + 1 : 1;
    double xc, yc;
    if (!Grafica::IntersezioneSegmenti(xs, ys, {x_(i), x_(j)}, {y_(i), y_(j)}, xc, yc,
                                       tolleranza, true))
      continue;
    if (m == 0) {  // the lists start afresh from 1 at the first crossing
      xi.ReDim(1, 1);
      yi.ReDim(1, 1);
      lati.ReDim(1, 1);
    }
    AggiungeIncrocio(xi, yi, lati, m, xc, yc, i);
  }
  return m > 0;
}
