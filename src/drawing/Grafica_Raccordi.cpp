// Fillets of polyline corners and the tangents of bend circles, for stirrup
// and bent-bar outlines.
#include <cmath>

#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"
#include "platform/MsgBox.h"

using Matematica::Pi;

namespace Grafica {

bool RaccordaVertice(Vettore<double>& x, Vettore<double>& y, int& n, int k, double r, int m) {
  if (m < 1 || k < 2 || k > n - 1) return false;
  // Frame at the vertex with the x axis toward the previous point; alfa is
  // the angle from that side to the side toward the next point.
  Vettore<double> T, U;
  MatriceRotoTraslazioneSegmento(x(k), y(k), x(k - 1), y(k - 1), T, U);
  double xs, ys;
  RotoTraslaPunto(x(k + 1), y(k + 1), T, xs, ys);
  double alfa = Matematica::AngoloVettore(ys, xs);
  double s = 1;
  if (alfa > Pi) {
    s = -1;
    alfa = Matematica::DuePi - alfa;
  }
  const double beta = alfa / 2;
  if (std::fabs(beta) < 1E-10) {
    platform::MsgBox("Angolo nullo in Sub RaccordaVertice", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
  // Tangent points at distance t from the vertex, centre at r from the side.
  const float t = static_cast<float>(r / std::tan(beta));
  double xc, yc, xt, yt;
  RotoTraslaPunto(t, s * r, U, xc, yc);
  RotoTraslaPunto(t, 0, U, xt, yt);
  xc = static_cast<float>(xc);
  yc = static_cast<float>(yc);
  xt = static_cast<float>(xt);
  yt = static_cast<float>(yt);
  // The arc sweeps the exterior angle from the side toward k - 1 to the side
  // toward k + 1.
  const double theta0 = Matematica::AngoloVettore(yt - yc, xt - xc);
  const double dTheta = -s * (Pi - alfa) / m;
  Vettore<double> xa(1, m + 1), ya(1, m + 1);
  PuntiArco(xa, ya, m + 1, 1, xc, yc, r, theta0, dTheta);
  ArrotondaSingolaPrecisione(xa);
  ArrotondaSingolaPrecisione(ya);
  EliminaPunto(x, y, n, k);
  CostruiscePoligonale(x, y, n, xa, ya, m + 1, k);
  return true;
}

void RaccordaPoligonale(Vettore<double>& x, Vettore<double>& y, int& n, const Vettore<double>& r,
                        int m) {
  // Downward, so that the vertices still to fillet keep their indexes.
  const int n0 = n;
  for (int k = n0 - 1; k >= 2; --k) RaccordaVertice(x, y, n, k, r(k - 1), m);
}

void RaccordaPoligonaleChiusa(Vettore<double>& x, Vettore<double>& y, int& n,
                              const Vettore<double>& r, int m) {
  const int n0 = n;
  RaccordaVertice(x, y, n, n0 - 1, r(1), m);
  for (int k = n0 - 2; k >= 2; --k) RaccordaVertice(x, y, n, k, r(k - 1), m);
}

bool PuntiGancio(double a, double b, double c, int caso, double& theta, double& x1, double& y1,
                 double& x2, double& y2) {
  double d;
  int s1, s2, s3, s4;
  switch (caso) {
    case 1: d = b - a;  s1 = -1; s2 = 1;  s3 = -1; s4 = 1;  break;
    case 2: d = a - b;  s1 = 1;  s2 = -1; s3 = 1;  s4 = -1; break;
    case 3: d = -a - b; s1 = -1; s2 = 1;  s3 = 1;  s4 = -1; break;
    case 4: d = a + b;  s1 = 1;  s2 = -1; s3 = -1; s4 = 1;  break;
    default:
      theta = 0;
      x1 = 0;
      y1 = 0;
      x2 = c;
      y2 = 0;
      return true;
  }
  // sin(theta) = d / c: circles too close for this tangent have none.
  if (!(c > 0) || std::fabs(d) > c) return false;
  theta = Matematica::ArcoSeno(d / c);
  x1 = s1 * a * std::sin(theta);
  y1 = s2 * a * std::cos(theta);
  x2 = c + s3 * b * std::sin(theta);
  y2 = s4 * b * std::cos(theta);
  return true;
}

bool PiegaBarra(double xc1, double yc1, double r1, double xc2, double yc2, double r2, int caso,
                double& xt1, double& yt1, double& xt2, double& yt2) {
  // In the frame from centre 1 toward centre 2, centre 2 lies at (c, 0).
  Vettore<double> T, U;
  MatriceRotoTraslazioneSegmento(xc1, yc1, xc2, yc2, T, U);
  double c, yc;
  RotoTraslaPunto(xc2, yc2, T, c, yc);
  double theta, x1, y1, x2, y2;
  if (!PuntiGancio(r1, r2, c, caso, theta, x1, y1, x2, y2)) return false;
  RotoTraslaPunto(x1, y1, U, xt1, yt1);
  RotoTraslaPunto(x2, y2, U, xt2, yt2);
  return true;
}

}  // namespace Grafica
