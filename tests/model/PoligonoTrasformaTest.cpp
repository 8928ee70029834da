#include <gtest/gtest.h>

#include "FigurePoligono.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Poligono.h"

TEST(PoligonoTrasforma, MovingKeepsTheAreaAndCarriesTheCentroid) {
  for (Poligono p : {figure::SezioneT(), figure::AnelloConTaglio()}) {
    p.CaratteristicheStatiche();
    const Poligono prima = p;
    Vettore<double> T, U;
    Grafica::MatriceRotoTraslazione(30, -20, 0.7, T, U);
    p.RotoTraslaVertici(T);
    double xG, yG;
    Grafica::RotoTraslaPunto(prima.xG, prima.yG, T, xG, yG);
    EXPECT_NEAR(p.Area, prima.Area, 1e-9 * p.Area);
    EXPECT_NEAR(p.xG, xG, 1e-9);
    EXPECT_NEAR(p.yG, yG, 1e-9);
    EXPECT_NEAR(p.jota_IIG, prima.jota_IIG, 1e-9 * p.jota_IG);
    // T turns the outline clockwise: turned back about its centroid, then
    // moved back.
    p.RuotaVertici(p.xG, p.yG, 0.7);
    EXPECT_NEAR(p.xG, xG, 1e-9);
    EXPECT_NEAR(p.jota_xG, prima.jota_xG, 1e-9 * p.jota_IG);
    p.Trasla(xG - prima.xG, yG - prima.yG);
    for (int i = 1; i <= p.nVertici(); ++i) EXPECT_NEAR(p.Y(i), prima.Y(i), 1e-9);
  }

  // Mirrored about the x axis, then x becomes -(2 + x).
  Poligono t = figure::SezioneT();
  t.SpecchiaXY(0, true);
  t.SpecchiaXY(2, false);
  t.CaratteristicheStatiche();
  EXPECT_DOUBLE_EQ(t.Area, 3800);
  EXPECT_DOUBLE_EQ(t.xG, -2);
  EXPECT_DOUBLE_EQ(t.yG, -(60 * 30 * 30 + 2000 * 70) / 3800.0);

  Poligono q = figure::Rettangolo(10, 10);
  q.InseriscePunti({5, 5}, {0, 10}, 2, {1, 3});
  EXPECT_EQ(q.CoordX(), (Vettore<double>{0, 5, 10, 10, 5, 0}));
  EXPECT_EQ(q.CoordY(), (Vettore<double>{0, 0, 0, 10, 10, 10}));
}

TEST(PoligonoPunti, PointInPolygon) {
  const Poligono q = figure::Rettangolo(10, 10);
  EXPECT_EQ(q.PuntoInPoligono(5, 5, 1, 1E-9), 1);
  EXPECT_EQ(q.PuntoInPoligono(15, 5, 1, 1E-9), -1);
  EXPECT_EQ(q.PuntoInPoligono(5, 5, 0, 1E-9), -1);
  EXPECT_EQ(q.PuntoInPoligono(-10, -10, -2, 1E-9), 1);  // (5, 5) with weight -2
  const Poligono c = figure::SezioneC();
  EXPECT_EQ(c.PuntoInPoligono(40, 40, 1, 0), -1);  // in the opening
  EXPECT_EQ(c.PuntoInPoligono(40, 70, 1, 0), 1);
  const Poligono anello = figure::AnelloConTaglio();
  EXPECT_EQ(anello.PuntoInPoligono(50, 50, 1, 0), -1);
  EXPECT_EQ(anello.PuntoInPoligono(50, 10, 1, 0), 1);  // beside the slit
  const Vettore<float> x{0, 20, 100.00009f, 50, 100.0002f}, y{50, 50, 50, 50, 50};
  EXPECT_EQ(anello.PrimoPuntoFuori(x, y, 3), 0);
  EXPECT_EQ(anello.PrimoPuntoFuori(x, y, 5), 4);
  EXPECT_EQ(anello.PrimoPuntoFuori(Vettore<float>{x(5)}, Vettore<float>{50}, 1), 1);
  // 50 m off, each vertex stored in single precision is on the outline; a
  // point 0.01 beyond the corner (100, 100) is not.
  Vettore<double> xa = anello.CoordX(), ya = anello.CoordY();
  Vettore<float> xv(1, 13), yv(1, 13);
  for (int i = 1; i <= 12; ++i)
    xv(i) = static_cast<float>(xa(i) += 50000.123), yv(i) = static_cast<float>(ya(i) -= 50000.123);
  xv(13) = 50100.133f, yv(13) = -49900.113f;
  Poligono lontano;
  lontano.Coordinate(xa, ya, 12);
  EXPECT_EQ(lontano.PrimoPuntoFuori(xv, yv, 13), 13);

  // Level with the flange underside of T sections of many depths: the web's
  // top is inside, the underside itself is a bottom side (outside).
  for (int k = 1; k <= 300; ++k) {
    const double h = 0.37 * k;
    const Poligono t = figure::SezioneT(h, 20);
    EXPECT_EQ(t.PuntoInPoligono(7.3, h, 1, 0), 1) << h;
    EXPECT_EQ(t.PuntoInPoligono(30, h, 1, 0), -1) << h;
    EXPECT_EQ(t.PuntoInPoligono(30, h * (1 + 1e-9), 1, 0), 1) << h;
  }
}

TEST(PoligonoPunti, BoxAndSegments) {
  const Poligono r = figure::Rettangolo(20, 40);
  EXPECT_EQ(r.MaxDimensione(), 40);
  EXPECT_EQ(r.BoundingBox(), (Vettore<double>{0, 0, 20, 40}));
  EXPECT_FALSE(r.PuntoInBoundingBox(20, 20, 0));  // on the edge
  EXPECT_TRUE(r.PuntoInBoundingBox(20, 20, -0.1));
  EXPECT_FALSE(r.PuntoInBoundingBox(10, 35, 5));

  Vettore<double> xi, yi;
  Vettore<int> lati;
  int m = 9;
  EXPECT_TRUE(r.IntersezioneConSegmento({-5, 25}, {5, 5}, xi, yi, m, lati));
  EXPECT_EQ(xi, (Vettore<double>{20, 0}));
  EXPECT_EQ(lati, (Vettore<int>{2, 4}));
  // End points of either segment do not count: ending on a side, through a corner.
  EXPECT_FALSE(r.IntersezioneConSegmento({20, 30}, {5, 5}, xi, yi, m, lati));
  EXPECT_EQ(m, 0);
  EXPECT_FALSE(r.IntersezioneConSegmento({-5, 5}, {-5, 5}, xi, yi, m, lati));
}
