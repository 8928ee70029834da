#include "model/AssiPrincipali.h"

#include <cmath>

#include "model/Matematica.h"

AssiPrincipaliInerzia CalcolaAssiPrincipali(double jota_xG, double jota_yG, double jota_xyG) {
  const double differenza = jota_xG - jota_yG;
  const double phi = -Matematica::AngoloVettore(2 * jota_xyG, differenza) / 2;
  const double d = -2 * differenza * std::cos(2 * phi) + 4 * jota_xyG * std::sin(2 * phi);
  AssiPrincipaliInerzia assi{};
  if (d <= 0) {
    assi.AngoloJotaI = phi;
    assi.AngoloJotaII = phi + Matematica::Pi / 2;
  } else {
    assi.AngoloJotaII = phi;
    assi.AngoloJotaI = phi + Matematica::Pi / 2;
  }
  const double r = std::sqrt(differenza * differenza + 4 * jota_xyG * jota_xyG) / 2;
  const double media = (jota_xG + jota_yG) / 2;
  assi.jota_IG = media + r;
  assi.jota_IIG = media - r;
  // A sliver's smaller moment can come out a rounding below zero.
  if (assi.jota_IIG < 0 && -assi.jota_IIG <= 1e-9 * std::fabs(assi.jota_IG)) assi.jota_IIG = 0;
  return assi;
}
