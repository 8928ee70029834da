#include "analysis/SezioneCAreagente.h"

#include <cmath>
#include <utility>

#include "model/AssiPrincipali.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

void SezioneCAreagente::SetPoligono(std::shared_ptr<::Poligono> poligono) {
  Contorno = poligono ? std::move(poligono) : std::make_shared<::Poligono>();
}

void SezioneCAreagente::BarreDati(int nFerri, const Vettore<float>& xFerri,
                                  const Vettore<float>& yFerri, const Vettore<float>& areeFerri,
                                  const std::array<float, 2>& rapporti, int nTrefoli,
                                  const Vettore<float>& xTrefoli, const Vettore<float>& yTrefoli,
                                  const Vettore<float>& areeTrefoli,
                                  const Vettore<float>& precompressione,
                                  std::optional<Vettore<double>> epsIniziali) {
  CopiaAcciai(nFerri, xFerri, yFerri, areeFerri, rapporti, nTrefoli, xTrefoli, yTrefoli,
              areeTrefoli, precompressione);
  CaratteristicheStaticheBarre();
  CaratteristicheStaticheSezione();
  if (epsIniziali) EpsCaviIniziale = std::move(*epsIniziali);
}

void SezioneCAreagente::CaratteristicheStaticheBarre() {
  AreaBarre = Area_b = stat_x_b = stat_y_b = 0;
  jota_x_b = jota_y_b = jota_xy_b = 0;
  CaratteristicheStaticheBarreSub(nBarre, xBarre, yBarre, AreeBarre, RapportiN[0]);
  CaratteristicheStaticheBarreSub(nCavi, xCavi, yCavi, AreeCavi, RapportiN[1]);
}

void SezioneCAreagente::CaratteristicheStaticheBarreSub(int n, const Vettore<float>& x,
                                                        const Vettore<float>& y,
                                                        const Vettore<float>& aree,
                                                        double rapporto) {
  float sA = 0;  // the unweighted area is summed in 32 bits
  double sy = 0, sx = 0, syy = 0, sxx = 0, sxy = 0;
  const float* xp = x.DaUno(n);
  const float* yp = y.DaUno(n);
  const float* ap = aree.DaUno(n);
  for (int i = 0; i < n; ++i) {
    const double xi = xp[i], yi = yp[i], a = ap[i];
    sA += ap[i];
    sy += yi * a;
    sx += xi * a;
    syy += yi * yi * a;
    sxx += xi * xi * a;
    sxy += xi * yi * a;
  }
  AreaBarre += sA;
  Area_b += rapporto * sA;
  stat_x_b += rapporto * sy;
  stat_y_b += rapporto * sx;
  jota_x_b += rapporto * syy;
  jota_y_b += rapporto * sxx;
  jota_xy_b += rapporto * sxy;
}

void SezioneCAreagente::CaratteristicheStaticheSezione() {
  double sx = stat_x_b, sy = stat_y_b, jx = jota_x_b, jy = jota_y_b, jxy = jota_xy_b;
  Area = Area_b;
  if (VariabiliPubbliche::Stato.SoloBarre == 0) {
    ::Poligono& cls = *Contorno;
    cls.CaratteristicheStatiche();
    Area += cls.Area;
    sx += cls.stat_x;
    sy += cls.stat_y;
    jx += cls.jota_x;
    jy += cls.jota_y;
    jxy += cls.jota_xy;
  }
  if (Area == 0) return;
  xG = sy / Area;
  yG = sx / Area;
  jota_xG = jx - Area * yG * yG;
  jota_yG = jy - Area * xG * xG;
  jota_xyG = jxy - yG * Area * xG;
  AssiPrincipaliSezione();
  iX = std::sqrt(jota_IG / Area);
  iY = std::sqrt(jota_IIG / Area);
}

void SezioneCAreagente::AssiPrincipaliSezione() {
  const AssiPrincipaliInerzia assi = CalcolaAssiPrincipali(jota_xG, jota_yG, jota_xyG);
  AngoloJotaI = assi.AngoloJotaI;
  AngoloJotaII = assi.AngoloJotaII;
  jota_IG = assi.jota_IG;
  jota_IIG = assi.jota_IIG < 0 ? 0 : assi.jota_IIG;  // a line of bars has none
}
