// Effective legs of the stirrups across the shear: each stirrup is walked
// as two chains of legs, up its left side and down its right side; a chain
// that crosses the whole band of the bars counts by the sine of its mean
// inclination, weighted by leg length.
#include <cmath>

#include "drawing/Grafica.h"
#include "drawing/Grafica_Estremi.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Array.h"
#include "model/Matematica.h"
#include "seismic/Pilastro.h"

namespace Sismica {
namespace {

using Matematica::IndiceSuccessivo;
using Matematica::InvertiArray;
using Matematica::Pi;

struct Fascia {
  double basso;
  double alto;
};

// The chain must run from the band's low end to its high end, or back.
bool CatenaAttraversaFascia(double inizio, double fine, const Fascia& fascia, bool sinistra) {
  if (sinistra) return inizio <= fascia.basso && fine >= fascia.alto;
  return inizio >= fascia.alto && fine <= fascia.basso;
}

// Points da..a (indices from 1, a < da wraps round) of one side.
double CatenaBracci(const Vettore<double>& x, const Vettore<double>& y, int da, int a,
                    const Fascia& fascia, bool sinistra) {
  if (!CatenaAttraversaFascia(y(da), y(a), fascia, sinistra)) return 0;
  const int n = x.Conta();
  double somma = 0;
  double lunghezze = 0;
  for (int i = da; i != a; i = IndiceSuccessivo(x, n, i)) {
    const int j = IndiceSuccessivo(x, n, i);
    const double dx = x(j) - x(i);
    const double dy = y(j) - y(i);
    const double lunghezza = std::sqrt(dx * dx + dy * dy);
    somma += Matematica::AngoloVettore(std::fabs(dy), std::fabs(dx)) * lunghezza;
    lunghezze += lunghezza;
  }
  return lunghezze > 0 ? std::sin(somma / lunghezze) : 0;
}

// The first point from i on (i included) at the level, within tol.
int PrimoAlLivello(const Vettore<double>& y, int i, double livello, double tol) {
  const int n = y.Conta();
  for (int k = 0; k < n; ++k, i = IndiceSuccessivo(y, n, i))
    if (Grafica::Uguali(y(i), livello, tol)) return i;
  return i;
}

// The stirrup's points clockwise; the legs of a tie count once.
double BracciEfficaci(Vettore<double> x, Vettore<double> y, const Fascia& fascia, double tol) {
  const int n = x.Conta();
  if (Grafica::AreaConSegno(n, x, y) == 1) {
    InvertiArray(x);
    InvertiArray(y);
  }
  const double basso = Grafica::MinimoEIndice(n, y);
  const double alto = Grafica::MassimoEIndice(n, y);
  if (Grafica::Uguali(basso, alto, tol)) return 0;
  // Clockwise, the bottom run ends at its leftmost point, where the left
  // side begins.
  int inizio = 1;
  for (int i = 1; i <= n; ++i)
    if (Grafica::Uguali(y(i), basso, tol) &&
        !Grafica::Uguali(y(IndiceSuccessivo(y, n, i)), basso, tol))
      inizio = i;
  const int cima = PrimoAlLivello(y, inizio, alto, tol);
  const double sinistra = CatenaBracci(x, y, inizio, cima, fascia, true);
  if (n < 3) return sinistra;
  int discesa = cima;
  while (Grafica::Uguali(y(IndiceSuccessivo(y, n, discesa)), alto, tol))
    discesa = IndiceSuccessivo(y, n, discesa);
  const int fondo = PrimoAlLivello(y, discesa, basso, tol);
  return sinistra + CatenaBracci(x, y, discesa, fondo, fascia, false);
}

}  // namespace

void Pilastro::FasciaBarre(int direzione, double& basso, double& alto, double tolleranza) const {
  double xMin, xMax, yMin, yMax;
  Grafica::RettangoloIngombro(xBarre_.Conta(), xBarre_, yBarre_, xMin, xMax, yMin, yMax);
  basso = (direzione == 0 ? yMin : xMin) + tolleranza;
  alto = (direzione == 0 ? yMax : xMax) - tolleranza;
}

float Pilastro::StaffeAreaEfficace(int direzione, std::vector<float>& aree) const {
  aree.clear();
  if (Circolare()) {
    const double d = DiametroStaffaCircolare();
    aree.push_back(static_cast<float>(2 * Pi * d * d / 4));
    return aree.back();
  }
  const double tol = std::sqrt(AreaSezione()) / 1000000;
  Fascia fascia{};
  FasciaBarre(direzione, fascia.basso, fascia.alto, tol);
  // Across y the band is that of the abscissae: the points are turned by
  // 90 degrees, which brings x onto y.
  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazione(0, 0, Pi / 2, T, U);
  const Matrice<float>& staffe = StaffeCorrenti();
  float totale = 0;
  Vettore<double> x, y;
  for (int i = 1; i <= staffe.Righe(); ++i) {
    double bracci = 0;
    if (VerticiStaffa(i, x, y)) {
      if (direzione != 0) Grafica::RotoTraslaPunti(x, y, U, x, y, x.Conta());
      bracci = BracciEfficaci(x, y, fascia, tol);
    }
    const double d = staffe(i, 1);
    aree.push_back(static_cast<float>(bracci * Pi * d * d / 4));
    totale += aree.back();
  }
  return totale;
}

}  // namespace Sismica
