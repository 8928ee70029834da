// Resultants and moments of the ultimate strain plane: the concrete over the
// horizontal strips from the top down to the compressed depth (or by the
// closed form of a rectangle while a design runs), the steel bar by bar.
// Moments are compressive force times lever arm from the moment point.
#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/SezioneCAreagente.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::MaterialiCorrenti;
using VariabiliPubbliche::Stato;

double SezioneCAreagente::RisultanteAssiale(double epsSup, double epsInf, double N) const {
  return RisultanteCls(epsSup, epsInf) - RisultanteAcciaio(epsSup, epsInf) - N;
}

double SezioneCAreagente::RisultanteCls(double epsSup, double epsInf) const {
  if (epsSup < 0) return 0;
  const Materiali& materiali = MaterialiCorrenti();
  const double h = hTotale;
  // Compressed depth; a wholly compressed plane runs past the bottom.
  double xc = epsInf > 0 ? 2 * h : h * epsSup / (epsSup - epsInf);
  if (Stato.ProgettoInCorso) {
    double z;
    return materiali.RisultanteCls(epsSup, epsInf, xc, h, z) * bTotale;
  }
  // Whole strips from the running depths and areas kept with the strips;
  // the one the compressed depth cuts, from its part.
  const ::Poligono& cls = *Contorno;
  const StrisceRettangolini& strisce = cls.Strisce();
  const int n = cls.nRettangolini_;
  if (n > 0) strisce.AreaIntera(n);  // checks the tables hold every strip
  const double* fondo = strisce.Fondo.Dati().data();
  const double* aree = strisce.AreaIntera.Dati().data();
  const double salto = epsSup - epsInf;
  double risultante = 0;
  for (int i = 1; i <= n; ++i) {
    const double s = fondo[i - 1];
    double t = fondo[i], m, area;
    if (t > xc) {
      t = s;
      area = cls.RettangolinoArea(t, xc, s, m, i);
    } else {
      m = (s + t) / 2;
      area = aree[i - 1];
    }
    risultante += materiali.SigmaCls(epsInf + salto * (h - m) / h) * area;
    if (t >= xc) break;
  }
  return risultante;
}

double SezioneCAreagente::RisultanteAcciaio(double epsSup, double epsInf) const {
  const Materiali& materiali = MaterialiCorrenti();
  const double h = hTotale, ySup = ySezMax;
  double risultante = 0;
  if (nBarre > 0) {
    const Materiali::LeggeAcciaio barre = materiali.Acciaio(0);
    const float* y = yBarre.DaUno(nBarre);
    const float* aree = AreeBarre.DaUno(nBarre);
    for (int i = 0; i < nBarre; ++i) {
      const double eps = Materiali::EpsAcciaio(epsSup, epsInf, y[i], h, ySup);
      risultante += aree[i] * barre.Sigma(eps);
    }
  }
  if (nCavi < 1) return risultante;
  const Materiali::LeggeAcciaio cavi = materiali.Acciaio(1);
  for (int i = 1; i <= nCavi; ++i) {
    const double eps = Materiali::EpsAcciaio(epsSup, epsInf, yCavi(i), h, ySup);
    risultante += AreeCavi(i) * cavi.Sigma(eps + EpsInizialeCavo(i));
  }
  return risultante;
}

void SezioneCAreagente::MomentiUltimiCls(double& Mx, double& My) const {
  Mx = My = 0;
  const double es = EpsCsup, ei = EpsCinf, h = hTotale;
  if (es < 0) return;  // no compressed concrete
  double xc;
  if (ei <= 0) {
    if (std::fabs(EpsCsup - EpsCinf) < 1E-20F) return;
    xc = es * h / (es - ei);
  } else {
    xc = 2 * h;
  }
  const Materiali& materiali = MaterialiCorrenti();
  if (Stato.ProgettoInCorso) {
    double a;
    const double rc = materiali.RisultanteCls(es, ei, xc, h, a);
    Mx = (ySezMax - yPtoCalcoloM + a - xc) * rc * bTotale;
    return;
  }
  double mx = 0, my = 0;
  Contorno->MomentiStrisce(xc, xPtoCalcoloM, yPtoCalcoloM, [&](double m, double Sx, double Sy) {
    const double sigma = materiali.SigmaCls(ei + (es - ei) * (h - m) / h);
    mx += sigma * Sx;
    my += sigma * Sy;
  });
  Mx = mx;
  My = my;
}

void SezioneCAreagente::MomentiUltimiAcciaio(double& Mx, double& My) const {
  Mx = My = 0;
  MomentiUltimiAcciaioSub(Mx, My, nBarre, xBarre, yBarre, AreeBarre, 0);
  MomentiUltimiAcciaioSub(Mx, My, nCavi, xCavi, yCavi, AreeCavi, 1);
}

void SezioneCAreagente::MomentiUltimiAcciaioSub(double& Mx, double& My, int n,
                                                const Vettore<float>& x, const Vettore<float>& y,
                                                const Vettore<float>& aree, int tipo) const {
  const Materiali::LeggeAcciaio legge = MaterialiCorrenti().Acciaio(tipo);
  const float* xp = x.DaUno(n);
  const float* yp = y.DaUno(n);
  const float* ap = aree.DaUno(n);
  double mx = Mx, my = My;
  for (int i = 0; i < n; ++i) {
    const double eps = Materiali::EpsAcciaio(EpsCsup, EpsCinf, yp[i], hTotale, ySezMax);
    // Tension positive: its moment is that of a compression of -F.
    const double F = ap[i] * legge.Sigma(tipo == 1 ? eps + EpsInizialeCavo(i + 1) : eps);
    mx += F * (yPtoCalcoloM - yp[i]);
    my += F * (xPtoCalcoloM - xp[i]);
  }
  Mx = mx;
  My = my;
}

double SezioneCAreagente::EpsInizialeCavo(int i) const {
  return i <= EpsCaviIniziale.Ub() && i >= EpsCaviIniziale.Lb() ? EpsCaviIniziale(i) : 0;
}
