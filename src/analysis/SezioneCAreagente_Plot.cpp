#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/SezioneCAreagente.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"

void SezioneCAreagente::PlottaEllisse(double marcatore, double altezzaTesto) const {
  Grafica::ImpostaColore(6);
  Grafica::PlottaTesto(xG - 3 * marcatore, yG, altezzaTesto, "G", 1);
  if (iX == 0 || iY == 0) return;

  // 40 points in the principal frame: semi-axis iY along axis I, iX across.
  constexpr int nPunti = 40;
  const double passo = Matematica::DuePi / nPunti;
  Vettore<float> x(1, nPunti), y(1, nPunti);
  x(1) = static_cast<float>(iY);
  for (int k = 2; k <= nPunti / 2; ++k) {
    const double theta = (k - 1) * passo;
    const double r =
        1 / std::sqrt(std::pow(std::sin(theta) / iX, 2) + std::pow(std::cos(theta) / iY, 2));
    x(k) = static_cast<float>(r * std::cos(theta));
    y(k) = static_cast<float>(r * std::sin(theta));
  }
  x(21) = static_cast<float>(-iY);
  for (int k = 22; k <= nPunti; ++k) {
    x(k) = x(42 - k);
    y(k) = -y(42 - k);
  }

  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazione(xG, yG, AngoloJotaI, T, U);
  Grafica::RotoTraslaPunti(x, y, U, x, y, nPunti);
  Grafica::PlottaPoligonale(nPunti, x, y, 1);
  Grafica::PlottaLinea(x(1), y(1), x(21), y(21), 1);
  Grafica::PlottaLinea(x(11), y(11), x(31), y(31), 1);
}

void SezioneCAreagente::PltTensioniCls(double altezzaTesto) const {
  if (!VariabiliPubbliche::Stato.VisTensioniCls) return;
  Grafica::ImpostaSpessoreLinea(1);
  // The stresses are those the solver leaves on the current section's
  // reacting part, drawn at its vertices.
  const SezioneCAreagente& reagente = *VariabiliPubbliche::SezioneCorrente()->SezioneReagenteI;
  const ::Poligono& contorno = *reagente.Contorno;
  const Vettore<double>& sigma = reagente.SigmaVerticiCls;
  for (int i = 1; i <= contorno.nVertici(); ++i) {
    // A vertex the last solution gave no stress is left without one.
    if (i < sigma.Lb() || i > sigma.Ub()) continue;
    const double compressione = -sigma(i);
    Grafica::ImpostaColoreSegno(compressione);
    Grafica::PlottaTesto(contorno.X(i), contorno.Y(i), altezzaTesto,
                         VariabiliPubbliche::FormattaValore(compressione, false), 1);
  }
}
