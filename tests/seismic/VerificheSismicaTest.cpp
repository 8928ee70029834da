// The column's bending and shear checks started from the seismic window as
// a user starts them, against the Mx-My window, the case runner and hand
// calculations; the same checks after the project is saved and read again.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "CasoColonna.h"
#include "app/DominioMxMy.h"
#include "app/FinestraMain.h"
#include "app/FinestreRisultati.h"
#include "app/Schermata.h"
#include "casi/EseguiCaso.h"
#include "design/ProgettoSezione.h"
#include "doppi/SistemaProva.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FileDialogScriptato.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

namespace {

using VariabiliPubbliche::FormattaValore;

// The section as the main window's grids show it: bars of 2,011 cm2 (16)
// or 3,142 cm2 (20), the middle rows at 5,333 cm; the materials it starts
// with, every digit kept: fcd = 0.85 x 25 / 1.5, fyd = 450 / 1.15.
Caso CasoDaMain(double MxEd, double areaBarra = 201.1) {
  Caso c = CasoColonna(areaBarra, 53.33, 0.85 * 25 / 1.5, 450 / 1.15);
  c.parole["analysis"] = "MxMy";
  c.numeri["MxEd"] = {MxEd};
  return c;
}

// Run before the windows open: the case runner resets the program state.
RisultatiCaso Esegui(const Caso& caso) {
  SeparatoriProva italiani(",", ".");
  return EseguiCaso(caso);
}

// The main window with the seismic window opened from its menu; lengths in
// the main window's unit, cm.
class VerificheSismica : public ::testing::Test {
 protected:
  void SetUp() override {
    Sismica::Stato = Sismica::StatoSismico{};
    f.main->findChild<QAction*>("MnuSismica")->trigger();
    ASSERT_NE(FrmSismica::Aperta(), nullptr);
    ASSERT_EQ(VariabiliPubbliche::Stato.UnitaLunghezza, "cm");
    ASSERT_EQ(f.C("F_nMaxRettangolini", 0).Text(), "100");
    f.ambiente.box.Svuota();  // the notices of a first start
  }
  // Every window but the main one closed and gone.
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != f.main.get()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Sismica::Stato = Sismica::StatoSismico{};
  }

  static FrmSismica& S() { return *FrmSismica::Aperta(); }
  static void Scrivi(const char* nome, const QString& testo) {
    auto* box = S().findChild<QLineEdit*>(nome);
    box->selectAll();
    QTest::keyClicks(box, testo);
  }
  static std::string T(const char* nome, int i) { return S().Controllo(nome, i).Text(); }
  static void Clic(const char* nome) {
    QTest::mouseClick(S().findChild<QPushButton*>(nome), Qt::LeftButton);
  }
  // 4 x 4 bars of 16 at both ends, one hoop of 8 round the corners at each,
  // pitches 100 and 150 mm, storey 3 m; the bottom end current.
  void Colonna400() {
    for (const char* passo : {"CmdSezionePil_0", "CmdSezionePil_1"}) {
      Scrivi("PilastroTxt_2", "4");
      Scrivi("PilastroTxt_3", "4");
      S().findChild<QComboBox*>("ComboBarrePil_0")->setCurrentText("16");
      if (std::string(passo) == "CmdSezionePil_0") {
        Scrivi("PilastroTxt_0", "40");
        Scrivi("PilastroTxt_1", "40");
        Scrivi("PilastroTxt_4", "4");
        Scrivi("PilastroTxt_9", "300");
        Scrivi("PilastroTxt_10", "60");
      }
      Clic(passo);
    }
    // As the stirrup editor stores them.
    Sismica::Pilastro& p = Sismica::Stato.PilastroCorrente;
    Matrice<float> staffa(1, 1, 1, Sismica::Pilastro::CampiStaffa);
    const float barre[] = {8, 1, 4, 12, 9};
    for (int j = 1; j <= 5; ++j) staffa(1, j) = barre[j - 1];
    for (bool inferiore : {false, true}) {
      p.SezioneInferiore = inferiore;
      p.StaffeMemorizza(staffa);
      p.SetStaffePassoCritico(100);
    }
    p.SetStaffePassoCentrale(150);
    S().RecuperaDatiPilastri();
    Scrivi("F_N", "680");
    Scrivi("F_MInfsd_0", "150");
    Scrivi("F_MSupsd_0", "100");
  }
  static std::string Rapporto() {
    return FinestreRisultati::DominioMxMyAperto()->Controllo("txtRapporto").Text();
  }
  // The case runner's ratios for the moments typed, MxEd 150 kNm at the
  // bottom, 100 kNm at the top with bars of 20.
  const RisultatiCaso caso150 = Esegui(CasoDaMain(150e6));
  const RisultatiCaso caso100 = Esegui(CasoDaMain(100e6, 314.2));
  FinestraMain f;
};

// Materials typed in the main window, never calculated there, are those the
// seismic checks read once the window is opened from its menu: NEd 1360 kN
// on 40 x 40 gives nu_d = 1360000 / (160000 x 14.17) = 0.60 above CD"A"'s
// 0.55, and 1360000 / (160000 x 17) = 0.50 below it.
TEST_F(VerificheSismica, MaterialsTypedInTheMainWindowReachTheChecks) {
  Colonna400();
  auto lista = [] { return S().findChild<QTextEdit*>("RichTextBox1")->toPlainText(); };
  f.C("TxtFcd").SetText("14,17");
  f.main->findChild<QAction*>("MnuSismica")->trigger();
  Scrivi("F_N", "1360");
  Clic("cmdControlloPil_0");
  EXPECT_TRUE(lista().contains("azione assiale normalizzata =  0,5999")) << lista().toStdString();
  f.C("F_nome_cls").SetText("C30/37");
  f.C("TxtFcd").SetText("17");
  f.main->findChild<QAction*>("MnuSismica")->trigger();
  EXPECT_EQ(VariabiliPubbliche::Stato.Fcd, 17);
  EXPECT_EQ(VariabiliPubbliche::Stato.SiglaCalcestruzzo, "C30/37");
  Clic("cmdControlloPil_0");
  EXPECT_FALSE(lista().contains("azione assiale")) << lista().toStdString();
}

// A result box shows the result of the inputs on screen or nothing: after a
// moment typed, a change of shape or "Nuovo", no bending, shear or rule
// ratio of the column checked before stays.
TEST_F(VerificheSismica, ResultsOfOtherInputsAreEmptied) {
  Colonna400();
  auto verifiche = [this] {
    Clic("btnDominioMNsismica");
    Clic("cmdDirezione_0");
    for (const char* nome : {"txtRoM", "txtVu", "F_V"}) ASSERT_NE(T(nome, 0), "") << nome;
  };
  auto vuote = [](const char* dopo) {
    for (const char* nome : {"txtRoM", "txtVu", "F_V"})
      for (int i : {0, 1}) EXPECT_EQ(T(nome, i), "") << nome << i << " " << dopo;
  };
  verifiche();
  // Checked again on the same inputs, the results stay.
  Clic("cmdControlloPil_0");
  EXPECT_EQ(T("txtVu", 0), " 212,4");
  EXPECT_NE(Rapporto(), "");
  Scrivi("F_N", "700");
  vuote("NEd");
  EXPECT_EQ(Rapporto(), "");  // nor the Mx-My window of NEd 680

  verifiche();
  Scrivi("F_MInfsd_0", "160");
  vuote("moment");

  verifiche();
  auto* circolare = S().findChild<QAbstractButton*>("OpTipoPilastro_1");
  QTest::mouseClick(circolare, Qt::LeftButton, {}, QPoint(6, circolare->height() / 2));
  vuote("shape");
  for (int i : {0, 1, 2}) EXPECT_EQ(T("txtOmegaWd", i), "") << i;
  for (int i : {0, 1}) EXPECT_EQ(T("TxtRo", i), "") << i;

  auto* rettangolare = S().findChild<QAbstractButton*>("OpTipoPilastro_0");
  QTest::mouseClick(rettangolare, Qt::LeftButton, {}, QPoint(6, rettangolare->height() / 2));
  EXPECT_EQ(T("TxtRo", 0), " 0,0151");
  verifiche();
  S().mnufileitem_Click(0);
  vuote("Nuovo");
  EXPECT_EQ(T("TxtRo", 0), "");
  EXPECT_EQ(T("txtOmegaWd", 0), "");
}

// A column or an action without physical meaning: both checks are refused
// with the value named, and no result is shown.
TEST_F(VerificheSismica, InputsOutOfRangeGiveNoResult) {
  Colonna400();
  struct Riga {
    const char* box;
    QString testo, buono;
    std::string motivo;
  };
  const auto rifiutati = [&](const std::vector<Riga>& righe) {
    for (const Riga& r : righe) {
      Scrivi(r.box, r.testo);
      for (const char* comando :
           {"btnDominioMNsismica", "cmdDirezione_0", "cmdControlloPil_0", "mnufileitem_8"}) {
        f.ambiente.box.Svuota();
        if (QAction* voce = S().findChild<QAction*>(comando))
          voce->trigger();
        else
          Clic(comando);
        const std::vector<std::string> testi = f.ambiente.box.Testi();
        ASSERT_EQ(testi.size(), 1u) << r.box << " " << comando;
        EXPECT_EQ(testi[0].rfind("Calcolo non eseguito: dati non validi.\r\n" + r.motivo, 0), 0u)
            << testi[0];
        for (const char* nome : {"txtRoM", "txtVu"}) EXPECT_EQ(T(nome, 0), "") << nome;
        EXPECT_TRUE(S().findChild<QTextEdit*>("RichTextBox1")->toPlainText().isEmpty()) << comando;
      }
      Scrivi(r.box, r.buono);
    }
  };
  // 40 cm a side, bars of 16 mm: the cover must stay below 200 - 16 = 184 mm,
  // said in the boxes' cm.
  rifiutati({{"PilastroTxt_0", "-30", "40", "b = -30 cm: deve essere maggiore di 0"},
             {"PilastroTxt_4", "18,4", "4",
              "c = 18,4 cm: deve essere maggiore o uguale a 0 e minore di 18,4 cm"},
             {"F_N", "1E308", "680", "NEd non è un numero finito"},
             {"F_MInfsd_0", "2E11", "0", "MEd = 200000000000 kNm"}});
  // The critical length is read by the rules alone.
  Scrivi("PilastroTxt_10", "-60");
  f.ambiente.box.Svuota();
  Clic("cmdControlloPil_0");
  ASSERT_EQ(f.ambiente.box.Testi().size(), 1u);
  EXPECT_NE(f.ambiente.box.Testi()[0].find("H critica = -60 cm"), std::string::npos);
  Scrivi("PilastroTxt_10", "60");
  // 18,3 cm is room enough.
  Scrivi("PilastroTxt_4", "18,3");
  f.ambiente.box.Svuota();
  Clic("cmdDirezione_0");
  EXPECT_NE(T("txtVu", 0), "");

  // A circular column of 8 bars, 20 cm of radius.
  S().findChild<QAbstractButton*>("OpTipoPilastro_1")->click();
  for (const auto& [box, testo] : {std::pair{"PilastroTxt_6", "20"}, {"PilastroTxt_7", "8"},
                                   {"PilastroTxt_8", "4"}, {"PilastroTxt_11", "300"},
                                   {"PilastroTxt_12", "60"}, {"PilastroTxt_5", "10"}})
    Scrivi(box, testo);
  rifiutati({{"PilastroTxt_7", "3", "8", "Le barre longitudinali devono essere almeno 4: n = 3."},
             {"PilastroTxt_5", "-1", "10", "Il passo delle staffe = -1 cm"}});
}

TEST_F(VerificheSismica, BendingAtBothEndsGivesTheRatioOfTheMxMyWindowAndOfTheCaseRunner) {
  Colonna400();
  Clic("btnDominioMNsismica");
  const std::string inferiore = T("txtRoM", 0);
  EXPECT_EQ(inferiore, Rapporto());
  EXPECT_EQ(FinestreRisultati::DominioMxMyAperto()->TitoloTmp, "SEZIONE INFERIORE");
  EXPECT_EQ(f.C("F_Mxsd", 0).Text(), "150");
  EXPECT_EQ(f.C("F_N", 0).Text(), "680");
  EXPECT_EQ(S().Controllo("txtRoM", 0).ForeColor(), platform::QBColor(0));
  EXPECT_TRUE(VariabiliPubbliche::Stato.RisultatiPresenti);

  // Bars of 20 chosen at the top just before its check: the check stores
  // them and verifies that end, not the section it checked last.
  Clic("CmdSezionePil_0");
  EXPECT_EQ(S().findChild<QPushButton*>("btnDominioMNsismica")->text(), "V. Fles. Sez. Sup.");
  S().findChild<QComboBox*>("ComboBarrePil_0")->setCurrentText("20");
  Clic("btnDominioMNsismica");
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 1), "3,142");
  const std::string superiore = T("txtRoM", 1);
  EXPECT_EQ(superiore, Rapporto());
  EXPECT_EQ(FinestreRisultati::DominioMxMyAperto()->TitoloTmp, "SEZIONE SUPERIORE");
  EXPECT_EQ(f.C("F_Mxsd", 0).Text(), "100");
  EXPECT_EQ(T("txtRoM", 0), inferiore);
  EXPECT_TRUE(f.ambiente.box.Testi().empty());

  ASSERT_EQ(caso150.errore, "");
  EXPECT_EQ(inferiore, caso150.testi.at("txtRapporto"));
  EXPECT_EQ(superiore, caso100.testi.at("txtRapporto"));
}

// The check is an ultimate one: a main window left on "Metodo n" is moved
// to "S.L.U.+", or its domain command would compute no Mx-My domain.
TEST_F(VerificheSismica, AMainWindowOnAllowableStressesIsTurnedToTheUltimateCheck) {
  Colonna400();
  f.Clic("OpTipoVerifica", 1);
  Clic("btnDominioMNsismica");
  EXPECT_EQ(f.C("OpTipoVerifica", 0).Value(), 1);
  EXPECT_EQ(T("txtRoM", 0), caso150.testi.at("txtRapporto"));
  f.Clic("OpTipoVerifica", 1);  // and the design window's "S.L.U." is not the main window's
  ProgettoSezione::Mostra().Form().Controllo("OpTipoVerifica", 0).SetValue(1);
  Clic("btnDominioMNsismica");
  EXPECT_EQ(f.C("OpTipoVerifica", 0).Value(), 1);
  delete ProgettoSezione::Aperta();
}

// A calculation that fails leaves no verdict, even with a ratio shown
// before; a ratio of 1 passes, one just above it does not.
TEST_F(VerificheSismica, AFailedCalculationGivesNoVerdictAndOneIsTheLimit) {
  const double MRd = caso150.numeri.at("MxRd") / 1e6;
  Colonna400();
  Clic("btnDominioMNsismica");
  ASSERT_FALSE(T("txtRoM", 0).empty());

  Scrivi("F_N", "100000");
  Clic("btnDominioMNsismica");
  EXPECT_EQ(T("txtRoM", 0), "");
  EXPECT_FALSE(f.ambiente.box.Testi().empty());

  Scrivi("F_N", "680");
  Scrivi("F_MInfsd_0", QString::number(MRd, 'f', 6).replace('.', ','));
  Clic("btnDominioMNsismica");
  EXPECT_EQ(T("txtRoM", 0), " 1");
  EXPECT_EQ(S().Controllo("txtRoM", 0).ForeColor(), platform::QBColor(0));
  Scrivi("F_MInfsd_0", QString::number(MRd * 1.002, 'f', 6).replace('.', ','));
  Clic("btnDominioMNsismica");
  EXPECT_EQ(T("txtRoM", 0), " 1,002");
  EXPECT_EQ(S().Controllo("txtRoM", 0).ForeColor(), platform::QBColor(12));
}

// VRd = 2 x 50.27 x 391.3 x 324 / 150 x 2.5 = 212.4 kN in both directions
// of the square; VEd = 2 MRd 1.3 / 3000 with MRd of the case runner.
TEST_F(VerificheSismica, ShearAboutXAndYAfterBendingThenTheSameAfterSavingAndReading) {
  Colonna400();
  Clic("btnDominioMNsismica");
  Clic("cmdDirezione_0");
  EXPECT_EQ(T("txtVu", 0), " 212,4");
  EXPECT_EQ(S().Controllo("txtVu", 0).ForeColor(), platform::QBColor(0));
  Clic("cmdDirezione_1");
  EXPECT_EQ(VariabiliPubbliche::Stato.AngoloFlessione, -90);
  EXPECT_EQ(VariabiliPubbliche::Stato.TipoFlessione, 1);
  EXPECT_EQ(T("txtVu", 1), " 212,4");
  const std::string vx = T("F_V", 0), vy = T("F_V", 1), ro = T("txtRoM", 0);
  EXPECT_EQ(vx, vy);
  SalvaSchermata(S(), "FrmSismica_verifiche");

  auto dialogo = std::make_unique<platform::FileDialogScriptato>();
  dialogo->Accoda(f.ambiente.Percorso("colonna.slu"));
  dialogo->Accoda(f.ambiente.Percorso("colonna.slu"));
  f.main->CMDialog1 = std::move(dialogo);
  f.main->MnuFileItem_Click(3);
  S().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Sismica::Stato = Sismica::StatoSismico{};
  f.main->RegistraProgetto();
  f.main->MnuFileItem_Click(1);
  f.main->findChild<QAction*>("MnuSismica")->trigger();
  EXPECT_EQ(T("PilastroTxt", 0), "40");
  Clic("btnDominioMNsismica");
  Clic("cmdDirezione_0");
  Clic("cmdDirezione_1");
  EXPECT_EQ(T("txtRoM", 0), ro);
  EXPECT_EQ(T("txtVu", 0), " 212,4");
  EXPECT_EQ(T("F_V", 0), vx);
  EXPECT_EQ(T("F_V", 1), vy);
  EXPECT_TRUE(f.ambiente.box.Testi().empty());

  const double fcd = VariabiliPubbliche::Stato.Fcd, fyd = VariabiliPubbliche::Stato.Fyd[0];
  Caso c = CasoColonna(3.14159265358979 * 64, 160 / 3.0, fcd, fyd);
  c.numeri["angle"] = {0};
  const RisultatiCaso attesi = EseguiCaso(c);
  ASSERT_EQ(attesi.errore, "");
  EXPECT_EQ(vx, FormattaValore(2 * attesi.numeri.at("Mx") * 1.3 / 3000 / 1000));
}

}  // namespace
