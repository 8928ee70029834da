// Convex hull by gift wrapping.
#include <cmath>
#include <vector>

#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Poligono.h"

Poligono Poligono::PoligonoConvessoCircoscritto() const {
  const int n = nVertici_;
  if (n < 1) return Poligono{};
  // Points closer than this to the current hull vertex have no direction
  // from it and are passed over.
  const double zero = MaxDimensione() / 1E9;
  int inizio;
  Grafica::MinimoEIndice(n, y_, &inizio);
  std::vector<int> giro{inizio};
  std::vector<bool> sulGiro(static_cast<size_t>(n) + 1, false);
  sulGiro[static_cast<size_t>(inizio)] = true;
  int precedente = 0;
  int corrente = inizio;
  // Each step adds a vertex not yet on the hull, so the walk ends within
  // n + 1 steps.
  for (int passo = 1; passo <= n + 1; ++passo) {
    // A frame at the current vertex with its x axis along the last hull edge
    // (parallel to x on the first step): the next vertex makes the smallest
    // counter-clockwise turn, the lowest index winning a tie.
    const double theta =
        precedente == 0
            ? 0
            : Matematica::AngoloVettore(y_(corrente) - y_(precedente),
                                        x_(corrente) - x_(precedente));
    Vettore<double> T, U;
    Grafica::MatriceRotoTraslazione(x_(corrente), y_(corrente), theta, T, U);
    double migliore = 100;
    int scelto = 0;
    for (int k = 1; k <= n; ++k) {
      if (k == corrente || k == precedente) continue;
      if (std::fabs(x_(k) - x_(corrente)) <= zero && std::fabs(y_(k) - y_(corrente)) <= zero)
        continue;
      double xl, yl;
      Grafica::RotoTraslaPunto(x_(k), y_(k), T, xl, yl);
      double r, angolo;
      Grafica::AngoloEModulo(static_cast<float>(xl), static_cast<float>(yl), r, angolo);
      if (angolo < migliore) {
        migliore = angolo;
        scelto = k;
      }
    }
    // Back at the start, or at a vertex already taken because rounding made it
    // turn a hair less than the start collinear before it: the hull is closed.
    if (scelto == 0 || sulGiro[static_cast<size_t>(scelto)]) break;
    sulGiro[static_cast<size_t>(scelto)] = true;
    giro.push_back(scelto);
    precedente = corrente;
    corrente = scelto;
  }
  const int m = static_cast<int>(giro.size());
  Vettore<float> x(1, m), y(1, m);
  for (int i = 1; i <= m; ++i) {
    x(i) = static_cast<float>(x_(giro[static_cast<size_t>(i - 1)]));
    y(i) = static_cast<float>(y_(giro[static_cast<size_t>(i - 1)]));
  }
  Poligono inviluppo;
  inviluppo.Coordinate(x, y, m);
  return inviluppo;
}
