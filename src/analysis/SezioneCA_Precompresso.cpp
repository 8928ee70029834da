// Prestress: the tendons' resultant added to the service load of the
// allowable-stress method, and the initial tendon strains of an ultimate
// verification.
#include <cmath>

#include "analysis/SezioneCA.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void SezioneCA::RisultanteCavi(double& NR, double& xR, double& yR) const {
  if (nCavi < 1) return;
  float Sx = 0, Sy = 0;
  for (int i = 1; i <= nCavi; ++i) {
    const float F = PrecompressioneCavi(i) * AreeCavi(i);
    Sx += F * xCavi(i);
    Sy += F * yCavi(i);
    NR += F;
  }
  if (NR > 0) {
    xR = Sx / NR;
    yR = Sy / NR;
  }
}

void SezioneCA::PressoFlessioneMetodoNPrecompresso(int nMaxPassi) {
  double NR = 0, xR = 0, yR = 0;
  RisultanteCavi(NR, xR, yR);
  const double N = SollecitazioneN[1];
  const float Ntot = static_cast<float>(NR + N);
  if (std::fabs(Ntot) > 0) {
    xPtoCalcoloM = static_cast<float>((xR * NR + xPtoCalcoloM * N) / Ntot);
    yPtoCalcoloM = static_cast<float>((yR * NR + yPtoCalcoloM * N) / Ntot);
  }
  SollecitazioneN[1] = Ntot;
  PressoFlessioneMetodoNsub(nMaxPassi);
}

void SezioneCA::PressoFlessioneSluPrecompresso() {
  for (int i = 1; i <= nCavi; ++i) EpsCaviIniziale(i) = PrecompressioneCavi(i) / Stato.ModuloEs;
}

void SezioneCA::PressoFlessioneSluPrecompressoConDecompressione() {
  const double N = SollecitazioneN[1], Mx = SollecitazioneMx[1], My = SollecitazioneMy[1];
  const float xPto = xPtoCalcoloM, yPto = yPtoCalcoloM;
  double NR = 0, xR = 0, yR = 0;
  RisultanteCavi(NR, xR, yR);
  xPtoCalcoloM = static_cast<float>(xR);
  yPtoCalcoloM = static_cast<float>(yR);
  SollecitazioneN[1] = NR;
  SollecitazioneMx[1] = SollecitazioneMy[1] = 0;
  PressoFlessioneMetodoNsub();
  SollecitazioneN[1] = N;
  SollecitazioneMx[1] = Mx;
  SollecitazioneMy[1] = My;
  xPtoCalcoloM = xPto;
  yPtoCalcoloM = yPto;
  // The concrete at each tendon shortens under the prestress alone (a
  // negative strain), and the tendon's initial strain grows by as much; a run
  // that left no strains adds nothing.
  for (int i = 1; i <= nCavi; ++i) {
    const double epsCls = i <= EpsCavi.Ub() ? EpsCavi(i) : 0;
    EpsCaviIniziale(i) = PrecompressioneCavi(i) / Stato.ModuloEs - epsCls;
  }
}
