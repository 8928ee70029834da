#include <gtest/gtest.h>

#include <cmath>

#include "model/AssiPrincipali.h"

// A sliver along a line at angle t has the moments of a rank-one tensor: the
// smaller principal moment is zero and must never come out negative.
TEST(AssiPrincipali, SliverHasNoNegativeMoment) {
  const double L = 3.7e9;
  for (int k = 0; k < 360; ++k) {
    const double t = k * 3.14159265358979 / 180;
    const double c = std::cos(t), s = std::sin(t);
    const AssiPrincipaliInerzia assi = CalcolaAssiPrincipali(L * s * s, L * c * c, L * c * s);
    EXPECT_GE(assi.jota_IIG, 0) << k;
    EXPECT_NEAR(assi.jota_IIG, 0, 1e-6 * L) << k;
    EXPECT_NEAR(assi.jota_IG, L, 1e-6 * L) << k;
  }
}

TEST(AssiPrincipali, RectangleAxesAlongXAndY) {
  // b = 2 along x, h = 1: the larger moment is about y.
  const AssiPrincipaliInerzia assi = CalcolaAssiPrincipali(1.0 / 6, 2.0 / 3, 0);
  EXPECT_DOUBLE_EQ(assi.jota_IG, 2.0 / 3);
  EXPECT_DOUBLE_EQ(assi.jota_IIG, 1.0 / 6);
  EXPECT_NEAR(std::fabs(assi.AngoloJotaI - assi.AngoloJotaII), 3.14159265358979 / 2, 1e-14);
}
