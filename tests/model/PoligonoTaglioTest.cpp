#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FigurePoligono.h"
#include "model/Poligono.h"
#include "platform/MsgBoxScriptato.h"

namespace {

// Every vertex of the part lies on the side of (xR, yR, wR), or on the line
// within the 32-bit rounding of the crossings of an outline of size d.
void DalLatoGiusto(const Poligono& parte, double a, double b, double c, double xR, double yR,
                   double wR, double d) {
  const double lato = a * xR + b * yR + c * wR > 0 ? 1 : -1;
  for (int i = 1; i <= parte.nVertici(); ++i)
    EXPECT_GE((a * parte.X(i) + b * parte.Y(i) + c) * lato, -std::hypot(a, b) * d * 1e-6) << i;
}

}  // namespace

TEST(PoligonoTaglio, StatusOfTheSquare) {
  const Poligono q = figure::Rettangolo(10, 10);
  int stato = 9;
  EXPECT_DOUBLE_EQ(q.PoligonoReagente(0, 10, 1, 0, 1, -4, stato).yG, 7);
  EXPECT_EQ(stato, 1);
  EXPECT_DOUBLE_EQ(q.PoligonoReagente(0, 0, 1, 0, 1, -4, stato).Area, 40);
  // Direction (wR = 0): to the right of x = 3.
  EXPECT_DOUBLE_EQ(q.PoligonoReagente(1, 0, 0, 1, 0, -3, stato).Area, 70);
  EXPECT_EQ(q.PoligonoReagente(0, 0, 1, 0, 1, -20, stato).CoordY(), q.CoordY());
  EXPECT_EQ(stato, 0);
  EXPECT_EQ(q.PoligonoReagente(0, 0, -1, 0, 1, -20, stato).nVertici(), 0);
  EXPECT_EQ(stato, -1);
  EXPECT_FALSE(q.PoligonoIntersezione(0, 1, -20, 0, 0, 1));
  // The crossings are held in 32 bits.
  const auto parte = figure::Rettangolo(1, 1).PoligonoIntersezione(0, 1, -0.1, 0, 1, 1);
  EXPECT_EQ(parte->CoordY(), (Vettore<double>{0.1f, 1, 1, 0.1f}));
}

TEST(PoligonoTaglio, KeptPartIsTheExactClippedArea) {
  using namespace figure;
  struct Caso {
    std::string nome;
    Poligono p;
    double a, b, c, xR, yR, area;
  };
  const std::vector<Caso> casi{
      {"T under the flange", SezioneT(), 0, 1, -60, 0, 100, 2000},
      {"T on its top side", SezioneT(), 0, 1, -80, 0, 100, 0},
      {"T along the web", SezioneT(), 1, 0, -15, 100, 0, 700},
      {"T through the re-entrant corner", SezioneT(), 1, -1, 45, 0, 100, 1950},
      {"L through two corners", SezioneL(), 1, 2, -60, 0, 0, 900},
      {"L along the leg", SezioneL(), 1, 0, -20, 0, 0, 1600},
      {"C across both flanges", SezioneC(), 1, 0, -30, 100, 0, 900},
      {"C along the web", SezioneC(), 1, 0, -15, 100, 0, 1350},
      {"C along the flange", SezioneC(), 0, 1, -65, 0, 100, 900},
      {"C at the flange tips", SezioneC(), 1, 0, -60, 100, 0, 0},
      {"ring across the hole", AnelloConTaglio(), 0, 1, -50, 0, 100, 3200},
      {"ring along the slit", AnelloConTaglio(), 1, 0, -50, 100, 0, 3200},
      {"ring on the hole's bottom", AnelloConTaglio(), 0, 1, -20, 0, 0, 2000},
      {"ring across the slit", AnelloConTaglio(), 0, 1, -10, 0, 100, 5400},
      {"turned square at a corner", QuadratoRuotato(5), 0, 1, -5, 0, 0, 50},
  };
  platform::MsgBoxScriptato box;
  for (const Caso& t : casi) {
    SCOPED_TRACE(t.nome);
    Poligono p = t.p;
    p.AreaCalcola();
    int stato = 9;
    const Poligono parte = p.PoligonoReagente(t.xR, t.yR, 1, t.a, t.b, t.c, stato);
    EXPECT_EQ(stato, 1);
    EXPECT_NEAR(parte.Area, t.area, 1e-9 * p.Area);
    DalLatoGiusto(parte, t.a, t.b, t.c, t.xR, t.yR, 1, p.MaxDimensione());
    // A negative weight (a tensile force) keeps the other side.
    const Poligono altra = p.PoligonoReagente(-t.xR, -t.yR, -1, t.a, t.b, t.c, stato);
    EXPECT_EQ(stato, 1);
    EXPECT_NEAR(altra.Area, p.Area - t.area, 1e-9 * p.Area);
    DalLatoGiusto(altra, t.a, t.b, t.c, -t.xR, -t.yR, -1, p.MaxDimensione());
  }
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST(PoligonoTaglio, BothSidesAddUpForLinesThroughVertices) {
  using namespace figure;
  for (Poligono p : {SezioneT(55.3, 24.7), SezioneC(), AnelloConTaglio(), Cerchio(100, 52)}) {
    p.CaratteristicheStatiche();
    const double d = p.MaxDimensione(), e = 1e-7 * p.Area;  // 32-bit crossings
    for (int i = 1; i <= p.nVertici(); ++i) {
      // Through vertex i and every vertex, and at a few angles.
      std::vector<std::pair<double, double>> direzioni{{1, 0}, {0, 1}, {0.3, 0.7}};
      for (int j = 1; j <= p.nVertici(); ++j)
        if (p.X(j) != p.X(i) || p.Y(j) != p.Y(i))
          direzioni.push_back({p.X(j) - p.X(i), p.Y(j) - p.Y(i)});
      for (auto [dx, dy] : direzioni) {
        const double a = dy, b = -dx, c = -(a * p.X(i) + b * p.Y(i));
        const double xR = p.X(i) + a, yR = p.Y(i) + b;
        const auto piu = p.PoligonoIntersezione(a, b, c, xR, yR, 1);
        const auto meno = p.PoligonoIntersezione(a, b, c, -xR, -yR, -1);
        ASSERT_TRUE(piu && meno) << i;
        EXPECT_NEAR(piu->Area + meno->Area, p.Area, e) << i;
        EXPECT_NEAR(piu->stat_x + meno->stat_x, p.stat_x, e * d) << i;
        EXPECT_NEAR(piu->stat_y + meno->stat_y, p.stat_y, e * d) << i;
        DalLatoGiusto(*piu, a, b, c, xR, yR, 1, d);
        DalLatoGiusto(*meno, a, b, c, -xR, -yR, -1, d);
      }
    }
  }
}

TEST(PoligonoTaglio, OnePassCutIsTheCrossingsInsertedLessTheOtherSide) {
  // The part of PoligonoIntersezione, vertex for vertex, against the outline
  // with its 32-bit crossings inserted and the far side's vertices dropped,
  // for y = 0 through every vertex and between each two, either side kept.
  using namespace figure;
  for (const Poligono& figura : {SezioneT(55.3, 24.7), SezioneL(), SezioneC(), AnelloConTaglio(),
                                 Cerchio(100, 52), QuadratoRuotato(5)}) {
    std::vector<double> quote;
    for (int i = 1; i <= figura.nVertici(); ++i)
      quote.insert(quote.end(), {figura.Y(i), figura.Y(i) + 0.37});
    for (const double quota : quote) {
      Poligono p = figura;
      p.Trasla(0, quota);
      Vettore<double> xi, yi;
      Vettore<int> lati, segnati;
      int m;
      p.IntersezioneConRetta(0, 1, 0, xi, yi, lati, m);
      for (Vettore<double>* v : {&xi, &yi})
        for (double& e : v->Dati()) e = static_cast<float>(e);
      const Poligono con = p.PoligonoConIntersezioni(xi, yi, lati, m, segnati);
      for (const double lato : {1.0, -1.0}) {
        const auto parte = p.PoligonoIntersezione(0, 1, 0, 0, lato, 0, false);
        ASSERT_EQ(parte.has_value(), m > 0) << quota;
        if (!parte) continue;
        const Poligono attesa = con.PoligonoSenzaPuntiOpposti(lato, segnati);
        EXPECT_EQ(parte->CoordX(), attesa.CoordX()) << quota << " " << lato;
        EXPECT_EQ(parte->CoordY(), attesa.CoordY()) << quota << " " << lato;
        EXPECT_EQ(parte->Area, 0);  // left to the caller
      }
    }
  }
}

TEST(PoligonoTaglio, CrossingListsAndInsertion) {
  // A vertex on the line comes from each side through it; a side on the line
  // gives nothing.
  Vettore<double> xi, yi;
  Vettore<int> lati;
  int m;
  figure::QuadratoRuotato(5).IntersezioneConRetta(0, 1, 0, xi, yi, lati, m);
  ASSERT_EQ(m, 4);
  EXPECT_EQ(xi, (Vettore<double>{5, -5, -5, 5}));
  EXPECT_EQ(lati, (Vettore<int>{1, 2, 3, 4}));
  const Poligono q = figure::Rettangolo(10, 10);
  q.IntersezioneConRetta(0, 1, 0, xi, yi, lati, m);
  EXPECT_EQ(m, 2);
  EXPECT_EQ(lati(1), 2);
  EXPECT_EQ(lati(2), 4);

  Vettore<int> segnati;
  const Poligono con = q.PoligonoConIntersezioni({10, 0}, {4, 4}, {2, 4}, 2, segnati);
  EXPECT_EQ(con.CoordY(), (Vettore<double>{0, 0, 4, 10, 10, 4}));
  EXPECT_EQ(segnati, (Vettore<int>{0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(con.PoligonoSenzaPuntiOpposti(1, segnati).CoordY(), (Vettore<double>{4, 10, 10, 4}));
  EXPECT_EQ(con.PoligonoSenzaPuntiOpposti(0, segnati).CoordX(), (Vettore<double>{10, 0}));
  EXPECT_EQ(con.PoligonoSenzaPuntiOpposti(-1, segnati, true).nVertici(), 2);
}
