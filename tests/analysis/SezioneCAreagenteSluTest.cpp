#include <gtest/gtest.h>

#include <cmath>

#include "SluProva.h"
#include "drawing/Grafica_Polilinee.h"

using VariabiliPubbliche::Stato;

namespace {

class PianoUltimo : public ::testing::Test {
 protected:
  // Depth 500, lowest steel at 450 from the top.
  void Profondita() {
    s_.hTotale = 500;
    s_.hUtile = 450;
  }
  std::vector<std::string> Testi() const { return box_.Testi(); }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  SezioneCAreagente s_;
};

constexpr double epsCu = 0.0035, epsSu = 0.0675, epsC2 = 0.002;

}  // namespace

TEST_F(PianoUltimo, VariaEpsReproducesTheBracketingPlanes) {
  Profondita();
  // Concrete at eps_cu and the lowest steel at eps_su: x1 = eps_cu - EpsCinf.
  const double inizioInf = -epsSu - 50 * (epsSu + epsCu) / 450;
  const double x1 = epsCu - inizioInf;
  for (int tipo : {0, 1}) {
    s_.Tipo_Rottura = tipo;
    s_.VariaEps(x1);
    EXPECT_NEAR(s_.EpsCsup, epsCu, 2e-8) << tipo;
    EXPECT_NEAR(s_.EpsCinf, inizioInf, 2e-8) << tipo;
    EXPECT_EQ(s_.Tipo_Rottura, tipo);
  }
  // x = 0: uniform elongation on the steel side, uniform shortening (wholly
  // compressed) on the concrete side.
  s_.Tipo_Rottura = 1;
  s_.VariaEps(0);
  EXPECT_FLOAT_EQ(s_.EpsCsup, -epsSu);
  EXPECT_FLOAT_EQ(s_.EpsCinf, -epsSu);
  s_.Tipo_Rottura = 0;
  s_.VariaEps(0);
  EXPECT_EQ(s_.Tipo_Rottura, 2);
  EXPECT_FLOAT_EQ(s_.EpsCsup, epsC2);
  EXPECT_FLOAT_EQ(s_.EpsCinf, epsC2);
  // Concrete only starts nearly vertical through the top fibre and keeps its type.
  s_.Tipo_Rottura = 5;
  s_.VariaEps(epsCu + 10000);
  EXPECT_FLOAT_EQ(s_.EpsCsup, epsCu);
  EXPECT_FLOAT_EQ(s_.EpsCinf, -10000);
  s_.VariaEps(0);
  EXPECT_EQ(s_.Tipo_Rottura, 5);
  EXPECT_FLOAT_EQ(s_.EpsCinf, epsC2);
  // Lowest steel at yield.
  s_.Tipo_Rottura = 6;
  s_.VariaEps(0.001);
  EXPECT_FLOAT_EQ(s_.EpsCsup, -StatoSlu::fyd / 200000 + 0.001 * 450 / 500);
  EXPECT_FLOAT_EQ(s_.EpsCsup - s_.EpsCinf, 0.001);
}

TEST_F(PianoUltimo, WhollyCompressedPlaneTurnsWhereTheTopReachesEpsCuLast) {
  Profondita();
  // Default strains: the pivot is the fibre at 3/7 of the depth.
  s_.Tipo_Rottura = 2;
  s_.VariaEps(0.0014);
  EXPECT_FLOAT_EQ(s_.EpsCsup, epsC2 + 3 * 0.0014 / 7);

  // fck 70: eps_c2 / eps_cu = 0.9096.
  const double cu = 0.002656, c2 = 0.0024159;
  Stato.EpsCu = cu;
  Stato.EpsC2 = c2;
  StatoSlu::Carica();
  const double perno = (1 - c2 / cu) * 500;
  for (double x = 0; x < cu; x += cu / 10) {
    s_.Tipo_Rottura = 2;
    s_.VariaEps(x);
    EXPECT_EQ(s_.Tipo_Rottura, 2);
    EXPECT_LE(s_.EpsCsup, static_cast<float>(cu)) << x;
    EXPECT_NEAR(s_.EpsCsup - (s_.EpsCsup - s_.EpsCinf) * perno / 500, c2, 1e-9) << x;
  }
  // The planes of types 2 and 0 meet at x = eps_cu.
  s_.VariaEps(cu * (1 - 1e-7));
  const float sotto = s_.EpsCsup;
  s_.VariaEps(cu);
  EXPECT_EQ(s_.Tipo_Rottura, 0);
  EXPECT_NEAR(sotto, s_.EpsCsup, 1e-9);
  EXPECT_FLOAT_EQ(s_.EpsCinf, 0);
}

TEST_F(PianoUltimo, UnknownFailureTypeIsToldAndThePlaneIsKept) {
  Profondita();
  s_.EpsCsup = 0.001F;
  s_.EpsCinf = -0.002F;
  s_.Tipo_Rottura = 3;
  s_.VariaEps(0.01);
  s_.Tipo_Rottura = -1;
  s_.VariaEps(0.01);
  EXPECT_EQ(Testi(), (std::vector<std::string>{"Tipo di rottura =  3 non previsto !ERRORE !",
                                               "Tipo di rottura = -1 non previsto !ERRORE !"}));
  EXPECT_EQ(s_.EpsCsup, 0.001F);
  EXPECT_EQ(s_.EpsCinf, -0.002F);
}

TEST_F(PianoUltimo, AxialLimitIsStrictOnBothSides) {
  RettangoloQuattroBarre(s_, 500);
  // Compression: fcc = 0.8 fcd on the concrete, eps_cu on the steel (capped at fyd).
  double compressione = 0, n = 0;
  EXPECT_TRUE(s_.ControllaForzaAssialeLimite(0, compressione));
  EXPECT_NEAR(compressione, 0.8 * StatoSlu::fcd * 150000 + 2000 * StatoSlu::fyd, 1e-6);
  EXPECT_TRUE(s_.ControllaForzaAssialeLimite(std::nextafter(compressione, 0.0), n));
  EXPECT_TRUE(box_.Mostrati().empty());
  EXPECT_FALSE(s_.ControllaForzaAssialeLimite(compressione, n));
  ASSERT_EQ(box_.Mostrati().size(), 1U);
  // Four digits, 2483 kN, would not be short of the 2482.6 kN refused.
  EXPECT_EQ(box_.Mostrati()[0].testo, "Forza assiale massima ammissibile = 2,482.6 kN");
  EXPECT_EQ(box_.Mostrati()[0].titolo, "ERRORE !");
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
  // Tension: the steel alone at -eps_su.
  const double trazione = -2000 * StatoSlu::fyd;
  EXPECT_TRUE(s_.ControllaForzaAssialeLimite(std::nextafter(trazione, 0.0), n));
  EXPECT_NEAR(n, trazione, 1e-6);
  EXPECT_FALSE(s_.ControllaForzaAssialeLimite(trazione, n));
}

// Steel with fyd above Es * eps_c2: uniform shortening resists less than the
// limit allows.
TEST_F(PianoUltimo, NoSignChangeFailsTheRunWithoutMoments) {
  Stato.Fyd[0] = 450;
  StatoSlu::Carica();
  RettangoloQuattroBarre(s_, 2500);
  const std::string nonConverge = "ERRORE! Il procedimento non converge.";
  for (bool precompresso : {false, true}) {
    Stato.Precompresso = precompresso;
    box_.Svuota();
    s_.dNeutro = 7;
    double mx = 123, my = 456;
    int tipo = 6;
    s_.CalcolaMomentiUltimi(6150000, tipo, mx, my);
    EXPECT_EQ(s_.Esito, EsitoCalcoloSlu::NonConvergente);
    EXPECT_EQ(tipo, 0);
    EXPECT_EQ(mx, 123);
    EXPECT_EQ(my, 456);
    EXPECT_EQ(s_.dNeutro, 7);
    EXPECT_EQ(Testi(), std::vector<std::string>{
                           precompresso ? nonConverge + "\r\nProbabile compressione eccessiva."
                                        : nonConverge});
  }
}

// Bars on the top fibre leave no useful depth: the concrete-only planes
// cannot balance a tension, and the search fails instead of stopping on the
// uniformly compressed plane.
TEST_F(PianoUltimo, FailedRootSearchFailsTheRun) {
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(3, {-100, 0, 100}, {250, 250, 250}, {500, 500, 500}, RapportiN, 0, Nessuno,
               Nessuno, Nessuno, Nessuno);
  double mx = 123, my = 456;
  int tipo = 0;
  s_.CalcolaMomentiUltimi(-100000, tipo, mx, my);
  EXPECT_EQ(tipo, 5);
  EXPECT_EQ(s_.Esito, EsitoCalcoloSlu::NonConvergente);
  EXPECT_EQ(mx, 123);
  EXPECT_EQ(my, 456);
  EXPECT_EQ(Testi(), std::vector<std::string>{"ERRORE! La funzione non cambia segno fra x1 e x2"});
}

// fcc/fcd = 1E10 makes the limit, and the search tolerance taken from it,
// 1E10 times too large: the first plane tried would pass. The plane must
// balance N within a millionth of 150000 fcd + 2000 fyd (about 2.9 N).
TEST_F(PianoUltimo, APlaneOutOfEquilibriumIsNoResult) {
  RettangoloQuattroBarre(s_, 500);
  Stato.RapportoFccFcd = 1e10;
  StatoSlu::Carica();
  double mx = 123, my = 456;
  int tipo = 0;
  s_.CalcolaMomentiUltimi(0, tipo, mx, my);
  EXPECT_EQ(s_.Esito, EsitoCalcoloSlu::NonConvergente);
  EXPECT_EQ(mx, 123);
  EXPECT_EQ(my, 456);
  Stato.RapportoFccFcd = 0.8;
  StatoSlu::Carica();
  s_.CalcolaMomentiUltimi(0, tipo, mx, my);
  EXPECT_EQ(s_.Esito, EsitoCalcoloSlu::Riuscito);
  EXPECT_TRUE(s_.InEquilibrio(0));
}

TEST_F(PianoUltimo, NoStripsIsRefusedNotComputed) {
  RettangoloQuattroBarre(s_, 500);
  Stato.NumeroRettangoli = 0;
  double mx = 123, my = 456;
  int tipo = 0;
  s_.CalcolaMomentiUltimi(100000, tipo, mx, my);
  EXPECT_EQ(s_.Esito, EsitoCalcoloSlu::SenzaStrisce);
  EXPECT_EQ(mx, 123);
  EXPECT_EQ(my, 456);
  EXPECT_EQ(Testi(), std::vector<std::string>{"Il numero di rettangolini deve essere >= 1"});
}

TEST_F(PianoUltimo, UniformFinalPlaneHasItsAxisFarAwayOnTheRightSide) {
  RettangoloQuattroBarre(s_, 500);
  // Within the tolerance of the uniform elongation: all the steel at fyd.
  double mx = 0, my = 0;
  int tipo = 0;
  s_.CalcolaMomentiUltimi(-2000 * StatoSlu::fyd * (1 - 1e-7), tipo, mx, my);
  ASSERT_EQ(s_.Esito, EsitoCalcoloSlu::Riuscito);
  EXPECT_EQ(tipo, 1);
  EXPECT_FLOAT_EQ(s_.EpsCsup, -epsSu);
  EXPECT_EQ(s_.EpsCinf, s_.EpsCsup);
  EXPECT_EQ(s_.dNeutro, -SezioneCAreagente::AsseNeutroAllInfinito);
  EXPECT_FLOAT_EQ(s_.yNeutro, 250 + SezioneCAreagente::AsseNeutroAllInfinito);
  EXPECT_NEAR(mx, 0, 1e-6);

  // Uniform shortening, reachable when the limit counts fcc above fcd.
  Stato.RapportoFccFcd = 1.5;
  StatoSlu::Carica();
  s_.CalcolaMomentiUltimi((StatoSlu::fcd * 150000 + 2000 * StatoSlu::fyd) * (1 - 1e-7), tipo, mx,
                          my);
  ASSERT_EQ(s_.Esito, EsitoCalcoloSlu::Riuscito);
  EXPECT_FLOAT_EQ(s_.EpsCsup, epsC2);
  EXPECT_EQ(s_.EpsCinf, s_.EpsCsup);
  EXPECT_EQ(s_.dNeutro, SezioneCAreagente::AsseNeutroAllInfinito);
  EXPECT_TRUE(std::isfinite(s_.yNeutro));
  EXPECT_NEAR(mx, 0, 1);
}

TEST_F(PianoUltimo, LowestSteelWhateverItsSign) {
  Rettangolo(*s_.Contorno, 300, 500);
  EXPECT_EQ(s_.yFerriMinFunz(), 0);  // no steel
  s_.BarreDati(2, {0, 50}, {150, 100}, {100, 100}, RapportiN, 0, Nessuno, Nessuno, Nessuno,
               Nessuno);
  EXPECT_EQ(s_.yFerriMinFunz(), 100);
  s_.BarreDati(2, {0, 50}, {150, 100}, {100, 100}, RapportiN, 1, {0}, {-220}, {100}, {1000});
  EXPECT_EQ(s_.yFerriMinFunz(), -220);
}

TEST_F(PianoUltimo, ResultantsOfConcreteAndSteel) {
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(1, {0}, {-200}, {100}, RapportiN, 1, {0}, {-200}, {100}, {800},
               Vettore<double>{0.004});
  double h, b, y;
  s_.Contorno->DiscretizzaPoligono(500, h, b, y);
  s_.hTotale = static_cast<float>(h);
  s_.ySezMax = static_cast<float>(y);
  // Uniform eps_c2: fcd on the whole area. An elongated top: nothing.
  EXPECT_NEAR(s_.RisultanteCls(epsC2, epsC2), StatoSlu::fcd * 150000, 1e-6);
  EXPECT_EQ(s_.RisultanteCls(-0.0001, -0.01), 0);
  // With no strain the tendon still pulls with its prestrain, the bar does not.
  EXPECT_NEAR(s_.RisultanteAcciaio(0, 0), 100 * 200000 * 0.004, 1e-6);
  EXPECT_NEAR(s_.RisultanteAssiale(0, 0, -1000), -80000 + 1000, 1e-6);
}

// The design window's closed form of the rectangle gives what the strips give.
TEST_F(PianoUltimo, DesignClosedFormAgreesWithTheStrips) {
  auto momento = [](bool progetto) {
    Stato.ProgettoInCorso = progetto;
    SezioneCAreagente s;
    Rettangolo(*s.Contorno, 300, 500);
    s.BarreDati(3, {-100, 0, 100}, {-200, -200, -200}, {500, 500, 500}, RapportiN, 0, Nessuno,
                Nessuno, Nessuno, Nessuno);
    double mx = 0, my = 0;
    int tipo = 0;
    s.CalcolaMomentiUltimi(0, tipo, mx, my);
    EXPECT_EQ(s.Esito, EsitoCalcoloSlu::Riuscito);
    EXPECT_EQ(tipo, 0);
    EXPECT_NEAR(my, 0, 1e-6);
    return mx;
  };
  // As fyd (d - 99/238 x), x = As fyd / (17/21 fcd b).
  const double x = 1500 * StatoSlu::fyd / (17.0 / 21 * StatoSlu::fcd * 300);
  const double atteso = 1500 * StatoSlu::fyd * (450 - 99.0 / 238 * x);
  EXPECT_NEAR(momento(false), atteso, 1e-5 * atteso);
  EXPECT_NEAR(momento(true), atteso, 1e-5 * atteso);
}

TEST_F(PianoUltimo, TurningCarriesSteelOutlineAndLoadPoint) {
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(1, {100}, {-200}, {500}, RapportiN, 1, {-50}, {150}, {100}, {1000});
  const double xG = s_.xG, yG = s_.yG;
  // N = 1000 acting at (10, 20), in homogeneous form.
  s_.x_N = 1000 * 10;
  s_.y_N = 1000 * 20;
  s_.z_N = 1000;
  // Frame with origin (5, 0) and x axis along +y: (x, y) -> (y, 5 - x).
  Vettore<double> T, Tinv;
  Grafica::MatriceRotoTraslazione(5, 0, Matematica::Pi / 2, T, Tinv);
  s_.RotoTraslaSezione(T);
  EXPECT_NEAR(s_.x_N / s_.z_N, 20, 1e-9);
  EXPECT_NEAR(s_.y_N / s_.z_N, -5, 1e-9);
  EXPECT_NEAR(s_.xG, yG, 1e-6);
  EXPECT_NEAR(s_.yG, 5 - xG, 1e-6);
  s_.PuntiEstremi();
  EXPECT_FLOAT_EQ(s_.xMinC, -250);
  EXPECT_FLOAT_EQ(s_.xMaxC, 250);
  EXPECT_FLOAT_EQ(s_.yMinC, -145);
  EXPECT_FLOAT_EQ(s_.yMaxC, 155);
  // The bar goes to (-200, -95), the tendon to (150, 55).
  EXPECT_FLOAT_EQ(s_.xMinS, -200);
  EXPECT_FLOAT_EQ(s_.xMaxS, 150);
  EXPECT_FLOAT_EQ(s_.yMinS, -95);
  EXPECT_FLOAT_EQ(s_.yMaxS, 55);
  // With N = 0 the pair is the moment vector: it turns, it does not move.
  s_.x_N = 1;
  s_.y_N = 0;
  s_.z_N = 0;
  s_.RotoTraslaSezione(Tinv);
  EXPECT_NEAR(s_.x_N, 0, 1e-12);
  EXPECT_NEAR(s_.y_N, 1, 1e-12);
}

// The concrete resultant over the kept depths and whole-strip areas equals,
// bit for bit, the strip-by-strip sum from the top down to the compressed
// depth, the strip it cuts included: on an L turned to several angles, for
// planes that cut a strip anywhere, end on a strip's bottom, or compress all.
TEST_F(PianoUltimo, ConcreteResultantAsTheStripByStripSum) {
  const Materiali& materiali = VariabiliPubbliche::MaterialiCorrenti();
  s_.Coordinate(Vettore<double>{0, 600, 600, 250, 250, 0},
                Vettore<double>{0, 0, 250, 250, 600, 600}, 6);
  for (const double angolo : {0.0, 30.0, 135.0, 250.0}) {
    s_.Contorno->RuotaVertici(0, 0, angolo * Matematica::Pi / 180);
    for (const int n : {1, 7, 100}) {
      double h, b, y;
      s_.Contorno->DiscretizzaPoligono(n, h, b, y);
      s_.hTotale = static_cast<float>(h);
      const double H = s_.hTotale;
      auto somma = [&](double sup, double inf) {
        const double xc = inf > 0 ? 2 * H : H * sup / (sup - inf);
        double r = 0, t = 0;
        for (int i = 1; i <= n; ++i) {
          const double s = t;
          double m;
          const double area = s_.Contorno->RettangolinoArea(t, xc, s, m, i);
          r += materiali.SigmaCls(inf + (sup - inf) * (H - m) / H) * area;
          if (t >= xc) break;
        }
        return r;
      };
      // The plane whose neutral axis lies on the bottom of strip 3 of 7.
      const double fondo3 = s_.Contorno->Strisce().Fondo(std::min(3, n));
      std::vector<std::pair<double, double>> piani{
          {epsCu, -epsSu}, {epsCu, -0.001}, {0.001, -0.02}, {epsCu, 0}, {epsC2, epsC2},
          {epsCu, 0.0005}, {epsCu, epsCu - epsCu * H / fondo3}};
      for (const auto& [sup, inf] : piani)
        EXPECT_EQ(s_.RisultanteCls(sup, inf), somma(sup, inf))
            << angolo << " gradi, " << n << " strisce, " << sup << " " << inf;
    }
  }
}
