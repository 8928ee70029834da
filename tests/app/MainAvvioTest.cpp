// The main window as the program starts it: defaults, the boxes of missing
// files, the design code of the settings file, the keypad's decimal key,
// closing, and a picture of the window as a user first sees it.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>

#include "FinestraMain.h"
#include "app/FileConfigurazione.h"
#include "platform/FileDialogScriptato.h"
#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/StatoSismica.h"

using VariabiliPubbliche::Stato;

TEST(AvvioMain, WithoutFilesTheDefaultsAreShownAfterOneBoxForEachMissingFile) {
  FinestraMain f;
  const auto& mostrati = f.ambiente.box.Mostrati();
  ASSERT_EQ(mostrati.size(), 2u);
  EXPECT_NE(mostrati[0].testo.find("TramokMateriali.txt non trovato"), std::string::npos);
  EXPECT_NE(mostrati[1].testo.find("Il File Tramok.ini non esiste"), std::string::npos);
  for (const auto& m : mostrati) EXPECT_EQ(m.icona, platform::Icona::Informazione);

  EXPECT_TRUE(f.Widget<QRadioButton>("OpTipoSezione", 0)->isChecked());
  EXPECT_TRUE(f.Widget<QRadioButton>("OpTipoVerifica", 0)->isChecked());
  EXPECT_TRUE(f.Widget<QRadioButton>("OpTipoFlessione", 0)->isChecked());
  EXPECT_EQ(FinestraMain::Fuoco(), "txtTitolo");
  EXPECT_EQ(f.C("F_nome_cls").Text(), "C25/30");
  EXPECT_EQ(f.C("F_nome_acc", 0).Text(), "B450C");
  // NTC 2018: fcd = 0.85 x 25 / 1.5, fyd = 450 / 1.15.
  EXPECT_NEAR(Generale::ValNumero(f.C("TxtFcd").Text()), 14.17, 1e-9);
  EXPECT_NEAR(Generale::ValNumero(f.C("F_fyd", 0).Text()), 391.3, 1e-9);
  // The boxes show four digits; the state keeps every one:
  // 450 / 1.15 = 391.304347826..., 0.85 x 25 / 1.5 = 14.1666...
  EXPECT_EQ(Stato.Fyd[0], 450 / 1.15);
  EXPECT_EQ(Stato.Fcd, 0.85 * (25 / 1.5));
  EXPECT_EQ(f.C("F_eps_su", 0).Text(), "67,5");
  EXPECT_EQ(f.C("F_eps_cu", 0).Text(), "3,5");
  EXPECT_EQ(f.C("F_Vertici").Text(), "52");
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: NTC 2018");
  EXPECT_TRUE(f.C("NormativaItem", 0).Checked());
  EXPECT_EQ(f.C("CmbCavi").Text(), "Tipo cavo");
  EXPECT_EQ(f.C("CmbCavi").ListCount(), 3);
  EXPECT_EQ(f.main->windowTitle().toStdString(), QApplication::applicationName().toStdString() + " - File: ");
  EXPECT_EQ(Finestre::Aperte.Main, f.main.get());
  // Rectangle: one row of b and h, the editor open on its first cell.
  EXPECT_EQ(f.main->FlexGrid(0).TextMatrix(0, 1), "b [cm]");
  EXPECT_TRUE(f.main->TxtEdit(0).Visible());
  EXPECT_FALSE(f.Widget("txtRigheGriglia", 0)->isVisibleTo(f.main.get()));
  EXPECT_TRUE(f.main->findChild<QAction*>("MnuSismica")->isEnabled());
  // The design of a rectangle can be asked for.
  EXPECT_TRUE(f.main->findChild<QAction*>("mnu_Progetto")->isEnabled());

  QDir().mkpath(TRAMOK_SCREENSHOTS);
  f.main->resize(1366, 740);
  QApplication::processEvents();
  EXPECT_TRUE(f.main->grab().save(QString(TRAMOK_SCREENSHOTS) + "/Main.png"));
}

TEST(AvvioMain, StartUpLeavesNoSeismicDataOfAnEarlierRun) {
  Sismica::Stato.FattoreStrutturaQ0 = 3;
  Sismica::Stato.NEdSismica = 680000;
  Stato.NormativaSismica = 1;
  FinestraMain f;
  EXPECT_EQ(Sismica::Stato.FattoreStrutturaQ0, 5.85);
  EXPECT_EQ(Sismica::Stato.NEdSismica, 0);
  EXPECT_EQ(Stato.NormativaSismica, 0);
}

TEST(AvvioMain, TheSettingsFileSetsTheDesignCodeAndTheMaterials) {
  FinestraMain f(true);
  // Existing structures: only the note on their alfa,cc.
  ASSERT_EQ(f.ambiente.box.Testi().size(), 1u);
  EXPECT_NE(f.ambiente.box.Testi()[0].find("Con strutture esistenti"), std::string::npos);
  EXPECT_EQ(Stato.Normativa, 2);
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: NTC 2018 - Strutture esistenti");
  EXPECT_TRUE(f.C("NormativaItem", 2).Checked());
  EXPECT_FALSE(f.C("NormativaItem", 0).Checked());
  EXPECT_EQ(f.C("Label23").Caption(), "c");
  EXPECT_EQ(f.C("F_nome_cls").Text(), "C30/37");
}

TEST(AvvioMain, AProjectOnTheCommandLineBringsItsCodeAndItsOwnStrengths) {
  // Settings: NTC 2018; the project: existing structures with fcd 16.53.
  FinestraMain f(false, "progetto-7.8.slu");
  EXPECT_EQ(FinestraMain::Fuoco(), "btnCalcola");
  EXPECT_EQ(f.C("txtTitolo").Text(), "Palo cavo 7.8");
  EXPECT_FALSE(f.main->Figura().Immagine().isNull());  // the section read, not the sketch
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: NTC 2018 - Strutture esistenti");
  EXPECT_EQ(f.C("Label23").Caption(), "c");
  EXPECT_EQ(f.C("Label6", 6).Caption(), "sy");
  ASSERT_EQ(f.ambiente.box.Testi().size(), 3u);  // the two missing files, then the notice
  EXPECT_NE(f.ambiente.box.Testi()[2].find("Con strutture esistenti"), std::string::npos);
  // The steel table of existing structures: 14 grades, not the 3 of NTC 2018.
  EXPECT_EQ(f.C("CmbCavi").ListCount(), 14);
  // The file's fcd stays: the code's own would be 35 / 1.5 = 23.33.
  EXPECT_EQ(f.C("TxtFcd").Text(), " 16,53");
  EXPECT_DOUBLE_EQ(Stato.Fcd, 16.53);

  // Opened from the menu, a DM 1996 project brings its labels and 5 grades.
  f.ambiente.CopiaFixture("progetto-7.6.slu", "dm96.slu");
  auto dialogo = std::make_unique<platform::FileDialogScriptato>();
  dialogo->Accoda(f.ambiente.Percorso("dm96.slu"));
  f.main->CMDialog1 = std::move(dialogo);
  f.main->MnuFileItem_Click(1);
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: DM 1996");
  EXPECT_EQ(f.C("Label23").Caption(), "cd");
  EXPECT_EQ(f.C("CmbCavi").ListCount(), 5);
  EXPECT_EQ(FinestraMain::Fuoco(), "btnCalcola");
  EXPECT_FALSE(f.C("FlexGridZoom", 0).Visible());  // a rectangle's one figure, as when chosen
}

TEST(AvvioMain, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  FinestraMain f;
  QLineEdit* n = f.Widget<QLineEdit>("F_N", 0);
  n->setFocus();
  n->clear();
  QTest::keyClicks(n, "12");
  QTest::keyClick(n, Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClicks(n, "5");
  EXPECT_EQ(n->text(), "12,5");
  // The main keyboard's full stop stays what it is.
  QTest::keyClick(n, Qt::Key_Period);
  EXPECT_EQ(n->text(), "12,5.");
  EXPECT_FALSE(Generale::Stato.TastoDecimaleTastierino);
}

TEST(AvvioMain, ClosingTheWindowClosesEveryWindowAndEndsTheProgramOnce) {
  FinestraMain f;
  f.main->close();
  EXPECT_EQ(f.ambiente.sistema.chiusureFinestre, 1);
  EXPECT_EQ(f.ambiente.sistema.terminazioni, 1);
  f.main->close();
  EXPECT_EQ(f.ambiente.sistema.terminazioni, 1);
}

TEST(AvvioMain, FckIsKeptToTwoDecimalsAndAZeroAlfaCcChangesNothing) {
  FinestraMain f;
  Stato.Fcd = 14.167;
  Stato.GammaC = 1.5;
  Stato.AlfaCC = 0.85;
  f.main->fckControlla();
  EXPECT_DOUBLE_EQ(Stato.Fck, static_cast<float>(25.0));
  Stato.AlfaCC = 0;
  Stato.Fck = 30;
  f.main->fckControlla();
  EXPECT_EQ(Stato.Fck, 30);
}

TEST(AvvioMain, ATendonTypeSetsItsDesignValuesUnlessAFactorIsZero) {
  FinestraMain f;
  auto* tipi = f.Widget<QComboBox>("CmbCavi");
  ASSERT_GE(tipi->count(), 2);
  const auto& riga = Stato.TabellaAcciai(2);
  tipi->setCurrentIndex(1);
  f.main->CmbCavi_Click();
  EXPECT_EQ(f.C("F_nome_acc", 1).Text(), riga.Designazione);
  // Every digit stays, whatever the box shows: 1620 / 1.15 = 1408.695..., shown 1409.
  EXPECT_EQ(Stato.Fyd[1], riga.Fyk / Stato.GammaS);
  EXPECT_EQ(f.C("F_fyd", 1).Text(), VariabiliPubbliche::FormattaValore(riga.Fyk / Stato.GammaS));
  EXPECT_EQ(Stato.EpsYdSezione[1], Stato.Fyd[1] / Stato.ModuloEs);
  const std::string prima = f.C("F_fyd", 1).Text();
  Stato.GammaS = 0;
  tipi->setCurrentIndex(0);
  f.main->CmbCavi_Click();
  EXPECT_EQ(f.C("F_fyd", 1).Text(), prima);
  EXPECT_EQ(f.C("F_nome_acc", 1).Text(), riga.Designazione);
}

TEST(AvvioMain, AZeroActionFactorBecomesOneAndAHalfAtTheNextRefresh) {
  FinestraMain f;
  Stato.GammaAzioni = 0;
  f.main->AggiornaForm();
  EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.5f);
  EXPECT_EQ(f.Widget("cmdAzioniDaSLU", 0)->toolTip().toStdString(),
            "Sollecitazioni Metodo n = SLU / 1,5 (vedi menu opzioni)");
}

TEST(FileConfigurazione, BesideTheProgramWhenWritableElseInTheUsersFolder) {
  AmbienteFile ambiente;
  const std::string programma = ambiente.Cartella();
  EXPECT_EQ(Generale::PercorsoScritturaConfigurazione("Tramok.ini"), programma + "/Tramok.ini");
  EXPECT_EQ(Generale::PercorsoLetturaConfigurazione("Tramok.ini"), programma + "/Tramok.ini");

  // A program folder that cannot be written: the user's folder, read back
  // from the program folder until a file has been written there.
  const std::string utente = programma + "/utente";
  ambiente.sistema.ImpostaCartellaConfigurazione(utente);
  Stato.CartellaProgramma = programma + "/non-esiste";
  EXPECT_EQ(Generale::PercorsoScritturaConfigurazione("Tramok.ini"), utente + "/Tramok.ini");
  EXPECT_EQ(Generale::PercorsoLetturaConfigurazione("Tramok.ini"), programma + "/non-esiste/Tramok.ini");
  ambiente.Scrivi("utente/Tramok.ini", "\"\",\"7.8\"\r\n");
  EXPECT_EQ(Generale::PercorsoLetturaConfigurazione("Tramok.ini"), utente + "/Tramok.ini");
}
