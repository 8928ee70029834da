#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "FigurePoligono.h"
#include "model/Poligono.h"
#include "platform/MsgBoxScriptato.h"

namespace {

std::vector<float> Larghezze(Poligono& p, int n) {
  double altezza, larghezza, yMax;
  EXPECT_TRUE(p.DiscretizzaPoligono(n, altezza, larghezza, yMax));
  std::vector<float> l;
  for (int i = 1; i <= p.nRettangolini_; ++i) {
    float somma = 0;
    for (int k = 1; k <= p.Strisce().nRettangoli(i); ++k) somma += p.Strisce().Larghezza(i, k);
    l.push_back(somma);
  }
  return l;
}

// Width of a convex outline along y = yp, from its leftmost to its rightmost
// point there.
double LarghezzaConvesso(const Poligono& p, double yp) {
  double sinistra = 1e300, destra = -1e300;
  for (int i = 1, n = p.nVertici(); i <= n; ++i) {
    const int j = i % n + 1;
    if (yp < std::min(p.Y(i), p.Y(j)) || yp > std::max(p.Y(i), p.Y(j))) continue;
    const double x = p.Y(i) == p.Y(j) ? p.X(i)
                                       : p.X(i) + (p.X(j) - p.X(i)) * (yp - p.Y(i)) /
                                                      (p.Y(j) - p.Y(i));
    sinistra = std::min(sinistra, x);
    destra = std::max(destra, x);
  }
  return destra - sinistra;
}

}  // namespace

TEST(PoligonoStrisce, RectangleTablesAndPartsOfAStrip) {
  Poligono p = figure::Rettangolo(20, 40);
  double altezza = 0, larghezza = 0, yMax = 0;
  EXPECT_TRUE(p.DiscretizzaPoligono(4, altezza, larghezza, yMax, true));
  EXPECT_EQ(altezza, 40);
  EXPECT_EQ(larghezza, 20);
  EXPECT_EQ(yMax, 40);
  EXPECT_EQ(p.nRettangolini_, 0);  // sizes only
  EXPECT_EQ(Larghezze(p, 4), (std::vector<float>{20, 20, 20, 20}));
  EXPECT_EQ(p.Strisce().Altezza, (Vettore<float>{10, 10, 10, 10}));
  EXPECT_EQ(p.Strisce().yCentro, (Vettore<float>{35, 25, 15, 5}));
  EXPECT_EQ(p.Strisce().xCentro(4, 1), 10);

  double t = 0, m = 0;
  EXPECT_EQ(p.RettangolinoArea(t, 7, 0, m, 1), 140);
  EXPECT_EQ(t, 7);
  EXPECT_EQ(m, 3.5);
  // The lever arm stays the strip's mid-line when the strip is cut, and the
  // strips below the cut are not visited.
  p.DiscretizzaPoligono(4, altezza, larghezza, yMax);
  std::vector<std::array<double, 3>> parti;
  p.MomentiStrisce(17, 4, 40, [&](double mezzo, double Sx, double Sy) {
    parti.push_back({mezzo, Sx, Sy});
  });
  EXPECT_EQ(parti, (std::vector<std::array<double, 3>>{{5, 200 * (35 - 40), 200 * (10 - 4)},
                                                      {13.5, 140 * (25 - 40), 140 * (10 - 4)}}));

  // The tables are not copied.
  EXPECT_TRUE(p.Copia().Strisce().Altezza.Vuoto());
  EXPECT_EQ(p.Copia().nRettangolini_, 0);
}

TEST(PoligonoStrisce, WidthIsTheOutlinesAtTheMidLine) {
  // A U: four crossings through the arms, two rectangles; the mid-line along
  // the bottom of the opening (a vertex on the line counts as above it) takes
  // the base.
  Poligono u = figure::Da({0, 60, 60, 45, 45, 15, 15, 0}, {0, 0, 80, 80, 15, 15, 80, 80});
  EXPECT_EQ(Larghezze(u, 8), (std::vector<float>{30, 30, 30, 30, 30, 30, 60, 60}));
  EXPECT_EQ(u.Strisce().xCentro(3, 2), 52.5f);
  // A T whose flange underside lies on the mid-line of strip 3.
  Poligono t = figure::SezioneT(55, 25);
  EXPECT_EQ(Larghezze(t, 8), (std::vector<float>{100, 100, 30, 30, 30, 30, 30, 30}));
  // The turned square: the middle mid-line runs through two corners.
  Poligono q = figure::QuadratoRuotato(50);
  EXPECT_EQ(Larghezze(q, 5), (std::vector<float>{20, 60, 100, 60, 20}));

  for (Poligono p : {figure::Cerchio(100, 52), figure::QuadratoRuotato(50)})
    for (int n : {7, 52, 100}) {
      const std::vector<float> l = Larghezze(p, n);
      for (int i = 1; i <= n; ++i)
        EXPECT_NEAR(l[size_t(i - 1)], LarghezzaConvesso(p, p.Strisce().yCentro(i)), 1e-3) << i;
    }

  // Mid-lines that meet no side, or only a flat one, give no rectangle.
  Poligono piatto = figure::Da({0, 10, 20}, {5, 5, 5});
  EXPECT_EQ(Larghezze(piatto, 3), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(piatto.Strisce().nRettangoli, (Vettore<int>{0, 0, 0}));
}

TEST(PoligonoStrisce, StripsApproachAreaAndFirstMoments) {
  using namespace figure;
  for (Poligono p : {Rettangolo(20, 40), SezioneT(55, 25), QuadratoRuotato(50), Cerchio(100, 52),
                     SezioneC(), AnelloConTaglio()}) {
    p.CaratteristicheStatiche();
    const double momento = p.Area * p.MaxDimensione();
    for (int n : {10, 100, 1000}) {
      double altezza, larghezza, yMax, area = 0, Sx = 0, Sy = 0, t = 0;
      p.DiscretizzaPoligono(n, altezza, larghezza, yMax);
      for (int i = 1; i <= n; ++i) {
        double m;
        area += p.RettangolinoArea(t, 1e30, t, m, i);
      }
      p.MomentiStrisce(1e30, 0, 0, [&](double, double sx, double sy) {
        Sx += sx;
        Sy += sy;
      });
      // The mid-line rule errs by less than one strip's share.
      EXPECT_LE(std::fabs(area - p.Area), p.Area / n) << n;
      EXPECT_LE(std::fabs(Sx - p.stat_x), momento / n) << n;
      EXPECT_LE(std::fabs(Sy - p.stat_y), momento / n) << n;
    }
  }
}

TEST(PoligonoStrisce, MoreThan20RectanglesAreReportedNotWritten) {
  // A base 410 x 10 with 21 teeth 10 wide and 20 high.
  Vettore<double> x{0, 410}, y{0, 0};
  for (int k = 20; k >= 0; --k)
    for (auto [xv, yv] : {std::pair{20.0 * k + 10, 30}, {20.0 * k, 30}, {20.0 * k, 10},
                          {20.0 * k - 10, 10}}) {
      if (k == 0 && yv == 10) continue;
      x.Dati().push_back(xv);
      y.Dati().push_back(yv);
    }
  Poligono pettine;
  pettine.Coordinate(x, y, x.Ub());
  platform::MsgBoxScriptato box;
  double altezza, larghezza, yMax;
  EXPECT_FALSE(pettine.DiscretizzaPoligono(3, altezza, larghezza, yMax));
  EXPECT_EQ(box.Mostrati().size(), 1u);
  EXPECT_EQ(pettine.Strisce().nRettangoli, (Vettore<int>{20, 20, 1}));
  EXPECT_EQ(pettine.Strisce().Larghezza(1, 20), 10);
  EXPECT_EQ(pettine.Strisce().Larghezza(3, 1), 410);
  // The same outline cut again keeps its tables and tells the user again.
  EXPECT_FALSE(pettine.DiscretizzaPoligono(3, altezza, larghezza, yMax));
  EXPECT_EQ(box.Mostrati().size(), 2u);
  EXPECT_EQ(pettine.Strisce().nRettangoli, (Vettore<int>{20, 20, 1}));
}

TEST(PoligonoStrisce, TablesKeptOnlyForTheOutlineAndCountTheyWereCutFor) {
  // A 20 x 40 rectangle in 4 strips: each 10 high and 20 wide, 200 mm2.
  Poligono p = figure::Rettangolo(20, 40);
  EXPECT_EQ(Larghezze(p, 4), (std::vector<float>{20, 20, 20, 20}));
  EXPECT_EQ(p.Strisce().AreaIntera(4), 200);
  // Over a circle's strips the outline is cut again, not taken as it was.
  ASSERT_TRUE(p.DiscretizzaCerchio(4, 50));
  EXPECT_EQ(Larghezze(p, 4), (std::vector<float>{20, 20, 20, 20}));
  // Widened to 30 the strips widen; in 2 strips they are 20 high, 600 mm2.
  p.SetX(1, p.X(1) - 10);
  p.SetX(4, p.X(4) - 10);
  EXPECT_EQ(Larghezze(p, 4), (std::vector<float>{30, 30, 30, 30}));
  EXPECT_EQ(Larghezze(p, 2), (std::vector<float>{30, 30}));
  EXPECT_EQ(p.Strisce().AreaIntera(1), 600);
  // A copy of another outline written over these tables cuts them again.
  figure::Rettangolo(20, 40).CopiaIn(p);
  EXPECT_EQ(p.nRettangolini_, 0);
  EXPECT_EQ(Larghezze(p, 2), (std::vector<float>{20, 20}));
}

TEST(PoligonoStrisce, CircleOverEarlierTables) {
  Poligono p = figure::Rettangolo(1, 1);
  EXPECT_FALSE(p.DiscretizzaCerchio(10, 50));  // no tables yet
  Larghezze(p, 200);
  EXPECT_TRUE(p.DiscretizzaCerchio(200, 50));
  const StrisceRettangolini& s = p.Strisce();
  double area = 0, momento = 0, profondita = 0;
  for (int i = 1; i <= 200; ++i) {
    area += s.Larghezza(i, 1) * s.Altezza(i);
    momento += s.Larghezza(i, 1) * s.Altezza(i) * s.yCentro(i);
    profondita += s.Altezza(i);
  }
  EXPECT_NEAR(profondita, 100, 1e-3);
  EXPECT_NEAR(area, Matematica::Pi * 2500, 2.5);
  EXPECT_NEAR(momento, 0, 1);
}
