// Sizing at the ultimate limit state, by hand and verified back through the
// section engine on its strips.
#include <cmath>

#include "ProgettoProva.h"
#include "analysis/SezioneCAreagente.h"

using VariabiliPubbliche::Stato;

namespace {

// Ultimate moment of a b x h rectangle with As at c from the bottom and A's at
// c from the top, on 500 strips (no closed form).
double MomentoVerificato(double b, double h, double c, double As, double As1) {
  Stato.NumeroRettangoli = 500;
  SezioneCAreagente s;
  const float fb = static_cast<float>(b), fh = static_cast<float>(h);
  s.Coordinate(Vettore<float>{fb / 2, fb / 2, -fb / 2, -fb / 2},
               Vettore<float>{fh / 2, -fh / 2, -fh / 2, fh / 2}, 4);
  const Vettore<float> nessuno;
  s.BarreDati(2, {0, 0}, {fh / 2 - static_cast<float>(c), static_cast<float>(c) - fh / 2},
              {static_cast<float>(As1), static_cast<float>(As)}, Stato.RapportoN, 0, nessuno,
              nessuno, nessuno, nessuno);
  int tipo = 0;
  double Mx = 0, My = 0;
  s.CalcolaMomentiUltimi(0, tipo, Mx, My);
  EXPECT_EQ(s.Esito, EsitoCalcoloSlu::Riuscito);
  return Mx;
}

class ProgettoSlu : public ProgettoProva {
 protected:
  ProgettoSlu() {
    SenzaStaffe();  // c = 20 / 2 + 20 = 30 mm
    C("txtEpsS").SetText("5");  // eps_s = 5 fyd / Es
  }
  static constexpr double epsS = 5 * fyd / 200000;
  static constexpr double xi = 0.0035 / (0.0035 + epsS);  // x/d
};

TEST_F(ProgettoSlu, WidthForAFixedDepth) {
  Dati(200, 0, 500, 300);
  Scelte(0, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // M = alfa fcd b x (d - beta x), x = xi d; the steel yields: As fyd = alfa fcd b x.
  const double d = 470, M = 200e6;
  const double b = M / (alfa * fcd * xi * d * d * (1 - beta * xi));
  EXPECT_NEAR(modello_.BaseSezione, b, 2e-4 * b);
  EXPECT_NEAR(modello_.AsTesa, alfa * fcd * b * xi * d / fyd, 2e-4 * modello_.AsTesa);
  EXPECT_EQ(modello_.AsCompressa, 0);
  EXPECT_NEAR(Stato.EpsSProgetto, epsS, 1e-7);
  EXPECT_NEAR(MomentoVerificato(modello_.BaseSezione, 500, 30, modello_.AsTesa, 0), M, 1e-3 * M);
  // The shortcut and the call-back are there only for the design's own trials.
  EXPECT_FALSE(Stato.ProgettoInCorso);
  EXPECT_EQ(Finestre::Aperte.ProgettoSezione, nullptr);
}

TEST_F(ProgettoSlu, DepthForAFixedWidthWithCompressionSteel) {
  Dati(200, 0, 500, 300, 20, 50);
  Scelte(0, 1);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // A's = As / 2 at 30 mm from the top, strain eps_cu (x - 30) / x.
  const double b = 300, c = 30, M = 200e6;
  const double h = modello_.AltezzaSezione, d = h - c, x = xi * d;
  const double epsC = 0.0035 * (x - c) / x;
  const double sigma1 = std::min(epsC * 200000, fyd);
  const double As = alfa * fcd * b * x / (fyd - 0.5 * sigma1);
  EXPECT_NEAR(modello_.AsTesa, As, 1e-4 * As);
  EXPECT_NEAR(alfa * fcd * b * x * (d - beta * x) + 0.5 * As * sigma1 * (d - c), M, 2e-4 * M);
  EXPECT_NEAR(MomentoVerificato(b, h, c, modello_.AsTesa, modello_.AsCompressa), M, 1e-3 * M);
  EXPECT_FALSE(Stato.ProgettoInCorso);
}

TEST_F(ProgettoSlu, RatioForBothDimensionsFixed) {
  Dati(150, 0, 500, 300);
  Scelte(0, 2);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  // Yielding steel: x = As fyd / (alfa fcd b) and M = As fyd (d - beta x),
  // a quadratic in As.
  const double b = 300, d = 470, M = 150e6;
  const double a = beta * fyd * fyd / (alfa * fcd * b);
  const double As = (fyd * d - std::sqrt(fyd * d * fyd * d - 4 * a * M)) / (2 * a);
  EXPECT_NEAR(modello_.AsTesa, As, 2e-4 * As);
  EXPECT_NEAR(MomentoVerificato(b, 500, 30, modello_.AsTesa, 0), M, 1e-3 * M);
  // The strain the last trial reached, not a ratio.
  const double x = As * fyd / (alfa * fcd * b);
  EXPECT_NEAR(Stato.EpsSProgetto, 0.0035 * (d - x) / x, 1e-4);
  EXPECT_GT(modello_.RapportiLimite[0], 5);
}

TEST_F(ProgettoSlu, StartWithinToleranceKeepsTheWidthAndRecomputesTheAreas) {
  const double d = 470, M = 200e6;
  const double b = M / (alfa * fcd * xi * d * d * (1 - beta * xi));
  Dati(200, 0, 500, b);
  Scelte(0, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  modello_.AsTesa = 1;
  ASSERT_TRUE(modello_.Progetta());
  EXPECT_FLOAT_EQ(modello_.BaseSezione, static_cast<float>(b));
  EXPECT_NEAR(modello_.AsTesa, alfa * fcd * b * xi * d / fyd, 1e-4 * modello_.AsTesa);
}

TEST_F(ProgettoSlu, ZeroMomentStopsBeforeSizing) {
  Dati(0, 0, 500, 300);
  Scelte(0, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_FALSE(modello_.Progetta());
  EXPECT_EQ(msg_.Testi().back(), "Momento sollecitante nullo!!");
}

// The design as it comes out of a whole run with stirrups, holders and the
// automatic diameters: the rounded section with the bars chosen carries the
// moment.
TEST_F(ProgettoProva, WholeRunVerifiesBack) {
  Dati(250, 120, 600, 300, 20, 0, 50, 50);
  Scelte(0, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  const ModelloProgetto& m = modello_;
  EXPECT_EQ(std::fmod(m.BaseArrotondata, 50.0f), 0);
  EXPECT_GE(m.BaseArrotondata, m.BaseSezione);
  EXPECT_GE(m.AsTesaEffettiva, m.AsTesa);
  // Holders: 4 of 12 mm in each zone, also the compression steel.
  EXPECT_NEAR(m.AreaReggistaffe, 4 * 113.097, 0.01);
  EXPECT_FLOAT_EQ(m.AsCompressa, m.AreaReggistaffe);
  EXPECT_NEAR(m.DistanzaFerri, 20 + 8 + 10, 1e-6);
  EXPECT_GE(MomentoVerificato(m.BaseArrotondata, 600, m.DistanzaFerri, m.AsTesaEffettiva,
                              m.AsCompressaEffettiva),
            250e6 * (1 - 1e-3));
  EXPECT_TRUE(msg_.Testi().empty());
}

}  // namespace

namespace {

// A's = 0.99 As with the tension steel at half its yield strain: the
// compression bars would outweigh the tension ones, no area balances.
TEST_F(ProgettoSlu, TrialWithoutEquilibriumEndsTheRun) {
  Dati(200, 0, 500, 300, 20, 99);
  Scelte(0, 0);
  C("txtEpsS").SetText("0.5");
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_FALSE(modello_.Progetta());
  EXPECT_EQ(msg_.Testi().back(), "Errore nel modulo Progetto Sezione Rettangolare");
  EXPECT_FALSE(Stato.ProgettoInCorso);
  EXPECT_EQ(Finestre::Aperte.ProgettoSezione, nullptr);
}

// No steel ratio makes a 300 x 500 section carry 2000 kNm.
TEST_F(ProgettoSlu, RatioSearchGivesUp) {
  Dati(2000, 0, 500, 300);
  Scelte(0, 2);
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_FALSE(modello_.Progetta());
  ASSERT_FALSE(msg_.Testi().empty());
  EXPECT_EQ(msg_.Testi().back(),
            "Nessuna armatura porta il momento sollecitante:\r\naumentare le dimensioni della "
            "sezione!");
  EXPECT_FALSE(Stato.ProgettoInCorso);
}

}  // namespace

namespace {

// Allowable moment of a rectangle with As at c from the bottom, A's at c from
// the top (n = 15, sigma_c = 9.75, sigma_s = 255).
double MomentoAmmissibileVerificato(double b, double h, double c, double As, double As1) {
  return ModelloProgetto::MomentoAmmissibile(b, h, c, As, As1, Stato.RapportoN[0], Stato.SigmaCAmm,
                                             Stato.SigmaSAmm[0]);
}

// 5 kNm on a 50 cm depth: the holders alone carry it (452 mm2 at 391.3 N/mm2
// over about 400 mm make some 70 kNm), so the width is the least that holds
// 4 holders of 12 mm at 20 mm apart inside 8 mm stirrups under 20 mm of
// cover: 2 (20 + 8) + 4 x 12 + 3 x 20 = 164 mm, with no bars beyond them.
TEST_F(ProgettoProva, HoldersAloneCarryASmallMoment) {
  Dati(5, 0, 500, 300);
  Scelte(0, 0);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  EXPECT_FLOAT_EQ(modello_.BaseSezione, 164);
  EXPECT_NEAR(modello_.AsTesaEffettiva, 4 * 113.097, 0.01);
  EXPECT_EQ(modello_.CombinazioneTesa[0], 0);
  EXPECT_EQ(modello_.Osservazioni.rfind(
                "Il momento resistente è portato dai dai soli reggistaffe,\r\nanche senza "
                "calcestruzzo!",
                0),
            0);
  EXPECT_TRUE(msg_.Testi().empty());
}

// Moments from 1 to 1000 kNm, each fixed dimension, both methods, the search
// starting from a 30 x 50 section, from what the run before left and from
// 3 m: every run ends in a section that carries the moment (stirrups, 4
// holders of 12 mm, bars 16 to 20) or in a message that says why there is none.
TEST_F(ProgettoProva, EveryMomentEndsInADesignOrAReason) {
  const double momenti[] = {1, 2, 5, 10, 20, 40, 70, 100, 150, 250, 400, 600, 1000};
  const std::string senzaArmatura =
      "Nessuna armatura porta il momento sollecitante:\r\naumentare le dimensioni della sezione!";
  for (int metodo = 0; metodo < 2; ++metodo)
    for (int fissa = 0; fissa < 3; ++fissa)
      for (int partenza = 0; partenza < 3; ++partenza)  // 30 x 50, the run before, 3 m
        for (double M : momenti) {
          SCOPED_TRACE(testing::Message() << "metodo " << metodo << " fissa " << fissa << " M "
                                          << M << " partenza " << partenza);
          const double prima = fissa == 1 ? modello_.AltezzaSezione : modello_.BaseSezione;
          const double cercata = partenza == 0 ? (fissa == 1 ? 500 : 300)
                                 : partenza == 1 ? prima
                                                 : 3000;
          const double h0 = fissa == 1 ? cercata : 500;
          const double b0 = fissa == 0 ? cercata : 300;
          Dati(M, 0, h0, b0);
          Scelte(metodo, fissa);
          msg_.Svuota();
          modello_.Osservazioni.clear();
          ASSERT_TRUE(modello_.LeggiDati());
          if (!modello_.Progetta()) {
            // Only a section too small for any steel has no design.
            ASSERT_EQ(fissa, 2) << (msg_.Testi().empty() ? "" : msg_.Testi().back());
            ASSERT_FALSE(msg_.Testi().empty());
            EXPECT_EQ(msg_.Testi().back(), senzaArmatura);
            continue;
          }
          const ModelloProgetto& m = modello_;
          // Only the notices that go with a design: the shear code of
          // "Metodo n", more bar combinations than are listed.
          for (const std::string& testo : msg_.Testi())
            if (testo != "Il progetto a taglio con il Metodo n viene eseguito secondo DM '96" &&
                testo.find(" combinazioni di barre: ") == std::string::npos)
              ADD_FAILURE() << testo;
          const double b = m.BaseArrotondata, h = m.AltezzaArrotondata, c = m.DistanzaFerri;
          // Holders 4 x 12 mm inside 8 mm stirrups under 20 mm of cover, h
          // at least three times the bars' distance from the edge.
          EXPECT_GE(b, 2 * 28 + 4 * 12 + 3 * 20 - 0.01);
          EXPECT_GE(h, 3 * c - 0.01);
          EXPECT_GE(m.AsTesaEffettiva, m.AsTesa - 0.01);
          // A designed width holds its bars in one layer.
          if (fissa == 0) {
            EXPECT_EQ(modello_.AvvisiCostruzione().find("non stanno"), std::string::npos);
          }
          const double MRd = metodo == 0
                                 ? MomentoVerificato(b, h, c, m.AsTesaEffettiva, m.AsCompressaEffettiva)
                                 : MomentoAmmissibileVerificato(b, h, c, m.AsTesaEffettiva,
                                                                m.AsCompressaEffettiva);
          EXPECT_GE(MRd, M * 1e6 * (1 - 2e-3));
        }
}

}  // namespace
