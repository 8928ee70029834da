#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>

#include "doppi/VistaGrigliaProva.h"
#include "platform/FlexGrid.h"

using platform::FlexGrid;

TEST(FlexGrid, ResizingKeepsTheCellsThatStayAndTheCurrentCellInside) {
  FlexGrid g;
  g.SetRows(3);
  g.SetCols(3);
  g.SetTextMatrix(1, 1, "a");
  g.SetTextMatrix(2, 2, "b");
  g.SetColWidth(2, 500);
  g.SetRow(2);
  g.SetCols(4);
  EXPECT_EQ(g.TextMatrix(1, 1), "a");
  EXPECT_EQ(g.TextMatrix(2, 2), "b");
  EXPECT_EQ(g.ColWidth(2), 500);
  EXPECT_EQ(g.ColWidth(3), platform::LarghezzaColonnaPredefinita);
  g.SetRows(2);
  EXPECT_EQ(g.Row(), 1);
  g.SetRows(3);
  EXPECT_EQ(g.TextMatrix(1, 1), "a");
  EXPECT_EQ(g.TextMatrix(2, 2), "");
  EXPECT_THROW(g.SetRow(3), std::out_of_range);
  EXPECT_THROW(g.TextMatrix(0, 4), std::out_of_range);
}

TEST(FlexGrid, ANumberIsWrittenOnlyWhenItsCellIsReadAndATextReplacesIt) {
  static int scritti = 0;
  FlexGrid g;
  g.SetNumeroMatrix(1, 1, 2.5, 3, [](int cifre, double valore) {
    ++scritti;
    return std::to_string(cifre) + "|" + std::to_string(valore);
  });
  g.SetCols(3);
  EXPECT_EQ(scritti, 0);
  EXPECT_EQ(g.TextMatrix(1, 1), "3|2.500000");
  EXPECT_EQ(g.TextArray(4), "3|2.500000");
  g.SetTextMatrix(1, 1, "x");
  EXPECT_EQ(g.TextMatrix(1, 1), "x");
  EXPECT_EQ(scritti, 2);
}

TEST(FlexGrid, CellFormatsFollowTheirCellAndFallBackOnTheColumn) {
  FlexGrid g;
  g.SetRows(3);
  g.SetCols(3);
  g.SetColAlignment(2, platform::AllineamentoDestraCentro);
  g.SetCellAlignment(1, 1, platform::AllineamentoCentroCentro);
  g.SetRow(2);
  g.SetCol(1);
  g.SetCellFontBold(true);
  g.SetText("x");
  EXPECT_EQ(g.CellAlignment(1, 1), platform::AllineamentoCentroCentro);
  EXPECT_EQ(g.CellAlignment(1, 2), platform::AllineamentoDestraCentro);
  EXPECT_EQ(g.CellAlignment(2, 0), platform::AllineamentoGenerale);
  EXPECT_TRUE(g.CellFontBold(2, 1));
  EXPECT_FALSE(g.CellFontBold(1, 1));
  EXPECT_EQ(g.TextMatrix(2, 1), "x");
  g.SetCols(5);
  EXPECT_TRUE(g.CellFontBold(2, 1));
  EXPECT_EQ(g.CellAlignment(1, 1), platform::AllineamentoCentroCentro);
}

TEST(FlexGrid, FormatStringWritesHeadersAlignsColumnsAndSetsTheSize) {
  FlexGrid g;
  g.SetRows(10);
  g.SetFormatString(">Punto|>Teta [°]|^Mx [kNm]|<My [kNm]|Note");
  EXPECT_EQ(g.Cols(), 5);
  EXPECT_EQ(g.Rows(), 10);
  EXPECT_EQ(g.TextMatrix(0, 0), "Punto");
  EXPECT_EQ(g.TextMatrix(0, 1), "Teta [°]");
  EXPECT_EQ(g.TextMatrix(0, 4), "Note");
  EXPECT_EQ(g.ColAlignment(1), platform::AllineamentoDestraCentro);
  EXPECT_EQ(g.ColAlignment(2), platform::AllineamentoCentroCentro);
  EXPECT_EQ(g.ColAlignment(3), platform::AllineamentoSinistraCentro);
  EXPECT_EQ(g.ColAlignment(4), platform::AllineamentoGenerale);

  g.SetFormatString("|A|B;uno|due|tre");
  EXPECT_EQ(g.Cols(), 3);
  EXPECT_EQ(g.Rows(), 4);
  EXPECT_EQ(g.TextMatrix(0, 0), "");
  EXPECT_EQ(g.TextMatrix(0, 2), "B");
  EXPECT_EQ(g.TextMatrix(1, 0), "uno");
  EXPECT_EQ(g.TextMatrix(3, 0), "tre");
  EXPECT_EQ(g.FormatString(), "|A|B;uno|due|tre");
}

TEST(FlexGrid, CellPlaceKeepsFixedCellsAndScrollsTheOthers) {
  FlexGrid g;
  g.SetRows(20);
  g.SetCols(6);
  for (int c = 0; c < 6; ++c) g.SetColWidth(c, 100 * (c + 1));
  g.SetRowHeight(0, 450);
  g.SetRow(3);
  g.SetCol(2);
  EXPECT_EQ(g.CellLeft(), 100 + 200);
  EXPECT_EQ(g.CellTop(), 450 + 2 * 300);
  EXPECT_EQ(g.CellWidth(), 300);
  EXPECT_EQ(g.CellHeight(), 300);

  g.SetLeftCol(2);
  g.SetTopRow(3);
  EXPECT_EQ(g.CellLeft(), 100);
  EXPECT_EQ(g.CellTop(), 450);
  g.SetCol(4);
  EXPECT_EQ(g.CellLeft(), 100 + 300 + 400);
  // A cell scrolled out lies before the scrolling area.
  g.SetCol(1);
  EXPECT_EQ(g.CellLeft(), 100 - 200);
  g.SetRow(0);
  g.SetCol(0);
  EXPECT_EQ(g.CellLeft(), 0);
  EXPECT_EQ(g.CellTop(), 0);
  EXPECT_EQ(g.CellHeight(), 450);

  EXPECT_THROW(g.SetTopRow(0), std::out_of_range);
  g.SetRows(2);
  EXPECT_EQ(g.TopRow(), 1);
}

TEST(FlexGrid, CellIndexesGoPast16BitsAndTheSizeIsKeptWithin32) {
  FlexGrid g;
  g.SetRows(400);
  g.SetCols(150);
  const int indice = 399 * 150 + 149;  // 59 999
  g.SetTextArray(indice, "ultima");
  g.SetTextArray(40000, "mezzo");
  EXPECT_EQ(g.TextMatrix(399, 149), "ultima");
  EXPECT_EQ(g.TextArray(indice), "ultima");
  EXPECT_EQ(g.TextMatrix(40000 / 150, 40000 % 150), "mezzo");
  EXPECT_THROW(g.TextArray(400 * 150), std::out_of_range);
  EXPECT_THROW(g.SetTextArray(-1, "x"), std::out_of_range);

  EXPECT_THROW(g.SetRows(INT_MAX / 100), std::length_error);
  EXPECT_EQ(g.Rows(), 400);
  EXPECT_EQ(g.TextMatrix(399, 149), "ultima");
}

TEST(FlexGrid, FixedPartShrinksWithTheGrid) {
  FlexGrid g;
  g.SetRows(3);
  g.SetFixedRows(2);
  EXPECT_EQ(g.TopRow(), 2);
  g.SetRows(1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_THROW(g.SetFixedCols(3), std::out_of_range);
  g.SetFixedCols(2);
  EXPECT_EQ(g.LeftCol(), 2);
}

TEST(FlexGrid, TheViewIsToldOfEveryChange) {
  FlexGrid g;
  {
    VistaGrigliaProva vista(g);
    g.SetTextMatrix(1, 0, "a");
    g.SetCols(3);
    g.SetColWidth(1, 10);
    g.SetRow(0);
    g.SetTopRow(1);
    g.SetHeight(900);
    g.SetFocus();
    g.SetCellFontBold(0, 2, true);
    EXPECT_EQ(vista.Eventi, (std::vector<std::string>{"cella 1,0", "struttura", "formato",
                                                       "corrente", "scorrimento", "geometria",
                                                       "fuoco", "cella 0,2"}));
  }
  g.SetFocus();  // no view any more
}

TEST(FlexGrid, WithinABlockTheViewIsToldOnceAtTheEndOfTheOutermostBlock) {
  FlexGrid g;
  VistaGrigliaProva vista(g);
  {
    const FlexGrid::Blocco blocco(g);
    g.SetFormatString(">a|>b|>c");
    {
      const FlexGrid::Blocco interno(g);
      g.SetRows(400);
      g.SetTextMatrix(399, 2, "x");
    }
    g.SetColWidth(1, 10);
    g.SetRow(399);
    g.SetTopRow(300);
    g.SetHeight(900);  // the place is not held back
    g.SetFocus();
    EXPECT_EQ(vista.Eventi, (std::vector<std::string>{"geometria", "fuoco"}));
  }
  EXPECT_EQ(vista.Eventi.back(), "struttura");
  EXPECT_EQ(vista.Eventi.size(), 3u);
  EXPECT_EQ(g.TextMatrix(399, 2), "x");
  { const FlexGrid::Blocco senzaModifiche(g); }
  EXPECT_EQ(vista.Eventi.size(), 3u);
  g.SetRow(1);
  EXPECT_EQ(vista.Eventi.back(), "corrente");
}
