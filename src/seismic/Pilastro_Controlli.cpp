#include <algorithm>

#include "drawing/Grafica.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/Pilastro.h"
#include "seismic/StatoSismica.h"

namespace Sismica {

using Matematica::Pi;

float Pilastro::AreaSezione() const {
  if (Circolare()) {
    const double r = RaggioPilastro();
    return static_cast<float>(Pi * r * r);
  }
  return matrice_(0, 1) * matrice_(0, 2);
}

float Pilastro::bSezione() const {
  return Circolare() ? static_cast<float>(2 * RaggioPilastro()) : matrice_(0, 1);
}

float Pilastro::hSezione() const {
  return Circolare() ? static_cast<float>(2 * RaggioPilastro()) : matrice_(0, 2);
}

float Pilastro::hCritica() const { return Circolare() ? matrice_(1, 4) : matrice_(0, 5); }

float Pilastro::Ro() const {
  const float area = AreaSezione();
  if (!(area > 0)) return 0;
  const double fi = fiBarrePilastro();
  return static_cast<float>(nBarreTotale() * (Pi * fi * fi / 4) / area);
}

// Without a concrete strength there is no normalised load either.
float Pilastro::Nud() const {
  const double resistenza = static_cast<double>(AreaSezione()) * VariabiliPubbliche::Stato.Fcd;
  if (!(AreaSezione() > 0) || !(resistenza > 0)) return 0;
  return static_cast<float>(Stato.NEdSismica / resistenza);
}

float Pilastro::InterasseMaxBarre() const {
  if (Circolare()) {
    if (xBarre_.Conta() <= 1) return 0;
    return static_cast<float>(Grafica::Distanza(xBarre_(1), yBarre_(1), xBarre_(2), yBarre_(2)));
  }
  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  if (nh < 2 || nb < 2) return 0;
  const double c = CopriFerro();
  const double ib = (matrice_(0, 1) - 2 * c) / (nb - 1);
  const double ih = (matrice_(0, 2) - 2 * c) / (nh - 1);
  return static_cast<float>(std::max(ib, ih));
}

}  // namespace Sismica
