#include <gtest/gtest.h>

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "AppQt.h"
#include "platform/Tasti.h"
#include "platform/Twips.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"

using namespace platform;

namespace {

// A window with a grid at (10, 20) pixels and the editor that floats over it.
class GrigliaSuSchermo : public ::testing::Test {
 protected:
  void SetUp() override {
    finestra.resize(800, 600);
    editor->hide();
    g.SetLeft(150);
    g.SetTop(300);
    g.SetWidth(6000);
    g.SetHeight(3000);
    finestra.show();
    QApplication::setActiveWindow(&finestra);
    QApplication::processEvents();
  }

  void Premi(QWidget& destinatario, int tasto, const QString& testo = {}) {
    QKeyEvent premuto(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(&destinatario, &premuto);
  }

  void Clic(QWidget& destinatario, QPoint dove) {
    const QPointF p(dove);
    QMouseEvent giu(QEvent::MouseButtonPress, p, destinatario.mapToGlobal(p), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QMouseEvent su(QEvent::MouseButtonRelease, p, destinatario.mapToGlobal(p), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&destinatario, &giu);
    QApplication::sendEvent(&destinatario, &su);
  }

  // The current cell as the model places it on the window, in pixels.
  QPoint CellaNelModello() const {
    return {PixelDaTwips(g.Left() + g.CellLeft()), PixelDaTwips(g.Top() + g.CellTop())};
  }

  QApplication& app = AppQt();
  QWidget finestra;
  FlexGridQt* griglia = new FlexGridQt(&finestra);
  CasellaTestoQt* editor = new CasellaTestoQt(&finestra);
  FlexGrid& g = griglia->Griglia();
};

}  // namespace

TEST_F(GrigliaSuSchermo, PlacedSizedAndFilledFromItsModel) {
  EXPECT_EQ(griglia->geometry(), QRect(10, 20, 400, 200));
  g.SetRows(4);
  g.SetCols(3);
  g.SetFormatString(">Punto|>N [kN]|^M [kNm]");
  g.SetColWidth(0, 450);
  g.SetColWidth(2, 1500);
  g.SetTextMatrix(1, 0, "1");
  g.SetTextMatrix(2, 1, "-12.5");
  g.SetTextMatrix(3, 2, "testo");
  g.SetCellFontBold(3, 2, true);

  QAbstractItemModel& m = *griglia->model();
  EXPECT_EQ(m.rowCount(), 3);
  EXPECT_EQ(m.columnCount(), 2);
  EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "N [kN]");
  EXPECT_EQ(m.headerData(0, Qt::Vertical).toString(), "1");
  EXPECT_EQ(m.index(1, 0).data().toString(), "-12.5");
  EXPECT_EQ(m.index(1, 0).data(Qt::TextAlignmentRole).toInt(),
            static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_EQ(m.index(2, 1).data(Qt::TextAlignmentRole).toInt(),
            static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter));
  EXPECT_TRUE(m.index(2, 1).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_EQ(griglia->verticalHeader()->width(), 30);
  EXPECT_EQ(griglia->horizontalHeader()->sectionSize(1), 100);
  // The fixed column's width (450 twips = 30 px) holds, a longer row label
  // notwithstanding: the view's margin is that width, with no label measured.
  g.SetTextMatrix(2, 0, "un'etichetta di riga lunga");
  EXPECT_EQ(griglia->verticalHeader()->sizeHint().width(), 30);
  EXPECT_EQ(griglia->viewport()->x(), 30);

  g.SetHeight(4500);
  EXPECT_EQ(griglia->height(), 300);
  griglia->move(20, 40);
  EXPECT_EQ(g.Left(), 300);
  EXPECT_EQ(g.Top(), 600);
}

TEST_F(GrigliaSuSchermo, AGridChangedWhileHiddenIsLaidOutWhenShown) {
  griglia->hide();
  g.SetRows(40);
  g.SetCols(3);
  g.SetFormatString(">Punto|>N [kN]|>un'intestazione lunga");
  g.SetColWidth(2, 300);
  g.SetTopRow(20);
  g.SetRow(25);
  EXPECT_EQ(griglia->model()->rowCount(), 39);
  griglia->show();
  // The long header widens its column, and the model learns the width.
  const QHeaderView& colonne = *griglia->horizontalHeader();
  EXPECT_GT(colonne.sectionSize(1), PixelDaTwips(300));
  EXPECT_EQ(colonne.sectionSize(1), PixelDaTwips(g.ColWidth(2)));
  EXPECT_EQ(griglia->verticalScrollBar()->value(), 19);
  EXPECT_EQ(g.TopRow(), 20);
  EXPECT_EQ(griglia->currentIndex().row(), 24);
}

TEST_F(GrigliaSuSchermo, ACellIsDrawnWhereTheModelPlacesItAlsoWhenScrolled) {
  g.SetRows(100);
  g.SetCols(8);
  g.SetColWidth(0, 562);  // widths that are no whole number of pixels
  for (int c = 1; c < 8; ++c) g.SetColWidth(c, 1000 + 7 * c);
  for (const auto& [riga, colonna] : {std::pair{1, 1}, {5, 3}, {80, 7}, {2, 2}}) {
    g.SetRow(riga);
    g.SetCol(colonna);
    const QRect disegnata = griglia->RettangoloCella(riga, colonna).translated(griglia->pos());
    ASSERT_TRUE(griglia->viewport()->geometry().translated(griglia->pos()).contains(
        disegnata.center()))
        << riga << "," << colonna;
    EXPECT_NEAR(disegnata.left(), CellaNelModello().x(), 1) << riga << "," << colonna;
    EXPECT_NEAR(disegnata.top(), CellaNelModello().y(), 1) << riga << "," << colonna;
    EXPECT_NEAR(disegnata.width(), PixelDaTwips(g.CellWidth()), 1);
  }
  EXPECT_GT(g.TopRow(), 1);  // row 80 brought into view
  EXPECT_GT(g.LeftCol(), 1);  // and the last column, at the end of the scroll range

  // Scrolled by the user: the model follows.
  griglia->verticalScrollBar()->setValue(10);
  EXPECT_EQ(g.TopRow(), 11);
  g.SetTopRow(30);
  EXPECT_EQ(griglia->verticalScrollBar()->value(), 29);
}

TEST_F(GrigliaSuSchermo, TheUsersClicksAndKeysReachTheWindowAfterTheCurrentCell) {
  g.SetRows(5);
  g.SetCols(4);
  int clic = 0;
  std::vector<int> caratteri;
  griglia->Click = [&] { ++clic; };
  griglia->KeyPress = [&](int c) { caratteri.push_back(c); };

  g.SetRow(1);
  g.SetCol(1);
  Clic(*griglia->viewport(), griglia->visualRect(griglia->model()->index(2, 1)).center());
  EXPECT_EQ(clic, 1);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 2);

  Premi(*griglia, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 4);
  Premi(*griglia, Qt::Key_5, "5");
  Premi(*griglia, Qt::Key_Return, "\r");
  Premi(*griglia, Qt::Key_unknown, QString::fromUtf8("è"));
  EXPECT_EQ(caratteri, (std::vector<int>{'5', TastoInvio, 0xE8}));
  EXPECT_EQ(g.Row(), 4);
}

TEST_F(GrigliaSuSchermo, TheFloatingEditorLiesOverTheCellAndItsTextGoesIntoTheModel) {
  g.SetRows(6);
  g.SetCols(3);
  g.SetRow(4);
  g.SetCol(2);
  editor->Move(g.Left() + g.CellLeft(), g.Top() + g.CellTop(), g.CellWidth(), g.CellHeight());
  editor->SetVisible(true);
  editor->SetFocus();
  const QRect cella = griglia->RettangoloCella(4, 2).translated(griglia->pos());
  EXPECT_EQ(editor->geometry(), cella);
  EXPECT_TRUE(editor->hasFocus());

  // The window's key handler writes the cell on Enter.
  std::vector<int> codici;
  editor->KeyDown = [&](int& codice, int) {
    codici.push_back(codice);
    if (codice == TastoInvio) g.SetText(editor->Text());
  };
  for (const char* c : {"4", "2", ",", "5"})
    Premi(*editor, c[0] == ',' ? Qt::Key_Comma : Qt::Key_0 + (c[0] - '0'), c);
  Premi(*editor, Qt::Key_Tab);
  Premi(*editor, Qt::Key_Return, "\r");
  EXPECT_EQ(codici, (std::vector<int>{'4', '2', 188, '5', TastoTab, TastoInvio}));
  EXPECT_TRUE(editor->hasFocus());  // Tab stayed with the editor
  EXPECT_EQ(g.TextMatrix(4, 2), "42,5");
  EXPECT_EQ(griglia->model()->index(3, 1).data().toString(), "42,5");
}
