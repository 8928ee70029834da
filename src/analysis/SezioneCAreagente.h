#pragma once
// The reacting part of a cross-section: a concrete polygon plus bars and
// prestressing tendons, with the properties of the ideal section in which
// each steel area counts n times (n of its steel kind). Every analysis works
// on objects of this class and leaves its results in the public fields.
//
// The members are split by theme: SezioneCAreagente.cpp (data, steel and
// ideal-section properties), SezioneCAreagente_Riferimento.cpp (turning into
// the neutral-axis frame and back, extremes), SezioneCAreagente_Slu.cpp (the
// ultimate strain-plane search), SezioneCAreagente_Integrali.cpp (resultants
// and moments of concrete and steel), SezioneCAreagente_MetodoN.cpp (neutral
// axis and stresses of the allowable-stress method); the other analyses go in
// SezioneCAreagente_<Tema>.cpp.
#include <array>
#include <memory>
#include <utility>
#include <optional>

#include "analysis/AcciaiSezione.h"
#include "analysis/EsitoCalcoloSlu.h"
#include "analysis/TipiRottura.h"
#include "model/Matematica.h"
#include "model/Poligono.h"
#include "model/Vettore.h"

// The root finder reaches yEquazione (the axial residual of the ultimate
// strain plane) through Matematica::Equazione. The bars and tendons are
// private fields (AcciaiSezione); EpsCaviIniziale stays empty unless given.
class SezioneCAreagente : public Matematica::Equazione, private AcciaiSezione {
 public:
  SezioneCAreagente() = default;
  // Sharing the given polygon, which must exist.
  explicit SezioneCAreagente(std::shared_ptr<::Poligono> poligono)
      : Contorno(std::move(poligono)) {}
  // The same, taking the memory of vecchia's steel arrays, which are left
  // empty (AcciaiSezione::PrendiMemoria).
  SezioneCAreagente(std::shared_ptr<::Poligono> poligono, SezioneCAreagente& vecchia)
      : SezioneCAreagente(std::move(poligono)) {
    PrendiMemoria(vecchia);
  }
  // Objects are shared, never copied: a copy would share the polygon and
  // not the steel.
  SezioneCAreagente(const SezioneCAreagente&) = delete;
  SezioneCAreagente& operator=(const SezioneCAreagente&) = delete;

  // Load point in homogeneous form (N*x, N*y, N); with N = 0 (x_N, y_N) is
  // the moment vector.
  double x_N = 0;
  double y_N = 0;
  double z_N = 0;
  // The reacting concrete; Poligono() and SetPoligono() are its accessors.
  std::shared_ptr<::Poligono> Contorno = std::make_shared<::Poligono>();
  // Second moments of the steel about the axes through the origin, n-weighted.
  double jota_x_b = 0;
  double jota_y_b = 0;
  double jota_xy_b = 0;
  double Area = 0;  // ideal area: concrete + n-weighted steel
  double xG = 0;
  double yG = 0;
  double AreaBarre = 0;  // bars and tendons, not weighted
  double jota_IG = 0;  // principal centroidal moments, jota_IG the larger
  double jota_IIG = 0;  // never negative
  double iX = 0;  // radii of gyration about axes I and II
  double iY = 0;
  double AngoloJotaI = 0;  // radians
  double AngoloJotaII = 0;
  double jota_xG = 0;
  double jota_yG = 0;
  double jota_xyG = 0;
  float Sig_c_max = 0;  // concrete stress at the highest and lowest fibre
  float Sig_c_min = 0;
  float hUtile = 0;  // most compressed concrete fibre to the farthest steel
  float yMaxCalcestruzzo = 0;  // depth of the reacting concrete across the neutral axis
  double AngoloM = 0;  // load vector in the neutral-axis frame
  float xMinC = 0;  // box of the concrete polygon
  float xMaxC = 0;
  float yMinC = 0;
  float yMaxC = 0;
  float xMinS = 0;  // box of all bars and tendons
  float xMaxS = 0;
  float yMinS = 0;
  float yMaxS = 0;
  double ApprossimazioneRisultante = 0;  // tolerance of the axial equilibrium, N
  float Eps_c_max = 0;  // ultimate strains
  float Eps_c_min = 0;
  float Eps_s_max = 0;
  double xPtoCalcoloM = 0;  // point about which moments are taken
  double yPtoCalcoloM = 0;
  // Neutral-axis depth of the ultimate state below the top fibre; for a
  // uniform plane +-AsseNeutroAllInfinito (see there).
  float dNeutro = 0;
  float yNeutro = 0;  // ordinate of the neutral axis in its own frame
  float hTotale = 0;  // depth, width and top of the section in the neutral-axis frame
  float bTotale = 0;
  float ySezMax = 0;
  float EpsCsup = 0;  // top and bottom concrete strain of the current plane
  float EpsCinf = 0;
  int Tipo_Rottura = 0;  // TipoRottura
  EsitoCalcoloSlu Esito = EsitoCalcoloSlu::NonEseguito;  // of the last CalcolaMomentiUltimi
  Vettore<double> SigmaVerticiCls;  // concrete stress at each vertex

  // Depth given to the neutral axis of a uniform strain plane, which has none:
  // far below the section when it is shortened, far above when elongated.
  static constexpr float AsseNeutroAllInfinito = 1E10F;  // mm

  const Vettore<double>& CoordX() const { return Contorno->CoordX(); }
  const Vettore<double>& CoordY() const { return Contorno->CoordY(); }
  template <class T>
  void Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n) {
    Contorno->Coordinate(x, y, n);
  }
  std::shared_ptr<::Poligono> Poligono() const { return Contorno; }
  // Shares the given polygon (nullptr: a new empty one).
  void SetPoligono(std::shared_ptr<::Poligono> poligono);

  // y of bar i, 1..number of bars.
  float yFerroi(int i) const { return yBarre(i); }

  // Bars and tendons (1-based arrays), the modular ratios [0] bars,
  // [1] tendons, the tendons' prestress (N/mm2) and, when given, their initial
  // strains; then the ideal-section properties. Set the polygon first.
  void BarreDati(int nFerri, const Vettore<float>& xFerri, const Vettore<float>& yFerri,
                 const Vettore<float>& areeFerri, const std::array<float, 2>& rapporti,
                 int nTrefoli, const Vettore<float>& xTrefoli, const Vettore<float>& yTrefoli,
                 const Vettore<float>& areeTrefoli, const Vettore<float>& precompressione,
                 std::optional<Vettore<double>> epsIniziali = std::nullopt);
  // The n-weighted sums of all the steel, from zero.
  void CaratteristicheStaticheBarre();
  // Adds n steel elements weighted by rapporto to the sums.
  void CaratteristicheStaticheBarreSub(int n, const Vettore<float>& x, const Vettore<float>& y,
                                       const Vettore<float>& aree, double rapporto);
  // Ideal-section properties of the polygon (none in the bars-only mode) and
  // the steel. A section of no area stops after Area, the rest keeps its value.
  void CaratteristicheStaticheSezione();

  // ---- Neutral-axis frame (SezioneCAreagente_Riferimento.cpp)

  // Bars, tendons, outline and load point carried by T; properties recomputed.
  void RotoTraslaSezione(const Vettore<double>& T);
  // Turns the section by angolo (degrees, counter-clockwise) about the moment
  // point into the frame where the neutral axis is horizontal and the
  // compressed side up; the moment point becomes the origin. T goes there,
  // Tinv comes back. The ideal-section properties are not recomputed.
  void RuotaSezioneSLU(double angolo, Vettore<double>& T, Vettore<double>& Tinv);
  // The neutral axis y = yNeutro into (a, b, c) of the section frame, and a
  // point of the top fibre line into (x_N, y_N, z_N). The section stays turned.
  void RipristinaSezioneSLU(const Vettore<double>& T, const Vettore<double>& Tinv, double& a,
                            double& b, double& c);
  // Boxes of the concrete and of all bars and tendons.
  void PuntiEstremi();
  // Lowest ordinate of bars and tendons; 0 with none.
  float yFerriMinFunz() const;

  // ---- Ultimate strain plane (SezioneCAreagente_Slu.cpp)

  // For the axial force N (compression positive) in the turned frame: the
  // strain plane in equilibrium and the resisting moments about the moment
  // point. tipo receives the failure type. Mx and My are written only when
  // Esito is Riuscito. Writes Nlimite, EpsFerri and EpsCavi of the current
  // section.
  void CalcolaMomentiUltimi(double N, int& tipo, double& Mx, double& My);
  // Concrete stress at each vertex of the outline into SigmaVerticiCls.
  void SigmaClsCalcola();
  // True when |N| is below the limit axial force Nlim of the side N acts on;
  // otherwise the user is told.
  bool ControllaForzaAssialeLimite(double N, double& Nlim);
  // Whether the plane (EpsCsup, EpsCinf) balances N within a millionth of
  // what the whole section could carry at fcd and fyd: the check of every
  // solve, whatever tolerance the search was given.
  bool InEquilibrio(double N) const;
  // The same check of the plane's axial residual, already computed.
  bool EntroPortata(double residuo) const;
  // Finds the plane in equilibrium with N and its axial residual; false,
  // after telling the user, when there is none between the bracketing planes
  // or the search fails.
  bool EquilibrioTraslazione(double N, double& residuo);
  // Axial residual of the plane of parameter x = EpsCsup - EpsCinf; N is the
  // parameter.
  double yEquazione(double& x, const std::optional<double>& N) override;
  // EpsCsup and EpsCinf from x by the failure type (which may switch between
  // 0 and 2).
  void VariaEps(double x);
  // Wholly compressed plane: the fibre at (1 - eps_c2/eps_cu) of the depth
  // holds eps_c2, so the top reaches eps_cu exactly at x = eps_cu.
  void VariaEpsTuttoCompresso(double x, float& epsSup, float& epsInf) const;

  // ---- Resultants and moments (SezioneCAreagente_Integrali.cpp)

  // Concrete resultant less steel resultant less N.
  double RisultanteAssiale(double epsSup, double epsInf, double N) const;
  // Compression resultant of the concrete of the plane (epsSup, epsInf).
  double RisultanteCls(double epsSup, double epsInf) const;
  // Resultant of bars and tendons, tension positive.
  double RisultanteAcciaio(double epsSup, double epsInf) const;
  // Moments of the concrete and of the steel of the current plane.
  void MomentiUltimiCls(double& Mx, double& My) const;
  void MomentiUltimiAcciaio(double& Mx, double& My) const;

 private:
  friend struct SezioneProva;

  void AssiPrincipaliSezione();
  // Adds the moments of one steel group (tipo 0 bars, 1 tendons).
  void MomentiUltimiAcciaioSub(double& Mx, double& My, int n, const Vettore<float>& x,
                               const Vettore<float>& y, const Vettore<float>& aree,
                               int tipo) const;
  // Initial strain of tendon i; 0 when none was given.
  double EpsInizialeCavo(int i) const;

  double residuoPiano_ = 0;  // axial residual of the last plane yEquazione set

  double Area_b = 0;  // n-weighted steel: area, first moments about x and y
  double stat_x_b = 0;
  double stat_y_b = 0;

  // ---- Allowable-stress method (SezioneCAreagente_MetodoN.cpp)
 public:
  // The neutral axis a*x + b*y + c = 0, in the section's axes, of the load
  // point (xN, yN, zN) in homogeneous form: the antipolar line of the point
  // with respect to the central ellipse of inertia.
  void EquazioneAsseNeutro(double xN, double yN, double zN, double& a, double& b, double& c);
  // The antipolar line of (xP, yP, wP) in the principal frame. Radii of
  // gyration below 1E-20 (steel in one line) are raised to 1E-20 in iX, iY.
  void AntipolareQui(double xP, double yP, double wP, double& a, double& b, double& c);
  // Linear stresses of this section, turned so that the neutral axis runs
  // along x with the compressed side up, under the axial force N: Sig_c_max,
  // Sig_c_min, yMaxCalcestruzzo and hUtile here; the vertex stresses
  // (SigmaVerticiCls of SezioneReagenteI) and the steel strains (EpsFerri,
  // EpsCavi, elongation positive) into the current section. False, after
  // telling the user, when the section cannot carry it (no area, no inertia
  // about the axis).
  bool TensioniMetodoN(double N);

 private:
  static double ValoreMinimoPositivo(double valore);
  // Strains of steel elements 1..n of kind tipo: -n sigma(y) / Es.
  Vettore<double> DeformazioniBarreMetodoN(double sigmaN, double Mperp, int n,
                                           const Vettore<float>& y, int tipo) const;
  // ---- Domain points and moment-curvature (SezioneCAreagente_MN.cpp,
  // SezioneCAreagente_Curvatura.cpp)
 public:
  // Strips of the outline in the frame it lies in, with NumeroRettangoli;
  // sets hTotale, bTotale and ySezMax.
  void DiscretizzaSezione();
  // Makes (epsSup, epsInf) the current plane: N is its axial resultant
  // (compression positive), M its moment about the axis through the moment
  // point parallel to the neutral axis.
  void CalcolaMN(double& M, double& N, float epsSup, float epsInf);
  // The plane of strain difference curvH (top less bottom) in equilibrium
  // with N, searched from the bottom strain epsInf (in: where to start, out:
  // the equilibrium value; the start must lie on the compressed side): its
  // moment M, concrete resultant nCls and top strain epsSup. False, after
  // telling the user, when the search does not converge.
  bool CalcolaMomentoCurvatura(double N, float curvH, float& epsInf, int k, double& M,
                               float& nCls, float& epsSup);
  // The search of CalcolaMomentoCurvatura: the top strain goes down in steps
  // of curvH / k, doubled until the residual changes sign, then Illinois false
  // position; each loop is bounded.
  bool EquilibrioTraslazioneCurvatura(int k, float curvH, float& epsInf, double N);
  // Strain difference between curvH1 and curvH2 at which the lowest steel
  // reaches its yield strain in a plane in equilibrium with N; nothing, after
  // the root finder has told the user, when it finds none.
  std::optional<float> CurvaturaSnervamento(double N, float curvH1, float curvH2);

  // ---- Drawing (SezioneCAreagente_Plot.cpp)
 public:
  // The label "G" at the centroid, 3 marker sizes to its left, and, when both
  // radii of gyration are non-zero, the central ellipse of inertia with its
  // axes, in magenta.
  void PlottaEllisse(double marcatore, double altezzaTesto) const;
  // With VisTensioniCls, the concrete stress at each vertex of the reacting
  // section of the current section, its sign turned, coloured by sign.
  void PltTensioniCls(double altezzaTesto) const;
};
