// The moment-curvature curve shared by the model column and the
// moment-curvature diagram: the ultimate verification, then the curvature
// stepped from zero to the ultimate one, the point where the bars yield in
// place of the step point before it and, when asked, the point where the top
// fibre reaches eps_c2.
#include <cmath>

#include "analysis/SezioneCA.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/RegistriVettoriali.h"

using VariabiliPubbliche::Stato;

namespace {

// The chord search of the eps_c2 point stops here.
constexpr int MaxIterazioniEpsC2 = 100;
// Bottom strain from which each search starts: well on the compressed side.
constexpr float EpsInfPartenza = 20.0f / 1000;

}  // namespace

bool SezioneCA::CalcolaPuntiMomentoCurvatura(short& n, bool conEpsC2,
                                             PuntiMomentoCurvatura& curva) {
  platform::PulisciRegistriVettoriali();
  auto* main = dynamic_cast<Finestre::FinestraMain*>(Finestre::Aperte.Main);
  if (!main) return false;
  // A window refused as read has said why.
  if (!main->FormLeggeDati(true)) return false;
  // The curve starts from the ultimate state: the allowable-stress method
  // leaves none to start from.
  if (!VariabiliPubbliche::TipoVerificaSlu()) {
    platform::MsgBox("Il diagramma momento-curvatura richiede la verifica S.L.U.",
                     platform::Pulsanti::Ok, platform::Icona::Critica);
    return false;
  }
  CalcolaSezioneCA(*main);
  if (EsitoSlu != EsitoCalcoloSlu::Riuscito) return false;
  const double N = SollecitazioneN[0];

  if (n < 1) n = 1;
  const int nPunti = n + 1;
  const SezioneCAreagente& slu = *SezioneReagenteSlu;
  curva = PuntiMomentoCurvatura{};
  curva.N = N;
  curva.H = slu.hTotale;
  curva.Dimensiona(nPunti);
  const float passo = (EpsCmaxSlu - EpsCminSlu) / static_cast<float>(nPunti);
  for (int i = 1; i <= nPunti; ++i) curva.CurvH(i) = curva.CurvH(i - 1) + passo;

  const double epsYd = Stato.EpsYdSezione[0];
  float epsIniziale = EpsInfPartenza;
  PuntoCurva puntoEpsC2;
  for (int i = 1; i <= nPunti; ++i) {
    float copia = epsIniziale;
    PuntoCurva punto;
    if (!PuntoMomentoCurvatura(N, curva.CurvH(i), epsIniziale, punto)) return false;
    curva.Imposta(i, punto);
    // The yield point takes the place of the step point before it.
    float passoSostituito = curva.CurvH(i - 1);
    bool sostituito = false;
    if (!curva.Snervato && epsYd < punto.EpsAcc) {
      const std::optional<float> snervamento =
          SezioneReagenteSlu->CurvaturaSnervamento(N, curva.CurvH(i - 1), curva.CurvH(i));
      if (!snervamento) return false;
      PuntoCurva puntoSnervamento;
      if (!PuntoMomentoCurvatura(N, *snervamento, copia, puntoSnervamento)) return false;
      curva.Imposta(i - 1, puntoSnervamento);
      curva.Snervato = true;
      curva.iSnerv = i - 1;
      sostituito = true;
    }
    if (conEpsC2 && !curva.EpsC2Trovato && static_cast<float>(Stato.EpsC2) < punto.EpsCls) {
      const float ancora = sostituito ? passoSostituito : curva.CurvH(i - 1);
      if (!PuntoEpsC2(N, ancora, punto, puntoEpsC2)) return false;
      curva.EpsC2Trovato = true;
      curva.iEpsC2 = i - 1;
    }
  }
  if (!curva.EpsC2Trovato) return true;

  // Found in the step where the bars yield, the two points take adjacent
  // slots in curvature order; the yield point steps aside when the eps_c2
  // one would fall before the origin's slot or onto the ultimate point.
  int posto = curva.iEpsC2;
  if (curva.Snervato && posto == curva.iSnerv) {
    const bool primaEpsC2 = puntoEpsC2.CurvH < curva.CurvH(curva.iSnerv);
    posto += primaEpsC2 ? -1 : 1;
    if (posto < 0 || posto >= nPunti) {
      const int altro = curva.iSnerv + (primaEpsC2 ? 1 : -1);
      curva.Imposta(altro, curva.Punto(curva.iSnerv));
      posto = curva.iSnerv;
      curva.iSnerv = altro;
    }
  }
  curva.iEpsC2 = posto;
  curva.Imposta(posto, puntoEpsC2);
  return true;
}

bool SezioneCA::PuntoMomentoCurvatura(double N, float curvH, float& epsInf, PuntoCurva& punto) {
  SezioneCAreagente& slu = *SezioneReagenteSlu;
  double M;
  float nCls, epsSup;
  if (!slu.CalcolaMomentoCurvatura(N, curvH, epsInf, 1, M, nCls, epsSup)) return false;
  punto.CurvH = curvH;
  punto.Momento = static_cast<float>(M);
  punto.EpsCls = epsSup;
  punto.EpsAcc = curvH * slu.hUtile / slu.hTotale - epsSup;
  punto.NCls = nCls;
  return true;
}

bool SezioneCA::PuntoEpsC2(double N, float xa, const PuntoCurva& corrente, PuntoCurva& punto) {
  const float obiettivo = static_cast<float>(Stato.EpsC2);
  PuntoCurva ancora;
  float epsInf = EpsInfPartenza;
  if (!PuntoMomentoCurvatura(N, xa, epsInf, ancora)) return false;
  const float ea = ancora.EpsCls;
  float xc = corrente.CurvH, ec = corrente.EpsCls;
  // Chords from the fixed anchor through the last point found.
  for (int i = 0;; ++i) {
    if (i == MaxIterazioniEpsC2 || ec == ea) {
      platform::MsgBox("ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
      return false;
    }
    const float x = (xc - xa) / (ec - ea) * (obiettivo - ea) + xa;
    // Each search starts on the compressed side, as the anchor's does: a
    // start taken from the curvature could lie below the solution.
    epsInf = EpsInfPartenza;
    if (!PuntoMomentoCurvatura(N, x, epsInf, punto)) return false;
    xc = x;
    ec = punto.EpsCls;
    if (std::fabs(obiettivo - ec) < 1E-7f) return true;
  }
}
