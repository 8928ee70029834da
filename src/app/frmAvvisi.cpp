#include "app/frmAvvisi.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAvvisi::frmAvvisi(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Avviso");
  auto* Label1 = new QLabel(QString::fromUtf8("Valori di  ε<sub>cu</sub>  e/o  ε<sub>c2</sub>  "
                                              "diversi da normativa"));
  Label1->setObjectName("Label1");
  Label1->setTextFormat(Qt::RichText);
  Check1 = new QCheckBox("Non mostrare questo avviso  nei run successivi");
  Check1->setObjectName("Check1");
  auto* Command1 = new QPushButton("OK");
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &frmAvvisi::Command1_Click);

  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(Label1, 0, Qt::AlignHCenter);
  colonna->addSpacing(8);
  colonna->addWidget(Check1);
  colonna->addWidget(Command1, 0, Qt::AlignHCenter);
  colonna->setSizeConstraint(QLayout::SetFixedSize);
}

frmAvvisi::~frmAvvisi() {
  if (Finestre::Aperte.frmAvvisi == this) Finestre::Aperte.frmAvvisi = nullptr;
}

bool frmAvvisi::MostraModale() {
  Check1->setChecked(false);
  return exec() == QDialog::Accepted && Check1->isChecked();
}

void frmAvvisi::Command1_Click() { accept(); }

frmAvvisi* CreaFrmAvvisi(QWidget* principale) {
  auto* avvisi = new frmAvvisi(principale);
  Finestre::Aperte.frmAvvisi = avvisi;
  return avvisi;
}
