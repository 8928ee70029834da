// The coefficients window opened from the seismic window on one of its pages.
#include <QToolButton>

#include "app/Generale.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

void FrmSismica::MostraCoefficienti(int pagina) {
  if (FrmCoefficienti* aperta = FrmCoefficienti::Aperta()) aperta->close();
  FrmCoefficienti::Mostra(pagina);
}

void FrmSismica::MostraDinamica() {
  const FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta();
  const bool q0 = !coefficienti || coefficienti->Q0Letto();
  const bool fattori = !coefficienti || coefficienti->FattoriLetti();
  using VariabiliPubbliche::FormattaValore;
  Testo("txtDinamica", 0, fattori ? FormattaValore(Stato.DuttilitaCurvaturaInf, true) : "");
  Testo("txtDinamica", 1, q0 ? FormattaValore(Stato.FattoreStrutturaQ0, true) : "");
  Testo("txtDinamica", 2, fattori ? FormattaValore(Stato.DuttilitaCurvaturaSup, true) : "");
}

void FrmSismica::DinamicaNeiCoefficienti(bool q0) {
  FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta();
  if (!coefficienti || coefficienti->Pagina != 0) return;
  try {
    LeggeDinamica();
  } catch (const Generale::NumeroNonValido&) {
    return;  // told by the rules that follow
  }
  coefficienti->Form_Load();
  if (q0) coefficienti->Ricalcola();
  MostraDinamica();
}

void FrmSismica::mnuCapacityDesign_Click() { MostraCoefficienti(1); }

void FrmSismica::HelpMuFi_Click() { MostraCoefficienti(0); }

void FrmSismica::HelpOmegaSt_Click(int Index) { MostraCoefficienti(Index + 2); }

// A small "?" that opens a page of the coefficients window.
QToolButton* FrmSismica::Aiuto(const std::string& nome, int indice, const char* suggerimento,
                               const std::function<void()>& click) {
  auto* aiuto = new QToolButton;
  aiuto->setObjectName(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  aiuto->setText("?");
  aiuto->setAutoRaise(true);
  aiuto->setToolTip(QString::fromUtf8(suggerimento));
  connect(aiuto, &QToolButton::clicked, this, click);
  return aiuto;
}
