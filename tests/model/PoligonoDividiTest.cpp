#include <gtest/gtest.h>

#include <optional>

#include "FigurePoligono.h"
#include "model/Poligono.h"
#include "platform/MsgBoxScriptato.h"

namespace {

double AreaDi(std::optional<Poligono>& p) {
  p->AreaCalcola();
  return p->Area;
}

}  // namespace

TEST(PoligonoDividi, ByALineAndByAreaRatio) {
  platform::MsgBoxScriptato box;
  Poligono r = figure::Rettangolo(20, 40);
  std::optional<Poligono> sopra, sotto;
  r.DividiY(50, sopra, sotto);
  EXPECT_FALSE(sopra);
  EXPECT_EQ(sotto->CoordY(), r.CoordY());
  r.DividiY(-1, sopra, sotto);
  EXPECT_TRUE(sopra && !sotto);
  r.DividiY(5, sopra, sotto, true);  // right and left of x = 5
  EXPECT_EQ(AreaDi(sopra), 600);
  EXPECT_EQ(AreaDi(sotto), 200);
  r.DividiY(40, sopra, sotto);  // along the top side
  EXPECT_EQ(AreaDi(sopra), 0);
  EXPECT_EQ(AreaDi(sotto), 800);
  figure::AnelloConTaglio().DividiY(50, sopra, sotto, true);  // along the slit
  EXPECT_EQ(AreaDi(sopra), 3200);
  EXPECT_EQ(AreaDi(sotto), 3200);

  double c = 0;
  r.Dividi(0.5, sopra, sotto, c);
  EXPECT_NEAR(c, 20, 0.08 / 20);  // area tolerance 800 / 10000
  EXPECT_NEAR(AreaDi(sopra), 400, 0.08);
  EXPECT_NEAR(AreaDi(sotto), 400, 0.08);
  // A quarter of the T right of the line, and above it: 9.5 into the flange.
  Poligono t = figure::SezioneT();
  t.Dividi(0.25, sopra, sotto, c, true);
  EXPECT_NEAR(AreaDi(sopra), 950, 0.38);
  EXPECT_NEAR(AreaDi(sotto), 2850, 0.38);
  t.Dividi(0.25, sopra, sotto, c);
  EXPECT_NEAR(c, 70.5, 0.38 / 100);
  double y = 100;
  EXPECT_EQ(t.yEquazione(y, std::nullopt), -950);
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST(PoligonoPlastico, AgainstClosedForms) {
  platform::MsgBoxScriptato box;
  Poligono r = figure::Rettangolo(20, 40);
  r.AreaCalcola();
  r.Wplastici();
  EXPECT_NEAR(r.Wplx, 20 * 40 * 40 / 4.0, 1);
  EXPECT_NEAR(r.Wply, 40 * 20 * 20 / 4.0, 1);
  double linea = 0;
  r.Wplastico(false, false, 0, 0, &linea);
  EXPECT_NEAR(linea, 20, 1e-3);

  // T: the equal-area line lies 1 into the flange, and the integral of
  // |y - 61| dA is 55800 + 50 + 18050; about x = 0 flange and web add up.
  Poligono t = figure::SezioneT();
  t.AreaCalcola();
  t.Wplastici();
  EXPECT_NEAR(t.Wplx, 73900, 7);
  EXPECT_NEAR(t.Wply, 20 * 100 * 100 / 4.0 + 60 * 30 * 30 / 4.0, 6);

  // A circle of 720 sides against D^3 / 6; the closed forms of circle and ring.
  Poligono cerchio = figure::Cerchio(100, 720);
  cerchio.AreaCalcola();
  cerchio.Wplastici();
  const double w = 200.0 * 200 * 200 / 6;
  EXPECT_NEAR(cerchio.Wplx, w, w * 1e-4);
  EXPECT_NEAR(cerchio.Wply, w, w * 1e-4);
  EXPECT_DOUBLE_EQ(Poligono::WplasticoCerchio(10, 0), 4000.0 / 3);
  EXPECT_DOUBLE_EQ(r.Wplastico(false, true, 100, 50), w - 100.0 * 100 * 100 / 6);

  Poligono piatto = figure::Da({0, 10, 20}, {0, 0, 0});
  piatto.Wplx = 5;
  piatto.AreaCalcola();
  piatto.Wplastici();
  EXPECT_EQ(piatto.Wplx, 0);
  EXPECT_TRUE(box.Mostrati().empty());
}
