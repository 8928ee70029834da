// A section typed into the main window and verified with "Calcola": the
// result boxes agree with the case runner's for the same section given by
// its vertices and bars; the units, the refusals, and the section written
// back into the window.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cmath>

#include "FinestraMain.h"
#include "SezioneScritta.h"
#include "analysis/Correnti.h"
#include "app/DominioMN.h"
#include "app/FinestreRisultati.h"
#include "app/MomCurv.h"
#include "drawing/NumeroCella.h"
#include "casi/EseguiCaso.h"
#include "doppi/SistemaProva.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

const std::vector<SezioneTabella>& Tabella() {
  static const std::vector<SezioneTabella> t = {
      {"Rettan.re", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}},
      {"a T", 1, 2, {"80", "30", "15", "45"}, 2, {"15", "10", "55", "5"},
       {400, 300, 400, 150, 150, 150, 150, -300, -150, -300, -150, 150, -400, 150, -400, 300},
       {0, -250, 1500, 0, 250, 1000}},
      {"Rettangoli", 2, 2, {"30", "20", "20", "30"}, 1, {"6", "45"},
       {150, 250, 150, 50, 100, 50, 100, -250, -100, -250, -100, 50, -150, 50, -150, 250},
       {0, -200, 600}},
      {"Trapezi", 3, 1, {"40", "20", "50"}, 1, {"8", "45"},
       {200, 250, 100, -250, -100, -250, -200, 250}, {0, -200, 800}},
      {"Coord.", 5, 4, {"-15", "15", "15", "-15", "-25", "-25", "25", "25"}, 2,
       {"6", "3", "0", "0", "-20", "20"},
       {-150, -250, 150, -250, 150, 250, -150, 250}, {0, -200, 600, 0, 200, 300}},
      {"Metodo n", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}, "n", 100, 50},
      {"S.L.U.-", 1, 2, {"80", "30", "15", "45"}, 2, {"15", "10", "55", "5"},
       {400, 300, 400, 150, 150, 150, 150, -300, -150, -300, -150, 150, -400, 150, -400, 300},
       {0, -250, 1500, 0, 250, 1000}, "SLU-", 200},
      {"Deviata", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"},
       {150, 250, 150, -250, -150, -250, -150, 250}, {0, -200, 942, 0, 200, 402}, "SLU+", 300, 0, 30},
  };
  return t;
}

}  // namespace

TEST(VerificaMain, EachSectionTypeTypedInTheWindowGivesTheCaseRunnersResults) {
  for (const SezioneTabella& s : Tabella()) {
    SCOPED_TRACE(s.nome);
    const RisultatiCaso atteso = [&] {
      SeparatoriProva italiani(",", ".");
      return EseguiCaso(CasoDi(s));
    }();
    ASSERT_EQ(atteso.errore, "");
    ASSERT_FALSE(atteso.testi.empty());
    FinestraMain f;
    ScriviSezione(f, s);
    EXPECT_EQ(FinestraMain::Fuoco(), "btnCalcola");
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati);
    EXPECT_TRUE(Stato.RisultatiPresenti);
    EXPECT_TRUE(f.C("FraRisultati", 0).Visible());
    ControllaRisultati(f, atteso);
  }
}

TEST(VerificaMain, TheSameSectionInCentimetresAndInMillimetresGivesTheSameMoment) {
  const SezioneTabella& rettangolo = Tabella()[0];
  std::string inCm;
  {
    FinestraMain f;
    ScriviSezione(f, rettangolo);
    Calcola(f);
    inCm = f.C("F_Mu", 0).Text();
    EXPECT_EQ(f.C("lbl_h_utile", 1).Caption(), "cm");
  }
  FinestraMain f;
  Stato.UnitaLunghezza = "mm";
  f.main->AggiornaForm();
  SezioneTabella mm = rettangolo;
  mm.figure = {"300", "500"};
  mm.barre = {"942", "402", "450", "50"};
  ScriviSezione(f, mm);
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(0, 1), "As [mm²]");
  Calcola(f);
  EXPECT_EQ(f.C("F_Mu", 0).Text(), inCm);
  EXPECT_FALSE(inCm.empty());
}

TEST(VerificaMain, RefusedSectionsSayWhyAndThenShowTheDataError) {
  struct Rifiuto {
    std::function<void(FinestraMain&)> prepara;
    std::string messaggio;
  };
  const std::vector<Rifiuto> rifiuti = {
      {[](FinestraMain& f) { f.C("F_Vertici").SetText("2"); }, "Il numero di vertici deve essere >= 3"},
      {[](FinestraMain& f) {
         f.C("txtRigheGriglia", 0).SetText("0");
       },
       "La sezione ha area nulla"},
      {[](FinestraMain& f) {
         f.main->mnuSoloBarre_Click();
         f.Widget("txtRigheGriglia", 1)->setFocus();
         FinestraMain::Batti("3");
         BattiTutti({"1", "1", "1", "0", "10", "20", "0", "0", "0"});
       },
       "Devono essere presenti almeno 3 barre non allineate"},
  };
  for (const Rifiuto& r : rifiuti) {
    FinestraMain f;
    ScriviSezione(f, Tabella()[0]);
    f.ambiente.box.Svuota();
    r.prepara(f);
    Calcola(f);
    const std::vector<std::string> testi = f.ambiente.box.Testi();
    ASSERT_EQ(testi.size(), 2u) << r.messaggio;
    EXPECT_EQ(testi[0], r.messaggio);
    EXPECT_EQ(testi[1], "Errore! Controllare i dati");
    EXPECT_TRUE(f.main->DatiErrati);
    EXPECT_FALSE(f.C("FraRisultati", 0).Visible());
  }
}

TEST(VerificaMain, ABoxThatIsNoNumberGivesTheDataErrorAndTheWindowStaysUsable) {
  // Under Italian separators a point beside a decimal comma, or a second
  // decimal point, is neither a thousands separator nor the decimal point.
  const std::vector<std::function<void(FinestraMain&, const char*)>> caselle = {
      [](FinestraMain& f, const char* t) { f.C("F_Es_su_Ec", 0).SetText(t); },
      [](FinestraMain& f, const char* t) { f.C("F_N", 0).SetText(t); },
      [](FinestraMain& f, const char* t) { f.main->FlexGrid(1).SetTextMatrix(1, 1, t); }};
  const std::pair<int, const char*> rifiutati[] = {{0, "quindici"}, {1, "3.5,2"}, {2, "9.4.2"}};
  for (const auto& [casella, testo] : rifiutati) {
    FinestraMain f;
    ScriviSezione(f, Tabella()[0]);
    f.ambiente.box.Svuota();
    caselle[static_cast<size_t>(casella)](f, testo);
    Calcola(f);
    EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{"Errore! Controllare i dati"}) << testo;
    EXPECT_TRUE(f.main->DatiErrati) << testo;
    caselle[static_cast<size_t>(casella)](f, casella == 2 ? "9,42" : "15");
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati) << testo;
  }
}

TEST(VerificaMain, APointThatCannotGroupThousandsIsTheDecimalPoint) {
  std::string conVirgole;
  {
    FinestraMain f;
    ScriviSezione(f, Tabella()[0]);
    Calcola(f);
    conVirgole = f.C("F_Mu", 0).Text();
  }
  FinestraMain f;
  SezioneTabella punti = Tabella()[0];
  punti.barre = {"9.42", "4.02", "45", "5"};
  ScriviSezione(f, punti);
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 1), "9.42");
  Calcola(f);
  // 9.42 cm2 = 942 mm2; read as 942 cm2 the bars would give another moment.
  EXPECT_NEAR(Stato.MatriceBarre(1, 1), 942, 1e-9);
  EXPECT_EQ(f.C("F_Mu", 0).Text(), conVirgole);
  EXPECT_FALSE(conVirgole.empty());
}

TEST(VerificaMain, TheSectionWrittenBackIntoTheWindowReadsTheSame) {
  FinestraMain f;
  ScriviPrecompressa(f, Tabella()[1], {"1,5", "50", "1000"});
  f.C("F_N", 1).SetText("12,5");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  const auto figure = Stato.MatriceFigure;
  const auto barre = Stato.MatriceBarre;
  const auto cavi = Stato.MatriceCavi;
  const auto nForm = f.main->NForm;
  const std::string fcd = f.C("TxtFcd").Text();
  EXPECT_NEAR(cavi(1, 1), 150, 1e-9);
  EXPECT_EQ(cavi(1, 3), 1000);

  f.main->FormScriveDati();
  EXPECT_EQ(f.C("txtRigheGriglia", 2).Text(), "1");
  EXPECT_EQ(f.main->FlexGrid(2).TextMatrix(1, 3), "1000");
  EXPECT_EQ(f.C("F_N", 1).Text(), "12,5");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  EXPECT_EQ(Stato.MatriceFigure, figure);
  EXPECT_EQ(Stato.MatriceBarre, barre);
  EXPECT_EQ(Stato.MatriceCavi, cavi);
  EXPECT_EQ(f.main->NForm, nForm);
  EXPECT_EQ(Generale::ValNumero(f.C("TxtFcd").Text()), Generale::ValNumero(fcd));
  EXPECT_TRUE(Stato.Precompresso);
}

TEST(VerificaMain, APrestressedSectionIsVerifiedWithAndWithoutDecompression) {
  for (bool decompressione : {false, true}) {
    FinestraMain f;
    ScriviPrecompressa(f, Tabella()[0], {"1,4", "40", "1000"});
    f.C("CmbCavi").SetText("Trefolo");
    f.C("F_nome_acc", 1).SetText("Trefolo");
    f.C("F_fyd", 1).SetText("1400");
    f.C("chkDecomp").SetValue(decompressione ? 1 : 0);
    f.ambiente.box.Svuota();
    Calcola(f);
    EXPECT_FALSE(f.main->DatiErrati) << decompressione;
    EXPECT_TRUE(Stato.RisultatiPresenti) << decompressione;
    EXPECT_TRUE(f.C("FraRisultati", 1).Visible());
    EXPECT_FALSE(f.C("F_sigma_s", 1).Text().empty()) << decompressione;
    // Not prestressed: the tendons' rows are left out.
    f.Clic("chkPrecompresso");
    ASSERT_TRUE(f.main->FormLeggeDati(true));
    EXPECT_EQ(f.main->nCaviForm, 0);
  }
}

TEST(VerificaMain, ActionsConvertBetweenTheTwoSetsByTheFactor) {
  FinestraMain f;
  f.C("F_N", 0).SetText("150");
  f.C("F_Mxsd", 0).SetText("30");
  f.C("F_MySd", 0).SetText("0");
  f.Clic("cmdAzioniDaSLU", 0);
  EXPECT_EQ(Generale::ValNumero(f.C("F_N", 1).Text()), 100);
  EXPECT_EQ(Generale::ValNumero(f.C("F_Mxsd", 1).Text()), 20);
  f.C("F_N", 0).SetText("");
  Stato.GammaAzioni = 0;  // a factor of 0 is taken as 1.5
  f.Clic("cmdAzioniDaSLU", 1);
  EXPECT_EQ(Generale::ValNumero(f.C("F_N", 0).Text()), 150);
  EXPECT_EQ(Generale::ValNumero(f.C("F_Mxsd", 0).Text()), 30);
}

TEST(VerificaMain, ATSectionVerifiedIsDrawnInThePictureAndInTheWindowOverIt) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[1]);
  Stato.VisTensioniBarre = 1;
  Stato.VisTensioniCls = 1;
  Calcola(f);
  ASSERT_TRUE(Stato.RisultatiPresenti);
  EXPECT_FALSE(f.main->Figura().Immagine().isNull());
  ASSERT_NE(f.main->FrmPltSezione(), nullptr);
  EXPECT_TRUE(f.main->FrmPltSezione()->isVisible());
  EXPECT_EQ(f.main->FrmPltSezione()->size(), f.main->Figura().size());
  f.main->resize(1366, 740);
  QApplication::processEvents();
  Calcola(f);
  QDir().mkpath(TRAMOK_SCREENSHOTS);
  EXPECT_TRUE(f.main->grab().save(QString(TRAMOK_SCREENSHOTS) + "/Main_verifica.png"));
}

// The domain and curvature buttons verify first and open their window on
// the section typed; a section that cannot be read opens none.
TEST(VerificaMain, TheResultButtonsOpenTheirWindowsOnTheTypedSection) {
  FinestraMain f;
  ScriviSezione(f, Tabella()[0]);
  f.C("F_N", 0).SetText("100");
  f.C("F_Mxsd", 0).SetText("50");
  f.Clic("btnDominioMN");
  DominioMN* mn = FinestreRisultati::DominioMNAperto();
  ASSERT_NE(mn, nullptr);
  EXPECT_TRUE(mn->isVisible());
  const platform::FlexGrid& sol = mn->GridSol().Griglia();
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 1)), 100);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 2)), 50);
  EXPECT_GT(mn->GridMN().Rows(), 30);

  f.Clic("btnMomentoCurvatura_solo");
  MomCurv* mc = FinestreRisultati::MomCurvAperto(true);
  ASSERT_NE(mc, nullptr);
  EXPECT_TRUE(mc->isVisible());
  EXPECT_EQ(Generale::ValNumero(mc->F_N().text().toStdString()), 100);
  delete mn;
  delete mc;

  // An fcd of 0 is refused by the verification: no result, no window.
  f.C("TxtFcd").SetText("0");
  f.Clic("btnDominioMN");
  EXPECT_FALSE(Stato.RisultatiPresenti);
  EXPECT_EQ(FinestreRisultati::DominioMNAperto(), nullptr);
  EXPECT_FALSE(f.C("FraRisultati", 0).Visible());
}
