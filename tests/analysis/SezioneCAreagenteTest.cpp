#include <gtest/gtest.h>

#include <cmath>

#include "doppi/SezioneProva.h"
#include "doppi/FinestreProva.h"
#include "model/Matematica.h"
#include "platform/MsgBoxScriptato.h"

using Matematica::Pi;
using VariabiliPubbliche::Stato;

namespace {

// Rectangle 300 x 500 centred on the origin.
class SezioneIdeale : public ::testing::Test {
 protected:
  SezioneIdeale() { Rettangolo(*s_.Contorno, 300, 500); }

  void Barre(const Vettore<float>& x, const Vettore<float>& y, const Vettore<float>& a) {
    s_.BarreDati(x.Conta(), x, y, a, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  }
  // Second moment about the centroidal axis at the angle.
  double MomentoAsse(double angolo) const {
    const double c = std::cos(angolo), s = std::sin(angolo);
    return s_.jota_xG * c * c + s_.jota_yG * s * s - 2 * s_.jota_xyG * s * c;
  }

  StatoPulito pulito_;
  platform::MsgBoxScriptato box_;
  SezioneCAreagente s_;
};

}  // namespace

TEST_F(SezioneIdeale, RectangleAndOneBarByItsKind) {
  Barre({}, {}, {});
  EXPECT_DOUBLE_EQ(s_.Area, 150000);
  EXPECT_DOUBLE_EQ(s_.jota_IG, 3125000000);
  EXPECT_DOUBLE_EQ(s_.jota_IIG, 1125000000);
  EXPECT_DOUBLE_EQ(s_.AngoloJotaI, 0);
  EXPECT_DOUBLE_EQ(s_.iX, std::sqrt(3125000000.0 / 150000));
  Barre({0}, {-200}, {100});
  EXPECT_DOUBLE_EQ(s_.Area, 151500);
  EXPECT_DOUBLE_EQ(s_.AreaBarre, 100);
  EXPECT_DOUBLE_EQ(s_.jota_x_b, 60000000);
  const double yG = -300000.0 / 151500;
  EXPECT_DOUBLE_EQ(s_.yG, yG);
  EXPECT_NEAR(s_.jota_xG, 3125000000 + 150000 * yG * yG + 1500 * (200 + yG) * (200 + yG), 1e-3);
  // The same steel as a tendon counts 6 times.
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 1, {0}, {-200}, {100}, {1000});
  EXPECT_DOUBLE_EQ(s_.Area, 150600);
  EXPECT_DOUBLE_EQ(s_.jota_x_b, 24000000);
}

TEST_F(SezioneIdeale, BarsAndTendonsOffTheAxes) {
  const Vettore<float> xb{100, -100, -100, 100}, yb{200, 200, -200, -200}, ab{314, 314, 314, 314};
  const Vettore<float> xc{50, 90}, yc{-150, -150}, ac{140, 140};
  s_.BarreDati(4, xb, yb, ab, RapportiN, 2, xc, yc, ac, {1000, 1100}, Vettore<double>{0.006, 0.007});
  const double area = 150000 + 15 * 1256 + 6 * 280;
  const double xG = 6 * 140 * 140 / area, yG = 6 * 280 * -150 / area;
  EXPECT_DOUBLE_EQ(s_.Area, area);
  EXPECT_DOUBLE_EQ(s_.AreaBarre, 1536);
  EXPECT_NEAR(s_.xG, xG, 1e-12);
  EXPECT_NEAR(s_.yG, yG, 1e-12);
  // Parallel axes, element by element.
  double jx = 3125000000 + 150000 * yG * yG, jy = 1125000000 + 150000 * xG * xG;
  double jxy = 150000 * xG * yG;
  auto aggiungi = [&](const Vettore<float>& x, const Vettore<float>& y, double nA) {
    for (int i = 1; i <= x.Ub(); ++i) {
      jx += nA * (y(i) - yG) * (y(i) - yG);
      jy += nA * (x(i) - xG) * (x(i) - xG);
      jxy += nA * (x(i) - xG) * (y(i) - yG);
    }
  };
  aggiungi(xb, yb, 15 * 314);
  aggiungi(xc, yc, 6 * 140);
  EXPECT_NEAR(s_.jota_xG, jx, 1e-3);
  EXPECT_NEAR(s_.jota_yG, jy, 1e-3);
  EXPECT_NEAR(s_.jota_xyG, jxy, 1e-3);
  // The principal axes carry the extreme moments.
  EXPECT_NEAR(MomentoAsse(s_.AngoloJotaI), s_.jota_IG, 1e-3);
  EXPECT_NEAR(MomentoAsse(s_.AngoloJotaII), s_.jota_IIG, 1e-3);
  EXPECT_GT(s_.jota_IG, s_.jota_xG);
  EXPECT_EQ(SezioneProva::Precompressione(s_), (Vettore<float>{1000, 1100}));
  EXPECT_EQ(SezioneProva::EpsIniziali(s_), (Vettore<double>{0.006, 0.007}));
  // Initial strains not given stay as they were.
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 1, {0}, {-150}, {140}, {1200});
  EXPECT_EQ(SezioneProva::EpsIniziali(s_), (Vettore<double>{0.006, 0.007}));
  EXPECT_FLOAT_EQ(s_.yFerroi(3), -200);
}

TEST_F(SezioneIdeale, PrincipalAxesOfTurnedAndSquareOutlines) {
  // 200 x 100, long side at 30 degrees: the larger moment is about 120 degrees.
  const double c = std::cos(Pi / 6), s = std::sin(Pi / 6);
  const Vettore<double> u{100, -100, -100, 100}, v{50, 50, -50, -50};
  Vettore<double> x(1, 4), y(1, 4);
  for (int i = 1; i <= 4; ++i) {
    x(i) = u(i) * c - v(i) * s;
    y(i) = u(i) * s + v(i) * c;
  }
  s_.Coordinate(x, y, 4);
  Barre({}, {}, {});
  EXPECT_NEAR(s_.jota_IG, 200.0 * 100 * 100 * 100 / 3, 1e-3);
  EXPECT_NEAR(s_.jota_IIG, 200.0 * 100 * 100 * 100 / 12, 1e-3);
  EXPECT_NEAR(std::sin(s_.AngoloJotaI - 2 * Pi / 3), 0, 1e-12);
  // Equal moments: axis I along x.
  Rettangolo(*s_.Contorno, 400, 400);
  Barre({}, {}, {});
  EXPECT_DOUBLE_EQ(s_.AngoloJotaI, 0);
  EXPECT_DOUBLE_EQ(s_.AngoloJotaII, Pi / 2);
}

TEST_F(SezioneIdeale, BarsOnlyAndNoArea) {
  Stato.SoloBarre = 1;
  Barre({-100, 0, 100}, {0, 0, 0}, {200, 200, 200});
  EXPECT_DOUBLE_EQ(s_.Area, 9000);  // the polygon does not count
  EXPECT_DOUBLE_EQ(s_.jota_IG, 60000000);
  // A slanted line of bars whose moment across it rounds below zero: none.
  Barre({30, 41, 133}, {110, 133.1f, 326.3f}, {78.54f, 78.54f, 78.54f});
  EXPECT_EQ(s_.jota_IIG, 0);
  EXPECT_EQ(s_.iY, 0);
  // No steel: stops after the area, nothing undefined stored.
  const double xG = s_.xG, raggio = s_.iX;
  Barre({}, {}, {});
  EXPECT_EQ(s_.Area, 0);
  EXPECT_EQ(s_.xG, xG);
  EXPECT_EQ(s_.iX, raggio);
  Stato.SoloBarre = 0;
  s_.SetPoligono(nullptr);
  Barre({}, {}, {});
  EXPECT_EQ(s_.Area, 0);
  EXPECT_EQ(s_.iX, raggio);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(SezioneIdeale, TheGivenPolygonIsShared) {
  auto p = std::make_shared<Poligono>();
  Rettangolo(*p, 200, 400);
  s_.SetPoligono(p);
  Barre({}, {}, {});
  EXPECT_DOUBLE_EQ(s_.Area, 80000);
  Rettangolo(*p, 100, 100);
  EXPECT_DOUBLE_EQ(s_.CoordX()(1), 50);
  s_.CaratteristicheStaticheSezione();
  EXPECT_DOUBLE_EQ(s_.Area, 10000);
}
