// "Plotta": the designed beam handed to the current section and drawn.
#include "analysis/SezioneCA.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "design/ProgettoSezione.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void ProgettoSezione::GruppiBarreCrea(std::vector<Barra>& gruppi, const std::vector<int>& diametri,
                                      const Combinazione& combinazione,
                                      const std::vector<float>& fisse,
                                      const std::string& tipo) const {
  gruppi.clear();
  for (std::size_t i = 1; i <= diametri.size() && i < combinazione.size(); ++i) {
    Barra b;
    b.Diametro = static_cast<float>(diametri[i - 1]);
    b.nBarre = static_cast<short>(combinazione[i] +
                                  modello_.BarreFisseNumero(static_cast<int>(i), fisse));
    b.Tipo = tipo;
    if (b.nBarre > 0) gruppi.push_back(b);
  }
}

void ProgettoSezione::GruppoReggiCrea(std::vector<Barra>& gruppi, const std::string& tipo) {
  Barra b;
  b.Diametro = static_cast<float>(Stato.DiametroReggistaffe);
  b.nBarre = static_cast<short>(Stato.NumeroBracci);
  b.Tipo = tipo;
  gruppi.assign(1, b);
}

void ProgettoSezione::TraveRiempie() {
  const std::shared_ptr<SezioneCA>& sezione = modello_.Trave;
  Stato.GancioStaffe = form_.Controllo("chkGancio135").Value();
  sezione->StaffeCamp().GancioChiuso = Stato.GancioStaffe;
  const ModelloProgetto& m = modello_;
  // With a positive moment the tension bars are the bottom ones.
  const bool tesaSotto = m.SegnoMomento == 1;
  GruppiBarreCrea(sezione->CollInf, tesaSotto ? m.DiametriTesi : m.DiametriCompressi,
                  tesaSotto ? m.CombinazioneTesa : m.CombinazioneCompressa,
                  tesaSotto ? m.BarreFisseTese : m.BarreFisseCompresse, "FERRI-INF");
  GruppiBarreCrea(sezione->CollSup, tesaSotto ? m.DiametriCompressi : m.DiametriTesi,
                  tesaSotto ? m.CombinazioneCompressa : m.CombinazioneTesa,
                  tesaSotto ? m.BarreFisseCompresse : m.BarreFisseTese, "FERRI-SUP");
  GruppoReggiCrea(sezione->CollReggiSup, "REGGI-SUP");
  GruppoReggiCrea(sezione->CollReggiInf, "REGGI-INF");
  // The drawing's frame is the designed rectangle, whatever the main window holds.
  sezione->b1 = m.BaseArrotondata;
  sezione->h1 = m.AltezzaArrotondata;
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
