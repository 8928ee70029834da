#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "doppi/SistemaProva.h"
#include "drawing/MsFlex.h"
#include "platform/MsgBoxScriptato.h"

using namespace MsFlex;
using platform::FlexGrid;

namespace {

void Dimensiona(FlexGrid& g, int righe, int colonne) {
  g.SetRows(righe);
  g.SetCols(colonne);
}

std::vector<std::string> Colonna(const FlexGrid& g, int colonna) {
  std::vector<std::string> testi;
  for (int r = 0; r < g.Rows(); ++r) testi.push_back(g.TextMatrix(r, colonna));
  return testi;
}

}  // namespace

TEST(MsFlexCelle, IndexesAreRowTimesColumnsPlusColumnWellPast32767) {
  FlexGrid g;
  Dimensiona(g, 6, 5);
  EXPECT_EQ(IndiceCella(2, 3, g), 13);

  Dimensiona(g, 500, 100);
  ScriveCella("lontana", 400, 50, g);  // cell 40 050
  ScriveCella(2.5, 499.9, 99.2, g);
  EXPECT_EQ(IndiceCella(400, 50, g), 40050);
  EXPECT_EQ(LeggeCella(400, 50, g), "lontana");
  EXPECT_EQ(LeggeCella(499, 99, g), "2.5");
}

TEST(MsFlexCelle, AColumnOutsideTheGridIsRefusedNotWrappedIntoTheNextRow) {
  FlexGrid g;
  Dimensiona(g, 3, 3);
  EXPECT_THROW(ScriveCella("x", 1, 3, g), std::out_of_range);
  EXPECT_THROW(ScriveCella("x", 1, -0.5, g), std::out_of_range);
  EXPECT_THROW(ScriveCella("x", 3, 0, g), std::out_of_range);
  EXPECT_THROW(ScriveCella("x", 1e12, 0, g), std::out_of_range);
  EXPECT_EQ(g.TextMatrix(2, 0), "");
}

TEST(MsFlexCelle, NumbersGoInAndComeOutInTheUsersLocale) {
  SeparatoriProva italiano(",", ".");
  FlexGrid g;
  Dimensiona(g, 3, 3);
  ScriveCella(-1234.5, 1, 1, g);
  EXPECT_EQ(LeggeCella(1, 1, g), "-1234,5");
  g.SetTextMatrix(2, 2, "1.234,5");
  double valore = 0;
  LeggeCellaNumero(valore, 2, 2, g);
  EXPECT_DOUBLE_EQ(valore, 1234.5);
  std::string testo;
  LeggeCellaNumero(testo, 2, 2, g);
  EXPECT_EQ(testo, "1.234,5");
}

TEST(MsFlexRighe, RowsAreNumberedAndWrittenAndReadOverTheirBounds) {
  FlexGrid g;
  Dimensiona(g, 4, 4);
  NumeraRighe(g);
  EXPECT_EQ(Colonna(g, 0), (std::vector<std::string>{"", "1", "2", "3"}));

  Vettore<std::string> testi(2, 3);
  testi(2) = "b";
  testi(3) = "c";
  ScriveVettoreInGriglia(testi, 1, g);
  ScriveVettoreInGriglia(Vettore<double>{0.5}, 2, g);
  Vettore<std::string> riga;
  LeggeRigaGriglia(riga, 1, g);
  EXPECT_EQ(riga.Lb(), 1);
  EXPECT_EQ(riga.Dati(), (std::vector<std::string>{"", "b", "c"}));
  EXPECT_EQ(g.TextMatrix(2, 1), "0.5");
  EXPECT_THROW(ScriveVettoreInGriglia(Vettore<double>{1, 2, 3, 4}, 3, g), std::out_of_range);
}

TEST(MsFlexTabelle, TablesResizeTheGridAndTakeTheFormat) {
  FlexGrid g;
  Matrice<double> m(1, 2, 1, 3);
  m(1, 1) = 1.5;
  m(2, 3) = -1234.567;
  ScriveMatriceInGriglia(g, m, "#,##0.00", true);
  EXPECT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.Cols(), 4);
  EXPECT_EQ(g.TextMatrix(1, 1), "1.50");
  EXPECT_EQ(g.TextMatrix(2, 3), "-1,234.57");
  ScriveMatriceInGriglia(g, m, "", false);
  EXPECT_EQ(g.TextMatrix(2, 3), "-1234.567");

  // Texts: those that read as numbers are formatted, the others go in as they are.
  Matrice<std::string> t(1, 1, 1, 2);
  t(1, 1) = "2.5";
  t(1, 2) = "Trefolo";
  ScriveMatriceInGriglia(g, t, "0.000", false);
  EXPECT_EQ(g.TextMatrix(1, 1), "2.500");
  EXPECT_EQ(g.TextMatrix(1, 2), "Trefolo");
  EXPECT_EQ(g.TextMatrix(2, 1), "0");  // a row the table lacks is left alone
}

TEST(MsFlexTabelle, ATableOnOtherBoundsIsNotReadPast) {
  FlexGrid g;
  Matrice<double> m(0, 1, 0, 1);  // rows and columns 0 and 1
  m(0, 0) = 9;
  m(1, 1) = 4;
  ScriveMatriceInGriglia(g, m, "", true);
  EXPECT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.Cols(), 3);
  EXPECT_EQ(g.TextMatrix(1, 1), "4");
  EXPECT_EQ(g.TextMatrix(2, 2), "");

  ScriveMatriceInGriglia(g, Matrice<double>(), "", true);
  EXPECT_EQ(g.Rows(), 1);
  EXPECT_EQ(g.Cols(), 1);
}

TEST(MsFlexTabelle, GridReadIntoATableAsNumbersOrTexts) {
  SeparatoriProva italiano(",", ".");
  platform::MsgBoxScriptato box;
  FlexGrid g;
  Dimensiona(g, 3, 3);
  g.SetTextMatrix(1, 1, "1,5");
  g.SetTextMatrix(2, 2, "abc");
  g.SetTextMatrix(0, 1, "N");

  Matrice<double> numeri;
  LeggeGriglia(g, numeri, 1, 1, true);
  EXPECT_EQ(numeri.Lb1(), 1);
  EXPECT_EQ(numeri.Ub2(), 2);
  EXPECT_DOUBLE_EQ(numeri(1, 1), 1.5);
  EXPECT_DOUBLE_EQ(numeri(2, 2), 0);

  Matrice<std::string> testi;
  LeggeGriglia(g, testi, 0, 1, true);
  EXPECT_EQ(testi(0, 1), "N");
  EXPECT_EQ(testi(2, 2), "abc");
  EXPECT_TRUE(box.Mostrati().empty());

  // Too small a table without resizing: the message, and what fitted is kept.
  Matrice<std::string> piccola(1, 1, 1, 2);
  LeggeGriglia(g, piccola, 1, 1, false);
  EXPECT_EQ(piccola(1, 1), "1,5");
  ASSERT_EQ(box.Testi(), (std::vector<std::string>{"Errore in LeggeGriglia"}));
  EXPECT_EQ(box.Mostrati()[0].icona, platform::Icona::Critica);

  // No data row: the table stays as it was.
  g.SetRows(1);
  LeggeGriglia(g, piccola, 1, 1, true);
  EXPECT_EQ(piccola.Ub1(), 1);
  EXPECT_EQ(piccola(1, 1), "1,5");
}

TEST(MsFlexTabelle, DeletingARowMovesTheOthersUpAsNumbers) {
  FlexGrid g;
  Dimensiona(g, 4, 3);
  for (int r = 1; r <= 3; ++r) {
    g.SetTextMatrix(r, 1, std::to_string(r) + ".50");
    g.SetTextMatrix(r, 2, "x");
  }
  EliminaRigaGriglia(g, 2);
  EXPECT_EQ(g.Rows(), 3);
  EXPECT_EQ(Colonna(g, 1), (std::vector<std::string>{"", "1.5", "3.5"}));
  EXPECT_EQ(g.TextMatrix(1, 2), "0");

  EliminaRigaGriglia(g, 0);
  EliminaRigaGriglia(g, 3);
  EXPECT_EQ(g.Rows(), 3);
  EliminaRigaGriglia(g, 1);
  EliminaRigaGriglia(g, 1);
  EXPECT_EQ(g.Rows(), 1);
  EliminaRigaGriglia(g, 1);  // no data row left
  EXPECT_EQ(g.Rows(), 1);
}

TEST(MsFlexTabelle, AlignmentReachesEveryCellAndLeavesTheLastOneCurrent) {
  FlexGrid g;
  Dimensiona(g, 3, 4);
  g.SetColAlignment(2, platform::AllineamentoSinistraCentro);
  AllineaCelle(g, platform::AllineamentoDestraCentro);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(g.CellAlignment(r, c), platform::AllineamentoDestraCentro) << r << "," << c;
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 3);
}

class MsFlexZoom : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoMsFlex{}; }
  void TearDown() override { Stato = StatoMsFlex{}; }
};

TEST_F(MsFlexZoom, TwoZoomsBringBackTheHeightTheGridHad) {
  FlexGrid a, b;
  a.SetTop(1000);
  a.SetHeight(2000);
  b.SetHeight(1500);
  std::vector<FlexGrid*> griglie{&a, &b};
  ZoomGriglia(griglie, 0, 9000);
  EXPECT_EQ(a.Height(), 9000 - 1000 - 800);
  EXPECT_EQ(b.Height(), 1500);
  ZoomGriglia(griglie, 0, 9000);
  EXPECT_EQ(a.Height(), 2000);
  // The height stored on the first zoom is the one given back every time.
  a.SetHeight(2500);
  ZoomGriglia(griglie, 0, 9000);
  ZoomGriglia(griglie, 0, 9000);
  EXPECT_EQ(a.Height(), 2000);
  // Too short a window gives no negative height.
  ZoomGriglia(griglie, 1, 500);
  EXPECT_EQ(b.Height(), 0);
}

TEST_F(MsFlexZoom, AnArrayOfGridsThatGrewLaterIsZoomedToo) {
  FlexGrid a, b, c;
  c.SetHeight(1200);
  std::vector<FlexGrid*> griglie{&a};
  ZoomGriglia(griglie, 0, 5000);
  griglie.push_back(&b);
  griglie.push_back(&c);
  ZoomGriglia(griglie, 2, 5000);
  EXPECT_EQ(c.Height(), 4200);
  ZoomGriglia(griglie, 2, 5000);
  EXPECT_EQ(c.Height(), 1200);
  EXPECT_THROW(ZoomGriglia(griglie, 3, 5000), std::out_of_range);
}
