// Offsets of a closed polygon: by a distance, or through a given point.
#include <cmath>

#include "drawing/Grafica.h"
#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Array.h"
#include "platform/MsgBox.h"

namespace Grafica {

void OffsetPoligonale(const Vettore<double>& x, const Vettore<double>& y, Vettore<double>& xo,
                      Vettore<double>& yo, int n, double d) {
  for (int i = 1; i <= n; ++i) {
    const int prima = Matematica::IndicePrecedente(x, n, i);
    const int dopo = Matematica::IndiceSuccessivo(x, n, i);
    double a1, b1, c1, a2, b2, c2;
    RettaParallela(x(prima), y(prima), x(i), y(i), a1, b1, c1, d);
    RettaParallela(x(i), y(i), x(dopo), y(dopo), a2, b2, c2, d);
    double xc, yc;
    if (IntersezioneRette(a1, b1, c1, a2, b2, c2, xc, yc)) {
      xo(i) = xc;
      yo(i) = yc;
    } else {
      // Sides in line: the vertex moves square onto the common offset line
      // (the second one when the first side has no length).
      const bool primaValida = a1 != 0 || b1 != 0;
      const double a = primaValida ? a1 : a2, b = primaValida ? b1 : b2;
      const double cc = primaValida ? c1 : c2;
      const double norma = a * a + b * b;
      const double s = norma > 0 ? (a * x(i) + b * y(i) + cc) / norma : 0;
      xo(i) = x(i) - a * s;
      yo(i) = y(i) - b * s;
    }
  }
}

bool OffsetPoligono(const Vettore<double>& x, const Vettore<double>& y, Vettore<double>& xo,
                    Vettore<double>& yo, int n, double xp, double yp) {
  if (Stato.ZeroMaxDimen == 0) platform::MsgBox("Impostare ZeroMaxDimen");
  int k;
  if (!VerticePiuVicino(x, y, n, xp, yp, k)) return false;
  int j = Matematica::IndicePrecedente(x, n, k);
  // The side entering the nearest vertex first, then the following ones.
  for (int prova = 0; prova < n; ++prova) {
    if (prova > 0) {
      j = k;
      k = Matematica::IndiceSuccessivo(x, n, k);
    }
    bool interno;
    const double d = DistanzaPuntoRetta(x(j), y(j), x(k), y(k), xp, yp, interno);
    OffsetPoligonale(x, y, xo, yo, n, d);
    if (!PuntoSuSegmento({xo(j), xo(k)}, {yo(j), yo(k)}, xp, yp, true)) continue;
    // A point on the polygon itself has no offset through it.
    if (prova == 0 && std::fabs(d) < Stato.ZeroMaxDimen) return false;
    if (!OffsetConLatiInvertiti(x, y, xo, yo, n)) return true;
  }
  return false;
}

bool OffsetConLatiInvertiti(const Vettore<double>& x, const Vettore<double>& y,
                            const Vettore<double>& xo, const Vettore<double>& yo, int n) {
  for (int i = 1; i <= n; ++i) {
    const int k = Matematica::IndiceSuccessivo(x, n, i);
    if (!StessoVersoSegmenti({x(i), x(k)}, {y(i), y(k)}, {xo(i), xo(k)}, {yo(i), yo(k)}))
      return true;
  }
  return false;
}

bool StessoVersoSegmenti(const Vettore<double>& xs, const Vettore<double>& ys,
                         const Vettore<double>& xos, const Vettore<double>& yos) {
  const bool lungoX = std::fabs(xs(2) - xs(1)) > std::fabs(ys(2) - ys(1));
  const double d = lungoX ? xs(2) - xs(1) : ys(2) - ys(1);
  const double dOffset = lungoX ? xos(2) - xos(1) : yos(2) - yos(1);
  return d * dOffset > 0;
}

bool VerticePiuVicino(const Vettore<double>& x, const Vettore<double>& y, int n, double xp,
                      double yp, int& k, std::optional<int> inizio) {
  const int lo = inizio.value_or(x.Lb());
  double migliore = 1E20;
  bool trovato = false;
  for (int i = lo; i <= lo + n - 1; ++i) {
    const double d = Distanza(x(i), y(i), xp, yp);
    if (d < migliore) {
      migliore = d;
      k = i;
      trovato = true;
    }
  }
  return trovato;
}

}  // namespace Grafica
