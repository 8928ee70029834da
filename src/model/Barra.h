#pragma once
// A group of equal longitudinal bars: how many, of which diameter, where.
#include <string>

#include "model/Vettore.h"

class Barra {
 public:
  short nBarre = 0;
  float Diametro = 0;  // mm
  Vettore<double> Posizione_;  // transverse x of each bar, mm
  short iPosizione = 0;  // group number, kept by the owner
  std::string Tipo;

  // Total area, mm2.
  float Area() const;
  void AssegnaPosizione(const Vettore<double>& posizioni) { Posizione_ = posizioni; }
  // Weight per metre of length, kg/m.
  float Peso() const;
};
