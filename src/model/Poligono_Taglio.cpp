// Cut of a polygon by a straight line, keeping the part on one side.
//
// Every decision goes by the sign of s = a*x + b*y + c at the vertices: a
// side crosses the line when its ends have opposite signs, a vertex with s = 0
// lies on it, and a vertex is kept when its s has the sign of the side kept.
// Crossings and kept vertices thus agree with each other whatever the
// rounding, and a vertex or a side on the line needs no tolerance.
#include <utility>

#include "drawing/Grafica_Geometria.h"
#include "model/Poligono.h"
#include "model/Poligono_Incroci.h"

void Poligono::IntersezioneConRetta(double a, double b, double c, Vettore<double>& xi,
                                    Vettore<double>& yi, Vettore<int>& lati, int& m) const {
  xi.ReDim(1, 2);
  yi.ReDim(1, 2);
  lati.ReDim(1, 2);
  m = 0;
  const int n = nVertici_;
  for (int i = 1; i <= n; ++i) {
    const int j = i < n ? i + 1 : 1;
    double x, y;
    if (IncrocioLato(i, j, a * x_(i) + b * y_(i) + c, a * x_(j) + b * y_(j) + c, x, y))
      AggiungeIncrocio(xi, yi, lati, m, x, y, i);
  }
}

bool Poligono::IncrocioLato(int i, int j, double si, double sj, double& x, double& y) const {
  if (si == 0 && sj == 0) return false;  // the side lies on the line
  if (si == 0 || sj == 0) {
    const int k = si == 0 ? i : j;
    x = x_(k);
    y = y_(k);
    return true;
  }
  if ((si > 0) == (sj > 0)) return false;
  // From the end on the positive side, so that a side run either way (the
  // two edges of a slit) gives the same point.
  const int p = si > 0 ? i : j, q = si > 0 ? j : i;
  const double sp = si > 0 ? si : sj, sq = si > 0 ? sj : si;
  const double t = sp / (sp - sq);
  x = x_(p) + (x_(q) - x_(p)) * t;
  y = y_(p) + (y_(q) - y_(p)) * t;
  return true;
}

Poligono Poligono::PoligonoConIntersezioni(const Vettore<double>& xi, const Vettore<double>& yi,
                                           const Vettore<int>& lati, int m,
                                           Vettore<int>& segnati) const {
  const int n = nVertici_;
  Vettore<double> x(1, n + m), y(1, n + m);
  segnati.ReDim(1, n + m);
  int j = 0;
  int k = 1;
  for (int i = 1; i <= n; ++i) {
    ++j;
    x(j) = x_(i);
    y(j) = y_(i);
    if (k <= m && lati(k) == i) {
      ++j;
      x(j) = xi(k);
      y(j) = yi(k);
      segnati(j) = 1;
      ++k;
    }
  }
  return DaVertici(std::move(x), std::move(y), j);
}

Poligono Poligono::ParteDaUnLato(const Poligono& p, const Vettore<int>& segnati, double a,
                                 double b, double c, double lato) {
  const int n = p.nVertici();
  Vettore<double> x(1, n), y(1, n);
  int k = 0;
  for (int i = 1; i <= n; ++i) {
    const double s = a * p.X(i) + b * p.Y(i) + c;
    if (segnati(i) == 0 && !(s * lato > 0)) continue;
    ++k;
    x(k) = p.X(i);
    y(k) = p.Y(i);
  }
  return DaVertici(std::move(x), std::move(y), k);
}

Poligono Poligono::PoligonoSenzaPuntiOpposti(double riferimento, const Vettore<int>& segnati,
                                             bool usaX) const {
  return ParteDaUnLato(*this, segnati, usaX ? 1 : 0, usaX ? 0 : 1, 0, riferimento);
}

bool Poligono::ConIntersezioni(double a, double b, double c, Poligono& risultato,
                               Vettore<int>& segnati) const {
  Vettore<double> xi, yi;
  Vettore<int> lati;
  int m;
  IntersezioneConRetta(a, b, c, xi, yi, lati, m);
  if (m == 0) return false;
  // The crossings are held in 32 bits.
  Grafica::ArrotondaSingolaPrecisione(xi);
  Grafica::ArrotondaSingolaPrecisione(yi);
  risultato = PoligonoConIntersezioni(xi, yi, lati, m, segnati);
  return true;
}

bool Poligono::IntersezioneIn(double a, double b, double c, double xR, double yR, double wR,
                              Poligono& parte) const {
  // In one pass, as ConIntersezioni and ParteDaUnLato would give it: each
  // vertex on the kept side, then the crossing of the side that starts there.
  // The homogeneous reference point: its weight multiplies c.
  const double lato = a * xR + b * yR + c * wR;
  const int n = nVertici_;
  Vettore<double> x = std::move(parte.x_), y = std::move(parte.y_);
  x.ReDim(1, 2 * n);
  y.ReDim(1, 2 * n);
  int k = 0;
  bool incrocia = false;
  for (int i = 1; i <= n; ++i) {
    const int j = i < n ? i + 1 : 1;
    const double si = a * x_(i) + b * y_(i) + c;
    if (si * lato > 0) {
      ++k;
      x(k) = x_(i);
      y(k) = y_(i);
    }
    double xc, yc;
    if (IncrocioLato(i, j, si, a * x_(j) + b * y_(j) + c, xc, yc)) {
      incrocia = true;
      ++k;
      x(k) = static_cast<float>(xc);
      y(k) = static_cast<float>(yc);
    }
  }
  if (!incrocia) {
    parte = Poligono();
    return false;
  }
  parte = DaVertici(std::move(x), std::move(y), k);
  return true;
}

std::optional<Poligono> Poligono::PoligonoIntersezione(double a, double b, double c, double xR,
                                                       double yR, double wR,
                                                       bool caratteristiche) const {
  Poligono parte;
  if (!IntersezioneIn(a, b, c, xR, yR, wR, parte)) return std::nullopt;
  if (caratteristiche) parte.CaratteristicheStatiche();
  return parte;
}

Poligono Poligono::PoligonoReagente(double xR, double yR, double wR, double a, double b,
                                    double c, int& stato, bool caratteristiche) const {
  Poligono parte;
  PoligonoReagenteIn(xR, yR, wR, a, b, c, stato, parte, caratteristiche);
  return parte;
}

void Poligono::PoligonoReagenteIn(double xR, double yR, double wR, double a, double b, double c,
                                  int& stato, Poligono& parte, bool caratteristiche) const {
  if (IntersezioneIn(a, b, c, xR, yR, wR, parte)) {
    stato = 1;
    if (caratteristiche) parte.CaratteristicheStatiche();
  } else if (wR >= 0) {
    stato = 0;
    parte.Coordinate(x_, y_, nVertici_);
  } else {
    stato = -1;
  }
}
