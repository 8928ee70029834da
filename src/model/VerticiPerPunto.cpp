#include "model/VerticiPerPunto.h"

#include <algorithm>
#include <cmath>

namespace {

// Cells along an axis, from 0 at the vertices' least coordinate: those of
// the vertices and of points near them fit in 32 bits.
constexpr double celle = 0x1p30;

std::uint64_t Chiave(std::int64_t cx, std::int64_t cy) {
  return static_cast<std::uint64_t>(cx + 2) << 32 | static_cast<std::uint64_t>(cy + 2);
}

}  // namespace

VerticiPerPunto::VerticiPerPunto(const double* x, const double* y, int n, double zero)
    : x_(x), y_(y), zero_(zero) {
  double basso[2] = {INFINITY, INFINITY}, alto[2] = {-INFINITY, -INFINITY};
  for (int k = 0; k < n; ++k)
    if (std::isfinite(x[k]) && std::isfinite(y[k])) {
      basso[0] = std::min(basso[0], x[k]);
      alto[0] = std::max(alto[0], x[k]);
      basso[1] = std::min(basso[1], y[k]);
      alto[1] = std::max(alto[1], y[k]);
    }
  if (!(basso[0] <= alto[0])) return;  // no finite vertex
  x0_ = basso[0];
  y0_ = basso[1];
  // Cells twice zero at least, so that a vertex near a point lies in one of
  // the four cells about the point's corner nearest it.
  const double estensione = std::max(alto[0] - basso[0], alto[1] - basso[1]);
  perLato_ = 1 / std::max(2 * zero, estensione / celle);
  if (!(perLato_ > 0) || !std::isfinite(perLato_)) perLato_ = 1;
  std::size_t posti = 16;
  while (posti < 2 * static_cast<std::size_t>(n)) posti *= 2;
  posti_.assign(posti, 0);
  chiave_.resize(static_cast<std::size_t>(n) + 1);
  seguente_.assign(static_cast<std::size_t>(n) + 1, 0);
  bool inAlto;
  for (int k = n; k >= 1; --k) {  // so that each cell lists its vertices rising
    if (!std::isfinite(x[k - 1]) || !std::isfinite(y[k - 1])) continue;
    const auto v = static_cast<std::size_t>(k);
    chiave_[v] = Chiave(Indice(x[k - 1], x0_, inAlto), Indice(y[k - 1], y0_, inAlto));
    int& primo = posti_[Posto(chiave_[v])];
    seguente_[v] = primo;
    primo = k;
  }
}

std::int64_t VerticiPerPunto::Indice(double v, double origine, bool& alto) const {
  // Far points go to the cells beyond the vertices', which hold none.
  const double t = std::clamp((v - origine) * perLato_, -1.0, celle + 1);
  const auto i = static_cast<std::int64_t>(t + 1) - 1;  // t + 1 >= 0: truncation is floor
  alto = t - static_cast<double>(i) >= 0.5;
  return i;
}

std::size_t VerticiPerPunto::Posto(std::uint64_t c) const {
  const std::size_t maschera = posti_.size() - 1;
  std::uint64_t h = (c ^ (c >> 31)) * 0xBF58476D1CE4E5B9ULL;
  for (std::size_t p = (h ^ (h >> 29)) & maschera;; p = (p + 1) & maschera) {
    const int k = posti_[p];
    if (k == 0 || chiave_[static_cast<std::size_t>(k)] == c) return p;
  }
}

const std::vector<int>& VerticiPerPunto::Presso(double px, double py) const {
  trovati_.clear();
  if (posti_.empty() || !std::isfinite(px) || !std::isfinite(py)) return trovati_;
  bool destra, sopra;
  const std::int64_t cx = Indice(px, x0_, destra), cy = Indice(py, y0_, sopra);
  for (const std::int64_t i : {cx, destra ? cx + 1 : cx - 1})
    for (const std::int64_t j : {cy, sopra ? cy + 1 : cy - 1})
      for (int k = posti_[Posto(Chiave(i, j))]; k != 0; k = seguente_[static_cast<std::size_t>(k)]) {
        const double dx = x_[k - 1] - px, dy = y_[k - 1] - py;
        if (dx * dx + dy * dy <= zero_ * zero_) trovati_.push_back(k);
      }
  std::sort(trovati_.begin(), trovati_.end());
  return trovati_;
}
