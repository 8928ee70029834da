#include "app/DominioMN.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/Correnti.h"
#include "app/Generale.h"
#include "drawing/MsChartBas.h"
#include "drawing/MsFlex.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Twips.h"

using VariabiliPubbliche::Stato;

namespace {

Matrice<double> InDouble(const Matrice<float>& m) {
  Matrice<double> d(m.Lb1(), m.Ub1(), m.Lb2(), m.Ub2());
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) d(i, j) = m(i, j);
  return d;
}

Matrice<float> InFloat(const Matrice<double>& m) {
  Matrice<float> f(m.Lb1(), m.Ub1(), m.Lb2(), m.Ub2());
  for (int i = m.Lb1(); i <= m.Ub1(); ++i)
    for (int j = m.Lb2(); j <= m.Ub2(); ++j) f(i, j) = static_cast<float>(m(i, j));
  return f;
}

}  // namespace

void DominioMN::FuocoRidisegna::SetFocus() { bottone_->setFocus(Qt::OtherFocusReason); }

DominioMN::DominioMN(QWidget* genitore) : FinestraGrafico("DominioMN", "GridMN", genitore) {
  setWindowTitle("Dominio M-N");
  platform::Chart& g = Graph1();
  g.SetTitle("Titolo");
  g.SetAxisTitle(platform::Chart::AsseX, "N [kN]");
  g.SetAxisTitle(platform::Chart::AsseY, "M [kNm]");

  auto* lato = new QVBoxLayout;
  auto* fraSol = new QGroupBox("Sollecitazioni", centralWidget());
  fraSol->setObjectName("fraSol");
  auto* dentro = new QGridLayout(fraSol);
  gridSol_ = new platform::FlexGridQt(fraSol);
  gridSol_->setObjectName("GridSol");
  // Its size is known before it is shown: the columns are sized from it.
  gridSol_->setFixedSize(platform::PixelDaTwips(3300), platform::PixelDaTwips(1800));
  gridSol_->Griglia().SetWidth(3300);
  gridSol_->Griglia().SetHeight(1800);
  dentro->addWidget(gridSol_, 0, 0, 1, 2);
  const char* sol[] = {"Aggiunge", "Ridisegna", "Elimina"};
  for (int i = 0; i < 3; ++i) {
    cmdSol_[i] = new QPushButton(sol[i], i == 1 ? centralWidget() : fraSol);
    cmdSol_[i]->setObjectName(QString("cmdSol_%1").arg(i));
    if (i != 1) connect(cmdSol_[i], &QPushButton::clicked, this, [this, i] { cmdSol_Click(i); });
  }
  dentro->addWidget(cmdSol_[0], 1, 0);
  dentro->addWidget(cmdSol_[2], 1, 1);
  // Out of sight: it only takes the focus after the grid's last cell.
  cmdSol_[1]->setGeometry(-200, -200, 80, 30);
  cmdSol_[1]->installEventFilter(this);
  txtEditSol_ = new platform::CasellaTestoQt(fraSol);
  txtEditSol_->setObjectName("TxtEditSol");
  txtEditSol_->setFrame(false);
  txtEditSol_->setStyleSheet("background-color: rgb(255, 192, 192)");
  txtEditSol_->hide();
  lato->addWidget(fraSol);
  lato->addStretch(1);
  auto* bottoni = new QHBoxLayout;
  cmdValori_ = new QPushButton("Valori", centralWidget());
  cmdValori_->setObjectName("cmdValori");
  btnCalcolaMN_ = new QPushButton("Infittisci punti", centralWidget());
  btnCalcolaMN_->setObjectName("btnCalcolaMN");
  bottoni->addWidget(cmdValori_);
  bottoni->addWidget(btnCalcolaMN_);
  lato->addLayout(bottoni);
  Riga().addLayout(lato);
  connect(cmdValori_, &QPushButton::clicked, this, [this] { cmdValori_Click(); });
  connect(btnCalcolaMN_, &QPushButton::clicked, this, [this] { btnCalcolaMN_Click(); });
  DopoVerifica(*btnCalcolaMN_);

  gridSol_->Click = [this] { GridSol_Click(); };
  gridSol_->KeyPress = [this](int tasto) { Modifica(tasto); };
  txtEditSol_->KeyDown = [this](int& codice, int shift) {
    MsFlex::TxtEditTastoGiu(gridSol_->Griglia(), *txtEditSol_, codice, shift, &fuocoRidisegna_,
                            true);
  };
  // A cell left by the editor keeps what it shows; Esc and Enter have
  // already hidden it.
  txtEditSol_->LostFocus = [this] {
    if (!txtEditSol_->isVisible()) return;
    gridSol_->Griglia().SetText(txtEditSol_->Text());
    txtEditSol_->hide();
  };

  resize(platform::PixelDaTwips(11795), platform::PixelDaTwips(6600));
  Form_Load();
}

void DominioMN::Form_Load() {
  nPuntiInput = 1;
  AzioniDaMain();
}

void DominioMN::AzioniDaMain() {
  if (CambioProprio()) return;
  double N = 0, M = 0;
  if (platform::Form* main = Finestre::Aperte.Main) {
    N = Generale::ValNumero(main->Controllo("F_N", 0));
    M = Generale::ValNumero(main->Controllo("F_Mxsd", 0));
  }
  PrimaRigaAzioni(N, M);
  const Matrice<float>& azioni = Stato.AzioniDominioMN;
  platform::FlexGrid& g = gridSol_->Griglia();
  txtEditSol_->hide();
  g.SetFormatString(">N.|>N [kN]|>M [kNm]");
  VariabiliPubbliche::DimensionaGriglia(g, 2, azioni.Righe(), 0.5);
  MsFlex::ScriveMatriceInGriglia(g, InDouble(azioni), "", false);
  MsFlex::NumeraRighe(g);
  cmdSol_[2]->hide();
  // The acting points beside a domain drawn.
  if (Graph1().RowCount() > 0) CalcolaDominioMNgraficoPuntoSollecit();
}

void DominioMN::PrimaRigaAzioni(double N, double M) {
  Matrice<float>& azioni = Stato.AzioniDominioMN;
  if (!azioni.Dimensionata() || azioni.Righe() == 0 || azioni.Colonne() < 2)
    azioni.ReDim(1, 1, 1, 2);
  azioni(1, 1) = static_cast<float>(N);
  azioni(1, 2) = static_cast<float>(M);
}

void DominioMN::CalcolaDominioMNgraficoPuntoSollecit() {
  platform::Chart& g = Graph1();
  MsChartBas::CaricaDatiGrafico(g, Stato.AzioniDominioMN, 2, true, true);
  MsChartBas::ImpostaStileSerieGrafico(3, g, 0, 0, 255, platform::MarcatoreCerchioPieno, 200);
  g.SeriesCollection(3).LegendText = "M-NEd";
  g.SeriesCollection(3).Pen.Style = platform::PennaNessuna;
}

void DominioMN::btnCalcolaMN_Click() {
  ++nPuntiInput;
  VariabiliPubbliche::SezioneCorrente()->CalcolaDominioMN(nPuntiInput, *this, TitoloTmp);
  MostraGrafico(true);
  txtDataPoint().hide();
}

void DominioMN::cmdValori_Click() {
  const bool valori = cmdValori_->text() == "Valori";
  MostraGrafico(!valori);
  btnCalcolaMN_->setVisible(!valori);
  cmdValori_->setText(valori ? "Grafico" : "Valori");
  if (valori) txtDataPoint().hide();
}

void DominioMN::Modifica(int tasto) {
  MsFlex::ModificaCella(gridSol_->Griglia(), *txtEditSol_, tasto);
}

void DominioMN::GridSol_Click() {
  Modifica(0);
  cmdSol_[2]->setVisible(gridSol_->Griglia().Row() >= 2);
}

void DominioMN::cmdSol_Click(int Index) {
  platform::FlexGrid& g = gridSol_->Griglia();
  if (Index == 0) {
    const int n = Stato.AzioniDominioMN.Righe() + 1;
    VariabiliPubbliche::DimensionaGriglia(g, 2, n, 0.5);
    MsFlex::NumeraRighe(g);
    g.SetRow(n);
    g.SetCol(1);
    Modifica(0);
    cmdSol_[2]->show();
  } else if (Index == 2 && g.Row() >= 2) {
    MsFlex::EliminaRigaGriglia(g, g.Row());
    RidisegnaSollecitazioni();
  }
}

void DominioMN::RidisegnaSollecitazioni() {
  platform::FlexGrid& g = gridSol_->Griglia();
  if (g.Rows() > 1) {
    Matrice<double> letti;
    MsFlex::LeggeGriglia(g, letti, 1, 1, true);
    Stato.AzioniDominioMN = InFloat(letti);
  }
  CalcolaDominioMNgraficoPuntoSollecit();
  MostraGrafico(true);
  txtDataPoint().hide();
  if (g.Row() != 1) return;
  cmdSol_[2]->hide();
  // The domain does not depend on the acting point.
  platform::Form* main = Finestre::Aperte.Main;
  if (main) InProprio([main] {
    main->Controllo("F_N", 0).SetText(VariabiliPubbliche::FormattaValore(Stato.AzioniDominioMN(1, 1)));
    main->Controllo("F_Mxsd", 0).SetText(
        VariabiliPubbliche::FormattaValore(Stato.AzioniDominioMN(1, 2)));
  });
}

bool DominioMN::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == cmdSol_[1] && evento->type() == QEvent::FocusIn) RidisegnaSollecitazioni();
  return QMainWindow::eventFilter(oggetto, evento);
}
