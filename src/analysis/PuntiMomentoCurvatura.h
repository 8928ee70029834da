#pragma once
// The points of a moment-curvature curve, slots 0 (the unloaded origin) to
// nPunti (the ultimate curvature), with its two characteristic points: where
// the bars yield and where the top fibre reaches eps_c2. Curvature is carried
// as Curv·H, the strain difference between the top and the bottom fibre.
#include "model/Vettore.h"

struct PuntoCurva {
  float CurvH = 0;
  float Momento = 0;  // Nmm
  float EpsCls = 0;  // top concrete strain, shortening positive
  float EpsAcc = 0;  // strain of the lowest steel, elongation positive
  float NCls = 0;  // concrete resultant, N
};

struct PuntiMomentoCurvatura {
  int nPunti = 0;
  double N = 0;  // axial force, compression positive
  float H = 0;  // depth of the section across the neutral axis, mm
  Vettore<float> CurvH, Momento, EpsCls, EpsAcc, NCls;

  bool Snervato = false;  // the bars yield; the point is in slot iSnerv
  int iSnerv = 0;
  bool EpsC2Trovato = false;  // the top reaches eps_c2; the point is in slot iEpsC2
  int iEpsC2 = 0;

  void Dimensiona(int n) {
    nPunti = n;
    for (Vettore<float>* v : {&CurvH, &Momento, &EpsCls, &EpsAcc, &NCls}) v->ReDim(0, n);
  }
  PuntoCurva Punto(int i) const { return {CurvH(i), Momento(i), EpsCls(i), EpsAcc(i), NCls(i)}; }
  void Imposta(int i, const PuntoCurva& p) {
    CurvH(i) = p.CurvH;
    Momento(i) = p.Momento;
    EpsCls(i) = p.EpsCls;
    EpsAcc(i) = p.EpsAcc;
    NCls(i) = p.NCls;
  }
};
