// The commands that verify the section and then open a result window on it:
// the interaction domains, the model column and moment-curvature, and the
// drawing window laid over the picture.
#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

// The verification first; the window opens only on a result of it. True
// when the window computed its analysis.
bool DopoVerifica(Main& main, const std::function<bool()>& apri) {
  try {
    main.btnCalcola_Click();
    if (main.DatiErrati || !Stato.RisultatiPresenti) return false;
    return apri();
  } catch (const std::exception&) {
    main.MessaggioErroreDati();
    main.DatiErrati = true;
  }
  return false;
}

}  // namespace

void Main::btnDominioMN_Click() { btnDominioMNsub(); }

bool Main::btnDominioMNsub(const std::optional<std::string>& titolo) {
  const std::string t = titolo.value_or(Stato.TitoloSezione);
  const bool mn = Controllo("btnDominioMN").Caption() == "Dominio M-N";
  return DopoVerifica(*this, [this, &t, mn] {
    if (mn) {
      FinestreRisultati::MostraDominioMN(t);
      return true;
    }
    bool calcolato = false;
    FinestreRisultati::MostraDominioMxMy(t, [this] { btnCalcola_Click(); }, &calcolato);
    return calcolato;
  });
}

void Main::btnMomentoCurvatura_Click() {
  DopoVerifica(*this, [] {
    FinestreRisultati::MostraMomentoCurvatura(false);
    return true;
  });
}

void Main::btnMomentoCurvatura_solo_Click() {
  DopoVerifica(*this, [] {
    FinestreRisultati::MostraMomentoCurvatura(true);
    return true;
  });
}

void Main::AggiornaFrmPltSezione(int modo) { FinestreRisultati::AggiornaFrmPltSezione(*figura_, modo); }

QWidget* Main::FrmPltSezione() const { return FinestreRisultati::FrmPltSezioneAperto(); }
