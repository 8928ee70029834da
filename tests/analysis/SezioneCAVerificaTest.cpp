#include <gtest/gtest.h>

#include <cmath>

#include "SluProva.h"
#include "analysis/StatiSezione.h"
#include "doppi/MainProva.h"
#include "model/Formato.h"
#include "platform/Colori.h"
#include "platform/FormInMemoria.h"

using VariabiliPubbliche::Stato;

namespace {

class Verifica : public ::testing::Test {
 protected:
  Verifica() { Finestre::Aperte.Main = &main_; }
  void Carico(double N, double Mx = 0) { s_.Sollecitazioni({N, 0}, {Mx, 0}, {0, 0}); }
  // Singly reinforced: 3 bars of area a at y = -200 (d = 450).
  void Trave(float a) {
    Rettangolo(*s_.Contorno, 300, 500);
    s_.BarreDati(3, {-100, 0, 100}, {-200, -200, -200}, {a, a, a}, RapportiN, 0, Nessuno, Nessuno,
                 Nessuno, Nessuno);
  }
  // 300 x 600 with two tendons of 300 mm2 at y = -90 prestressed to 1000.
  void TravePrecompressa() {
    Rettangolo(*s_.Contorno, 300, 600);
    s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 2, {-50, 50}, {-90, -90}, {300, 300},
                 {1000, 1000});
    Stato.Precompresso = true;
  }
  std::string Testo(const std::string& nome, int indice = platform::SenzaIndice) {
    return main_.Controllo(nome, indice).Text();
  }
  std::string Didascalia(const std::string& nome, int indice) {
    return main_.Controllo(nome, indice).Caption();
  }
  bool Visibile(const std::string& nome, int indice = platform::SenzaIndice) {
    return main_.Controllo(nome, indice).Visible();
  }
  platform::Colore Colore(const std::string& nome, int indice = platform::SenzaIndice) {
    return main_.Controllo(nome, indice).ForeColor();
  }
  void Esegui() { s_.CalcolaSezioneCA(main_); }

  StatoSlu stato_;
  platform::MsgBoxScriptato box_;
  MainProva main_;
  SezioneCA& s_ = *VariabiliPubbliche::SezioneCorrente();
};

}  // namespace

TEST_F(Verifica, TheVerificationTypeChoosesTheMethod) {
  Trave(500);
  s_.Sollecitazioni({0, 0}, {0, 1e8}, {0, 0});
  Stato.TipoVerifica = 1;
  Esegui();
  EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::Riuscito);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::NonEseguito);
  EXPECT_FALSE(main_.Esiste("F_tipo_rottura", 0));
  Stato.TipoVerifica = 0;
  Esegui();
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_TRUE(main_.Esiste("F_tipo_rottura", 0));
}

TEST_F(Verifica, CrackedSectionShowsDepthNeutralAxisSteelAndTopConcrete) {
  // T = 1500 fyd; x = T / (17/21 fcd 300) = 170.60; Mx = T (450 - 99/238 x)
  // = 222.47 kNm; steel 0.0035 (450 - x) / x.
  Trave(500);
  Carico(0);
  Stato.TipoFlessione = 0;
  Stato.AngoloFlessione = 30;  // uniaxial: not read
  Esegui();
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_NEAR(s_.MomentoUltimoY, 0, 1e-3);
  EXPECT_EQ(Colore("F_tipo_rottura", 0), platform::QBColor(0));
  EXPECT_FALSE(main_.Esiste("F_Mu", 1));
  EXPECT_EQ(Colore("F_sigma_s", 0), platform::QBColor(9));
  EXPECT_FALSE(main_.Esiste("F_sigma_s", 1));  // no tendons shown without prestress
  for (const char* nome : {"F_h_utile", "F_y_neutro"}) EXPECT_TRUE(Visibile(nome)) << nome;
  for (int i = 0; i <= 1; ++i) {
    EXPECT_TRUE(Visibile("lbl_h_utile", i));
    EXPECT_TRUE(Visibile("F_x_su_d", i));
  }
  EXPECT_EQ(Didascalia("lbl_h_utile", 1), "cm");
  EXPECT_EQ(Didascalia("lbl_sigma_s", 1), "s");
  EXPECT_EQ(Didascalia("lbl_eps_c", 1), "c");
  EXPECT_TRUE(box_.Mostrati().empty());
}
TEST_F(Verifica, TheSteelStateJoinsTheFailureText) {
  // Much steel: it stays elastic and the text turns light red.
  Trave(2500);
  Carico(0);
  Esegui();
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Lato calcestruzzo - Acciaio elastico");
  EXPECT_EQ(Colore("F_tipo_rottura", 0), platform::QBColor(12));
  // Little steel: it reaches eps_su.
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(1, {0}, {-200}, {100}, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  Esegui();
  EXPECT_EQ(s_.Tipo_Rottura, TipoRottura::LatoAcciaio);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Lato acciaio - Acciaio snervato");
  EXPECT_EQ(Colore("F_tipo_rottura", 0), platform::QBColor(0));
  EXPECT_EQ(Testo("F_eps_s", 0), " 67.5");
}

TEST_F(Verifica, BiaxialBendingShowsBothMomentsAndShortenedSteelInRed) {
  RettangoloQuattroBarre(s_, 500);
  Carico(2200000);
  Stato.TipoFlessione = 1;
  Stato.AngoloFlessione = 30;
  Esegui();
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_EQ(Testo("F_Mu", 0), VariabiliPubbliche::FormattaValore(s_.MomentoUltimoX / 1e6));
  EXPECT_EQ(Testo("F_Mu", 1), VariabiliPubbliche::FormattaValore(s_.MomentoUltimoY / 1e6));
  EXPECT_LT(s_.MomentoUltimoY, -1e6);
  // Every bar shortened: no steel state in the text, the steel boxes red.
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Lato calcestruzzo");
  EXPECT_EQ(Testo("F_sigma_s", 0).substr(0, 1), "-");
  EXPECT_EQ(Colore("F_sigma_s", 0), platform::QBColor(12));
  EXPECT_EQ(Colore("F_eps_s", 0), platform::QBColor(12));
}

TEST_F(Verifica, WhollyCompressedSectionShowsItsTwoEdges) {
  RettangoloQuattroBarre(s_, 500);
  Carico(2450000);
  Stato.TipoFlessione = 1;
  main_.Controllo("F_h_utile").SetText("vecchio");
  Esegui();
  ASSERT_EQ(s_.Tipo_Rottura, TipoRottura::TuttaCompressa);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Sez. interamente reagente");
  // The neutral axis in mm below the section; the bottom edge in the steel
  // boxes under "ci", the top one under "cs".
  const float d = SezioneProva::dNeutroSlu(s_);
  EXPECT_GT(d, 500);
  EXPECT_EQ(Testo("F_y_neutro"), Formattazione::Formato(d, "0.####"));
  EXPECT_EQ(Didascalia("lbl_sigma_s", 1), "ci");
  EXPECT_EQ(Didascalia("lbl_eps_s", 1), "ci");
  EXPECT_EQ(Didascalia("lbl_sigma_c", 1), "cs");
  EXPECT_EQ(Didascalia("lbl_eps_c", 1), "cs");
  std::string sotto = VariabiliPubbliche::FormattaValore(s_.Sig_c_min);
  ASSERT_EQ(sotto.substr(0, 1), " ");
  EXPECT_EQ(Testo("F_sigma_s", 0), "-" + sotto.substr(1));
  EXPECT_EQ(Testo("F_eps_s", 0),
            Formattazione::Formato(SezioneProva::EpsCminSlu(s_) * 1000.0, "0.####"));
  EXPECT_EQ(Testo("F_sigma_c"), "-14.17");
  EXPECT_EQ(Testo("F_eps_c"),
            Formattazione::Formato(SezioneProva::EpsCmaxSlu(s_) * 1000.0, "0.####"));
  EXPECT_EQ(Testo("F_Mu", 1), "0.");
  // Only the neutral-axis depth is shown of its group.
  EXPECT_TRUE(Visibile("F_y_neutro"));
  EXPECT_TRUE(Visibile("lbl_y_neutro", 0));
  EXPECT_FALSE(Visibile("F_h_utile"));
  EXPECT_FALSE(Visibile("F_x_su_d", 0));
  EXPECT_EQ(Testo("F_h_utile"), "vecchio");
}

TEST_F(Verifica, ConcreteOnlyTellsWhetherTheWholeSectionReacts) {
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  Carico(500000);
  Esegui();
  ASSERT_EQ(s_.Tipo_Rottura, TipoRottura::SoloCalcestruzzo);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Solo cls - Sez. parzializata");
  EXPECT_EQ(Didascalia("lbl_sigma_s", 1), "ci");
  EXPECT_EQ(Testo("F_Mu", 0), " 94.77");
  // The limit at fcd lets a wholly compressed plane be found.
  Stato.RapportoFccFcd = 1;
  StatoSlu::Carica();
  Carico(2000000);
  Esegui();
  ASSERT_EQ(s_.Tipo_Rottura, TipoRottura::SoloCalcestruzzo);
  EXPECT_GT(SezioneProva::EpsCminSlu(s_), 0);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "Solo cls - Sez. int. reagente");
}

TEST_F(Verifica, ConcreteAndSteelTogetherAndAnUnknownType) {
  Trave(500);
  Carico(0);
  Esegui();
  ASSERT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  s_.Tipo_Rottura = TipoRottura::CalcestruzzoEAcciaio;
  main_.Controllo("F_Mu", 0).SetText("");
  SezioneProva::MostraRisultatiSlu(s_, main_);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "contemporanea cls-acciaio");
  EXPECT_EQ(Testo("F_Mu", 0), " 222.5");
  EXPECT_EQ(Testo("F_sigma_s", 0), " 391.3");
  s_.Tipo_Rottura = TipoRottura::SnervamentoAcciaio;
  main_.Controllo("F_Mu", 0).SetText("");
  SezioneProva::MostraRisultatiSlu(s_, main_);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "non prevista !");
  EXPECT_EQ(Testo("F_Mu", 0), "");
}

TEST_F(Verifica, NothingIsWrittenIntoTheSeismicWindow) {
  Trave(500);
  Carico(0);
  platform::FormInMemoria sismica("FrmSismica");
  s_.CalcolaSezioneCA(sismica);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::Riuscito);
  EXPECT_FALSE(sismica.Esiste("F_tipo_rottura", 0));
  EXPECT_FALSE(sismica.Esiste("F_Mu", 0));
  // Nor is a failure.
  Carico(-1000, 0);
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  s_.CalcolaSezioneCA(sismica);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::EquilibrioImpossibile);
  EXPECT_FALSE(sismica.Esiste("F_tipo_rottura", 0));
}

TEST_F(Verifica, AFailedRunShowsWhyAndNoMoments) {
  Trave(500);
  Carico(0);
  Esegui();
  const double mx = s_.MomentoUltimoX;
  ASSERT_EQ(Testo("F_Mu", 0), " 222.5");

  // No steel for a tension.
  Rettangolo(*s_.Contorno, 300, 500);
  s_.BarreDati(0, Nessuno, Nessuno, Nessuno, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  Carico(-1000);
  Esegui();
  EXPECT_EQ(s_.Tipo_Rottura, TipoRottura::EquilibrioImpossibile);
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::EquilibrioImpossibile);
  EXPECT_EQ(s_.MomentoUltimoX, mx);
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{"Area ferri troppo piccola in assenza di compressione.\r\n"
                                     "Equilibrio impossibile!"});
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "equilibrio impossibile !");
  for (const char* nome : {"F_h_utile", "F_y_neutro", "F_sigma_c", "F_eps_c"})
    EXPECT_EQ(Testo(nome), "") << nome;
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(Testo("F_Mu", i), "");
    EXPECT_EQ(Testo("F_sigma_s", i), "");
    EXPECT_EQ(Testo("F_x_su_d", i), "");
  }

  // Beyond the axial limit: its message, then the text.
  box_.Svuota();
  Trave(500);
  Carico(3e6);
  Esegui();
  EXPECT_EQ(s_.Tipo_Rottura, TipoRottura::OltreNlimite);
  ASSERT_EQ(box_.Mostrati().size(), 1u);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "forza assiale oltre il limite !");
  EXPECT_EQ(Testo("F_Mu", 0), "");

  // No plane in equilibrium.
  box_.Svuota();
  Stato.Fyd[0] = 450;
  StatoSlu::Carica();
  RettangoloQuattroBarre(s_, 2500);
  Carico(6150000);
  Esegui();
  EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::NonConvergente);
  EXPECT_EQ(Testo("F_tipo_rottura", 0), "equilibrio non trovato !");
  EXPECT_EQ(Testo("F_Mu", 0), "");
}

TEST_F(Verifica, TheTensionConcreteNoticeComesOncePerSection) {
  Trave(500);
  Carico(0);
  Stato.ClsReagenteTrazione = true;
  Esegui();
  EXPECT_EQ(box_.Testi(),
            std::vector<std::string>{
                "L'opzione Materiale Reagente Trazione è efficace solo per la verifica\r\n"
                "con il Metodo n.\r\nIl messaggio non viene ripetuto."});
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Nessuna);
  Esegui();
  EXPECT_EQ(box_.Mostrati().size(), 1u);
  // The ultimate run does not take the concrete in tension.
  EXPECT_EQ(Testo("F_Mu", 0), " 222.5");
  SezioneCA altra;
  Rettangolo(*altra.Contorno, 300, 500);
  altra.Sollecitazioni({500000, 0}, {0, 0}, {0, 0});
  altra.CalcolaSezioneCA(main_);
  ASSERT_EQ(box_.Mostrati().size(), 2u);
  EXPECT_EQ(box_.Mostrati()[1].testo, box_.Mostrati()[0].testo);
}

TEST_F(Verifica, TendonBoxesShowTheTotalStrainWhateverTheFailure) {
  // Plane strain at the tendons 0.0021257, 0.0071257 with the prestress.
  TravePrecompressa();
  s_.Sollecitazioni({0, 0}, {0, 0}, {0, 0});
  Esegui();
  ASSERT_EQ(s_.Tipo_Rottura, TipoRottura::LatoCalcestruzzo);
  // The strains stay those of the plane, and a second display shows the same.
  SezioneProva::MostraRisultatiSlu(s_, main_);
  EXPECT_NEAR(s_.EpsCavi(1), 0.0021257, 2e-6);
  EXPECT_EQ(Testo("F_eps_s", 1), " 7.126");
  // Concrete and steel together: the same totals.
  s_.Tipo_Rottura = TipoRottura::CalcestruzzoEAcciaio;
  main_.Controllo("F_eps_s", 1).SetText("");
  SezioneProva::MostraRisultatiSlu(s_, main_);
  EXPECT_EQ(Testo("F_eps_s", 1), " 7.126");
  EXPECT_EQ(Testo("F_sigma_s", 1), " 1,391");
}
TEST_F(Verifica, TendonTotalsByMethod) {
  TravePrecompressa();
  const Vettore<double> eps{0.001, -0.002};
  SezioneProva::EpsIniziali(s_) = {0.004, 0.006};
  Stato.TipoVerifica = 0;
  EXPECT_EQ(s_.DeformazioniTotaliCavi(2, eps),
            (Vettore<double>{static_cast<float>(0.005), static_cast<float>(0.004)}));
  // "Metodo n": plus the prestress over Es.
  Stato.TipoVerifica = 1;
  EXPECT_EQ(s_.DeformazioniTotaliCavi(2, eps),
            (Vettore<double>{static_cast<float>(0.006), static_cast<float>(0.003)}));
  // Strains that do not reach the count give none.
  EXPECT_EQ(s_.DeformazioniTotaliCavi(3, eps).Conta(), 0);
}

TEST_F(Verifica, WithoutPrestressTheTendonBoxesAreLeftAlone) {
  Trave(500);
  Carico(0);
  main_.Controllo("F_sigma_s", 1).SetText("vecchio");
  main_.Controllo("F_eps_s", 1).SetText("vecchio");
  Esegui();
  EXPECT_EQ(Testo("F_sigma_s", 1), "vecchio");
  EXPECT_EQ(Testo("F_eps_s", 1), "vecchio");
}

// Steel and actions that are no numbers refuse the run, by either method,
// and wipe what an earlier run showed; the same section runs again once
// they are numbers. Lengths and areas are named in the unit the windows
// show: cm for the first method, mm for the second.
TEST_F(Verifica, NonFiniteSteelOrActionsRefuseTheRun) {
  const float inf = INFINITY;
  for (int tipo : {0, 1}) {
    Stato.TipoVerifica = tipo;
    Stato.UnitaLunghezza = tipo == 0 ? "cm" : "mm";
    Trave(500);
    Carico(0, 1e8);
    Esegui();
    ASSERT_NE(Testo("F_sigma_c"), "") << tipo;
    s_.BarreDati(3, {-100, 0, inf}, {-200, -200, -200}, {500, 500, 500}, RapportiN, 0, Nessuno,
                 Nessuno, Nessuno, Nessuno);
    box_.Svuota();
    Esegui();
    ASSERT_EQ(box_.Testi().size(), 1u);
    EXPECT_EQ(box_.Testi()[0],
              "Calcolo non eseguito: dati non validi.\r\n"
              "La x di una barra non è un numero finito: deve essere compreso tra " +
                  std::string(tipo == 0 ? "-10000 e 10000 cm" : "-100000 e 100000 mm") +
                  ";\r\nuna sezione sta entro 100 m.");
    EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
    EXPECT_EQ(Testo("F_sigma_c"), "") << tipo;
    EXPECT_EQ(s_.nAsseNeutro, 0);
    if (tipo == 0)
      EXPECT_EQ(s_.EsitoSlu, EsitoCalcoloSlu::DatiNonValidi);
    else
      EXPECT_EQ(s_.EsitoMetodoN, EsitoCalcoloMetodoN::DatiNonValidi);

    Trave(-1);
    box_.Svuota();
    Esegui();
    EXPECT_EQ(box_.Testi().back(),
              "Calcolo non eseguito: dati non validi.\r\n"
              "L'area di una barra = " +
                  std::string(tipo == 0 ? "-0.01 cm²: deve essere compreso tra 0 e 100000000 cm²"
                                        : "-1 mm²: deve essere compreso tra 0 e 10000000000 mm²") +
                  ";\r\nun'area non è negativa e non supera quella di una sezione di 100 m per 100 m.");
    // 300 m wide.
    Rettangolo(*s_.Contorno, 300000, 500);
    box_.Svuota();
    Esegui();
    EXPECT_EQ(box_.Testi().back(),
              "Calcolo non eseguito: dati non validi.\r\nLe coordinate della sezione devono essere "
              "numeri finiti entro 100 m (" +
                  std::string(tipo == 0 ? "10000 cm" : "100000 mm") + ") dall'origine.");
    Trave(500);
    s_.Sollecitazioni({std::nan(""), 0}, {1e8, 0}, {0, std::nan("")});
    box_.Svuota();
    Esegui();
    EXPECT_EQ(box_.Testi().back(),
              "Calcolo non eseguito: dati non validi.\r\n"
              "N non è un numero finito: deve essere compreso tra -1000000000 e 1000000000 kN;"
              "\r\npiù di quanto una sezione di 100 m potrebbe portare.");
    Carico(0, 1e8);
    box_.Svuota();
    Esegui();
    EXPECT_TRUE(box_.Testi().empty()) << tipo;
  }
}
