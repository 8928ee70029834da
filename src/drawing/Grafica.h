#pragma once
// Elementary functions of the drawing module: logarithm with a floor, distance
// of two points, signed area of a point list.
#include "model/Vettore.h"

namespace Grafica {

// Base-10 logarithm; -20 when x < 1E-20 (zero and negatives included).
double Log10(double x);

double Distanza(double x1, double y1, double x2, double y2);

// Signed area of the n points from the lower bound of x, counter-clockwise
// positive. Returns 1 when the area is >= 0, else 0; the area goes to *area.
// Fewer than 3 points enclose nothing: area 0, result 1.
short AreaConSegno(int n, const Vettore<double>& x, const Vettore<double>& y,
                   double* area = nullptr);

}  // namespace Grafica
