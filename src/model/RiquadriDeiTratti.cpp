#include "model/RiquadriDeiTratti.h"

#include <algorithm>
#include <cmath>

RiquadriDeiTratti::RiquadriDeiTratti(const double* x, const double* y, int n)
    : n_(static_cast<size_t>(std::max(n, 0))), nodi_(2 * n_) {
  for (size_t k = 0; k < n_; ++k) nodi_[n_ + k] = {x[k], x[k], y[k], y[k]};
  for (size_t k = n_; k-- > 1;) {
    nodi_[k] = nodi_[2 * k];
    Aggiunge(nodi_[k], 2 * k + 1);
  }
}

void RiquadriDeiTratti::Aggiunge(std::array<double, 4>& r, size_t nodo) const {
  const std::array<double, 4>& b = nodi_[nodo];
  r = {std::min(r[0], b[0]), std::max(r[1], b[1]), std::min(r[2], b[2]), std::max(r[3], b[3])};
}

std::array<double, 4> RiquadriDeiTratti::Riquadro(int da, int a) const {
  std::array<double, 4> r = {INFINITY, -INFINITY, INFINITY, -INFINITY};
  // The leaves from l up to r excluded, climbing the tree.
  const auto tratto = [this, &r](size_t l, size_t oltre) {
    for (l += n_, oltre += n_; l < oltre; l /= 2, oltre /= 2) {
      if (l & 1) Aggiunge(r, l++);
      if (oltre & 1) Aggiunge(r, --oltre);
    }
  };
  const auto primo = static_cast<size_t>(da - 1), ultimo = static_cast<size_t>(a - 1);
  if (primo <= ultimo) {
    tratto(primo, ultimo + 1);
  } else {
    tratto(primo, n_);
    tratto(0, ultimo + 1);
  }
  return r;
}
