// Hatching of a polygon with parallel lines, as segments for the caller to draw.
#include <cmath>

#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"

namespace Grafica {

std::vector<Segmento> SegmentiTratteggio(int n, const Vettore<double>& x,
                                         const Vettore<double>& y, double angolo, double linee) {
  std::vector<Segmento> segmenti;
  if (n < 3) return segmenti;
  ImpostaZeroMaxDimen(DimensioneRelativa(x, y, n, 1000000));

  // In the frame turned by the hatch angle the hatch lines are horizontal.
  Vettore<double> T, U;
  MatriceRotoTraslazione(0, 0, angolo * Matematica::Pi / 180, T, U);
  Vettore<double> xr(1, n), yr(1, n);
  RotoTraslaPunti(x, y, T, xr, yr, n);
  ArrotondaSingolaPrecisione(xr);
  ArrotondaSingolaPrecisione(yr);
  double xMin, xMax, yMin, yMax;
  RettangoloIngombro(n, xr, yr, xMin, xMax, yMin, yMax);

  // Band count rounded half to even; a spacing when linee is negative.
  double conta;
  float passo;
  if (linee < 0) {
    passo = static_cast<float>(-linee);
    conta = std::nearbyint((yMax - yMin) / passo);
  } else {
    conta = std::nearbyint(linee);
    passo = conta >= 1 ? static_cast<float>((yMax - yMin) / conta) : 0.0f;
  }
  if (!(conta >= 1 && conta <= 32767)) return segmenti;

  double c = -(yMin + passo);
  for (int k = 1; k <= static_cast<int>(conta) - 1; ++k, c -= passo) {
    Vettore<double> xi, yi;
    Vettore<int> lati;
    int m = 0, eliminati = 0;
    IntersezioneRettaPoligono(0, 1, c, xr, yr, xi, yi, n, lati, m, &eliminati);
    RotoTraslaPunti(xi, yi, U, xi, yi, m);
    OrdinaPuntiSuRetta(xi, yi, m);
    if (m % 2 == 0 && eliminati == 0) {
      for (int j = 1; j < m; j += 2) segmenti.push_back({xi(j), yi(j), xi(j + 1), yi(j + 1)});
    } else {
      const std::vector<Segmento> dentro = SegmentiPerPuntiMedi(n, x, y, xi, yi, m);
      segmenti.insert(segmenti.end(), dentro.begin(), dentro.end());
    }
  }
  return segmenti;
}

std::vector<Segmento> SegmentiPerPuntiMedi(int n, const Vettore<double>& x,
                                           const Vettore<double>& y, const Vettore<double>& xi,
                                           const Vettore<double>& yi, int m) {
  std::vector<Segmento> segmenti;
  if (n < 1) return segmenti;
  for (int j = xi.Lb(); j <= xi.Lb() + m - 2; ++j) {
    const double xm = (xi(j) + xi(j + 1)) / 2;
    const double ym = (yi(j) + yi(j + 1)) / 2;
    if (PosizionePuntoPoligono(x, y, xm, ym, n) == 1)
      segmenti.push_back({xi(j), yi(j), xi(j + 1), yi(j + 1)});
  }
  return segmenti;
}

}  // namespace Grafica
