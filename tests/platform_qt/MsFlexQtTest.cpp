// The grid helpers on screen: a cell edited in place with the floating editor
// as a window wires it, and the read-out of a chart point clicked.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "AppQt.h"
#include "drawing/MsChartBas.h"
#include "drawing/MsFlex.h"
#include "model/Formattazione.h"
#include "platform/Tasti.h"
#include "platform/Twips.h"
#include "platform/qt/ApplicazioneQt.h"
#include "platform/qt/CasellaMultirigaQt.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/ChartQt.h"
#include "platform/qt/FlexGridQt.h"

using namespace platform;

namespace {

void Premi(QWidget& destinatario, int tasto, const QString& testo = {}) {
  QKeyEvent premuto(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
  QApplication::sendEvent(&destinatario, &premuto);
}

// A grid of 3 data rows by 2 data columns and its editor, wired as a result
// window wires them: a character typed on the grid opens the editor with
// it, a click with the cell's number, and the editor's keys go to MsFlex;
// after the grid comes a button.
class EditorSuSchermo : public ::testing::Test {
 protected:
  void SetUp() override {
    MsFlex::Stato = MsFlex::StatoMsFlex{};
    ImpostaServizioApplicazione(&applicazione);
    finestra.resize(700, 400);
    g.SetLeft(300);
    g.SetTop(450);
    g.SetWidth(6000);
    g.SetHeight(3000);
    g.SetRows(4);
    g.SetCols(3);
    g.SetTextMatrix(2, 1, "12.5");
    editor->hide();
    prossimo->move(500, 350);
    griglia->KeyPress = [this](int carattere) { MsFlex::ModificaCella(g, *editor, carattere); };
    griglia->Click = [this] { MsFlex::ModificaCella(g, *editor, 0); };
    editor->KeyDown = [this](int& codice, int shift) {
      MsFlex::TxtEditKeyDown(g, *editor, codice, shift, &fuoco, perRighe);
    };
    finestra.show();
    QApplication::setActiveWindow(&finestra);
    QApplication::processEvents();
    griglia->setFocus();
  }
  void TearDown() override {
    ImpostaServizioApplicazione(nullptr);
    MsFlex::Stato = MsFlex::StatoMsFlex{};
  }

  // The editor lies over the current cell as the grid draws it.
  void SopraLaCella() {
    EXPECT_EQ(editor->geometry(),
              griglia->RettangoloCella(g.Row(), g.Col()).translated(griglia->pos()));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
  }

  class FuocoAlBottone : public Focalizzabile {
   public:
    explicit FuocoAlBottone(QPushButton* bottone) : bottone_(bottone) {}
    void SetFocus() override { bottone_->setFocus(); }

   private:
    QPushButton* bottone_;
  };

  QApplication& app = AppQt();
  ApplicazioneQt applicazione;
  QWidget finestra;
  FlexGridQt* griglia = new FlexGridQt(&finestra);
  CasellaTestoQt* editor = new CasellaTestoQt(&finestra);
  QPushButton* prossimo = new QPushButton("Calcola", &finestra);
  FlexGrid& g = griglia->Griglia();
  FuocoAlBottone fuoco{prossimo};
  bool perRighe = false;
};

}  // namespace

TEST_F(EditorSuSchermo, TypingOnTheGridEditsTheCellAndEnterWritesTheModel) {
  g.SetRow(1);
  g.SetCol(1);
  Premi(*griglia, Qt::Key_4, "4");
  SopraLaCella();
  EXPECT_EQ(editor->Text(), "4");
  EXPECT_EQ(editor->SelStart(), 1);
  Premi(*editor, Qt::Key_2, "2");
  Premi(*editor, Qt::Key_Return, "\r");
  EXPECT_EQ(g.TextMatrix(1, 1), "42");
  EXPECT_EQ(griglia->model()->index(0, 0).data().toString(), "42");
  // Down the column; the next cell opens with its own text, as a click opens it.
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 1);
  SopraLaCella();
  EXPECT_EQ(editor->Text(), "12.5");
  EXPECT_EQ(editor->SelLength(), 4);

  // Esc leaves the cell as it was.
  Premi(*editor, Qt::Key_9, "9");
  Premi(*editor, Qt::Key_Escape);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(g.TextMatrix(2, 1), "12.5");
  EXPECT_TRUE(griglia->hasFocus());
}

TEST_F(EditorSuSchermo, AClickTakesUpTheNumberAndTabMovesAlongTheRow) {
  perRighe = true;
  const QRect cella = griglia->visualRect(griglia->model()->index(1, 0));
  const QPointF p(cella.center());
  QMouseEvent giu(QEvent::MouseButtonPress, p, griglia->viewport()->mapToGlobal(p), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
  QMouseEvent su(QEvent::MouseButtonRelease, p, griglia->viewport()->mapToGlobal(p),
                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(griglia->viewport(), &giu);
  QApplication::sendEvent(griglia->viewport(), &su);
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 1);
  SopraLaCella();
  EXPECT_EQ(editor->Text(), "12.5");
  EXPECT_EQ(editor->SelLength(), 4);
  Premi(*editor, Qt::Key_7, "7");  // replaces the selection
  Premi(*editor, Qt::Key_Tab);
  EXPECT_EQ(g.TextMatrix(2, 1), "7");
  EXPECT_EQ(g.Col(), 2);
  SopraLaCella();

  // The last cell: written, the editor not reopened, the focus to the button.
  g.SetRow(3);
  g.SetCol(2);
  MsFlex::ModificaCella(g, *editor, '8');
  Premi(*editor, Qt::Key_Return, "\r");
  EXPECT_EQ(g.TextMatrix(3, 2), "8");
  EXPECT_TRUE(prossimo->hasFocus());
}

TEST(LetturaPuntoGrafico, AClickedPointShowsItsValuesInTheReadOutBox) {
  AppQt();
  MsChartBas::Stato = MsChartBas::StatoMsChartBas{};
  QWidget finestra;
  finestra.resize(800, 600);
  auto* vista = new ChartQt(&finestra);
  auto* lettura = new CasellaMultirigaQt(&finestra);
  lettura->hide();
  Chart& c = vista->Grafico();
  c.SetLeft(300);
  c.SetTop(150);
  c.SetWidth(9000);
  c.SetHeight(6000);
  lettura->Move(0, 0, 1500, 800);
  const Vettore<double> x{0, 0.1234567, 0.3}, y{0, -175, 40};
  MsChartBas::CaricaDatiGrafico(c, x, 1, y);
  MsChartBas::ImpostaStileSerieGrafico(1, c, 255, 0, 0, 10, 100);
  vista->MouseDown = [&](float mx, float my) { MsChartBas::ZoomGraficoClick(mx, my, c); };
  vista->PointSelected = [&](int serie, int punto) {
    MsChartBas::MostraValorePunto(*lettura, serie, punto, c);
  };
  finestra.show();
  vista->Aggiorna();
  QApplication::processEvents();

  const auto punto = vista->PosizionePunto(1, 2);
  ASSERT_TRUE(punto);
  QMouseEvent giu(QEvent::MouseButtonPress, *punto, vista->viewport()->mapToGlobal(*punto),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(vista->viewport(), &giu);

  EXPECT_EQ(lettura->Text(), "i = 2\r\nx = " + Formattazione::FormattaMaxCaratteri(4, 10, 0.1234567) +
                                 "\r\ny = " + Formattazione::FormattaMaxCaratteri(4, 10, -175));
  EXPECT_TRUE(lettura->isVisible());
  const MsChartBas::PuntoGrafico clic = MsChartBas::Stato.PuntoCliccatoGrafico;
  EXPECT_NEAR(clic.X, punto->x() * TwipsPerPixel, 1);
  EXPECT_NEAR(lettura->Left(), c.Left() + clic.X - 1500 / 2, TwipsPerPixel);
  EXPECT_NEAR(lettura->Top(), c.Top() + clic.Y + 400, TwipsPerPixel);
}
