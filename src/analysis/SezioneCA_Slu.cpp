// One ultimate-limit-state run of the section at a neutral-axis angle, on a
// fully reacting copy turned into the neutral-axis frame.
#include <cmath>
#include <utility>

#include "analysis/ParteReagente.h"
#include "analysis/SezioneCA.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/RegistriVettoriali.h"

void SezioneCA::SezioneReagenteSluCrea() {
  const SezioneCAreagente& slu = *SezioneReagenteSlu;
  // The compressed side is up in the neutral-axis frame: an axis above the
  // section leaves no compressed part, one below it the whole outline.
  // Into the last part's polygon when nothing else holds it.
  if (SezioneReagenteI->Contorno.use_count() != 1)
    SezioneReagenteI->SetPoligono(std::make_shared<::Poligono>());
  ParteReagente(*slu.Contorno, 0, 1, 0, 0, 1, -slu.yNeutro, SezioneParzializzata,
                *SezioneReagenteI->Contorno);
  SezioneReagenteI->ySezMax = slu.ySezMax;
  SezioneReagenteI->EpsCsup = slu.EpsCsup;
  SezioneReagenteI->EpsCinf = slu.EpsCinf;
  SezioneReagenteI->hTotale = slu.hTotale;
}

void SezioneCA::CalcolaTramok1(float angolo, bool parteCompressa) {
  platform::PulisciRegistriVettoriali();
  const float teta =
      VariabiliPubbliche::Stato.TipoVerifica == 2 ? angolo + 180 : angolo;  // "S.L.U.-"
  PuntoDiCarico(0);
  nAsseNeutro = 1;
  DimensionaAssiNeutri(1);
  // The copy goes into the memory of the last run's section, strip tables
  // and all, when nothing else holds that section.
  SezioneReagenteSlu = CreaSezioneCaInteramenteReagente(
      SezioneReagenteSlu.use_count() == 1 ? SezioneReagenteSlu.get() : nullptr);
  if (BarreInsufficienti(SollecitazioneN[0], *SezioneReagenteSlu)) {
    Tipo_Rottura = TipoRottura::EquilibrioImpossibile;
    EsitoSlu = EsitoCalcoloSlu::EquilibrioImpossibile;
    return;
  }
  SezioneCAreagente& slu = *SezioneReagenteSlu;
  slu.xPtoCalcoloM = xPtoCalcoloM;
  slu.yPtoCalcoloM = yPtoCalcoloM;
  slu.RuotaSezioneSLU(teta, MatriceSlu, MatriceSluInversa);
  double mx = 0, my = 0;  // in the neutral-axis frame
  slu.CalcolaMomentiUltimi(SollecitazioneN[0], Tipo_Rottura, mx, my);
  EsitoSlu = slu.Esito;
  if (EsitoSlu != EsitoCalcoloSlu::Riuscito) return;

  if (parteCompressa) {
    SezioneReagenteSluCrea();
    SezioneReagenteI->SigmaClsCalcola();
    SezioneReagenteI->Contorno->RotoTraslaVertici(MatriceSluInversa);
  }
  hUtile = slu.hUtile;
  dNeutroSlu = slu.dNeutro;
  Sig_c_max = slu.Sig_c_max;
  Sig_c_min = slu.Sig_c_min;
  EpsCmaxSlu = slu.Eps_c_max;
  EpsCminSlu = slu.Eps_c_min;
  EpsSmaxSlu = slu.Eps_s_max;
  slu.RipristinaSezioneSLU(MatriceSlu, MatriceSluInversa, aAssiNeutri(1), bAssiNeutri(1),
                           cAssiNeutri(1));
  const double fi = teta * Matematica::Pi / 180;
  MomentoUltimoX = std::cos(fi) * mx + std::sin(fi) * my;
  MomentoUltimoY = -std::sin(fi) * mx + std::cos(fi) * my;
  // Overflowing sums are no equilibrium.
  if (!std::isfinite(MomentoUltimoX) || !std::isfinite(MomentoUltimoY))
    EsitoSlu = EsitoCalcoloSlu::NonConvergente;
}

double SezioneCA::RaggioFerro(int i, const Vettore<float>& aree) {
  return std::sqrt(aree(i) / Matematica::Pi);
}
