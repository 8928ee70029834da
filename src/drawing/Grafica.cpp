#include "drawing/Grafica.h"

#include <cmath>

namespace Grafica {

double Log10(double x) {
  if (x < 1E-20) return -20;
  return std::log(x) / std::log(10.0);
}

double Distanza(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

short AreaConSegno(int n, const Vettore<double>& x, const Vettore<double>& y, double* area) {
  double s = 0;
  if (n >= 3) {
    const int lb = x.Lb();
    const int ub = lb + n - 1;
    for (int i = lb; i <= ub; ++i) {
      const int prec = (i == lb) ? ub : i - 1;
      const int succ = (i == ub) ? lb : i + 1;
      s += y(i) * (x(prec) - x(succ));
    }
  }
  const double a = s / 2;
  if (area) *area = a;
  return a >= 0 ? 1 : 0;
}

}  // namespace Grafica
