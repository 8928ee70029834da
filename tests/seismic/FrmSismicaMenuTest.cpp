// The seismic window's menus, element type, end switching and keyboard.
#include <optional>

#include <QMenu>
#include <QRadioButton>

#include "SchermoSismica.h"
#include "app/FinestraMain.h"
#include "app/FrmAiuto.h"
#include "app/Generale.h"
#include "app/ProgettoFile.h"
#include "doppi/StampaPdf.h"
#include "platform/FileDialogScriptato.h"

using Sismica::Stato;

namespace {

std::string Fuoco() {
  QWidget* w = QApplication::focusWidget();
  return w ? w->objectName().toStdString() : std::string();
}

class FinestraMenu : public ::testing::Test {
 protected:
  AmbienteColonna ambiente;
  FinestraSismicaSchermo schermo;
  using S = FinestraSismicaSchermo;
  static bool Visibile(const char* nome) { return S::W_(nome)->isVisibleTo(&S::F()); }
};

TEST_F(FinestraMenu, CodeItemsSetCodeClassCaptionAndEc8Controls) {
  const struct {
    const char* voce;
    int normativa;
    int media;
    const char* caption;
    double q0;
  } voci[] = {{"MnuVerificaitem_4", 1, 1, "Normativa: EC8 2005 - DCM", 3.9},
              {"MnuVerificaitem_0", 0, 0, "Normativa: NTC 2008 - CD\"A\"", 5.85},
              {"MnuVerificaitem_3", 1, 0, "Normativa: EC8 2005 - DCH", 5.85},
              {"MnuVerificaitem_1", 0, 1, "Normativa: NTC 2008 - CD\"B\"", 3.9}};
  S::Apri();
  for (const auto& v : voci) {
    S::Menu(v.voce);
    S::F().MemorizzaDatiSismica();  // under either code its own store keeps the class's q0
    // Frames: q0 = 4.5 or 3.0 times alpha_u / alpha_1 = 1.3 by class.
    EXPECT_DOUBLE_EQ(Stato.FattoreStrutturaQ0, v.q0) << v.voce;
    EXPECT_EQ(VariabiliPubbliche::Stato.NormativaSismica, v.normativa) << v.voce;
    EXPECT_EQ(Stato.DuttilitaMedia, v.media) << v.voce;
    EXPECT_EQ(S::W_<QMenu>("MnuVerifica")->title().toStdString(), v.caption);
    const bool ec8 = v.normativa == 1;
    EXPECT_EQ(Visibile("Frame6"), ec8) << v.voce;
    EXPECT_EQ(S::W_<QAction>("mnuCapacityDesign")->isVisible(), ec8) << v.voce;
    EXPECT_EQ(Visibile("chkPianiInf_0"), ec8) << v.voce;
    EXPECT_EQ(Visibile("fraAst"), !ec8) << v.voce;
    EXPECT_EQ(S::F().Controllo("StaffaLbl", 1).Caption(), ec8 ? "wd" : "st");
    for (const char* altra : {"MnuVerificaitem_0", "MnuVerificaitem_1", "MnuVerificaitem_3",
                              "MnuVerificaitem_4"})
      EXPECT_EQ(S::W_<QAction>(altra)->isChecked(), std::string(altra) == v.voce);
  }
  // A q0 of the engineer's own stays while the class does not change; the
  // coefficients window shows the class's value once it does.
  Stato.FattoreStrutturaQ0 = 3.5;
  S::Menu("MnuVerificaitem_4");
  EXPECT_DOUBLE_EQ(Stato.FattoreStrutturaQ0, 3.5);
  FrmCoefficienti& c = FrmCoefficienti::Mostra(0);
  S::Menu("MnuVerificaitem_3");
  EXPECT_EQ(c.Controllo("txtCoeff", 1).Text(), "5,85");
  EXPECT_EQ(S::F().Controllo("txtDinamica", 1).Text(), "5,85");
}

// The class held by the state is the one the menu shows when the window opens.
TEST_F(FinestraMenu, WindowOpensOnTheCodeOfTheState) {
  VariabiliPubbliche::Stato.NormativaSismica = 0;
  Stato.DuttilitaMedia = 1;
  S::Apri();
  EXPECT_EQ(S::W_<QMenu>("MnuVerifica")->title().toStdString(), "Normativa: NTC 2008 - CD\"B\"");
  EXPECT_TRUE(S::W_<QAction>("MnuVerificaitem_1")->isChecked());
  EXPECT_FALSE(Visibile("Frame6"));
}

TEST_F(FinestraMenu, WallReturnsToTheColumnWithOneMessage) {
  Stato.PilastroMensola = true;
  S::Apri();
  EXPECT_TRUE(S::W_<QRadioButton>("OpTipoSezioneSismica_2")->isChecked());
  S::Clic("OpTipoSezioneSismica_1");
  ASSERT_EQ(schermo.messaggi.Testi().size(), 1u);
  EXPECT_EQ(schermo.messaggi.Testi()[0], "Funzione non ancora implementata");
  EXPECT_TRUE(S::W_<QRadioButton>("OpTipoSezioneSismica_0")->isChecked());
  EXPECT_FALSE(S::W_<QRadioButton>("OpTipoSezioneSismica_1")->isChecked());
  EXPECT_EQ(Stato.ElementoSetto, 0);
  EXPECT_FALSE(Stato.PilastroMensola);
  S::Clic("OpTipoSezioneSismica_2");
  EXPECT_TRUE(Stato.PilastroMensola);
  EXPECT_EQ(schermo.messaggi.Testi().size(), 1u);
}

TEST_F(FinestraMenu, TopEndDisablesTheSharedBoxesAndTheBottomEnablesThem) {
  S::Apri();
  const char* comuni[] = {"PilastroTxt_0", "PilastroTxt_1", "PilastroTxt_4", "PilastroTxt_9",
                          "PilastroTxt_10"};
  for (const char* nome : comuni) EXPECT_TRUE(S::W_(nome)->isEnabled()) << nome;
  S::Clic("CmdSezionePil_0");
  for (const char* nome : comuni) EXPECT_FALSE(S::W_(nome)->isEnabled()) << nome;
  for (const char* nome : {"PilastroTxt_2", "PilastroTxt_3"}) EXPECT_TRUE(S::W_(nome)->isEnabled());
  S::Clic("CmdSezionePil_1");
  for (const char* nome : comuni) EXPECT_TRUE(S::W_(nome)->isEnabled()) << nome;
}

// The current end is marked in yellow: its button, its ductility factor and
// its moments; the ductility factors are shown again on every switch.
TEST_F(FinestraMenu, CurrentEndIsMarkedInYellow) {
  S::Apri();
  using platform::ColoreGiallo;
  auto sfondo = [](const char* nome, int i) { return S::F().Controllo(nome, i).BackColor(); };
  Stato.DuttilitaCurvaturaSup = 13;
  Stato.DuttilitaCurvaturaInf = 7;
  S::Clic("CmdSezionePil_0");
  EXPECT_EQ(S::W_<QLineEdit>("txtDinamica_2")->text(), "13");
  EXPECT_EQ(S::W_<QLineEdit>("txtDinamica_0")->text(), "7");
  EXPECT_EQ(sfondo("CmdSezionePil", 0), ColoreGiallo);
  EXPECT_EQ(sfondo("CmdSezionePil", 1), platform::ColoreFacciaPulsante);
  EXPECT_EQ(sfondo("txtDinamica", 2), ColoreGiallo);
  EXPECT_EQ(sfondo("txtDinamica", 0), platform::ColoreFacciaPulsante);
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(sfondo("F_MSupsd", i), ColoreGiallo);
    EXPECT_EQ(sfondo("F_MInfsd", i), platform::ColoreSfondoFinestra);
  }
  EXPECT_EQ(S::W_("F_MSupsd_0")->palette().color(QPalette::Base), QColor(Qt::yellow));
  S::Clic("CmdSezionePil_1");
  EXPECT_EQ(sfondo("CmdSezionePil", 1), ColoreGiallo);
  EXPECT_EQ(sfondo("CmdSezionePil", 0), platform::ColoreFacciaPulsante);
  EXPECT_EQ(sfondo("txtDinamica", 0), ColoreGiallo);
  for (int i = 0; i <= 1; ++i) EXPECT_EQ(sfondo("F_MInfsd", i), ColoreGiallo);
  EXPECT_EQ(S::W_("F_MSupsd_0")->palette().color(QPalette::Base),
            QApplication::palette(S::W_("F_MSupsd_0")).color(QPalette::Base));
}

TEST_F(FinestraMenu, EnterFollowsTheInputOrderAndEachBoxSelectsItsText) {
  S::Apri();
  S::W_("txtTitolo")->setFocus();
  QTest::keyClicks(S::W_("txtTitolo"), "P1");
  EXPECT_EQ(Stato.TitoloSismica, "");
  QTest::keyClick(S::W_("txtTitolo"), Qt::Key_Return);
  EXPECT_EQ(Stato.TitoloSismica, "P1");
  const char* ordine[] = {"PilastroTxt_9", "PilastroTxt_0", "PilastroTxt_1", "PilastroTxt_10",
                          "PilastroTxt_4", "ComboBarrePil_0", "PilastroTxt_2", "PilastroTxt_3"};
  for (const char* nome : ordine) {
    ASSERT_EQ(Fuoco(), nome);
    if (auto* box = S::W_<QLineEdit>(nome)) {
      EXPECT_FALSE(box->text().isEmpty()) << nome;
      EXPECT_EQ(box->selectedText(), box->text()) << nome;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // The last box of the column hands over to the stirrup editor's button.
  EXPECT_EQ(Fuoco(), "StaffePilDef");
  S::W_("F_N")->setFocus();
  for (const char* nome : {"F_MInfsd_0", "F_MSupsd_0", "F_MInfsd_1", "F_MSupsd_1"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Fuoco(), nome);
  }
}

TEST_F(FinestraMenu, CopyItemTellsTheKeysAndChangesNothing) {
  S::Apri();
  const std::string prima = S::F().Controllo("PilastroTxt", 0).Text();
  S::Menu("mnufileitem_6");
  ASSERT_EQ(schermo.messaggi.Testi().size(), 1u);
  EXPECT_EQ(schermo.messaggi.Testi()[0],
            "Per copiare la form negli appunti\r\npremere i tasti Alt + Stampa");
  EXPECT_EQ(S::F().Controllo("PilastroTxt", 0).Text(), prima);
}

// "Stampa form" as a user starts it: the print dialog on the program's
// printer, the form's texts as texts on the page.
TEST_F(FinestraMenu, PrintItemPrintsTheFormToThePdfChosen) {
  S::Apri();
  StampaPdf carta;
  S::Menu("mnufileitem_5");
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_TRUE(schermo.messaggi.Testi().empty());
  EXPECT_EQ(carta.Pagine(), 1);
  const QString testo = carta.Testo();
  for (const char* atteso : {"SEZIONE INFERIORE", "Base Pilastro", "Verifica Vx", "Plotta"})
    EXPECT_TRUE(testo.contains(atteso)) << atteso << "\n" << testo.toStdString();
  EXPECT_FALSE(testo.contains("Normativa:")) << "the menu bar is no part of the form";
}

TEST_F(FinestraMenu, CapacityDesignOpensTheCoefficientsOnItsPage) {
  Stato.DuttilitaMedia = 1;
  VariabiliPubbliche::Stato.NormativaSismica = 1;
  S::Apri();
  S::Menu("mnuCapacityDesign");
  ASSERT_NE(FrmCoefficienti::Aperta(), nullptr);
  EXPECT_EQ(FrmCoefficienti::Aperta()->Pagina, 1);
}

// The seismic window over a main window whose file dialog is scripted.
class FinestraConFile : public ::testing::Test {
 protected:
  FinestraConFile() {
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    Sismica::Stato = Sismica::StatoSismico{};
    auto dialogo = std::make_unique<platform::FileDialogScriptato>();
    d = dialogo.get();
    f.main->CMDialog1 = std::move(dialogo);
    schermo.emplace();
    VariabiliPubbliche::Stato.UnitaLunghezza = "mm";
    VariabiliPubbliche::Stato.NormativaSismica = 0;
    FinestraSismicaSchermo::Apri();
  }
  using S = FinestraSismicaSchermo;
  FinestraMain f;
  platform::FileDialogScriptato* d = nullptr;
  std::optional<FinestraSismicaSchermo> schermo;
};

// A column typed, saved, replaced by a new one and opened again.
TEST_F(FinestraConFile, NuovoSalvaApriRoundTripOfAColumn) {
  S::Batti("txtTitolo", "Pilastro P1");
  const char* dati[][2] = {{"PilastroTxt_0", "400"}, {"PilastroTxt_1", "300"},
                           {"PilastroTxt_2", "3"},   {"PilastroTxt_3", "4"},
                           {"PilastroTxt_4", "40"},  {"PilastroTxt_9", "3000"},
                           {"PilastroTxt_10", "600"}, {"F_N", "500"}};
  for (const auto& dato : dati) {
    S::Batti(dato[0], dato[1]);
    S::Esci(dato[0]);
  }
  S::Diametro(0, "20");
  const QString lista = S::Lista();
  ASSERT_NE(lista, "");

  d->Accoda(f.ambiente.Percorso("pilastro.slu"));
  S::Menu("mnufileitem_3");
  ASSERT_TRUE(std::filesystem::exists(f.ambiente.Percorso("pilastro.slu")));
  EXPECT_EQ(S::F().windowTitle(), "Verifica Sismica Pilastri - File: pilastro");

  S::Menu("mnufileitem_0");
  EXPECT_EQ(S::F().Controllo("PilastroTxt", 0).Text(), "0");
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 1), 0);
  EXPECT_EQ(Fuoco(), "txtTitolo");
  // Saving the new column must not overwrite the file just left.
  EXPECT_EQ(ProgettoFile::Stato.NomeFileProgetto, "");
  EXPECT_EQ(S::F().windowTitle(), "Verifica Sismica Pilastri - File: ");
  EXPECT_EQ(f.main->windowTitle().toStdString(), f.main->FormCaption);

  d->Accoda(f.ambiente.Percorso("pilastro.slu"));
  S::Menu("mnufileitem_1");
  EXPECT_EQ(S::F().Controllo("txtTitolo").Text(), "Pilastro P1");
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  EXPECT_EQ(p.MatriceSezionePilastro(0, 1), 400);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 2), 300);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 13), 20);
  EXPECT_DOUBLE_EQ(Stato.NEdSismica, 500000);
  // Shown as on opening: the bottom end current, its bars and its shared
  // boxes enabled, label, button and moments all saying so.
  EXPECT_EQ(S::F().Controllo("LblSezione", 0).Caption(), "SEZIONE INFERIORE");
  EXPECT_EQ(S::F().Controllo("CmdSezionePil", 1).BackColor(), platform::ColoreGiallo);
  EXPECT_EQ(S::F().Controllo("CmdSezionePil", 0).BackColor(), platform::ColoreFacciaPulsante);
  EXPECT_EQ(S::F().Controllo("F_MInfsd", 0).BackColor(), platform::ColoreGiallo);
  EXPECT_EQ(S::F().Controllo("PilastroTxt", 2).Text(), "3");
  for (const char* nome : {"PilastroTxt_0", "PilastroTxt_1", "PilastroTxt_4", "PilastroTxt_9",
                           "PilastroTxt_10"})
    EXPECT_TRUE(S::W_(nome)->isEnabled()) << nome;
  EXPECT_EQ(S::Lista(), lista);
  EXPECT_EQ(S::F().windowTitle(), "Verifica Sismica Pilastri - File: pilastro");
  EXPECT_TRUE(schermo->messaggi.Testi().empty());
}

// An example opened from this window's help menu replaces what it shows:
// the boxes typed before must not be stored over the column read.
TEST_F(FinestraConFile, ExampleFromTheHelpMenuShowsTheColumnRead) {
  for (const auto& [nome, valore] : {std::pair{"PilastroTxt_0", "400"}, {"PilastroTxt_1", "300"}}) {
    S::Batti(nome, valore);
    S::Esci(nome);
  }
  d->Accoda(f.ambiente.Percorso("esempio.slu"));
  S::Menu("mnufileitem_3");
  ASSERT_TRUE(std::filesystem::exists(f.ambiente.Percorso("esempio.slu")));

  S::Batti("PilastroTxt_0", "700");
  d->Accoda(f.ambiente.Percorso("esempio.slu"));
  S::Menu("mnuAiutoItem_1");
  EXPECT_EQ(S::F().Controllo("PilastroTxt", 0).Text(), "400");
  S::Clic("CmdSezionePil_1");
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 1), 400);
}

// The same when the main window opens the project while this one is open.
TEST_F(FinestraConFile, ProjectOpenedInTheMainWindowShowsHere) {
  S::Batti("PilastroTxt_0", "400");
  S::Esci("PilastroTxt_0");
  d->Accoda(f.ambiente.Percorso("progetto.slu"));
  S::Menu("mnufileitem_3");
  ASSERT_TRUE(std::filesystem::exists(f.ambiente.Percorso("progetto.slu")));

  S::Batti("PilastroTxt_0", "700");
  d->Accoda(f.ambiente.Percorso("progetto.slu"));
  S::F().Controllo("PilastroLbl", 1).SetCaption("[cm]");
  f.main->MnuFileItem_Click(1);
  EXPECT_EQ(S::F().Controllo("PilastroTxt", 0).Text(), "400");
  EXPECT_EQ(S::F().windowTitle(), "Verifica Sismica Pilastri - File: progetto");
  EXPECT_EQ(S::F().Controllo("PilastroLbl", 1).Caption(), "[mm]");
  d->Accoda(f.ambiente.Percorso("altro.slu"));
  f.main->MnuFileItem_Click(3);
  EXPECT_EQ(S::F().windowTitle(), "Verifica Sismica Pilastri - File: altro");
  // What is typed now is the column's: Base 500 of the bottom end.
  S::Batti("PilastroTxt_0", "500");
  S::Esci("PilastroTxt_0");
  S::Clic("CmdSezionePil_0");
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 1), 500);
}

// "Esporta Sezione in Tramok": the bottom end's outline, bars and actions
// become the main window's input.
TEST(FinestraMenuFile, ExportPutsTheCurrentEndIntoTheMainWindow) {
  FinestraMain f;
  Sismica::Stato = Sismica::StatoSismico{};
  FinestraSismicaSchermo schermo;
  using S = FinestraSismicaSchermo;
  VariabiliPubbliche::Stato.UnitaLunghezza = "cm";
  S::Apri();
  for (const auto& dato : {std::pair{"PilastroTxt_0", "40"}, {"PilastroTxt_1", "40"},
                           {"PilastroTxt_2", "4"}, {"PilastroTxt_3", "4"},
                           {"PilastroTxt_4", "4"}, {"F_N", "680"}, {"F_MInfsd_0", "120"}}) {
    S::Batti(dato.first, dato.second);
    S::Esci(dato.first);
  }
  S::Menu("mnufileitem_8");
  EXPECT_EQ(Generale::ValNumero(f.C("F_N", 0)), 680);
  EXPECT_EQ(f.C("F_Mxsd", 0).Text(), "120");
  EXPECT_EQ(f.C("txtRigheGriglia", 0).Text(), "4");
  EXPECT_EQ(f.C("txtRigheGriglia", 1).Text(), "12");
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(1, 1), "20");
  EXPECT_TRUE(f.C("OpPuntoN", 0).Checked());
  EXPECT_EQ(VariabiliPubbliche::Stato.AngoloFlessione, 0);
  // Help is the main window's.
  f.ambiente.CopiaAiuto();
  S::Menu("mnuAiutoItem_0");
  ASSERT_NE(FrmAiuto::Aperta(), nullptr);
  EXPECT_EQ(FrmAiuto::Aperta()->Pagine().source().fileName(), "indice.html");
}

}  // namespace
