#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Geometria.h"
#include "platform/MsgBoxScriptato.h"

using namespace Grafica;

namespace {

class Tratteggio : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoGrafica{}; }
  platform::MsgBoxScriptato box;
  const Vettore<double> xq{0, 100, 100, 0};
  const Vettore<double> yq{0, 0, 100, 100};
};

}  // namespace

TEST_F(Tratteggio, SquareByCountAndBySpacing) {
  const auto per4 = SegmentiTratteggio(4, xq, yq, 0, 4);
  ASSERT_EQ(per4.size(), 3u);
  for (size_t k = 0; k < 3; ++k) {
    const double y = 25.0 * static_cast<double>(k + 1);
    EXPECT_NEAR(per4[k].y1, y, 1E-9);
    EXPECT_NEAR(per4[k].y2, y, 1E-9);
    EXPECT_NEAR(std::fabs(per4[k].x2 - per4[k].x1), 100, 1E-9);
  }
  EXPECT_DOUBLE_EQ(Stato.ZeroMaxDimen, 1E-4);
  // A spacing of 30 makes 100 / 30 = 3.33, rounded to 3 bands.
  const auto per30 = SegmentiTratteggio(4, xq, yq, 0, -30);
  ASSERT_EQ(per30.size(), 2u);
  EXPECT_NEAR(per30[0].y1, 30, 1E-9);
  EXPECT_NEAR(per30[1].y1, 60, 1E-9);
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST_F(Tratteggio, CountsBelowOneBandDrawNothing) {
  EXPECT_TRUE(SegmentiTratteggio(4, xq, yq, 0, 0).empty());
  EXPECT_TRUE(SegmentiTratteggio(4, xq, yq, 0, -1000).empty());
  EXPECT_TRUE(SegmentiTratteggio(2, xq, yq, 0, 4).empty());
  const Vettore<double> piatto{0, 100, 50}, zero{0, 0, 0};
  EXPECT_TRUE(SegmentiTratteggio(3, piatto, zero, 0, -10).empty());
}

TEST_F(Tratteggio, HatchLineThroughTwoVertices) {
  // At 45 degrees two bands: the one line is the diagonal, through vertices 1
  // and 3, and hatches the square once from corner to corner.
  const auto segmenti = SegmentiTratteggio(4, xq, yq, 45, 2);
  ASSERT_EQ(segmenti.size(), 1u);
  const Segmento& s = segmenti[0];
  EXPECT_NEAR(std::min(s.x1, s.x2), 0, 1E-3);
  EXPECT_NEAR(std::max(s.x1, s.x2), 100, 1E-3);
  EXPECT_NEAR(s.y1, s.x1, 1E-3);
  EXPECT_NEAR(s.y2, s.x2, 1E-3);
}

TEST_F(Tratteggio, HatchLineAlongASideOfAConcavePolygon) {
  // A U whose inner bottom side lies on the hatch line y = 10: only the two
  // arms are hatched.
  const Vettore<double> x{0, 30, 30, 20, 20, 10, 10, 0}, y{0, 0, 20, 20, 10, 10, 20, 20};
  const auto segmenti = SegmentiTratteggio(8, x, y, 0, 2);
  ASSERT_EQ(segmenti.size(), 2u);
  EXPECT_EQ(segmenti[0], (Segmento{0, 10, 10, 10}));
  EXPECT_EQ(segmenti[1], (Segmento{20, 10, 30, 10}));
}

TEST_F(Tratteggio, EverySegmentRunsInsideAConcavePolygonFromSideToSide) {
  const Vettore<double> x{0, 30, 30, 20, 20, 10, 10, 0}, y{0, 0, 20, 20, 10, 10, 20, 20};
  // Distance of a point from the nearest side of the U.
  auto dalBordo = [&](double xp, double yp) {
    double minima = 1E20;
    for (int i = 1; i <= 8; ++i) {
      const int j = i % 8 + 1;
      const double lx = x(j) - x(i), ly = y(j) - y(i);
      const double t = std::clamp(((xp - x(i)) * lx + (yp - y(i)) * ly) / (lx * lx + ly * ly), 0.0, 1.0);
      minima = std::min(minima, std::hypot(xp - x(i) - t * lx, yp - y(i) - t * ly));
    }
    return minima;
  };
  const auto segmenti = SegmentiTratteggio(8, x, y, 30, 17);
  ASSERT_GT(segmenti.size(), 17u);  // lines through both arms give two segments
  for (const Segmento& s : segmenti) {
    EXPECT_EQ(PosizionePuntoPoligono(x, y, (s.x1 + s.x2) / 2, (s.y1 + s.y2) / 2, 8), 1);
    EXPECT_LT(dalBordo(s.x1, s.y1), 1E-4);
    EXPECT_LT(dalBordo(s.x2, s.y2), 1E-4);
  }
}
