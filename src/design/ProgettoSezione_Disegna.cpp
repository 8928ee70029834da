// "Plotta": the designed beam handed to the current section and drawn.
#include "analysis/SezioneCA.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "design/ProgettoSezione.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void ProgettoSezione::TraveRiempie() {
  const std::shared_ptr<SezioneCA>& sezione = modello_.Trave;
  Stato.GancioStaffe = form_.Controllo("chkGancio135").Value();
  modello_.TraveCompone();
  sezione->FinestraProgetto = &form_;
  sezione->TipoPlottaggio = "CON-STAFFE";
}

void ProgettoSezione::Disegna() {
  if (!progettoInVista_) return;
  TraveRiempie();
  // Tall enough for the labels, the title and the stirrups drawn apart to be
  // read, and within a 1366 x 768 screen.
  FinestreRisultati::MostraFrmPltSezione(1000, 1000, 9000, 10500, modello_.Trave);
}

FrmPltSezione* ProgettoSezione::DisegnoAperto() const {
  FrmPltSezione* disegno = FinestreRisultati::FrmPltSezioneAperto();
  return disegno && disegno->Sezione == modello_.Trave ? disegno : nullptr;
}

void ProgettoSezione::DisegnoSegue() {
  FrmPltSezione* disegno = DisegnoAperto();
  if (!disegno) return;
  TraveRiempie();
  disegno->centralWidget()->update();
}
