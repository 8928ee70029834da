#include "analysis/AcciaiSezione.h"

#include <utility>

namespace {

Vettore<float> Elementi(const Vettore<float>& sorgente, int n) {
  Vettore<float> copia(1, n);
  for (int i = 1; i <= n; ++i) copia(i) = sorgente(i);
  return copia;
}

void CopiaGruppo(int n, const Vettore<float>& x, const Vettore<float>& y,
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

}  // namespace

void AcciaiSezione::CopiaAcciai(int nFerri, const Vettore<float>& xFerri,
                                const Vettore<float>& yFerri, const Vettore<float>& areeFerri,
                                const std::array<float, 2>& rapporti, int nTrefoli,
                                const Vettore<float>& xTrefoli, const Vettore<float>& yTrefoli,
                                const Vettore<float>& areeTrefoli,
                                const Vettore<float>& precompressione) {
  RapportiN = rapporti;
  CopiaGruppo(nFerri, xFerri, yFerri, areeFerri, nBarre, xBarre, yBarre, AreeBarre);
  CopiaGruppo(nTrefoli, xTrefoli, yTrefoli, areeTrefoli, nCavi, xCavi, yCavi, AreeCavi);
  if (nCavi > 0) PrecompressioneCavi = Elementi(precompressione, nCavi);
}
