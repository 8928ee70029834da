// The verification command, the conversion between the two action sets, and
// the section drawn in the window's picture and in the window laid over it.
#include <QApplication>

#include "analysis/Correnti.h"
#include "app/FiguraSezione.h"
#include "app/GuardiaRisultati.h"
#include "app/Main.h"
#include "app/Messaggi.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/SurfaceImmagineQt.h"

using VariabiliPubbliche::Stato;

void Main::MessaggioErroreDati() { Messaggi::MessaggioErroreDati(); }

namespace {

// The run left nothing to show: refused, no equilibrium, or an axial force
// beyond the limit one. Only the outcome of the method just run counts: the
// other method's stays in the section from its own last run.
bool SenzaRisultato(const SezioneCA& sezione) {
  if (sezione.SezioneParzializzata == -2) return true;
  if (!VariabiliPubbliche::TipoVerificaSlu())
    return sezione.EsitoMetodoN == EsitoCalcoloMetodoN::DatiNonValidi ||
           sezione.EsitoMetodoN == EsitoCalcoloMetodoN::Errore;
  return sezione.EsitoSlu == EsitoCalcoloSlu::DatiNonValidi ||
         sezione.EsitoSlu == EsitoCalcoloSlu::CaratteristicheFallite || sezione.Tipo_Rottura == 4;
}

}  // namespace

void Main::btnCalcola_Click() {
  // What the run reads and writes back into the window is its own doing.
  GuardiaRisultati::Sospesa sospesa(*guardia_);
  // The last result goes, whatever this run gives. The section is drawn
  // again once: with the new result, or without any when the run gives
  // none; meanwhile, under a message of the run, the picture shows the sketch.
  bool disegnati = false;
  try {
    Stato.ProgettoInCorso = false;
    DatiErrati = false;
    disegnati = NascondiRisultati();
    if (disegnati) {
      Stato.PlottaggioVideo = false;
      figura_->MostraImmagine({});
    }
    // A window refused as read has said why, in its one box.
    if (!FormLeggeDati(true)) {
      if (disegnati) DisegnoSenzaRisultati();
      DatiErrati = true;
      return;
    }
    const std::shared_ptr<SezioneCA> sezione = VariabiliPubbliche::SezioneCorrente();
    sezione->CalcolaSezioneCA(*this);
    if (SenzaRisultato(*sezione)) {
      // Nothing of an earlier result stays in the drawing either.
      Stato.RisultatiPresenti = false;
      nIterazioniOff();
      DisegnoSenzaRisultati();
      return;
    }
    Stato.RisultatiPresenti = true;
    PlottaSezioneInFigura(1);
    AggiornaFrmPltSezione(1);
    RisultatiControlli(true);
  } catch (const std::exception&) {
    if (disegnati) DisegnoSenzaRisultati();
    MessaggioErroreDati();
    DatiErrati = true;
  }
}

void Main::cmdAzioniDaSLU_Click(int Index) {
  // A factor of 0 or less would turn the actions to nothing or worse.
  const double gamma = Stato.GammaAzioni > 0 ? Stato.GammaAzioni : 1.5;
  for (const char* nome : {"F_N", "F_Mxsd", "F_MySd"}) {
    const int da = Index == 0 ? 0 : 1;
    const std::optional<double> valore = Generale::NumeroTesto(Controllo(nome, da).Text());
    if (!valore) continue;
    Controllo(nome, 1 - da)
        .SetText(VariabiliPubbliche::FormattaValore(Index == 0 ? *valore / gamma : *valore * gamma));
  }
}

void Main::Figura_Click() {
  try {
    DatiErrati = false;
    const bool letta = FormLeggeDati(true);
    Stato.RisultatiPresenti = false;
    // An outline that could not be read is not drawn.
    if (letta) PlottaSezioneInFigura(0);
  } catch (const std::exception&) {
    MessaggioErroreDati();
    DatiErrati = true;
  }
}

void Main::Figura_DblClick() {
  try {
    DatiErrati = false;
    if (!FormLeggeDati(true)) {
      DatiErrati = true;
      return;
    }
    PlottaSezioneInFigura(0);
    AggiornaFrmPltSezione(0);
  } catch (const std::exception&) {
    MessaggioErroreDati();
    DatiErrati = true;
  }
}

void Main::PlottaSezioneInFigura(int modo) {
  const qreal scala = figura_->devicePixelRatioF();
  platform::SurfaceImmagineQt immagine(static_cast<int>(figura_->width() * scala),
                                       static_cast<int>(figura_->height() * scala));
  Stato.PlottaggioVideo = modo != 0;
  const std::shared_ptr<SezioneCA> sezione = VariabiliPubbliche::SezioneCorrente();
  sezione->TipoPlottaggio = "";
  sezione->PlottaSezione("VIDEO", &immagine);
  figura_->MostraImmagine(immagine.Immagine());
}
