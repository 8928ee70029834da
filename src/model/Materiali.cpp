#include "model/Materiali.h"

#include <cmath>

#include "drawing/Grafica_Geometria.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

using VariabiliPubbliche::Stato;

// Failures of the concrete blocks: a zero divisor gives a zero block quietly,
// anything that is not a finite number is told to the user.
struct DivisionePerZero {};
struct Traboccamento {};

double Finito(double v) {
  if (!std::isfinite(v)) throw Traboccamento{};
  return v;
}

double Quoziente(double a, double b) {
  if (b == 0) throw DivisionePerZero{};
  return Finito(a / b);
}

// Parabolic part of the block from the neutral axis up to the distance c,
// where the parabola reaches fcd at the distance a: resultant and its arm
// from the neutral axis.
void Parabola(double c, double a, double fcd, double& r, double& z) {
  const double rapporto = Quoziente(c, a);
  r = Finito(fcd * rapporto * rapporto * (a - c / 3));
  z = Finito(a - 0.75 * Quoziente((2 * a - c) * (2 * a - c), 3 * a - c));
}

// Block of depth x above the neutral axis; the parabola spans a, the rest is
// at fcd.
void Blocco(bool soloParabola, double x, double a, double fcd, double& r, double& z) {
  if (soloParabola) {
    Parabola(x, a, fcd, r, z);
    return;
  }
  const double rp = 2.0 / 3.0 * a * fcd, zp = 5.0 / 8.0 * a;
  const double rr = (x - a) * fcd, zr = (x + a) / 2;
  r = Finito(rr + rp);
  z = Quoziente(zr * rr + zp * rp, r);
}

void ErroreBlocco() {
  platform::MsgBox("Errore sconosciuto in RisultanteCompressioniCls", platform::Pulsanti::Ok,
                   platform::Icona::Critica);
}

}  // namespace

void Materiali::InizializzaMateriali(double Es) {
  Es_ = Es;
  epsCu = Stato.EpsCu;
  EPSSU = Stato.EpsSu;
  EPSP = Stato.EpsC2;
  SIGCU = Stato.Fcd;
  SIGCUC = Stato.RapportoFccFcd * Stato.Fcd;
  for (std::size_t k = 0; k < 2; ++k) {
    fyd_[k] = Stato.Fyd[k];
    epsYd_[k] = fyd_[k] / Es_;
  }
  ControllaLimitiDeformazione();
}

void Materiali::ControllaLimitiDeformazione() const {
  double epsCuNorma, epsC2Norma;
  ParabolaRettangolo(epsCuNorma, epsC2Norma);
  if (Grafica::Uguali(epsCu, epsCuNorma, 0.0001) && Grafica::Uguali(EPSP, epsC2Norma, 0.0001))
    return;
  if (Stato.NonMostrareAvviso) return;
  Finestre::FinestraAvvisi* avvisi = Finestre::Aperte.frmAvvisi;
  if (avvisi != nullptr && avvisi->MostraModale()) Stato.NonMostrareAvviso = true;
}

void Materiali::ParabolaRettangolo(double& epsCuNorma, double& epsC2Norma) {
  const double fck = Stato.Fck;
  if (fck <= 50) {
    epsCuNorma = 0.0035;
    epsC2Norma = 0.002;
    return;
  }
  epsCuNorma = 0.0026 + 0.035 * std::pow((90 - fck) / 100, 4);
  epsC2Norma = 0.002 + 0.000085 * std::pow(fck - 50, 0.53);
}

double Materiali::SigmaAcciaio(double eps, int tipo, double eps0) const {
  return Acciaio(tipo).Sigma(tipo == 1 ? eps + eps0 : eps);
}

Materiali::LeggeAcciaio Materiali::Acciaio(int tipo) const {
  return {Es_, fyd_.at(static_cast<std::size_t>(tipo)), VariabiliPubbliche::TipoVerificaSlu()};
}

double Materiali::RisultanteCls(double e1, double e2, double& x, double h, double& z) const {
  try {
    x = Quoziente(h * e1, e1 - e2);
    const double a = Quoziente(x * EPSP, e1);
    const double fcd = SIGCU;
    double r, zr;
    Blocco(e1 <= EPSP, x, a, fcd, r, zr);
    if (x > h) {
      // The block runs past the far edge: take away the part beyond it.
      double rc, zc;
      Parabola(x - h, a, fcd, rc, zc);
      zr = Quoziente(r * zr - rc * zc, r - rc);
      r -= rc;
    }
    z = zr;
    return r;
  } catch (const DivisionePerZero&) {
  } catch (const Traboccamento&) {
    ErroreBlocco();
  }
  z = 0;
  return 0;
}

void Materiali::TMP_RisultanteCompressioniCls(double x, double e1, double& risultante,
                                              double& z) const {
  try {
    const double a = Quoziente(x * EPSP, e1);
    double r, zr;
    Blocco(e1 <= EPSP, x, a, SIGCU, r, zr);
    risultante = r;
    z = zr;
    return;
  } catch (const DivisionePerZero&) {
  } catch (const Traboccamento&) {
    ErroreBlocco();
  }
  risultante = 0;
  z = 0;
}

double Materiali::RisultanteCompressioniAcciaio(double x, double e1, double dPrimo, double area,
                                                int tipo) const {
  return area * SigmaAcciaio(e1 * (x - dPrimo) / x, tipo, 0);
}

void Materiali::RapportiLimiteArmatura(std::array<float, 2>& rapporti, int) const {
  const std::size_t tipo = static_cast<std::size_t>(Stato.TipoAcciaioProgetto);
  const double fyd = fyd_.at(tipo);
  double x, z;
  rapporti[0] = static_cast<float>(RisultanteCls(epsCu, -EPSSU, x, 1, z) / fyd);
  rapporti[1] = static_cast<float>(RisultanteCls(epsCu, -epsYd_.at(tipo), x, 1, z) / fyd);
}

std::optional<float> Materiali::AsEquilibrio(double d, double c, double b, double k,
                                             double epsS) const {
  const double e2 = -(epsS + epsCu) * c / d - epsS;
  double x = 0, z;
  const double fc = RisultanteCls(epsCu, e2, x, d + c, z) * b;
  if (!(x > 0)) return std::nullopt;
  const double sigmaCompressa = RisultanteCompressioniAcciaio(x, epsCu, c, 1, 0);
  const double sigmaTesa = SigmaAcciaio(epsS, 0, 0);
  // Compression bars worth as much as the tension ones leave the concrete
  // unbalanced whatever the area.
  const double denominatore = sigmaTesa - k * sigmaCompressa;
  if (denominatore <= 0) return std::nullopt;
  double as = fc / denominatore;
  if (Finestre::FinestraProgetto* progetto = Finestre::Aperte.ProgettoSezione) {
    const double asCompressaMin = progetto->Ass1Funz(as);
    if (asCompressaMin > k * as) as = (fc + asCompressaMin * sigmaCompressa) / sigmaTesa;
  }
  if (!std::isfinite(as) || as < 0) return std::nullopt;
  return static_cast<float>(as);
}
