// The seismic window's features used together as an engineer uses them: the
// stirrup editor beside the rule list, the checks, the picture, the drawing
// window and the project file.
#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QComboBox>
#include <QTemporaryDir>

#include "DisegnoSismicaQt.h"
#include "EditorStaffeQt.h"
#include "FinestreSismicaQt.h"
#include "SchermoSismica.h"
#include "app/FiguraSezione.h"
#include "app/FinestraMain.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/ProgettoFile.h"
#include "app/Schermata.h"
#include "platform/FileDialogScriptato.h"
#include "platform/InputBoxScriptato.h"

using Sismica::Stato;
using namespace EditorQt;
using S = FinestraSismicaSchermo;

namespace {

const QImage& Figura() { return S::F().findChild<FiguraSezione*>("Figura")->Immagine(); }
void ClicFigura() { QTest::mouseClick(S::W_("Figura"), Qt::LeftButton); }

// ---------------------------------------------------------------------------
// The rule list beside the editor, on the standard column of the rule tables
// (one hoop of 8 round the corners at both ends, pitches 100 and 150).

class ListaConEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    Prepara(Riga(CasiStaffe, "NTC CD B: the central zone falls short"));
    S::Apri();
  }
  static void Svuota() { S::W_<QTextEdit>("RichTextBox1")->clear(); }

  AmbienteColonna ambiente;
  FinestraSismicaSchermo schermo;
  platform::InputBoxScriptato diametri;
  const QString completa = ListaAttesa(Riga(CasiGeometria, "NTC CD B standard column").attese);
  const QString soloStaffe =
      ListaAttesa(Riga(CasiStaffe, "NTC CD B: the central zone falls short").attese);
};

TEST_F(ListaConEditor, OpenEditorListsOnlyTheStirrupRulesUntilItIsClosed) {
  ASSERT_EQ(S::Lista(), completa);
  EditorQt::Apri();
  EXPECT_EQ(S::Lista().toStdString(), QString(soloStaffe).toStdString());
  S::Batti("PilastroTxt_14", "100");  // no pitch in rho = 12 x 201.06 / 400^2 = 0.0151
  EXPECT_EQ(S::W_<QLineEdit>("TxtRo_0")->text(), " 0,0151");
  Svuota();
  S::Clic("cmdControlloPil_0");
  EXPECT_EQ(S::Lista().toStdString(), QString(soloStaffe).toStdString());
  Svuota();
  S::Batti("F_N", "680");
  S::Invio("F_N");
  EXPECT_EQ(S::Lista().toStdString(), QString(soloStaffe).toStdString());
  Premi(0);
  EXPECT_FALSE(Aperto());
  EXPECT_EQ(S::Lista().toStdString(), QString(completa).toStdString());
  Svuota();
  S::Clic("cmdControlloPil_0");
  EXPECT_EQ(S::Lista().toStdString(), QString(completa).toStdString());

  // Cancelled, the editor gives the full list back too.
  EditorQt::Apri();
  EXPECT_EQ(S::Lista().toStdString(), QString(soloStaffe).toStdString());
  Premi(1);
  EXPECT_EQ(S::Lista().toStdString(), QString(completa).toStdString());
  EXPECT_TRUE(schermo.messaggi.Testi().empty());
}

// A tie across each direction gives 3 legs: omega_st of the central zone
// 0.1211 x 100 / 150 = 0.0807 >= 0.08. The stirrup rules are then met while
// the editor is open, and the geometry rules too once it is closed.
TEST_F(ListaConEditor, TiesTypedInTheEditorMeetTheRulesInBothLists) {
  EditorQt::Apri();
  // The tie along x helps that direction only.
  Generica({"8", "5", "6"});
  const auto& staffe = Riga(CasiStaffe, "NTC CD B: the central zone falls short").attese;
  EXPECT_EQ(S::Lista().toStdString(), ListaAttesa({staffe.at(1)}).toStdString());
  Generica({"8", "2", "10"});
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}, {8, 5, 6}, {8, 2, 10}}));
  EXPECT_EQ(S::Lista().toStdString(), QString("OK prescrizioni").toStdString());
  Premi(0);
  EXPECT_EQ(S::Lista().toStdString(), QString("OK prescrizioni").toStdString());
}

// While stirrups are edited the column cannot change under them: its end,
// its data and the copy between ends wait for the editor to close.
TEST_F(ListaConEditor, EndsAndColumnDataAreHeldWhileTheEditorIsOpen) {
  EditorQt::Apri();
  for (const char* nome : {"CmdSezionePil_0", "CmdSezionePil_1", "cmdCopiaSezione",
                           "PilastroTxt_2", "OpTipoPilastro_1", "OpTipoSezioneSismica_2"})
    EXPECT_FALSE(S::W_(nome)->isEnabled()) << nome;
  // A new job closes the editor and frees the column's data again.
  S::Menu("mnufileitem_0");
  EXPECT_FALSE(Aperto());
  for (const char* nome : {"CmdSezionePil_0", "cmdCopiaSezione", "PilastroTxt_2",
                           "OpTipoPilastro_1", "StaffePilDef"})
    EXPECT_TRUE(S::W_(nome)->isEnabled()) << nome;
}

// ---------------------------------------------------------------------------
// The editor with the picture, the drawing window and the two ends, on the
// column of 400 x 400 with 4 x 4 bars of 16 at both ends, in mm.

class EditorInsieme : public FinestreSismicaQt {
 protected:
  void SetUp() override {
    FinestreSismicaQt::SetUp();
    Colonna400();
    FrmSismica::Mostra();
  }
  // An outer hoop of the diameter given.
  void Esterna(const char* diametro) {
    diametri.Accoda(diametro);
    Premi(2);
  }

  platform::InputBoxScriptato diametri;
};

// Bar 4 of the hoop typed as 3 and left open: a click on the picture puts
// the number in its cell and the drawing shows the hoop through bar 3.
TEST_F(EditorInsieme, CellBeingTypedIsCommittedByTheRedrawBeforeTheDrawing) {
  EditorQt::Apri();
  Esterna("8");
  ASSERT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}}));
  // The hoop just added stands out in colour 1 until the plain redraw.
  ClicFigura();
  const QImage prima = MascheraStaffe(Figura());
  ASSERT_GT(Pixel(prima), 100);
  ClicCella(1, 3);
  QTest::keyClicks(&Editor(), "3");
  ClicFigura();
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_EQ(G().TextMatrix(1, 3), "3");
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 3, 12, 9}}));
  EXPECT_NE(MascheraStaffe(Figura()), prima);
  Premi(0);
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 3, 12, 9}}));
  EXPECT_TRUE(messaggi.Testi().empty());
}

// A stirrup typed over another one is reported once, whether it is typed as
// a generic stirrup or by changing a cell, and never stored: the row keeps
// what it held before.
TEST_F(EditorInsieme, RepeatedStirrupTypedInTheGridIsReportedOnce) {
  const std::string doppia =
      "la staffa 2 si sovrappone alla staffa 1.\r\nEliminarla o modificarla!";
  EditorQt::Apri();
  Esterna("8");
  Generica({"8", "12", "9", "1", "4"});
  EXPECT_EQ(messaggi.Testi(), (std::vector<std::string>{doppia}));
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}}));
  ClicCella(2, 5);
  Digita("10");
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}, {8, 12, 9, 1, 10}}));
  ClicCella(2, 5);
  Digita("4");
  EXPECT_EQ(messaggi.Testi(), (std::vector<std::string>{doppia, doppia}));
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}, {8, 12, 9, 1, 10}}));
}

TEST_F(EditorInsieme, StirrupsAddedInTheEditorAreDrawnByPlottaAndExportedToDxf) {
  EditorQt::Apri();
  Esterna("8");
  diametri.Accoda("8");
  Premi(5);
  Generica({"8", "5", "6"});
  ASSERT_EQ(Memorizzate().size(), 3u);
  S::Clic("cmdPlotta");
  FrmPltSezione* disegno = FinestreRisultati::FrmPltSezioneAperto();
  ASSERT_NE(disegno, nullptr);
  EXPECT_GT(PixelStaffe(disegno->grab().toImage()), 100);

  QTemporaryDir cartella;
  EXPECT_EQ(StaffeDxf(*disegno, cartella.filePath("aperto.dxf")), 3);
  // The tie deleted and the editor closed: the drawing follows.
  ClicCella(3, 1);
  Premi(3);
  Premi(0);
  EXPECT_FALSE(Aperto());
  S::Clic("cmdPlotta");
  disegno = FinestreRisultati::FrmPltSezioneAperto();
  ASSERT_NE(disegno, nullptr);
  EXPECT_EQ(StaffeDxf(*disegno, cartella.filePath("chiuso.dxf")), 2);
  SalvaSchermata(*disegno, "FrmPltSezione_editor");
}

// Each end keeps its own stirrups: switching, cancelling on the other end,
// copying and deleting there leave the first end as it was.
TEST_F(EditorInsieme, EndsKeepTheirStirrupsThroughSwitchCopyAndCancel) {
  const std::vector<RigaStaffa> sotto = {{8, 1, 4, 12, 9}, {8, 5, 6}};
  EditorQt::Apri();
  Esterna("8");
  Generica({"8", "5", "6"});
  Premi(0);
  ASSERT_EQ(Memorizzate(), sotto);

  S::Clic("CmdSezionePil_0");
  ASSERT_FALSE(Stato.PilastroCorrente.SezioneInferiore);
  EXPECT_TRUE(Memorizzate().empty());
  EditorQt::Apri();
  EXPECT_EQ(G().Rows(), 1);
  Esterna("10");
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{10, 1, 4, 12, 9}}));
  Premi(1);
  EXPECT_TRUE(Memorizzate().empty());

  messaggi.Accoda(platform::Risposta::No);
  S::Clic("cmdCopiaSezione");
  ASSERT_EQ(messaggi.Testi(),
            (std::vector<std::string>{"Sostituire barre e staffe con quelle della sezione inferiore ?"}));
  EXPECT_EQ(messaggi.Mostrati()[0].pulsanti, platform::Pulsanti::SiNoPredefinitoNo);
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Domanda);
  EXPECT_TRUE(Memorizzate().empty());
  messaggi.Accoda(platform::Risposta::Si);
  S::Clic("cmdCopiaSezione");
  EXPECT_EQ(Memorizzate(), sotto);
  EXPECT_GT(PixelStaffe(Figura()), 100);

  EditorQt::Apri();
  ClicCella(1, 1);
  Premi(3);
  Premi(0);
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 5, 6}}));
  S::Clic("CmdSezionePil_1");
  EXPECT_EQ(Memorizzate(), sotto);
  EditorQt::Apri();
  EXPECT_EQ(RigaGriglia(2), (std::vector<std::string>{"2", "8", "5", "6", "0", "0", "0", "0", "0", "0"}));
  Premi(1);
  EXPECT_EQ(Memorizzate(), sotto);
  EXPECT_EQ(messaggi.Testi().size(), 2u);
}

// ---------------------------------------------------------------------------
// The checks, with the main window: the 400 x 400 column typed in cm.

class ChecksInsieme : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    Sismica::Stato = Sismica::StatoSismico{};
    auto dialogo = std::make_unique<platform::FileDialogScriptato>();
    file = dialogo.get();
    f.main->CMDialog1 = std::move(dialogo);
    f.main->findChild<QAction*>("MnuSismica")->trigger();
    ASSERT_EQ(VariabiliPubbliche::Stato.UnitaLunghezza, "cm");
    f.ambiente.box.Svuota();
  }
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != f.main.get()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Sismica::Stato = Sismica::StatoSismico{};
  }
  // 40 x 40, cover 4, storey 300, critical length 60, 4 x 4 bars of 16 at
  // both ends, NEd 680 kN, MEd 150 kNm at the bottom and 100 at the top.
  static void Colonna() {
    for (const char* estremo : {"CmdSezionePil_0", "CmdSezionePil_1"}) {
      if (std::string(estremo) == "CmdSezionePil_0")
        for (const auto& [nome, testo] :
             {std::pair{"PilastroTxt_0", "40"}, {"PilastroTxt_1", "40"}, {"PilastroTxt_4", "4"},
              {"PilastroTxt_9", "300"}, {"PilastroTxt_10", "60"}})
          S::Batti(nome, testo);
      S::Batti("PilastroTxt_2", "4");
      S::Batti("PilastroTxt_3", "4");
      S::Diametro(0, "16");
      S::Clic(estremo);
    }
    S::Batti("F_N", "680");
    S::Batti("F_MInfsd_0", "150");
    S::Batti("F_MSupsd_0", "100");
  }
  // The current end's stirrups typed in the editor, its pitches in cm.
  void Staffe(const char* centrale, const char* critico, bool tirante) {
    EditorQt::Apri();
    S::Batti("PilastroTxt_13", centrale);
    S::Batti("PilastroTxt_14", critico);
    diametri.Accoda("8");
    Premi(2);
    if (tirante) Generica({"8", "2", "10"});
  }
  // The column, its bottom end's stirrups confirmed, then the editor of the
  // top end left open on a hoop and the central pitch given.
  void ColonnaConStaffe(const char* centrale, bool tirante) {
    Colonna();
    Staffe("15", "10", tirante);
    Premi(0);
    S::Clic("CmdSezionePil_0");
    Staffe(centrale, "10", tirante);
  }
  static std::string T(const char* nome, int i) { return S::F().Controllo(nome, i).Text(); }

  FinestraMain f;
  platform::FileDialogScriptato* file = nullptr;
  platform::InputBoxScriptato diametri;
};

// The central pitch typed as 10 cm in the open editor of the top end: the
// shear check confirms the editor and uses it. VRd = 2 x 50.27 x 391.3 x
// 324 / 100 x 2.5 = 318.6 kN, under the struts' 395.7 kN.
TEST_F(ChecksInsieme, ShearCheckConfirmsTheOpenEditorAndLeavesARefusedRowOut) {
  ColonnaConStaffe("10", false);
  S::Clic("cmdDirezione_0");
  EXPECT_FALSE(Aperto());
  EXPECT_FLOAT_EQ(Stato.PilastroCorrente.StaffePassoCentrale(), 100);
  EXPECT_EQ(T("txtVu", 0), " 318,6");
  EXPECT_TRUE(f.ambiente.box.Testi().empty());

  // A tie of 3 is refused: the editor cannot be confirmed, the row is not
  // stored and the check gives no verdict on stirrups it does not use.
  EditorQt::Apri();
  Generica({"3", "2", "10"});
  EXPECT_EQ(Errore(), "Errore nella staffa 2: Diametro = 3");
  S::Clic("cmdDirezione_0");
  EXPECT_TRUE(Aperto());
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}}));
  EXPECT_EQ(T("txtVu", 0), "");
  EXPECT_EQ(T("F_V", 0), "");
  // Corrected, the row goes with the next check.
  ClicCella(2, 1);
  Digita("8");
  S::Clic("cmdDirezione_0");
  EXPECT_FALSE(Aperto());
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}, {8, 2, 10}}));
  EXPECT_EQ(T("txtVu", 0), " 318,6");
}

// The bending check draws the checked section with its stirrups where a plain
// redraw puts them; the next change gives the plain picture back.
TEST_F(ChecksInsieme, BendingCheckShowsTheStirrupsUntilTheNextChange) {
  Colonna();
  f.C("TxtFcd").SetText("14,17");
  Staffe("15", "10", true);
  Premi(0);
  ClicFigura();
  const QImage semplice = Figura();
  const QImage staffe = MascheraStaffe(semplice);
  ASSERT_GT(Pixel(staffe), 100);
  S::Clic("btnDominioMNsismica");
  ASSERT_FALSE(T("txtRoM", 0).empty());
  EXPECT_TRUE(VariabiliPubbliche::Stato.RisultatiPresenti);
  EXPECT_NE(Figura(), semplice);
  // Thinner over the results, the stirrups keep to the lines of the plain
  // picture.
  const QImage dopo = MascheraStaffe(Figura());
  EXPECT_GT(Pixel(dopo), 100);
  EXPECT_GT(Comuni(dopo, staffe), 0.95 * Pixel(dopo));
  SalvaSchermata(S::F(), "FrmSismica_flessione_staffe");
  S::Batti("PilastroTxt_0", "40");
  S::Esci("PilastroTxt_0");
  EXPECT_FALSE(VariabiliPubbliche::Stato.RisultatiPresenti);
  EXPECT_EQ(Figura(), semplice);
  S::Clic("btnDominioMNsismica");
  S::Batti("F_N", "900");  // an action typed: no verdict, nor its picture
  EXPECT_FALSE(S::Lista().contains("verifica a flessione"));
  EXPECT_EQ(Figura(), semplice);
}

// Saved through the seismic File menu, replaced by a new job and opened
// again: the same stirrups at both ends, the same verdict. A hoop and a tie
// from bar 2 down to bar 10 give 3 legs across the bending about x: 3 x 50.27 x 391.3 x 324 / 150 x 2.5 = 318.6 kN.
TEST_F(ChecksInsieme, SavedColumnReopensWithItsStirrupsAndShearVerdict) {
  ColonnaConStaffe("15", true);
  Premi(0);
  S::Menu("MnuVerificaitem_3");  // EC8 DCH: mu = 2 x 5.85 - 1 = 10.7 at T1 = 1 s >= TC = 0
  S::Batti("txtDinamica_2", "3");  // the top end's typed, Enter moves on and takes it
  S::Invio("txtDinamica_2");
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 3);
  // The bending check first: the materials as the main window shows them,
  // as the file keeps them.
  S::Clic("CmdSezionePil_1");
  S::Clic("btnDominioMNsismica");
  S::Clic("cmdDirezione_0");
  const std::string ro = T("txtRoM", 0), vu = T("txtVu", 0), v = T("F_V", 0);
  const QString lista = S::Lista();
  EXPECT_EQ(vu, " 318,6");
  const std::vector<RigaStaffa> staffe = {{8, 1, 4, 12, 9}, {8, 2, 10}};
  EXPECT_EQ(Memorizzate(), staffe);

  file->Accoda(f.ambiente.Percorso("staffe.slu"));
  S::Menu("mnufileitem_3");
  S::Menu("mnufileitem_0");
  EXPECT_TRUE(Memorizzate().empty());
  file->Accoda(f.ambiente.Percorso("staffe.slu"));
  S::Menu("mnufileitem_1");
  for (const char* estremo : {"CmdSezionePil_0", "CmdSezionePil_1"}) {
    S::Clic(estremo);
    EXPECT_EQ(Memorizzate(), staffe) << estremo;
  }
  EXPECT_FLOAT_EQ(Stato.PilastroCorrente.StaffePassoCentrale(), 150);
  S::Clic("btnDominioMNsismica");
  EXPECT_EQ(T("txtRoM", 0), ro);
  S::Clic("cmdDirezione_0");
  EXPECT_EQ(T("txtVu", 0), vu);
  EXPECT_EQ(T("F_V", 0), v);
  EXPECT_EQ(S::Lista().toStdString(), QString(lista).toStdString());
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  EXPECT_EQ(T("txtDinamica", 0) + " " + T("txtDinamica", 2), "10,7 3");
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 3);  // what the top end's rules read
}

// "Salva come" with the editor open saves the stirrups being edited, once
// they pass their checks; a refused row saves nothing and keeps the editor.
TEST_F(ChecksInsieme, SavingWithTheEditorOpenSavesTheStirrupsBeingEdited) {
  ColonnaConStaffe("10", true);
  file->Accoda(f.ambiente.Percorso("aperto.slu"));
  S::Menu("mnufileitem_3");
  EXPECT_FALSE(Aperto());
  S::Menu("mnufileitem_0");
  file->Accoda(f.ambiente.Percorso("aperto.slu"));
  S::Menu("mnufileitem_1");
  S::Clic("CmdSezionePil_0");
  EXPECT_EQ(Memorizzate(), (std::vector<RigaStaffa>{{8, 1, 4, 12, 9}, {8, 2, 10}}));
  EXPECT_FLOAT_EQ(Stato.PilastroCorrente.StaffePassoCentrale(), 100);

  EditorQt::Apri();
  Generica({"3", "2", "10"});
  file->Accoda(f.ambiente.Percorso("rifiutato.slu"));
  S::Menu("mnufileitem_3");
  EXPECT_TRUE(Aperto());
  EXPECT_FALSE(std::filesystem::exists(f.ambiente.Percorso("rifiutato.slu")));
}

}  // namespace

namespace {

// A circle of radius 25 cm with 8 bars of 16 at 4 cm from the face, handed to
// the main window by "Esporta Sezione in Tramok" and verified by "Calcola" in
// pure bending. By hand, all bars yielding (201 mm2 at 391 N/mm2): five in
// tension at 210, 148.5 (two) and 0 (two) mm below the centre, three in
// compression above, give 2 x 78.6 kN x 0.507 m = 80 kNm; the concrete's
// remaining 157 kN near the top about 30 more: some 110 kNm.
TEST_F(ChecksInsieme, CircularColumnExportedIsVerifiedInTheMainWindow) {
  S::Clic("OpTipoPilastro_1");
  for (const auto& [nome, testo] :
       {std::pair{"PilastroTxt_6", "25"}, {"PilastroTxt_7", "8"}, {"PilastroTxt_8", "4"}})
    S::Batti(nome, testo);
  S::Diametro(1, "16");
  S::Batti("F_N", "0");
  S::Menu("mnufileitem_8");
  EXPECT_TRUE(f.C("OpTipoSezione", 4).Checked());
  const char* attesi[] = {"25", "8", "1,6", "4"};
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(f.C("RaggioTxt", i).Text(), attesi[i]) << i;
  S::F().close();
  f.Clic("btnCalcola");
  const double Mu = std::abs(Generale::ValNumero(f.C("F_Mu", 0).Text()));
  EXPECT_GT(Mu, 90);
  EXPECT_LT(Mu, 140);
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
}

}  // namespace
