#include <gtest/gtest.h>

#include <stdexcept>

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
