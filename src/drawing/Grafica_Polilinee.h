#pragma once
// Point lists of the drawing module: roto-translation arrays between the world
// and a turned local frame, the coincidence tolerance, signed distances,
// parallel lines and polygon offsets, insertion and removal of points,
// mirroring, fillets of polyline corners, tangents of bend circles, polar
// conversions, and the geometry of the small markers.
//
// Edited point lists are 1-based and re-dimensioned by the operation, which
// also updates their count n.
#include <array>
#include <optional>

#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Geometria.h"
#include "model/Vettore.h"

namespace Grafica {

// Sets Stato.ZeroMaxDimen, which stays until the next setting.
void ImpostaZeroMaxDimen(double valore);

// The larger side of the bounding box of points 1..n over divisore; 0 with
// no points.
double DimensioneRelativa(const Vettore<double>& x, const Vettore<double>& y, int n,
                          double divisore);

// T(1..6) carries world points into the frame with origin (x0, y0) and x axis
// at angle theta; U(1..6) carries them back.
void MatriceRotoTraslazione(double x0, double y0, double theta, Vettore<double>& T,
                            Vettore<double>& U);

// The frame of the directed segment P1 -> P2: origin P1, x axis toward P2,
// y axis to its left.
void MatriceRotoTraslazioneSegmento(double x1, double y1, double x2, double y2,
                                    Vettore<double>& T, Vettore<double>& U);

// The line (a, b, c) moved between the two frames of one
// MatriceRotoTraslazione: (M, N) = (U, T) from local to world, (T, U) from
// world to local. Outputs may be the inputs' variables.
void RotoTraslaRetta(double a, double b, double c, const Vettore<double>& M,
                     const Vettore<double>& N, double& ar, double& br, double& cr);

// Signed distance of P from the directed line P1 -> P2, positive on its left;
// interno tells whether the foot falls on the segment, ends included.
double DistanzaPuntoRetta(double x1, double y1, double x2, double y2, double xp, double yp,
                          bool& interno);

// The line parallel to P1 -> P2 at signed distance d (positive on the left).
void RettaParallela(double x1, double y1, double x2, double y2, double& a, double& b,
                    double& c, double d);

// The closed polygon with every side moved d to its left, into xo, yo, which
// must hold n points; a vertex between collinear sides is left as it was.
void OffsetPoligonale(const Vettore<double>& x, const Vettore<double>& y, Vettore<double>& xo,
                      Vettore<double>& yo, int n, double d);

// Looks for the offset of the polygon that passes through P, trying the sides
// from the one entering the nearest vertex; true when found. xo, yo (n points)
// hold the last offset tried.
bool OffsetPoligono(const Vettore<double>& x, const Vettore<double>& y, Vettore<double>& xo,
                    Vettore<double>& yo, int n, double xp, double yp);

// Some offset side runs against (or collapsed from) its side of the polygon.
bool OffsetConLatiInvertiti(const Vettore<double>& x, const Vettore<double>& y,
                            const Vettore<double>& xo, const Vettore<double>& yo, int n);

// The second segment runs the same way as the first along the first's longer
// coordinate.
bool StessoVersoSegmenti(const Vettore<double>& xs, const Vettore<double>& ys,
                         const Vettore<double>& xos, const Vettore<double>& yos);

// Index of the point nearest to P among n points from the lower bound (or from
// inizio); ties keep the first. False, k untouched, when there are none.
bool VerticePiuVicino(const Vettore<double>& x, const Vettore<double>& y, int n, double xp,
                      double yp, int& k, std::optional<int> inizio = std::nullopt);

// Inserts valore at position k of a(1..n) (k = n + 1 appends); n grows by one.
void AggiungePunto(Vettore<double>& a, int& n, double valore, int k);
void InseriscePuntoPoligonale(Vettore<double>& x, Vettore<double>& y, int& n, double xv,
                              double yv, int k);
// The i-th new point goes after the point numbered pos(i) before the call
// (pos ascending); n grows by m.
void InseriscePuntiPoligonale(Vettore<double>& x, Vettore<double>& y, int& n,
                              const Vettore<double>& xN, const Vettore<double>& yN, int m,
                              const Vettore<int>& pos);
// Inserts xa, ya(1..m) so that the first takes position k; n grows by m.
void CostruiscePoligonale(Vettore<double>& x, Vettore<double>& y, int& n,
                          const Vettore<double>& xa, const Vettore<double>& ya, int m, int k);
// Removes point k; n drops by one.
void EliminaPunto(Vettore<double>& x, Vettore<double>& y, int& n, int k);
// xo, yo(1..m) = the list without its first nPunti points; none left when
// nPunti >= n. A negative nPunti is reported and changes nothing.
void TogliePuntiInizialiDaPoligonale(const Vettore<double>& x, const Vettore<double>& y, int n,
                                     Vettore<double>& xo, Vettore<double>& yo, int& m,
                                     int nPunti);

// Points n+1..2n = points n..1 mirrored about y = c (SpecchiaPunti) or x = c
// (SpecchiaPunti2), so the 2n points run as one outline. The arrays must hold
// 2n points; n is the caller's to update.
void SpecchiaPunti(Vettore<double>& x, Vettore<double>& y, int n, double c);
void SpecchiaPunti2(Vettore<double>& x, Vettore<double>& y, int n, double c);

// Replaces interior vertex k by the m + 1 points (32-bit) of the arc of radius r
// tangent to both its sides; n grows by m. False, the polyline unchanged, when
// the sides fold onto each other (reported), k is not interior or m < 1.
bool RaccordaVertice(Vettore<double>& x, Vettore<double>& y, int& n, int k, double r, int m);
// Fillets vertices n-1 down to 2 of an open polyline, vertex k with r(k-1).
void RaccordaPoligonale(Vettore<double>& x, Vettore<double>& y, int& n, const Vettore<double>& r,
                        int m);
// Fillets vertex n-1 with r(1), then n-2 down to 2 with r(k-1).
void RaccordaPoligonaleChiusa(Vettore<double>& x, Vettore<double>& y, int& n,
                              const Vettore<double>& r, int m);

// Tangent caso (1, 2 outer, 3, 4 crossing) to the circles of radius a centred
// at the origin and of radius b at (c, 0), touching them at (x1, y1) and
// (x2, y2). False, outputs untouched, when the circles admit no such tangent.
bool PuntiGancio(double a, double b, double c, int caso, double& theta, double& x1, double& y1,
                 double& x2, double& y2);
// PuntiGancio for two circles anywhere in the plane.
bool PiegaBarra(double xc1, double yc1, double r1, double xc2, double yc2, double r2, int caso,
                double& xt1, double& yt1, double& xt2, double& yt2);

void PolareACartesiane(double r, double theta, double& x, double& y);
// Modulus and angle, in (-pi/2, 3pi/2), of (dx, dy).
void AngoloEModulo(double dx, double dy, double& r, double& theta);
// Turns points 1..n by dTheta about (xc, yc).
void RuotaPuntiPolare(int n, Vettore<double>& x, Vettore<double>& y, double xc, double yc,
                      double dTheta);

// The two strokes of a cross of half-size d centred on (x, y).
std::array<Segmento, 2> SegmentiCroce(double x, double y, double d);
// Corners (x1, y1), (x2, y1), (x2, y2), (x1, y2) into xv, yv(1..4).
void VerticiRettangolo(double x1, double y1, double x2, double y2, Vettore<double>& xv,
                       Vettore<double>& yv);
// The same corners carried with T, in 32-bit precision.
void VerticiRettangolini(double x1, double y1, double x2, double y2, const Vettore<double>& T,
                         Vettore<double>& xv, Vettore<double>& yv);

}  // namespace Grafica
