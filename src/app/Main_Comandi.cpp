// The verification command, the conversion between the two action sets, and
// the section drawn in the window's picture and in the window laid over it.
#include <QApplication>

#include "analysis/Correnti.h"
#include "app/FiguraSezione.h"
#include "app/Main.h"
#include "app/Messaggi.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/NumeroQt.h"
#include "platform/qt/SurfaceImmagineQt.h"

using VariabiliPubbliche::Stato;

void Main::MessaggioErroreDati() { Messaggi::MessaggioErroreDati(); }

void Main::btnCalcola_Click() {
  try {
    Stato.ProgettoInCorso = false;
    DatiErrati = false;
    if (!FormLeggeDati(true)) {
      MessaggioErroreDati();
      DatiErrati = true;
      return;
    }
    const std::shared_ptr<SezioneCA> sezione = VariabiliPubbliche::SezioneCorrente();
    sezione->CalcolaSezioneCA(*this);
    const bool rifiutata = sezione->EsitoSlu == EsitoCalcoloSlu::DatiNonValidi ||
                           sezione->EsitoMetodoN == EsitoCalcoloMetodoN::DatiNonValidi;
    if (rifiutata || sezione->SezioneParzializzata == -2 || sezione->Tipo_Rottura == 4) {
      // No result: nothing of an earlier one stays in sight.
      Stato.RisultatiPresenti = false;
      RisultatiControlli(false);
      PlottaSezioneInFigura(0);
      return;
    }
    Stato.RisultatiPresenti = true;
    PlottaSezioneInFigura(1);
    AggiornaFrmPltSezione(1);
    RisultatiControlli(true);
  } catch (const std::exception&) {
    MessaggioErroreDati();
    DatiErrati = true;
  }
}

void Main::cmdAzioniDaSLU_Click(int Index) {
  // A factor of 0 or less would turn the actions to nothing or worse.
  const double gamma = Stato.GammaAzioni > 0 ? Stato.GammaAzioni : 1.5;
  for (const char* nome : {"F_N", "F_Mxsd", "F_MySd"}) {
    const int da = Index == 0 ? 0 : 1;
    const std::optional<double> valore =
        platform::NumeroDaTesto(QString::fromStdString(Controllo(nome, da).Text()));
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
      MessaggioErroreDati();
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
