#include "analysis/CopiaBarre.h"

#include <utility>

namespace {

Vettore<float> Elementi(const Vettore<float>& sorgente, int n) {
  Vettore<float> copia(1, n);
  for (int i = 1; i <= n; ++i) copia(i) = sorgente(i);
  return copia;
}

}  // namespace

void CopiaBarre(int n, const Vettore<float>& x, const Vettore<float>& y,
                const Vettore<float>& aree, int& nCopia, Vettore<float>& xCopia,
                Vettore<float>& yCopia, Vettore<float>& areeCopia) {
  if (n > 0) {
    Vettore<float> nuoviX = Elementi(x, n), nuoviY = Elementi(y, n), nuoveAree = Elementi(aree, n);
    xCopia = std::move(nuoviX);
    yCopia = std::move(nuoviY);
    areeCopia = std::move(nuoveAree);
  }
  nCopia = n;
}
