#include "analysis/AcciaiSezione.h"

#include <utility>

namespace {

// Elements 1..n (n > 0) of sorgente into copia, in the memory copia has;
// throws before writing when sorgente does not hold them.
void CopiaElementi(const Vettore<float>& sorgente, int n, Vettore<float>& copia) {
  if (&sorgente == &copia) return CopiaElementi(Vettore<float>(sorgente), n, copia);
  const float* primo = sorgente.DaUno(n);
  copia.ReDim(1, 0);
  copia.Dati().assign(primo, primo + n);
}

void CopiaGruppo(int n, const Vettore<float>& x, const Vettore<float>& y,
                 const Vettore<float>& aree, int& nCopia, Vettore<float>& xCopia,
                 Vettore<float>& yCopia, Vettore<float>& areeCopia) {
  if (n > 0) {
    y.DaUno(n), aree.DaUno(n);  // none is written unless all three hold them
    CopiaElementi(x, n, xCopia);
    CopiaElementi(y, n, yCopia);
    CopiaElementi(aree, n, areeCopia);
  }
  nCopia = n;
}

// The memory of da's elements into a, both left empty.
void ScambiaMemoria(Vettore<float>& a, Vettore<float>& da) {
  a.Dati().swap(da.Dati());
  a.Dati().clear();
  da.Dati().clear();
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
  if (nCavi > 0) CopiaElementi(precompressione, nCavi, PrecompressioneCavi);
}

void AcciaiSezione::PrendiMemoria(AcciaiSezione& altri) {
  for (auto [mio, suo] : {std::pair{&xBarre, &altri.xBarre}, {&yBarre, &altri.yBarre},
                          {&AreeBarre, &altri.AreeBarre}, {&xCavi, &altri.xCavi},
                          {&yCavi, &altri.yCavi}, {&AreeCavi, &altri.AreeCavi},
                          {&PrecompressioneCavi, &altri.PrecompressioneCavi}})
    ScambiaMemoria(*mio, *suo);
}
