#include "model/Poligono.h"

#include <algorithm>

void Poligono::MaxMin(double& xMin, double& xMax, double& yMin, double& yMax,
                      double* tolleranza) const {
  // The starting values are 32-bit.
  constexpr float grande = 1E20f;
  xMin = grande;
  yMin = grande;
  xMax = -grande;
  yMax = -grande;
  for (int i = 1; i <= nVertici_; ++i) {
    if (x_(i) < xMin) xMin = x_(i);
    if (x_(i) > xMax) xMax = x_(i);
    if (y_(i) < yMin) yMin = y_(i);
    if (y_(i) > yMax) yMax = y_(i);
  }
  if (tolleranza) *tolleranza = std::max(xMax - xMin, yMax - yMin) / 1E9;
}

double Poligono::MaxDimensione() const {
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  return std::max(xMax - xMin, yMax - yMin);
}

Vettore<double> Poligono::BoundingBox() const {
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  return {xMin, yMin, xMax, yMax};
}

bool Poligono::PuntoInBoundingBox(double x, double y, double tolleranza) const {
  double xMin, xMax, yMin, yMax;
  MaxMin(xMin, xMax, yMin, yMax);
  return xMin + tolleranza < x && x < xMax - tolleranza && yMin + tolleranza < y &&
         y < yMax - tolleranza;
}
