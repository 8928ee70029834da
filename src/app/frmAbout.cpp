#include "app/frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/MsgBox.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Informazioni sul modulo di Progetto per sezioni rettangolari");
  auto* picIcon = new QLabel;
  picIcon->setObjectName("picIcon");
  const int lato = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
  picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(lato, lato));
  auto* lblTitle = new QLabel("PROGETTO DI SEZIONI RETTANGOLARI IN CALCESTRUZZO ARMATO");
  lblTitle->setObjectName("lblTitle");
  QFont grassetto = lblTitle->font();
  grassetto.setBold(true);
  lblTitle->setFont(grassetto);
  auto* lblVersion = new QLabel("Versione 1.0 del 30/01/2001");
  lblVersion->setObjectName("lblVersion");
  auto* lblDisclaimer = new QLabel(QString::fromUtf8(
      "Avviso: L'autore non si assume alcuna responsabilità in merito all'esattezza dei "
      "calcoli eseguiti dal programma. Tutti i risultati ottenuti andranno veruificati "
      "personalmente dall'utente."));
  lblDisclaimer->setObjectName("lblDisclaimer");
  lblDisclaimer->setWordWrap(true);
  auto* cmdOK = new QPushButton("OK");
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  auto* cmdSysInfo = new QPushButton("&System Info...");
  cmdSysInfo->setObjectName("cmdSysInfo");
  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

  auto* testi = new QVBoxLayout;
  testi->addWidget(lblTitle);
  testi->addWidget(lblVersion);
  auto* testata = new QHBoxLayout;
  testata->addWidget(picIcon, 0, Qt::AlignTop);
  testata->addLayout(testi, 1);
  auto* pulsanti = new QVBoxLayout;
  pulsanti->addWidget(cmdOK);
  pulsanti->addWidget(cmdSysInfo);
  auto* piede = new QHBoxLayout;
  piede->addWidget(lblDisclaimer, 1);
  piede->addLayout(pulsanti);
  // The etched line between the heading and the notice.
  auto* Line1 = new QFrame;
  Line1->setObjectName("Line1");
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  auto* colonna = new QVBoxLayout(this);
  colonna->addLayout(testata);
  colonna->addSpacing(8);
  colonna->addWidget(Line1);
  colonna->addSpacing(8);
  colonna->addLayout(piede);
  resize(560, sizeHint().height());
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

// No system-information tool can be started on this platform.
void frmAbout::StartSysInfo() {
  platform::MsgBox("Le informazioni sul sistema non sono attualmente disponibili.");
}

frmAbout* MostraFrmAbout() {
  auto* about = new frmAbout;
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->show();
  return about;
}
