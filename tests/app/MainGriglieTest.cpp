// The input grids as a user types into them: the floating editor, Enter
// down the column then across, Escape, arrows, the row-count boxes, the
// bar-diameter frame and the conversion of grid values to mm.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>

#include "FinestraMain.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

TEST(GriglieMain, EnterGoesDownTheColumnThenAcrossThenToTheNextControl) {
  FinestraMain f;
  f.Clic("OpTipoSezione", 1);  // a T: two rows of b and h, the editor open on (1, 1)
  platform::FlexGrid& g = f.main->FlexGrid(0);
  EXPECT_EQ(FinestraMain::Fuoco(), "TxtEdit_0");
  for (const char* valore : {"80", "30", "12", "60"}) FinestraMain::Batti(valore);
  EXPECT_EQ(g.TextMatrix(1, 1), "80");
  EXPECT_EQ(g.TextMatrix(2, 1), "30");
  EXPECT_EQ(g.TextMatrix(1, 2), "12");
  EXPECT_EQ(g.TextMatrix(2, 2), "60");
  // Past the last cell the bars' count box follows the figures.
  EXPECT_EQ(FinestraMain::Fuoco(), "txtRigheGriglia_1");
  EXPECT_FALSE(f.main->TxtEdit(0).Visible());
  // The picture shows the T as typed, as a click on it draws it.
  const QImage scritta = f.main->Figura().Immagine();
  f.main->Figura_Click();
  EXPECT_EQ(f.main->Figura().Immagine(), scritta);

  // A click takes up the cell's number; Escape leaves the cell as it was.
  g.SetRow(2);
  g.SetCol(1);
  f.main->FlexGrid_Click(0);
  EXPECT_EQ(f.main->TxtEdit(0).Text(), "30");
  EXPECT_EQ(f.main->TxtEdit(0).SelLength(), 2);
  FinestraMain::Batti("99", false);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(g.TextMatrix(2, 1), "30");
  EXPECT_FALSE(f.main->TxtEdit(0).Visible());
  // Down hands the grid the focus a row lower, the typed text kept.
  g.SetRow(1);
  f.main->FlexGrid_Click(0);
  FinestraMain::Batti("85", false);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(FinestraMain::Fuoco(), "FlexGrid_0");
  EXPECT_FALSE(f.main->TxtEdit(0).Visible());
  EXPECT_EQ(g.TextMatrix(1, 1), "85");
  // A cell that cannot be read leaves the sketch, without a word.
  const size_t messaggi = f.ambiente.box.Testi().size();
  f.main->FlexGrid_Click(0);
  FinestraMain::Batti("-5");
  EXPECT_TRUE(f.main->Figura().Immagine().isNull());
  EXPECT_EQ(f.ambiente.box.Testi().size(), messaggi);
}

TEST(GriglieMain, TabCommitsTheCellAlongTheRowAndTheKeyboardReachesCalcola) {
  const auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
  const auto tabFino = [&](const std::string& nome) {
    for (int i = 0; i < 30 && FinestraMain::Fuoco() != nome; ++i) tab();
    return FinestraMain::Fuoco() == nome;
  };
  FinestraMain f;
  FinestraMain::Batti("Trave");  // a rectangle: one row of b and h, the editor open on b
  FinestraMain::Batti("30", false);
  tab();
  FinestraMain::Batti("50", false);
  tab();
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 1), "30");
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 2), "50");
  EXPECT_EQ(FinestraMain::Fuoco(), "txtRigheGriglia_1");
  FinestraMain::Batti("1");
  for (const char* valore : {"9,42", "45"}) {
    FinestraMain::Batti(valore, false);
    tab();
  }
  // On from the bars through the options to the actions, then to "Calcola".
  EXPECT_EQ(FinestraMain::Fuoco(), "OpTipoVerifica_0");
  ASSERT_TRUE(tabFino("F_Mxsd_0"));
  FinestraMain::Batti("100", false);
  ASSERT_TRUE(tabFino("btnCalcola"));
  // Enter on the focused button presses it.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(Stato.RisultatiPresenti);
  EXPECT_EQ(f.main->MxForm[0], 100);
}

TEST(GriglieMain, TheRowCountSizesTheGridAndABadCountGivesNoRows) {
  FinestraMain f;
  f.Clic("OpTipoSezione", 2);
  EXPECT_EQ(FinestraMain::Fuoco(), "txtRigheGriglia_0");
  FinestraMain::Batti("3");
  platform::FlexGrid& g = f.main->FlexGrid(0);
  EXPECT_EQ(g.Rows(), 4);
  EXPECT_EQ(g.TextMatrix(3, 0), "3");
  EXPECT_EQ(FinestraMain::Fuoco(), "TxtEdit_0");
  for (const char* testo : {"0", "-2", "abc"}) {
    f.Widget("txtRigheGriglia", 0)->setFocus();
    FinestraMain::Batti(testo);
    EXPECT_FALSE(f.C("FlexGrid", 0).Visible()) << testo;
    EXPECT_FALSE(f.main->TxtEdit(0).Visible()) << testo;
    EXPECT_EQ(f.main->RigheGriglia[0], 0) << testo;
  }
  // The title's Enter goes to the figures' count.
  f.Widget("txtTitolo")->setFocus();
  FinestraMain::Batti("Trave");
  EXPECT_EQ(FinestraMain::Fuoco(), "txtRigheGriglia_0");
}

TEST(GriglieMain, TheDiameterFrameSumsTheBarsAndInsertsTheArea) {
  FinestraMain f;
  f.Widget("txtRigheGriglia", 1)->setFocus();
  FinestraMain::Batti("2");
  EXPECT_EQ(FinestraMain::Fuoco(), "TxtEdit_1");
  EXPECT_TRUE(f.C("FraFi").Visible());
  // It floats over the grid's right corner: the grid keeps its place when it closes.
  QApplication::processEvents();
  const QWidget* barre = f.Widget("FlexGrid", 1);
  const QWidget* fraFi = f.Widget("FraFi");
  const QRect griglia = barre->geometry();
  EXPECT_EQ(fraFi->mapTo(f.main.get(), QPoint(fraFi->width(), 0)),
            barre->mapTo(f.main.get(), QPoint(barre->width(), 0)));

  // 2 bars of 16, 1 of 12, none of 8: 2 x 201.06 + 113.10 mm2 = 5.15 cm2.
  f.Widget<QComboBox>("comboFi", 0)->setEditText("16");
  f.Widget<QComboBox>("comboFi", 1)->setEditText("12");
  f.C("txtNfi", 1).SetText("1");
  f.main->UpDownFi_UpClick(0);
  EXPECT_EQ(f.C("txtNfi", 0).Text(), "2");
  EXPECT_EQ(f.C("txtFi").Text(), "5,15");
  f.main->UpDownFi_DownClick(2);
  EXPECT_EQ(f.C("txtNfi", 2).Text(), "0");

  f.Clic("cmdFi", 0);
  EXPECT_FALSE(f.C("FraFi").Visible());
  QApplication::processEvents();
  EXPECT_EQ(barre->geometry(), griglia);
  EXPECT_EQ(FinestraMain::Fuoco(), "TxtEdit_1");
  EXPECT_EQ(f.main->TxtEdit(1).Text(), "5,15");
  EXPECT_EQ(f.main->TxtEdit(1).SelLength(), 4);
  FinestraMain::Batti("", true);
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 1), "5,15");
  // The next cell of the area column opens the frame again.
  EXPECT_TRUE(f.C("FraFi").Visible());
  FinestraMain::Batti("3");
  EXPECT_FALSE(f.C("FraFi").Visible());  // the depth column

  Stato.UnitaLunghezza = "mm";
  f.main->CalcolaAreaFi();
  EXPECT_EQ(f.C("txtFi").Text(), "515");
}

TEST(GriglieMain, GridValuesConvertBetweenCentimetresAndMillimetres) {
  FinestraMain f;
  Stato.UnitaLunghezza = "cm";
  Matrice<double> mm, cm(1, 1, 1, 2);
  cm(1, 1) = 5.15;
  cm(1, 2) = 4;
  Main::MatriceBarreAssociata("L", mm, cm, 1);
  EXPECT_NEAR(mm(1, 1), 515, 1e-9);
  EXPECT_NEAR(mm(1, 2), 40, 1e-12);

  Matrice<double> cavi(1, 1, 1, 4), caviCm;
  cavi(1, 1) = 100;
  cavi(1, 2) = 50;
  cavi(1, 3) = -20;
  cavi(1, 4) = 1200;
  Main::MatriceCaviAssociata("S", cavi, caviCm, 1);
  EXPECT_NEAR(caviCm(1, 1), 1, 1e-12);
  EXPECT_NEAR(caviCm(1, 2), 5, 1e-12);
  EXPECT_NEAR(caviCm(1, 3), -2, 1e-12);
  EXPECT_EQ(caviCm(1, 4), 1200);  // the prestress value is not a length
  Matrice<double> tre(1, 1, 1, 3), treCm;
  tre(1, 3) = 900;
  Main::MatriceCaviAssociata("S", tre, treCm, 1);
  EXPECT_EQ(treCm(1, 3), 900);

  const std::array<float, 5> cerchio{25, 8, 2, 4, 0};
  std::array<float, 5> inMm{};
  Main::DatiCerchioAssociati(cerchio, inMm, 0);
  EXPECT_EQ(inMm, (std::array<float, 5>{250, 8, 20, 40, 0}));
  std::array<float, 5> indietro{};
  Main::DatiCerchioAssociati(inMm, indietro, 1);
  EXPECT_FLOAT_EQ(indietro[0], 25);
  EXPECT_FLOAT_EQ(indietro[1], 8);

  f.main->GrigliaFigure.ReDim(1, 2, 1, 2);
  f.main->GrigliaFigure(2, 2) = 50;
  f.main->MatriceFigureAssociata("L");
  EXPECT_EQ(Stato.MatriceFigure(2, 2), 500);
  Stato.UnitaLunghezza = "mm";
  f.main->MatriceFigureAssociata("S");
  EXPECT_EQ(f.main->GrigliaFigure(2, 2), 500);
}

TEST(GriglieMain, EachZoomButtonTogglesItsOwnGrid) {
  FinestraMain f;
  f.Clic("OpTipoSezione", 2);
  FinestraMain::Batti("2");
  QWidget* griglia = f.Widget("FlexGrid", 0);
  QApplication::processEvents();
  const int prima = griglia->height();
  f.Clic("FlexGridZoom", 0);
  QApplication::processEvents();
  EXPECT_GT(griglia->height(), prima);
  f.Clic("FlexGridZoom", 0);
  QApplication::processEvents();
  EXPECT_EQ(griglia->height(), prima);
  f.main->FlexGridZoom_Click(1);
  EXPECT_TRUE(MsFlex::Stato.GrigliaIngrandita[1]);
  EXPECT_FALSE(MsFlex::Stato.GrigliaIngrandita[0]);
}

// Key sequences as a user types them over every grid of the window: the
// outline ("Rettangoli", "Trapezi", "Coord."), bars and tendons. Column 1
// holds "7" in row 1 and "8" in row 2 before each sequence.
TEST(GriglieMain, EachKeySequenceLeavesOnlyWhatWasTyped) {
  struct Griglia { int g, tipoSezione; };
  for (const Griglia caso : {Griglia{0, 2}, Griglia{0, 3}, Griglia{0, 5}, Griglia{1, 0}, Griglia{2, 0}}) {
    SCOPED_TRACE("griglia " + std::to_string(caso.g) + ", sezione " + std::to_string(caso.tipoSezione));
    FinestraMain f;
    if (caso.tipoSezione != 0) f.Clic("OpTipoSezione", caso.tipoSezione);
    if (caso.g == 2) f.Clic("chkPrecompresso");
    f.Widget("txtRigheGriglia", caso.g)->setFocus();
    FinestraMain::Batti("2");
    platform::FlexGrid& g = f.main->FlexGrid(caso.g);
    auto* vista = f.Widget<platform::FlexGridQt>("FlexGrid", caso.g);
    ASSERT_NE(vista, nullptr);
    const auto cella = [&](int r, int c) { return g.TextMatrix(r, c); };
    const auto clic = [&](int r, int c) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      g.SetTextMatrix(1, 1, "7");
      g.SetTextMatrix(2, 1, "8");
      QApplication::processEvents();
      QTest::mouseClick(vista->viewport(), Qt::LeftButton, {},
                        vista->RettangoloCella(r, c).center() - vista->viewport()->pos());
      ASSERT_EQ(f.main->TxtEdit(caso.g).Text(), cella(r, c));
    };
    const auto tasto = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    platform::CasellaTesto& editor = f.main->TxtEdit(caso.g);

    // Click, Escape, "10" typed on the grid, Enter: row 1 is 10, row 2 opens
    // with its own 8, all of it selected; Escape leaves it 8.
    clic(1, 1);
    tasto(Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete, Qt::KeypadModifier);  // NumLock off
    for (Qt::Key k : {Qt::Key_1, Qt::Key_0, Qt::Key_Return}) tasto(k);
    EXPECT_EQ(cella(1, 1), "10");
    EXPECT_EQ(editor.Text(), "8");
    EXPECT_EQ(editor.SelLength(), 1);
    tasto(Qt::Key_Escape);
    EXPECT_EQ(cella(2, 1), "8");
    EXPECT_FALSE(editor.Visible());

    // Delete on the grid types nothing; in the editor Backspace deletes.
    clic(1, 1);
    tasto(Qt::Key_Escape);
    for (Qt::Key k : {Qt::Key_Delete, Qt::Key_F2, Qt::Key_Right, Qt::Key_Left}) tasto(k);
    EXPECT_FALSE(editor.Visible());
    clic(1, 1);
    for (Qt::Key k : {Qt::Key_End, Qt::Key_Backspace, Qt::Key_5, Qt::Key_Return}) tasto(k);
    EXPECT_EQ(cella(1, 1), "5");

    // Tab is Enter: from the last row of column 1 to row 1 of column 2.
    clic(2, 1);
    tasto(Qt::Key_Tab);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(editor.Text(), cella(1, 2));
  }
}
