#pragma once
// Scalar numerics: the root finder every iterative calculation goes through,
// vector angles, interpolation, quadratic roots, sign and parity tests.
#include <optional>

namespace Matematica {

// The program's pi, as every angle, area and weight is computed with it.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double DuePi = 6.28318530717958;
inline constexpr double TrePi = 9.42477796076937;

// An object whose residual the root finder drives to zero. It may keep state:
// the last call made is at the point returned.
class Equazione {
 public:
  virtual ~Equazione() = default;
  // parametro is passed through unchanged when the caller of the root finder gave one.
  virtual double yEquazione(double& x, const std::optional<double>& parametro) = 0;
};

// Regula falsi with the Illinois modification between x1 and x2 (both left
// holding the last bracket). Returns the root, or 0 after telling the user
// when there is no sign change, when the user stops it at the prompt that
// comes every 100 iterations, or when two residuals are equal; *trovata says
// which of the two it was.
double RadiceRegulaFalsi(Equazione& oggetto, double& x1, double& x2, double tolleranza,
                         const std::optional<double>& parametro = std::nullopt,
                         bool* trovata = nullptr);

// Polar angle of (x, y) in [0, 2pi), counter-clockwise from +x; ordinate first.
double AngoloVettore(double y, double x);
double AngoloVettoreAssi(double y, double x);

// Value at x on the line through (x1, y1) and (x2, y2); y1 when x1 = x2.
double yInterpola(double x, double x1, double y1, double x2, double y2);

// Arcsine for |x| < 1.
double ArcoSeno(double x);

// Real roots of a x^2 + b x + c; false (r1, r2 untouched) when there are none.
bool RadiciSecondoGrado(double a, double b, double c, double& r1, double& r2);

// Both positive, both negative, or both zero.
bool StessoSegno(double a, double b);

template <class Collezione>
void SvuotaCollezione(Collezione& c) {
  c.clear();
}

// Even integers only; a fraction is never even.
bool NumeroPari(double x);
bool NumeroDispari(double x);

}  // namespace Matematica
