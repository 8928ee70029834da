#include "app/FrmImportDXF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/MsgBox.h"

using ImportaDxf::Stato;

FrmImportDXF::FrmImportDXF(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Importa DXF");
  auto* Label6 = new QLabel("Selezionare layer per:");
  Label6->setObjectName("Label6");
  auto* Label1 = new QLabel("Geometria sezione");
  Label1->setObjectName("Label1");

  auto* griglia = new QGridLayout;
  griglia->addWidget(Label6, 0, 0, 1, 2);
  griglia->addWidget(Label1, 1, 0);
  const char* etichette[] = {"", "Armatura lenta", "Armatura di precompressione"};
  for (int i = 0; i < 3; ++i) {
    ComboSez[i] = new QComboBox;
    ComboSez[i]->setObjectName(QString("ComboSez_%1").arg(i));
    ComboSez[i]->setMinimumContentsLength(20);
    // The rows keep their places while a box is hidden.
    QSizePolicy politica = ComboSez[i]->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    ComboSez[i]->setSizePolicy(politica);
    griglia->addWidget(ComboSez[i], i + 1, 1);
    if (i == 0) continue;
    CheckSez[i] = new QCheckBox(etichette[i]);
    CheckSez[i]->setObjectName(QString("CheckSez_%1").arg(i));
    griglia->addWidget(CheckSez[i], i + 1, 0);
    connect(CheckSez[i], &QCheckBox::toggled, this, [this, i] { CheckSez_Click(i); });
  }

  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  const char* testi[] = {"Annulla", "OK"};
  for (int i = 0; i < 2; ++i) {
    cmdDXF[i] = new QPushButton(testi[i]);
    cmdDXF[i]->setObjectName(QString("cmdDXF_%1").arg(i));
    pulsanti->addWidget(cmdDXF[i]);
    connect(cmdDXF[i], &QPushButton::clicked, this, [this, i] { cmdDXF_Click(i); });
  }
  cmdDXF[1]->setDefault(true);

  auto* colonna = new QVBoxLayout(this);
  colonna->addLayout(griglia);
  colonna->addSpacing(12);
  colonna->addLayout(pulsanti);
  colonna->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(cmdDXF[1], ComboSez[0]);
  setTabOrder(ComboSez[0], CheckSez[1]);
  setTabOrder(CheckSez[1], ComboSez[1]);
  setTabOrder(ComboSez[1], CheckSez[2]);
  setTabOrder(CheckSez[2], ComboSez[2]);
  setTabOrder(ComboSez[2], cmdDXF[0]);
}

void FrmImportDXF::MostraModale() {
  Form_Load();
  exec();
}

void FrmImportDXF::Form_Load() {
  Stato.LayerConfermati = false;
  Stato.LayerContorno.clear();
  Stato.LayerBarre.clear();
  Stato.LayerCavi.clear();
  for (int i = 1; i < 3; ++i) CheckSez[i]->setChecked(false);
  for (QComboBox* combo : ComboSez) {
    combo->clear();
    for (const std::string& nome : Stato.LayerDxf) combo->addItem(QString::fromStdString(nome));
    combo->setCurrentIndex(-1);
  }
  ComboSez[1]->setVisible(false);
  ComboSez[2]->setVisible(false);
  cmdDXF[1]->setFocus();
}

void FrmImportDXF::CheckSez_Click(int Index) {
  QComboBox* combo = ComboSez[Index];
  combo->setVisible(CheckSez[Index]->isChecked());
  if (combo->count() > 0) combo->setCurrentIndex(0);
}

void FrmImportDXF::cmdDXF_Click(int Index) {
  if (Index == 0) {
    reject();
    return;
  }
  Stato.LayerContorno = ComboSez[0]->currentText().toStdString();
  if (Stato.LayerContorno.empty()) {
    platform::MsgBox("Selezionare layer per geometria sezione!", platform::Pulsanti::Ok,
                     platform::Icona::Esclamazione);
    return;
  }
  auto scelto = [this](int i) {
    return !ComboSez[i]->isHidden() ? ComboSez[i]->currentText().toStdString()
                                          : std::string();
  };
  Stato.LayerBarre = scelto(1);
  Stato.LayerCavi = scelto(2);
  Stato.LayerConfermati = true;
  accept();
}

void FrmImportDXF::reject() {
  Stato.LayerConfermati = false;
  QDialog::reject();
}
