#include "drawing/Grafica_Polilinee.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/GraficaStato.h"
#include "model/Matematica.h"
#include "platform/MsgBox.h"

namespace Grafica {

namespace {

// a(1..n) with nuovi(1..m) inserted so that the first takes position k.
Vettore<double> ConInseriti(const Vettore<double>& a, int n, const Vettore<double>& nuovi, int m,
                            int k) {
  Vettore<double> r(1, n + m);
  for (int i = 1; i < k; ++i) r(i) = a(i);
  for (int j = 1; j <= m; ++j) r(k - 1 + j) = nuovi(j);
  for (int i = k; i <= n; ++i) r(m + i) = a(i);
  return r;
}

// a(1..n) without element k.
Vettore<double> SenzaElemento(const Vettore<double>& a, int n, int k) {
  Vettore<double> r(1, n - 1);
  for (int i = 1; i <= n - 1; ++i) r(i) = a(i < k ? i : i + 1);
  return r;
}

// Points n+1..2n: points n..1 with one coordinate mirrored about c.
void Specchia(Vettore<double>& specchiata, Vettore<double>& copiata, int n, double c) {
  for (int i = 1; i <= n; ++i) {
    const int j = n + 1 - i;
    copiata(n + i) = copiata(j);
    specchiata(n + i) = 2 * c - specchiata(j);
  }
}

}  // namespace

void ImpostaZeroMaxDimen(double valore) { Stato.ZeroMaxDimen = valore; }

double DimensioneRelativa(const Vettore<double>& x, const Vettore<double>& y, int n,
                          double divisore) {
  if (n < 1) return 0;
  double xMin, xMax, yMin, yMax;
  RettangoloIngombro(n, x, y, xMin, xMax, yMin, yMax);
  const double lato = (xMax - xMin) > (yMax - yMin) ? xMax - xMin : yMax - yMin;
  return lato / divisore;
}

void MatriceRotoTraslazione(double x0, double y0, double theta, Vettore<double>& T,
                            Vettore<double>& U) {
  const double co = std::cos(theta);
  const double si = std::sin(theta);
  T = {co, si, -x0 * co - y0 * si, -si, co, x0 * si - y0 * co};
  U = {co, -si, x0, si, co, y0};
}

void MatriceRotoTraslazioneSegmento(double x1, double y1, double x2, double y2,
                                    Vettore<double>& T, Vettore<double>& U) {
  MatriceRotoTraslazione(x1, y1, Matematica::AngoloVettore(y2 - y1, x2 - x1), T, U);
}

void RotoTraslaRetta(double a, double b, double c, const Vettore<double>& M,
                     const Vettore<double>& N, double& ar, double& br, double& cr) {
  const double an = a * M(1) + b * M(2);
  const double bn = a * M(4) + b * M(5);
  const double cn = c + a * N(3) + b * N(6);
  ar = an;
  br = bn;
  cr = cn;
}

double DistanzaPuntoRetta(double x1, double y1, double x2, double y2, double xp, double yp,
                          bool& interno) {
  Vettore<double> T, U;
  MatriceRotoTraslazioneSegmento(x1, y1, x2, y2, T, U);
  double xl, yl, x2l, y2l;
  RotoTraslaPunto(xp, yp, T, xl, yl);
  RotoTraslaPunto(x2, y2, T, x2l, y2l);
  interno = 0 <= xl && xl <= x2l;
  return yl;
}

void RettaParallela(double x1, double y1, double x2, double y2, double& a, double& b,
                    double& c, double d) {
  Vettore<double> T, U;
  MatriceRotoTraslazioneSegmento(x1, y1, x2, y2, T, U);
  RotoTraslaRetta(0, 1, -d, U, T, a, b, c);
}

void AggiungePunto(Vettore<double>& a, int& n, double valore, int k) {
  a = ConInseriti(a, n, {valore}, 1, k);
  ++n;
}

void InseriscePuntoPoligonale(Vettore<double>& x, Vettore<double>& y, int& n, double xv,
                              double yv, int k) {
  int nx = n;
  AggiungePunto(x, nx, xv, k);
  AggiungePunto(y, n, yv, k);
}

void InseriscePuntiPoligonale(Vettore<double>& x, Vettore<double>& y, int& n,
                              const Vettore<double>& xN, const Vettore<double>& yN, int m,
                              const Vettore<int>& pos) {
  for (int i = 1; i <= m; ++i) InseriscePuntoPoligonale(x, y, n, xN(i), yN(i), pos(i) + i);
}

void CostruiscePoligonale(Vettore<double>& x, Vettore<double>& y, int& n,
                          const Vettore<double>& xa, const Vettore<double>& ya, int m, int k) {
  x = ConInseriti(x, n, xa, m, k);
  y = ConInseriti(y, n, ya, m, k);
  n += m;
}

void EliminaPunto(Vettore<double>& x, Vettore<double>& y, int& n, int k) {
  x = SenzaElemento(x, n, k);
  y = SenzaElemento(y, n, k);
  --n;
}

void TogliePuntiInizialiDaPoligonale(const Vettore<double>& x, const Vettore<double>& y, int n,
                                     Vettore<double>& xo, Vettore<double>& yo, int& m,
                                     int nPunti) {
  if (nPunti < 0) {
    platform::MsgBox("Errore in TogliePuntiInizialiDaPoligonale: nPunti=" +
                     std::to_string(nPunti) + " <1");
    return;
  }
  m = std::max(0, n - nPunti);
  xo.ReDim(1, m);
  yo.ReDim(1, m);
  for (int i = 1; i <= m; ++i) {
    xo(i) = x(nPunti + i);
    yo(i) = y(nPunti + i);
  }
}

void SpecchiaPunti(Vettore<double>& x, Vettore<double>& y, int n, double c) {
  Specchia(y, x, n, c);
}

void SpecchiaPunti2(Vettore<double>& x, Vettore<double>& y, int n, double c) {
  Specchia(x, y, n, c);
}

void PolareACartesiane(double r, double theta, double& x, double& y) {
  x = r * std::cos(theta);
  y = r * std::sin(theta);
}

void AngoloEModulo(double dx, double dy, double& r, double& theta) {
  r = std::sqrt(dx * dx + dy * dy);
  if (std::fabs(dx) > 1E-20)
    theta = std::atan(dy / dx) + (dx < 0 ? Matematica::Pi : 0);
  else
    theta = Matematica::Pi / 2 + (dy < 0 ? Matematica::Pi : 0);
}

void RuotaPuntiPolare(int n, Vettore<double>& x, Vettore<double>& y, double xc, double yc,
                      double dTheta) {
  for (int i = 1; i <= n; ++i) {
    double r, theta;
    AngoloEModulo(x(i) - xc, y(i) - yc, r, theta);
    PolareACartesiane(r, theta + dTheta, x(i), y(i));
    x(i) += xc;
    y(i) += yc;
  }
}

std::array<Segmento, 2> SegmentiCroce(double x, double y, double d) {
  return {Segmento{x - d, y, x + d, y}, Segmento{x, y - d, x, y + d}};
}

void VerticiRettangolo(double x1, double y1, double x2, double y2, Vettore<double>& xv,
                       Vettore<double>& yv) {
  xv = {x1, x2, x2, x1};
  yv = {y1, y1, y2, y2};
}

void VerticiRettangolini(double x1, double y1, double x2, double y2, const Vettore<double>& T,
                         Vettore<double>& xv, Vettore<double>& yv) {
  VerticiRettangolo(x1, y1, x2, y2, xv, yv);
  ArrotondaSingolaPrecisione(xv);
  ArrotondaSingolaPrecisione(yv);
  RotoTraslaPunti(xv, yv, T, xv, yv, 4);
  ArrotondaSingolaPrecisione(xv);
  ArrotondaSingolaPrecisione(yv);
}

}  // namespace Grafica
