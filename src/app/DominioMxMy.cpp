#include "app/DominioMxMy.h"

#include <algorithm>

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "analysis/Correnti.h"
#include "app/Messaggi.h"
#include "drawing/NumeroCella.h"
#include "model/GeneraleTesto.h"
#include "platform/Twips.h"

DominioMxMy::DominioMxMy(QWidget* genitore)
    : FinestraGrafico("DominioMxMy", "GridMN", genitore) {
  setWindowTitle("Dominio Mx-My");
  platform::Chart& g = Graph1();
  g.SetTitle("Titolo");
  g.SetAxisTitle(platform::Chart::AsseX, "Mx [kNm]");
  g.SetAxisTitle(platform::Chart::AsseY, "My [kNm]");

  mxEd_ = Casella("F_Mxsd", "0", 0, 0, "M<sub>xEd</sub>", "kNm");
  myEd_ = Casella("F_MySd", "0", 0, 3, "M<sub>yEd</sub>", "kNm");
  Casella("F_MxRd", "0", 1, 0, "M<sub>xRd</sub>", "kNm", true);
  Casella("F_MyRd", "0", 1, 3, "M<sub>yRd</sub>", "kNm", true);
  QLineEdit* rapporto = Casella("txtRapporto", "0", 0, 6, "ρ<sub>M</sub>", "", true);
  rapporto->setToolTip("Rapporto tra i vettori del momento sollecitante e del momento resistente ");
  command1_ = new QPushButton("Valori", centralWidget());
  command1_->setObjectName("Command1");
  cmdInfittisci_ = new QPushButton("Infittisci punti", centralWidget());
  cmdInfittisci_->setObjectName("cmdInfittisci");
  cmdRidisegna_ = new QPushButton("Nuova coppia sollecitante", centralWidget());
  cmdRidisegna_->setObjectName("cmdRidisegna");
  Comandi().setColumnStretch(8, 1);
  Comandi().addWidget(command1_, 0, 9);
  Comandi().addWidget(cmdInfittisci_, 0, 10);
  Comandi().addWidget(cmdRidisegna_, 1, 9, 1, 2);
  cmdRidisegna_->hide();

  // The resisting couple and the ratio belong to the couple they were
  // computed for.
  for (QLineEdit* casella : {mxEd_, myEd_})
    connect(casella, &QLineEdit::textChanged, this, [this] {
      cmdRidisegna_->show();
      SvuotaRisultati();
    });
  connect(cmdRidisegna_, &QPushButton::clicked, this, [this] { cmdRidisegna_Click(); });
  connect(cmdInfittisci_, &QPushButton::clicked, this, [this] { cmdInfittisci_Click(); });
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  DopoVerifica(*cmdInfittisci_);
  DopoVerifica(*cmdRidisegna_);

  resize(platform::PixelDaTwips(8760), platform::PixelDaTwips(7800));
}

bool DominioMxMy::CoppiaSollecitante(float& MxEd, float& MyEd) {
  const std::string mx = mxEd_->text().toStdString(), my = myEd_->text().toStdString();
  if (!NumeroCella::Numerico(mx) || !NumeroCella::Numerico(my)) {
    Messaggi::MessaggioErroreDati();
    return false;
  }
  MxEd = static_cast<float>(Generale::ValNumero(mx));
  MyEd = static_cast<float>(Generale::ValNumero(my));
  return true;
}

bool DominioMxMy::Calcola(float MxEd, float MyEd) {
  SvuotaRisultati();
  // The angle found goes into the main window.
  bool calcolato = false;
  InProprio([&] {
    calcolato = VariabiliPubbliche::SezioneCorrente()->CalcolaDominioMxMy(nPuntiInput, *this,
                                                                          TitoloTmp, MxEd, MyEd);
  });
  cmdInfittisci_->setEnabled(nPuntiInput < DirezioniMassime);
  if (!calcolato) {
    // No domain of an earlier run stays in sight beside a refused one.
    Graph1().SetRowCount(0);
    GridMN().SetRows(GridMN().FixedRows());
  }
  MostraGrafico(true);
  txtDataPoint().hide();
  return calcolato;
}

void DominioMxMy::SvuotaRisultati() {
  for (const char* casella : {"F_MxRd", "F_MyRd", "txtRapporto"}) Controllo(casella).SetText("");
}

void DominioMxMy::cmdRidisegna_Click() {
  float MxEd, MyEd;
  if (!CoppiaSollecitante(MxEd, MyEd)) return;
  if (platform::Form* main = Finestre::Aperte.Main) InProprio([this, main] {
    main->Controllo("F_Mxsd", 0).SetText(mxEd_->text().toStdString());
    main->Controllo("F_MySd", 0).SetText(myEd_->text().toStdString());
  });
  Calcola(MxEd, MyEd);
  cmdRidisegna_->hide();
}

void DominioMxMy::CoppiaDaMain() {
  platform::Form* main = Finestre::Aperte.Main;
  if (!main || CambioProprio()) return;
  mxEd_->setText(QString::fromStdString(main->Controllo("F_Mxsd", 0).Text()));
  myEd_->setText(QString::fromStdString(main->Controllo("F_MySd", 0).Text()));
  // Nothing new to confirm.
  cmdRidisegna_->hide();
}

void DominioMxMy::cmdInfittisci_Click() {
  float MxEd, MyEd;
  if (!CoppiaSollecitante(MxEd, MyEd)) return;
  nPuntiInput = static_cast<short>(std::min<int>(2 * nPuntiInput, DirezioniMassime));
  Calcola(MxEd, MyEd);
}

void DominioMxMy::Command1_Click() {
  const bool valori = command1_->text() == "Valori";
  MostraGrafico(!valori);
  command1_->setText(valori ? "Grafico" : "Valori");
  if (valori) txtDataPoint().hide();
}
