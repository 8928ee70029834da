#include <gtest/gtest.h>

#include "drawing/Grafica.h"

TEST(Grafica, Log10HasAFloorAtMinus20) {
  EXPECT_EQ(Grafica::Log10(0), -20);
  EXPECT_EQ(Grafica::Log10(-5), -20);
  EXPECT_EQ(Grafica::Log10(1E-21), -20);
  EXPECT_NEAR(Grafica::Log10(1000), 3, 1e-14);
  EXPECT_NEAR(Grafica::Log10(1E-20), -20, 1e-12);
  EXPECT_NEAR(Grafica::Log10(0.5), -0.30103, 1e-5);
}

TEST(Grafica, AreaConSegnoFollowsOrientation) {
  Vettore<double> x{0, 1, 1, 0}, y{0, 0, 1, 1};
  double area = 99;
  EXPECT_EQ(Grafica::AreaConSegno(4, x, y, &area), 1);
  EXPECT_DOUBLE_EQ(area, 1);
  Vettore<double> xo{0, 0, 1, 1}, yo{0, 1, 1, 0};
  EXPECT_EQ(Grafica::AreaConSegno(4, xo, yo, &area), 0);
  EXPECT_DOUBLE_EQ(area, -1);
  Vettore<double> xc{0, 1, 2}, yc{0, 1, 2};
  EXPECT_EQ(Grafica::AreaConSegno(3, xc, yc, &area), 1);
  EXPECT_DOUBLE_EQ(area, 0);
}

TEST(Grafica, AreaConSegnoUsesTheArrayLowerBoundAndOnlyNPoints) {
  // 0-based triangle followed by a point that must not be read.
  Vettore<double> x(0, 3), y(0, 3);
  x(0) = 0; y(0) = 0;
  x(1) = 4; y(1) = 0;
  x(2) = 0; y(2) = 3;
  x(3) = 100; y(3) = 100;
  double area = 0;
  EXPECT_EQ(Grafica::AreaConSegno(3, x, y, &area), 1);
  EXPECT_DOUBLE_EQ(area, 6);
}
