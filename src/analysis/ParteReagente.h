#pragma once
// The part of a section outline on the compressed side of a neutral axis.
#include "model/Poligono.h"

// The part of contorno on the side of the line a*x + b*y + c = 0 where the
// reference point (xR, yR, wR) lies (homogeneous: wR = 0 makes it a
// direction, a negative weight points to the opposite side), and the cut
// status: 1 cut; when the line misses the outline, 0 with the whole outline
// if the outline lies on that side, -1 with an empty polygon if it lies on
// the other. Properties are not computed: the callers compute them in the
// frame they keep the part in.
Poligono ParteReagente(const Poligono& contorno, double xR, double yR, double wR, double a,
                       double b, double c, int& stato);
// The same into parte, which becomes a new polygon that keeps only the vertex
// memory it had.
void ParteReagente(const Poligono& contorno, double xR, double yR, double wR, double a, double b,
                   double c, int& stato, Poligono& parte);
