#include <gtest/gtest.h>

#include <cmath>

#include "SluProva.h"
#include "analysis/StatiSezione.h"
#include "doppi/MainProva.h"
#include "drawing/Grafica_Estremi.h"
#include "platform/Colori.h"

using VariabiliPubbliche::Stato;

namespace {

class MetodoN : public ::testing::Test {
 protected:
  MetodoN() {
    Stato.TipoVerifica = 1;
    Finestre::Aperte.Main = &main_;
  }
  void Servizio(double N, double Mx, double My = 0) { s_.Sollecitazioni({0, N}, {0, Mx}, {0, My}); }
  // Three bars of 500 mm2 at y = -200 (d = 450), and two of 300 mm2 at
  // y = 200 (d' = 50) when asked.
  void Trave(bool compressa = false) {
    Rettangolo(*s_.Contorno, 300, 500);
    if (compressa)
      s_.BarreDati(5, {-100, 0, 100, -100, 100}, {-200, -200, -200, 200, 200},
                   {500, 500, 500, 300, 300}, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
    else
      s_.BarreDati(3, {-100, 0, 100}, {-200, -200, -200}, {500, 500, 500}, RapportiN, 0, Nessuno,
                   Nessuno, Nessuno, Nessuno);
  }
  void SenzaAcciaio() {
    Rettangolo(*s_.Contorno, 300, 500);
    s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  }
  std::string Testo(const std::string& nome, int indice = platform::SenzaIndice) {
    return main_.Controllo(nome, indice).Text();
  }
  bool Visibile(const std::string& nome, int indice = platform::SenzaIndice) {
    return main_.Controllo(nome, indice).Visible();
  }
  void Verifica() { s_.CalcolaSezioneCA(main_); }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  MainProva main_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
};

}  // namespace

TEST_F(MetodoN, AWhollyCompressedSectionHidesTheSteelStress) {
  // Uniform: N / A = 2.778, steel -15 times that.
  RettangoloQuattroBarre(s_, 500);
  Servizio(500000, 0);
  Verifica();
  ASSERT_EQ(s_.SezioneParzializzata, StatoSezione::InteramenteReagente);
  EXPECT_EQ(s_.nAsseNeutro, 1);
  const Vettore<double>& vertici = s_.SezioneReagenteI->SigmaVerticiCls;
  ASSERT_EQ(vertici.Ub(), 4);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(vertici(i), 500000.0 / 180000, 1e-5);
  EXPECT_TRUE(Visibile("F_nMaxRettangolini", 1));
  EXPECT_EQ(main_.Controllo("F_sigma_c").ForeColor(), platform::QBColor(12));
  EXPECT_FALSE(Visibile("F_sigma_s", 0));
  EXPECT_FALSE(Visibile("Label4As", 3));
  EXPECT_FALSE(Visibile("F_y_neutro"));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(MetodoN, TheLastNeutralAxisBoundsTheCrackedSection) {
  // x = 195.416 (b x^2 / 2 = n As (d - x)).
  Trave();
  Servizio(0, 1e8);
  Verifica();
  ASSERT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Riuscito);
  ASSERT_GE(s_.nAsseNeutro, 2);
  const auto [a, b, c] = SezioneProva::AsseNeutro(s_, s_.nAsseNeutro);
  EXPECT_NEAR(a / b, 0, 1e-9);
  EXPECT_NEAR(-c / b, 250 - 195.4163, 0.05);
  EXPECT_NEAR(s_.SezioneReagenteI->Area, 300 * 195.4163 + 15 * 1500, 20);
  EXPECT_EQ(Testo("F_nMaxRettangolini", 1), std::to_string(s_.nAsseNeutro - 1));
  // Nothing reacts in tension at the vertices of the compressed part.
  const Vettore<double>& sigma = s_.SezioneReagenteI->SigmaVerticiCls;
  for (int i = 1; i <= sigma.Ub(); ++i) EXPECT_GT(sigma(i), -1e-3);
  EXPECT_TRUE(Visibile("F_y_neutro") && Visibile("F_h_utile") && Visibile("lbl_x_su_d", 0));
  EXPECT_TRUE(Visibile("F_sigma_s", 0));
  EXPECT_EQ(main_.Controllo("F_sigma_s", 0).ForeColor(), platform::QBColor(9));
}

TEST_F(MetodoN, WithoutAMomentTheFirstAxisRunsThroughTheCentroid) {
  Trave();
  Servizio(0, 1e8);
  Verifica();
  // Centroid of the whole ideal section: y = 22500 * -200 / 172500.
  const auto [a, b, c] = SezioneProva::AsseNeutro(s_, 1);
  EXPECT_NEAR(-c / b, 22500.0 * -200 / 172500, 1e-6);
  // The part towards the moment vector (compression at the top) is kept.
  double x0, x1, y0, y1;
  s_.SezioneReagenteI->Contorno->MaxMin(x0, x1, y0, y1);
  EXPECT_NEAR(y1, 250, 1e-6);
  // The reversed moment keeps the bottom.
  Servizio(0, -1e8);
  Verifica();
  s_.SezioneReagenteI->Contorno->MaxMin(x0, x1, y0, y1);
  EXPECT_NEAR(y0, -250, 1e-6);
  EXPECT_EQ(s_.SezioneParzializzata, StatoSezione::Parzializzata);
}

TEST_F(MetodoN, TensionOnBarsInALineIsFlagged) {
  // Tension at the centroid of two bars at y = 0: 100 kN each, 200 N/mm2.
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(2, {-100, 100}, {0, 0}, {500, 500}, RapportiN, 0, Nessuno, Nessuno, Nessuno,
               Nessuno);
  Servizio(-200000, 0);
  Verifica();
  EXPECT_EQ(s_.SezioneParzializzata, StatoSezione::SoloAcciaio);
  EXPECT_EQ(s_.SezioneReagenteI->Contorno->nVertici(), 0);
  EXPECT_NEAR(s_.EpsFerri(1) * 200000, 200, 1e-3);
  EXPECT_EQ(Testo("F_sigma_c"), " 200");
  ASSERT_EQ(box_.Mostrati().size(), 1u);
  EXPECT_EQ(box_.Mostrati()[0].testo,
            "Sezione tesa con solo barre reagenti.\r\nRisultati attendibili solo con almeno 3 "
            "barre non allineate.");
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Informazione);
}

TEST_F(MetodoN, WithoutSteelSomeLoadsHaveNoEquilibrium) {
  SenzaAcciaio();
  struct Prova {
    double N, Mx;
    const char* motivo;
  };
  for (const Prova& p :
       {Prova{-1000, 0, "Area ferri troppo piccola in assenza di compressione."},
        Prova{100000, 1e8, "Forza di compressione esterna al poligono, in assenza di armatura."},
        Prova{0, 1e8, "N=0"}}) {
    box_.Svuota();
    main_.Controllo("F_sigma_c").SetText("vecchio");
    Servizio(p.N, p.Mx);
    Verifica();
    EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::EquilibrioImpossibile) << p.motivo;
    EXPECT_EQ(s_.SezioneParzializzata, StatoSezione::SenzaEquilibrio);
    EXPECT_EQ(s_.nAsseNeutro, 0);
    ASSERT_EQ(box_.Mostrati().size(), 1u);
    EXPECT_EQ(box_.Mostrati()[0].testo, std::string(p.motivo) + "\r\nEquilibrio impossibile!");
    EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
    EXPECT_EQ(Testo("F_sigma_c"), "");
    EXPECT_EQ(Testo("F_eps_s", 0), "");
  }
  // Compression within the outline: plain concrete carries it.
  box_.Svuota();
  Servizio(1e6, 1e7);
  Verifica();
  EXPECT_EQ(s_.SezioneParzializzata, StatoSezione::InteramenteReagente);
  EXPECT_NEAR(s_.Sig_c_max, 1e6 / 150000 + 1e7 * 250 / 3125000000.0, 1e-4);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(MetodoN, ReinforcementCheckByLoadPointAndSteel) {
  Trave();
  const auto conAcciaio = s_.CreaSezioneCaInteramenteReagente();
  SenzaAcciaio();
  const auto senzaAcciaio = s_.CreaSezioneCaInteramenteReagente();
  struct Prova {
    double N, Mx;
    bool acciaio, insufficienti;
    int stato;
  };
  // Outside the hull; inside in tension; inside in compression. Without steel
  // the first two have no equilibrium (WithoutSteelSomeLoadsHaveNoEquilibrium).
  for (const Prova& p : {Prova{100000, 1e8, true, false, StatoSezione::SoloAcciaio},
                         Prova{-1000, 0, true, false, 7}, Prova{1000, 0, false, false, 7}}) {
    s_.SezioneParzializzata = 7;
    Servizio(p.N, p.Mx);
    SezioneProva::PuntoDiCarico(s_, 1);
    EXPECT_EQ(s_.BarreInsufficienti(p.N, p.acciaio ? *conAcciaio : *senzaAcciaio), p.insufficienti)
        << p.N << " " << p.acciaio;
    EXPECT_EQ(s_.SezioneParzializzata, p.stato) << p.N << " " << p.acciaio;
  }
}

TEST_F(MetodoN, ConcreteReactingInTensionSplitsTheWholeSection) {
  Trave();
  Stato.ClsReagenteTrazione = true;
  Servizio(0, 1e8);
  Verifica();
  ASSERT_EQ(s_.SezioneParzializzata, StatoSezione::SezioneIntera);
  EXPECT_EQ(s_.nAsseNeutro, 1);
  // Above and below the axis through the ideal centroid.
  const double yG = 22500.0 * -200 / 172500;
  EXPECT_NEAR(s_.SezioneInteraCarico->Contorno->Area, 300 * (250 - yG), 0.01);
  EXPECT_NEAR(s_.SezioneInteraCaricoInverso->Contorno->Area, 300 * (250 + yG), 0.01);
  double x0, x1, y0, y1;
  s_.SezioneInteraCarico->Contorno->MaxMin(x0, x1, y0, y1);
  EXPECT_NEAR(y0, yG, 1e-4);
  EXPECT_NEAR(s_.SezioneReagenteI->Area, 172500, 1e-6);
  EXPECT_FALSE(main_.Esiste("F_nMaxRettangolini", 1));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(MetodoN, BarsOnlyWithoutBarsGiveNoStresses) {
  SenzaAcciaio();
  Stato.SoloBarre = 1;
  main_.Controllo("F_sigma_c").SetText("vecchio");
  Servizio(0, 1e7);
  Verifica();
  EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Errore);
  ASSERT_EQ(box_.Mostrati().size(), 1u);
  EXPECT_EQ(box_.Mostrati()[0].testo, "Errore: equilibrio impossibile");
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_EQ(Testo("F_sigma_c"), "");
  EXPECT_EQ(Testo("F_sigma_s", 0), "");
}

TEST_F(MetodoN, AnAxisStillMovingAfterTheLastPassIsReported) {
  Trave();
  Servizio(0, 1e8);
  s_.PressoFlessioneMetodoN(2);
  EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::NonConvergente);
  EXPECT_EQ(s_.nAsseNeutro, 2);
  ASSERT_EQ(box_.Mostrati().size(), 1u);
  EXPECT_EQ(box_.Mostrati()[0].testo,
            "L'asse neutro non converge in 2 iterazioni: le tensioni sono quelle dell'ultima "
            "iterazione.");
  // The stresses of pass 2 are there, not yet those of the solution.
  EXPECT_EQ(s_.SezioneParzializzata, StatoSezione::Parzializzata);
  EXPECT_GT(std::fabs(s_.yMaxCalcestruzzoMetodoN - 195.4163), 0.1);
  box_.Svuota();
  s_.PressoFlessioneMetodoN();
  EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Riuscito);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(MetodoN, BiaxialBendingOfAnLSectionIsInEquilibrium) {
  s_.Coordinate(Vettore<double>{0, 400, 400, 120, 120, 0},
                Vettore<double>{0, 0, 120, 120, 500, 500}, 6);
  const Vettore<float> x{30, 200, 370, 370, 30, 90, 30}, y{30, 30, 30, 90, 470, 470, 250};
  const Vettore<float> aree{314, 314, 314, 314, 314, 314, 201};
  s_.BarreDati(7, x, y, aree, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  s_.xPtoCalcoloM = 100;
  s_.yPtoCalcoloM = 150;
  const double N = 150000, Mx = 8e7, My = -3e7;
  Servizio(N, Mx, My);
  Verifica();
  ASSERT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Riuscito);
  ASSERT_EQ(s_.SezioneParzializzata, StatoSezione::Parzializzata);

  // The stress plane through three vertices of the compressed part.
  const Poligono& p = *s_.SezioneReagenteI->Contorno;
  const Vettore<double>& sigma = s_.SezioneReagenteI->SigmaVerticiCls;
  ASSERT_EQ(sigma.Ub(), p.nVertici());
  const double x1 = p.X(1), y1 = p.Y(1), s1 = sigma(1);
  const double dx2 = p.X(2) - x1, dy2 = p.Y(2) - y1, ds2 = sigma(2) - s1;
  const double dx3 = p.X(3) - x1, dy3 = p.Y(3) - y1, ds3 = sigma(3) - s1;
  const double det = dx2 * dy3 - dx3 * dy2;
  ASSERT_GT(std::fabs(det), 1);
  const double gx = (ds2 * dy3 - ds3 * dy2) / det, gy = (dx2 * ds3 - dx3 * ds2) / det;
  const double s0 = s1 - gx * x1 - gy * y1;
  for (int i = 1; i <= p.nVertici(); ++i) {
    EXPECT_NEAR(sigma(i), s0 + gx * p.X(i) + gy * p.Y(i), 1e-6) << i;
    EXPECT_GT(sigma(i), -0.01) << i;  // no tension in the reacting concrete
  }
  // Compressed concrete and n-weighted steel against the load about the origin.
  Poligono cls = p.Copia();
  cls.CaratteristicheStatiche();
  double R = s0 * cls.Area + gx * cls.stat_y + gy * cls.stat_x;
  double RMx = s0 * cls.stat_x + gx * cls.jota_xy + gy * cls.jota_x;
  double RMy = s0 * cls.stat_y + gx * cls.jota_y + gy * cls.jota_xy;
  for (int i = 1; i <= 7; ++i) {
    const double F = -aree(i) * 200000 * s_.EpsFerri(i);
    EXPECT_NEAR(F / aree(i), 15 * (s0 + gx * x(i) + gy * y(i)), 1e-3) << i;
    R += F;
    RMx += F * y(i);
    RMy += F * x(i);
  }
  EXPECT_NEAR(R, N, 1e-6 * N);
  EXPECT_NEAR(RMx, Mx + N * 150, 1e-6 * Mx);
  EXPECT_NEAR(RMy, My + N * 100, 1e-6 * std::fabs(My));
  EXPECT_NEAR(s_.Sig_c_max, Grafica::MassimoVettore(sigma), 1e-4);
}

TEST_F(MetodoN, PrestressJoinsTheLoadAndStays) {
  // Tendons 4 x 150 mm2 at y = -90 with 1000 N/mm2: N = 600000 at y = -90.
  Rettangolo(*s_.Contorno, 300, 600);
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 4, {-75, -25, 25, 75}, {-90, -90, -90, -90},
               {150, 150, 150, 150}, {1000, 1000, 1000, 1000});
  Stato.Precompresso = true;
  Servizio(0, 1e8);
  Verifica();
  ASSERT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Riuscito);
  EXPECT_NEAR(SezioneProva::N(s_)[1], 600000, 1e-6);
  EXPECT_NEAR(s_.yPtoCalcoloM, -90, 1e-5);
  EXPECT_NEAR(s_.xPtoCalcoloM, 0, 1e-5);
  // Showing again shows the same: the strains stay those of the concrete.
  const Vettore<double> eps = s_.EpsCavi;
  EXPECT_EQ(Testo("F_eps_s", 1), " 4.925");
  s_.RisultatiMetodoN();
  EXPECT_EQ(Testo("F_eps_s", 1), " 4.925");
  EXPECT_EQ(s_.EpsCavi, eps);
}

TEST_F(MetodoN, UltimatePrestressStepsGiveTheInitialTendonStrains) {
  // The beam above under the prestress alone: at the tendons the concrete
  // is compressed by 4.12847 N/mm2, so each tendon starts 6 * 4.12847 / Es
  // longer than prestress / Es.
  Rettangolo(*s_.Contorno, 300, 600);
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 2, {-50, 50}, {-90, -90}, {300, 300},
               {1000, 1000});
  s_.xPtoCalcoloM = 10;
  s_.yPtoCalcoloM = 20;
  s_.Sollecitazioni({0, 50000}, {0, 3e7}, {0, 2e6});
  s_.PressoFlessioneSluPrecompresso();
  EXPECT_NEAR(SezioneProva::EpsIniziali(s_)(2), 0.005, 1e-12);
  s_.PressoFlessioneSluPrecompressoConDecompressione();
  EXPECT_NEAR(SezioneProva::EpsIniziali(s_)(1), 0.00512385, 1e-8);
  EXPECT_NEAR(SezioneProva::EpsIniziali(s_)(2), 0.00512385, 1e-8);
  // What the user gave is back in place.
  EXPECT_EQ(SezioneProva::N(s_)[1], 50000);
  EXPECT_EQ(SezioneProva::Mx(s_)[1], 3e7);
  EXPECT_EQ(SezioneProva::My(s_)[1], 2e6);
  EXPECT_EQ(s_.xPtoCalcoloM, 10);
  EXPECT_EQ(s_.yPtoCalcoloM, 20);
}
