// The allowable-stress method: the neutral axis by fixed point (the
// antipolar line of the load point, the concrete cut by it, the properties of
// the cut section recomputed, until the reacting area stops changing), then
// the stresses in the neutral-axis frame.
#include <cmath>
#include <string>

#include "analysis/ParteReagente.h"
#include "analysis/SezioneCA.h"
#include "analysis/StatiSezione.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Finestre.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

void SezioneCA::PressoFlessioneMetodoN(int nMaxPassi) {
  if (Stato.Precompresso)
    PressoFlessioneMetodoNPrecompresso(nMaxPassi);
  else
    PressoFlessioneMetodoNsub(nMaxPassi);
}

void SezioneCA::PressoFlessioneMetodoNsub(int nMaxPassi) {
  // No strains survive from an earlier run: only this one's are shown.
  EpsFerri = {};
  EpsCavi = {};
  SezioneCAreagente& reagente = *SezioneReagenteI;
  reagente.SetPoligono(std::make_shared<::Poligono>(Contorno->Copia()));
  CaricaBarre(reagente);
  const float A0 = static_cast<float>(reagente.Area);
  const float tol = A0 / 10000;
  const double N = SollecitazioneN[1];
  PuntoDiCarico(1);

  bool convergente = true;
  if (Stato.ClsReagenteTrazione || Stato.SoloBarre) {
    // The whole section: its part under the load and under the reversed load.
    for (SezioneCAreagente* R : {SezioneInteraCarico.get(), SezioneInteraCaricoInverso.get()}) {
      R->SetPoligono(std::make_shared<::Poligono>(Contorno->Copia()));
      CaricaBarre(*R);
    }
    nAsseNeutro = 1;
    DimensionaAssiNeutri(1);
    PassoAsseNeutro(*SezioneInteraCarico, 1, SezioneParzializzata);
    MomentoYPunto = -MomentoYPunto;
    MomentoXPunto = -MomentoXPunto;
    NPunto = -NPunto;
    PassoAsseNeutro(*SezioneInteraCaricoInverso, 1, SezioneParzializzata);
    MomentoYPunto = -MomentoYPunto;
    MomentoXPunto = -MomentoXPunto;
    NPunto = -NPunto;
    SezioneParzializzata = StatoSezione::SezioneIntera;
  } else {
    if (BarreInsufficienti(N, reagente)) {
      nAsseNeutro = 0;  // no neutral axis to draw
      EsitoMetodoN = EsitoCalcoloMetodoN::EquilibrioImpossibile;
      return;
    }
    DimensionaAssiNeutri(nMaxPassi);
    float Aprec = A0;
    convergente = false;
    for (int i = 1; i <= nMaxPassi; ++i) {
      PassoAsseNeutro(reagente, i, SezioneParzializzata);
      const float Anuova = static_cast<float>(reagente.Area);
      nAsseNeutro = i;
      if (SezioneParzializzata != StatoSezione::Parzializzata || std::fabs(Aprec - Anuova) < tol) {
        convergente = true;
        break;
      }
      Aprec = Anuova;
    }
    if (Finestre::FinestraMain* main = Finestre::MainAperta())
      main->nIterazioniOff(nAsseNeutro - 1);
    if (!convergente)
      platform::MsgBox("L'asse neutro non converge in " + std::to_string(nMaxPassi) +
                           " iterazioni: le tensioni sono quelle dell'ultima iterazione.",
                       platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  }

  SezioneReagenteRuotataCrea(reagente, *SezioneReagenteRuotata);
  const SezioneCAreagente& ruotata = *SezioneReagenteRuotata;
  if (!SezioneReagenteRuotata->TensioniMetodoN(N)) {
    EsitoMetodoN = EsitoCalcoloMetodoN::Errore;
    return;
  }
  Sig_c_max = ruotata.Sig_c_max;
  Sig_c_min = ruotata.Sig_c_min;
  hUtile = ruotata.hUtile;
  yMaxCalcestruzzoMetodoN = ruotata.yMaxCalcestruzzo;
  EsitoMetodoN = convergente ? EsitoCalcoloMetodoN::Riuscito : EsitoCalcoloMetodoN::NonConvergente;
}

void SezioneCA::PassoAsseNeutro(SezioneCAreagente& R, int i, int& stato) {
  double a, b, c;
  R.EquazioneAsseNeutro(MomentoYPunto, MomentoXPunto, NPunto, a, b, c);
  aAssiNeutri(i) = a;
  bAssiNeutri(i) = b;
  cAssiNeutri(i) = c;
  // Always the whole outline is cut, never the part of the last pass. The
  // steel sums of R stay as CaricaBarre made them.
  R.SetPoligono(std::make_shared<::Poligono>(
      ParteReagente(*Contorno, MomentoYPunto, MomentoXPunto, NPunto, a, b, c, stato)));
  R.CaratteristicheStaticheSezione();
}

void SezioneCA::SezioneReagenteRuotataCrea(const SezioneCAreagente& S, SezioneCAreagente& R) {
  auto contorno = std::make_shared<::Poligono>();
  if (SezioneParzializzata != StatoSezione::SoloAcciaio)
    contorno->Coordinate(S.CoordX(), S.CoordY(), S.Contorno->nVertici());
  R.SetPoligono(contorno);
  CaricaBarre(R);
  R.x_N = MomentoYPunto;
  R.y_N = MomentoXPunto;
  R.z_N = NPunto;
  double a, b, c;
  R.EquazioneAsseNeutro(R.x_N, R.y_N, R.z_N, a, b, c);
  // The direction (b, -a) of the axis becomes x; its normal (a, b), +y,
  // points to the compressed side.
  const double teta = Matematica::AngoloVettore(-a, b);
  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazione(R.xG, R.yG, teta, T, U);
  R.RotoTraslaSezione(T);
  R.AngoloM = Matematica::AngoloVettore(R.y_N, R.x_N);
  double a1, b1, c1;
  Grafica::RotoTraslaRetta(a, b, c, T, U, a1, b1, c1);
  if (b1 != 0) R.yNeutro = static_cast<float>(-c1 / b1);
}

const ::Poligono& SezioneCA::InviluppoContorno() {
  const ::Poligono& c = *Contorno;
  Inviluppo& memoria = inviluppo_;
  if (memoria.n != c.nVertici() || !(memoria.x == c.CoordX()) || !(memoria.y == c.CoordY())) {
    memoria.poligono = c.PoligonoConvessoCircoscritto();
    memoria.x = c.CoordX();
    memoria.y = c.CoordY();
    memoria.n = c.nVertici();
  }
  return memoria.poligono;
}

bool SezioneCA::BarreInsufficienti(double N, const SezioneCAreagente& R) {
  const ::Poligono& inviluppo = InviluppoContorno();
  const bool interno = inviluppo.PuntoInPoligono(MomentoYPunto, MomentoXPunto, NPunto, 0.0001) == 1;
  const bool senzaAcciaio = R.AreaBarre <= 0;
  if (!interno) {
    SezioneParzializzata = senzaAcciaio ? StatoSezione::SenzaEquilibrio : StatoSezione::SoloAcciaio;
    return senzaAcciaio;
  }
  if (N <= 0.0001 && senzaAcciaio) {
    SezioneParzializzata = StatoSezione::SenzaEquilibrio;
    return true;
  }
  return false;
}

void SezioneCA::PuntoDiCarico(int k) {
  const size_t insieme = static_cast<size_t>(k);
  const double N = SollecitazioneN[insieme];
  MomentoYPunto = xPtoCalcoloM * N + SollecitazioneMy[insieme];
  MomentoXPunto = yPtoCalcoloM * N + SollecitazioneMx[insieme];
  NPunto = N;
}

void SezioneCA::DimensionaAssiNeutri(int n) {
  aAssiNeutri.ReDim(1, n);
  bAssiNeutri.ReDim(1, n);
  cAssiNeutri.ReDim(1, n);
}

void SezioneCA::CaricaBarre(SezioneCAreagente& R) const {
  R.BarreDati(nBarre, xBarre, yBarre, AreeBarre, RapportiN, nCavi, xCavi, yCavi, AreeCavi,
              PrecompressioneCavi);
}
