#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AmbienteFile.h"
#include "Schermata.h"
#include "app/FrmInfor.h"
#include "app/frmAbout.h"
#include "app/frmAvvisi.h"
#include "model/Materiali.h"
#include "platform_qt/AppQt.h"

namespace {

// Closes a modal window that a failed expectation left open.
void ChiudiSeAperta(QDialog& finestra) {
  QTimer::singleShot(2000, &finestra, [&finestra] {
    if (!finestra.isVisible()) return;
    ADD_FAILURE() << "la finestra è rimasta aperta";
    finestra.reject();
  });
}

TEST(FrmInfor, ALetterTypedOnOkClosesIt) {
  AppQt();
  FrmInfor finestra;
  EXPECT_EQ(finestra.windowTitle(), "Informazioni");
  EXPECT_EQ(finestra.findChild<QLabel*>("Label1_3")->text(), "VERSIONE 7.8 (novembre 2021)");
  EXPECT_EQ(finestra.findChild<QLabel*>("Label1_0")->text(), "VERIFICHE A PRESSO-FLESSIONE");
  auto* ok = finestra.findChild<QPushButton*>("Command1");
  QTimer::singleShot(0, &finestra, [&] {
    SalvaSchermata(finestra, "FrmInfor");
    QTest::keyClick(ok, Qt::Key_Shift);  // not a character: stays open
    EXPECT_TRUE(finestra.isVisible());
    QTest::keyClick(ok, Qt::Key_X);
  });
  ChiudiSeAperta(finestra);
  EXPECT_EQ(finestra.exec(), QDialog::Accepted);
}

class FrmAvvisiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppQt();
    // eps_cu 3 per mille where the code gives 3.5 for a C25/30.
    VariabiliPubbliche::Stato.EpsCu = 0.003;
  }
  // The material laws load the strain limits; the user answers the notice.
  void Carica(std::function<void(frmAvvisi&)> utente) {
    if (auto* avvisi = dynamic_cast<frmAvvisi*>(Finestre::Aperte.frmAvvisi)) {
      QTimer::singleShot(0, avvisi, [avvisi, utente] { utente(*avvisi); });
      ChiudiSeAperta(*avvisi);
    }
    Materiali().InizializzaMateriali(200000);
  }
  AmbienteFile ambiente;
};

TEST_F(FrmAvvisiTest, TickedNoticeIsNotShownAgain) {
  QWidget principale;
  frmAvvisi* avvisi = CreaFrmAvvisi(&principale);
  EXPECT_EQ(Finestre::Aperte.frmAvvisi, avvisi);
  int mostrato = 0;
  Carica([&](frmAvvisi& f) {
    ++mostrato;
    EXPECT_EQ(f.windowTitle(), "Avviso");
    auto* spunta = f.findChild<QCheckBox*>("Check1");
    EXPECT_EQ(spunta->text(), "Non mostrare questo avviso  nei run successivi");
    SalvaSchermata(f, "frmAvvisi");
    QTest::keyClick(&f, Qt::Key_Escape);  // closed by its frame: the flag stays
  });
  EXPECT_EQ(mostrato, 1);
  EXPECT_FALSE(VariabiliPubbliche::Stato.NonMostrareAvviso);
  Carica([&](frmAvvisi& f) {
    ++mostrato;
    f.findChild<QCheckBox*>("Check1")->click();
    f.findChild<QPushButton*>("Command1")->click();
  });
  EXPECT_EQ(mostrato, 2);
  EXPECT_TRUE(VariabiliPubbliche::Stato.NonMostrareAvviso);
  Carica([&](frmAvvisi&) { ++mostrato; });
  EXPECT_EQ(mostrato, 2);
  delete avvisi;
  EXPECT_EQ(Finestre::Aperte.frmAvvisi, nullptr);
}

TEST(frmAbout, SystemInformationIsNotAvailable) {
  AppQt();
  AmbienteFile ambiente;
  QPointer<frmAbout> finestra = MostraFrmAbout();
  EXPECT_TRUE(finestra->isVisible());
  EXPECT_FALSE(finestra->isModal());
  EXPECT_EQ(finestra->parentWidget(), nullptr);
  SalvaSchermata(*finestra, "frmAbout");
  finestra->findChild<QPushButton*>("cmdSysInfo")->click();
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo,
            "Le informazioni sul sistema non sono attualmente disponibili.");
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Nessuna);
  finestra->findChild<QPushButton*>("cmdOK")->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(finestra.isNull());
}

}  // namespace
