// The picture of the current end section with its stirrups, and the drawing
// window opened over it.
#include <exception>

#include "analysis/Correnti.h"
#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "drawing/Grafica_Disegno.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/SurfaceImmagineQt.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

void FrmSismica::Figura_Click() { Ridisegna(true, nullptr); }

void FrmSismica::Ridisegna(bool memorizza, const std::function<void()>& evidenzia) {
  if (AggiornamentoInCorso) return;
  figura_->MostraImmagine(QImage());
  try {
    if (memorizza) {
      if (Controllo("frmStaffe").Visible() && !InvioInCorso) FlexGridS_LeaveCell();
      MemorizzaDatiSismica();
      VariabiliPubbliche::Stato.RisultatiPresenti = false;
    }
    const Sismica::Pilastro& p = Stato.PilastroCorrente;
    // A column with no size yet: the sketch of its detail.
    if (p.bSezione() <= 0 && p.hSezione() <= 0) {
      figura_->MostraSchizzo(p.Circolare() ? FiguraSezione::PilastroCircolare
                                           : FiguraSezione::PilastroRettangolare);
      return;
    }
    const qreal scala = figura_->devicePixelRatioF();
    platform::SurfaceImmagineQt immagine(static_cast<int>(figura_->width() * scala),
                                         static_cast<int>(figura_->height() * scala));
    DisegnaSezioneSismica(immagine);
    PlottaStaffeSismica();
    if (evidenzia) {
      Grafica::ImpostaColore(1);
      evidenzia();
    }
    figura_->MostraImmagine(immagine.Immagine());
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}

void FrmSismica::FiguraStaffa(int riga, bool memorizza, bool inCorso) {
  if (riga < 1) return;
  Ridisegna(memorizza, [this, riga, inCorso] {
    const Sismica::Pilastro& p = Stato.PilastroCorrente;
    if (inCorso)
      p.StaffaPlottaInProgress(FlexGridS(), riga);
    else
      p.StaffaPlotta(Sismica::Pilastro::StaffeDaGriglia(FlexGridS()), riga);
  });
}

// With the stirrup editor open the section is drawn without results.
void FrmSismica::DisegnaSezioneSismica(platform::SurfaceImmagineQt& immagine) {
  VariabiliPubbliche::Stato.PlottaggioVideo = true;
  const auto sezione = VariabiliPubbliche::SezioneCorrente();
  sezione->TipoPlottaggio = "";
  if (Stato.ElementoSetto != 0) return;
  if (Controllo("frmStaffe").Visible())
    sezione->PlottaSoloSezione("VIDEO", &immagine);
  else
    sezione->PlottaSezione("VIDEO", &immagine);
}

void FrmSismica::PlottaStaffeSismica() {
  if (Stato.ElementoSetto != 0) {
    platform::MsgBox("Non implementato setto");
    return;
  }
  Stato.PilastroCorrente.StaffePlotta(Controllo("frmStaffe"));
}

// Over the picture, drawing the stirrups after the section on every device.
void FrmSismica::ApriFinestraDisegno(bool video) {
  FrmPltSezione& finestra = FinestreRisultati::AggiornaFrmPltSezione(*figura_, video ? 1 : 0);
  finestra.ChiamataDaSismica = true;
  finestra.PlottaStaffeSismica = [](const std::string&) {
    if (FrmSismica* sismica = FrmSismica::Aperta()) sismica->PlottaStaffeSismica();
  };
}

void FrmSismica::cmdPlotta_Click() {
  if (!VariabiliPubbliche::SezioneCorrente()->AreaNulla()) ApriFinestraDisegno(true);
}
