#include "app/FinestraGrafico.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include "app/StampaFinestra.h"
#include "app/TastieraFinestra.h"
#include "drawing/MsChartBas.h"
#include "model/Finestre.h"
#include "platform/qt/SchermoQt.h"

FinestraGrafico::FinestraGrafico(const std::string& nome, const QString& nomeGriglia,
                                 QWidget* genitore)
    : QMainWindow(genitore), form_(*this, nome), tastiera_(new Generale::TastieraFinestra(*this)) {
  setObjectName(QString::fromStdString(nome));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* centro = new QWidget(this);
  setCentralWidget(centro);
  auto* colonna = new QVBoxLayout(centro);
  riga_ = new QHBoxLayout;
  colonna->addLayout(riga_, 1);
  comandi_ = new QGridLayout;
  colonna->addLayout(comandi_);

  // Chart and grid take the same place; one of the two is in view.
  auto* area = new QWidget(centro);
  auto* sovrapposti = new QGridLayout(area);
  sovrapposti->setContentsMargins(0, 0, 0, 0);
  graph1_ = new platform::ChartQt(area);
  graph1_->setObjectName("Graph1");
  graph1_->setMinimumSize(480, 320);
  griglia_ = new platform::FlexGridQt(area);
  griglia_->setObjectName(nomeGriglia);
  // Both are laid out as the window is first shown, the grid then hidden:
  // its columns are sized from the place it takes, which it keeps.
  for (QWidget* vista : std::initializer_list<QWidget*>{graph1_, griglia_}) {
    QSizePolicy politica = vista->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    vista->setSizePolicy(politica);
  }
  sovrapposti->addWidget(graph1_, 0, 0);
  sovrapposti->addWidget(griglia_, 0, 0);
  riga_->addWidget(area, 1);

  txtDataPoint_ = new platform::CasellaMultirigaQt(area);
  txtDataPoint_->setObjectName("txtDataPoint");
  txtDataPoint_->setFrameShape(QFrame::NoFrame);
  txtDataPoint_->setReadOnly(true);
  txtDataPoint_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtDataPoint_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtDataPoint_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Three lines as wide as the widest value the read-out writes.
  const QFontMetrics misure(txtDataPoint_->font());
  txtDataPoint_->setGeometry(-300, -300, misure.horizontalAdvance("y = -0.1234E+20") + 16,
                             3 * misure.lineSpacing() + 16);
  txtDataPoint_->hide();

  graph1_->MouseDown = [this](float x, float y) {
    MsChartBas::ZoomGraficoClick(x, y, graph1_->Grafico());
  };
  graph1_->PointSelected = [this](int serie, int punto) {
    MsChartBas::MostraValorePunto(*txtDataPoint_, serie, punto, graph1_->Grafico());
  };

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnufile");
  const char* voci[] = {"&Copia negli appunti", "&Stampa", nullptr, "&Esci"};
  const QKeySequence scorciatoie[] = {QKeySequence(Qt::CTRL | Qt::Key_C),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), {}, {}};
  for (int i = 0; i < 4; ++i) {
    QAction* voce = voci[i] ? file->addAction(voci[i]) : file->addSeparator();
    voce->setObjectName(QString("mnufileitem_%1").arg(i));
    voce->setShortcut(scorciatoie[i]);
    if (voci[i]) connect(voce, &QAction::triggered, this, [this, i] { mnufileitem_Click(i); });
  }
}

FinestraGrafico::~FinestraGrafico() = default;

void FinestraGrafico::MostraGrafico(bool grafico) {
  graph1_->setVisible(grafico);
  griglia_->setVisible(!grafico);
  // The window widens, as far as the screen allows, to show every column.
  const int manca = griglia_->horizontalHeader()->length() - griglia_->viewport()->width();
  if (!grafico && manca > 0 && isVisible()) {
    resize(width() + manca, height());
    platform::AdattaAlloSchermo(*this);
  }
}

void FinestraGrafico::Svuota() {
  if (inProprio_) return;
  platform::Chart& g = graph1_->Grafico();
  g.SetRowCount(0);
  g.SetTitle("");
  platform::FlexGrid& valori = griglia_->Griglia();
  valori.SetRows(valori.FixedRows());
  txtDataPoint_->hide();
  SvuotaRisultati();
  for (QWidget* comando : dopoVerifica_) comando->setEnabled(false);
}

void FinestraGrafico::Riempita() {
  for (QWidget* comando : dopoVerifica_) comando->setEnabled(true);
}

void FinestraGrafico::InProprio(const std::function<void()>& fai) {
  const QScopedValueRollback<bool> proprio(inProprio_, true);
  fai();
}

void FinestraGrafico::mnufileitem_Click(int Index) {
  switch (Index) {
    case 0: graph1_->Grafico().EditCopy(); break;
    case 1: Stampa(); break;
    case 3:
      close();
      AttivaMain();
      break;
    default: break;
  }
}

// The values in view: the whole table under the window's title. Else the
// window as it is on screen, the chart brought up to date first.
void FinestraGrafico::Stampa() {
  if (griglia_->isVisible()) {
    QStringList titolo{windowTitle()};
    if (const std::string& grafico = graph1_->Grafico().Title(); !grafico.empty())
      titolo << QString::fromStdString(grafico);
    Generale::StampaTabella(titolo, griglia_->Griglia(), dialogoStampa_);
    return;
  }
  graph1_->Aggiorna();
  Generale::StampaFinestra(*centralWidget(), dialogoStampa_);
}

QLineEdit* FinestraGrafico::Casella(const QString& nome, const QString& testo, int riga,
                                   int colonna, const QString& simbolo, const QString& unita,
                                   bool soloLettura) {
  auto* casella = new QLineEdit(testo, centralWidget());
  casella->setObjectName(nome);
  casella->setAlignment(Qt::AlignRight);
  casella->setMinimumWidth(casella->fontMetrics().horizontalAdvance("-0000.000000") + 12);
  casella->setReadOnly(soloLettura);
  if (!soloLettura) tastiera_->SelezionaAlFuoco(*casella);
  auto* etichetta = new QLabel(simbolo, centralWidget());
  etichetta->setTextFormat(Qt::RichText);
  comandi_->addWidget(etichetta, riga, colonna, Qt::AlignRight);
  comandi_->addWidget(casella, riga, colonna + 1);
  if (!unita.isEmpty()) comandi_->addWidget(new QLabel(unita, centralWidget()), riga, colonna + 2);
  return casella;
}

void AttivaMain() {
  if (auto* main = dynamic_cast<QWidget*>(Finestre::Aperte.Main)) main->activateWindow();
}
