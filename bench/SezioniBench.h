#pragma once
// Materials and sections the engine benchmarks share: C25/30 and B450C at
// the ultimate limit state, a 300 x 500 rectangle with 10 or 3 bars, a ring
// with 24 bars, an L section with 12 or 6 bars and a circle of 52 (or any
// number of) vertices with 12 bars.
#include <cmath>

#include "analysis/Correnti.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

namespace SezioniBench {

// The program state and materials afresh, n strips.
inline void MaterialiSlu(int strisce) {
  using VariabiliPubbliche::Stato;
  Stato = VariabiliPubbliche::StatoProgramma{};
  VariabiliPubbliche::Correnti = VariabiliPubbliche::StatoCorrenti{};
  Stato.Fcd = 0.85 * 25 / 1.5;
  Stato.Fyd = {391.3, 0};
  Stato.EpsYdSezione = {391.3 / 200000, 0};
  Stato.NumeroRettangoli = strisce;
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(200000);
}

inline void Barre(SezioneCA& s, const Vettore<float>& x, const Vettore<float>& y, float area) {
  Vettore<float> aree(1, x.Ub());
  for (int i = 1; i <= x.Ub(); ++i) aree(i) = area;
  const Vettore<float> nessuno;
  s.BarreDati(x.Ub(), x, y, aree, VariabiliPubbliche::Stato.RapportoN, 0, nessuno, nessuno,
              nessuno, nessuno);
}

// n points evenly on a circle about the origin, the first on +x.
template <class T>
void PuntiSuCerchio(int n, double raggio, Vettore<T>& x, Vettore<T>& y) {
  x.ReDim(1, n);
  y.ReDim(1, n);
  for (int i = 1; i <= n; ++i) {
    const double a = Matematica::DuePi * (i - 1) / n;
    x(i) = static_cast<T>(raggio * std::cos(a));
    y(i) = static_cast<T>(raggio * std::sin(a));
  }
}

// n bars of the given area evenly on a circle about the origin, the first on +x.
inline void BarreSuCerchio(SezioneCA& s, int n, double raggio, float area) {
  Vettore<float> x, y;
  PuntiSuCerchio(n, raggio, x, y);
  Barre(s, x, y, area);
}

// 300 x 500, 5 bars of 314 mm2 at the top and 5 at the bottom.
inline void Rettangolo10Barre(SezioneCA& s) {
  s.Coordinate(Vettore<double>{150, -150, -150, 150}, Vettore<double>{250, 250, -250, -250}, 4);
  Vettore<float> x(1, 10), y(1, 10);
  for (int i = 1; i <= 5; ++i) {
    x(i) = x(i + 5) = static_cast<float>(-100 + 50 * (i - 1));
    y(i) = -200;
    y(i + 5) = 200;
  }
  Barre(s, x, y, 314);
}

// Ring of radii 300 and 200 as one outline of 54 vertices joined by a cut
// along +x: the outer circle closed counter-clockwise (27 vertices, the
// first again at the end), across the cut, the inner circle closed
// clockwise (27), and back along the cut; 24 bars of 201 mm2 on radius 250.
inline void Anello24Barre(SezioneCA& s) {
  Vettore<double> x(1, 54), y(1, 54);
  for (int i = 0; i <= 26; ++i) {
    const double a = Matematica::DuePi * (i % 26) / 26;
    x(i + 1) = 300 * std::cos(a);
    y(i + 1) = 300 * std::sin(a);
    x(i + 28) = 200 * std::cos(-a);
    y(i + 28) = 200 * std::sin(-a);
  }
  s.Coordinate(x, y, 54);
  BarreSuCerchio(s, 24, 250, 201);
}

// L of legs 250 thick, 600 long each way (corner at the origin), 12 bars of
// 201 mm2 along both legs at 50 from the edges.
inline void L12Barre(SezioneCA& s) {
  s.Coordinate(Vettore<double>{0, 600, 600, 250, 250, 0},
               Vettore<double>{0, 0, 250, 250, 600, 600}, 6);
  const Vettore<float> x{50, 200, 350, 550, 550, 400, 200, 50, 50, 200, 50, 200};
  const Vettore<float> y{50, 50, 50, 50, 200, 200, 200, 200, 400, 400, 550, 550};
  Barre(s, x, y, 201);
}

// 300 x 500, 3 bars of 314 mm2 at 50 from the bottom.
inline void Rettangolo3Barre(SezioneCA& s) {
  s.Coordinate(Vettore<double>{150, -150, -150, 150}, Vettore<double>{250, 250, -250, -250}, 4);
  Barre(s, Vettore<float>{-100, 0, 100}, Vettore<float>{-200, -200, -200}, 314);
}

// The L of L12Barre with a bar of 201 mm2 at each of its six corners, 50
// from the edges.
inline void L6Barre(SezioneCA& s) {
  s.Coordinate(Vettore<double>{0, 600, 600, 250, 250, 0},
               Vettore<double>{0, 0, 250, 250, 600, 600}, 6);
  Barre(s, Vettore<float>{50, 550, 550, 200, 200, 50}, Vettore<float>{50, 50, 200, 200, 550, 550},
        201);
}

// Circle of radius 250 as n vertices, 12 bars of 201 mm2 on radius 200.
inline void CerchioBarre(SezioneCA& s, int n) {
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    const double a = Matematica::DuePi * (i - 1) / n;
    x(i) = 250 * std::cos(a);
    y(i) = 250 * std::sin(a);
  }
  s.Coordinate(x, y, n);
  BarreSuCerchio(s, 12, 200, 201);
}

inline void Cerchio12Barre(SezioneCA& s) { CerchioBarre(s, 52); }

}  // namespace SezioniBench
