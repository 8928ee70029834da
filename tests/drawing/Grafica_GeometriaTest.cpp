#include <gtest/gtest.h>

#include <cmath>

#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"
#include "platform/MsgBoxScriptato.h"

using namespace Grafica;
using V = Vettore<double>;
using Lista = std::vector<double>;

namespace {

class Geometria : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoGrafica{}; }

  // Crossings of a line with the 10 x 10 square: abscissas and sides, the
  // first m of each.
  std::pair<Lista, std::vector<int>> Incroci(double a, double b, double c, int* eliminati) {
    V xi, yi;
    Vettore<int> lati;
    int m = -1;
    IntersezioneRettaPoligono(a, b, c, xq, yq, xi, yi, 4, lati, m, eliminati);
    return {Lista(xi.Dati().begin(), xi.Dati().begin() + m),
            std::vector<int>(lati.Dati().begin(), lati.Dati().begin() + m)};
  }

  platform::MsgBoxScriptato box;
  const V xq{0, 10, 10, 0};  // counter-clockwise
  const V yq{0, 0, 10, 10};
  const V w{1, 1};
  // A U whose line y = 10 runs through two inner corners and along a side.
  const V xu{0, 30, 30, 20, 20, 10, 10, 0};
  const V yu{0, 0, 20, 20, 10, 10, 20, 20};
};

}  // namespace

TEST_F(Geometria, CoincidenceIsOfProportionalHomogeneousPoints) {
  EXPECT_FALSE(PuntiCoincidenti({1000, 1000}, {0, 0.001}, w, 0.01));
  EXPECT_TRUE(PuntiCoincidenti({0.001, 0.002}, {0, 0}, w, 0.01));
  EXPECT_TRUE(PuntiCoincidenti({2, 1}, {4, 2}, {2, 1}, 1E-9));
  EXPECT_TRUE(box.Mostrati().empty());
  // No tolerance set: reported twice, then an exact comparison.
  EXPECT_FALSE(PuntiCoincidentiXY(3, 4, 3, 4.000001));
  EXPECT_EQ(box.Testi(), (std::vector<std::string>{"zero=0 in PuntiCoincidentiXY",
                                                   "zero=0 in PuntiCoincidenti"}));
  ImpostaZeroMaxDimen(1E-3);
  EXPECT_TRUE(PuntiCoincidentiXY(3, 4, 3, 4.0001));
}

TEST_F(Geometria, LinesAndDegenerateLines) {
  double a = 7, b = 7, c = 7;
  ASSERT_TRUE(RettaPerDuePunti({0, 1}, {0, 0}, w, a, b, c, 1E-9));
  EXPECT_EQ(Lista({a, b, c}), Lista({0, -1, 0}));
  EXPECT_FALSE(RettaPerDuePunti({5, 5}, {5, 5}, w, a, b, c, 1E-9));
  EXPECT_EQ(a, 0);  // untouched
  double x = 9, y = 9;
  ASSERT_TRUE(IntersezioneRette(1, 0, -1, 0, 1, -2, x, y));
  EXPECT_EQ(Lista({x, y}), Lista({1, 2}));
  EXPECT_FALSE(IntersezioneRette(1, 1, 0, 2, 2, 5, x, y));
  // Coefficients all zero are no line: false, and no NaN written.
  EXPECT_FALSE(IntersezioneRette(0, 0, 1, 0, 0, 2, x, y));
  EXPECT_EQ(Lista({x, y}), Lista({1, 2}));
}

TEST_F(Geometria, PointsOnSegments) {
  const V xs{0, 10}, ys{0, 5};
  EXPECT_TRUE(PuntoSuSegmento(xs, ys, 0, 0, false));
  EXPECT_TRUE(PuntoSuSegmento(xs, ys, 10, 5, true));
  EXPECT_FALSE(PuntoSuSegmento(xs, ys, 12, 6, true));
  EXPECT_FALSE(PuntoSuSegmento(xs, ys, 4, 2.1, true));  // off the line
  EXPECT_FALSE(PuntoInternoSegmento(xs, ys, 10, 5, 1E-6, false));
  EXPECT_TRUE(PuntoInternoSegmento(xs, ys, 4, 2, 1E-6, false));
  // A segment reduced to a point holds that point only.
  EXPECT_TRUE(PuntoSuSegmento({3, 3}, {1, 1}, 3, 1, true));
  EXPECT_FALSE(PuntoSuSegmento({3, 3}, {1, 1}, 5, 1, true));
  EXPECT_FALSE(PuntoSuSegmento({3, 3}, {1, 1}, 5, 1, false));

  double x = 0, y = 0;
  EXPECT_TRUE(IntersezioneSegmenti({0, 10}, {0, 0}, {10, 10}, {0, 10}, x, y, 1E-6, false));
  EXPECT_EQ(Lista({x, y}), Lista({10, 0}));  // the shared end point
  EXPECT_FALSE(IntersezioneSegmenti({0, 10}, {0, 0}, {10, 10}, {0, 10}, x, y, 1E-6, true));
  EXPECT_FALSE(IntersezioneSegmenti({0, 10}, {0, 0}, {0, 10}, {1, 1}, x, y, 1E-6, false));
  // The crossing with the segment's line is written even when outside it.
  EXPECT_FALSE(IntersezioneRettaSegmento(1, 0, -20, {0, 10}, {0, 10}, x, y, 1E-6));
  EXPECT_DOUBLE_EQ(y, 20);
}

TEST_F(Geometria, LineThroughVerticesOrAlongASideOfAPolygon) {
  // The diagonal meets vertices 1 and 3, each from both of its sides.
  auto [x, lati] = Incroci(1, -1, 0, nullptr);
  EXPECT_EQ(x, Lista({0, 10, 10, 0}));
  EXPECT_EQ(lati, std::vector<int>({1, 2, 3, 4}));
  ImpostaZeroMaxDimen(1E-5);
  int eliminati = -1;
  EXPECT_EQ(Incroci(1, -1, 0, &eliminati).first, Lista({0, 10}));  // sorted
  EXPECT_EQ(eliminati, 2);
  // Touching only at vertex 1 leaves nothing.
  EXPECT_TRUE(Incroci(1, 1, 0, &eliminati).first.empty());
  EXPECT_EQ(eliminati, 2);
  // Along side 1: its neighbours give its two ends.
  std::tie(x, lati) = Incroci(0, 1, 0, nullptr);
  EXPECT_EQ(x, Lista({10, 0}));
  EXPECT_EQ(lati, std::vector<int>({2, 4}));
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST_F(Geometria, LineAndOpenPolyline) {
  const V x{0, 10, 10}, y{0, 0, 10};
  V xi, yi;
  Vettore<int> lati;
  int m = 0;
  EXPECT_TRUE(IntersezioniRettaPoligonale(0, 1, -5, x, y, xi, yi, 3, lati, m, false));
  EXPECT_DOUBLE_EQ(Stato.ZeroMaxDimen, 1E-5);
  EXPECT_EQ(m, 1);
  EXPECT_EQ(Lista({xi(1), yi(1), double(lati(1))}), Lista({10, 5, 2}));
  // Through the corner: found on both sides, once after the clean-up.
  IntersezioniRettaPoligonale(1, 1, -10, x, y, xi, yi, 3, lati, m, false);
  EXPECT_EQ(m, 2);
  EXPECT_TRUE(IntersezioniRettaPoligonale(1, 1, -10, x, y, xi, yi, 3, lati, m, true));
  EXPECT_EQ(m, 1);
  // Missing it: the extension of the last side, side index n ...
  EXPECT_FALSE(IntersezioniRettaPoligonale(0, 1, -20, x, y, xi, yi, 3, lati, m, true));
  ASSERT_EQ(m, 1);
  EXPECT_EQ(Lista({xi(1), yi(1), double(lati(1))}), Lista({10, 20, 3}));
  // ... unless that side is parallel to the line.
  EXPECT_FALSE(IntersezioniRettaPoligonale(1, 0, -20, x, y, xi, yi, 3, lati, m, true));
  EXPECT_EQ(m, 0);
}

TEST_F(Geometria, RunsOfCoincidentCrossingsCollapseToOne) {
  ImpostaZeroMaxDimen(1E-6);
  Matematica::Collezione<double> x{0, 5, 5, 5, 8}, y{0, 1, 1, 1, 2};
  Matematica::Collezione<int> lati{1, 2, 3, 4, 5};
  TogliIntersezioniCoincidenti(x, y, lati);
  EXPECT_EQ(x, Lista({0, 5, 8}));
  EXPECT_EQ(lati, std::vector<int>({1, 2, 5}));
  // Sorted first; a run keeps its last member.
  V xs{8, 5, 0, 5}, ys{2, 1, 0, 1};
  Vettore<int> ls{1, 2, 3, 4};
  int m = 4;
  PulisciIntersezioni(xs, ys, ls, m);
  ASSERT_EQ(m, 3);
  EXPECT_EQ(Lista({xs(1), xs(2), xs(3)}), Lista({0, 5, 8}));
  EXPECT_EQ(ls(2), 4);
}

TEST_F(Geometria, PointInPolygonOnVerticesAndSides) {
  auto posizione = [&](double x, double y) { return PosizionePuntoPoligono(xq, yq, x, y, 4); };
  EXPECT_EQ(posizione(5, 5), 1);
  EXPECT_EQ(posizione(15, 5), -1);
  // Half-open rule: right and top sides inside, left and bottom outside.
  EXPECT_EQ(posizione(10, 5), 1);
  EXPECT_EQ(posizione(5, 10), 1);
  EXPECT_EQ(posizione(0, 5), -1);
  EXPECT_EQ(posizione(5, 0), -1);
  EXPECT_EQ(posizione(10, 10), 1);
  EXPECT_EQ(posizione(0, 0), -1);
  EXPECT_EQ(posizione(10, 0), -1);
  // Level with the inner corners and the inner side of the U.
  EXPECT_EQ(PosizionePuntoPoligono(xu, yu, 5, 10, 8), 1);
  EXPECT_EQ(PosizionePuntoPoligono(xu, yu, 25, 10, 8), 1);
  EXPECT_EQ(PosizionePuntoPoligono(xu, yu, 15, 15, 8), -1);
  EXPECT_EQ(PosizionePuntoPoligono(xu, yu, 15, 20, 8), -1);
}

TEST_F(Geometria, RotoTranslationArraysRoundTrip) {
  V T, U;
  MatriceRotoTraslazione(1, 2, Matematica::Pi / 2, T, U);
  double x, y;
  RotoTraslaPunto(1, 3, T, x, y);
  EXPECT_NEAR(x, 1, 1E-12);
  EXPECT_NEAR(y, 0, 1E-12);
  // Any frame: points there and back in place; a direction (w = 0) only turns.
  MatriceRotoTraslazione(-7.5, 3.25, 2.2, T, U);
  V xs{0, 12.5, -4}, ys{0, 1, 9};
  RotoTraslaPunti(xs, ys, T, xs, ys, 3);
  RotoTraslaPunti(xs, ys, U, xs, ys, 3);
  EXPECT_NEAR(xs(2), 12.5, 1E-12);
  EXPECT_NEAR(ys(3), 9, 1E-12);
  double wd = 5;
  RotoTraslaPunto(3, 4, T, x, y, 0, &wd);
  EXPECT_EQ(wd, 0);
  EXPECT_NEAR(std::hypot(x, y), 5, 1E-12);
  // A line into the frame keeps its points; back again it is unchanged.
  double a, b, c;
  RotoTraslaRetta(2, -1, 4, T, U, a, b, c);
  RotoTraslaPunto(1, 6, T, x, y);
  EXPECT_NEAR(a * x + b * y + c, 0, 1E-12);
  RotoTraslaRetta(a, b, c, U, T, a, b, c);
  EXPECT_NEAR(a, 2, 1E-12);
  EXPECT_NEAR(c, 4, 1E-12);
  MatriceRotoTraslazione(0, 0, 0, T, U);
  RotoTraslaRetta(0, 1, -2, U, T, a, b, c);
  EXPECT_EQ(Lista({a, b, c}), Lista({0, 1, -2}));
}
