#pragma once
// Plane geometry of the drawing module: coincidence of points, lines through
// two points, crossings of lines, segments, polygons and polylines, point in
// polygon, arc points, roto-translation of points and polygon hatching.
//
// Point lists are two 1-based arrays x, y with a separate count n; segments are
// two-element arrays xs(1..2), ys(1..2); lines are (a, b, c) for
// a*x + b*y + c = 0, never normalised; a roto-translation T(1..6) maps (x, y, w)
// to (T1*x + T2*y + T3*w, T4*x + T5*y + T6*w). Degenerate cases (coincident
// points, parallel lines, no crossing) come back as false and leave the
// outputs as they were.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "model/Array.h"
#include "model/Vettore.h"

namespace Grafica {

// A straight segment to be drawn from (x1, y1) to (x2, y2).
struct Segmento {
  double x1, y1, x2, y2;
  bool operator==(const Segmento&) const = default;
};

// |a - b| <= zero.
bool Uguali(double a, double b, double zero);

// The homogeneous points (x(1), y(1), w(1)) and (x(2), y(2), w(2)) are
// proportional within zero (default Stato.ZeroMaxDimen). This is not a
// Euclidean distance: far from the origin the test is stricter.
bool PuntiCoincidenti(const Vettore<double>& x, const Vettore<double>& y,
                      const Vettore<double>& w, std::optional<double> zero = std::nullopt);
bool PuntiCoincidenti(double x1, double y1, double w1, double x2, double y2, double w2,
                      double zero);
// PuntiCoincidenti of two ordinary points with zero = Stato.ZeroMaxDimen.
bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2);

// Line through two homogeneous points; false (a, b, c untouched) when they
// coincide. With unit weights (a, b) points to the right of 1 -> 2 and is as
// long as the segment.
bool RettaPerDuePunti(const Vettore<double>& x, const Vettore<double>& y,
                      const Vettore<double>& w, double& a, double& b, double& c,
                      std::optional<double> zero = std::nullopt);
bool RettaPerDuePunti(double x1, double y1, double w1, double x2, double y2, double w2,
                      double& a, double& b, double& c, double zero);

// Crossing of two lines; false (x, y untouched) when they are parallel or
// either is no line at all.
bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2,
                       double& x, double& y);

// Whether a point known to lie on the segment's line falls between its ends
// (ends included). With ruota the point must also lie within length / 1E6 of
// the line.
bool PuntoSuSegmento(const Vettore<double>& xs, const Vettore<double>& ys, double xp, double yp,
                     bool ruota);
bool PuntoSuSegmento(const Segmento& s, double xp, double yp);
// PuntoSuSegmento and coincident with neither end.
bool PuntoInternoSegmento(const Vettore<double>& xs, const Vettore<double>& ys, double xp,
                          double yp, double zero, bool ruota);

// Crossing of a line with a segment: true when it lies on the segment. The
// crossing with the segment's line is written even when it falls outside.
bool IntersezioneRettaSegmento(double a, double b, double c, const Vettore<double>& xs,
                               const Vettore<double>& ys, double& xi, double& yi, double zero);

// Crossing of two segments, end points excluded when escludiEstremi is set.
bool IntersezioneSegmenti(const Vettore<double>& xs1, const Vettore<double>& ys1,
                          const Vettore<double>& xs2, const Vettore<double>& ys2, double& xi,
                          double& yi, double zero, bool escludiEstremi);
// The same without arrays, for loops over many pairs.
bool IntersezioneSegmenti(const Segmento& s1, const Segmento& s2, double& xi, double& yi,
                          double zero, bool escludiEstremi);

// Crossings of a line with the closed polygon of n vertices, in side order
// (side i runs from vertex i to the next): xi, yi, lati are re-dimensioned from
// 1 and may end longer than m. A line through a vertex gives it twice. With
// eliminati the crossings are sorted along the line, coincident ones merged,
// and eliminati receives how many were removed.
void IntersezioneRettaPoligono(double a, double b, double c, const Vettore<double>& x,
                               const Vettore<double>& y, Vettore<double>& xi, Vettore<double>& yi,
                               int n, Vettore<int>& lati, int& m, int* eliminati = nullptr);

// Crossings of a line with the open polyline of n points, in side order; sets
// Stato.ZeroMaxDimen from the polyline. True when at least one lies on the
// polyline; otherwise the crossing with the extension of the last side, when
// that side meets the line, is returned alone with side index n.
bool IntersezioniRettaPoligonale(double a, double b, double c, const Vettore<double>& x,
                                 const Vettore<double>& y, Vettore<double>& xi,
                                 Vettore<double>& yi, int n, Vettore<int>& lati, int& m,
                                 bool pulisci);

// Sorts m crossings along their line and drops coincident ones (a run keeps
// its last member; a run that is the whole list keeps none); m becomes the
// number kept, written back from the lower bound.
void PulisciIntersezioni(Vettore<double>& x, Vettore<double>& y, Vettore<int>& lati, int& m);

// Removes from three parallel lists every crossing that coincides with the one
// kept before it.
void TogliIntersezioniCoincidenti(Matematica::Collezione<double>& x,
                                  Matematica::Collezione<double>& y,
                                  Matematica::Collezione<int>& lati);

// Adds to ascisse the abscissa of every crossing of the line y = yp with the
// sides by the half-open rule: a side counts when exactly one of its ends has
// y >= yp. Exact at vertices on the line, so the count is always even.
void PuntoInternoPoligono(const Vettore<double>& x, const Vettore<double>& y, int n, double yp,
                          Matematica::Collezione<double>& ascisse);

// 1 when the point is inside the polygon, -1 outside. On the boundary the
// half-open rule decides: the right and top sides count as inside, the left
// and bottom ones as outside.
int PosizionePuntoPoligono(const Vettore<double>& x, const Vettore<double>& y, double xp,
                           double yp, int n);

// Sorts points 1..n ascending along the coordinate of larger extent, carrying
// the companion along.
void OrdinaPuntiSuRetta(Vettore<double>& x, Vettore<double>& y, int n,
                        Vettore<int>* compagno = nullptr);

// The segments hatching the polygon with parallel lines at angolo degrees:
// linee lines' worth of bands, or, when negative, a spacing of -linee. Sets
// Stato.ZeroMaxDimen from the polygon. Nothing for fewer than 3 vertices or a
// band count that rounds below 1.
std::vector<Segmento> SegmentiTratteggio(int n, const Vettore<double>& x,
                                         const Vettore<double>& y, double angolo, double linee);

// Of the m crossings xi, yi along one hatch line, the segments between
// consecutive ones whose midpoint is inside the polygon.
std::vector<Segmento> SegmentiPerPuntiMedi(int n, const Vettore<double>& x,
                                           const Vettore<double>& y, const Vettore<double>& xi,
                                           const Vettore<double>& yi, int m);

// m points of the arc of centre (xc, yc) and radius r from theta0 in steps of
// dTheta, into x(k..k+m-1), y(k..k+m-1), which must exist.
void PuntiArco(Vettore<double>& x, Vettore<double>& y, int m, int k, double xc, double yc,
               double r, double theta0, double dTheta);

// Rounds every element to 32-bit float precision, for the lists the drawing
// code holds in single precision.
void ArrotondaSingolaPrecisione(Vettore<double>& a);

// Applies the first two rows of a 3x3 matrix, row by row in t[0..5], to
// (x, y, w). Outputs may be the inputs' variables.
inline void RotoTraslaRighe(const double* t, double x, double y, double w, double& xr,
                            double& yr) {
  const double xn = t[0] * x + t[1] * y + t[2] * w;
  const double yn = t[3] * x + t[4] * y + t[5] * w;
  xr = xn;
  yr = yn;
}

// Applies T to (x, y, w); wr receives w. Outputs may be the inputs' variables.
// Inline, as the sections turn every vertex and bar of each run.
inline void RotoTraslaPunto(double x, double y, const Vettore<double>& T, double& xr,
                            double& yr, double w = 1, double* wr = nullptr) {
  RotoTraslaRighe(T.DaUno(6), x, y, w, xr, yr);
  if (wr) *wr = w;
}

// RotoTraslaPunto on points 1..n, which xr, yr must hold; they may be x, y.
// Nothing is written when an array or T is short: it throws first.
template <class A, class B>
void RotoTraslaPunti(const Vettore<A>& x, const Vettore<A>& y, const Vettore<double>& T,
                     Vettore<B>& xr, Vettore<B>& yr, int n) {
  if (n < 1) return;
  const A* xp = x.DaUno(n);
  const A* yp = y.DaUno(n);
  B* xrp = xr.DaUno(n);
  B* yrp = yr.DaUno(n);
  std::array<double, 6> t;  // read once: the points written are not T
  std::copy_n(T.DaUno(6), 6, t.begin());
  for (int i = 0; i < n; ++i) {
    double xi, yi;
    RotoTraslaRighe(t.data(), xp[i], yp[i], 1, xi, yi);
    xrp[i] = static_cast<B>(xi);
    yrp[i] = static_cast<B>(yi);
  }
}

}  // namespace Grafica
