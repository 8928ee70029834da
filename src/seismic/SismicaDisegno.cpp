#include "seismic/SismicaDisegno.h"

#include <cmath>

#include "drawing/Grafica.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Polilinee.h"

namespace Sismica {
namespace {

// Points of the arc that rounds each bend.
constexpr int PuntiRaccordo = 8;

int TipoOpposto(int tipo) { return tipo == 1 ? 2 : tipo == 2 ? 1 : tipo; }

}  // namespace

bool GancioPunti(double rA, double rB, double c, int tipo, double L, double angolo,
                 GancioStaffa& gancio) {
  if (tipo < 1 || tipo > 4 || !(angolo > 0)) return false;
  double theta, xT, yT;
  if (!Grafica::PuntiGancio(rA, rB, c, tipo, theta, xT, yT, gancio.xT, gancio.yT)) return false;
  // The bend of radius rA between the leg and the straight part starts s
  // before the tangent point.
  const double s = rA / std::tan(angolo / 2);
  gancio.xC = xT - s * std::cos(theta);
  gancio.yC = yT - s * std::sin(theta);
  const double beta = tipo == 1 || tipo == 3 ? theta - angolo : theta + angolo;
  gancio.xE = gancio.xC + (s + L) * std::cos(beta);
  gancio.yE = gancio.yC + (s + L) * std::sin(beta);
  return true;
}

bool GancioSpillo(double xA, double yA, double rA, double xB, double yB, double rB, int tipo,
                  double L, double angolo, GancioStaffa& gancio) {
  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazioneSegmento(xA, yA, xB, yB, T, U);
  GancioStaffa locale;
  if (!GancioPunti(rA, rB, Grafica::Distanza(xA, yA, xB, yB), tipo, L, angolo, locale))
    return false;
  Grafica::RotoTraslaPunto(locale.xC, locale.yC, U, gancio.xC, gancio.yC);
  Grafica::RotoTraslaPunto(locale.xE, locale.yE, U, gancio.xE, gancio.yE);
  Grafica::RotoTraslaPunto(locale.xT, locale.yT, U, gancio.xT, gancio.yT);
  return true;
}

bool SpilloPlotta(const Vettore<double>& x, const Vettore<double>& y, const Vettore<double>& r,
                  int tipo, double L, double angolo) {
  GancioStaffa primo, secondo;
  if (!GancioSpillo(x(1), y(1), r(1), x(2), y(2), r(2), tipo, L, angolo, primo) ||
      !GancioSpillo(x(2), y(2), r(2), x(1), y(1), r(1), TipoOpposto(tipo), L, angolo, secondo))
    return false;
  Vettore<double> xp{primo.xE, primo.xC, secondo.xC, secondo.xE};
  Vettore<double> yp{primo.yE, primo.yC, secondo.yC, secondo.yE};
  int n = 4;
  Grafica::RaccordaPoligonale(xp, yp, n, Vettore<double>{r(1), r(2)}, PuntiRaccordo);
  return Grafica::PlottaPoligonale2(n, xp, yp, 1);
}

bool StaffaVertice(const Vettore<double>& x, const Vettore<double>& y, const Vettore<double>& r,
                   int n, int i, bool antiorario, double& xv, double& yv) {
  const int lato = antiorario ? 2 : 1;
  const int prima = i == 1 ? n : i - 1;
  const int dopo = i == n ? 1 : i + 1;
  Vettore<double> xs1(1, 2), ys1(1, 2), xs2(1, 2), ys2(1, 2);
  if (!Grafica::PiegaBarra(x(prima), y(prima), r(prima), x(i), y(i), r(i), lato, xs1(1), ys1(1),
                           xs1(2), ys1(2)) ||
      !Grafica::PiegaBarra(x(i), y(i), r(i), x(dopo), y(dopo), r(dopo), lato, xs2(1), ys2(1),
                           xs2(2), ys2(2)))
    return false;
  // Legs in line: the corner is where they touch the bar.
  xv = xs1(2);
  yv = ys1(2);
  Grafica::IntersezioneSegmenti(xs1, ys1, xs2, ys2, xv, yv, 0.01, false);
  return true;
}

bool StaffaChiusaPlotta(const Vettore<double>& x, const Vettore<double>& y,
                        const Vettore<double>& r, int n, double L, double angolo,
                        bool antiorario) {
  if (n < 3) return false;
  const int tipo = antiorario ? 2 : 1;
  GancioStaffa inizio, chiusura;
  if (!GancioSpillo(x(1), y(1), r(1), x(2), y(2), r(2), tipo, L, angolo, inizio) ||
      !GancioSpillo(x(1), y(1), r(1), x(n), y(n), r(n), TipoOpposto(tipo), L, angolo, chiusura))
    return false;
  int m = n + 3;
  Vettore<double> xp(1, m), yp(1, m);
  xp(1) = inizio.xE;
  yp(1) = inizio.yE;
  xp(2) = inizio.xC;
  yp(2) = inizio.yC;
  for (int i = 2; i <= n; ++i)
    if (!StaffaVertice(x, y, r, n, i, antiorario, xp(i + 1), yp(i + 1))) return false;
  xp(n + 2) = chiusura.xC;
  yp(n + 2) = chiusura.yC;
  xp(n + 3) = chiusura.xE;
  yp(n + 3) = chiusura.yE;
  Grafica::RaccordaPoligonaleChiusa(xp, yp, m, r, PuntiRaccordo);
  return Grafica::PlottaPoligonale2(m, xp, yp, 1);
}

}  // namespace Sismica
