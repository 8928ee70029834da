#include "app/MomCurv.h"

#include <cmath>
#include <limits>
#include <vector>

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/Correnti.h"
#include "app/Messaggi.h"
#include "drawing/NumeroCella.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Twips.h"

namespace {

QLabel* Etichetta(const QString& testo, QWidget* genitore, const QString& nome = {}) {
  auto* etichetta = new QLabel(testo, genitore);
  etichetta->setTextFormat(Qt::RichText);
  if (!nome.isEmpty()) etichetta->setObjectName(nome);
  return etichetta;
}

// The caption above the boxes until a run gives the height.
const QString SenzaAltezza = "(H=atezza totale sezione)";

// The point count typed: a whole number within 16 bits (the engine takes a
// count below 1 as 1).
bool NumeroPunti(const std::string& testo, short& n) {
  if (!NumeroCella::Numerico(testo)) return false;
  const double valore = std::nearbyint(Generale::ValNumero(testo));
  if (valore < std::numeric_limits<short>::min() || valore > std::numeric_limits<short>::max())
    return false;
  n = static_cast<short>(valore);
  return true;
}

}  // namespace

MomCurv::MomCurv(bool solo, QWidget* genitore)
    : FinestraGrafico(solo ? "MomCurvSolo" : "MomCurv", "Grid1", genitore), solo_(solo) {
  setWindowTitle(solo ? "Momento - Curvatura" : "Colonna modello");
  platform::Chart& g = Graph1();
  g.SetTitle("Titolo");
  g.SetAxisTitle(platform::Chart::AsseX, "Curvatura • H ‰");
  g.SetAxisTitle(platform::Chart::AsseY, "M [kNm]");

  QWidget* c = centralWidget();
  QGridLayout& l = Comandi();
  l.addWidget(Etichetta(SenzaAltezza, c, "lblMomCurv"), 0, 0, 1, 9);
  fN_ = Casella("F_N", "0", 1, 0, "N<sub>Ed</sub>", "kN");
  fL0_ = Casella("F_L0", "", 2, 0, "L<sub>o</sub>", "");
  l.addWidget(Etichetta("mm", c, "lbl_L0_2"), 2, 2);
  fDivisioni_ = Casella("F_nDivisioniMN", "20", 1, 3, "n° punti", "");
  fDivisioni_->setToolTip("n° punti diagramma");
  btnCalcolaMN_ = new QPushButton("Ricalcola", c);
  btnCalcolaMN_->setObjectName("btnCalcolaMN");
  btnCalcolaMN_->setAutoDefault(true);
  l.addWidget(btnCalcolaMN_, 1, 5);

  QLabel* primo = Etichetta("", c, solo ? "MRd" : "M_M2max");
  primo->setToolTip("Massimo momento del 1° ordine disponibile");
  QLabel* secondo = Etichetta("", c, "lblE2");
  secondo->setToolTip("eccentricità del 2° ordine corrispondente a max M1Rd");
  for (QLabel* valore : {primo, secondo}) {
    valore->setMinimumWidth(valore->fontMetrics().horizontalAdvance("-0000.000") + 8);
    valore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  l.addWidget(Etichetta(solo ? "M<sub>Rd</sub>" : "max M<sub>1Rd</sub>", c), 1, 6, Qt::AlignRight);
  l.addWidget(primo, 1, 7);
  l.addWidget(Etichetta("kNm", c), 1, 8);
  l.addWidget(Etichetta(solo ? "M'<sub>yd</sub>" : "e<sub>2</sub>", c), 2, 6, Qt::AlignRight);
  l.addWidget(secondo, 2, 7);
  l.addWidget(Etichetta(solo ? "kNm" : "mm", c, "Label3N_2"), 2, 8);
  l.setColumnStretch(9, 1);

  command1_ = new QPushButton("Valori", c);
  command1_->setObjectName("Command1");
  auto* cmdDuttil = new QPushButton("Duttilità", c);
  cmdDuttil->setObjectName("cmdDuttil");
  l.addWidget(command1_, 1, 10);
  l.addWidget(cmdDuttil, 2, 10);
  CreaDuttilita();

  connect(btnCalcolaMN_, &QPushButton::clicked, this, [this] { btnCalcolaMN_Click(); });
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(cmdDuttil, &QPushButton::clicked, this, [this] { cmdDuttil_Click(); });
  // Enter in the force or the count moves on to "Ricalcola" without pressing it.
  for (QLineEdit* casella : {fN_, fDivisioni_})
    connect(casella, &QLineEdit::returnPressed, btnCalcolaMN_,
            [this] { btnCalcolaMN_->setFocus(Qt::TabFocusReason); });
  // The results belong to the force, count and (model column) length they
  // were computed with.
  std::vector<QLineEdit*> ingressi{fN_, fDivisioni_};
  if (!solo) ingressi.push_back(fL0_);
  for (QLineEdit* casella : ingressi)
    connect(casella, &QLineEdit::textChanged, this, [this] { Svuota(); });

  resize(platform::PixelDaTwips(8820), platform::PixelDaTwips(solo ? 7900 : 7700));
}

// The curvature ductility, laid over the chart's top left corner.
void MomCurv::CreaDuttilita() {
  fraDutt_ = new QGroupBox("Duttilità di curvatura", Grafico().parentWidget());
  fraDutt_->setObjectName("fraDutt");
  fraDutt_->setAutoFillBackground(true);
  auto* colonna = new QVBoxLayout(fraDutt_);
  auto* riga = new QHBoxLayout;
  auto* frazione = new QVBoxLayout;
  auto* linea = new QFrame(fraDutt_);
  linea->setObjectName("Line1");
  linea->setFrameShape(QFrame::HLine);
  frazione->addWidget(
      Etichetta(solo_ ? "φ<sub>u</sub>" : "curv. ultima", fraDutt_, "lblDutt_3"), 0, Qt::AlignHCenter);
  frazione->addWidget(linea);
  frazione->addWidget(
      Etichetta(solo_ ? "φ<sub>yd</sub>" : "curv. snerv.", fraDutt_, "lblDutt_4"), 0, Qt::AlignHCenter);
  riga->addWidget(Etichetta("μ<sub>φ</sub> =", fraDutt_));
  riga->addLayout(frazione);
  riga->addWidget(Etichetta("=", fraDutt_, "lblDutt_6"));
  QLabel* valore = Etichetta("", fraDutt_, "lblMuFi");
  valore->setMinimumWidth(valore->fontMetrics().horizontalAdvance("0000.000"));
  riga->addWidget(valore);
  colonna->addLayout(riga);
  colonna->addWidget(Etichetta(solo_ ? "NTC 2018 #4.1.2.3.4.2 - EC8 #5.2.3.4(3)"
                                     : "NTC #7.4.4 - EC8 #5.2.3.4(3)",
                               fraDutt_, "lblDutt_5"));
  fraDutt_->move(platform::PixelDaTwips(200), platform::PixelDaTwips(200));
  fraDutt_->adjustSize();
  fraDutt_->hide();
}

void MomCurv::SvuotaRisultati() {
  for (const char* nome : {solo_ ? "MRd" : "M_M2max", "lblE2", "lblMuFi"})
    Controllo(nome).SetCaption("");
  Controllo("lblMomCurv").SetCaption(SenzaAltezza.toStdString());
}

bool MomCurv::LeggePunti(short& n) {
  if (NumeroPunti(fDivisioni_->text().toStdString(), n)) return true;
  Messaggi::MessaggioErroreDati();
  return false;
}

void MomCurv::Esegui(short n) {
  const short letti = n;
  SezioneCA& sezione = *VariabiliPubbliche::SezioneCorrente();
  if (solo_)
    sezione.CalcolaColonnaModello_solo(n, *this);
  else
    sezione.CalcolaColonnaModello(n, *this);
  // The count the engine raised is the one drawn.
  if (n != letti) InProprio([this, n] { fDivisioni_->setText(QString::number(n)); });
  fraDutt_->adjustSize();
}

void MomCurv::Calcola() {
  short n = 0;
  if (LeggePunti(n)) Esegui(n);
}

void MomCurv::IngressiDaMain() {
  platform::Form* main = Finestre::Aperte.Main;
  if (!main) return;
  fN_->setText(QString::fromStdString(main->Controllo("F_N", 0).Text()));
  fL0_->setText(QString::fromStdString(main->Controllo("F_L0").Text()));
  Controllo("lbl_L0", 2).SetCaption(VariabiliPubbliche::Stato.UnitaLunghezza);
}

void MomCurv::btnCalcolaMN_Click() {
  short n = 0;
  if (!LeggePunti(n)) return;
  // A changed force empties this window too: a run that fails leaves nothing.
  // Both read first: the main window's new force comes back into these boxes.
  if (platform::Form* main = Finestre::Aperte.Main) {
    const std::string forza = fN_->text().toStdString(), lunghezza = fL0_->text().toStdString();
    main->Controllo("F_N", 0).SetText(forza);
    main->Controllo("F_L0").SetText(lunghezza);
  }
  Esegui(n);
  txtDataPoint().hide();
  // The run verified the main window again: no failure type shows there
  // beside results it hides.
  platform::Form* main = Finestre::Aperte.Main;
  if (main && !main->Controllo("FraRisultati", 0).Visible())
    main->Controllo("F_tipo_rottura", 0).SetText("");
}

void MomCurv::Command1_Click() {
  txtDataPoint().hide();
  const bool grafico = !Grafico().isHidden();
  MostraGrafico(!grafico);
  command1_->setText(grafico ? "Grafico" : "Valori");
  fraDutt_->hide();
}

void MomCurv::cmdDuttil_Click() {
  fraDutt_->setVisible(fraDutt_->isHidden());
  fraDutt_->raise();
}
