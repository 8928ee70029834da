// Whether an outline can stand for a cross-section: vertices in reach, an area,
// sides that do not cross one another.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "drawing/Grafica_Geometria.h"
#include "model/Poligono.h"

namespace {

// A side and its box along x (asse 0) and y (asse 1).
struct Lato {
  Grafica::Segmento s;
  double minimo[2], massimo[2];
  int i;  // the side runs from vertex i to the next
};

void OrdinaLungoAsse(std::vector<Lato>& lati, int asse) {
  std::sort(lati.begin(), lati.end(),
            [asse](const Lato& a, const Lato& b) { return a.minimo[asse] < b.minimo[asse]; });
}

// Pairs of boxes that overlap along asse, the pairs a sweep along it looks
// at; leaves the sides ordered along asse.
long long CoppieLungoAsse(std::vector<Lato>& lati, int asse) {
  OrdinaLungoAsse(lati, asse);
  long long coppie = 0;
  for (auto p = lati.begin(); p != lati.end(); ++p) {
    const auto fine = std::upper_bound(p + 1, lati.end(), p->massimo[asse],
                                       [asse](double v, const Lato& l) { return v < l.minimo[asse]; });
    coppie += fine - (p + 1);
  }
  return coppie;
}

}  // namespace

bool Poligono::CoordinateEntro(double limite) const {
  for (int i = 1; i <= nVertici_; ++i)
    if (!(std::fabs(x_(i)) <= limite) || !(std::fabs(y_(i)) <= limite)) return false;
  return true;
}

bool Poligono::LatiIncrociati() const {
  const ControlloLati* ultimo = controlloLati_.get();
  if (ultimo && StessiVertici(ultimo->vertici)) return ultimo->incrociati;
  auto controllo = std::make_shared<ControlloLati>();
  ScriviVertici(controllo->vertici);
  controllo->incrociati = CercaLatiIncrociati();
  controlloLati_ = controllo;
  return controllo->incrociati;
}

bool Poligono::CercaLatiIncrociati() const {
  const int n = nVertici_;
  if (n < 4) return false;  // three sides all share vertices
  double xMin, xMax, yMin, yMax, tolleranza;
  MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  // Two sides can only cross where their boxes meet, up to the rounding of
  // the crossing of their lines: below 1E-14 of the square of the largest
  // coordinate over millions of nearly parallel pairs of every size. The
  // boxes are grown by a thousand times as much.
  double d = 0;
  for (int i = 1; i <= n; ++i) d = std::max({d, std::fabs(x_(i)), std::fabs(y_(i))});
  const double margine = 1E-11 * d * d;
  std::vector<Lato> lati(n);
  for (int i = 1; i <= n; ++i) {
    const int j = i < n ? i + 1 : 1;
    const Grafica::Segmento s{x_(i), y_(i), x_(j), y_(j)};
    lati[i - 1] = {s,
                   {std::min(s.x1, s.x2) - margine, std::min(s.y1, s.y2) - margine},
                   {std::max(s.x1, s.x2) + margine, std::max(s.y1, s.y2) + margine},
                   i};
  }
  // Sides that share a vertex meet there; only the others are tried, the
  // lower-numbered side first.
  const auto incrociati = [n, tolleranza](const Lato& a, const Lato& b) {
    const int k = std::abs(a.i - b.i);
    double xc, yc;
    return k != 1 && k != n - 1 &&
           Grafica::IntersezioneSegmenti(a.i < b.i ? a.s : b.s, a.i < b.i ? b.s : a.s, xc, yc,
                                         tolleranza, true);
  };
  // Boxes of infinite or undefined extent say nothing: every pair is tried.
  if (!std::isfinite(margine) || !CoordinateEntro(std::numeric_limits<double>::max())) {
    for (size_t p = 0; p < lati.size(); ++p)
      for (size_t q = p + 1; q < lati.size(); ++q)
        if (incrociati(lati[p], lati[q])) return true;
    return false;
  }
  // The sweep runs along the axis on which fewer boxes overlap.
  const long long lungoX = CoppieLungoAsse(lati, 0);
  const int asse = lungoX <= CoppieLungoAsse(lati, 1) ? 0 : 1;
  if (asse == 0) OrdinaLungoAsse(lati, 0);
  const int altro = 1 - asse;
  for (size_t p = 0; p < lati.size(); ++p) {
    const Lato& a = lati[p];
    for (size_t q = p + 1; q < lati.size() && lati[q].minimo[asse] <= a.massimo[asse]; ++q) {
      const Lato& b = lati[q];
      if (b.minimo[altro] <= a.massimo[altro] && a.minimo[altro] <= b.massimo[altro] &&
          incrociati(a, b))
        return true;
    }
  }
  return false;
}
