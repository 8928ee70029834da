#pragma once
// Plane polygon of a section outline: vertices counted from 1, closed
// implicitly (the side after the last vertex runs back to vertex 1), in either
// direction. Its section properties are left in public fields; each keeps its
// value until the routine that sets it runs again.
//
// The members are split by theme: Poligono.cpp (vertices),
// Poligono_Caratteristiche.cpp (area and section properties),
// Poligono_Estremi.cpp (extremes); further themes go in Poligono_<Tema>.cpp.
#include <utility>

#include "model/Vettore.h"

class Poligono {
 public:
  // Section properties (mm based), set by AreaCalcola, CaratteristicheStatiche
  // and CaratteristicheStaticheCerchio; callers may also write them.
  double Area = 0;  // never negative
  double xG = 0;
  double yG = 0;
  double stat_x = 0;  // integral of y dA
  double stat_y = 0;  // integral of x dA
  double jota_x = 0;  // integral of y^2 dA, about the origin
  double jota_y = 0;  // integral of x^2 dA
  double jota_xy = 0;  // integral of x*y dA
  double jota_xG = 0;  // the same three about the centroid
  double jota_yG = 0;
  double jota_xyG = 0;
  double jota_IG = 0;  // principal centroidal moments, jota_IG >= jota_IIG
  double jota_IIG = 0;
  double AngoloJotaI = 0;  // radians, counter-clockwise from +x
  double AngoloJotaII = 0;
  double iX = 0;  // radii of gyration about the principal axes
  double iY = 0;
  double WxSuperiore = 0;  // elastic moduli for the top, bottom, right, left fibre
  double WxInferiore = 0;
  double WyDestra = 0;
  double WySinistra = 0;
  double Wplx = 0;  // plastic moduli
  double Wply = 0;
  int nRettangolini_ = 0;  // strips of the last discretisation
  bool NumerazioneVerticiAntioraria = false;

  // A new polygon with these vertices, properties and orientation; the strips
  // of a discretisation are not carried over.
  Poligono Copia() const;

  int nVertici() const { return nVertici_; }
  // A positive count re-creates both arrays with every coordinate 0; zero or
  // less only changes the count.
  void SetnVertici(int n);

  const Vettore<double>& CoordX() const { return x_; }
  const Vettore<double>& CoordY() const { return y_; }
  // Elements 1..Ub() of the source become the vertices (element 0 is ignored)
  // and the count becomes Ub(). A source without elements 1..Ub() leaves the
  // array as it was and the count 0. Set both x and y.
  void SetCoordX(const Vettore<double>& valori);
  void SetCoordY(const Vettore<double>& valori);

  // Vertices from elements 1..n of x and y; n below 1 gives an empty polygon.
  template <class T>
  void Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n);

  // Vertex i in 1..nVertici(); xI and yI are the same accessors.
  double X(int i) const { return x_(i); }
  double Y(int i) const { return y_(i); }
  void SetX(int i, double valore) { x_(i) = valore; }
  void SetY(int i, double valore) { y_(i) = valore; }
  double xI(int i) const { return X(i); }
  double yI(int i) const { return Y(i); }
  void SetxI(int i, double valore) { SetX(i, valore); }
  void SetyI(int i, double valore) { SetY(i, valore); }

  double Perimetro() const;

  // Area and orientation; with fewer than 3 vertices Area is 0 and the
  // orientation flag keeps its value.
  void AreaCalcola();
  // Area not above 0, or with AreaRelativa not above Perimetro()^2 / 1E20.
  bool AreaNulla(bool AreaRelativa);
  void CaratteristicheStaticheCerchio(double RaggioEsterno, double RaggioInterno);
  // Every section property of the outline, or of a circle or ring when Cerchio.
  // SoloAzzeramento only zeroes the area and the integrals about the origin.
  void CaratteristicheStatiche(bool SoloAzzeramento = false, bool Cerchio = false,
                               double RaggioEsterno = 0, double RaggioInterno = 0);

  // Smallest and largest vertex coordinates, from 1E20 and -1E20; tolleranza
  // gets the larger extent / 1E9.
  void MaxMin(double& xMin, double& xMax, double& yMin, double& yMax,
              double* tolleranza = nullptr) const;

 private:
  Vettore<double> x_;
  Vettore<double> y_;
  int nVertici_ = 0;
};

template <class T>
void Poligono::Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n) {
  // Built aside, so that a short source leaves the polygon as it was.
  Vettore<double> nuoviX, nuoviY;
  if (n >= 1) {
    nuoviX.ReDim(1, n);
    nuoviY.ReDim(1, n);
    for (int i = 1; i <= n; ++i) {
      nuoviX(i) = static_cast<double>(x(i));
      nuoviY(i) = static_cast<double>(y(i));
    }
  }
  x_ = std::move(nuoviX);
  y_ = std::move(nuoviY);
  nVertici_ = n >= 1 ? n : 0;
}
