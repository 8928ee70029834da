// The result boxes the main window shows or hides by method and status, the
// bars-only layout, the action-conversion tooltips and the prestressing box.
#include <QWidget>

#include "app/Main.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void Main::RisultatiControlli(bool visibile) {
  Controllo("FraRisultati", 0).SetVisible(visibile);
  Controllo("FraRisultati", 1).SetVisible(visibile);
  if (visibile) return;
  nIterazioniOff();
  Controllo("F_tipo_rottura", 0).SetText("");
}

void Main::SigmaScontrolli(bool visibile) {
  Controllo("F_sigma_s", 0).SetVisible(visibile);
  Controllo("lbl_sigma_s", 0).SetVisible(visibile);
  Controllo("lbl_sigma_s", 1).SetVisible(visibile);
  Controllo("Label3As", 3).SetVisible(visibile);
  Controllo("Label4As", 3).SetVisible(visibile);
}

void Main::ControlliAsseNeutro(bool visibile) {
  for (const char* nome : {"F_h_utile", "F_y_neutro"}) Controllo(nome).SetVisible(visibile);
  for (int i = 0; i <= 1; ++i) {
    Controllo("lbl_h_utile", i).SetVisible(visibile);
    Controllo("F_x_su_d", i).SetVisible(visibile);
    Controllo("lbl_x_su_d", i).SetVisible(visibile);
  }
  Controllo("lbl_y_neutro", 0).SetVisible(visibile);
}

void Main::nIterazioniOff(std::optional<int> n) {
  Controllo("F_nMaxRettangolini", 1).SetVisible(n.has_value());
  Controllo("lblRettangolini", 1).SetVisible(n.has_value());
  if (n) Controllo("F_nMaxRettangolini", 1).SetText(std::to_string(*n));
}

void Main::SoloBarreControlli() {
  const bool solo = Stato.SoloBarre != 0;
  Controllo("mnuSoloBarre").SetChecked(solo);
  if (solo) {
    Controllo("OpTipoSezione", 5).SetValue(1);
    Controllo("OpTipoVerifica", 1).SetValue(1);
    Controllo("chkPrecompresso").SetValue(0);
    Controllo("chkPrecompresso").SetVisible(false);
  } else {
    Controllo("chkPrecompresso").SetVisible(true);
  }
  for (int i : {0, 1, 2, 3, 4, 6}) Controllo("OpTipoSezione", i).SetVisible(!solo);
  for (int i : {0, 2}) Controllo("OpTipoVerifica", i).SetVisible(!solo);
  Controllo("LblSoloBarre").SetVisible(solo);
  if (Stato.TipoSezione == 4) return;
  // A rectangle's and a T's figures are counted by their type.
  const bool contate = !solo && Stato.TipoSezione != 0 && Stato.TipoSezione != 1;
  for (const char* nome : {"LblRigheGriglia", "txtRigheGriglia", "FlexGridZoom"})
    Controllo(nome, 0).SetVisible(contate);
  Controllo("FlexGrid", 0).SetVisible(!solo);
  // The cell editor shows only over a cell being typed.
  if (solo) TxtEdit(0).SetVisible(false);
}

void Main::ToolTipAzioniDaSLU() {
  const std::string g = Formattazione::TestoNumero(Stato.GammaAzioni);
  Widget("cmdAzioniDaSLU", 0)
      ->setToolTip(QString::fromStdString("Sollecitazioni Metodo n = SLU / " + g + " (vedi menu opzioni)"));
  Widget("cmdAzioniDaSLU", 1)
      ->setToolTip(QString::fromStdString("Sollecitazioni SLU = Metodo n x " + g + " (vedi menu opzioni)"));
}

void Main::chkPrecompresso_Click() {
  Stato.Precompresso = Controllo("chkPrecompresso").Value() == 1;
  // The tendons' steel, grid and results come into sight.
  colonnaCavi_->setVisible(Stato.Precompresso);
  grigliaCavi_->setVisible(Stato.Precompresso);
  if (Stato.Precompresso) {
    Controllo("mnu_Progetto").SetEnabled(false);
  } else if (Stato.TipoSezione == 0) {
    Controllo("mnu_Progetto").SetEnabled(true);
  }
}
