#include "model/VerticiPerPunto.h"

#include <algorithm>
#include <cmath>

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
  // Cells no smaller than zero, so that a vertex near a point lies in one of
  // the nine cells about it, nor than 1E-12 of the extent, for their count
  // to fit.
  const double estensione = std::max(alto[0] - basso[0], alto[1] - basso[1]);
  lato_ = std::max(zero, estensione * 1E-12);
  if (!(lato_ > 0) || !std::isfinite(lato_)) lato_ = 1;
  std::size_t posti = 16;
  while (posti < 2 * static_cast<std::size_t>(n)) posti *= 2;
  posti_.assign(posti, 0);
  cella_.resize(static_cast<std::size_t>(n) + 1);
  seguente_.assign(static_cast<std::size_t>(n) + 1, 0);
  for (int k = n; k >= 1; --k) {  // so that each cell lists its vertices rising
    if (!std::isfinite(x[k - 1]) || !std::isfinite(y[k - 1])) continue;
    const auto v = static_cast<std::size_t>(k);
    cella_[v] = {Indice(x[k - 1], x0_), Indice(y[k - 1], y0_)};
    int& primo = posti_[Posto(cella_[v])];
    seguente_[v] = primo;
    primo = k;
  }
}

std::int64_t VerticiPerPunto::Indice(double v, double origine) const {
  // Far points clamped: their cells hold no vertex anyway.
  const double t = std::clamp((v - origine) / lato_, -4E15, 4E15);
  const auto i = static_cast<std::int64_t>(t);
  return t < static_cast<double>(i) ? i - 1 : i;
}

std::size_t VerticiPerPunto::Posto(const std::array<std::int64_t, 2>& c) const {
  const std::size_t maschera = posti_.size() - 1;
  std::uint64_t h = static_cast<std::uint64_t>(c[0]) * 0x9E3779B97F4A7C15ULL +
                    static_cast<std::uint64_t>(c[1]);
  h = (h ^ (h >> 31)) * 0xBF58476D1CE4E5B9ULL;
  for (std::size_t p = (h ^ (h >> 29)) & maschera;; p = (p + 1) & maschera) {
    const int k = posti_[p];
    if (k == 0) return p;
    const std::array<std::int64_t, 2>& d = cella_[static_cast<std::size_t>(k)];
    if (d[0] == c[0] && d[1] == c[1]) return p;
  }
}

const std::vector<int>& VerticiPerPunto::Presso(double px, double py) const {
  trovati_.clear();
  if (posti_.empty() || !std::isfinite(px) || !std::isfinite(py)) return trovati_;
  const std::int64_t cx = Indice(px, x0_), cy = Indice(py, y0_);
  for (std::int64_t i = cx - 1; i <= cx + 1; ++i)
    for (std::int64_t j = cy - 1; j <= cy + 1; ++j)
      for (int k = posti_[Posto({i, j})]; k != 0; k = seguente_[static_cast<std::size_t>(k)]) {
        const double dx = x_[k - 1] - px, dy = y_[k - 1] - py;
        if (dx * dx + dy * dy <= zero_ * zero_) trovati_.push_back(k);
      }
  std::sort(trovati_.begin(), trovati_.end());
  return trovati_;
}
