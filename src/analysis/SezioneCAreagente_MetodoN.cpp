// The allowable-stress method on a reacting section: the neutral axis as the
// antipolar line of the load point, and the linear stresses of the section
// turned into the neutral-axis frame.
#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/SezioneCAreagente.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

// A section that cannot carry the load: no area, no inertia about the axis.
struct SenzaEquilibrio {};

double Quoziente(double a, double b) {
  if (b == 0) throw SenzaEquilibrio{};
  const double q = a / b;
  if (!std::isfinite(q)) throw SenzaEquilibrio{};
  return q;
}

}  // namespace

double SezioneCAreagente::ValoreMinimoPositivo(double valore) {
  return valore >= 1E-20 ? valore : 1E-20;
}

void SezioneCAreagente::EquazioneAsseNeutro(double xN, double yN, double zN, double& a, double& b,
                                            double& c) {
  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazione(xG, yG, AngoloJotaI, T, U);
  double xP, yP;
  Grafica::RotoTraslaPunto(xN, yN, T, xP, yP, zN);
  double aP, bP, cP;
  AntipolareQui(xP, yP, zN, aP, bP, cP);
  Grafica::RotoTraslaRetta(aP, bP, cP, U, T, a, b, c);
}

void SezioneCAreagente::AntipolareQui(double xP, double yP, double wP, double& a, double& b,
                                      double& c) {
  iY = ValoreMinimoPositivo(iY);
  iX = ValoreMinimoPositivo(iX);
  a = xP / (iY * iY);
  b = yP / (iX * iX);
  c = wP;
}

bool SezioneCAreagente::TensioniMetodoN(double N) {
  SezioneCA& corrente = *VariabiliPubbliche::SezioneCorrente();
  const ::Poligono& cls = *Contorno;
  Vettore<double> sigmaVertici(1, cls.nVertici());
  try {
    const float sigmaN = static_cast<float>(Quoziente(N, Area));
    const double M = std::hypot(x_N - xG * z_N, y_N - yG * z_N);
    if (M >= 1E-20) {
      const double Mperp = std::cos(AngoloM - Matematica::Pi / 2) * M;
      PuntiEstremi();
      const double k = Quoziente(Mperp, jota_xG);
      auto sigma = [&](double y) { return (y - yG) * k + sigmaN; };
      if (cls.nVertici() > 0) {
        Sig_c_max = static_cast<float>(sigma(yMaxC));
        Sig_c_min = static_cast<float>(sigma(yMinC));
        yMaxCalcestruzzo = yMaxC - yMinC;
      } else {
        // No reacting concrete: no concrete stress and no depth.
        Sig_c_max = Sig_c_min = 0;
        yMaxCalcestruzzo = 0;
      }
      for (int i = 1; i <= cls.nVertici(); ++i) sigmaVertici(i) = sigma(cls.Y(i));
      corrente.SezioneReagenteI->SigmaVerticiCls = std::move(sigmaVertici);
      if (nBarre < 1 && nCavi < 1) return true;
      corrente.EpsFerri = DeformazioniBarreMetodoN(sigmaN, Mperp, nBarre, yBarre, 0);
      corrente.EpsCavi = DeformazioniBarreMetodoN(sigmaN, Mperp, nCavi, yCavi, 1);
      hUtile = cls.nVertici() > 0 ? yMaxC - yMinS : 0;
    } else {
      // The load acts at the centroid: uniform stress.
      Sig_c_max = Sig_c_min = sigmaN;
      if (nBarre > 0) corrente.EpsFerri = DeformazioniBarreMetodoN(sigmaN, 0, nBarre, yBarre, 0);
      if (nCavi > 0) corrente.EpsCavi = DeformazioniBarreMetodoN(sigmaN, 0, nCavi, yCavi, 1);
      for (int i = 1; i <= cls.nVertici(); ++i) sigmaVertici(i) = sigmaN;
      corrente.SezioneReagenteI->SigmaVerticiCls = std::move(sigmaVertici);
      PuntiEstremi();
    }
  } catch (const SenzaEquilibrio&) {
    platform::MsgBox("Errore: equilibrio impossibile", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    return false;
  }
  return true;
}

Vettore<double> SezioneCAreagente::DeformazioniBarreMetodoN(double sigmaN, double Mperp, int n,
                                                            const Vettore<float>& y,
                                                            int tipo) const {
  const double Es = VariabiliPubbliche::Stato.ModuloEs;
  const double rapporto = RapportiN[static_cast<size_t>(tipo)];
  // With no moment the stress is uniform and jota_xG is not needed.
  const double k = Mperp == 0 ? 0 : Quoziente(Mperp, jota_xG);
  Vettore<double> eps(1, n);
  for (int i = 1; i <= n; ++i) eps(i) = Quoziente(rapporto * ((yG - y(i)) * k - sigmaN), Es);
  return eps;
}
