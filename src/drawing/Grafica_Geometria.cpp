#include "drawing/Grafica_Geometria.h"

#include <algorithm>
#include <cmath>

#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"
#include "platform/MsgBox.h"

using Matematica::Collezione;
using Matematica::Elemento;

namespace Grafica {

namespace {

const Vettore<double> PesiUnitari{1, 1};

// Appends a crossing, growing the three arrays by one when they are full.
void AggiungeIntersezione(Vettore<double>& xi, Vettore<double>& yi, Vettore<int>& lati, int& m,
                          double x, double y, int lato) {
  if (m + 1 > xi.Ub()) {
    xi.ReDimPreserve(m + 1);
    yi.ReDimPreserve(m + 1);
    lati.ReDimPreserve(m + 1);
  }
  ++m;
  xi(m) = x;
  yi(m) = y;
  lati(m) = lato;
}

// The point coincides with either end of the segment.
bool PuntoSuUnEstremo(const Segmento& s, double xp, double yp, double zero) {
  return PuntiCoincidenti(s.x1, s.y1, 1, xp, yp, 1, zero) ||
         PuntiCoincidenti(s.x2, s.y2, 1, xp, yp, 1, zero);
}

}  // namespace

bool Uguali(double a, double b, double zero) { return std::fabs(a - b) <= zero; }

bool PuntiCoincidenti(const Vettore<double>& x, const Vettore<double>& y,
                      const Vettore<double>& w, std::optional<double> zero) {
  return PuntiCoincidenti(x(1), y(1), w(1), x(2), y(2), w(2), zero.value_or(Stato.ZeroMaxDimen));
}

bool PuntiCoincidenti(double x1, double y1, double w1, double x2, double y2, double w2,
                      double z) {
  if (z == 0) platform::MsgBox("zero=0 in PuntiCoincidenti");
  // The scale coordinate: x, else y, else both points sit at the origin.
  double s1, s2;
  if (std::fabs(x1) > z || std::fabs(x2) > z) {
    s1 = x1;
    s2 = x2;
  } else if (std::fabs(y1) > z || std::fabs(y2) > z) {
    s1 = y1;
    s2 = y2;
  } else {
    return true;
  }
  return Uguali(w1 * s2, w2 * s1, z) && Uguali(y1 * s2, y2 * s1, z) && Uguali(x1 * s2, x2 * s1, z);
}

bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2) {
  if (Stato.ZeroMaxDimen == 0) platform::MsgBox("zero=0 in PuntiCoincidentiXY");
  return PuntiCoincidenti(x1, y1, 1, x2, y2, 1, Stato.ZeroMaxDimen);
}

bool RettaPerDuePunti(const Vettore<double>& x, const Vettore<double>& y,
                      const Vettore<double>& w, double& a, double& b, double& c,
                      std::optional<double> zero) {
  return RettaPerDuePunti(x(1), y(1), w(1), x(2), y(2), w(2), a, b, c,
                          zero.value_or(Stato.ZeroMaxDimen));
}

bool RettaPerDuePunti(double x1, double y1, double w1, double x2, double y2, double w2,
                      double& a, double& b, double& c, double zero) {
  if (PuntiCoincidenti(x1, y1, w1, x2, y2, w2, zero)) return false;
  a = w1 * y2 - w2 * y1;
  b = w2 * x1 - w1 * x2;
  c = x2 * y1 - x1 * y2;
  return true;
}

bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2,
                       double& x, double& y) {
  const double tol = 1E-6 * std::max({std::fabs(a1), std::fabs(b1), std::fabs(a2), std::fabs(b2)});
  const double det = a1 * b2 - b1 * a2;
  // det == 0 catches the all-zero coefficients, whose tolerance is 0 too.
  if (std::fabs(det) < tol || det == 0) return false;
  x = (b1 * c2 - b2 * c1) / det;
  y = (a2 * c1 - a1 * c2) / det;
  return true;
}

bool PuntoSuSegmento(const Vettore<double>& xs, const Vettore<double>& ys, double xp, double yp,
                     bool ruota) {
  double x1 = xs(1), y1 = ys(1), x2 = xs(2), y2 = ys(2);
  if (ruota) {
    Vettore<double> T, U;
    MatriceRotoTraslazione(x1, y1, Matematica::AngoloVettore(y2 - y1, x2 - x1), T, U);
    RotoTraslaPunto(x1, y1, T, x1, y1);
    RotoTraslaPunto(x2, y2, T, x2, y2);
    RotoTraslaPunto(xp, yp, T, xp, yp);
    if (std::fabs(yp) > std::fabs(x2 - x1) / 1000000) return false;
  }
  return PuntoSuSegmento({x1, y1, x2, y2}, xp, yp);
}

bool PuntoSuSegmento(const Segmento& s, double xp, double yp) {
  // A segment reduced to a point holds only that point.
  if (s.x1 == s.x2 && s.y1 == s.y2) return xp == s.x1 && yp == s.y1;
  // Along the coordinate of larger extent the point lies between the ends
  // (either end included) when it is on neither side of both.
  const bool lungoX = std::fabs(s.y2 - s.y1) < std::fabs(s.x2 - s.x1);
  const double p = lungoX ? xp : yp;
  const double e1 = lungoX ? s.x1 : s.y1;
  const double e2 = lungoX ? s.x2 : s.y2;
  return (p - e1) * (p - e2) <= 0;
}

bool PuntoInternoSegmento(const Vettore<double>& xs, const Vettore<double>& ys, double xp,
                          double yp, double zero, bool ruota) {
  return PuntoSuSegmento(xs, ys, xp, yp, ruota) &&
         !PuntoSuUnEstremo({xs(1), ys(1), xs(2), ys(2)}, xp, yp, zero);
}

bool IntersezioneRettaSegmento(double a, double b, double c, const Vettore<double>& xs,
                               const Vettore<double>& ys, double& xi, double& yi, double zero) {
  double as, bs, cs;
  if (!RettaPerDuePunti(xs, ys, PesiUnitari, as, bs, cs, zero)) return false;
  if (!IntersezioneRette(a, b, c, as, bs, cs, xi, yi)) return false;
  return PuntoSuSegmento(xs, ys, xi, yi, false);
}

bool IntersezioneSegmenti(const Vettore<double>& xs1, const Vettore<double>& ys1,
                          const Vettore<double>& xs2, const Vettore<double>& ys2, double& xi,
                          double& yi, double zero, bool escludiEstremi) {
  return IntersezioneSegmenti({xs1(1), ys1(1), xs1(2), ys1(2)}, {xs2(1), ys2(1), xs2(2), ys2(2)},
                              xi, yi, zero, escludiEstremi);
}

bool IntersezioneSegmenti(const Segmento& s1, const Segmento& s2, double& xi, double& yi,
                          double zero, bool escludiEstremi) {
  double a1, b1, c1, a2, b2, c2;
  if (!RettaPerDuePunti(s1.x1, s1.y1, 1, s1.x2, s1.y2, 1, a1, b1, c1, 1E-6)) return false;
  if (!RettaPerDuePunti(s2.x1, s2.y1, 1, s2.x2, s2.y2, 1, a2, b2, c2, 1E-6)) return false;
  if (!IntersezioneRette(a1, b1, c1, a2, b2, c2, xi, yi)) return false;
  if (!escludiEstremi) return PuntoSuSegmento(s1, xi, yi) && PuntoSuSegmento(s2, xi, yi);
  return PuntoSuSegmento(s1, xi, yi) && !PuntoSuUnEstremo(s1, xi, yi, zero) &&
         PuntoSuSegmento(s2, xi, yi) && !PuntoSuUnEstremo(s2, xi, yi, zero);
}

void IntersezioneRettaPoligono(double a, double b, double c, const Vettore<double>& x,
                               const Vettore<double>& y, Vettore<double>& xi, Vettore<double>& yi,
                               int n, Vettore<int>& lati, int& m, int* eliminati) {
  xi.ReDim(1, 2);
  yi.ReDim(1, 2);
  lati.ReDim(1, 2);
  m = 0;
  const double zero = DimensioneRelativa(x, y, n, 100000);
  for (int i = 1; i <= n; ++i) {
    const int j = Matematica::IndiceSuccessivo(x, n, i);
    double xc, yc;
    if (IntersezioneRettaSegmento(a, b, c, {x(i), x(j)}, {y(i), y(j)}, xc, yc, zero))
      AggiungeIntersezione(xi, yi, lati, m, xc, yc, i);
  }
  if (m > 0 && eliminati) {
    const int prima = m;
    PulisciIntersezioni(xi, yi, lati, m);
    *eliminati = prima - m;
  }
}

bool IntersezioniRettaPoligonale(double a, double b, double c, const Vettore<double>& x,
                                 const Vettore<double>& y, Vettore<double>& xi,
                                 Vettore<double>& yi, int n, Vettore<int>& lati, int& m,
                                 bool pulisci) {
  ImpostaZeroMaxDimen(DimensioneRelativa(x, y, n, 1000000));
  Collezione<double> xl, yl;
  Collezione<int> ll;
  bool ultimoLatoIncrocia = false;
  double xc = 0, yc = 0;
  for (int i = 1; i <= n - 1; ++i) {
    const Vettore<double> xs{x(i), x(i + 1)}, ys{y(i), y(i + 1)};
    double as, bs, cs;
    ultimoLatoIncrocia = RettaPerDuePunti(xs, ys, PesiUnitari, as, bs, cs, 1E-6) &&
                         IntersezioneRette(a, b, c, as, bs, cs, xc, yc);
    if (ultimoLatoIncrocia && PuntoSuSegmento(xs, ys, xc, yc, false)) {
      xl.push_back(xc);
      yl.push_back(yc);
      ll.push_back(i);
    }
  }
  const bool trovata = !xl.empty();
  // No crossing: the point where the line meets the extension of the last
  // side, when that side is a line that meets it.
  if (!trovata && ultimoLatoIncrocia) {
    xl.push_back(xc);
    yl.push_back(yc);
    ll.push_back(n);
  }
  if (pulisci) TogliIntersezioniCoincidenti(xl, yl, ll);
  m = static_cast<int>(xl.size());
  xi.ReDim(1, m);
  yi.ReDim(1, m);
  lati.ReDim(1, m);
  for (int i = 1; i <= m; ++i) {
    xi(i) = Elemento(xl, i);
    yi(i) = Elemento(yl, i);
    lati(i) = Elemento(ll, i);
  }
  return trovata;
}

void PulisciIntersezioni(Vettore<double>& x, Vettore<double>& y, Vettore<int>& lati, int& m) {
  const int lb = x.Lb();
  const int ub = lb + m - 1;
  OrdinaPuntiSuRetta(x, y, m, &lati);
  // Decide on the sorted points first, then compact them in place.
  std::vector<bool> tenuto;
  for (int i = lb; i <= ub; ++i) {
    const int dopo = i < ub ? i + 1 : lb;
    tenuto.push_back(!PuntiCoincidentiXY(x(i), y(i), x(dopo), y(dopo)));
  }
  int k = lb;
  for (int i = lb; i <= ub; ++i) {
    if (!tenuto[static_cast<size_t>(i - lb)]) continue;
    x(k) = x(i);
    y(k) = y(i);
    lati(k) = lati(i);
    ++k;
  }
  m = k - lb;
}

void TogliIntersezioniCoincidenti(Collezione<double>& x, Collezione<double>& y,
                                  Collezione<int>& lati) {
  size_t i = 0;
  while (i + 1 < x.size()) {
    if (PuntiCoincidentiXY(x[i + 1], y[i + 1], x[i], y[i])) {
      x.erase(x.begin() + static_cast<std::ptrdiff_t>(i + 1));
      y.erase(y.begin() + static_cast<std::ptrdiff_t>(i + 1));
      lati.erase(lati.begin() + static_cast<std::ptrdiff_t>(i + 1));
    } else {
      ++i;
    }
  }
}

void PuntoInternoPoligono(const Vettore<double>& x, const Vettore<double>& y, int n, double yp,
                          Collezione<double>& ascisse) {
  for (int i = 1; i <= n; ++i) {
    const int j = Matematica::IndiceSuccessivo(x, n, i);
    const bool iSopra = y(i) >= yp;
    if (iSopra == (y(j) >= yp)) continue;
    // Interpolated from the end at or above the line: a vertex on the line
    // gives its own abscissa exactly, and a side run either way the same one.
    const int a = iSopra ? i : j, b = iSopra ? j : i;
    ascisse.push_back(x(a) + (x(b) - x(a)) * ((y(a) - yp) / (y(a) - y(b))));
  }
}

int PosizionePuntoPoligono(const Vettore<double>& x, const Vettore<double>& y, double xp,
                           double yp, int n) {
  Collezione<double> ascisse;
  PuntoInternoPoligono(x, y, n, yp, ascisse);
  const int c = static_cast<int>(ascisse.size());
  Vettore<double> valori(1, c + 1);
  valori(1) = xp;
  for (int i = 1; i <= c; ++i) valori(i + 1) = Elemento(ascisse, i);
  Vettore<int> ordine;
  Matematica::OrdinaArrayOCollezione(valori, c + 1, &ordine);
  const int k = Matematica::IndiceInArray(ordine, 1, c + 1);
  const bool dentro = Matematica::NumeroDispari(k - 1) && Matematica::NumeroDispari(c + 1 - k);
  return dentro ? 1 : -1;
}

void OrdinaPuntiSuRetta(Vettore<double>& x, Vettore<double>& y, int n, Vettore<int>* compagno) {
  if (n < 1) return;
  double xMin, xMax, yMin, yMax;
  RettangoloIngombro(n, x, y, xMin, xMax, yMin, yMax);
  const bool lungoX = (xMax - xMin) > (yMax - yMin);
  Vettore<double>& chiave = lungoX ? x : y;
  Vettore<double>& altra = lungoX ? y : x;
  Vettore<int> ordine;
  Matematica::OrdinaArrayOCollezione(chiave, n, &ordine);
  // The other arrays follow the same permutation, keeping their own size.
  const Vettore<double> riordinata = Matematica::EstraiPerIndici(altra, ordine, n);
  for (int i = riordinata.Lb(); i <= riordinata.Ub(); ++i) altra(i) = riordinata(i);
  if (compagno) {
    const Vettore<int> riordinato = Matematica::EstraiPerIndici(*compagno, ordine, n);
    for (int i = riordinato.Lb(); i <= riordinato.Ub(); ++i) (*compagno)(i) = riordinato(i);
  }
}

void PuntiArco(Vettore<double>& x, Vettore<double>& y, int m, int k, double xc, double yc,
               double r, double theta0, double dTheta) {
  double theta = theta0;
  for (int i = 1; i <= m; ++i) {
    x(k + i - 1) = xc + r * std::cos(theta);
    y(k + i - 1) = yc + r * std::sin(theta);
    theta += dTheta;
  }
}

void ArrotondaSingolaPrecisione(Vettore<double>& a) {
  for (double& v : a.Dati()) v = static_cast<float>(v);
}

}  // namespace Grafica
