#include "app/frmUnits.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/TestoSingolo.h"
#include "app/Generale.h"
#include "app/TastieraFinestra.h"
#include "design/ProgettoSezione.h"
#include "model/Finestre.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/FormQt.h"
#include "platform/qt/SchermoQt.h"

namespace {

using VariabiliPubbliche::Stato;

QPointer<frmUnits> Istanza;

QString Nome(const char* nome, int indice) {
  return QString::fromStdString(platform::NomeOggetto(nome, indice));
}

}  // namespace

frmUnits& frmUnits::Mostra(int IndexMenu) {
  if (Istanza && Istanza->IndexMenu != IndexMenu) {
    Istanza->close();
    Istanza = nullptr;
  }
  if (!Istanza) Istanza = new frmUnits(IndexMenu);
  Istanza->show();
  Istanza->raise();
  Istanza->activateWindow();
  return *Istanza;
}

frmUnits* frmUnits::Aperta() { return Istanza; }

frmUnits::frmUnits(int IndexMenu) : IndexMenu(IndexMenu) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("frmUnits");
  auto* colonna = new QVBoxLayout(this);
  colonna->addWidget(CreaFrame(IndexMenu));
  new Generale::TastieraFinestra(*this);
  if (IndexMenu == 0) {
    setWindowTitle("Unità di misura");
    optUnits_[Stato.UnitaLunghezza == "cm" ? 1 : 0]->setChecked(true);
  } else {
    setWindowTitle("Coefficiente parziale di sicurezza");
    txtGammaQ_->setText(QString::fromStdString(TestoSingolo(Stato.GammaAzioni)));
  }
  setMinimumWidth(platform::LarghezzaPerIlTitolo(*this));
  // As in a dialog: Enter confirms, Escape cancels. Enter is taken before
  // the option buttons, which press themselves with it on some desktops; a
  // command button with the focus is pressed by the program's Enter.
  for (QWidget* campo : findChildren<QRadioButton*>()) campo->installEventFilter(this);
  if (txtGammaQ_) txtGammaQ_->installEventFilter(this);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          [this] { CancelButton_Click(); });
}

bool frmUnits::eventFilter(QObject* oggetto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return QWidget::eventFilter(oggetto, evento);
  const int tasto = static_cast<QKeyEvent*>(evento)->key();
  if (tasto != Qt::Key_Return && tasto != Qt::Key_Enter) return false;
  OKButton_Click();
  return true;
}

// Only the frame of the window's mode is built: the other one is never shown.
QWidget* frmUnits::CreaFrame(int indice) {
  auto* frame = new QGroupBox;
  frame->setObjectName(Nome("Frame1", indice));
  auto* colonna = new QVBoxLayout(frame);
  if (indice == 0) {
    auto* etichetta = new QLabel("Unità di misura per dimensioni sezione e armatura");
    etichetta->setObjectName(Nome("Label1", 0));
    colonna->addWidget(etichetta);
    auto* opzioni = new QHBoxLayout;
    const char* unita[] = {"mm", "cm"};
    for (int i = 0; i < 2; ++i) {
      optUnits_[i] = new QRadioButton(unita[i]);
      optUnits_[i]->setObjectName(Nome("optUnits", i));
      opzioni->addWidget(optUnits_[i]);
    }
    opzioni->addStretch();
    colonna->addLayout(opzioni);
  } else {
    auto* etichetta = new QLabel("Coefficiente parziale di sicurezza sulle azioni");
    etichetta->setObjectName(Nome("Label1", 1));
    colonna->addWidget(etichetta);
    auto* riga = new QHBoxLayout;
    auto* gamma = new QLabel(QStringLiteral("γ"));
    gamma->setObjectName(Nome("Label1", 2));
    auto* q = new QLabel("Q");
    q->setObjectName(Nome("Label1", 3));
    txtGammaQ_ = new QLineEdit;
    txtGammaQ_->setObjectName("txtGammaQ");
    txtGammaQ_->setAlignment(Qt::AlignRight);
    riga->addWidget(gamma);
    riga->addWidget(q, 0, Qt::AlignBottom);
    riga->addWidget(txtGammaQ_);
    colonna->addLayout(riga);
  }
  auto* pulsanti = new QHBoxLayout;
  pulsanti->addStretch();
  auto* ok = new QPushButton("OK");
  ok->setObjectName(Nome("OKButton", indice));
  auto* annulla = new QPushButton("Annulla");
  annulla->setObjectName(Nome("CancelButton", indice));
  connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
  connect(annulla, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
  pulsanti->addWidget(ok);
  pulsanti->addWidget(annulla);
  colonna->addLayout(pulsanti);
  return frame;
}

void frmUnits::OKButton_Click() {
  if (IndexMenu == 0) {
    // What was typed in the main window goes into the program state in the
    // old unit first, so the rewriting in the new one keeps it.
    Finestre::FinestraMain* main = Finestre::MainAperta();
    if (main) {
      main->ChiudiEditori(true);
      // A value refused stays as typed, in the unit it was typed in.
      if (!main->FormLeggeDati(false) && main->LetturaRifiutata()) return;
    }
    const std::string vecchia = Stato.UnitaLunghezza;
    Stato.UnitaLunghezza = optUnits_[0]->isChecked() ? "mm" : "cm";
    AggiornaFormPerUnita();
    // The grids are written again in the new unit: no editor holds the old.
    if (main) main->ChiudiEditori(false);
    if (ProgettoSezione* progetto = ProgettoSezione::Aperta()) progetto->UnitaCambia(vecchia);
  } else {
    const std::string testo = txtGammaQ_->text().toStdString();
    const std::string motivo =
        Generale::FuoriIntervalloCasella(testo, Intervalli::Grandezza::GammaAzioni);
    if (!motivo.empty()) {
      platform::MsgBox(motivo, platform::Pulsanti::Ok, platform::Icona::Esclamazione);
      txtGammaQ_->setFocus(Qt::OtherFocusReason);
      return;
    }
    Stato.GammaAzioni = static_cast<float>(Generale::ValNumero(testo));
    if (Finestre::FinestraMain* main = Finestre::MainAperta()) main->ToolTipAzioniDaSLU();
  }
  close();
}

void frmUnits::CancelButton_Click() { close(); }

void frmUnits::AggiornaFormPerUnita() {
  if (Finestre::FinestraMain* main = Finestre::MainAperta()) {
    main->AggiornaForm();
    main->FormScriveDati();
    main->OpTipoSezione_Click(Stato.TipoSezione);
    // The section, not the sketch of its type, as a project read shows it.
    main->DisegnaSezioneScritta();
    main->Fuoco("btnCalcola");
  }
  Finestre::FinestraSismica* sismica = Finestre::Aperte.FrmSismica;
  if (sismica && sismica->Visibile()) {
    sismica->CaricaValoriFormSismicaSub(true);
    sismica->AggiornaUnitaSismica();
  }
}
