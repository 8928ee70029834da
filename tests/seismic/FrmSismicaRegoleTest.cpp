// The detailing rules rerun by the seismic window after a change, their
// list and the colours of the boxes they judge.
#include "SchermoSismica.h"
#include "app/Schermata.h"
#include "platform/Colori.h"

using Sismica::Stato;

namespace {

// The EC8 items of the code menu compute the curvature ductility from q0 and
// the periods: q0 = 3.9 with T1 = TC gives 2 q0 - 1 = 6.8, as the rows assume.
void PreparaFinestra(const CasoRegole& caso) {
  Stato.FattoreStrutturaQ0 = 3.9;
  Stato.PeriodoT1 = 0.4f;
  Stato.PeriodoTC = 0.4f;
  Prepara(caso);
}

const platform::Colore Rosso = platform::QBColor(12);
const platform::Colore Nero = platform::QBColor(0);

// Each geometry row: the window opened on the row's column shows the row's
// texts; the list emptied, Enter in the axial force box shows them again.
class FinestraRegoleGeometria : public ::testing::TestWithParam<CasoRegole> {};

TEST_P(FinestraRegoleGeometria, OpeningAndEnterInTheAxialForceShowTheRowsTexts) {
  AmbienteColonna ambiente;
  FinestraSismicaSchermo schermo;
  PreparaFinestra(GetParam());
  FinestraSismicaSchermo::Apri();
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
  FinestraSismicaSchermo::W_<QTextEdit>("RichTextBox1")->clear();
  FinestraSismicaSchermo::W_<QLineEdit>("F_N")->setFocus();
  FinestraSismicaSchermo::Invio("F_N");
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
}

INSTANTIATE_TEST_SUITE_P(Casi, FinestraRegoleGeometria, ::testing::ValuesIn(CasiGeometria),
                         [](const auto& info) { return "Caso" + std::to_string(info.index); });

// With the stirrup editor open only the stirrup rules speak, on opening, on
// the central re-check, on the stirrup check; leaving the central pitch
// reruns them.
class FinestraRegoleStaffe : public ::testing::TestWithParam<CasoRegole> {};

TEST_P(FinestraRegoleStaffe, WithTheStirrupFrameOpenOnlyTheStirrupRulesAreListed) {
  AmbienteColonna ambiente;
  FinestraSismicaSchermo schermo;
  PreparaFinestra(GetParam());
  FrmSismica& f = FinestraSismicaSchermo::Apri();
  FinestraSismicaSchermo::Clic("StaffePilDef");
  ASSERT_TRUE(f.findChild<QWidget*>("frmStaffe")->isVisible());
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
  FinestraSismicaSchermo::W_<QTextEdit>("RichTextBox1")->clear();
  FinestraSismicaSchermo::Clic("cmdControlloPil_0");
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
  FinestraSismicaSchermo::W_<QTextEdit>("RichTextBox1")->clear();
  FinestraSismicaSchermo::Clic("cmdControlloPilStaffe");
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
  FinestraSismicaSchermo::W_<QTextEdit>("RichTextBox1")->clear();
  FinestraSismicaSchermo::W_<QLineEdit>("PilastroTxt_13")->setFocus();
  FinestraSismicaSchermo::Esci("PilastroTxt_13");
  EXPECT_EQ(FinestraSismicaSchermo::Lista(), ListaAttesa(GetParam().attese));
}

INSTANTIATE_TEST_SUITE_P(Casi, FinestraRegoleStaffe, ::testing::ValuesIn(CasiStaffe),
                         [](const auto& info) { return "Caso" + std::to_string(info.index); });

class FinestraRegole : public ::testing::Test {
 protected:
  AmbienteColonna ambiente;
  FinestraSismicaSchermo schermo;
  using S = FinestraSismicaSchermo;
};

// The standard column typed narrower and with a shorter critical length:
// the texts of that row of the table, and no others.
TEST_F(FinestraRegole, TypedDimensionsRerunTheRulesWhenTheBoxIsLeft) {
  VariabiliPubbliche::Stato.NormativaSismica = 0;
  Stato.DuttilitaMedia = 1;
  S::Apri();
  EXPECT_EQ(S::Lista(), ListaAttesa(Riga(CasiGeometria, "NTC CD B standard column").attese));
  S::Batti("PilastroTxt_0", "240");
  S::Invio("PilastroTxt_0");
  S::Batti("PilastroTxt_1", "300");
  S::Invio("PilastroTxt_1");
  S::Batti("PilastroTxt_10", "400");
  // Typed, not yet left: no list of the earlier length in sight.
  EXPECT_EQ(S::Lista(), "");
  S::Esci("PilastroTxt_10");
  EXPECT_EQ(S::Lista(),
            ListaAttesa(Riga(CasiGeometria, "NTC narrow base, short critical length").attese));
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(0, 1), 240);
}

// The curvature ductility typed in the coefficients window reruns the rules:
// q0 3.9, T1 0.2, TC 0.4 give mu = 1 + 2 x 2.9 x 0.4 / 0.2 = 12.6, and
// omega_wd must reach (30 x 12.6 x 0.3 x 0.001957 x 400 / 344 - 0.035) /
// (0.8077 x 0.7297) = 0.378 against 0.323 given; at T1 0.4, 6.8 asks 0.177.
TEST_F(FinestraRegole, CurvatureDuctilityTypedInTheCoefficientsWindowRerunsTheRules) {
  PreparaFinestra(Riga(CasiStaffe, "EC8 DCM with four ties: met"));
  S::Apri();
  ASSERT_EQ(S::Lista(), "OK prescrizioni");
  FrmCoefficienti& c = FrmCoefficienti::Mostra(0);
  auto* T1 = c.findChild<QLineEdit*>("txtCoeff_2");
  T1->selectAll();
  QTest::keyClicks(T1, "0,2");
  EXPECT_NEAR(Stato.DuttilitaCurvaturaInf, 12.6, 1e-5);
  EXPECT_EQ(S::Lista(), "Prescrizioni staffe non rispettate.");
  T1->selectAll();
  QTest::keyClicks(T1, "0,4");
  EXPECT_EQ(S::Lista(), "OK prescrizioni");
  // Typed in the seismic window's own box: the rules rerun when it is left.
  S::Batti("txtDinamica_0", "12,6");
  EXPECT_EQ(S::Lista(), "");
  S::Esci("txtDinamica_0");
  EXPECT_EQ(S::Lista(), "Prescrizioni staffe non rispettate.");
  EXPECT_EQ(c.Controllo("txtCoeff", 4).Text(), "12,6");
  S::Batti("txtDinamica_1", "4");  // q0: its factors at T1 = TC = 0.4 follow, 2 x 4 - 1 = 7
  S::Esci("txtDinamica_1");
  EXPECT_EQ(c.Controllo("txtCoeff", 1).Text() + " " + c.Controllo("txtCoeff", 4).Text(), "4 7");
  EXPECT_EQ(S::W_<QLineEdit>("txtDinamica_0")->text(), "7");
}

// The EC8 page follows a pitch checked in the editor: hoop and 4 ties of 8, 2752 mm
// round a 344 x 344 core at 50 mm: 2752 x 50.27 / (344^2 x 50) x 391.3 / 14.17 = 0.6458.
TEST_F(FinestraRegole, ConfinementPageFollowsThePitchChecked) {
  PreparaFinestra(Riga(CasiStaffe, "EC8 DCM with four ties: met"));
  S::Apri().StaffePilDef_Click();
  FrmCoefficienti& c = FrmCoefficienti::Mostra(3);
  S::F().Controllo("PilastroTxt", 14).SetText("50");
  S::F().cmdControlloPilStaffe_Click();
  EXPECT_EQ(c.Controllo("lblVolSt", 2).Caption(), " 0,6458");
}

// A column refused when its box is left is not refused again at each key
// typed in the coefficients window.
TEST_F(FinestraRegole, ARefusedColumnIsToldOnceNotAtEachKeyOfTheCoefficients) {
  PreparaFinestra(Riga(CasiStaffe, "EC8 DCM with four ties: met"));
  S::Apri();
  S::Batti("PilastroTxt_4", "100000");
  S::Esci("PilastroTxt_4");
  const std::size_t rifiuti = schermo.messaggi.Mostrati().size();
  ASSERT_GT(rifiuti, 0u);
  auto* T1 = FrmCoefficienti::Mostra(0).findChild<QLineEdit*>("txtCoeff_2");
  T1->selectAll();
  QTest::keyClicks(T1, "0,2");
  EXPECT_EQ(schermo.messaggi.Mostrati().size(), rifiuti);
  EXPECT_EQ(S::Lista(), "");
}

TEST_F(FinestraRegole, GreekLettersAtSize12AndTheRestInTheBoxsFont) {
  S::Apri();
  S::F().ListaPrescrizioniNew({"Omega_wd e _Gamma_Rd e _Gamma_Rd", "omega_ _r_"});
  const QString attesa = QString::fromUtf8("ωwd e γRd e γRd\nomega_ ρ");
  ASSERT_EQ(S::Lista(), attesa);
  auto* lista = S::W_<QTextEdit>("RichTextBox1");
  const qreal normale = lista->font().pointSizeF();
  ASSERT_NE(normale, 12);
  for (int i = 0; i < attesa.size(); ++i) {
    if (attesa[i] == '\n') continue;
    QTextCursor c(lista->document());
    c.setPosition(i + 1);
    const bool greca = QString::fromUtf8("ωγρ").contains(attesa[i]);
    EXPECT_EQ(c.charFormat().fontPointSize() == 12, greca) << i;
  }
  S::F().ListaPrescrizioniNew({});
  EXPECT_EQ(S::Lista(), "OK prescrizioni");
}

// Ratio and critical length: phi 12 and 400 mm break NTC, phi 16 and 600 mm
// meet it (table of RegoleGeometriaCaselle); the central pitch of 150 leaves
// omega_st below 0.08 in the central zone, 75 meets it.
TEST_F(FinestraRegole, BoxesTurnRedWhereARuleFailsAndBlackWhenMet) {
  VariabiliPubbliche::Stato.NormativaSismica = 0;
  Stato.DuttilitaMedia = 1;
  S::Apri();
  S::Diametro(0, "12");
  S::Batti("PilastroTxt_10", "400");
  S::Esci("PilastroTxt_10");
  EXPECT_EQ(S::F().Controllo("TxtRo", 0).Text(), " 0,00848");
  EXPECT_EQ(S::Colore("TxtRo", 0), Rosso);
  EXPECT_EQ(S::Colore("PilastroTxt", 10), Rosso);

  S::Diametro(0, "16");
  S::Batti("PilastroTxt_10", "600");
  S::Esci("PilastroTxt_10");
  EXPECT_EQ(S::F().Controllo("TxtRo", 0).Text(), " 0,0151");
  EXPECT_EQ(S::Colore("TxtRo", 0), Nero);
  EXPECT_EQ(S::Colore("PilastroTxt", 10), Nero);

  S::Clic("StaffePilDef");
  EXPECT_FALSE(S::W_("PilastroTxt_10")->isEnabled());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(S::Colore("TxtOmegaSt", i), i < 2 ? Nero : Rosso) << i;
  EXPECT_EQ(S::F().Controllo("TxtOmegaSt", 2).Text(), "0,0538");
  S::Batti("PilastroTxt_13", "75");
  S::Esci("PilastroTxt_13");
  EXPECT_EQ(S::F().Controllo("TxtOmegaSt", 2).Text(), "0,1076");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(S::Colore("TxtOmegaSt", i), Nero) << i;
  EXPECT_EQ(S::Lista(), "OK prescrizioni");
  SalvaSchermata(S::F(), "FrmSismica_prescrizioni");
}

}  // namespace
