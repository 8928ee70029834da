#pragma once
// Outlines for the polygon tests, each with its closed-form area.
#include <cmath>
#include <initializer_list>

#include "model/Matematica.h"
#include "model/Poligono.h"

namespace figure {

inline Poligono Da(std::initializer_list<double> x, std::initializer_list<double> y) {
  Poligono p;
  p.Coordinate(Vettore<double>(x), Vettore<double>(y), static_cast<int>(x.size()));
  return p;
}

// From (0, 0) to (b, h).
inline Poligono Rettangolo(double b, double h) { return Da({0, b, b, 0}, {0, 0, h, h}); }

// Web 30 wide from y = 0 to hAnima, flange 100 wide from hAnima to hAnima +
// hAla, centred on x = 0: area 30 hAnima + 100 hAla.
inline Poligono SezioneT(double hAnima = 60, double hAla = 20) {
  const double h = hAnima + hAla;
  return Da({-15, 15, 15, 50, 50, -50, -50, -15}, {0, 0, hAnima, hAnima, h, h, hAnima, hAnima});
}

// Legs 20 thick, 60 along x and 80 along y: area 2400.
inline Poligono SezioneL() { return Da({0, 60, 60, 20, 20, 0}, {0, 0, 20, 20, 80, 80}); }

// Channel 60 wide and 80 high, web 15, flanges 15, open to the right: area 2550.
inline Poligono SezioneC() {
  return Da({0, 60, 60, 15, 15, 60, 60, 0}, {0, 0, 15, 15, 65, 65, 80, 80});
}

// Square 100 with a square hole 20..80, as one outline: the outer square
// counter-clockwise from (50, 0), the slit x = 50 up to the hole, the hole
// clockwise, back down the slit. Two pairs of coincident vertices; area 6400.
inline Poligono AnelloConTaglio() {
  return Da({50, 100, 100, 0, 0, 50, 50, 20, 20, 80, 80, 50},
            {0, 0, 100, 100, 0, 0, 20, 20, 80, 80, 20, 20});
}

// Regular polygon of n vertices on the circle of radius R about the origin,
// from angle 0: area n/2 R^2 sin(2 pi / n).
inline Poligono Cerchio(double R, int n) {
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    const double t = Matematica::DuePi * (i - 1) / n;
    x(i) = R * std::cos(t);
    y(i) = R * std::sin(t);
  }
  Poligono p;
  p.Coordinate(x, y, n);
  return p;
}

// The square of half-diagonal a turned by 45 degrees: area 2 a^2.
inline Poligono QuadratoRuotato(double a) { return Da({a, 0, -a, 0}, {0, a, 0, -a}); }

}  // namespace figure
