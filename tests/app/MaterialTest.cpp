// The materials window driven as a user drives it: rows clicked, boxes typed,
// the code switched from its menu, rows added, factors chosen, confirm and
// cancel. Expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "AmbienteFile.h"
#include "FinestraConDialogo.h"
#include "FinestraMain.h"
#include "FinestraQt.h"
#include "app/FileMateriali.h"
#include "app/Material.h"
#include "app/NuovoMateriale.h"
#include "app/TabelleMateriali.h"
#include "app/frmSceltaLC.h"
#include "doppi/FinestreProva.h"
#include "doppi/MainProva.h"
#include "platform_qt/AppQt.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

namespace {

void EliminaFinestreChiuse() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
QLineEdit& Casella(const char* nome) { return *Material::Aperta()->findChild<QLineEdit*>(nome); }
std::string Testo(const char* nome) { return Casella(nome).text().toStdString(); }
void Digita(const char* nome, const char* testo) {
  Casella(nome).setFocus();
  FinestraMain::Digita(&Casella(nome), testo);
}

class FinestraMateriali : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    Finestre::Aperte = Finestre::FinestreAperte{};
    Finestre::Aperte.Main = &main;
    CreaMenuNormativa(main, 3);
    // A library file of the default tables, so that opening reads one.
    FileMateriali::FileMaterialiLeggeScrive("S");
    ambiente.box.Svuota();
  }
  void TearDown() override {
    if (Material* aperta = Material::Aperta()) aperta->close();
    EliminaFinestreChiuse();
    Finestre::Aperte = Finestre::FinestreAperte{};
  }

  Material& Apri() {
    Material& finestra = Material::Mostra();
    EXPECT_TRUE(Attiva(finestra));
    return finestra;
  }
  std::string Etichetta(const char* nome) {
    return Material::Aperta()->findChild<QLabel*>(nome)->text().toStdString();
  }
  void Clic(const char* pulsante) {
    QTest::mouseClick(Material::Aperta()->findChild<QPushButton*>(pulsante), Qt::LeftButton);
  }
  void ClicRiga(int griglia, int riga) {
    auto* vista = Material::Aperta()->findChild<platform::FlexGridQt*>(
        griglia == 0 ? "MsFlex_0" : "MsFlex_1");
    const QModelIndex cella = vista->model()->index(riga - 1, 1);
    vista->scrollTo(cella);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, vista->visualRect(cella).center());
  }
  void Normativa(int voce) {
    Material::Aperta()->findChild<QAction*>(QString("NormativaItem_%1").arg(voce))->trigger();
  }
  int RigaDi(int griglia, const std::string& sigla) {
    const platform::FlexGrid& g = Material::Aperta()->MsFlex(griglia);
    for (int r = 1; r < g.Rows(); ++r)
      if (g.TextMatrix(r, 1) == sigla) return r;
    return 0;
  }

  AmbienteFile ambiente;
  MainProva main;
};

TEST_F(FinestraMateriali, OpensOnTheJobsMaterialsWithTheirDerivedValues) {
  Material& finestra = Apri();
  const platform::FlexGrid& cls = finestra.MsFlex(1);
  EXPECT_EQ(cls.TextMatrix(3, 1), "C25/30");
  EXPECT_EQ(cls.TextMatrix(3, 0), ">");
  EXPECT_EQ(finestra.MsFlex(0).TextMatrix(1, 0), ">");
  EXPECT_EQ(Testo("F_fck_1"), "25");
  EXPECT_EQ(Testo("F_Rck_1"), "30");
  // fcd = 0.85 x 25 / 1.5 = 14.1667; fctm = 0.3 x 25^(2/3) = 0.3 x 8.5499 = 2.5650.
  EXPECT_EQ(Testo("F_fd_1"), "14.17");
  EXPECT_EQ(Testo("F_fctm"), " 2.565");
  // sigma_c = 6 + (30 - 15)/4 = 9.75; tau_c0 = 0.4 + 15/75 = 0.6;
  // tau_c1 = 1.4 + 15/35 = 1.82857.
  EXPECT_EQ(Testo("txtSigAdm_1"), "9.75");
  EXPECT_EQ(Testo("txtSigAdm_2"), "0.6");
  EXPECT_EQ(Testo("txtSigAdm_3"), "1.829");
  // fyd = 450 / 1.15 = 391.30; eps_yd = 391.3 / 200000 = 1.9565 per mille.
  EXPECT_EQ(Testo("F_fd_0"), "391.3");
  EXPECT_EQ(Testo("F_eps_syd"), " 1.957");
  EXPECT_EQ(Testo("F_eps_u_1"), " 3.5");
  EXPECT_EQ(Testo("F_eps_u_2"), " 2");
  // The boxes show four digits, the state keeps every one.
  EXPECT_EQ(Stato.Fcd, 25 / 1.5 * 0.85);
  EXPECT_EQ(Stato.Fyd[0], 450 / 1.15);
  EXPECT_EQ(Stato.TauC1, static_cast<float>(1.4 + 15 / 35.0));
  EXPECT_EQ(finestra.findChild<QMenu*>("NormativaMain")->title().toStdString(),
            "Normativa: NTC 2018");
  EXPECT_TRUE(finestra.findChild<QAction*>("NormativaItem_0")->isChecked());
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  SalvaSchermata(finestra, "Material");
}

TEST_F(FinestraMateriali, ConcreteAbove50ChangesItsStrainsAndB450ALowersEpsSu) {
  Apri();
  ClicRiga(1, RigaDi(1, "C70/85"));
  EXPECT_EQ(Testo("F_fck_1"), "70");
  // eps_cu = 2.6 + 35 (20/100)^4 = 2.6 + 0.056 = 2.656 per mille;
  // eps_c2 = 2 + 0.085 x 20^0.53 = 2 + 0.085 x 4.8926 = 2.4159 per mille.
  EXPECT_EQ(Testo("F_eps_u_1"), " 2.656");
  EXPECT_EQ(Testo("F_eps_u_2"), " 2.416");
  EXPECT_NEAR(Stato.EpsCu, 0.002656, 1e-9);

  // Typed back to 50: the code values up to fck 50.
  Digita("F_fck_1", "50");
  EXPECT_EQ(Testo("F_eps_u_1"), " 3.5");
  EXPECT_EQ(Testo("F_eps_u_2"), " 2");

  ClicRiga(0, RigaDi(0, "B450A"));
  EXPECT_EQ(Testo("F_sigla_0"), "B450A");
  EXPECT_EQ(Testo("F_eps_u_0"), "22.5");
  ClicRiga(0, RigaDi(0, "B450C"));
  EXPECT_EQ(Testo("F_eps_u_0"), "67.5");
}

TEST_F(FinestraMateriali, Dm1996FromTheWindowsMenu) {
  Apri();
  ClicRiga(0, RigaDi(0, "B450A"));
  Normativa(1);
  EXPECT_EQ(Stato.Normativa, 1);
  EXPECT_EQ(Stato.GammaC, 1.6);
  // fcd = 0.85 x 25 / 1.6 = 13.28125.
  EXPECT_EQ(Testo("F_fd_1"), "13.28");
  EXPECT_EQ(Testo("F_gamma_1"), "1.6");
  // fctm under DM 1996 = 0.27 Rck^(2/3) = 0.27 x 30^(2/3) = 0.27 x 9.6549 = 2.6068.
  EXPECT_EQ(Testo("F_fctm"), " 2.607");
  const platform::FlexGrid& acciai = Material::Aperta()->MsFlex(0);
  ASSERT_EQ(acciai.Rows(), 6);
  EXPECT_EQ(acciai.TextMatrix(1, 1), "FeB22k");
  EXPECT_EQ(acciai.TextMatrix(5, 1), "Trefolo");
  // The chosen steel keeps its boxes; every steel takes the code's 10 per mille.
  EXPECT_EQ(Testo("F_eps_u_0"), "10");
  ClicRiga(0, 4);
  EXPECT_EQ(Testo("F_sigla_0"), "FeB44k");
  EXPECT_EQ(Testo("F_eps_u_0"), "10");
  EXPECT_EQ(Material::Aperta()->findChild<QMenu*>("NormativaMain")->title().toStdString(),
            "Normativa: DM 1996");
  // The main window's tendon types follow the table.
  EXPECT_EQ(main.Controllo("CmbCavi").ListCount(), 5);
  Clic("F_esci_0");
  EXPECT_EQ(Stato.EpsSu, 0.01);
}

TEST_F(FinestraMateriali, ExistingStructuresShowTheConfidenceFactorsAndHideAlfaCC) {
  Apri();
  EXPECT_TRUE(Casella("F_FC_1").isHidden());
  Normativa(2);
  EXPECT_FALSE(Casella("F_FC_1").isHidden());
  EXPECT_TRUE(Casella("F_AlfaCC").isHidden());
  EXPECT_EQ(Etichetta("Label6_13"), "c");
  EXPECT_EQ(Etichetta("Label6_5"), "y");
  // fcd = 1.0 x 25 / 1.5 / 1 = 16.667.
  EXPECT_EQ(Testo("F_fd_1"), "16.67");

  // LC1 for the concrete: fcd = 25 / 1.5 / 1.35 = 12.3457, at once.
  frmSceltaLC scelta(*Material::Aperta(), 1);
  scelta.show();
  SalvaSchermata(scelta, "frmSceltaLC");
  QTest::mouseClick(scelta.findChild<QRadioButton*>("optLC_0"), Qt::LeftButton);
  QTest::mouseClick(scelta.findChild<QPushButton*>("cmdLC_1"), Qt::LeftButton);
  EXPECT_FLOAT_EQ(Stato.FattoreConfidenza[1], 1.35f);
  EXPECT_EQ(Testo("F_FC_1"), "1.35");
  EXPECT_EQ(Testo("F_fd_1"), "12.35");

  // OK with no level chosen leaves the steel's factor as it was.
  frmSceltaLC nessuna(*Material::Aperta(), 0);
  nessuna.show();
  QTest::mouseClick(nessuna.findChild<QPushButton*>("cmdLC_1"), Qt::LeftButton);
  EXPECT_EQ(Stato.FattoreConfidenza[0], 1.0f);
  EXPECT_EQ(Testo("F_FC_0"), "1");
}

TEST_F(FinestraMateriali, CancelAfterAChangeOfCodeGivesBackTheWholeMaterialState) {
  const VariabiliPubbliche::StatoProgramma prima = Stato;
  Apri();
  Normativa(2);
  ClicRiga(1, RigaDi(1, "C40/50"));
  Digita("F_gamma_0", "1.3");
  Material::Aperta()->AggiungiRiga(0, {"B500", "500", "540", "260"});
  ASSERT_NE(Stato.Fck, prima.Fck);
  Clic("F_esci_1");
  EliminaFinestreChiuse();
  EXPECT_EQ(Material::Aperta(), nullptr);
  EXPECT_EQ(Stato.Normativa, 0);
  EXPECT_EQ(Stato.GammaC, prima.GammaC);
  EXPECT_EQ(Stato.GammaS, prima.GammaS);
  EXPECT_EQ(Stato.AlfaCC, prima.AlfaCC);
  EXPECT_EQ(Stato.Fck, prima.Fck);
  EXPECT_EQ(Stato.Fcd, prima.Fcd);
  EXPECT_EQ(Stato.Fyd, prima.Fyd);
  EXPECT_EQ(Stato.SiglaCalcestruzzo, prima.SiglaCalcestruzzo);
  EXPECT_EQ(Stato.TabellaAcciai, prima.TabellaAcciai);
  EXPECT_EQ(Stato.TabellaAcciaiEsistenti, prima.TabellaAcciaiEsistenti);
  EXPECT_EQ(Stato.TabellaCalcestruzzi, prima.TabellaCalcestruzzi);
  EXPECT_EQ(main.Controllo("NormativaMain").Caption(), "Normativa: NTC 2018");
  EXPECT_TRUE(main.chiamate.empty());

  // Closed from its title bar: the same.
  Apri();
  Normativa(1);
  Material::Aperta()->close();
  EliminaFinestreChiuse();
  EXPECT_EQ(Stato.Normativa, 0);
  EXPECT_EQ(Stato.GammaC, prima.GammaC);
}

TEST_F(FinestraMateriali, ConfirmCopiesTheBoxesAndRefreshesTheMainWindow) {
  Apri();
  Normativa(2);
  ClicRiga(1, RigaDi(1, "C30/37"));
  Clic("F_esci_0");
  EliminaFinestreChiuse();
  EXPECT_EQ(Material::Aperta(), nullptr);
  EXPECT_EQ(Stato.Normativa, 2);
  EXPECT_EQ(Stato.SiglaCalcestruzzo, "C30/37");
  // fcd = 1.0 x 30 / 1.5 = 20.
  EXPECT_EQ(Stato.Fcd, 20);
  EXPECT_EQ(Stato.AlfaCC, 1.0);
  EXPECT_EQ(main.chiamate, std::vector<std::string>{"ScriveMaterialiInForm"});
  EXPECT_EQ(main.Controllo("Label21", 0).Caption(), "y");
  EXPECT_EQ(main.Controllo("Label6", 6).Caption(), "sy");
  EXPECT_EQ(main.Controllo("Label23").Caption(), "c");
  EXPECT_EQ(main.Controllo("NormativaMain").Caption(),
            "Normativa: NTC 2018 - Strutture esistenti");
  // The notice on partial factors and ductility, once.
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_NE(ambiente.box.Mostrati()[0].testo.find("duttilità"), std::string::npos);
}

TEST_F(FinestraMateriali, ConfirmWithoutAConcreteIsRefused) {
  Stato.SiglaCalcestruzzo = "C99/999";
  Apri();
  EXPECT_EQ(Testo("F_fck_1"), "");
  Clic("F_esci_0");
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Selezionare il tipo di calcestruzzo"});
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_TRUE(Material::Aperta()->isVisible());
  EXPECT_TRUE(main.chiamate.empty());
}

TEST_F(FinestraMateriali, AValueOutOfItsRangeIsRefusedAndTheBoxRestored) {
  Apri();
  Digita("F_gamma_1", "0");
  // While typing the derived values stay.
  EXPECT_EQ(Testo("F_fd_1"), "14.17");
  EXPECT_EQ(Stato.GammaC, 1.5);
  Casella("F_Es").setFocus();
  EXPECT_EQ(Testo("F_gamma_1"), "1.5");
  EXPECT_EQ(ambiente.box.Testi(),
            std::vector<std::string>{"γc = 0: deve essere compreso tra 1 e 3;\r\nun coefficiente "
                                     "parziale non aumenta le resistenze né le riduce oltre un terzo."});

  // Confirm with a zero modulus still in its box.
  ambiente.box.Svuota();
  Casella("F_sigla_1").setFocus();
  Casella("F_Es").setText("0");
  Clic("F_esci_0");
  EXPECT_EQ(ambiente.box.Testi().size(), 1u);
  EXPECT_EQ(Testo("F_Es"), " 200,000");
  EXPECT_EQ(Stato.ModuloEs, 200000);
  EXPECT_TRUE(Material::Aperta()->isVisible());
}

TEST_F(FinestraMateriali, TextAlreadyThereRunsNoRecomputation) {
  Apri();
  Stato.Fcd = 1;  // changed behind the window's back
  Casella("F_fck_1").setText("25");
  EXPECT_EQ(Stato.Fcd, 1);
  Casella("F_fck_1").setText("30");
  // 0.85 x 30 / 1.5 = 17.
  EXPECT_EQ(Stato.Fcd, 17);
}

TEST_F(FinestraMateriali, NewRowsJoinTheGridsAndTheLibraryWhenSaved) {
  Material& finestra = Apri();
  {
    NuovoMateriale nuovo(finestra, 0);
    ASSERT_TRUE(Attiva(nuovo));
    EXPECT_EQ(nuovo.windowTitle().toStdString(), "Nuovo acciaio");
    SalvaSchermata(nuovo, "NuovoMateriale");
    // Enter moves along the boxes, then to "Inserisci" without pressing it.
    auto* t0 = nuovo.findChild<QLineEdit*>("Text1_0");
    t0->setFocus();
    QTest::keyClicks(t0, "B\"500, speciale");
    for (const char* valore : {"500", "540", "260"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTest::keyClicks(QApplication::focusWidget(), valore);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Inserisci");
    EXPECT_EQ(finestra.MsFlex(0).Rows(), 4);
    QTest::mouseClick(nuovo.findChild<QPushButton*>("Inserisci"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), t0);
    EXPECT_TRUE(nuovo.isVisible());
    nuovo.findChild<QLineEdit*>("Text1_2")->setText("400");  // ftk 400 < fyk 500: refused
    QTest::mouseClick(nuovo.findChild<QPushButton*>("Inserisci"), Qt::LeftButton);
    EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"ftk non può essere minore di fyk."});
    ambiente.box.Svuota();
  }
  const platform::FlexGrid& acciai = finestra.MsFlex(0);
  ASSERT_EQ(acciai.Rows(), 5);
  EXPECT_EQ(acciai.TextMatrix(4, 1), "B\"500, speciale");
  EXPECT_EQ(acciai.TextMatrix(4, 4), "260");
  EXPECT_EQ(acciai.TextMatrix(4, 0), ">");
  EXPECT_EQ(acciai.TextMatrix(1, 0), "");
  EXPECT_EQ(Testo("txtSigAdm_0"), "260");
  // fyd = 500 / 1.15 = 434.78.
  EXPECT_EQ(Testo("F_fd_0"), "434.8");
  {
    NuovoMateriale nuovo(finestra, 1);
    nuovo.show();
    EXPECT_EQ(nuovo.windowTitle().toStdString(), "Nuovo calcestruzzo");
    const char* testi[] = {"C32/40", "95", "40", "999"};
    for (int i = 0; i < 4; ++i)
      nuovo.findChild<QLineEdit*>(QString("Text1_%1").arg(i))->setText(testi[i]);
    // A strength out of its range joins no grid.
    QTest::mouseClick(nuovo.findChild<QPushButton*>("Inserisci"), Qt::LeftButton);
    ASSERT_EQ(ambiente.box.Testi().size(), 1u);
    EXPECT_EQ(ambiente.box.Testi()[0].rfind("fck = 95 N/mm²: deve essere", 0), 0u);
    EXPECT_EQ(finestra.MsFlex(1).Rows(), 15);
    nuovo.findChild<QLineEdit*>("Text1_1")->setText("32");
    ambiente.box.Svuota();
    QTest::mouseClick(nuovo.findChild<QPushButton*>("Inserisci"), Qt::LeftButton);
  }
  const platform::FlexGrid& cls = finestra.MsFlex(1);
  ASSERT_EQ(cls.Rows(), 16);
  EXPECT_EQ(cls.Cols(), 4);
  EXPECT_EQ(cls.TextMatrix(15, 3), "40");

  Clic("Command1");
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  // The double quote is stored as an apostrophe, so the record stays whole.
  EXPECT_NE(ambiente.Leggi("TramokMateriali.txt").find("\n\"B'500, speciale\",500,540,260\r\n"),
            std::string::npos);
  finestra.close();
  EliminaFinestreChiuse();
  Apri();
  EXPECT_EQ(Material::Aperta()->MsFlex(0).TextMatrix(4, 1), "B'500, speciale");
  EXPECT_EQ(Material::Aperta()->MsFlex(1).TextMatrix(15, 1), "C32/40");
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

// The defaults replace the grid of the code in force; the user's rows of the
// other codes stay in the library.
TEST_F(FinestraMateriali, DeletingRowsKeepsOneAndDefaultsComeBack) {
  Stato.TabellaAcciaiDm96 = TabelleMateriali::AcciaiPredefiniti(1);
  Stato.TabellaAcciaiDm96.ReDimPreserve(6);
  Stato.TabellaAcciaiDm96(6) = {"FeB50k", 500, 600, 260};
  FileMateriali::FileMaterialiLeggeScrive("S");
  Material& finestra = Apri();
  ClicRiga(0, 2);
  Clic("Elimina_0");
  EXPECT_EQ(finestra.MsFlex(0).Rows(), 3);
  EXPECT_EQ(finestra.MsFlex(0).TextMatrix(2, 1), "Trefolo");
  // The panel shows the row now selected.
  EXPECT_EQ(Testo("F_sigla_0"), "Trefolo");
  Clic("Elimina_0");
  Clic("Elimina_0");
  ASSERT_EQ(finestra.MsFlex(0).Rows(), 2);
  EXPECT_EQ(finestra.MsFlex(0).TextMatrix(1, 1), "B450C");
  Clic("MatDefault");
  EXPECT_EQ(finestra.MsFlex(0).Rows(), 4);
  Clic("Command1");
  EXPECT_NE(ambiente.Leggi("TramokMateriali.txt").find("\"FeB50k\",500,600,260"),
            std::string::npos);
}

}  // namespace

namespace {

// What a change of code leaves in the program state and the main window.
struct EsitoNormativa {
  double gammaC, gammaS, alfaCC;
  Vettore<VariabiliPubbliche::RigaAcciaio> acciai;
  std::vector<std::string> etichette;
  int tipiCavo;
  bool operator==(const EsitoNormativa&) const = default;
};

EsitoNormativa Esito(FinestraMain& f) {
  return {Stato.GammaC,
          Stato.GammaS,
          Stato.AlfaCC,
          Stato.TabellaAcciai,
          {f.C("Label21", 0).Caption(), f.C("Label6", 6).Caption(), f.C("Label23").Caption(),
           f.C("Label17").Caption(), f.C("NormativaMain").Caption()},
          f.C("CmbCavi").ListCount()};
}

}  // namespace

// The program's own main window: existing structures chosen from its menu and
// from the materials window end in the same factors, labels and steel table.
TEST(NormativaDueVie, MainMenuAndMaterialsWindowAgree) {
  EsitoNormativa daMain;
  {
    FinestraMain f;
    f.ambiente.box.Svuota();
    f.main->findChild<QAction*>("NormativaItem_2")->trigger();
    daMain = Esito(f);
    EXPECT_EQ(f.ambiente.box.Mostrati().size(), 1u);
  }
  FinestraMain f;
  f.ambiente.box.Svuota();
  Material& finestra = Material::Mostra();
  finestra.findChild<QAction*>("NormativaItem_2")->trigger();
  QTest::mouseClick(finestra.findChild<QPushButton*>("F_esci_0"), Qt::LeftButton);
  EliminaFinestreChiuse();
  EXPECT_EQ(Esito(f), daMain);
  EXPECT_EQ(daMain.alfaCC, 1.0);
  EXPECT_EQ(daMain.etichette[2], "c");
  EXPECT_EQ(daMain.tipiCavo, 14);
  // The one on ductility: the missing library file was told at start-up.
  EXPECT_EQ(f.ambiente.box.Mostrati().size(), 1u);
}

// A window left open under DM 1996 follows the code chosen in the main window.
TEST(NormativaDueVie, AnOpenWindowFollowsTheMainWindowsCode) {
  FinestraMain f;
  f.main->findChild<QAction*>("NormativaItem_1")->trigger();
  Material& finestra = Material::Mostra();
  f.main->findChild<QAction*>("NormativaItem_2")->trigger();
  EXPECT_EQ(finestra.findChild<QMenu*>("NormativaMain")->title().toStdString(),
            "Normativa: NTC 2018 - Strutture esistenti");
  QTest::mouseClick(finestra.findChild<QPushButton*>("F_esci_0"), Qt::LeftButton);
  EliminaFinestreChiuse();
  // fc = alfa_cc x fck / (gamma_c x FC) = 1.0 x 25 / (1.5 x 1) = 16.667, not DM 1996's 25 / 1.6.
  EXPECT_EQ(f.C("TxtFcd").Text(), " 16,67");
}

// DM 1996 lists no B450C: the steel's boxes stay empty, the concrete's show.
TEST(NormativaDueVie, UnderDm1996TheConcreteShowsItsValuesWithoutTheJobsSteel) {
  FinestraMain f;
  f.main->findChild<QAction*>("NormativaItem_1")->trigger();
  ASSERT_TRUE(Attiva(Material::Mostra()));
  f.ambiente.box.Svuota();
  EXPECT_EQ(Testo("F_sigla_1") + Testo("F_fd_1") + "|" + Testo("F_sigla_0") + Testo("F_fd_0"),
            "C25/3013,28|");  // fcd = 0.85 x 25 / 1.6 = 13.281
  Digita("F_gamma_1", "1,6");
  Casella("F_AlfaCC").setFocus();  // a box left: no data error for the steel's
  EXPECT_TRUE(f.ambiente.box.Mostrati().empty());
  ASSERT_TRUE(Attiva(*f.main));  // nor a steel chosen by fyd typed in the main window
  f.Widget<QLineEdit>("F_fyd_0")->setFocus();
  FinestraMain::Batti("400");
  EXPECT_EQ(Testo("F_fd_0") + Testo("F_eps_syd"), "");
  f.Widget<QLineEdit>("TxtFcd")->setFocus();  // fck = 1.6 x 17 / 0.85 = 32, Rck = 32 / 0.83
  FinestraMain::Batti("17");  // = 38.55, fctm = 0.27 x 38.55^(2/3), Ecm = 5700 x 38.55^0.5
  EXPECT_EQ(Testo("F_Rck_1") + "|" + Testo("F_fctm") + "|" + Testo("F_Ecm"), "38,55| 3,081| 35.391");
  f.Widget<QLineEdit>("TxtFcd")->selectAll();  // fck = 1.6 x 4.25 / 0.85 = 8: C8/10, Rck 10,
  FinestraMain::Batti("4,25");                     // not 8 / 0.83 = 9.64 below its range
  EXPECT_EQ(Testo("F_Rck_1"), "10");
  f.ambiente.CopiaFixture("progetto-7.6.slu", "dm96.slu");
  f.main->RigaComando = f.ambiente.Percorso("dm96.slu");
  f.main->ApriFileRigaComando();
  EXPECT_EQ(Testo("F_sigla_1") + Testo("F_fd_1") + "|" + Testo("F_sigla_0") + Testo("F_fd_0"),
            "C45/5523,91|");  // a DM 1996 project of B450C: 0.85 x 45 / 1.6 = 23.906
  Material::Aperta()->close();
  EliminaFinestreChiuse();
}

// The main window's material boxes left while the window is open show in its box of the same
// quantity, nothing is recomputed from them, neither confirm nor Annulla writes an older one back.
// Rows: the main window's box, what is typed there, the box here and what it shows.
TEST(NormativaDueVie, AnOpenWindowFollowsTheMainWindowsMaterialBoxes) {
  FinestraMain f;
  ASSERT_TRUE(Attiva(Material::Mostra()));
  Digita("F_fccSufcd", "0,9");  // typed here, confirmed later
  Digita("F_fck_1", "30");
  ASSERT_TRUE(Attiva(*f.main));
  const char* const casi[][4] = {
      {"TxtFcd", "", "F_fd_1", "17"},     // passed through: 0.85 x 30 / 1.5 = 17 stays
      {"TxtFcd", "abc", "F_fd_1", "17"},  // refused
      {"TxtFcd", "12", "F_fd_1", "12"},
      {"F_fyd_0", "5", "F_fd_0", "391,3"},  // under 20: refused, 450 / 1.15 = 391.30 stays
      {"F_fyd_0", "400", "F_fd_0", "400"},
      {"F_Es_0", "210000", "F_eps_syd", " 1,905"},  // 400 / 210000 = 1.9048 per mille
      {"F_eps_cu_1", "3", "F_eps_u_2", " 3"},
      {"txtSigAdm_2", "0,7", "txtSigAdm_2", "0,7"}};
  for (const auto& caso : casi) {
    f.Widget<QLineEdit>(caso[0])->setFocus();
    f.Widget<QLineEdit>(caso[0])->selectAll();
    FinestraMain::Batti(caso[1]);
    EXPECT_EQ(Testo(caso[2]), caso[3]) << caso[0] << " " << caso[1];
  }
  EXPECT_EQ(Testo("F_fck_1"), "21,18");  // fck = 1.5 x 12 / 0.85 = 21.176
  QTest::mouseClick(Material::Aperta()->findChild<QPushButton*>("F_esci_0"), Qt::LeftButton);
  EliminaFinestreChiuse();
  EXPECT_EQ(f.C("TxtFcd").Text() + "|" + f.C("F_fyd", 0).Text() + "|" + f.C("F_fccSufcd").Text(),
            " 12| 400|0,9");
  EXPECT_EQ(std::vector<double>({Stato.Fcd, Stato.Fyd[0], Stato.EpsC2, Stato.TauC0}),
            std::vector<double>({12, 400, 0.003, 0.7f}));
  ASSERT_TRUE(Attiva(Material::Mostra()));
  ASSERT_TRUE(Attiva(*f.main));
  f.Widget<QLineEdit>("TxtFcd")->setFocus();
  FinestraMain::Batti("13");
  Material::Aperta()->close();
  EliminaFinestreChiuse();
  EXPECT_EQ(Stato.Fcd, 13);
}

// Values typed, not confirmed: a file not read leaves them, a code chosen elsewhere drops them and
// Annulla starts nothing. Beside the window opened again, the main window's fcd typed, box not
// left, and a class named are saved.
TEST(NormativaDueVie, UnconfirmedValuesAndWhatTheMainWindowHoldsBesideAnOpenWindow) {
  FinestraConDialogo f(false);
  ASSERT_TRUE(Attiva(Material::Mostra()));
  Digita("F_fck_1", "30");
  f.ambiente.CopiaFixture("progetto-7.8.slu", "intero.slu");
  const std::string intero = f.ambiente.Leggi("intero.slu");
  f.ambiente.Scrivi("rotto.slu", intero.substr(0, intero.find("\r\n", 200)));
  f.dialogo->Accoda(f.ambiente.Percorso("rotto.slu"));
  f.ambiente.box.Accoda(platform::Risposta::No);  // the job typed is not saved
  f.main->MnuFileItem_Click(1);
  EXPECT_EQ(Testo("F_fck_1"), "30");
  f.main->findChild<QAction*>("NormativaItem_1")->trigger();
  // fc = 0.85 x 25 / 1.6 = 13.281, not 0.85 x 30 / 1.6 = 15.94.
  EXPECT_EQ(f.C("TxtFcd").Text() + Testo("F_fck_1"), " 13,2825");
  f.main->RegistraProgetto();  // as saved; nor compared with the file, nor in the settings
  Digita("F_fck_1", "30");
  EXPECT_FALSE(f.main->ProgettoModificato());
  f.main->MnuFileItem_Click(8);
  EXPECT_NE(f.ambiente.Leggi("Tramok.ini").find("\n25,450\r\n"), std::string::npos);  // fck, fyk
  QTest::mouseClick(Material::Aperta()->findChild<QPushButton*>("F_esci_1"), Qt::LeftButton);
  EliminaFinestreChiuse();
  EXPECT_EQ(Stato.Fck, 25);
  ASSERT_TRUE(Attiva(Material::Mostra()));
  ASSERT_TRUE(Attiva(*f.main));
  f.Digita(f.Widget<QLineEdit>("TxtFcd"), "12");
  f.Digita(f.Widget<QLineEdit>("F_nome_cls"), "Cls prova");
  // eps_cu = 0.0035 up to C50/60, then the fcd typed.
  EXPECT_NE(f.SalvaCome("salvato.slu").find("\"Cls prova\"\r\n0.0035,12,"), std::string::npos);
  Material::Aperta()->close();
  EliminaFinestreChiuse();
}
