// The materials window: change of code, rows added and deleted, library
// saved and reset, confidence factors, confirm and cancel.
#include <algorithm>

#include <QLineEdit>

#include "app/FileMateriali.h"
#include "app/Generale.h"
#include "app/Material.h"
#include "app/Messaggi.h"
#include "app/NuovoMateriale.h"
#include "app/TabelleMateriali.h"
#include "app/frmSceltaLC.h"
#include "design/ProgettoSezione.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

using VariabiliPubbliche::RigaAcciaio;
using VariabiliPubbliche::RigaCalcestruzzo;
using VariabiliPubbliche::Stato;

// Data row r out, the rows below moved up.
void EliminaRiga(platform::FlexGrid& griglia, int r) {
  for (int i = r; i + 1 < griglia.Rows(); ++i)
    for (int c = 0; c < griglia.Cols(); ++c)
      griglia.SetTextMatrix(i, c, griglia.TextMatrix(i + 1, c));
  griglia.SetRows(griglia.Rows() - 1);
}

void MessaggioMateriale(const char* testo) {
  platform::MsgBox(testo, platform::Pulsanti::Ok, platform::Icona::Critica);
}

}  // namespace

void Material::NormativaItem_Click(int Index) {
  const int prima = Stato.Normativa;
  VariabiliPubbliche::ScegliNormativa3(Index, form_);
  TabelleMateriali::ParametriNormativa();
  CaricamentoInCorso = true;
  CompletaForm();
  CaricamentoInCorso = false;
  CalcolaValoriDerivati();
  AggiornaEtichetteNormativa();
  if (Stato.Normativa != prima) NormativaSeguita();
}

void Material::NormativaSeguita() {
  if (Finestre::Aperte.Main) VariabiliPubbliche::AggiornaMenuNormativa3(*Finestre::Aperte.Main);
  ProgettoSezione::NormativaScelta();
}

void Material::Nuovo_Click(int Index) {
  NuovoMateriale dialogo(*this, Index);
  dialogo.exec();
}

void Material::Elimina_Click(int Index) {
  platform::FlexGrid& griglia = MsFlex(Index);
  // A grid keeps at least one data row.
  if (griglia.Rows() <= 2 || griglia.Row() < 1) return;
  EliminaRiga(griglia, griglia.Row());
  griglia.SetRow(std::min(griglia.Row(), griglia.Rows() - 1));
  MSFlex_Click(Index);
}

void Material::CmdFC_Click(int Index) {
  frmSceltaLC dialogo(*this, Index);
  dialogo.exec();
}

void Material::MatDefault_Click() {
  TabelleMateriali::MaterialiDefault();
  CaricamentoInCorso = true;
  CompletaForm();
  CaricamentoInCorso = false;
  CalcolaValoriDerivati();
}

void Material::Command1_Click() {
  if (!ValoriValidi()) return;
  Stato.TabellaAcciai = FileMateriali::TabellaDaGriglia<RigaAcciaio>(MsFlex(0));
  if (Vettore<RigaAcciaio>* tabella = VariabiliPubbliche::TabellaAcciaiNormativa(Stato.Normativa))
    *tabella = Stato.TabellaAcciai;
  Stato.TabellaCalcestruzzi = FileMateriali::TabellaDaGriglia<RigaCalcestruzzo>(MsFlex(1));
  FileMateriali::FileMaterialiLeggeScrive("S", this);
}

void Material::F_esci_Click(int Index) {
  if (Index != 0) {
    close();
    return;
  }
  if (F_fck_[1]->text().isEmpty()) return MessaggioMateriale("Selezionare il tipo di calcestruzzo");
  if (F_fck_[0]->text().isEmpty()) return MessaggioMateriale("Selezionare il tipo di acciaio");
  if (!ValoriValidi()) return;
  platform::Form* main = Finestre::Aperte.Main;
  const int normativa = Stato.Normativa;
  if (main && normativa >= 0 && normativa <= 2) {
    const bool esistenti = normativa == 2;
    main->Controllo("Label21", 0).SetCaption(esistenti ? "y" : "yd");
    main->Controllo("Label6", 6).SetCaption(esistenti ? "sy" : "syd");
    main->Controllo("Label23").SetCaption(esistenti ? "c" : "cd");
    main->Controllo("Label17").SetCaption(esistenti ? "c" : "cd");
  }
  if (normativa == 2) Messaggi::MessaggioDuttilita();
  MaterialiDaForm();
  if (Finestre::FinestraMain* finestra = Finestre::MainAperta()) {
    finestra->ScriveMaterialiInForm();
    VariabiliPubbliche::AggiornaMenuNormativa3(*finestra);
  }
  confermato_ = true;
  ProgettoSezione::MaterialiScelti();
  close();
}

void Material::Controlla(QLineEdit* casella, Intervalli::Grandezza g, double scala,
                         const char* nome) {
  controllate_.push_back({casella, g, scala, nome, casella->text()});
  const std::size_t k = controllate_.size() - 1;
  // What the user types counts once the box is left; what the window
  // writes, at once.
  connect(casella, &QLineEdit::textChanged, this, [this, k] {
    Controllata& c = controllate_[k];
    if (!c.casella->hasFocus() && FuoriIntervallo(c).empty()) c.valida = c.casella->text();
  });
  connect(casella, &QLineEdit::editingFinished, this, [this] { ValoriValidi(); });
}

std::string Material::FuoriIntervallo(const Controllata& c) {
  return Generale::FuoriIntervalloCasella(c.casella->text().toStdString(), c.grandezza,
                                          c.nome ? c.nome : "", c.scala);
}

bool Material::Dentro(const QLineEdit* casella) const {
  for (const Controllata& c : controllate_)
    if (c.casella == casella) return FuoriIntervallo(c).empty();
  return true;
}

bool Material::Scelto(int index) const {
  return !F_sigla_[index]->text().isEmpty() || !F_fck_[index]->text().isEmpty();
}

bool Material::DiGradoNonScelto(const QLineEdit* casella) const {
  if (!casella->text().isEmpty()) return false;
  const QLineEdit* const acciaio[] = {F_fck_[0], F_fd_[0], txtSigAdm_[0]};
  const QLineEdit* const cls[] = {F_fck_[1], F_Rck_[1], F_fd_[1],
                                  txtSigAdm_[1], txtSigAdm_[2], txtSigAdm_[3]};
  return (!Scelto(0) && std::ranges::find(acciaio, casella) != std::end(acciaio)) ||
         (!Scelto(1) && std::ranges::find(cls, casella) != std::end(cls));
}

bool Material::ValoriValidi() {
  std::string motivi;
  for (Controllata& c : controllate_) {
    if (DiGradoNonScelto(c.casella)) continue;
    const std::string motivo = FuoriIntervallo(c);
    if (motivo.empty()) {
      c.valida = c.casella->text();
      continue;
    }
    // The data error is told once however many boxes hold no number.
    if (motivi.find(motivo) == std::string::npos) motivi += (motivi.empty() ? "" : "\r\n") + motivo;
    c.casella->setText(c.valida);
  }
  if (motivi.empty()) return true;
  platform::MsgBox(motivi, platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  return false;
}
