// The seismic and coefficients windows driven as a user drives them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "FinestreSismicaQt.h"
#include "app/Schermata.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"
#include "platform_qt/AppQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"

using Sismica::Stato;

namespace {

class FinestraSismicaQt : public FinestreSismicaQt {
 protected:
  static void Scrivi(const char* nome, const QString& testo, QWidget& finestra = F()) {
    auto* box = finestra.findChild<QLineEdit*>(nome);
    box->selectAll();
    QTest::keyClicks(box, testo);
  }
  static QString T(const char* nome) { return F().findChild<QLineEdit*>(nome)->text(); }
  // On the button's left edge, where an option button's circle is.
  static void Clic(const char* nome) {
    auto* b = F().findChild<QAbstractButton*>(nome);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  static void Colonna400() {
    Scrivi("PilastroTxt_0", "400");
    Scrivi("PilastroTxt_1", "400");
    Scrivi("PilastroTxt_2", "4");
    Scrivi("PilastroTxt_3", "4");
    Scrivi("PilastroTxt_4", "40");
    Scrivi("PilastroTxt_9", "3000");
  }

};

TEST_F(FinestraSismicaQt, OpensWithTheDefaultsOnTheBottomEndAndQ0NotZero) {
  Sismica::ValoriDefault();
  Stato.FattoreStrutturaQ0 = 0;
  FrmSismica::Mostra();
  EXPECT_EQ(Stato.FattoreStrutturaQ0, 1.0);
  EXPECT_EQ(Stato.PeriodoT1, 1.0f);
  EXPECT_TRUE(Stato.PilastroCorrente.SezioneInferiore);
  EXPECT_EQ(F().findChild<QLabel*>("LblSezione_0")->text(), "SEZIONE INFERIORE");
  EXPECT_TRUE(F().findChild<QWidget*>("PilastroFrm_0")->isVisibleTo(&F()));
  EXPECT_FALSE(F().findChild<QWidget*>("PilastroFrm_1")->isVisibleTo(&F()));
  EXPECT_TRUE(F().findChild<QRadioButton*>("OpTipoSezioneSismica_0")->isChecked());
  EXPECT_EQ(F().findChild<QLabel*>("PilastroLbl_1")->text(), "[mm]");
  EXPECT_TRUE(messaggi.Mostrati().empty());
}

TEST_F(FinestraSismicaQt, ConcreteBelowC20IsNoticedAndC20UnderFactorsIsNot) {
  VariabiliPubbliche::Stato.Fck = 20;
  VariabiliPubbliche::Stato.Rck = 25;
  VariabiliPubbliche::Stato.Fcd = 11.33;
  FrmSismica::Mostra();
  EXPECT_TRUE(messaggi.Mostrati().empty());
  F().close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  VariabiliPubbliche::Stato.Fck = 16;
  VariabiliPubbliche::Stato.Rck = 20;
  FrmSismica::Mostra();
  ASSERT_EQ(messaggi.Testi().size(), 1u);
  EXPECT_EQ(messaggi.Testi()[0],
            "In zona sismica non è ammesso calcestruzzo di classe inferiore a C20/25");
}

TEST_F(FinestraSismicaQt, ActionsMoveInKnAndKnmAndBack) {
  Stato.NEdSismica = 250000;
  Stato.MEdSuperiore[1] = 1.5e8;
  FrmSismica::Mostra();
  EXPECT_EQ(T("F_N"), "250");
  EXPECT_EQ(T("F_MSupsd_1"), "150");
  Scrivi("F_MInfsd_0", "12,5");
  FrmSismica::Aperta()->AzioniLeggeScrive(false);
  EXPECT_DOUBLE_EQ(Stato.MEdInferiore[0], 1.25e7);
  EXPECT_DOUBLE_EQ(Stato.NEdSismica, 250000);
}

TEST_F(FinestraSismicaQt, RectangularColumnIsStoredPerEndAndCopied) {
  FrmSismica::Mostra();
  Colonna400();
  F().findChild<QComboBox*>("ComboBarrePil_0")->setCurrentText("20");
  Clic("CmdSezionePil_0");  // to the top end: the bottom is stored
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  EXPECT_FALSE(p.SezioneInferiore);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 1), 400);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 11), 4);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 13), 20);
  EXPECT_EQ(F().findChild<QLabel*>("LblSezione_0")->text(), "SEZIONE SUPERIORE");
  // The top end has no bars yet: the check run on the switch stores the
  // least count, 2. The outline is shared.
  EXPECT_EQ(T("PilastroTxt_0"), "400");
  EXPECT_EQ(T("PilastroTxt_2"), "2");
  messaggi.Svuota();
  Clic("cmdCopiaSezione");  // answered No: nothing is replaced
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Testi()[0], "Sostituire barre e staffe con quelle della sezione inferiore ?");
  EXPECT_EQ(T("PilastroTxt_2"), "2");
  EXPECT_EQ(p.MatriceSezionePilastro(0, 7), 2);
  messaggi.Accoda(platform::Risposta::Si);
  Clic("cmdCopiaSezione");
  EXPECT_EQ(T("PilastroTxt_2"), "4");
  EXPECT_EQ(p.MatriceSezionePilastro(0, 7), 4);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 9), 20);
  // Built as the checks build it: 12 bars of 20 on the 320 mm square.
  FrmSismica::Aperta()->MemorizzaDatiSismica();
  ASSERT_EQ(p.nBarreTotale(), 12);
  EXPECT_FLOAT_EQ(p.xBarre()(1), -160);
  EXPECT_FLOAT_EQ(p.yBarre()(1), 160);
  EXPECT_NEAR(p.AreeBarre()(1), 314.159, 1e-3);
  QTest::mouseClick(F().findChild<QWidget*>("Figura"), Qt::LeftButton);
  SalvaSchermata(F(), "FrmSismica");
}

TEST_F(FinestraSismicaQt, SameColumnInCentimetres) {
  VariabiliPubbliche::Stato.UnitaLunghezza = "cm";
  FrmSismica::Mostra();
  EXPECT_EQ(F().findChild<QLabel*>("PilastroLbl_35")->text(), "[cm]");
  Scrivi("PilastroTxt_0", "40");
  Scrivi("PilastroTxt_4", "4");
  Clic("CmdSezionePil_0");
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 1), 400);
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 3), 40);
  Clic("CmdSezionePil_1");
  EXPECT_EQ(T("PilastroTxt_0"), "40");
}

TEST_F(FinestraSismicaQt, CircularColumnKeepsItsOwnRowAndCopiesOnYes) {
  FrmSismica::Mostra();
  Clic("OpTipoPilastro_1");
  EXPECT_TRUE(F().findChild<QWidget*>("PilastroFrm_1")->isVisibleTo(&F()));
  Scrivi("PilastroTxt_6", "250");
  Scrivi("PilastroTxt_7", "8");
  Scrivi("PilastroTxt_8", "40");
  // To the top end, which has no bars: the copy of the bottom is offered.
  messaggi.Accoda(platform::Risposta::Si);
  Clic("CmdSezionePil_2");
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  EXPECT_EQ(p.MatriceSezionePilastro(1, 1), 250);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 12), 8);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 6), 8);
  EXPECT_EQ(T("PilastroTxt_7"), "8");
  // Four or more bars on top: nothing is asked.
  messaggi.Svuota();
  Clic("cmdCopiaSezione");
  EXPECT_TRUE(messaggi.Mostrati().empty());
}

// Materials changed elsewhere while the window was open show on its return.
bool Attiva(QWidget& finestra) {
  finestra.show();
  finestra.activateWindow();
  return QTest::qWaitForWindowActive(&finestra);
}

TEST_F(FinestraSismicaQt, ActivationShowsTheMaterialsInForce) {
  FrmSismica::Mostra();
  ASSERT_TRUE(Attiva(F()));
  QWidget altra;
  ASSERT_TRUE(Attiva(altra));
  VariabiliPubbliche::Stato.SiglaCalcestruzzo = "C32/40";
  VariabiliPubbliche::Stato.SiglaAcciaio[0] = "B450A";
  EXPECT_NE(T("F_nome_cls"), "C32/40");
  ASSERT_TRUE(Attiva(F()));
  EXPECT_EQ(T("F_nome_cls"), "C32/40");
  EXPECT_EQ(T("F_nome_acc"), "B450A");
}

TEST(MuFiFormula, CasesOfThePeriods) {
  EXPECT_NEAR(MuFi(5.85f, 0.4f, 0.4f), 10.7, 1e-5);
  EXPECT_NEAR(MuFi(3.9f, 0.4f, 0.4f), 6.8, 1e-5);
  EXPECT_NEAR(MuFi(4, 0.2f, 0.4f), 13, 1e-5);
  EXPECT_EQ(MuFi(4, 0, 0.4f), 0);
}

TEST_F(FinestraSismicaQt, CoefficientsWindowComputesBothEndsAndWritesTheSeismicWindow) {
  Stato.FattoreStrutturaQ0 = 5.85;
  FrmSismica::Mostra();
  FrmCoefficienti& c = FrmCoefficienti::Mostra(0);
  auto* T1 = c.findChild<QLineEdit*>("txtCoeff_2");
  auto* TC = c.findChild<QLineEdit*>("txtCoeff_3");
  T1->selectAll();
  QTest::keyClicks(T1, "0,4");
  TC->selectAll();
  QTest::keyClicks(TC, "0,4");
  EXPECT_EQ(FrmCoefficienti::Mostra(0).Controllo("txtCoeff", 3).Text(), "0,4");  // not 0,400000005960464
  // 2 x 5.85 - 1 = 10.7 held as the file writes it, not 10.699999809265137.
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 10.7);
  EXPECT_NEAR(Stato.DuttilitaCurvaturaInf, 10.7, 1e-5);
  auto* dueTerzi = c.findChild<QCheckBox*>("chkDueTerziQ0_1");
  QTest::mouseClick(dueTerzi, Qt::LeftButton, {}, QPoint(6, dueTerzi->height() / 2));
  EXPECT_NEAR(Stato.DuttilitaCurvaturaInf, 6.8, 1e-5);
  EXPECT_NEAR(Stato.DuttilitaCurvaturaSup, 10.7, 1e-5);
  EXPECT_EQ(T("txtDinamica_0"), "6,8");
  T1->selectAll();
  QTest::keyClicks(T1, "0,2");
  EXPECT_NEAR(Stato.DuttilitaCurvaturaSup, 1 + 2 * 4.85 * 2, 1e-4);
  // No factor of an old q0 while q0 is no number; 4 gives 1 + 2 x 3 x 0.4 / 0.2 = 13.
  Scrivi("txtCoeff_1", "abc", c);
  QTest::mouseClick(dueTerzi, Qt::LeftButton, {}, QPoint(6, dueTerzi->height() / 2));
  EXPECT_EQ(T("txtDinamica_0") + T("txtDinamica_1") + T("txtDinamica_2"), "");
  EXPECT_EQ(c.Controllo("txtCoeff", 4).Text() + c.Controllo("txtCoeff", 0).Text(), "");
  Scrivi("txtCoeff_1", "4", c);
  EXPECT_EQ(T("txtDinamica_1") + " " + T("txtDinamica_0") + " " + T("txtDinamica_2"), "4 13 13");
  Scrivi("txtCoeff_1", "x", c);
  c.close();  // on no number: the last q0 stays in force and shows again
  EXPECT_EQ(T("txtDinamica_1") + " " + T("txtDinamica_0"), "4 13");
}

// A ductility held to more digits than its box shows, 10.666 as "10,67", is stored until typed.
TEST_F(FinestraSismicaQt, RoundedDuctilityBoxKeepsTheValueHeldUntilTyped) {
  Stato.DuttilitaCurvaturaInf = 10.666;
  FrmSismica::Mostra();
  ASSERT_EQ(T("txtDinamica_0"), "10,67");
  F().MemorizzaDatiSismica();
  EXPECT_EQ(Stato.DuttilitaCurvaturaInf, 10.666);
  Scrivi("txtDinamica_0", "10,67");
  Scrivi("txtDinamica_2", "9,5");  // the top end's, typed too
  F().MemorizzaDatiSismica();
  EXPECT_EQ(Stato.DuttilitaCurvaturaInf, 10.67);
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 9.5);
}

TEST_F(FinestraSismicaQt, MomentRatiosWarnAndAreKeptWhenClosedOnAnotherPage) {
  FrmCoefficienti& c = FrmCoefficienti::Mostra(1);
  auto* r = c.findChild<QLineEdit*>("txtCoeffC_0");
  auto* lista = c.findChild<QListWidget*>("ListaOsservCoef_1");
  r->selectAll();
  QTest::keyClicks(r, "0,05");
  EXPECT_EQ(lista->count(), 1);
  r->selectAll();
  QTest::keyClicks(r, "0,8");
  EXPECT_EQ(lista->count(), 3);
  r->selectAll();
  QTest::keyClicks(r, "0,5");
  auto* s = c.findChild<QLineEdit*>("txtCoeffC_1");
  s->selectAll();
  QTest::keyClicks(s, "0,5");
  EXPECT_EQ(lista->count(), 0);
  FrmCoefficienti::Mostra(2).close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FLOAT_EQ(Stato.RapportoMomentiInf, 0.5f);
  EXPECT_FLOAT_EQ(Stato.RapportoMomentiSup, 0.5f);
}

}  // namespace
