// Element type and column shape of the seismic window, and the boxes an
// end section shares with the other.
#include <exception>

#include "app/Messaggi.h"
#include "platform/MsgBox.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

// Walls are not available: the column is chosen again.
void FrmSismica::OpTipoSezioneSismica_Click(int Index) {
  if (Index == 1) {
    platform::MsgBox("Funzione non ancora implementata");
    Controllo("OpTipoSezioneSismica", 0).SetValue(1);
    return;
  }
  Controllo("frmTipoPilastro").SetVisible(false);
  Controllo("frmStaffe").SetVisible(false);
  Stato.ElementoSetto = 0;
  Stato.PilastroMensola = Index == 2;
  MostraFramePilastro(Stato.PilastroCorrente.TipoPilastro);
  Controllo("frmTipoPilastro").SetVisible(true);
  try {
    if (!AggiornamentoInCorso) OpTipoPilastro_Click(Stato.PilastroCorrente.Circolare() ? 1 : 0);
    CmdSezionePil_Click(1);
  } catch (const std::exception&) {
    Messaggi::MessaggioErroreDati();
  }
  Controllo("F_MInfsd", 1).SetVisible(true);
  Controllo("F_MSupsd", 1).SetVisible(true);
  Controllo("LblSezione", 0).SetVisible(true);
  Controllo("cmdDirezione", 1).SetEnabled(true);
}

void FrmSismica::MostraFramePilastro(int tipo) {
  Controllo("PilastroFrm", 0).SetVisible(tipo == 0);
  Controllo("PilastroFrm", 1).SetVisible(tipo != 0);
  Controllo("TxtRo", 0).SetVisible(tipo == 0);
  Controllo("TxtRo", 1).SetVisible(tipo != 0);
  Controllo("fraOmegaCircolare").SetVisible(tipo != 0);
}

// Outline, cover and lengths belong to both ends: typed at the bottom only.
void FrmSismica::AbilitaDatiComuni(bool inferiore) {
  const bool circolare = Stato.PilastroCorrente.Circolare();
  for (int i : {9, 10, 0, 1, 4}) Controllo("PilastroTxt", i).SetEnabled(inferiore || circolare);
  for (int i : {11, 12, 6, 8, 15}) Controllo("PilastroTxt", i).SetEnabled(inferiore || !circolare);
}

void FrmSismica::PremiSezioneCorrente() {
  const int base = Stato.PilastroCorrente.Circolare() ? 2 : 0;
  CmdSezionePil_Click(base + (Stato.PilastroCorrente.SezioneInferiore ? 1 : 0));
}
