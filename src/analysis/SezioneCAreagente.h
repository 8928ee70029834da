#pragma once
// The reacting part of a cross-section: a concrete polygon plus bars and
// prestressing tendons, with the properties of the ideal section in which
// each steel area counts n times (n of its steel kind). Every analysis works
// on objects of this class and leaves its results in the public fields.
//
// The members are split by theme: SezioneCAreagente.cpp (data, steel and
// ideal-section properties); the analyses go in SezioneCAreagente_<Tema>.cpp.
#include <array>
#include <memory>
#include <optional>

#include "analysis/TipiRottura.h"
#include "model/Poligono.h"
#include "model/Vettore.h"

class SezioneCAreagente {
 public:
  SezioneCAreagente() = default;
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
  float dNeutro = 0;  // neutral-axis depth of the ultimate state
  float yNeutro = 0;  // ordinate of the neutral axis in its own frame
  float hTotale = 0;  // depth, width and top of the section in the neutral-axis frame
  float bTotale = 0;
  float ySezMax = 0;
  float EpsCsup = 0;  // top and bottom concrete strain of the current plane
  float EpsCinf = 0;
  int Tipo_Rottura = 0;  // TipoRottura
  Vettore<double> SigmaVerticiCls;  // concrete stress at each vertex

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

 private:
  friend struct SezioneProva;

  void AssiPrincipaliSezione();

  std::array<float, 2> RapportiN{};
  int nBarre = 0;
  Vettore<float> xBarre;
  Vettore<float> yBarre;
  Vettore<float> AreeBarre;
  int nCavi = 0;
  Vettore<float> xCavi;
  Vettore<float> yCavi;
  Vettore<float> AreeCavi;
  Vettore<float> PrecompressioneCavi;
  Vettore<double> EpsCaviIniziale;  // empty unless given
  double Area_b = 0;  // n-weighted steel: area, first moments about x and y
  double stat_x_b = 0;
  double stat_y_b = 0;

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
