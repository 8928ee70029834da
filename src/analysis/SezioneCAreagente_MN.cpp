// Points of the M-N interaction domain: one strain plane integrated into its
// axial force and moment, on the strips of the outline in its current frame.
#include "analysis/SezioneCAreagente.h"
#include "model/VariabiliPubbliche.h"

void SezioneCAreagente::DiscretizzaSezione() {
  using VariabiliPubbliche::Stato;
  double h, b, yMax;
  Contorno->DiscretizzaPoligono(Stato.NumeroRettangoli, h, b, yMax, Stato.ProgettoInCorso);
  hTotale = static_cast<float>(h);
  bTotale = static_cast<float>(b);
  ySezMax = static_cast<float>(yMax);
}

void SezioneCAreagente::CalcolaMN(double& M, double& N, float epsSup, float epsInf) {
  EpsCsup = epsSup;
  EpsCinf = epsInf;
  N = RisultanteAssiale(EpsCsup, EpsCinf, 0);
  double mxCls, myCls, mxAcciaio, myAcciaio;
  MomentiUltimiCls(mxCls, myCls);
  MomentiUltimiAcciaio(mxAcciaio, myAcciaio);
  M = mxCls + mxAcciaio;
}
