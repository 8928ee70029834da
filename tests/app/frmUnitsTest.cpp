// The units and action-factor window driven as a user drives it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "AmbienteFile.h"
#include "FinestraMain.h"
#include "FinestraQt.h"
#include "app/frmUnits.h"
#include "doppi/MainProva.h"
#include "platform_qt/AppQt.h"

using VariabiliPubbliche::Stato;

namespace {

class SismicaVisibile : public Finestre::FinestraSismica {
 public:
  bool Visibile() const override { return visibile; }
  void CaricaValoriFormSismicaSub(bool conversione) override {
    chiamate.push_back(conversione ? "Carica True" : "Carica False");
  }
  void AggiornaUnitaSismica() override { chiamate.push_back("Unita " + Stato.UnitaLunghezza); }
  void ProgettoLetto() override { chiamate.push_back("Letto"); }
  void MemorizzaDatiSismica() override {}
  bool MemorizzaPerSalvare() override { return true; }
  void ImpostaCaption() override {}

  bool visibile = true;
  std::vector<std::string> chiamate;
};

class FinestraUnita : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    Finestre::Aperte = Finestre::FinestreAperte{};
    Finestre::Aperte.Main = &main;
    Finestre::Aperte.FrmSismica = &sismica;
  }
  void TearDown() override {
    if (frmUnits* aperta = frmUnits::Aperta()) aperta->close();
    Elimina();
    Finestre::Aperte = Finestre::FinestreAperte{};
  }
  static void Elimina() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  template <class T>
  T* Controllo(const char* nome) {
    return frmUnits::Aperta()->findChild<T*>(nome);
  }
  void Clic(const char* nome) { QTest::mouseClick(Controllo<QAbstractButton>(nome), Qt::LeftButton); }

  AmbienteFile ambiente;
  MainProva main;
  SismicaVisibile sismica;
};

TEST_F(FinestraUnita, ChoosingMmRewritesTheMainWindowAfterReadingWhatWasTyped) {
  Stato.UnitaLunghezza = "cm";
  Stato.TipoSezione = 4;
  frmUnits& finestra = frmUnits::Mostra(0);
  EXPECT_EQ(finestra.windowTitle().toStdString(), "Unità di misura");
  EXPECT_TRUE(Controllo<QRadioButton>("optUnits_1")->isChecked());
  EXPECT_EQ(Controllo<QWidget>("Frame1_1"), nullptr);
  SalvaSchermata(finestra, "frmUnits");

  Clic("optUnits_0");
  // Enter on the option chosen confirms as OK does.
  ASSERT_TRUE(Attiva(finestra));
  QTest::keyClick(Controllo<QWidget>("optUnits_0"), Qt::Key_Return);
  Elimina();
  EXPECT_EQ(frmUnits::Aperta(), nullptr);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  // The typed edits went into the state while the old unit was in force.
  EXPECT_EQ(main.letture, 1);
  EXPECT_EQ(main.chiamate, (std::vector<std::string>{"AggiornaForm", "FormScriveDati mm",
                                                     "DisegnaSezioneScritta", "Fuoco btnCalcola"}));
  EXPECT_EQ(main.clic, (std::vector<std::pair<int, int>>{{4, 0}}));
  EXPECT_EQ(sismica.chiamate, (std::vector<std::string>{"Carica True", "Unita mm"}));
}

TEST_F(FinestraUnita, OkWithoutAChangeStillRefreshesAndCancelChangesNothing) {
  Stato.UnitaLunghezza = "mm";
  sismica.visibile = false;
  frmUnits::Mostra(0);
  EXPECT_TRUE(Controllo<QRadioButton>("optUnits_0")->isChecked());
  Clic("OKButton_0");
  Elimina();
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_EQ(main.chiamate.size(), 4u);
  EXPECT_TRUE(sismica.chiamate.empty());

  main.chiamate.clear();
  frmUnits::Mostra(0);
  Clic("optUnits_1");
  Clic("CancelButton_0");
  Elimina();
  EXPECT_EQ(frmUnits::Aperta(), nullptr);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_TRUE(main.chiamate.empty());

  // Escape cancels as the button does.
  ASSERT_TRUE(Attiva(frmUnits::Mostra(0)));
  Clic("optUnits_1");
  QTest::keyClick(Controllo<QWidget>("optUnits_1"), Qt::Key_Escape);
  Elimina();
  EXPECT_EQ(frmUnits::Aperta(), nullptr);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_TRUE(main.chiamate.empty());
}

TEST_F(FinestraUnita, TheActionFactorIsReadWithTheRegionalSeparator) {
  ambiente.sistema.ImpostaSeparatori(",", ".");
  Stato.GammaAzioni = 1.5f;
  frmUnits& finestra = frmUnits::Mostra(1);
  EXPECT_EQ(finestra.windowTitle().toStdString(), "Coefficiente parziale di sicurezza");
  auto* gamma = Controllo<QLineEdit>("txtGammaQ");
  EXPECT_EQ(gamma->text().toStdString(), "1,5");
  SalvaSchermata(finestra, "frmUnits_gamma");
  gamma->selectAll();
  QTest::keyClicks(gamma, "1,35");
  // Enter confirms as OK does.
  ASSERT_TRUE(Attiva(finestra));
  QTest::keyClick(gamma, Qt::Key_Return);
  Elimina();
  EXPECT_FLOAT_EQ(Stato.GammaAzioni, 1.35f);
  EXPECT_EQ(main.chiamate, std::vector<std::string>{"ToolTipAzioniDaSLU"});
}

TEST_F(FinestraUnita, AFactorOutOfItsRangeIsRefusedAndTheWindowStays) {
  Stato.GammaAzioni = 1.5f;
  frmUnits::Mostra(1);
  auto* gamma = Controllo<QLineEdit>("txtGammaQ");
  for (const char* testo : {"0", "-1.2", "abc", "1e60"}) {
    gamma->setText(testo);
    Clic("OKButton_1");
    Elimina();
    ASSERT_NE(frmUnits::Aperta(), nullptr) << testo;
  }
  EXPECT_EQ(ambiente.box.Testi().size(), 4u);
  EXPECT_EQ(ambiente.box.Testi()[0],
            "γ azioni = 0: deve essere compreso tra 1 e 3;\r\n"
            "un coefficiente parziale non riduce le azioni né le moltiplica oltre 3.");
  EXPECT_EQ(Stato.GammaAzioni, 1.5f);
  EXPECT_TRUE(main.chiamate.empty());
}

TEST_F(FinestraUnita, AskedInTheOtherModeItOpensInThatOne) {
  frmUnits::Mostra(0);
  frmUnits& gamma = frmUnits::Mostra(1);
  Elimina();
  EXPECT_EQ(frmUnits::Aperta(), &gamma);
  EXPECT_EQ(gamma.IndexMenu, 1);
  EXPECT_NE(Controllo<QLineEdit>("txtGammaQ"), nullptr);
  EXPECT_EQ(&frmUnits::Mostra(1), &gamma);
}

}  // namespace

// With the program's own main window: what was typed in its grid, not yet
// read by any command, is rewritten in the new unit.
TEST(UnitaMain, TypedCentimetresShowAsMillimetres) {
  FinestraMain f;
  Finestre::Aperte.FrmSismica = nullptr;
  f.ambiente.box.Svuota();
  ASSERT_EQ(Stato.UnitaLunghezza, "cm");
  FinestraMain::Batti("Trave");  // the title, then the figures' editor
  FinestraMain::Batti("30");
  FinestraMain::Batti("50");
  const platform::FlexGrid& figure = f.main->FlexGrid(0);
  ASSERT_EQ(figure.TextMatrix(1, 2), "50");
  // One bar's area typed and left in its editor: 20 cm2 = 2000 mm2.
  FinestraMain::Batti("1");
  FinestraMain::Batti("20", false);
  frmUnits::Mostra(0);
  QTest::mouseClick(frmUnits::Aperta()->findChild<QRadioButton*>("optUnits_0"), Qt::LeftButton);
  QTest::mouseClick(frmUnits::Aperta()->findChild<QPushButton*>("OKButton_0"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Stato.UnitaLunghezza, "mm");
  EXPECT_EQ(figure.TextMatrix(0, 1), "b [mm]");
  EXPECT_EQ(figure.TextMatrix(1, 1), "300");
  EXPECT_EQ(figure.TextMatrix(1, 2), "500");
  EXPECT_EQ(f.main->FlexGrid(1).TextMatrix(1, 1), "2000");
  for (int g = 0; g <= 2; ++g) EXPECT_FALSE(f.main->TxtEdit(g).Visible()) << g;
  EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{});
  // The picture shows the section typed, not the sketch of a rectangle.
  const QImage dopo = f.main->Figura().Immagine();
  f.main->DisegnaSezioneScritta();
  EXPECT_EQ(dopo, f.main->Figura().Immagine());
  // A value refused stays as typed, and so does the unit.
  f.C("F_N", 0).SetText("abc");
  QTest::mouseClick(frmUnits::Mostra(0).findChild<QRadioButton*>("optUnits_1"), Qt::LeftButton);
  QTest::mouseClick(frmUnits::Aperta()->findChild<QPushButton*>("OKButton_0"), Qt::LeftButton);
  EXPECT_EQ(Stato.UnitaLunghezza + f.C("F_N", 0).Text(), "mmabc");
  frmUnits::Aperta()->close();
}
