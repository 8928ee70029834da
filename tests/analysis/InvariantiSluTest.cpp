// Properties every ultimate result must have, over an unsymmetric L section
// at every neutral-axis angle: the plane found balances the axial force, and
// turning the whole input turns the resisting moments with it.
#include <gtest/gtest.h>

#include <cmath>

#include "SluProva.h"
#include "model/Matematica.h"

using VariabiliPubbliche::Stato;

namespace {

// L of 400 x 600 with a 250 x 450 notch at the top right, 8 bars near its
// edges; everything turned by fi degrees about the origin.
void SezioneL(SezioneCA& s, double fi) {
  const double c = std::cos(fi * Matematica::Pi / 180), sn = std::sin(fi * Matematica::Pi / 180);
  const double xv[] = {-200, 200, 200, -50, -50, -200}, yv[] = {-300, -300, -150, -150, 300, 300};
  Vettore<double> x(1, 6), y(1, 6);
  for (int i = 1; i <= 6; ++i) {
    x(i) = c * xv[i - 1] - sn * yv[i - 1];
    y(i) = sn * xv[i - 1] + c * yv[i - 1];
  }
  s.Coordinate(x, y, 6);
  const float xb[] = {-160, -60, 60, 160, 160, -160, -160, -90};
  const float yb[] = {-260, -260, -260, -260, -190, -40, 260, 260};
  Vettore<float> bx(1, 8), by(1, 8), aree(1, 8);
  for (int i = 1; i <= 8; ++i) {
    bx(i) = static_cast<float>(c * xb[i - 1] - sn * yb[i - 1]);
    by(i) = static_cast<float>(sn * xb[i - 1] + c * yb[i - 1]);
    aree(i) = 314;
  }
  s.BarreDati(8, bx, by, aree, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
}

class InvariantiSlu : public ::testing::Test {
 protected:
  // Resisting moments (Mx, My) at neutral-axis angle teta under N.
  std::pair<double, double> Momenti(double N, double teta) {
    s_.Sollecitazioni({N, 0}, {0, 0}, {0, 0});
    s_.CalcolaTramok1(static_cast<float>(teta));
    EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito) << "N " << N << " angle " << teta;
    return {s_.MomentoUltimoX, s_.MomentoUltimoY};
  }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
};

// Axial forces from a strong tension to a strong compression, inside the limits.
constexpr double Forze[] = {-600000, 0, 1000000, 2000000};

}  // namespace

TEST_F(InvariantiSlu, ThePlaneFoundBalancesTheAxialForceAtEveryAngle) {
  SezioneL(s_, 0);
  for (double N : Forze) {
    for (int teta = 0; teta < 360; teta += 15) {
      Momenti(N, teta);
      const SezioneCAreagente& r = *SezioneProva::ReagenteSlu(s_);
      EXPECT_LE(std::fabs(r.RisultanteAssiale(r.EpsCsup, r.EpsCinf, N)),
                2 * r.ApprossimazioneRisultante)
          << "N " << N << " angle " << teta;
      // The plane stays within the strain limits of concrete and steel.
      EXPECT_LE(r.EpsCsup, 0.0035f + 1e-7f);
      EXPECT_GE(r.Eps_s_max, -0.0675f - 1e-6f);
    }
  }
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(InvariantiSlu, TurningTheInputTurnsTheResistingMoments) {
  constexpr double fi = 40;
  const double c = std::cos(fi * Matematica::Pi / 180), sn = std::sin(fi * Matematica::Pi / 180);
  for (double N : Forze) {
    for (int teta = 0; teta < 360; teta += 30) {
      SezioneL(s_, 0);
      const auto [mx, my] = Momenti(N, teta);
      SezioneL(s_, fi);
      const auto [mxr, myr] = Momenti(N, teta + fi);
      // (My, Mx) are the first moments of the stresses about the origin: they
      // turn as a point does.
      const double scala = std::hypot(mx, my) + 1e6;
      EXPECT_NEAR(myr, c * my - sn * mx, 2e-4 * scala) << "N " << N << " angle " << teta;
      EXPECT_NEAR(mxr, sn * my + c * mx, 2e-4 * scala) << "N " << N << " angle " << teta;
    }
  }
}

TEST_F(InvariantiSlu, OppositeAnglesUnderSluMinusAndSluPlusAgree) {
  SezioneL(s_, 0);
  for (double N : Forze) {
    for (int teta = 0; teta < 360; teta += 45) {
      Stato.TipoVerifica = 0;
      const auto [mx, my] = Momenti(N, teta + 180);
      Stato.TipoVerifica = 2;
      const auto [mxm, mym] = Momenti(N, teta);
      EXPECT_NEAR(mxm, mx, 1e-6 * (std::fabs(mx) + 1e6));
      EXPECT_NEAR(mym, my, 1e-6 * (std::fabs(my) + 1e6));
    }
  }
}
