#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/Matematica.h"
#include "model/Poligono.h"
#include "platform/MsgBoxScriptato.h"

using Matematica::Pi;

namespace {

Poligono Da(std::initializer_list<double> x, std::initializer_list<double> y) {
  Poligono p;
  p.Coordinate(Vettore<double>(x), Vettore<double>(y), static_cast<int>(x.size()));
  return p;
}

// (computed, expected) pairs, e relative to values above 1; the index tells
// which one failed.
void Attesi(std::initializer_list<std::pair<double, double>> coppie, double e = 1e-13) {
  int i = 0;
  for (auto [calcolato, atteso] : coppie)
    EXPECT_NEAR(calcolato, atteso, e * std::max(1.0, std::fabs(atteso))) << "coppia " << i++;
}

// Second moment about the centroidal axis at the given angle.
double MomentoAsse(const Poligono& p, double angolo) {
  const double c = std::cos(angolo), s = std::sin(angolo);
  return p.jota_xG * c * c + p.jota_yG * s * s - 2 * p.jota_xyG * s * c;
}

void AttesiFiniti(const Poligono& p) {
  for (double v : {p.Area, p.xG, p.yG, p.stat_x, p.stat_y, p.jota_x, p.jota_y, p.jota_xy,
                   p.jota_xG, p.jota_yG, p.jota_xyG, p.jota_IG, p.jota_IIG, p.AngoloJotaI,
                   p.AngoloJotaII, p.iX, p.iY, p.WxSuperiore, p.WxInferiore, p.WyDestra,
                   p.WySinistra})
    EXPECT_TRUE(std::isfinite(v)) << v;
}

}  // namespace

TEST(PoligonoCaratteristiche, UnitSquareEitherDirection) {
  for (Poligono p : {Da({0, 1, 1, 0}, {0, 0, 1, 1}), Da({0, 0, 1, 1}, {0, 1, 1, 0})}) {
    p.Wplx = 3;  // not this routine's when there is an area
    p.AreaCalcola();
    const bool antiorario = p.NumerazioneVerticiAntioraria;
    p.CaratteristicheStatiche();
    const double w = 1.0 / 6, j = 1.0 / 12;
    Attesi({{p.Area, 1}, {p.xG, 0.5}, {p.yG, 0.5}, {p.stat_x, 0.5}, {p.stat_y, 0.5},
            {p.jota_x, 1.0 / 3}, {p.jota_y, 1.0 / 3}, {p.jota_xy, 0.25}, {p.jota_xG, j},
            {p.jota_yG, j}, {p.jota_xyG, 0}, {p.jota_IG, j}, {p.jota_IIG, j},
            {p.AngoloJotaI, 0}, {p.AngoloJotaII, Pi / 2}, {p.WxSuperiore, w},
            {p.WxInferiore, w}, {p.WyDestra, w}, {p.WySinistra, w}, {p.iX, std::sqrt(j)},
            {p.iY, std::sqrt(j)}, {p.Wplx, 3}});
    EXPECT_EQ(p.NumerazioneVerticiAntioraria, antiorario);
    EXPECT_EQ(antiorario, p.X(2) == 1);
  }
}

TEST(PoligonoCaratteristiche, RectanglePrincipalAxesTurnWithIt) {
  Poligono p = Da({-1, 1, 1, -1}, {-0.5, -0.5, 0.5, 0.5});
  p.CaratteristicheStatiche();
  Attesi({{p.jota_xG, 1.0 / 6}, {p.jota_yG, 2.0 / 3}, {p.jota_IG, 2.0 / 3},
          {p.jota_IIG, 1.0 / 6}, {p.AngoloJotaI, -Pi / 2}, {p.AngoloJotaII, 0}});

  Poligono r = p;  // turned by 45 degrees about the centroid
  const double c = std::cos(Pi / 4), s = std::sin(Pi / 4);
  for (int i = 1; i <= 4; ++i) {
    r.SetX(i, p.X(i) * c - p.Y(i) * s);
    r.SetY(i, p.X(i) * s + p.Y(i) * c);
  }
  r.CaratteristicheStatiche();
  Attesi({{r.jota_xG, 5.0 / 12}, {r.jota_yG, 5.0 / 12}, {r.jota_xyG, 0.25},
          {r.jota_IG, 2.0 / 3}, {r.jota_IIG, 1.0 / 6}, {r.AngoloJotaI, -Pi / 4},
          {r.AngoloJotaII, Pi / 4}, {MomentoAsse(r, r.AngoloJotaI), r.jota_IG}});
}

TEST(PoligonoCaratteristiche, UnsymmetricLAgainstHandValues) {
  // A 4 x 1 flange and a 1 x 2 web; the second list starts at the re-entrant
  // corner, so every fan triangle differs.
  for (Poligono p : {Da({0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 3, 3}),
                     Da({1, 1, 0, 0, 4, 4}, {1, 3, 3, 0, 0, 1})}) {
    p.CaratteristicheStatiche();
    Attesi({{p.Area, 6}, {p.stat_x, 6}, {p.stat_y, 9}, {p.xG, 1.5}, {p.yG, 1},
            {p.jota_x, 10}, {p.jota_y, 22}, {p.jota_xy, 6}, {p.jota_xG, 4}, {p.jota_yG, 8.5},
            {p.jota_xyG, -3}, {p.jota_IG, 10}, {p.jota_IIG, 2.5},
            {p.AngoloJotaI, -Pi / 2 - std::atan(0.5)}, {p.AngoloJotaII, -std::atan(0.5)},
            {MomentoAsse(p, p.AngoloJotaI), 10}, {p.WxSuperiore, 2}, {p.WxInferiore, 4},
            {p.WyDestra, 3.4}, {p.WySinistra, 8.5 / 1.5}, {p.iX, std::sqrt(10.0 / 6)},
            {p.iY, std::sqrt(2.5 / 6)}});
  }
}

TEST(PoligonoCaratteristiche, CircleAndRingSetOnlyTheirFields) {
  Poligono p;
  p.jota_yG = 5;
  p.CaratteristicheStaticheCerchio(10, 0);
  Attesi({{p.Area, 100 * Pi}, {p.jota_xG, 2500 * Pi}, {p.WxSuperiore, 250 * Pi},
          {p.WxInferiore, 250 * Pi}, {p.jota_yG, 5}});
  p.CaratteristicheStatiche(false, true, 10, 5);
  Attesi({{p.Area, 75 * Pi}, {p.jota_xG, 9375 * Pi / 4}, {p.WxInferiore, 937.5 * Pi / 4}});
  p.CaratteristicheStaticheCerchio(0, 0);
  EXPECT_EQ(p.WxSuperiore, 0);
}

TEST(PoligonoCaratteristiche, FewerThanThreeVerticesOnlyZeroTheIntegrals) {
  Poligono p = Da({0, 1, 1, 0}, {0, 0, 1, 1});
  p.CaratteristicheStatiche();
  p.AreaCalcola();
  p.Coordinate(Vettore<double>{0, 5}, Vettore<double>{0, 5}, 2);
  p.CaratteristicheStatiche();
  Attesi({{p.Area, 0}, {p.stat_x, 0}, {p.stat_y, 0}, {p.jota_x, 0}, {p.jota_y, 0},
          {p.jota_xy, 0}, {p.xG, 0.5}, {p.jota_xG, 1.0 / 12}, {p.WxSuperiore, 1.0 / 6}});
  p.Area = 9;
  p.AreaCalcola();
  EXPECT_EQ(p.Area, 0);
  EXPECT_TRUE(p.NumerazioneVerticiAntioraria);
}

TEST(PoligonoCaratteristiche, CollinearVerticesHaveA32BitMeanCentroid) {
  Poligono p = Da({1, 2, 4}, {1, 2, 4});
  p.iY = p.WySinistra = p.Wplx = 5;
  p.CaratteristicheStatiche();
  const double media = static_cast<double>(7.0f / 3);
  Attesi({{p.Area, 0}, {p.xG, media}, {p.yG, media}, {p.iY, 0}, {p.WySinistra, 0},
          {p.Wplx, 0}}, 0);
  AttesiFiniti(p);
  p.NumerazioneVerticiAntioraria = true;
  EXPECT_TRUE(p.AreaNulla(false));
  EXPECT_FALSE(p.NumerazioneVerticiAntioraria);  // no area, no counter-clockwise run
}

TEST(PoligonoCaratteristiche, AreaNullaAgainstThePerimeter) {
  Poligono sottile = Da({0, 1, 1, 0}, {0, 0, 4E-21, 4E-21});  // area 1E-21 perimeter^2
  EXPECT_TRUE(sottile.AreaNulla(true));
  EXPECT_FALSE(sottile.AreaNulla(false));
  EXPECT_FALSE(Da({0, 1, 1, 0}, {0, 0, 1E-19, 1E-19}).AreaNulla(true));
}

TEST(PoligonoCaratteristiche, OverflowEndsQuietlyWithTheCentroidAtTheOrigin) {
  platform::MsgBoxScriptato box;
  Poligono enorme = Da({0, 1E200, 1E200, 0}, {0, 0, 1E200, 1E200});
  enorme.xG = enorme.yG = 7;
  enorme.CaratteristicheStatiche();
  Attesi({{enorme.xG, 0}, {enorme.yG, 0}, {enorme.Area, 0}}, 0);
  AttesiFiniti(enorme);
  // Integrals that fit, principal moments that do not: what was computed stays.
  Poligono lungo = Da({0, 1E100, 1E100, 0}, {0, 0, 1E-100, 1E-100});
  lungo.jota_IG = 3;
  lungo.CaratteristicheStatiche();
  Attesi({{lungo.Area, 1}, {lungo.jota_yG / 1E200, 1.0 / 12}, {lungo.xG, 0}, {lungo.yG, 0},
          {lungo.jota_IG, 3}}, 1e-12);
  AttesiFiniti(lungo);
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST(PoligonoCaratteristiche, ArithmeticFailuresAreToldAndKeepComputedFields) {
  platform::MsgBoxScriptato box;
  const std::string testo = "Errore nella sub CaratteristicheStatiche. ";
  const int fallite = Poligono::CaratteristicheFallite();
  // A square with a smaller one run the other way below it, joined by a slit:
  // the net centroid lands on the top fibre.
  Poligono a = Da({0, 2, 2, 0, 0, 0, 1, 1, 0, 0}, {0, 0, 2, 2, 0, -1.5, -1.5, -2.5, -2.5, -1.5});
  a.WxSuperiore = a.iX = -1;
  a.CaratteristicheStatiche();
  EXPECT_EQ(box.Testi(), std::vector<std::string>{testo + "Divisione per zero"});
  Attesi({{a.Area, 3}, {a.yG, 2}, {a.WxSuperiore, -1}, {a.iX, -1}}, 0);
  AttesiFiniti(a);
  // The reversed square far to the right: a negative smaller principal moment.
  box.Svuota();
  Poligono b = Da({0, 2, 2, 0, 0, 100, 100, 101, 101, 100}, {0, 0, 2, 2, 0, 0, 1, 1, 0, 0});
  b.iY = -1;
  b.CaratteristicheStatiche();
  EXPECT_EQ(box.Testi(),
            std::vector<std::string>{testo + "Radice quadrata di un numero negativo"});
  EXPECT_LT(b.jota_IIG, 0);
  Attesi({{b.iX, std::sqrt(b.jota_IG / 3)}, {b.iY, -1}});
  AttesiFiniti(b);
  EXPECT_EQ(Poligono::CaratteristicheFallite(), fallite + 2);
}

TEST(PoligonoCaratteristiche, CopiesGiveTheLastTwoOutlinesAgainBitForBit) {
  platform::MsgBoxScriptato box;
  // Every field CaratteristicheStatiche writes, bit for bit.
  const auto uguali = [](const Poligono& a, const Poligono& b) {
    const auto campi = [](const Poligono& p) {
      return std::vector<double>{p.Area, p.xG, p.yG, p.stat_x, p.stat_y, p.jota_x, p.jota_y,
                                 p.jota_xy, p.jota_xG, p.jota_yG, p.jota_xyG, p.jota_IG,
                                 p.jota_IIG, p.AngoloJotaI, p.AngoloJotaII, p.iX, p.iY,
                                 p.WxSuperiore, p.WxInferiore, p.WyDestra, p.WySinistra};
    };
    return campi(a) == campi(b);
  };
  const Poligono l = Da({0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 3, 3});
  Poligono nuovo = l, girato = Da({0, 0, -1, -1, -3, -3}, {0, 4, 4, 1, 1, 0});  // by 90 degrees
  nuovo.CaratteristicheStatiche();
  girato.CaratteristicheStatiche();
  Poligono a = l.Copia();
  a.CaratteristicheStatiche();
  a.Coordinate(girato.CoordX(), girato.CoordY(), 6);
  a.CaratteristicheStatiche();
  EXPECT_TRUE(uguali(a, girato));
  // Flange 4 x 1 at y = 0.5 and web 1 x 2 at y = 2: area 6, yG = (4 * 0.5 + 2 * 2) / 6 = 1,
  // about the centroid 4/12 + 4 * 0.25 + 8/12 + 2 * 1 = 4.
  Poligono b = l.Copia();
  b.Wplx = 7;  // left alone, as by the calculation
  b.NumerazioneVerticiAntioraria = true;
  b.CaratteristicheStatiche();
  EXPECT_TRUE(uguali(b, nuovo));
  Attesi({{b.Area, 6}, {b.yG, 1}, {b.jota_xG, 4}, {b.Wplx, 7}});
  EXPECT_TRUE(b.NumerazioneVerticiAntioraria);
  // A vertex moved by its last bit is another outline.
  b.SetX(2, std::nextafter(4.0, 5.0));
  Poligono mosso = Da({0, std::nextafter(4.0, 5.0), 4, 1, 1, 0}, {0, 0, 1, 1, 3, 3});
  b.CaratteristicheStatiche();
  mosso.CaratteristicheStatiche();
  EXPECT_TRUE(uguali(b, mosso));
  EXPECT_FALSE(uguali(b, nuovo));
  // A failed calculation is not remembered: each copy tells it again.
  const Poligono rovescio =
      Da({0, 2, 2, 0, 0, 100, 100, 101, 101, 100}, {0, 0, 2, 2, 0, 0, 1, 1, 0, 0});
  for (int volta = 0; volta < 2; ++volta) rovescio.Copia().CaratteristicheStatiche();
  EXPECT_EQ(box.Testi().size(), 2u);
}
