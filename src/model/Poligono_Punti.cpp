// Point and segment queries: point in polygon, crossings of a segment.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

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

int Poligono::PrimoPuntoFuori(const Vettore<float>& x, const Vettore<float>& y, int n) const {
  if (n < 1) return 0;
  if (nVertici_ < 1) return 1;
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  const auto m = static_cast<size_t>(n);
  // A point typed on the boundary is stored off it by its rounding to single
  // precision, up to 2^-24 of each coordinate, which grows with its distance
  // from the origin: within so much more it is on.
  std::vector<double> zero(m + 1);
  double zeroMassimo = 0;
  for (int p = 1; p <= n; ++p) {
    const double z = tolleranza * 1000 + (std::fabs(x(p)) + std::fabs(y(p))) * 0x1p-24;
    zero[static_cast<size_t>(p)] = z;
    zeroMassimo = std::max(zeroMassimo, z);
  }
  std::vector<char> vuoto(static_cast<size_t>(nVertici_) + 1, 0);
  for (const int lato : TagliNelVuoto()) vuoto[static_cast<size_t>(lato)] = 1;
  // The points by ordinate, so that each side meets only those level with it.
  std::vector<int> ordine(m);
  std::iota(ordine.begin(), ordine.end(), 1);
  std::sort(ordine.begin(), ordine.end(), [&](int a, int b) { return y(a) < y(b); });
  std::vector<double> ordinate(m);
  for (size_t k = 0; k < m; ++k) ordinate[k] = y(ordine[k]);
  // On a side of the concrete (1), on a cut through a hole only (2).
  std::vector<char> sulBordo(m + 1, 0);
  std::vector<int> aSinistra(m + 1, 0);
  for (int i = 1; i <= nVertici_; ++i) {
    const int j = i % nVertici_ + 1;
    const double dx = x_(j) - x_(i), dy = y_(j) - y_(i), l2 = dx * dx + dy * dy;
    // A band twice the tolerance picks the points; the tests below decide.
    const double basso = std::min(y_(i), y_(j)) - 2 * zeroMassimo;
    const double alto = std::max(y_(i), y_(j)) + 2 * zeroMassimo;
    for (auto k = std::lower_bound(ordinate.begin(), ordinate.end(), basso);
         k != ordinate.end() && *k <= alto; ++k) {
      const int p = ordine[static_cast<size_t>(k - ordinate.begin())];
      const double xp = x(p), yp = y(p);
      // The point of side i nearest to (xp, yp).
      const double t =
          l2 > 0 ? std::clamp(((xp - x_(i)) * dx + (yp - y_(i)) * dy) / l2, 0.0, 1.0) : 0;
      const double ex = xp - x_(i) - t * dx, ey = yp - y_(i) - t * dy;
      const double z = zero[static_cast<size_t>(p)];
      char& bordo = sulBordo[static_cast<size_t>(p)];
      if (ex * ex + ey * ey <= z * z) bordo = vuoto[static_cast<size_t>(i)] && bordo != 1 ? 2 : 1;
      // The crossing with the horizontal through the point, by the half-open
      // rule of AscisseSuOrizzontale.
      const bool iSopra = y_(i) >= yp;
      if (iSopra == (y_(j) >= yp)) continue;
      const int a = iSopra ? i : j, b = iSopra ? j : i;
      if (x_(a) + (x_(b) - x_(a)) * ((y_(a) - yp) / (y_(a) - y_(b))) < xp)
        ++aSinistra[static_cast<size_t>(p)];
    }
  }
  // A closed outline crosses each horizontal an even number of times: an odd
  // count on the left leaves an odd one on the right.
  for (int p = 1; p <= n; ++p) {
    const auto k = static_cast<size_t>(p);
    if (sulBordo[k] == 2 || (!sulBordo[k] && !Matematica::NumeroDispari(aSinistra[k]))) return p;
  }
  return 0;
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
