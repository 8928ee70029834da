#pragma once
// The 400 x 400 end of the test column (4 x 4 bars of 16 at 40 mm from the
// faces) under NEd = 680 kN, given by its vertices and bars to the case
// runner. The middle rows stand at +-m and the bars have area a: the exact
// values, or those the main window's grids show.
#include <cmath>

#include "casi/FileCaso.h"

inline Caso CasoColonna(double a, double m, double fcd, double fyd) {
  Caso c;
  c.nome = "colonna 400";
  c.numeri["vertices"] = {200, 200, -200, 200, -200, -200, 200, -200};
  c.numeri["bars"] = {-160, 160,  a, -m,  160,  a, m,    160,  a, 160, 160,  a,
                      -160, m,    a, 160, m,    a, -160, -m,   a, 160, -m,   a,
                      -160, -160, a, -m,  -160, a, m,    -160, a, 160, -160, a};
  c.numeri["fck"] = {fcd * 1.5 / 0.85};
  c.numeri["fyd"] = {fyd};
  c.numeri["strips"] = {100};
  c.numeri["N"] = {680000};
  c.parole["verification"] = "SLU+";
  return c;
}

// The exact column: bars of pi 16^2 / 4 with the middle rows at 160 / 3.
inline Caso CasoColonnaEsatta(float angolo) {
  Caso c = CasoColonna(3.14159265358979 * 64, 160 / 3.0, 0.85 * 25 / 1.5, 450 / 1.15);
  c.numeri["angle"] = {angolo};
  return c;
}
