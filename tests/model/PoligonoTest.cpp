#include "model/Poligono.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <utility>

#include "drawing/Grafica_Geometria.h"

#include "platform/MsgBoxScriptato.h"

namespace {

Poligono Quadrato(double lato) {
  Poligono p;
  p.Coordinate(Vettore<double>{0, lato, lato, 0}, Vettore<double>{0, 0, lato, lato}, 4);
  return p;
}

}  // namespace

TEST(PoligonoVertici, CountAndCoordinate) {
  Poligono p = Quadrato(3);
  p.SetnVertici(0);  // only the count
  EXPECT_EQ(p.CoordX(), (Vettore<double>{0, 3, 3, 0}));
  p.SetnVertici(2);
  EXPECT_EQ(p.CoordY(), (Vettore<double>{0, 0}));

  Vettore<float> x(0, 3), y(0, 3);
  x(0) = 99;  // element 0 is not a vertex
  x(1) = 0.1f;
  y(2) = 1;
  p.Coordinate(x, y, 2);
  EXPECT_EQ(p.CoordX(), (Vettore<double>{static_cast<double>(0.1f), 0}));
  EXPECT_EQ(p.yI(2), 1);
  // A short source fails to the caller and leaves the polygon as it was.
  EXPECT_THROW(p.Coordinate(x, y, 4), std::out_of_range);
  EXPECT_EQ(p.nVertici(), 2);
  p.Coordinate(x, y, 0);
  EXPECT_EQ(p.nVertici(), 0);
  EXPECT_TRUE(p.CoordX().Vuoto());
}

TEST(PoligonoVertici, CoordXLetTakesTheUpperBoundAsCount) {
  platform::MsgBoxScriptato box;
  Poligono p = Quadrato(1);
  p.SetCoordX(Vettore<double>{});
  EXPECT_EQ(p.nVertici(), 0);
  p.SetCoordX(Vettore<double>(2, 5));  // no element 1
  EXPECT_EQ(p.nVertici(), 0);
  EXPECT_EQ(p.CoordX(), (Vettore<double>{0, 1, 1, 0}));

  Vettore<double> daZero(0, 3);
  daZero(0) = 42;
  daZero(3) = 3;
  p.SetCoordY(daZero);
  EXPECT_EQ(p.nVertici(), 3);
  EXPECT_EQ(p.CoordY(), (Vettore<double>{0, 0, 3}));
  p.SetCoordX(p.CoordX());
  EXPECT_EQ(p.nVertici(), 4);
  EXPECT_EQ(p.CoordX(), (Vettore<double>{0, 1, 1, 0}));
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST(PoligonoVertici, PerimeterClosesTheOutline) {
  EXPECT_DOUBLE_EQ(Quadrato(2.5).Perimetro(), 10);
  Poligono segmento;
  segmento.Coordinate(Vettore<double>{0, 3}, Vettore<double>{0, 4}, 2);
  EXPECT_DOUBLE_EQ(segmento.Perimetro(), 10);
  EXPECT_EQ(Poligono{}.Perimetro(), 0);
}

TEST(PoligonoVertici, CopiaKeepsPropertiesButNotTheStrips) {
  Poligono p = Quadrato(2);
  p.CaratteristicheStatiche();
  p.AreaCalcola();
  p.Wply = 8;
  p.nRettangolini_ = 12;
  p.SetCoordY(Vettore<double>{0, 0, 2});  // 3 vertices, x array of 4
  const Poligono c = p.Copia();
  EXPECT_EQ(c.CoordX(), (Vettore<double>{0, 2, 2}));
  EXPECT_EQ(c.jota_IG, p.jota_IG);
  EXPECT_EQ(c.Wply, 8);
  EXPECT_TRUE(c.NumerazioneVerticiAntioraria);
  EXPECT_EQ(c.nRettangolini_, 0);
  EXPECT_EQ(Poligono{}.Copia().nVertici(), 0);
  // Written over another polygon: the same, the count of strips gone too.
  Poligono d = Quadrato(5);
  d.nRettangolini_ = 3;
  p.CopiaIn(d);
  EXPECT_EQ(d.CoordX(), c.CoordX());
  EXPECT_EQ(d.CoordY(), c.CoordY());
  EXPECT_EQ(d.jota_IG, p.jota_IG);
  EXPECT_EQ(d.nRettangolini_, 0);
  // Vertices the arrays do not hold: refused, d as it was.
  p.SetCoordX(Vettore<double>{0, 1, 2, 3, 4});  // 5 vertices, y array of 3
  EXPECT_THROW(p.CopiaIn(d), std::out_of_range);
  EXPECT_EQ(d.nVertici(), 3);
  EXPECT_EQ(d.CoordX(), c.CoordX());
}

TEST(PoligonoEstremi, MaxMin) {
  Poligono p;
  p.Coordinate(Vettore<double>{-1, 4, 2}, Vettore<double>{3, -2, 9}, 3);
  double xMin, xMax, yMin, yMax, tolleranza = 0;
  p.MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  EXPECT_EQ(xMin, -1);
  EXPECT_EQ(xMax, 4);
  EXPECT_EQ(yMin, -2);
  EXPECT_EQ(yMax, 9);
  EXPECT_DOUBLE_EQ(tolleranza, 11 / 1E9);
  // Without vertices the 32-bit starting values stay.
  Poligono{}.MaxMin(xMin, xMax, yMin, yMax);
  EXPECT_EQ(xMin, static_cast<double>(1E20f));
  EXPECT_EQ(yMax, -static_cast<double>(1E20f));
}

namespace {

Poligono DaCoordinate(const Vettore<double>& x, const Vettore<double>& y) {
  Poligono p;
  p.Coordinate(x, y, x.Ub());
  return p;
}

}  // namespace

TEST(PoligonoControllo, SidesThatCrossAndSidesThatTouch) {
  EXPECT_FALSE(Quadrato(100).LatiIncrociati());
  // The bow tie: sides 1 and 3 cross at its centre.
  EXPECT_TRUE(DaCoordinate({-150, 150, 150, -150}, {250, -250, 250, -250}).LatiIncrociati());
  // A concave L is not crossed.
  EXPECT_FALSE(DaCoordinate({0, 200, 200, 50, 50, 0}, {0, 0, 50, 50, 300, 300}).LatiIncrociati());
  // A ring cut open along a bridge traversed twice touches itself but does
  // not cross: it is a section with a hole.
  EXPECT_FALSE(DaCoordinate({0, 100, 100, 0, 0, 25, 25, 75, 75, 25, 25, 0},
                            {0, 0, 100, 100, 50, 50, 75, 75, 25, 25, 50, 50})
                   .LatiIncrociati());
  // A side crossing the last one (which closes on vertex 1).
  EXPECT_TRUE(DaCoordinate({0, 100, 100, 0, 50}, {0, 0, 100, 100, -50}).LatiIncrociati());
  // A spike whose tip is a side of no length, a V notch whose tip touches
  // the bottom side.
  EXPECT_TRUE(DaCoordinate({0, 3, 3, 2, 2, 2, 2, 0}, {0, 0, 5, 5, 9, 9, 5, 5}).LatiIncrociati());
  EXPECT_TRUE(DaCoordinate({0, 4, 4, 3, 2, 1, 0}, {0, 0, 2, 2, 0, 2, 2}).LatiIncrociati());
  // Two squares that touch at a corner, typed twice at one of its passes.
  EXPECT_TRUE(DaCoordinate({0, 10, 10, 10, 20, 20, 10, 10, 0}, {0, 0, 10, 10, 10, 20, 20, 10, 10})
                  .LatiIncrociati());
  // A cut whose second run stops short: the sides overlap along a line.
  EXPECT_TRUE(DaCoordinate({0, 100, 100, 0, 0, 25, 25, 75, 75, 25, 20, 0},
                           {0, 0, 100, 100, 50, 50, 25, 25, 75, 75, 50, 50})
                  .LatiIncrociati());
}

// Rings joined by cuts: the concrete flips at each ring (outline, hole, core
// in the hole), and a fault names its cut by the vertex it leaves from.
TEST(PoligonoControllo, RingsJoinedByCuts) {
  using D = Poligono::DifettoLati;
  // A 600 x 800 box, a hole 150..450 x 150..650 cut from (300, 800), in it a
  // core 250..350 x 300..500 cut from (300, 150).
  const Vettore<double> x = {300, 0, 0, 600, 600, 300, 300, 450, 450, 300,
                             300, 350, 350, 250, 250, 300, 300, 150, 150, 300};
  const Vettore<double> y = {800, 800, 0, 0, 800, 800, 650, 650, 150, 150,
                             300, 300, 500, 500, 300, 300, 150, 150, 650, 650};
  Vettore<double> xo(1, 20), yo(1, 20);  // the same run clockwise
  for (int i = 1; i <= 20; ++i) {
    xo(i) = x(21 - i);
    yo(i) = y(21 - i);
  }
  const struct {
    Vettore<double> x, y;
    D::Tipo tipo;
    int taglio;
  } casi[] = {
      {x, y, D::Nessuno, 0},
      {xo, yo, D::Nessuno, 0},
      // The core cut diagonally from the hole's corner (150, 150).
      {{300, 0, 0, 600, 600, 300, 300, 450, 450, 150, 250, 350, 350, 250, 250, 150, 150, 300},
       {800, 800, 0, 0, 800, 800, 650, 650, 150, 150, 300, 300, 500, 500, 300, 150, 650, 650},
       D::Nessuno, 0},
      // Both cuts meet at the hole's corner (150, 650).
      {{150, 0, 0, 600, 600, 150, 150, 450, 450, 150, 150, 250, 250, 350, 350, 250, 150},
       {800, 800, 0, 0, 800, 800, 650, 650, 150, 150, 650, 500, 300, 300, 500, 500, 650},
       D::Nessuno, 0},
      // The core run the way of its hole.
      {{300, 0, 0, 600, 600, 300, 300, 450, 450, 300, 300, 250, 250, 350, 350, 300, 300, 150,
        150, 300},
       {800, 800, 0, 0, 800, 800, 650, 650, 150, 150, 300, 300, 500, 500, 300, 300, 150, 150,
        650, 650},
       D::VersoAnello, 10},
      // No hole: a ring run the same way as the outline, rings outside it.
      {{0, 100, 100, 0, 0, 25, 25, 75, 75, 25, 25, 0},
       {0, 0, 100, 100, 50, 50, 25, 25, 75, 75, 50, 50},
       D::VersoAnello, 5},
      {{-150, 150, 150, 400, 400, 500, 500, 400, 150, -150},
       {-250, -250, 250, 150, 250, 250, 150, 150, 250, 250},
       D::TaglioFuori, 3},
      {{-150, 150, 150, 400, 500, 500, 400, 400, 150, -150},
       {-250, -250, 250, 150, 150, 250, 250, 150, 250, 250},
       D::TaglioFuori, 3},
      // A 300 x 500 hole cut diagonally from the corner (600, 0).
      {{600, 600, 0, 0, 600, 450, 150, 150, 450, 450},
       {0, 800, 800, 0, 0, 150, 150, 650, 650, 150},
       D::Nessuno, 0},
      // The vertex where a cut meets its hole typed twice: one run.
      {{50, 100, 100, 0, 0, 50, 50, 50, 20, 20, 80, 80, 50},
       {0, 0, 100, 100, 0, 0, 20, 20, 20, 80, 80, 20, 20},
       D::Nessuno, 0},
  };
  // Each the same wherever it lies within 100 m.
  for (const auto& c : casi)
    for (const auto& [dx, dy] : {std::pair{0.0, 0.0}, {50000.123, 50000.123},
                                 {50000.123, -50000.123}, {-99000.7, 20000.91}}) {
      Vettore<double> x = c.x, y = c.y;
      for (int i = 1; i <= x.Ub(); ++i) x(i) += dx, y(i) += dy;
      const D d = DaCoordinate(x, y).DifettoDeiLati();
      EXPECT_EQ(d.tipo, c.tipo) << c.x(2) << " " << c.x(7) << " moved by " << dx << ", " << dy;
      EXPECT_TRUE(c.tipo == D::Nessuno || d.taglio == c.taglio) << d.taglio;
    }
}

// Every pair of sides tried in turn, as the search did before it looked only
// at sides whose boxes meet.
bool OgniCoppiaDiLati(const Poligono& p) {
  double xMin, xMax, yMin, yMax, tolleranza;
  p.MaxMin(xMin, xMax, yMin, yMax, &tolleranza);
  const int n = p.nVertici();
  for (int i = 1; i < n; ++i)
    for (int k = i + 1; k <= n; ++k)
      if (p.LatiSiToccano(i, k, tolleranza)) return true;
  return false;
}

TEST(PoligonoControllo, SearchesAnswerAsEveryPair) {
  std::mt19937 caso(7);
  // Up to 150 vertices: circles and diagonals that run in a few stretches,
  // rough outlines for grids of up to 13 x 13 cells, long slanted sides that
  // leave the search to the sweep, and springs whose long sides all overlap
  // along their one stretch, rings cut open along x = 0.
  std::uniform_int_distribution<int> vertici(4, 150);
  std::uniform_real_distribution<double> u(0, 1);
  int incrociati = 0, prove = 0;
  for (int t = 0; t < 7200; ++t) {
    const int famiglia = t % 6, n = vertici(caso) & (famiglia == 5 ? ~1 : ~0);
    Vettore<double> x(1, n), y(1, n);
    for (int i = 1; i <= n; ++i) {
      if (famiglia == 5) {  // outside clockwise from the top and back, inside the other way
        const int m = n / 2 - 1, fuori = i <= m + 1;
        const double a = Matematica::DuePi * (fuori ? i - 1 : 2 * m + 2 - i) / m;
        x(i) = (fuori ? 100 : 50) * std::sin(a);
        y(i) = (fuori ? 100 : 50) * std::cos(a);
      } else if (famiglia == 0) {  // a 6 x 6 grid: shared vertices, collinear overlaps, touching
        x(i) = std::floor(u(caso) * 6);
        y(i) = std::floor(u(caso) * 6);
      } else if (famiglia == 4) {  // a spring drifting right, closed by a side on its left
        x(i) = i < n ? ((i + 1) % 2) * 1000 + i * 0.01 : -1;
        y(i) = i < n ? i * 10 : (n - 1) * 10;
      } else {  // star-shaped, rough (1), far from the origin (2), nearly parallel diagonals (3)
        const double a = Matematica::DuePi * i / n, r = 100 * (1 + (famiglia == 1 ? u(caso) : 0.1));
        x(i) = r * std::cos(a) + (famiglia == 2 ? 1E5 : 0);
        y(i) = r * std::sin(a) + (famiglia == 2 ? 3E5 : 0);
        if (famiglia == 3) {
          x(i) = 1000 * i + (i % 2) * 1E-9 * u(caso);
          y(i) = 1000 * i + ((i + 1) % 2) * 1E-9 * u(caso) + (i % 3 == 0 ? 1E-3 : 0);
        }
      }
    }
    if (u(caso) < 0.3) {  // a vertex repeated
      const int i = 1 + static_cast<int>(u(caso) * n), j = 1 + static_cast<int>(u(caso) * n);
      x(i) = x(j);
      y(i) = y(j);
    }
    const Poligono p = DaCoordinate(x, y);
    const bool atteso = OgniCoppiaDiLati(p);
    ASSERT_EQ(p.LatiIncrociati(), atteso) << "prova " << t;
    incrociati += atteso;
    ++prove;
  }
  // Both answers are well represented.
  EXPECT_GT(incrociati, prove / 10);
  EXPECT_LT(incrociati, prove * 9 / 10);
}

TEST(PoligonoControllo, LongOutlineAndTheKeptAnswer) {
  // 2,000 vertices on a circle of radius 100: no side crosses another.
  const int n = 2000;
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    x(i) = 100 * std::cos(Matematica::DuePi * (i - 1) / n);
    y(i) = 100 * std::sin(Matematica::DuePi * (i - 1) / n);
  }
  Poligono p = DaCoordinate(x, y);
  EXPECT_FALSE(p.LatiIncrociati());
  // Vertex 1001 sits at (-100, 0); moved to (150, 0) its two sides run right
  // across the circle and cross the sides about vertex 1 at x = 100.
  p.SetX(1001, 150);
  EXPECT_TRUE(p.LatiIncrociati());
  p.SetX(1001, -100);
  EXPECT_FALSE(p.LatiIncrociati());
  // A copy keeps the answer with the vertices, and changes with them.
  Poligono bowTie = DaCoordinate({-150, 150, 150, -150}, {250, -250, 250, -250});
  EXPECT_TRUE(bowTie.LatiIncrociati());
  Poligono copia = bowTie;
  copia.SetY(2, 250);
  copia.SetY(3, -250);
  EXPECT_FALSE(copia.LatiIncrociati());
  EXPECT_TRUE(bowTie.LatiIncrociati());
}

TEST(PoligonoControllo, CoordinatesWithinLimit) {
  EXPECT_TRUE(Quadrato(1).CoordinateEntro(1));
  EXPECT_FALSE(Quadrato(1).CoordinateEntro(0.5));
  EXPECT_FALSE(DaCoordinate({0, 1, -2}, {0, 0, 1}).CoordinateEntro(1.5));
  EXPECT_FALSE(DaCoordinate({0, 1, INFINITY}, {0, 0, 1}).CoordinateEntro(1e300));
  EXPECT_FALSE(DaCoordinate({0, 1, 1}, {0, NAN, 1}).CoordinateEntro(1e300));
}
