#include "platform/qt/FlexGridQt.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include "platform/Twips.h"
#include "platform/qt/GeometriaQt.h"
#include "platform/qt/ModelloFlexGridQt.h"
#include "platform/qt/TastiQt.h"

namespace platform {
namespace {

class Guardia {
 public:
  explicit Guardia(bool& attiva) : attiva_(attiva) { attiva_ = true; }
  ~Guardia() { attiva_ = false; }
  Guardia(const Guardia&) = delete;
  Guardia& operator=(const Guardia&) = delete;

 private:
  bool& attiva_;
};

// Pixel sizes of sections da..a-1 from running sums of their twips, so that
// the rounding of each does not add up along the grid.
template <class Dimensione, class Imposta>
void DimensionaSezioni(int da, int a, Dimensione twips, Imposta imposta) {
  int somma = 0;
  for (int i = da; i < a; ++i) {
    const int inizio = PixelDaTwips(somma);
    somma += twips(i);
    imposta(i - da, PixelDaTwips(somma) - inizio);
  }
}

// A header whose thickness the grid fixes: its size hint is that thickness, not
// a measure of up to 200 sections' texts that the view would clamp to it.
class IntestazioneFissa : public QHeaderView {
 public:
  using QHeaderView::QHeaderView;

  QSize sizeHint() const override {
    if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth())
      return {minimumWidth(), defaultSectionSize()};
    if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight())
      return {defaultSectionSize(), minimumHeight()};
    return QHeaderView::sizeHint();
  }
};

}  // namespace

FlexGridQt::FlexGridQt(QWidget* genitore)
    : QTableView(genitore),
      modello_(new ModelloFlexGridQt(griglia_, this)),
      angolo_(findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
  setHorizontalHeader(new IntestazioneFissa(Qt::Horizontal, this));
  setVerticalHeader(new IntestazioneFissa(Qt::Vertical, this));
  setModel(modello_);
  setFrameShape(QFrame::NoFrame);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerItem);
  setCornerButtonEnabled(false);
  for (QHeaderView* intestazione : {horizontalHeader(), verticalHeader()}) {
    intestazione->setSectionResizeMode(QHeaderView::Fixed);
    intestazione->setMinimumSectionSize(0);
    intestazione->setHighlightSections(false);
    intestazione->setSectionsClickable(false);
  }
  // The user may widen a column; the model learns its new width.
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int sezione, int, int pixel) {
    if (seguendo_) return;
    Guardia guardia(seguendo_);
    griglia_.SetColWidth(griglia_.FixedCols() + sezione, TwipsDaPixel(pixel));
  });
  verticalHeader()->setDefaultSectionSize(PixelDaTwips(AltezzaRigaPredefinita));
  horizontalHeader()->setDefaultSectionSize(PixelDaTwips(LarghezzaColonnaPredefinita));
  if (angolo_) angolo_->installEventFilter(this);
  connect(this, &QAbstractItemView::clicked, this, [this] {
    if (Click) Click();
  });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ScorrimentoDallaVista(); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { ScorrimentoDallaVista(); });
  griglia_.ImpostaVista(this);
  StrutturaCambiata();
  GeometriaNelModello();
}

FlexGridQt::~FlexGridQt() {
  griglia_.ImpostaVista(nullptr);
  if (angolo_) angolo_->removeEventFilter(this);
  setModel(nullptr);
}

QRect FlexGridQt::RettangoloCella(int riga, int colonna) const {
  const QModelIndex indice = modello_->Indice(riga, colonna);
  if (!indice.isValid()) return {};
  const int linea = showGrid() ? 1 : 0;
  return visualRect(indice).translated(viewport()->pos()).adjusted(0, 0, linea, linea);
}

void FlexGridQt::AllargaPerIntestazioni() {
  if (griglia_.FixedRows() == 0) return;
  const QFontMetrics misure = horizontalHeader()->fontMetrics();
  const int margini = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
  for (int c = griglia_.FixedCols(); c < griglia_.Cols(); ++c) {
    if (griglia_.ColWidth(c) <= 0) continue;
    const QString testo =
        modello_->headerData(c - griglia_.FixedCols(), Qt::Horizontal, Qt::DisplayRole).toString();
    const int pixel = misure.horizontalAdvance(testo) + margini;
    if (PixelDaTwips(griglia_.ColWidth(c)) < pixel) griglia_.SetColWidth(c, TwipsDaPixel(pixel));
  }
}

void FlexGridQt::ApplicaFormato() {
  AllargaPerIntestazioni();
  int larghezzaFisse = 0;
  for (int c = 0; c < griglia_.FixedCols(); ++c) larghezzaFisse += griglia_.ColWidth(c);
  int altezzaFisse = 0;
  for (int r = 0; r < griglia_.FixedRows(); ++r) altezzaFisse += griglia_.RowHeight(r);
  verticalHeader()->setVisible(griglia_.FixedCols() > 0);
  verticalHeader()->setFixedWidth(PixelDaTwips(larghezzaFisse));
  horizontalHeader()->setVisible(griglia_.FixedRows() > 0);
  horizontalHeader()->setFixedHeight(PixelDaTwips(altezzaFisse));

  DimensionaSezioni(
      griglia_.FixedCols(), griglia_.Cols(), [this](int c) { return griglia_.ColWidth(c); },
      [this](int sezione, int pixel) { horizontalHeader()->resizeSection(sezione, pixel); });
  DimensionaSezioni(
      griglia_.FixedRows(), griglia_.Rows(), [this](int r) { return griglia_.RowHeight(r); },
      [this](int sezione, int pixel) {
        if (verticalHeader()->sectionSize(sezione) != pixel)
          verticalHeader()->resizeSection(sezione, pixel);
      });
  viewport()->update();
  if (angolo_) angolo_->update();
}

void FlexGridQt::ApplicaCorrente() {
  const QModelIndex indice = modello_->Indice(griglia_.Row(), griglia_.Col());
  if (!indice.isValid()) {
    selectionModel()->clear();
    return;
  }
  selectionModel()->setCurrentIndex(indice, QItemSelectionModel::ClearAndSelect);
  scrollTo(indice);
}

void FlexGridQt::ApplicaScorrimento() {
  verticalScrollBar()->setValue(griglia_.TopRow() - griglia_.FixedRows());
  horizontalScrollBar()->setValue(griglia_.LeftCol() - griglia_.FixedCols());
}

void FlexGridQt::CellaCambiata(int riga, int colonna) {
  modello_->CellaCambiata(riga, colonna);
  if (riga < griglia_.FixedRows() && !seguendo_) FormatoCambiato();
  if (angolo_ && riga < griglia_.FixedRows() && colonna < griglia_.FixedCols()) angolo_->update();
}

void FlexGridQt::StrutturaCambiata() {
  if (seguendo_) return;
  // Hidden, the grid keeps its model current and is laid out when shown: the
  // values behind a chart are measured and sized only if the user asks.
  if (!isVisible()) {
    Guardia guardia(seguendo_);
    modello_->Ricarica();
    daImpaginare_ = true;
    return;
  }
  daImpaginare_ = false;
  {
    Guardia guardia(seguendo_);
    modello_->Ricarica();
    ApplicaFormato();
    updateGeometries();
    ApplicaScorrimento();
    ApplicaCorrente();
  }
  ScorrimentoDallaVista();
}

void FlexGridQt::FormatoCambiato() {
  if (seguendo_) return;
  if (!isVisible()) {
    daImpaginare_ = true;
    return;
  }
  {
    Guardia guardia(seguendo_);
    ApplicaFormato();
  }
  ScorrimentoDallaVista();
}

void FlexGridQt::CellaCorrenteCambiata() {
  if (seguendo_ || daImpaginare_) return;
  {
    Guardia guardia(seguendo_);
    ApplicaCorrente();
  }
  ScorrimentoDallaVista();
}

void FlexGridQt::ScorrimentoCambiato() {
  if (seguendo_ || daImpaginare_) return;
  {
    Guardia guardia(seguendo_);
    ApplicaScorrimento();
  }
  // The view may not scroll as far as asked: the model learns where it is.
  ScorrimentoDallaVista();
}

void FlexGridQt::showEvent(QShowEvent* evento) {
  QTableView::showEvent(evento);
  if (daImpaginare_) StrutturaCambiata();
}

void FlexGridQt::GeometriaCambiata() {
  if (seguendo_) return;
  Guardia guardia(seguendo_);
  setGeometry(RettangoloPixel(griglia_.Left(), griglia_.Top(), griglia_.Width(),
                              griglia_.Height()));
}

void FlexGridQt::FuocoRichiesto() { setFocus(Qt::OtherFocusReason); }

void FlexGridQt::ScorrimentoDallaVista() {
  if (seguendo_) return;
  Guardia guardia(seguendo_);
  const int riga = griglia_.FixedRows() + verticalScrollBar()->value();
  if (riga < griglia_.Rows() && riga != griglia_.TopRow()) griglia_.SetTopRow(riga);
  const int colonna = griglia_.FixedCols() + horizontalScrollBar()->value();
  if (colonna < griglia_.Cols() && colonna != griglia_.LeftCol()) griglia_.SetLeftCol(colonna);
}

void FlexGridQt::AllineaAllaPrimaCella() {
  horizontalHeader()->setOffsetToSectionPosition(horizontalScrollBar()->value());
  verticalHeader()->setOffsetToSectionPosition(verticalScrollBar()->value());
  viewport()->update();
}

void FlexGridQt::updateGeometries() {
  QTableView::updateGeometries();
  AllineaAllaPrimaCella();
}

void FlexGridQt::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  AllineaAllaPrimaCella();
}

void FlexGridQt::GeometriaNelModello() {
  if (seguendo_) return;
  Guardia guardia(seguendo_);
  griglia_.SetLeft(TwipsAccordati(griglia_.Left(), x()));
  griglia_.SetTop(TwipsAccordati(griglia_.Top(), y()));
  griglia_.SetWidth(TwipsAccordati(griglia_.Width(), width()));
  griglia_.SetHeight(TwipsAccordati(griglia_.Height(), height()));
}

void FlexGridQt::keyPressEvent(QKeyEvent* evento) {
  const int tasto = CodiceTasto(*evento);
  int codice = tasto;
  if (KeyDown && tasto != 0) KeyDown(codice, MascheraShift(evento->modifiers()));
  // A character typed, not a shortcut: the window may open its editor with it.
  const int carattere = CodiceCarattere(*evento);
  const bool scorciatoia = evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  if (carattere != 0 && !scorciatoia) {
    if (KeyPress) KeyPress(carattere);
    evento->accept();
    return;
  }
  QTableView::keyPressEvent(evento);
}

void FlexGridQt::currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) {
  QTableView::currentChanged(attuale, precedente);
  if (seguendo_ || !attuale.isValid()) return;
  Guardia guardia(seguendo_);
  griglia_.SetRow(griglia_.FixedRows() + attuale.row());
  griglia_.SetCol(griglia_.FixedCols() + attuale.column());
}

void FlexGridQt::moveEvent(QMoveEvent* evento) {
  QTableView::moveEvent(evento);
  GeometriaNelModello();
}

void FlexGridQt::resizeEvent(QResizeEvent* evento) {
  QTableView::resizeEvent(evento);
  GeometriaNelModello();
}

bool FlexGridQt::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto == angolo_ && evento->type() == QEvent::Paint) {
    DipingiAngolo();
    return true;
  }
  return QTableView::eventFilter(oggetto, evento);
}

void FlexGridQt::DipingiAngolo() {
  QPainter pittore(angolo_);
  QStyleOptionHeader opzioni;
  opzioni.initFrom(angolo_);
  opzioni.rect = angolo_->rect();
  opzioni.position = QStyleOptionHeader::OnlyOneSection;
  opzioni.text = modello_->TestoAngolo();
  if (griglia_.FixedRows() > 0 && griglia_.FixedCols() > 0)
    opzioni.textAlignment = AllineamentoQt(
        griglia_.CellAlignment(griglia_.FixedRows() - 1, griglia_.FixedCols() - 1), opzioni.text);
  style()->drawControl(QStyle::CE_Header, &opzioni, &pittore, angolo_);
}

}  // namespace platform
