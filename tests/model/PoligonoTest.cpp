#include "model/Poligono.h"

#include <gtest/gtest.h>

#include <cmath>

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
                            {0, 0, 100, 100, 50, 50, 25, 25, 75, 75, 50, 50})
                   .LatiIncrociati());
  // A side crossing the last one (which closes on vertex 1).
  EXPECT_TRUE(DaCoordinate({0, 100, 100, 0, 50}, {0, 0, 100, 100, -50}).LatiIncrociati());
}

TEST(PoligonoControllo, CoordinatesWithinLimit) {
  EXPECT_TRUE(Quadrato(1).CoordinateEntro(1));
  EXPECT_FALSE(Quadrato(1).CoordinateEntro(0.5));
  EXPECT_FALSE(DaCoordinate({0, 1, -2}, {0, 0, 1}).CoordinateEntro(1.5));
  EXPECT_FALSE(DaCoordinate({0, 1, INFINITY}, {0, 0, 1}).CoordinateEntro(1e300));
  EXPECT_FALSE(DaCoordinate({0, 1, 1}, {0, NAN, 1}).CoordinateEntro(1e300));
}
