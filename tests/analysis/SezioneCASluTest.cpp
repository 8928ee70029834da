#include <gtest/gtest.h>

#include <cmath>

#include "SluProva.h"
#include "model/Matematica.h"

using VariabiliPubbliche::Stato;

namespace {

class VerificaSlu : public ::testing::Test {
 protected:
  void Carico(double N) { s_.Sollecitazioni({N, 0}, {0, 0}, {0, 0}); }
  // Singly reinforced: 3 bars of 500 mm2 at y = -200.
  void ArmaturaSemplice() {
    Rettangolo(*s_.Contorno, 300, 500);
    s_.BarreDati(3, {-100, 0, 100}, {-200, -200, -200}, {500, 500, 500}, RapportiN, 0, Nessuno,
                 Nessuno, Nessuno, Nessuno);
  }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
};

}  // namespace

TEST_F(VerificaSlu, SluMinusGivesTheOppositeBendingSense) {
  RettangoloQuattroBarre(s_, 500);
  Carico(300000);
  s_.CalcolaTramok1(30);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  const double mx = s_.MomentoUltimoX, my = s_.MomentoUltimoY;
  // Compression on the side the axis turned by 30 degrees puts up.
  EXPECT_GT(mx, 0);
  EXPECT_LT(my, 0);
  Stato.TipoVerifica = 2;
  s_.CalcolaTramok1(30);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_NEAR(s_.MomentoUltimoX, -mx, 1e-6 * mx);
  EXPECT_NEAR(s_.MomentoUltimoY, -my, 1e-6 * std::fabs(my));
}

TEST_F(VerificaSlu, FailedRunKeepsTheMomentsAndSaysWhy) {
  Stato.Fyd[0] = 450;
  StatoSlu::Carica();
  RettangoloQuattroBarre(s_, 2500);
  Carico(0);
  s_.CalcolaTramok1(0);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  const double mx = s_.MomentoUltimoX;
  const float d = SezioneProva::dNeutroSlu(s_);
  // Beyond the resultant of uniform shortening, within the limit.
  Carico(6150000);
  s_.CalcolaTramok1(0);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::NonConvergente);
  EXPECT_EQ(s_.MomentoUltimoX, mx);
  EXPECT_EQ(SezioneProva::dNeutroSlu(s_), d);
  // Beyond the limit.
  Carico(7000000);
  s_.CalcolaTramok1(0);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::OltreNlimite);
  EXPECT_EQ(s_.Tipo_Rottura, 4);
  EXPECT_NEAR(s_.Nlimite, 6200000, 1e-6);
  EXPECT_EQ(s_.MomentoUltimoX, mx);
}

TEST_F(VerificaSlu, CompressedPartAndNeutralAxisInTheSectionAxes) {
  ArmaturaSemplice();
  Carico(0);
  s_.CalcolaTramok1(0);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  const double d = SezioneProva::dNeutroSlu(s_);
  EXPECT_EQ(s_.SezioneParzializzata, 1);
  ASSERT_EQ(s_.nAsseNeutro, 1);
  const auto [a, b, c] = SezioneProva::AsseNeutro(s_);
  EXPECT_NEAR(a, 0, 1e-12);
  EXPECT_NEAR(-c / b, 250 - d, 1e-4);
  const Poligono& compressa = *s_.SezioneReagenteI->Contorno;
  EXPECT_NEAR(compressa.Area, 300 * d, 0.01);
  double x0, x1, y0, y1;
  compressa.MaxMin(x0, x1, y0, y1);
  EXPECT_NEAR(y0, 250 - d, 1e-3);
  EXPECT_NEAR(y1, 250, 1e-9);
  // fcd on the top edge, nothing on the neutral axis.
  const Vettore<double>& sigma = s_.SezioneReagenteI->SigmaVerticiCls;
  ASSERT_EQ(sigma.Ub(), compressa.nVertici());
  for (int i = 1; i <= sigma.Ub(); ++i)
    EXPECT_NEAR(sigma(i), compressa.Y(i) > 200 ? StatoSlu::fcd : 0, 1e-3) << i;
  ASSERT_EQ(s_.EpsFerri.Ub(), 3);
  EXPECT_EQ(s_.EpsCavi.Ub(), 0);

  // With the axis at 90 degrees the compressed side is x < 0.
  s_.CalcolaTramok1(90);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  const double d90 = SezioneProva::dNeutroSlu(s_);
  const auto [a90, b90, c90] = SezioneProva::AsseNeutro(s_);
  EXPECT_NEAR(b90, 0, 1e-12);
  EXPECT_NEAR(-c90 / a90, d90 - 150, 1e-4);
  s_.SezioneReagenteI->Contorno->MaxMin(x0, x1, y0, y1);
  EXPECT_NEAR(x0, -150, 1e-6);
  EXPECT_NEAR(x1, d90 - 150, 1e-3);
  EXPECT_LT(s_.MomentoUltimoY, 0);
}

TEST_F(VerificaSlu, UniformPlaneLeavesTheAxisOutsideTheSection) {
  RettangoloQuattroBarre(s_, 500);
  Carico(-2000 * StatoSlu::fyd * (1 - 1e-7));
  s_.CalcolaTramok1(0);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_EQ(SezioneProva::dNeutroSlu(s_), -SezioneCAreagente::AsseNeutroAllInfinito);
  const auto [a, b, c] = SezioneProva::AsseNeutro(s_);
  EXPECT_TRUE(std::isfinite(a) && std::isfinite(b) && std::isfinite(c));
  // Wholly in tension: no compressed part.
  EXPECT_EQ(s_.SezioneParzializzata, -1);
  EXPECT_EQ(s_.SezioneReagenteI->Contorno->nVertici(), 0);
  EXPECT_EQ(s_.SezioneReagenteI->SigmaVerticiCls.Conta(), 0);
}

TEST_F(VerificaSlu, WhollyCompressedSectionIsAllCompressedPart) {
  RettangoloQuattroBarre(s_, 500);
  Carico(2200000);
  s_.CalcolaTramok1(0);
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  ASSERT_EQ(s_.Tipo_Rottura, TipoRottura::TuttaCompressa);
  EXPECT_GT(SezioneProva::dNeutroSlu(s_), 500);
  EXPECT_EQ(s_.SezioneParzializzata, 0);
  EXPECT_NEAR(s_.SezioneReagenteI->Contorno->Area, 150000, 1e-6);
}
