// The coefficients window opened from the seismic window on one of its pages.
#include <QToolButton>

#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

void FrmSismica::MostraCoefficienti(int pagina) {
  if (FrmCoefficienti* aperta = FrmCoefficienti::Aperta()) aperta->close();
  FrmCoefficienti::Mostra(pagina);
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
