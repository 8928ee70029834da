// Moment-curvature engine: for a given strain difference across the depth,
// the strain plane in axial equilibrium and the moment it carries; and the
// strain difference at which the lowest steel yields.
#include <cmath>

#include "analysis/SezioneCAreagente.h"
#include "platform/MsgBox.h"

namespace {

// Each loop of the equilibrium search stops here.
constexpr int MaxIterazioni = 100;
// A plane with no curvature is moved by this strain a step instead.
constexpr float PassoSenzaCurvatura = 0.001f;

bool NonConvergente() {
  platform::MsgBox("ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
  return false;
}

}  // namespace

bool SezioneCAreagente::CalcolaMomentoCurvatura(double N, float curvH, float& epsInf, int k,
                                                double& M, float& nCls, float& epsSup) {
  EpsCinf = epsInf;
  if (!EquilibrioTraslazioneCurvatura(k, curvH, EpsCinf, N)) return false;
  EpsCsup = EpsCinf + curvH;
  if (!InEquilibrio(N)) return false;
  nCls = static_cast<float>(RisultanteCls(EpsCsup, EpsCinf));
  double mxCls, myCls, mxAcciaio, myAcciaio;
  MomentiUltimiCls(mxCls, myCls);
  MomentiUltimiAcciaio(mxAcciaio, myAcciaio);
  M = mxCls + mxAcciaio;
  epsInf = EpsCinf;
  epsSup = EpsCsup;
  return true;
}

bool SezioneCAreagente::EquilibrioTraslazioneCurvatura(int k, float curvH, float& epsInf,
                                                       double N) {
  const float tol = static_cast<float>(ApprossimazioneRisultante);
  // Residual of the plane whose top strain is e; the bottom strain follows it.
  auto residuo = [&](double e) {
    epsInf = static_cast<float>(e - curvH);
    return static_cast<float>(RisultanteAssiale(epsInf + curvH, epsInf, N));
  };
  const float partenza = epsInf;
  double ePrec = static_cast<double>(epsInf) + curvH;
  float rPrec = residuo(ePrec);
  if (std::fabs(rPrec) < tol) {
    epsInf = partenza;
    platform::MsgBox("rottura !");
    return true;
  }
  float passo = curvH / static_cast<float>(k);
  if (passo == 0) passo = PassoSenzaCurvatura;

  // Down from the compressed side, the step doubled until the sign changes.
  double e = ePrec;
  float r = rPrec;
  for (int i = 0;; ++i) {
    if (i == MaxIterazioni) return NonConvergente();
    e = ePrec - passo;
    r = residuo(e);
    if (std::fabs(r) < tol) return true;
    if (rPrec * r < 0) break;
    passo *= 2;
    ePrec = e;
    rPrec = r;
  }

  // Illinois false position between a, the end kept, and b, the newest point.
  double ea = ePrec, eb = e;
  float ra = rPrec, rb = r;
  for (int i = 0; i < MaxIterazioni; ++i) {
    const double x = eb - (eb - ea) * rb / (rb - ra);
    const float rx = residuo(x);
    if (std::fabs(rx) < tol) return true;
    if (rx * rb > 0) {
      ra /= 2;
    } else {
      ea = eb;
      ra = rb;
    }
    eb = x;
    rb = rx;
  }
  return NonConvergente();
}

std::optional<float> SezioneCAreagente::CurvaturaSnervamento(double N, float curvH1,
                                                             float curvH2) {
  Tipo_Rottura = TipoRottura::SnervamentoAcciaio;
  double x1 = curvH1, x2 = curvH2;
  bool trovata = false;
  Matematica::RadiceRegulaFalsi(*this, x1, x2, ApprossimazioneRisultante, N, &trovata);
  if (!trovata) return std::nullopt;
  return EpsCsup - EpsCinf;
}
