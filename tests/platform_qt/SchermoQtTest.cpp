// Windows kept whole on the screen: sized and placed within its available
// area, frame included, as they are shown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QScrollArea>
#include <QWidget>

#include "platform/qt/SchermoQt.h"
#include "platform_qt/AppQt.h"

namespace {

TEST(SchermoQt, AWindowShownLargerOrOutsideComesWithinTheScreen) {
  platform::TieniFinestreNelloSchermo(AppQt());
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  // Where and how large the program asks for it.
  const QRect chieste[] = {QRect(0, 0, 300, 200), QRect(-50, -40, 300, 200),
                           QRect(area.right() - 100, area.bottom() - 50, 300, 200),
                           QRect(10, 10, area.width() + 400, area.height() + 300)};
  for (const QRect& chiesta : chieste) {
    QWidget finestra;
    finestra.setGeometry(chiesta);
    finestra.show();
    // The frame around the window: the real one, or the estimate of a
    // window not yet framed.
    const bool senzaCornice = finestra.frameGeometry() == finestra.geometry();
    const QMargins stima(4, finestra.fontMetrics().height() + 14, 4, 4);
    const QRect telaio = finestra.frameGeometry().marginsAdded(senzaCornice ? stima : QMargins());
    EXPECT_TRUE(area.contains(telaio)) << chiesta.x() << "," << chiesta.y();
    // A window that fits keeps its size.
    if (chiesta.width() < area.width() / 2) EXPECT_EQ(finestra.size(), chiesta.size());
  }
}

// A scrolled content asks for its whole size, and a scroll bar's room.
TEST(SchermoQt, AScrolledContentAsksForItsWholeSize) {
  AppQt();
  auto* contenuto = new QWidget;
  contenuto->setMinimumSize(900, 700);
  QScrollArea* area = platform::Scorrevole(contenuto);
  EXPECT_GE(area->sizeHint().width(), 900);
  EXPECT_GE(area->sizeHint().height(), 700);
  EXPECT_LT(area->minimumSizeHint().height(), 700);
  delete area;
}

}  // namespace

// Scrolling with the wheel over a list leaves the diameter in it as it was;
// the list entered takes the wheel.
TEST(SchermoQt, TheWheelOverAListNotEnteredScrollsTheContent) {
  AppQt();
  auto* contenuto = new QWidget;
  auto* colonna = new QVBoxLayout(contenuto);
  auto* lista = new QComboBox;
  lista->addItems({"12", "14", "16"});
  colonna->addWidget(lista);
  colonna->addSpacing(2000);
  QScrollArea* area = platform::Scorrevole(contenuto);
  area->resize(300, 200);
  area->show();
  const auto Rotella = [lista] {
    QWheelEvent giu(QPointF(5, 5), lista->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(lista, &giu);
  };
  Rotella();
  EXPECT_EQ(lista->currentIndex(), 0);
  EXPECT_GT(area->verticalScrollBar()->value(), 0);
  EXPECT_EQ(lista->focusPolicy(), Qt::StrongFocus);
  lista->setFocus();
  QApplication::setActiveWindow(area);
  ASSERT_TRUE(lista->hasFocus());
  Rotella();
  EXPECT_EQ(lista->currentIndex(), 1);
  delete area;
}
