// Outlines derived from the polygon: the offset through a point and the
// outline seen from the right.
#include <vector>

#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Array.h"
#include "model/Poligono.h"

void Poligono::OffsetPerPunto(double xP, double yP, Poligono& bersaglio) const {
  const int n = nVertici_;
  Grafica::ImpostaZeroMaxDimen(MaxDimensione() / 1E6);
  Vettore<double> xo(1, n), yo(1, n);
  // When no offset passes through the point, the last one tried is taken.
  Grafica::OffsetPoligono(x_, y_, xo, yo, n, xP, yP);
  Grafica::ArrotondaSingolaPrecisione(xo);
  Grafica::ArrotondaSingolaPrecisione(yo);
  bersaglio.Coordinate(xo, yo, n);
}

void Poligono::VistaDaDestra(Vettore<double>& x, Vettore<double>& y, int& n) const {
  Matematica::CopiaArray(x_, x, nVertici_);
  Matematica::CopiaArray(y_, y, nVertici_);
  n = nVertici_;
  // A vertex is hidden when its own horizontal line meets the outline further
  // right.
  std::vector<int> nascosti;
  Vettore<double> xi, yi;
  Vettore<int> lati;
  for (int i = 1; i <= n; ++i) {
    int m;
    Grafica::IntersezioneRettaPoligono(0, 1, -y(i), x, y, xi, yi, n, lati, m);
    if (m < 2) continue;
    for (int k = 1; k <= m; ++k) {
      if (xi(k) - x(i) > 1E-10) {
        nascosti.push_back(i);
        break;
      }
    }
  }
  // From the highest index down, so the others keep their numbers.
  for (auto k = nascosti.rbegin(); k != nascosti.rend(); ++k) Grafica::EliminaPunto(x, y, n, *k);
}
