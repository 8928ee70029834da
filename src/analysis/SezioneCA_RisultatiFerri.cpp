// Steel results into the window: stress and strain of the most elongated bar
// (index 0 of the boxes) and of the most elongated tendon (index 1).
#include <optional>

#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "drawing/Grafica_Estremi.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::ColoraSegno;
using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

namespace {

// The largest of strains 1..n; none without steel or when the strains of the
// last result do not reach n.
std::optional<double> Massima(int n, const Vettore<double>& eps) {
  if (n < 1 || eps.Ub() < n) return std::nullopt;
  return Grafica::MassimoEIndice(n, eps);
}

double Sigma(double eps, int tipo, bool elastico) {
  return elastico ? eps * Stato.ModuloEs
                  : VariabiliPubbliche::MaterialiCorrenti().SigmaAcciaio(eps, tipo, 0);
}

}  // namespace

Vettore<double> SezioneCA::DeformazioniTotaliCavi(int n, const Vettore<double>& eps) const {
  if (n < 1 || eps.Ub() < n) return {};
  Vettore<double> totali(1, n);
  for (int i = 1; i <= n; ++i) {
    double e = eps(i);
    if (Stato.TipoVerifica == 1)
      e += PrecompressioneCavi(i) / Stato.ModuloEs;
    else if (i <= EpsCaviIniziale.Ub())
      e += EpsCaviIniziale(i);
    totali(i) = static_cast<float>(e);
  }
  return totali;
}

void SezioneCA::MostraTensioneFerri(int nB, const Vettore<double>& epsB, int nC,
                                    const Vettore<double>& epsC, platform::Form& finestra,
                                    bool elastico) const {
  platform::Control& casella = finestra.Controllo("F_sigma_s", 0);
  casella.SetText("");
  if (const auto m = Massima(nB, epsB))
    ColoraSegno(casella, FormattaValore(Sigma(*m, 0, elastico)));
  if (Stato.Precompresso) MostraTensioneCavi(nC, epsC, finestra, elastico);
}

void SezioneCA::MostraTensioneCavi(int nC, const Vettore<double>& epsC, platform::Form& finestra,
                                   bool elastico) const {
  platform::Control& casella = finestra.Controllo("F_sigma_s", 1);
  casella.SetText("");
  if (const auto m = Massima(nC, DeformazioniTotaliCavi(nC, epsC)))
    ColoraSegno(casella, FormattaValore(Sigma(*m, 1, elastico)));
}

void SezioneCA::MostraDeformazioneFerri(int nB, const Vettore<double>& epsB, int nC,
                                        const Vettore<double>& epsC,
                                        platform::Form& finestra) const {
  platform::Control& casella = finestra.Controllo("F_eps_s", 0);
  casella.SetText("");
  if (const auto m = Massima(nB, epsB)) ColoraSegno(casella, FormattaValore(*m * 1000));
  if (Stato.Precompresso) MostraDeformazioneCavi(nC, epsC, finestra);
}

void SezioneCA::MostraDeformazioneCavi(int nC, const Vettore<double>& epsC,
                                       platform::Form& finestra) const {
  platform::Control& casella = finestra.Controllo("F_eps_s", 1);
  casella.SetText("");
  if (const auto m = Massima(nC, DeformazioniTotaliCavi(nC, epsC)))
    ColoraSegno(casella, FormattaValore(*m * 1000));
}

int SezioneCA::StatoSnervamento(int n, const Vettore<double>& eps, int tipo) const {
  const auto m = Massima(n, tipo == 1 ? DeformazioniTotaliCavi(n, eps) : eps);
  if (!m) return -2;
  const float epsYd = static_cast<float>(Stato.EpsYdSezione[static_cast<size_t>(tipo)]);
  if (*m >= epsYd) return 1;
  return *m >= 0 ? 0 : -1;
}
