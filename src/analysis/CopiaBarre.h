#pragma once
// Bars or tendons handed to a section: count, coordinates and areas.
#include "model/Vettore.h"

// Count n and elements 1..n of x, y and aree into the section's fields; the
// fields are re-dimensioned 1..n only when n > 0, so with n = 0 they keep
// their old contents. A source without elements 1..n throws and changes
// nothing.
void CopiaBarre(int n, const Vettore<float>& x, const Vettore<float>& y,
                const Vettore<float>& aree, int& nCopia, Vettore<float>& xCopia,
                Vettore<float>& yCopia, Vettore<float>& areeCopia);
