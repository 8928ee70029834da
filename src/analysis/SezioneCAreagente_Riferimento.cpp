// Turning the reacting section into the neutral-axis frame and back, and the
// extremes of concrete and steel in the frame it lies in.
#include <algorithm>

#include "analysis/SezioneCAreagente.h"
#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"

void SezioneCAreagente::RotoTraslaSezione(const Vettore<double>& T) {
  Grafica::RotoTraslaPunti(xBarre, yBarre, T, xBarre, yBarre, nBarre);
  Grafica::RotoTraslaPunti(xCavi, yCavi, T, xCavi, yCavi, nCavi);
  CaratteristicheStaticheBarre();
  Contorno->RotoTraslaVertici(T);
  CaratteristicheStaticheSezione();
  Grafica::RotoTraslaPunto(x_N, y_N, T, x_N, y_N, z_N);
}

void SezioneCAreagente::RuotaSezioneSLU(double angolo, Vettore<double>& T, Vettore<double>& Tinv) {
  const double teta = angolo * Matematica::Pi / 180;
  Grafica::MatriceRotoTraslazione(xPtoCalcoloM, yPtoCalcoloM, teta, T, Tinv);
  Grafica::RotoTraslaPunti(xBarre, yBarre, T, xBarre, yBarre, nBarre);
  Grafica::RotoTraslaPunti(xCavi, yCavi, T, xCavi, yCavi, nCavi);
  Contorno->RotoTraslaVertici(T);
  Grafica::RotoTraslaPunto(xPtoCalcoloM, yPtoCalcoloM, T, xPtoCalcoloM, yPtoCalcoloM);
}

void SezioneCAreagente::RipristinaSezioneSLU(const Vettore<double>& T,
                                             const Vettore<double>& Tinv, double& a, double& b,
                                             double& c) {
  Grafica::RotoTraslaRetta(0, 1, -yNeutro, Tinv, T, a, b, c);
  z_N = 1;
  Grafica::RotoTraslaPunto(0, ySezMax, Tinv, x_N, y_N, z_N);
}

void SezioneCAreagente::PuntiEstremi() {
  double x0, x1, y0, y1;
  Grafica::RettangoloIngombro(Contorno->nVertici(), CoordX(), CoordY(), x0, x1, y0, y1);
  xMinC = static_cast<float>(x0);
  xMaxC = static_cast<float>(x1);
  yMinC = static_cast<float>(y0);
  yMaxC = static_cast<float>(y1);
  if (nBarre + nCavi < 1) return;
  // A group with no element gives +-1E20, which the other group's values beat.
  double xbMin, xbMax, ybMin, ybMax, xcMin, xcMax, ycMin, ycMax;
  Grafica::MaxMinVettore(nBarre, xBarre, xbMin, xbMax);
  Grafica::MaxMinVettore(nBarre, yBarre, ybMin, ybMax);
  Grafica::MaxMinVettore(nCavi, xCavi, xcMin, xcMax);
  Grafica::MaxMinVettore(nCavi, yCavi, ycMin, ycMax);
  xMinS = static_cast<float>(std::min(xbMin, xcMin));
  xMaxS = static_cast<float>(std::max(xbMax, xcMax));
  yMinS = static_cast<float>(std::min(ybMin, ycMin));
  yMaxS = static_cast<float>(std::max(ybMax, ycMax));
}

float SezioneCAreagente::yFerriMinFunz() const {
  if (nBarre < 1 && nCavi < 1) return 0;
  double y = 1E20;
  if (nBarre > 0) y = Grafica::MinimoEIndice(nBarre, yBarre);
  if (nCavi > 0) y = std::min(y, Grafica::MinimoEIndice(nCavi, yCavi));
  return static_cast<float>(y);
}
