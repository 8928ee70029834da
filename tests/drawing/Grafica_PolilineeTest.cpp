#include <gtest/gtest.h>

#include <cmath>

#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Polilinee.h"
#include "platform/MsgBoxScriptato.h"

using namespace Grafica;
using V = Vettore<double>;
using Punti = std::vector<std::pair<double, double>>;

namespace {

class Polilinee : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoGrafica{}; }
  platform::MsgBoxScriptato box;
  const V xq{0, 10, 10, 0};
  const V yq{0, 0, 10, 10};
};

void ExpectPunti(const V& x, const V& y, const Punti& attesi, double tol) {
  ASSERT_EQ(x.Conta(), static_cast<int>(attesi.size()));
  for (int i = 1; i <= x.Conta(); ++i) {
    EXPECT_NEAR(x(i), attesi[static_cast<size_t>(i - 1)].first, tol) << "punto " << i;
    EXPECT_NEAR(y(i), attesi[static_cast<size_t>(i - 1)].second, tol) << "punto " << i;
  }
}

}  // namespace

TEST_F(Polilinee, SignedDistanceAndParallelLine) {
  bool interno = false;
  EXPECT_NEAR(DistanzaPuntoRetta(0, 0, 10, 0, 12, -1, interno), -1, 1E-12);
  EXPECT_FALSE(interno);
  EXPECT_NEAR(DistanzaPuntoRetta(0, 0, 10, 0, 0, 3, interno), 3, 1E-12);
  EXPECT_TRUE(interno);  // foot on an end point
  // Every point of a parallel is at distance d on the left.
  double a, b, c;
  RettaParallela(1, 1, 4, 5, a, b, c, 2.5);
  EXPECT_NEAR(DistanzaPuntoRetta(1, 1, 4, 5, 0, -c / b, interno), 2.5, 1E-12);
}

TEST_F(Polilinee, OffsetByADistance) {
  V xo(1, 4), yo(1, 4);
  OffsetPoligonale(xq, yq, xo, yo, 4, 1);
  ExpectPunti(xo, yo, {{1, 1}, {9, 1}, {9, 9}, {1, 9}}, 1E-12);
  OffsetPoligonale(xq, yq, xo, yo, 4, -1);
  ExpectPunti(xo, yo, {{-1, -1}, {11, -1}, {11, 11}, {-1, 11}}, 1E-12);
  OffsetPoligonale(xq, yq, xo, yo, 4, 7);  // past the centre: turned inside out
  EXPECT_TRUE(OffsetConLatiInvertiti(xq, yq, xo, yo, 4));
  // A vertex between collinear sides moves square onto their offset line.
  V xc{7, 7, 7, 7, 7}, yc{7, 7, 7, 7, 7};
  OffsetPoligonale({0, 5, 10, 10, 0}, {0, 0, 0, 10, 10}, xc, yc, 5, 1);
  EXPECT_NEAR(xc(2), 5, 1E-12);
  EXPECT_NEAR(yc(2), 1, 1E-12);
  EXPECT_NEAR(xc(3), 9, 1E-12);
}

TEST_F(Polilinee, OffsetThroughAPoint) {
  ImpostaZeroMaxDimen(1E-5);
  V xo(1, 4), yo(1, 4);
  // The side entering the nearest vertex collapses the square; the next fits.
  EXPECT_TRUE(OffsetPoligono(xq, yq, xo, yo, 4, 5, 2));
  ExpectPunti(xo, yo, {{2, 2}, {8, 2}, {8, 8}, {2, 8}}, 1E-9);
  EXPECT_TRUE(OffsetPoligono(xq, yq, xo, yo, 4, 12, 5));
  EXPECT_NEAR(xo(1), -2, 1E-9);
  EXPECT_FALSE(OffsetPoligono(xq, yq, xo, yo, 4, 0, 5));  // on the polygon
  EXPECT_TRUE(box.Mostrati().empty());
  Stato = StatoGrafica{};
  OffsetPoligono(xq, yq, xo, yo, 4, 5, 2);
  EXPECT_EQ(box.Testi().front(), "Impostare ZeroMaxDimen");
}

TEST_F(Polilinee, InsertingAndRemovingPoints) {
  V x{1, 2, 3}, y{10, 20, 30};
  int n = 3;
  CostruiscePoligonale(x, y, n, {7, 8}, {70, 80}, 2, 1);
  CostruiscePoligonale(x, y, n, {9}, {90}, 1, n + 1);
  EXPECT_EQ(n, 6);
  EXPECT_EQ(y, (V{70, 80, 10, 20, 30, 90}));
  EliminaPunto(x, y, n, 1);
  EXPECT_EQ(x, (V{8, 1, 2, 3, 9}));
  // New points after the old points 1 and 3.
  V xp{1, 2, 3}, yp{1, 2, 3};
  int np = 3;
  InseriscePuntiPoligonale(xp, yp, np, {1.5, 3.5}, {-1, -3}, 2, Vettore<int>{1, 3});
  EXPECT_EQ(xp, (V{1, 1.5, 2, 3, 3.5}));
  EXPECT_EQ(yp, (V{1, -1, 2, 3, -3}));

  V xo, yo{9};
  int m = -1;
  TogliePuntiInizialiDaPoligonale(x, y, 5, xo, yo, m, 6);  // more than there are
  EXPECT_EQ(m, 0);
  V intatto{9};
  TogliePuntiInizialiDaPoligonale(x, y, 5, intatto, yo, m, -2);
  EXPECT_EQ(intatto, V{9});
  EXPECT_EQ(box.Testi(),
            std::vector<std::string>{"Errore in TogliePuntiInizialiDaPoligonale: nPunti=-2 <1"});
}

TEST_F(Polilinee, FilletOfARightAngleBothWays) {
  V x{10, 0, 0}, y{0, 0, 10};
  int n = 3;
  ASSERT_TRUE(RaccordaVertice(x, y, n, 2, 2, 2));
  EXPECT_EQ(n, 5);
  const double q = 2 - std::sqrt(2.0);
  ExpectPunti(x, y, {{10, 0}, {2, 0}, {q, q}, {0, 2}, {0, 10}}, 1E-6);
  V xr{0, 0, 10}, yr{10, 0, 0};
  ASSERT_TRUE(RaccordaVertice(xr, yr, n = 3, 2, 2, 2));
  ExpectPunti(xr, yr, {{0, 10}, {0, 2}, {q, q}, {2, 0}, {10, 0}}, 1E-6);
}

TEST_F(Polilinee, FilletsOnTheCornersOfARectangle) {
  V x{0, 40, 40, 0}, y{0, 0, 20, 20};
  int n = 4;
  RaccordaPoligonale(x, y, n, V{5, 3}, 2);
  const double s = std::sqrt(0.5);
  ExpectPunti(x, y,
              {{0, 0}, {35, 0}, {35 + 5 * s, 5 - 5 * s}, {40, 5},
               {40, 17}, {37 + 3 * s, 17 + 3 * s}, {37, 20}, {0, 20}},
              1E-5);
  EXPECT_EQ(x(3), static_cast<double>(static_cast<float>(x(3))));  // single precision
  // Closed outline: every corner but the one where it starts and ends.
  V xc{0, 40, 40, 0, 0}, yc{0, 0, 20, 20, 0};
  n = 5;
  RaccordaPoligonaleChiusa(xc, yc, n, V{4, 1, 2}, 1);
  ExpectPunti(xc, yc,
              {{0, 0}, {36, 0}, {40, 4}, {40, 19}, {39, 20}, {4, 20}, {0, 16}, {0, 0}}, 1E-5);
}

TEST_F(Polilinee, FilletsThatCannotBeMade) {
  V x{0, 10, 0}, y{0, 0, 0};
  int n = 3;
  EXPECT_FALSE(RaccordaVertice(x, y, n, 2, 1, 2));  // folds back onto itself
  EXPECT_EQ(box.Testi(), std::vector<std::string>{"Angolo nullo in Sub RaccordaVertice"});
  EXPECT_EQ(box.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_FALSE(RaccordaVertice(x, y, n, 1, 1, 2));
  EXPECT_FALSE(RaccordaVertice(x, y, n, 3, 1, 2));
  EXPECT_FALSE(RaccordaVertice(x, y, n, 2, 1, 0));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(x, (V{0, 10, 0}));
  // A straight vertex gives m + 1 copies of itself.
  V xs{0, 5, 10}, ys{0, 0, 0};
  ASSERT_TRUE(RaccordaVertice(xs, ys, n, 2, 1, 2));
  ExpectPunti(xs, ys, {{0, 0}, {5, 0}, {5, 0}, {5, 0}, {10, 0}}, 1E-6);
}

TEST_F(Polilinee, TangentsOfTwoCircles) {
  double theta = 9, x1, y1, x2, y2;
  ASSERT_TRUE(PuntiGancio(1, 1, 4, 2, theta, x1, y1, x2, y2));
  EXPECT_NEAR(theta, 0, 1E-15);
  EXPECT_EQ(std::vector<double>({y1, x2, y2}), std::vector<double>({-1, 4, -1}));
  ASSERT_TRUE(PuntiGancio(1, 1, 4, 4, theta, x1, y1, x2, y2));
  EXPECT_NEAR(theta, std::asin(0.5), 1E-12);
  // Each radius is square to the tangent segment.
  EXPECT_NEAR(x1 * (x2 - x1) + y1 * (y2 - y1), 0, 1E-12);
  EXPECT_NEAR((x2 - 4) * (x2 - x1) + y2 * (y2 - y1), 0, 1E-12);
  // Overlapping circles have no crossing tangent: outputs untouched.
  theta = 9;
  EXPECT_FALSE(PuntiGancio(1, 1, 1.5, 3, theta, x1, y1, x2, y2));
  EXPECT_FALSE(PuntiGancio(1, 1, 0, 1, theta, x1, y1, x2, y2));
  EXPECT_EQ(theta, 9);
  ASSERT_TRUE(PiegaBarra(10, 10, 1, 10, 14, 1, 1, x1, y1, x2, y2));
  EXPECT_NEAR(std::hypot(x1 - 9, y1 - 10) + std::hypot(x2 - 9, y2 - 14), 0, 1E-12);
}

TEST_F(Polilinee, ExtremesKeepTheFirstIndex) {
  int i = 0;
  EXPECT_EQ(MassimoEIndice(3, V{3, 7, 7}, &i), 7);
  EXPECT_EQ(i, 2);
  EXPECT_EQ(MinimoEIndice(3, Vettore<float>{4, 2, 2}, &i), 2);
  EXPECT_EQ(i, 2);
  double mn, mx;
  int iMin = 0, iMax = 0;
  MaxMinAssoluti(3, V{-5, 1, 5}, mn, mx, iMin, iMax);
  EXPECT_EQ(std::vector<int>({iMin, iMax}), std::vector<int>({2, 1}));
  EXPECT_DOUBLE_EQ(DimensioneRelativa({0, 4, 1}, {0, -6, 2}, 3, 1000), 0.008);
}
