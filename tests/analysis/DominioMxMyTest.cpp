#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include "SluProva.h"
#include "analysis/DirezioneMomento.h"
#include "analysis/TestoSingolo.h"
#include "doppi/FinestreRisultatiProva.h"
#include "doppi/MainProva.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

namespace {

class DominioMxMy : public ::testing::Test {
 protected:
  void SetUp() override {
    Finestre::Aperte.Main = &main_;
    main_.Controllo("F_N", 0).SetText("300");
    main_.Controllo("F_Angolo").SetText("vecchio");
    RettangoloQuattroBarre(s_, 500);
    s_.Sollecitazioni({300000, 0}, {0, 0}, {0, 0});
  }
  // The resisting couple at the angle, kNm.
  std::pair<float, float> Resistente(float angolo) {
    s_.CalcolaTramok1(angolo);
    return {static_cast<float>(s_.MomentoUltimoX / 1000000),
            static_cast<float>(s_.MomentoUltimoY / 1000000)};
  }
  bool Dominio(short& n, float MxEd, float MyEd) {
    return s_.CalcolaDominioMxMy(n, finestra_, "Sezione", MxEd, MyEd);
  }
  std::string Testo(const char* nome) { return finestra_.Controllo(nome).Text(); }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  MainProva main_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
  DominioMxMyProva finestra_;
};

}  // namespace

TEST_F(DominioMxMy, TheActingDirectionMeetsTheDomainWhereItsCoupleLies) {
  // Acting moments 0.4 times the couple at 45 degrees (inside the bracket
  // 30 to 60, so refined there).
  const auto [mx, my] = Resistente(45);
  s_.SezioneReagenteI->SetPoligono(nullptr);  // no compressed part before the domain
  short n = 12;
  ASSERT_TRUE(Dominio(n, 0.4f * mx, 0.4f * my));
  EXPECT_NEAR(Stato.AngoloFlessione, 45, 1.01);
  EXPECT_EQ(main_.Controllo("F_Angolo").Text(), TestoSingolo(Stato.AngoloFlessione));
  const double ratio = std::stod(Testo("txtRapporto"));
  EXPECT_NEAR(ratio, 0.4, 0.004);
  // The boxes hold the couple at the angle found.
  EXPECT_EQ(Testo("F_MxRd"), FormattaValore(static_cast<float>(s_.MomentoUltimoX / 1000000)));
  EXPECT_EQ(Testo("F_MyRd"), FormattaValore(static_cast<float>(s_.MomentoUltimoY / 1000000)));
  EXPECT_TRUE(box_.Mostrati().empty());
  // The compressed part left is that of the angle found, as a run there cuts it.
  ASSERT_GE(s_.SezioneReagenteI->Contorno->nVertici(), 3);
  const Vettore<double> x = s_.SezioneReagenteI->CoordX(), y = s_.SezioneReagenteI->CoordY();
  const int parzializzata = s_.SezioneParzializzata;
  s_.CalcolaTramok1(Stato.AngoloFlessione);
  EXPECT_EQ(x, s_.SezioneReagenteI->CoordX());
  EXPECT_EQ(y, s_.SezioneReagenteI->CoordY());
  EXPECT_EQ(parzializzata, s_.SezioneParzializzata);
}

TEST_F(DominioMxMy, GridAndChartOfTheSweep) {
  const auto [mx, my] = Resistente(200);
  short n = 12;
  ASSERT_TRUE(Dominio(n, 0.5f * mx, 0.5f * my));
  EXPECT_NEAR(Stato.AngoloFlessione, 200, 1.01);
  const platform::FlexGrid& g = finestra_.griglia;
  EXPECT_EQ(g.FormatString(), ">Punto|>Teta [°]|>Mx [kNm]|>My [kNm]");
  ASSERT_EQ(g.Rows(), 14);
  EXPECT_EQ(g.TextMatrix(13, 0), "13");
  EXPECT_EQ(g.TextMatrix(1, 1), " 0");
  EXPECT_EQ(g.TextMatrix(4, 1), " 90");
  EXPECT_EQ(g.TextMatrix(13, 1), " 360");
  EXPECT_EQ(g.ColWidth(0) * 2, g.ColWidth(1));
  // Mx at 90° and My at 180°: round-off of 1E-13 beside 219 kNm, shown as 0.
  EXPECT_EQ(g.TextMatrix(4, 2), " 0");
  EXPECT_EQ(g.TextMatrix(7, 3), " 0");

  const platform::Chart& c = finestra_.grafico;
  EXPECT_EQ(c.Title(), "Sezione - NEd = 300 kN");
  EXPECT_FALSE(c.UniformAxis());
  ASSERT_EQ(c.ColumnCount(), 6);
  EXPECT_EQ(c.RowCount(), 13);
  // Closed: the last angle gives the first point again.
  for (int k : {1, 2}) EXPECT_NEAR(std::stod(c.Testo(13, k)), std::stod(c.Testo(1, k)), 1e-6);
  EXPECT_EQ(c.SeriesCollection(1).LegendText, "Mx-MyRd");
  EXPECT_EQ(c.SeriesCollection(3).LegendText, "Mx-MyEd");
  EXPECT_EQ(c.SeriesCollection(3).DataPoint.Marker.Pen.VtColor, platform::ColoreRgb(0, 0, 255));
  EXPECT_EQ(c.SeriesCollection(3).DataPoint.Marker.Style, 9);
  EXPECT_EQ(c.SeriesCollection(5).LegendText, "Vettore");
  EXPECT_FALSE(c.SeriesCollection(5).SeriesMarker.Show);
  // The acting point and the resisting vector from the origin.
  EXPECT_NEAR(std::stod(c.Testo(1, 3)), 0.5 * mx, 1e-3);
  EXPECT_EQ(c.Testo(1, 5), "0");
  EXPECT_NEAR(std::stod(c.Testo(2, 5)), s_.MomentoUltimoX / 1000000, 1e-6);
}

TEST_F(DominioMxMy, NoActingMomentsGiveRatioZeroAtTheAngleInForce) {
  Stato.AngoloFlessione = 25;
  short n = 12;
  ASSERT_TRUE(Dominio(n, 0, 0));
  EXPECT_EQ(Stato.AngoloFlessione, 25);
  EXPECT_EQ(main_.Controllo("F_Angolo").Text(), "vecchio");
  EXPECT_EQ(Testo("txtRapporto"), "0");
  const auto [mx, my] = Resistente(25);
  EXPECT_EQ(Testo("F_MxRd"), FormattaValore(mx));
  EXPECT_EQ(Testo("F_MyRd"), FormattaValore(my));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(DominioMxMy, DivisionsKeptWithinTheirLimits) {
  const auto [mx, my] = Resistente(100);
  short n = 0;
  ASSERT_TRUE(Dominio(n, mx, my));
  EXPECT_EQ(n, SezioneCA::MinDivisioniMxMy);
  EXPECT_EQ(finestra_.griglia.Rows(), 5);
  EXPECT_TRUE(box_.Mostrati().empty());

  // Beyond 720 a bracket is under a degree: the refinement still takes one step.
  n = 1000;
  ASSERT_TRUE(Dominio(n, mx, my));
  EXPECT_EQ(n, 1000);
  EXPECT_NEAR(Stato.AngoloFlessione, 100, 0.37);
  EXPECT_NEAR(std::stod(Testo("txtRapporto")), 1, 0.005);

  n = 2000;
  ASSERT_TRUE(Dominio(n, mx, my));
  EXPECT_EQ(n, SezioneCA::MaxDivisioniMxMy);
  EXPECT_EQ(finestra_.griglia.Rows(), 1442);
  EXPECT_EQ(box_.Testi(), std::vector<std::string>{"Numero di divisioni ridotto a 1440"});
}

TEST_F(DominioMxMy, AFailedUltimateRunStopsTheDomain) {
  s_.Sollecitazioni({9000000, 0}, {0, 0}, {0, 0});
  short n = 12;
  EXPECT_FALSE(Dominio(n, 10, 10));
  EXPECT_EQ(box_.Mostrati().size(), 1u);  // the axial limit, once
  EXPECT_EQ(Testo("txtRapporto"), "");
  EXPECT_EQ(finestra_.griglia.Rows(), 2);
  EXPECT_EQ(main_.Controllo("F_Angolo").Text(), "vecchio");
}

// About the corner (150, 250) a compression of 2000 kN shifts every couple
// by -N (yP, xP) = (-500, -300) kNm: at angle 0, (166.4, 0) about the
// centroid becomes (-333.6, -300). The couples about the centroid stay
// under 170 kNm, so the whole domain lies beyond the origin and no acting
// direction below meets it: no result, and the angle in force stays. Input
// far out of range gives no domain either.
TEST_F(DominioMxMy, ACoupleOffTheActingDirectionIsNoResult) {
  s_.Sollecitazioni({2000000, 0}, {0, 0}, {0, 0});
  const auto [mx0, my0] = Resistente(0);
  EXPECT_NEAR(mx0, 166.377, 0.001);
  s_.xPtoCalcoloM = 150;
  s_.yPtoCalcoloM = 250;
  const auto [mx, my] = Resistente(0);
  EXPECT_NEAR(mx, mx0 - 500, 0.001);
  EXPECT_NEAR(my, my0 - 300, 0.001);
  const std::function<void()> estremi[] = {
      [] {}, [] { Stato.RapportoFccFcd = 1e10; }, [] { Stato.GammaC = 1e-10; },
      [this] { RettangoloQuattroBarre(s_, 1e30f); },
      [this] { Rettangolo(*s_.Contorno, 1e18, 1e18); }};
  const VariabiliPubbliche::StatoProgramma iniziale = Stato;
  for (const auto& imposta : estremi) {
    Stato = iniziale;
    RettangoloQuattroBarre(s_, 500);
    imposta();
    StatoSlu::Carica();
    for (const auto& [MxEd, MyEd] : {std::pair{100.f, 0.f}, {0.f, 100.f}, {-100.f, 0.f}}) {
      short n = 12;
      EXPECT_FALSE(Dominio(n, MxEd, MyEd));
      EXPECT_NE(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
      EXPECT_EQ(Testo("txtRapporto"), "");
      EXPECT_EQ(main_.Controllo("F_Angolo").Text(), "vecchio");
    }
  }
  EXPECT_EQ(box_.Testi().at(0), "Equilibrio non trovato nella direzione del momento sollecitante.");
}

TEST(RaggioIncontraSegmento, TheCrossingMustLieOnTheActingSide) {
  // Along (3, 4) the ray y = 4x/3 meets x + y = 10 at x = 30/7 > 0; the
  // opposite ray meets that line only behind the origin.
  EXPECT_TRUE(RaggioIncontraSegmento(3, 4, 10, 0, 0, 10, 1e-5));
  EXPECT_FALSE(RaggioIncontraSegmento(-3, -4, 10, 0, 0, 10, 1e-5));
  EXPECT_FALSE(RaggioIncontraSegmento(1, 0, 10, 1, 12, 3, 1e-5));  // both ends above
  EXPECT_TRUE(RaggioIncontraSegmento(1, 0, 10, 5e-6, 12, 3, 1e-5));  // an end within zero
  EXPECT_FALSE(RaggioIncontraSegmento(1, 0, -10, 5e-6, 12, 3, 1e-5));  // that end behind
  EXPECT_FALSE(RaggioIncontraSegmento(1, 0, 0, -1, 0, 1, 1e-5));  // a zero couple
  EXPECT_FALSE(RaggioIncontraSegmento(0, 0, 10, -1, 10, 1, 1e-5));  // no direction
}

TEST(ScegliIntersezione, TheCrossingOnTheSideOfTheActingMoment) {
  const Vettore<double> x{-50, 80}, y{-10, 20};
  const Vettore<int> lati{7, 2};
  // The larger component decides: Mx here, whose sign matches crossing 2.
  EXPECT_EQ(SezioneProva::ScegliIntersezione(40, -5, x, y, lati, 2), 2);
  EXPECT_EQ(SezioneProva::ScegliIntersezione(-40, 5, x, y, lati, 2), 7);
  // My here.
  EXPECT_EQ(SezioneProva::ScegliIntersezione(1, -30, x, y, lati, 2), 7);
  // Only one crossing: that one, whatever its side.
  EXPECT_EQ(SezioneProva::ScegliIntersezione(40, -5, x, y, lati, 1), 7);
}
