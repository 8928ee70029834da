#include <gtest/gtest.h>

#include "model/Vettore.h"

TEST(Vettore, BoundsAndRedim) {
  Vettore<double> v;
  EXPECT_EQ(v.Conta(), 0);
  EXPECT_EQ(v.Ub(), 0);
  v.ReDim(0, 3);
  v(0) = 1;
  v(3) = 4;
  EXPECT_EQ(v.Lb(), 0);
  EXPECT_EQ(v.Ub(), 3);
  v.ReDimPreserve(5);
  EXPECT_EQ(v(3), 4);
  EXPECT_EQ(v(5), 0);
  v.ReDim(1, 2);
  EXPECT_EQ(v(1), 0);
  EXPECT_THROW(v(0), std::out_of_range);
  EXPECT_THROW(v(3), std::out_of_range);
  v.ReDim(1, 0);
  EXPECT_TRUE(v.Vuoto());
}
