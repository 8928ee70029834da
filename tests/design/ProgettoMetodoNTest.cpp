// Sizing by allowable stress: the balanced section by hand, the allowable
// moment of a given rectangle.
#include <cmath>

#include "ProgettoProva.h"

using VariabiliPubbliche::Stato;

namespace {

// n = 15, sigma_s = 255, sigma_c = 9.75 (the program's defaults); c = 30 mm.
class ProgettoMetodoN : public ProgettoProva {
 protected:
  ProgettoMetodoN() { SenzaStaffe(); }
  static constexpr double n = 15, ss = 255, sc = 9.75;
  // Both materials at their limits: x/d.
  static constexpr double xi = n / (n + ss / sc);
};

TEST_F(ProgettoMetodoN, BalancedWidthSinglyReinforced) {
  Dati(100, 0, 500, 300);
  Scelte(1, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // C = sc b x / 2 = As ss, M = C (d - x/3).
  const double d = 470, x = xi * d, M = 100e6;
  const double b = M / (sc / 2 * x * (d - x / 3));
  EXPECT_NEAR(modello_.BaseSezione, b, 1e-4 * b);
  EXPECT_NEAR(modello_.AsTesa, sc / 2 * b * x / ss, 1e-3);
  EXPECT_EQ(modello_.AsCompressa, 0);
}

TEST_F(ProgettoMetodoN, BalancedWidthWithCompressionSteel) {
  Dati(100, 0, 500, 300, 20, 50);
  Scelte(1, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // A's = As / 2 at c = 30 with stress n sc (x - c) / x:
  // As (ss - s1 / 2) = sc b x / 2, M = sc b x / 2 (d - x/3) + s1 As / 2 (d - c).
  const double d = 470, c = 30, x = xi * d, M = 100e6;
  const double s1 = n * sc * (x - c) / x;
  const double AsSuB = sc / 2 * x / (ss - s1 / 2);
  const double b = M / (sc / 2 * x * (d - x / 3) + s1 * AsSuB / 2 * (d - c));
  EXPECT_NEAR(modello_.BaseSezione, b, 1e-4 * b);
  EXPECT_NEAR(modello_.AsTesa, AsSuB * b, 1e-4 * AsSuB * b);
  EXPECT_NEAR(modello_.AsCompressa, AsSuB * b / 2, 1e-4 * AsSuB * b);
}

// b = 300, h = 500, c = 40, As = 1500, A's = 500, n = 15.
TEST(MomentoAmmissibile, OfAGivenRectangle) {
  const double b = 300, d = 460, c = 40, As = 1500, As1 = 500, n = 15;
  // b x^2 / 2 + n A's (x - c) = n As (d - x).
  const double qa = b / 2, qb = n * (As + As1), qc = -n * (As * d + As1 * c);
  const double x = (-qb + std::sqrt(qb * qb - 4 * qa * qc)) / (2 * qa);
  const double I = b * x * x * x / 3 + n * As * (d - x) * (d - x) + n * As1 * (x - c) * (x - c);
  EXPECT_NEAR(ModelloProgetto::AsseNeutroMetodoN(b, 500, c, As, As1, n), x, 1e-9);
  const double Mc = 9.75 * I / x, Ms = 255 * I / (n * (d - x));
  EXPECT_NEAR(ModelloProgetto::MomentoAmmissibile(b, 500, c, As, As1, n, 9.75, 255),
              std::min(Mc, Ms), 1e-6 * Mc);
  // x = 184.6 mm, I = 2.492e9 mm4: the concrete governs at 131.6 kNm.
  EXPECT_NEAR(x, 184.6, 0.1);
  EXPECT_LT(Mc, Ms);
  EXPECT_NEAR(Mc / 1e6, 131.6, 0.1);
  EXPECT_EQ(ModelloProgetto::MomentoAmmissibile(b, 500, c, 0, As1, n, 9.75, 255), 0);
}

TEST_F(ProgettoMetodoN, RatioForBothDimensionsFixed) {
  Dati(100, 0, 500, 300);
  Scelte(1, 2);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  const double As = modello_.AsTesa, d = 470, b = 300;
  // Under M the governing material is at its allowable stress.
  const double x = n * As / b * (std::sqrt(1 + 2 * b * d / (n * As)) - 1);
  const double I = b * x * x * x / 3 + n * As * (d - x) * (d - x);
  const double sigmaC = 100e6 * x / I, sigmaS = n * 100e6 * (d - x) / I;
  EXPECT_NEAR(std::max(sigmaC / sc, sigmaS / ss), 1, 1e-4);
}

// The depth found with the start depth already within b/1000 of the width:
// the areas are those of that depth.
TEST_F(ProgettoMetodoN, DepthAlreadyRightRecomputesTheAreas) {
  Dati(100, 0, 500, 300);
  Scelte(1, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  const float b = modello_.BaseSezione, As = modello_.AsTesa;
  Dati(100, 0, 500, b);
  Scelte(1, 1);
  ASSERT_TRUE(modello_.LeggiDati());
  modello_.AsTesa = 1;
  ASSERT_TRUE(modello_.Progetta());
  EXPECT_EQ(modello_.AltezzaSezione, 500);
  EXPECT_FLOAT_EQ(modello_.BaseSezione, b);
  EXPECT_NEAR(modello_.AsTesa, As, 1e-3 * As);
}

TEST_F(ProgettoMetodoN, DepthForAFixedWidth) {
  Dati(100, 0, 300, 250);
  Scelte(1, 1);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // b = M / (sc/2 xi d^2 (1 - xi/3)) solved for d with b = 250; the search
  // stops with the width within b/1000, d within half that.
  const double d = std::sqrt(100e6 / (sc / 2 * xi * (1 - xi / 3) * 250));
  EXPECT_NEAR(modello_.AltezzaSezione, d + 30, 5e-4 * d);
  EXPECT_EQ(modello_.BaseSezione, 250);
}

}  // namespace
