#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "SluProva.h"
#include "doppi/FinestreRisultatiProva.h"
#include "drawing/NumeroCella.h"

using VariabiliPubbliche::Stato;

namespace {

class DominioMN : public ::testing::Test {
 protected:
  // The verification the window's command runs first, then the domain.
  bool Dominio(short nP) {
    s_.CalcolaTramok1(0);
    return s_.CalcolaDominioMN(nP, finestra_, "Pilastro");
  }
  // T section: web 300 x 450, flange 800 x 150 on top; bars 3 x 500 at the
  // bottom, 2 x 500 at the top.
  void SezioneT() {
    s_.Coordinate(Vettore<double>{-150, 150, 150, 400, 400, -400, -400, -150},
                  Vettore<double>{0, 0, 450, 450, 600, 600, 450, 450}, 8);
    s_.BarreDati(5, {-100, 0, 100, -100, 100}, {50, 50, 50, 550, 550}, {500, 500, 500, 500, 500},
                 RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  }
  int Righe() const { return finestra_.griglia.Rows() - 1; }
  // (N, M) of grid row i as the chart holds it, kN and kNm.
  std::pair<double, double> Punto(int i) const {
    return {NumeroCella::Valore(finestra_.grafico.Testo(i, 1)),
            NumeroCella::Valore(finestra_.grafico.Testo(i, 2))};
  }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
  DominioMNProva finestra_;
};

}  // namespace

TEST_F(DominioMN, TwoHalvesFromUniformTensionToUniformCompressionCloseTheCurve) {
  RettangoloQuattroBarre(s_, 500);
  ASSERT_TRUE(Dominio(1));
  // eps_su = 0.0675 beyond 5.2 eps_yd = 0.010174: 19 points a half.
  ASSERT_EQ(Righe(), 38);
  const platform::FlexGrid& g = finestra_.griglia;
  EXPECT_EQ(g.FormatString(), ">Punto|>N [kN]|>M [kNm]|>eps.Cls.Sup [*1000]|>eps.Cls.Inf [*1000]");
  EXPECT_EQ(g.Cols(), 5);
  EXPECT_EQ(g.TextMatrix(38, 0), "38");
  EXPECT_EQ(g.TextMatrix(1, 3), "-67.5");
  EXPECT_EQ(g.TextMatrix(1, 4), "-67.5");
  EXPECT_EQ(g.TextMatrix(19, 3), " 2");
  EXPECT_EQ(g.TextMatrix(19, 4), " 2");
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(g.TextMatrix(38, c), g.TextMatrix(1, c)) << c;
  // Symmetric about the moment point: the second half mirrors the first.
  for (int i = 1; i <= 19; ++i) {
    EXPECT_NEAR(Punto(39 - i).first, Punto(i).first, 1e-3) << i;
    EXPECT_NEAR(Punto(39 - i).second, -Punto(i).second, 1e-3) << i;
  }
  const platform::Chart& c = finestra_.grafico;
  EXPECT_EQ(c.RowCount(), 38);
  EXPECT_EQ(c.Title(), "Pilastro");
  EXPECT_FALSE(c.UniformAxis());
  EXPECT_EQ(c.SeriesCollection(1).LegendText, "M-NRd");
  EXPECT_EQ(c.SeriesCollection(1).DataPoint.Marker.Pen.VtColor, platform::ColoreRgb(255, 0, 0));
  EXPECT_EQ(finestra_.puntiSollecitazione, 1);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(DominioMN, SteelRangeNotSplitBelowFiveTimesTheYieldStrain) {
  Stato.EpsSu = 0.01;
  StatoSlu::Carica();
  RettangoloQuattroBarre(s_, 500);
  ASSERT_TRUE(Dominio(1));
  EXPECT_EQ(Righe(), 32);
  EXPECT_EQ(finestra_.griglia.TextMatrix(1, 3), "-10");
}

TEST_F(DominioMN, SluMinusShowsTheDomainTheOtherWayRound) {
  SezioneT();
  ASSERT_TRUE(Dominio(1));
  // Row 32 by hand: the turned sweep's web edge at eps_cu, its bars (d = 550) at -eps_su;
  // the top edge 600 above at 3.5 - 600 (3.5 + 67.5) / 550 = -74.0 per mille.
  EXPECT_EQ(finestra_.griglia.TextMatrix(32, 3) + finestra_.griglia.TextMatrix(32, 4), "-74.0 3.5");
  std::vector<std::pair<double, double>> positivo;
  for (int i = 1; i <= Righe(); ++i) positivo.push_back(Punto(i));
  // Unsymmetric: the turned half is no mirror of the first.
  EXPECT_GT(std::fabs(positivo[12].second + positivo[25].second), 100);

  Stato.TipoVerifica = 2;
  ASSERT_TRUE(Dominio(1));
  ASSERT_EQ(Righe(), 38);
  EXPECT_EQ(finestra_.griglia.FormatString(),
            ">Punto|>N [kN]|>M [kNm]|>eps.Cls.Inf [*1000]|>eps.Cls.Sup [*1000]");
  for (int i = 1; i <= 38; ++i) {
    EXPECT_NEAR(Punto(i).first, positivo[static_cast<size_t>(38 - i)].first, 1e-2) << i;
    EXPECT_NEAR(Punto(i).second, positivo[static_cast<size_t>(38 - i)].second, 1e-2) << i;
  }
}

TEST_F(DominioMN, MorePointsOnRecalculationAndTheSectionLeftAsItWas) {
  SezioneT();
  s_.CalcolaTramok1(0);
  const SezioneCAreagente& slu = SezioneProva::ReagenteSlu(static_cast<const SezioneCA&>(s_));
  const float h = slu.hTotale, y = slu.ySezMax, d = slu.hUtile, dSezione = s_.hUtile;
  const double x1 = slu.Contorno->X(1);
  short nP = 0;
  ASSERT_TRUE(s_.CalcolaDominioMN(nP, finestra_, "T"));
  EXPECT_EQ(nP, 1);
  EXPECT_EQ(Righe(), 38);
  nP = 2;
  ASSERT_TRUE(s_.CalcolaDominioMN(nP, finestra_, "T"));
  EXPECT_EQ(Righe(), 74);
  EXPECT_EQ(slu.hTotale, h);
  EXPECT_EQ(slu.ySezMax, y);
  EXPECT_EQ(slu.hUtile, d);
  EXPECT_EQ(s_.hUtile, dSezione);
  EXPECT_NEAR(slu.Contorno->X(1), x1, 1e-9);
}

TEST_F(DominioMN, NothingAfterAFailedVerification) {
  RettangoloQuattroBarre(s_, 500);
  s_.Sollecitazioni({9000000, 0}, {0, 0}, {0, 0});
  EXPECT_FALSE(Dominio(1));
  EXPECT_EQ(box_.Mostrati().size(), 1u);  // the axial limit, from the verification
  EXPECT_EQ(finestra_.griglia.Rows(), 2);
  EXPECT_EQ(finestra_.grafico.RowCount(), 0);
  EXPECT_EQ(finestra_.puntiSollecitazione, 0);
}

TEST_F(DominioMN, SteelAtTheTopFibreOfTheTurnedSectionIsRefused) {
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(2, {-100, 100}, {-250, -250}, {500, 500}, RapportiN, 0, Nessuno, Nessuno, Nessuno,
               Nessuno);
  EXPECT_FALSE(Dominio(1));
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{"Dominio M-N non calcolabile: altezza utile nulla"});
  EXPECT_EQ(finestra_.griglia.Rows(), 2);
  EXPECT_EQ(s_.hUtile, 500);  // back in the frame of the verification
}

TEST_F(DominioMN, GridsBeyondSixteenBitCellIndexesKeepTheirLastRows) {
  Stato.NumeroRettangoli = 20;
  RettangoloQuattroBarre(s_, 500);
  ASSERT_TRUE(Dominio(200));
  // 2 x (18 x 200 + 1) rows of 5 cells: 36015 cells with the header.
  ASSERT_EQ(Righe(), 7202);
  const platform::FlexGrid& g = finestra_.griglia;
  EXPECT_EQ(g.TextMatrix(7202, 0), "7202");
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(g.TextMatrix(7202, c), g.TextMatrix(1, c)) << c;
  EXPECT_EQ(g.TextMatrix(3601, 3), " 2");
}

// The domain and the verification reach the same resistance by two roads:
// the verification under a domain point's N finds that point's moment. The
// grid holds 4 significant digits of kN and kNm.
TEST_F(DominioMN, EveryInnerPointIsWhatTheVerificationFindsUnderItsAxialForce) {
  SezioneT();
  ASSERT_TRUE(Dominio(3));
  const int meta = Righe() / 2;
  int confrontati = 0;
  for (int i = 2; i < meta; ++i) {
    const auto [n, m] = Punto(i);
    // Away from the two ends, where |N| reaches the limit of the check.
    if (std::fabs(n * 1000) >= 0.95 * std::fabs(s_.Nlimite)) continue;
    s_.Sollecitazioni({n * 1000, 0}, {0, 0}, {0, 0});
    s_.CalcolaTramok1(0);
    if (s_.EsitoSlu == EsitoCalcoloSlu::OltreNlimite) continue;
    ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito) << i;
    EXPECT_NEAR(s_.MomentoUltimoX / 1e6, m, 2e-3 * std::fabs(m) + 0.5) << "point " << i;
    ++confrontati;
  }
  EXPECT_GT(confrontati, 8);
}

