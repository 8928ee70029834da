#pragma once
// Ties and closed stirrups drawn round the longitudinal bars of a column, with
// their hooks, on the current device and in the current colour. A bar is given
// by its centre and a radius already enlarged by half the stirrup diameter, so
// that every curve is the stirrup's centre line.
//
// Hook types at bar A, for the straight part leaving it toward bar B: 1 and 2
// an outer tangent of the two circles, on the left and on the right of the way
// from A to B; 3 and 4 a crossing tangent, leaving A on its left and on its
// right. The hook leg turns back from the straight part by pi - angolo,
// toward the side the bar lies on, and runs L beyond the bend.
#include "model/Vettore.h"

namespace Sismica {

struct GancioStaffa {
  double xC = 0, yC = 0;  // corner of the straight part and the hook leg
  double xE = 0, yE = 0;  // end of the hook leg
  double xT = 0, yT = 0;  // where the straight part touches bar B
};

// The hook at bar A (origin, radius rA) with bar B at (c, 0), radius rB.
// False when the circles admit no tangent of that type.
bool GancioPunti(double rA, double rB, double c, int tipo, double L, double angolo,
                 GancioStaffa& gancio);
// The same for two bars anywhere in the plane.
bool GancioSpillo(double xA, double yA, double rA, double xB, double yB, double rB, int tipo,
                  double L, double angolo, GancioStaffa& gancio);

// A tie between bars 1 and 2 with a hook at each end; the far hook takes the
// mirror type (1 and 2 swap, 3 and 4 stay).
bool SpilloPlotta(const Vettore<double>& x, const Vettore<double>& y, const Vettore<double>& r,
                  int tipo, double L, double angolo);

// The corner of a closed stirrup at bar i of n: the crossing of the legs from
// the bar before and to the bar after, each tangent on the outer side
// (the right of the way round for bars counter-clockwise, else the left).
bool StaffaVertice(const Vettore<double>& x, const Vettore<double>& y, const Vettore<double>& r,
                   int n, int i, bool antiorario, double& xv, double& yv);

// A closed stirrup round bars 1..n (n >= 3), both hooks at bar 1.
bool StaffaChiusaPlotta(const Vettore<double>& x, const Vettore<double>& y,
                        const Vettore<double>& r, int n, double L, double angolo,
                        bool antiorario);

}  // namespace Sismica
