// Convex hull by the monotone chain: the vertices sorted by x then y, the
// lower and the upper chain each keeping only left turns.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "drawing/Grafica_Estremi.h"
#include "model/Poligono.h"

namespace {

using Punto = std::pair<double, double>;

// Twice the signed area of the triangle o, a, b: positive for a left turn.
double Svolta(const Punto& o, const Punto& a, const Punto& b) {
  return (a.first - o.first) * (b.second - o.second) -
         (a.second - o.second) * (b.first - o.first);
}

// The hull of distinct points sorted by x then y, counter-clockwise from the
// first; collinear points are left out.
std::vector<Punto> Catena(const std::vector<Punto>& p) {
  if (p.size() < 3) return p;
  std::vector<Punto> giro;
  giro.reserve(2 * p.size());
  auto aggiungi = [&giro](const Punto& q, size_t base) {
    while (giro.size() >= base + 2 && Svolta(giro[giro.size() - 2], giro.back(), q) <= 0)
      giro.pop_back();
    giro.push_back(q);
  };
  for (const Punto& q : p) aggiungi(q, 0);
  const size_t inferiore = giro.size() - 1;  // the upper chain starts at the last point
  for (auto q = p.rbegin() + 1; q != p.rend(); ++q) aggiungi(*q, inferiore);
  giro.pop_back();  // the first point again
  return giro;
}

}  // namespace

Poligono Poligono::PoligonoConvessoCircoscritto() const {
  const int n = nVertici_;
  if (n < 1) return Poligono{};
  int inizio;
  Grafica::MinimoEIndice(n, y_, &inizio);
  const Punto partenza{x_(inizio), y_(inizio)};
  // A point that is not a finite number has no place in the order.
  std::vector<Punto> punti;
  punti.reserve(static_cast<size_t>(n));
  for (int i = 1; i <= n; ++i)
    if (std::isfinite(x_(i)) && std::isfinite(y_(i))) punti.emplace_back(x_(i), y_(i));
  std::sort(punti.begin(), punti.end());
  punti.erase(std::unique(punti.begin(), punti.end()), punti.end());
  std::vector<Punto> giro = Catena(punti);

  // The hull starts at the lowest vertex; lying inside the bottom side, that
  // vertex is put in it.
  auto primo = std::find(giro.begin(), giro.end(), partenza);
  for (size_t i = 0; primo == giro.end() && i < giro.size(); ++i) {
    const Punto& a = giro[i];
    const Punto& b = giro[(i + 1) % giro.size()];
    if (a.second == partenza.second && b.second == partenza.second &&
        a.first < partenza.first && partenza.first < b.first)
      primo = giro.insert(giro.begin() + static_cast<std::ptrdiff_t>(i) + 1, partenza);
  }
  if (primo != giro.end()) std::rotate(giro.begin(), primo, giro.end());

  // In 32 bits, where vertices a hair apart become one.
  Vettore<float> x(1, static_cast<int>(giro.size())), y(1, static_cast<int>(giro.size()));
  int m = 0;
  for (const Punto& q : giro) {
    const float xq = static_cast<float>(q.first), yq = static_cast<float>(q.second);
    if (m > 0 && xq == x(m) && yq == y(m)) continue;
    if (m > 1 && xq == x(1) && yq == y(1)) continue;
    ++m;
    x(m) = xq;
    y(m) = yq;
  }
  Poligono inviluppo;
  inviluppo.Coordinate(x, y, m);
  return inviluppo;
}
