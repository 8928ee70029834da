#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "SluProva.h"
#include "doppi/FinestreRisultatiProva.h"
#include "doppi/MainProva.h"
#include "drawing/NumeroCella.h"
#include "model/Formato.h"
#include "model/Formattazione.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

namespace {

constexpr double epsYd = StatoSlu::fyd / 200000;

class MomentoCurvatura : public ::testing::Test {
 protected:
  MomentoCurvatura() { Finestre::Aperte.Main = &main_; }

  // 300 x 500, 3 bars of area a at y = -200 (d = 450).
  void Trave(float a) {
    Rettangolo(*s_.Contorno, 300, 500);
    s_.BarreDati(3, {-100, 0, 100}, {-200, -200, -200}, {a, a, a}, RapportiN, 0, Nessuno,
                 Nessuno, Nessuno, Nessuno);
  }
  void Carico(double N) { s_.Sollecitazioni({N, 0}, {0, 0}, {0, 0}); }
  SezioneCAreagente& Reagente() { return *SezioneProva::ReagenteSlu(s_); }
  // Point r of the chart series whose x column is k: (Curv·H per mille, kNm).
  std::pair<double, double> Punto(const MomCurvProva& f, int k, int r) const {
    return {NumeroCella::Valore(f.grafico.Testo(r, k)),
            NumeroCella::Valore(f.grafico.Testo(r, k + 1))};
  }
  std::string Etichetta(MomCurvProva& f, const char* nome) { return f.Controllo(nome).Caption(); }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  MainProva main_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
  MomCurvProva colonna_{"MomCurv"};
  MomCurvProva solo_{"MomCurvSolo"};
};

}  // namespace

// ---------------------------------------------------------------- the engine

TEST_F(MomentoCurvatura, PlaneOfAGivenCurvatureInEquilibriumWithN) {
  Trave(500);
  Carico(0);
  s_.CalcolaTramok1(0);
  SezioneCAreagente& r = Reagente();
  for (const double N : {0.0, 400000.0}) {
    float inf = 0.02f, sup = 0, nCls = 0;
    double M = 0;
    ASSERT_TRUE(r.CalcolaMomentoCurvatura(N, 0.004f, inf, 1, M, nCls, sup)) << N;
    EXPECT_FLOAT_EQ(sup - inf, 0.004f);
    EXPECT_EQ(r.EpsCsup, sup);
    EXPECT_LT(std::fabs(r.RisultanteAssiale(sup, inf, N)), 2 * r.ApprossimazioneRisultante);
    EXPECT_NEAR(nCls, r.RisultanteAcciaio(sup, inf) + N, 2 * r.ApprossimazioneRisultante);
    double mx, my, ms, mys;
    r.MomentiUltimiCls(mx, my);
    r.MomentiUltimiAcciaio(ms, mys);
    EXPECT_DOUBLE_EQ(M, mx + ms);
  }
  // No curvature: a uniform plane, found all the same.
  float inf = 0.02f, sup = 0, nCls = 0;
  double M = 0;
  ASSERT_TRUE(r.CalcolaMomentoCurvatura(400000, 0, inf, 1, M, nCls, sup));
  EXPECT_EQ(sup, inf);
  EXPECT_LT(std::fabs(r.RisultanteAssiale(sup, inf, 400000)), 2 * r.ApprossimazioneRisultante);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(MomentoCurvatura, AForceNoPlaneBalancesStopsTheSearchWithAMessage) {
  Trave(500);
  Carico(0);
  s_.CalcolaTramok1(0);
  float inf = 0.02f, sup = 0, nCls = 0;
  double M = 0;
  EXPECT_FALSE(Reagente().CalcolaMomentoCurvatura(1E8, 0.004f, inf, 1, M, nCls, sup));
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{"ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!"});
}

TEST_F(MomentoCurvatura, AStartAlreadyInEquilibriumIsTakenAsItIs) {
  Trave(500);
  Carico(0);
  s_.CalcolaTramok1(0);
  SezioneCAreagente& r = Reagente();
  const float partenza = 0.001f;
  const double N = r.RisultanteAssiale(partenza + 0.003f, partenza, 0);
  float inf = partenza, sup = 0, nCls = 0;
  double M = 0;
  ASSERT_TRUE(r.CalcolaMomentoCurvatura(N, 0.003f, inf, 1, M, nCls, sup));
  EXPECT_EQ(inf, partenza);
  EXPECT_EQ(box_.Testi(), std::vector<std::string>{"rottura !"});
}

TEST_F(MomentoCurvatura, YieldCurvaturePutsTheLowestBarsAtTheirYieldStrain) {
  Trave(500);
  Carico(0);
  s_.CalcolaTramok1(0);
  SezioneCAreagente& r = Reagente();
  const auto curvatura = r.CurvaturaSnervamento(0, 0.001f, 0.008f);
  ASSERT_TRUE(curvatura);
  EXPECT_EQ(r.Tipo_Rottura, TipoRottura::SnervamentoAcciaio);
  EXPECT_NEAR(*curvatura * r.hUtile / r.hTotale - r.EpsCsup, epsYd, 1e-7);
  EXPECT_LT(std::fabs(r.RisultanteAssiale(r.EpsCsup, r.EpsCinf, 0)), r.ApprossimazioneRisultante);
}

// ---------------------------------------------------------------- model column

TEST_F(MomentoCurvatura, ColumnOfOneDivisionAtLeastEndsAtTheUltimateCurvature) {
  Trave(500);
  Carico(0);
  short n = 0;
  s_.CalcolaColonnaModello(n, colonna_);
  EXPECT_EQ(n, 1);
  const double ultima = (SezioneProva::EpsCmaxSlu(s_) - SezioneProva::EpsCminSlu(s_)) * 1000;
  const platform::FlexGrid& g = colonna_.griglia;
  EXPECT_EQ(g.FormatString(),
            ">Curv. · H [‰]|>M [kN m]|>M - M2 [kN m]|>eps Cls [‰]|>eps Acc [‰]|>N Cls [kN]");
  ASSERT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.TextMatrix(2, 0), Formattazione::Formato(static_cast<float>(ultima), "##0.000"));
  EXPECT_NEAR(Punto(colonna_, 1, 3).first, ultima, 1e-5);
  EXPECT_NEAR(Punto(colonna_, 1, 3).second, s_.MomentoUltimoX / 1000000, 1e-3);
  EXPECT_EQ(Etichetta(colonna_, "lblMomCurv"), "(H=atezza totale sezione = 500 mm)");
  EXPECT_EQ(colonna_.grafico.SeriesCollection(1).DataPoint.Marker.Style, 10);
}

TEST_F(MomentoCurvatura, SecondOrderMomentAlongTheCurveOfAColumn) {
  RettangoloQuattroBarre(s_, 500);
  const double N = 500000;
  Carico(N);
  Stato.LunghezzaL0 = 6000;
  short n = 20;
  s_.CalcolaColonnaModello(n, colonna_);
  const platform::Chart& c = colonna_.grafico;
  ASSERT_EQ(c.ColumnCount(), 8);
  const double H = 500;
  // M2 = N (1/r) l0^2 / 10, a straight line to the ultimate curvature.
  EXPECT_EQ(c.SeriesCollection(3).LegendText, "M2");
  const auto [xu, m2u] = Punto(colonna_, 3, 2);
  EXPECT_NEAR(m2u, N * xu / 1000 / H * 6000 * 6000 / 10 / 1000000, 1e-4);
  // M1Rd: the largest M - M2 of the grid, on a vertical segment.
  EXPECT_EQ(c.SeriesCollection(5).LegendText, "max M1Rd");
  const auto [x1, m2] = Punto(colonna_, 5, 1);
  const auto [x2, mMax] = Punto(colonna_, 5, 2);
  EXPECT_EQ(x1, x2);
  const double m1Rd = mMax - m2;
  EXPECT_EQ(Etichetta(colonna_, "M_M2max"), Formattazione::FormattaMaxCaratteri(3, 9, m1Rd));
  EXPECT_EQ(Etichetta(colonna_, "lblE2"),
            Formattazione::FormattaMaxCaratteri(3, 9, static_cast<float>(m2 * 1000000) / N));
  const platform::FlexGrid& g = colonna_.griglia;
  for (int i = 1; i < g.Rows(); ++i) {
    const double m = NumeroCella::Valore(g.TextMatrix(i, 1));
    const double curvH = NumeroCella::Valore(g.TextMatrix(i, 0)) / 1000;
    EXPECT_NEAR(NumeroCella::Valore(g.TextMatrix(i, 2)), m - N * curvH / H * 3600000 / 1000000,
                0.02)
        << i;
    EXPECT_LE(NumeroCella::Valore(g.TextMatrix(i, 2)), m1Rd + 0.005) << i;
  }
  // Ductility from the yield point, drawn as the fourth series.
  EXPECT_EQ(c.SeriesCollection(7).LegendText, "Snerv.");
  const double xy = Punto(colonna_, 7, 2).first;
  EXPECT_EQ(Punto(colonna_, 7, 1), std::make_pair(xy, 0.0));
  EXPECT_NEAR(std::stod(Etichetta(colonna_, "lblMuFi")), xu / xy, 0.01);
}

TEST_F(MomentoCurvatura, BarsThatNeverYieldGiveNoDuctility) {
  RettangoloQuattroBarre(s_, 500);
  Carico(1500000);  // above the balanced axial force
  short n = 10;
  s_.CalcolaColonnaModello(n, colonna_);
  EXPECT_EQ(Etichetta(colonna_, "lblMuFi"), "0");
  EXPECT_EQ(colonna_.grafico.ColumnCount(), 6);
  EXPECT_EQ(colonna_.griglia.Rows(), 12);
}

TEST_F(MomentoCurvatura, NoCurveWithoutValidInputAForceTheSectionCarriesAndAVerification) {
  MainProva& main = main_;
  Trave(500);
  Carico(0);
  short n = 5;
  main.datiValidi = false;
  s_.CalcolaColonnaModello(n, colonna_);
  EXPECT_EQ(box_.Testi(), std::vector<std::string>{});  // the window has said why
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::NonEseguito);

  main.datiValidi = true;
  Carico(-587000);  // just beyond the bars' As fyd = 586950
  s_.CalcolaColonnaModello_solo(n, solo_);
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{"Forza assiale massima ammissibile = -586.95 kN"});
  Carico(5000000);
  s_.CalcolaColonnaModello(n, colonna_);
  EXPECT_EQ(box_.Mostrati().size(), 2u);  // the compression limit's too
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::OltreNlimite);
  EXPECT_EQ(main.letture, 3);
  for (MomCurvProva* f : {&colonna_, &solo_}) {
    EXPECT_EQ(f->griglia.Rows(), 2);
    EXPECT_EQ(f->grafico.ColumnCount(), 0);
    EXPECT_EQ(Etichetta(*f, "lblE2"), "");
  }
  EXPECT_EQ(n, 5);

  // The allowable-stress method leaves no ultimate state to start from.
  box_.Svuota();
  Carico(0);
  Stato.TipoVerifica = 1;
  s_.CalcolaColonnaModello_solo(n, solo_);
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{"Il diagramma momento-curvatura richiede la verifica S.L.U."});
  EXPECT_EQ(solo_.grafico.ColumnCount(), 0);
}

// ---------------------------------------------------------------- diagram

TEST_F(MomentoCurvatura, DiagramMarksYieldThenEpsC2) {
  Trave(500);
  Carico(0);
  short n = 20;
  s_.CalcolaColonnaModello_solo(n, solo_);
  const platform::Chart& c = solo_.grafico;
  ASSERT_EQ(c.ColumnCount(), 6);
  EXPECT_EQ(c.SeriesCollection(3).LegendText, "Eps,syd");
  EXPECT_EQ(c.SeriesCollection(3).Pen.VtColor, platform::ColoreRgb(0, 0, 255));
  EXPECT_EQ(c.SeriesCollection(5).LegendText, "Eps,c2");
  EXPECT_EQ(c.SeriesCollection(5).Pen.VtColor, platform::ColoreRgb(255, 0, 255));
  EXPECT_FALSE(c.SeriesCollection(5).SeriesMarker.Show);
  const double xy = Punto(solo_, 3, 2).first;
  EXPECT_LT(xy, Punto(solo_, 5, 2).first);
  // The points are rows of the grid, in bold where they are.
  const platform::FlexGrid& g = solo_.griglia;
  EXPECT_EQ(g.FormatString(), ">Curv. · H [‰]|>M [kN m]|>eps Cls [‰]|>eps Acc [‰]|>N Cls [kN]");
  int righeEpsC2 = 0, righeSnervamento = 0;
  for (int i = 1; i < g.Rows(); ++i) {
    if (g.CellFontBold(i, 2)) {
      ++righeEpsC2;
      EXPECT_EQ(g.TextMatrix(i, 2), "2.000");
    }
    if (g.CellFontBold(i, 3)) {
      ++righeSnervamento;
      EXPECT_EQ(g.TextMatrix(i, 3), Formattazione::Formato(epsYd * 1000, "##0.000"));
      EXPECT_EQ(g.TextMatrix(i, 0), Formattazione::Formato(xy, "##0.000"));
    }
    EXPECT_FALSE(g.CellFontBold(i, 1));
  }
  EXPECT_EQ(righeEpsC2, 1);
  EXPECT_EQ(righeSnervamento, 1);
}

TEST_F(MomentoCurvatura, TwoPointsOfTheFirstStepKeepTheirOrderFromTheOrigin) {
  // eps_c2 just before the yield, both before half the ultimate curvature.
  Trave(550);
  Carico(0);
  short n = 0;
  s_.CalcolaColonnaModello_solo(n, solo_);
  ASSERT_EQ(solo_.grafico.ColumnCount(), 6);
  EXPECT_EQ(solo_.grafico.SeriesCollection(3).LegendText, "Eps,c2");
  EXPECT_EQ(solo_.grafico.SeriesCollection(5).LegendText, "Eps,syd");
  const double xc2 = Punto(solo_, 3, 2).first, xy = Punto(solo_, 5, 2).first;
  EXPECT_EQ(Punto(solo_, 1, 1).first, xc2);
  EXPECT_EQ(Punto(solo_, 1, 2).first, xy);
  EXPECT_LT(xc2, xy);
  EXPECT_NEAR(Punto(solo_, 1, 3).first,
              (SezioneProva::EpsCmaxSlu(s_) - SezioneProva::EpsCminSlu(s_)) * 1000, 1e-5);
  EXPECT_TRUE(solo_.griglia.CellFontBold(1, 3));
}

TEST_F(MomentoCurvatura, TwoPointsOfTheLastStepLeaveTheUltimatePoint) {
  // eps_cu close to eps_c2: yield, then eps_c2, both after half the ultimate curvature.
  Stato.EpsCu = 0.0021;
  StatoSlu::Carica();
  Trave(500);
  Carico(0);
  short n = 0;
  s_.CalcolaColonnaModello_solo(n, solo_);
  const double ultima = (SezioneProva::EpsCmaxSlu(s_) - SezioneProva::EpsCminSlu(s_)) * 1000;
  ASSERT_EQ(solo_.grafico.ColumnCount(), 6);
  EXPECT_EQ(solo_.grafico.SeriesCollection(3).LegendText, "Eps,syd");
  EXPECT_EQ(Punto(solo_, 1, 1).first, Punto(solo_, 3, 2).first);
  EXPECT_EQ(Punto(solo_, 1, 2).first, Punto(solo_, 5, 2).first);
  EXPECT_NEAR(Punto(solo_, 1, 3).first, ultima, 1e-5);
  EXPECT_NEAR(Punto(solo_, 1, 3).second, s_.MomentoUltimoX / 1000000, 1e-3);
  EXPECT_EQ(Etichetta(solo_, "MRd"), FormattaValore(s_.MomentoUltimoX / 1000000));
}

TEST_F(MomentoCurvatura, NeitherPointBeforeTheUltimateCurvature) {
  // The steel fails at 5 per mille, below its yield strain 1200 / 200000 = 6
  // per mille; 3 x 80 mm2 at 1000 N/mm2 pull 240 kN, which a parabola of
  // about 1.5 per mille at the top balances (x = 450 x 1.5 / 6.5 = 104 mm,
  // mean stress 14.17 x (0.75 - 0.75^2 / 3) = 7.97 N/mm2 on 300 mm): below eps_c2.
  Stato.EpsSu = 0.005;
  Stato.Fyd[0] = 1200;
  Stato.EpsYdSezione[0] = 1200.0 / 200000;
  StatoSlu::Carica();
  Trave(80);
  Carico(0);
  short n = 4;
  s_.CalcolaColonnaModello_solo(n, solo_);
  EXPECT_EQ(Etichetta(solo_, "lblE2"), "-");
  EXPECT_EQ(Etichetta(solo_, "lblMuFi"), "-");
  EXPECT_EQ(solo_.grafico.ColumnCount(), 2);
  EXPECT_EQ(solo_.grafico.RowCount(), 6);
  EXPECT_TRUE(box_.Mostrati().empty());
}
