#pragma once
// The lists of crossings of a polygon's sides: points and the side of each.
#include "model/Vettore.h"

// One crossing more at m + 1, the lists grown when full and keeping what
// they hold.
inline void AggiungeIncrocio(Vettore<double>& xi, Vettore<double>& yi, Vettore<int>& lati, int& m,
                             double x, double y, int lato) {
  ++m;
  if (m > xi.Ub()) {
    xi.ReDimPreserve(m);
    yi.ReDimPreserve(m);
    lati.ReDimPreserve(m);
  }
  xi(m) = x;
  yi(m) = y;
  lati(m) = lato;
}
