#include <optional>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FinestreQt.h"
#include "analysis/Correnti.h"
#include "app/DominioMxMy.h"
#include "app/FinestreRisultati.h"
#include "doppi/FinestreRisultatiProva.h"
#include "doppi/StampaPdf.h"
#include "drawing/NumeroCella.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

// The L section of the case runner at N = 0, the main window's first moments
// half the resisting couple at 90 degrees (kNm).
class FinestraDominioMxMy : public ConMain {
 protected:
  void SetUp() override {
    attesi = EseguiCasoDiProva("dominio_MxMy_sezione_L.caso");
    ApriMain();
    ScriveMain("F_N", 0, "0");
    ScriveMain("F_Mxsd", 0, "24.45625");
    ScriveMain("F_MySd", 0, "-108.862047");
    messaggi.emplace();  // after the case runner's own
  }

  DominioMxMy& Apri() {
    DominioMxMy& w = FinestreRisultati::MostraDominioMxMy("Dominio", [this] { ++ricalcoli; });
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    return w;
  }

  // The ratio the engine gives for the couple into a window kept in memory.
  std::string RapportoInMemoria(short n, float MxEd, float MyEd) {
    DominioMxMyProva prova;
    VariabiliPubbliche::SezioneCorrente()->CalcolaDominioMxMy(n, prova, "Dominio", MxEd, MyEd);
    return prova.Controllo("txtRapporto").Text();
  }

  static void Scrive(QLineEdit& casella, const QString& testo) {
    casella.selectAll();
    QTest::keyClicks(&casella, testo);
  }

  std::optional<platform::MsgBoxScriptato> messaggi;
  RisultatiCaso attesi;
  int ricalcoli = 0;
};

}  // namespace

TEST_F(FinestraDominioMxMy, TheRatioShownIsTheCaseRunnersForTheSameSectionAndCouple) {
  DominioMxMy& w = Apri();
  EXPECT_EQ(w.nPuntiInput, 12);
  EXPECT_EQ(w.Controllo("txtRapporto").Text(), attesi.testi["txtRapporto"]);
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("txtRapporto").Text()), 0.5, 0.005);
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("F_MxRd").Text()), attesi.numeri["MxRd"] / 1e6, 0.1);
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("F_MyRd").Text()), attesi.numeri["MyRd"] / 1e6, 0.1);
  // The domain closes on itself: point 13 is point 1 again.
  const platform::Chart& g = w.Graph1();
  EXPECT_EQ(g.Testo(13, 1), g.Testo(1, 1));
  EXPECT_NEAR(NumeroCella::Valore(g.Testo(4, 1)) * 1e6, attesi.numeri["point.4.Mx"], 500);
  EXPECT_EQ(g.AxisTitle(platform::Chart::AsseY), "My [kNm]");
  // Then the main window's verification again, the focus on "Infittisci punti".
  EXPECT_EQ(ricalcoli, 1);
  EXPECT_FALSE(w.cmdRidisegna().isVisible());
  EXPECT_TRUE(w.cmdInfittisci().hasFocus());
  EXPECT_TRUE(messaggi->Mostrati().empty());
  w.resize(900, 640);
  Fotografa(w, "DominioMxMy");
}

TEST_F(FinestraDominioMxMy, ANewActingCoupleIsCopiedIntoTheMainWindowAndRecomputed) {
  DominioMxMy& w = Apri();
  Scrive(w.F_Mxsd(), "30");
  EXPECT_TRUE(w.cmdRidisegna().isVisible());
  EXPECT_EQ(w.Controllo("F_MyRd").Text(), "");
  QTest::mouseClick(&w.cmdRidisegna(), Qt::LeftButton);
  EXPECT_EQ(TestoMain("F_Mxsd", 0), "30");
  EXPECT_EQ(TestoMain("F_MySd", 0), "-108.862047");
  EXPECT_FALSE(w.cmdRidisegna().isVisible());
  EXPECT_EQ(w.Controllo("txtRapporto").Text(), RapportoInMemoria(12, 30, -108.862047f));
  EXPECT_NE(w.Controllo("txtRapporto").Text(), attesi.testi["txtRapporto"]);

  // A couple typed and not confirmed, then an input of the main window
  // changed: the emptied window shows the main window's couple, nothing to confirm.
  Scrive(w.F_Mxsd(), "120");
  ScriveMain("F_Mxsd", 0, "100");
  FinestreRisultati::SvuotaAperte();
  EXPECT_EQ(w.F_Mxsd().text().toStdString() + w.F_MySd().text().toStdString(), "100-108.862047");
  EXPECT_FALSE(w.cmdRidisegna().isVisible());
}

TEST_F(FinestraDominioMxMy, DensifyingUsesTheTypedCoupleLeavesTheMainWindowAndStopsAtTheLimit) {
  DominioMxMy& w = Apri();
  Scrive(w.F_Mxsd(), "30");
  QTest::mouseClick(&w.cmdInfittisci(), Qt::LeftButton);
  EXPECT_EQ(w.nPuntiInput, 24);
  EXPECT_EQ(w.GridMN().Rows() - 1, 25);
  EXPECT_EQ(TestoMain("F_Mxsd", 0), "24.45625");
  EXPECT_TRUE(w.cmdRidisegna().isVisible());
  EXPECT_EQ(w.Controllo("txtRapporto").Text(), RapportoInMemoria(24, 30, -108.862047f));
  // Doubling past the engine's limit stops at it, and the button goes off.
  Stato.NumeroRettangoli = 20;
  w.nPuntiInput = 768;
  QTest::mouseClick(&w.cmdInfittisci(), Qt::LeftButton);
  EXPECT_EQ(w.nPuntiInput, DominioMxMy::DirezioniMassime);
  EXPECT_EQ(w.GridMN().Rows() - 1, 1441);
  EXPECT_FALSE(w.cmdInfittisci().isEnabled());
  EXPECT_TRUE(messaggi->Mostrati().empty());
}

TEST_F(FinestraDominioMxMy, AMomentThatIsNoNumberGivesTheDataErrorAndComputesNothing) {
  DominioMxMy& w = Apri();
  Scrive(w.F_MySd(), "abc");
  QTest::mouseClick(&w.cmdInfittisci(), Qt::LeftButton);
  QTest::mouseClick(&w.cmdRidisegna(), Qt::LeftButton);
  ASSERT_EQ(messaggi->Mostrati().size(), 2u);
  EXPECT_EQ(messaggi->Mostrati()[0].testo, "Errore! Controllare i dati");
  EXPECT_EQ(w.nPuntiInput, 12);
  EXPECT_EQ(TestoMain("F_MySd", 0), "-108.862047");
  // The ratio of the couple before it is not shown beside the one typed.
  EXPECT_EQ(w.Controllo("txtRapporto").Text(), "");
  EXPECT_EQ(w.Controllo("F_MxRd").Text(), "");
}

TEST_F(FinestraDominioMxMy, AFailedCalculationLeavesNoRatioBehind) {
  DominioMxMy& w = Apri();
  ASSERT_FALSE(w.Controllo("txtRapporto").Text().empty());
  // An axial force no section can carry: every ultimate run fails.
  VariabiliPubbliche::SezioneCorrente()->Sollecitazioni({1e12, 0}, {0, 0}, {0, 0});
  QTest::mouseClick(&w.cmdInfittisci(), Qt::LeftButton);
  EXPECT_EQ(w.Controllo("txtRapporto").Text(), "");
  EXPECT_EQ(w.Controllo("F_MxRd").Text(), "");
  // Nor the domain before it, in the chart or in the values.
  EXPECT_EQ(w.Graph1().RowCount(), 0);
  EXPECT_EQ(w.GridMN().Rows(), w.GridMN().FixedRows());
}

TEST_F(FinestraDominioMxMy, ValuesShowTheGridAndDensifyingBringsTheChartBack) {
  DominioMxMy& w = Apri();
  auto* valori = w.findChild<QPushButton*>("Command1");
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("GridMN").Visible());
  EXPECT_TRUE(w.cmdInfittisci().isVisible());
  EXPECT_EQ(valori->text(), "Grafico");
  QTest::mouseClick(&w.cmdInfittisci(), Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Graph1").Visible());
  EXPECT_EQ(valori->text(), "Grafico");
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Graph1").Visible());
  EXPECT_EQ(valori->text(), "Valori");
}

// "Stampa" with the values in view prints the table under the window's title.
TEST_F(FinestraDominioMxMy, StampaPrintsTheValuesInViewToThePdfChosen) {
  DominioMxMy& w = Apri();
  QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  StampaPdf carta;
  w.findChild<QAction*>("mnufileitem_1")->trigger();
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_TRUE(messaggi->Mostrati().empty());
  EXPECT_EQ(carta.Pagine(), 1);
  // The acting couple is half the resisting one at 90 degrees: row 4 holds
  // 2 x 24.456 = 48.913 and 2 x -108.86 = -217.72, the ratio is 0.5.
  const QString testo = carta.Testo();
  const QRegularExpression riga4("\\b4\\s+90\\s+48.913\\s+-217.72\\b");
  EXPECT_TRUE(testo.contains(riga4)) << testo.toStdString();
  for (const char* atteso : {"Dominio Mx-My", "Teta [°]", "Mx [kNm]", "My [kNm]"})
    EXPECT_TRUE(testo.contains(QString::fromUtf8(atteso))) << atteso;
}
