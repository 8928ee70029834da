#pragma once
// Constitutive laws of the design code in force: parabola-rectangle concrete,
// elastic-perfectly-plastic steel (tendons carry their prestrain), the strain
// of a point of a plane, closed-form concrete blocks of a rectangle, and two
// routines of the rectangular design. Concrete strains and stresses are
// positive in compression; a steel stress has the sign of its strain.
//
// The constants are loaded from the program state by InizializzaMateriali and
// kept until the next load.
#include <array>
#include <cmath>
#include <optional>
#include <string>

class Materiali {
 public:
  double epsCu = 0;  // ultimate concrete strain
  double EPSSU = 0;  // ultimate steel strain
  double EPSP = 0;  // concrete strain at the end of the parabola
  double SIGCU = 0;  // fcd, the plateau of the concrete law
  double SIGCUC = 0;  // reduced strength fcc, limit of the axial force

  // Loads the constants from the program state with the steel modulus Es,
  // then tells the user when the concrete strains differ from the code's.
  void InizializzaMateriali(double Es);

  // Why the constants of the program state cannot be used: the first that
  // is not finite or out of its range (Intervalli: fck, gamma_c, alpha_cc,
  // fcd, fcc/fcd, strains, fyd, Es, n), or eps_c2 beyond eps_cu, or the
  // tendons' fyd 0 when conCavi and ultimo; a sentence for the user, empty
  // when all hold.
  static std::string CostantiNonValide(bool conCavi, bool ultimo);
  // The same for modular ratios [0] bars (only conBarre), [1] tendons (only
  // conCavi).
  static std::string RapportiNNonValidi(const std::array<float, 2>& n, bool conBarre,
                                        bool conCavi);

  // Whether eps_c2 passes eps_cu: by more than the code's values at fck 90
  // do, written to four digits (2.601 against 2.6 per mille).
  static bool ParabolaOltreUltimo(double epsC2, double epsCu);
  // The sentence that names both when it does; empty otherwise.
  static std::string ParabolaFuori(double epsC2, double epsCu);

  // Code values of eps_cu and eps_c2 for the fck in force.
  static void ParabolaRettangolo(double& epsCuNorma, double& epsC2Norma);

  // Minus the strain at ordinate y of the plane with strain e1 at y1 and e2
  // at y1 - h: elongation positive, as the steel is measured.
  static double EpsAcciaio(double e1, double e2, double y, double h, double y1) {
    return -(e2 + (e1 - e2) * (h - (y1 - y)) / h);
  }

  // Steel stress; tipo 0 bars, 1 tendons (which add the prestrain eps0).
  // Capped at fyd at the ultimate limit state, linear in "Metodo n".
  double SigmaAcciaio(double eps, int tipo, double eps0) const;
  // The law of SigmaAcciaio for one kind of steel, read once for a loop over
  // the bars: Sigma of the total strain (prestrain included).
  struct LeggeAcciaio {
    double Es, fyd;
    bool limitata;  // at the ultimate limit state
    double Sigma(double e) const {
      const double sigma = Es * e;
      if (limitata && std::fabs(sigma) > fyd) return e > 0 ? fyd : -fyd;
      return sigma;
    }
  };
  LeggeAcciaio Acciaio(int tipo) const;

  // Parabola-rectangle concrete stress; inline, as the strip loops call it
  // for every strip.
  double SigmaCls(double eps) const {
    if (eps < 0) return 0;
    if (eps >= EPSP) return SIGCU;
    return SIGCU * (eps / EPSP) * (2 - eps / EPSP);
  }

  // Compressed block of a rectangle of unit width and depth h, with strain e1
  // at the compressed edge and e2 at the other: returns the resultant, x the
  // neutral-axis depth from the compressed edge, z the arm of the resultant
  // from the neutral axis. A zero divisor (e1 = e2, e1 = 0) gives 0 and z = 0.
  double RisultanteCls(double e1, double e2, double& x, double h, double& z) const;
  // The same block from the neutral-axis depth x, without the cut at a depth.
  void TMP_RisultanteCompressioniCls(double x, double e1, double& risultante, double& z) const;

  // Force of a steel layer at depth dPrimo from the compressed edge (strain
  // e1, neutral axis at depth x).
  double RisultanteCompressioniAcciaio(double x, double e1, double dPrimo, double area,
                                       int tipo) const;

  // As/(b d) of a rectangle when the steel of the design reaches eps_su
  // (element 0) and when it just yields (element 1), concrete at eps_cu. The
  // steel is that of the design (TipoAcciaioProgetto); the second argument is
  // the caller's option and does not change the ratios.
  void RapportiLimiteArmatura(std::array<float, 2>& rapporti, int) const;

  // Tension bars that balance a b x (d + c) rectangle with concrete at eps_cu
  // and the bars at the elongation epsS, compression bars at c from the top
  // being k times the tension ones, or what the design window asks for.
  // Empty when no area balances it (compression steel worth as much as the
  // tension steel, no compressed depth).
  std::optional<float> AsEquilibrio(double d, double c, double b, double k, double epsS) const;

 private:
  void ControllaLimitiDeformazione() const;

  double Es_ = 0;
  std::array<double, 2> fyd_{};
  std::array<double, 2> epsYd_{};
};
