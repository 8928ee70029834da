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
  const double* x = x_.DaUno(nVertici_);
  const double* y = y_.DaUno(nVertici_);
  for (int i = 0; i < nVertici_; ++i) {
    if (x[i] < xMin) xMin = x[i];
    if (x[i] > xMax) xMax = x[i];
    if (y[i] < yMin) yMin = y[i];
    if (y[i] > yMax) yMax = y[i];
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
