#pragma once
// Extreme values of point lists and arrays, for lists of 64-bit or 32-bit
// floats alike. Comparisons are strict: ties keep the first index.
#include <algorithm>
#include <cmath>

#include "model/Vettore.h"

namespace Grafica {

// Largest element over the whole array, never below -1E20 (an empty array
// gives -1E20).
template <class E>
double MassimoVettore(const Vettore<E>& a) {
  if (a.Vuoto()) return -1E20;
  return std::max(-1E20, static_cast<double>(*std::max_element(a.Dati().begin(), a.Dati().end())));
}

// Smallest element over the whole array, never above 1E20.
template <class E>
double MinimoVettore(const Vettore<E>& a) {
  if (a.Vuoto()) return 1E20;
  return std::min(1E20, static_cast<double>(*std::min_element(a.Dati().begin(), a.Dati().end())));
}

// Bounding box of points 1..n; with no points the outputs stay at +-1E20.
template <class E>
void RettangoloIngombro(int n, const Vettore<E>& x, const Vettore<E>& y, double& xMin,
                        double& xMax, double& yMin, double& yMax) {
  xMin = yMin = 1E20;
  xMax = yMax = -1E20;
  for (int i = 1; i <= n; ++i) {
    if (x(i) < xMin) xMin = x(i);
    if (x(i) > xMax) xMax = x(i);
    if (y(i) < yMin) yMin = y(i);
    if (y(i) > yMax) yMax = y(i);
  }
}

// Extremes of elements 1..n (of their absolute values with assoluti) and,
// when asked, their indices; with n < 1 min and max stay at +-1E20.
template <class E>
void MaxMinVettore(int n, const Vettore<E>& a, double& minimo, double& massimo,
                   int* iMin = nullptr, int* iMax = nullptr, bool assoluti = false) {
  minimo = 1E20;
  massimo = -1E20;
  for (int i = 1; i <= n; ++i) {
    const double v = assoluti ? std::fabs(a(i)) : a(i);
    if (v < minimo) {
      minimo = v;
      if (iMin) *iMin = i;
    }
    if (v > massimo) {
      massimo = v;
      if (iMax) *iMax = i;
    }
  }
}

template <class E>
void MaxMinAssoluti(int n, const Vettore<E>& a, double& minimo, double& massimo, int& iMin,
                    int& iMax) {
  MaxMinVettore(n, a, minimo, massimo, &iMin, &iMax, true);
}

// Index of the largest (or smallest) of elements 1..n, starting from element 1.
template <class E>
int IndiceEstremo(int n, const Vettore<E>& a, bool massimo) {
  int k = 1;
  for (int i = 2; i <= n; ++i)
    if (massimo ? a(i) > a(k) : a(i) < a(k)) k = i;
  return k;
}

// Largest of elements 1..n; element 1 is read even when n < 1.
template <class E>
double MassimoEIndice(int n, const Vettore<E>& a, int* indice = nullptr) {
  const int k = IndiceEstremo(n, a, true);
  if (indice) *indice = k;
  return a(k);
}

template <class E>
double MinimoEIndice(int n, const Vettore<E>& a, int* indice = nullptr) {
  const int k = IndiceEstremo(n, a, false);
  if (indice) *indice = k;
  return a(k);
}

}  // namespace Grafica
