#include "platform/qt/SchermoQt.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// The frame a window manager puts round a window not yet framed: a title bar
// and thin borders, generous so that the title bar stays on the screen.
QMargins Cornice(const QWidget& finestra) {
  if (const QWindow* w = finestra.windowHandle()) {
    const QMargins m = w->frameMargins();
    if (!m.isNull()) return m;
  }
  const int titolo = finestra.fontMetrics().height() + 14;
  return {4, titolo, 4, 4};
}

constexpr const char* Collocata = "CollocataNelloSchermo";
constexpr const char* Incorniciata = "IncorniciataNelloSchermo";

bool DaAdattare(const QWidget& finestra) {
  if (!finestra.isWindow()) return false;
  switch (finestra.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool: return !finestra.testAttribute(Qt::WA_DontShowOnScreen);
    default: return false;
  }
}

class FiltroSchermo : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::Show && tipo != QEvent::Resize && tipo != QEvent::Move) return false;
    auto* finestra = qobject_cast<QWidget*>(oggetto);
    if (!finestra || !DaAdattare(*finestra)) return false;
    if (tipo != QEvent::Show && !finestra->isVisible()) return false;
    // Moves are the window manager's framing until the frame is known; then
    // they are the user's.
    if (tipo == QEvent::Move && finestra->property(Incorniciata).toBool()) return false;
    AdattaAlloSchermo(*finestra);
    if (tipo == QEvent::Show) {
      // Once the window manager has framed it, its real frame is known.
      QPointer<QWidget> dopo(finestra);
      QTimer::singleShot(250, finestra, [dopo] {
        if (dopo && dopo->isVisible()) AdattaAlloSchermo(*dopo);
      });
    }
    return false;
  }
};

// As large as its content asks, with room for a vertical scroll bar; the
// screen may allow less.
class AreaScorrevole : public QScrollArea {
 public:
  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    const int cornice = 2 * frameWidth();
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize contenuto = widget()->sizeHint().expandedTo(widget()->minimumSize());
    return contenuto + QSize(cornice + barra, cornice);
  }

  // A wheel over a list the user has not entered scrolls the content, and
  // leaves the list's value as it was.
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    auto* lista = qobject_cast<QComboBox*>(oggetto);
    if (evento->type() != QEvent::Wheel || !lista || lista->hasFocus()) return false;
    QCoreApplication::sendEvent(verticalScrollBar(), evento);
    return true;
  }
};

}  // namespace

void TieniFinestreNelloSchermo(QApplication& app) {
  static QPointer<FiltroSchermo> filtro;
  if (!filtro) {
    filtro = new FiltroSchermo(&app);
    app.installEventFilter(filtro);
  }
}

void AdattaAlloSchermo(QWidget& finestra) {
  QScreen* schermo = finestra.screen();
  if (!schermo) schermo = QGuiApplication::primaryScreen();
  if (!schermo) return;
  const QRect area = schermo->availableGeometry();
  const QMargins m = Cornice(finestra);
  const QSize massima(area.width() - m.left() - m.right(), area.height() - m.top() - m.bottom());
  // A window the program did not size opens as large as it asks, not at
  // Qt's two thirds of the screen.
  if (!finestra.property(Collocata).toBool() && !finestra.testAttribute(Qt::WA_Resized))
    finestra.resize(finestra.sizeHint().expandedTo(finestra.size()));
  const QSize minima = finestra.minimumSize();
  const QSize dimensione(std::max(minima.width(), std::min(finestra.width(), massima.width())),
                         std::max(minima.height(), std::min(finestra.height(), massima.height())));
  if (dimensione != finestra.size()) finestra.resize(dimensione);
  // The frame's place. A window shown for the first time is placed here,
  // before the window manager would: where the program asked, the frame at
  // that place, or else in the middle of the area.
  const bool incorniciata =
      finestra.windowHandle() && !finestra.windowHandle()->frameMargins().isNull();
  const QPoint cliente = finestra.geometry().topLeft();
  QRect telaio = finestra.geometry().marginsAdded(m);
  if (!incorniciata && !finestra.property(Collocata).toBool()) {
    if (finestra.testAttribute(Qt::WA_Moved) || !cliente.isNull())
      telaio.moveTopLeft(cliente);
    else
      telaio.moveCenter(area.center());
  }
  finestra.setProperty(Collocata, true);
  if (incorniciata) finestra.setProperty(Incorniciata, true);
  const int x = std::max(area.left(), std::min(telaio.left(), area.right() + 1 - telaio.width()));
  const int y = std::max(area.top(), std::min(telaio.top(), area.bottom() + 1 - telaio.height()));
  // Placed by its client area: a move by the frame would take Qt's own idea
  // of the frame, which may still be none while the window manager frames it.
  const QPoint voluto(x + m.left(), y + m.top());
  if (voluto != cliente) finestra.setGeometry(QRect(voluto, finestra.size()));
}

int LarghezzaPerIlTitolo(const QWidget& finestra) {
  QFont grassetto = finestra.font();
  grassetto.setBold(true);
  return QFontMetrics(grassetto).horizontalAdvance(finestra.windowTitle()) + 120;
}

void RigaPerIlTitolo(const QWidget& dialogo, QWidget& riga) {
  riga.setMinimumWidth(std::max(riga.minimumWidth(), LarghezzaPerIlTitolo(dialogo)));
}

void AdattaAlContenuto(QWidget& finestra) {
  if (!finestra.isVisible()) return;
  if (QLayout* disposizione = finestra.layout()) disposizione->activate();
  finestra.resize(finestra.sizeHint());
  AdattaAlloSchermo(finestra);
}

QScrollArea* Scorrevole(QWidget* contenuto) {
  auto* scorrimento = new AreaScorrevole;
  scorrimento->setFrameShape(QFrame::NoFrame);
  scorrimento->setWidgetResizable(true);
  scorrimento->setWidget(contenuto);
  for (QComboBox* lista : contenuto->findChildren<QComboBox*>()) {
    lista->setFocusPolicy(Qt::StrongFocus);
    lista->installEventFilter(scorrimento);
  }
  return scorrimento;
}

}  // namespace platform
