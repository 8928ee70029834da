#include "app/FrmInfor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FileInOut.h"

FrmInfor::FrmInfor(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Informazioni");
  const QString versione =
      QString("VERSIONE %1 (novembre 2021)").arg(Generale::VersioneFileCorrente);
  const std::pair<int, QString> righe[] = {
      {0, "VERIFICHE A PRESSO-FLESSIONE"},
      {4, "Sezione generica in C.A. e C.A.P."},
      {1, "Stato Limite Ultimo"},
      {6, "Metodo n"},
      {5, "Progetto a flessione e taglio di sezione rettangolare"},
      {9, "Progetto pilastri in zona sismica"},
      {3, versione},
  };
  auto* colonna = new QVBoxLayout(this);
  for (const auto& [indice, testo] : righe) {
    auto* etichetta = new QLabel(testo);
    etichetta->setObjectName(QString("Label1_%1").arg(indice));
    etichetta->setAlignment(Qt::AlignHCenter);
    if (indice == 0) {
      QFont carattere = etichetta->font();
      carattere.setBold(true);
      carattere.setPointSizeF(carattere.pointSizeF() * 1.3);
      etichetta->setFont(carattere);
    }
    if (indice == 3) colonna->addSpacing(12);
    colonna->addWidget(etichetta);
  }
  Command1 = new QPushButton("&OK");
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  Command1->installEventFilter(this);
  connect(Command1, &QPushButton::clicked, this, &FrmInfor::Command1_Click);
  colonna->addSpacing(12);
  colonna->addWidget(Command1, 0, Qt::AlignHCenter);
  colonna->setSizeConstraint(QLayout::SetFixedSize);
  Command1->setFocus();
}

void FrmInfor::Command1_Click() { accept(); }

bool FrmInfor::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == Command1 && evento->type() == QEvent::KeyPress &&
      !static_cast<QKeyEvent*>(evento)->text().isEmpty() &&
      static_cast<QKeyEvent*>(evento)->text().at(0).isPrint()) {
    Command1_Click();
    return true;
  }
  return QDialog::eventFilter(oggetto, evento);
}
