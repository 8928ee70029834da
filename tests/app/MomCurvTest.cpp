#include <optional>

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtCharts/QLegendMarker>

#include "FinestreQt.h"
#include "app/FinestreRisultati.h"
#include "app/MomCurv.h"
#include "doppi/StampaPdf.h"
#include "drawing/NumeroCella.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

// The singly reinforced beam of the case runner at N = 0, opened from the
// main window as its commands do.
class FinestraMomCurv : public ConMain {
 protected:
  void Prepara(const std::string& caso) {
    attesi = EseguiCasoDiProva(caso);
    ApriMain();
    ScriveMain("F_N", 0, "0");
    ScriveMain("F_L0", platform::SenzaIndice, "400");
    Stato.UnitaLunghezza = "cm";
    messaggi.emplace();
  }

  MomCurv& Apri(bool solo) {
    MomCurv& w = FinestreRisultati::MostraMomentoCurvatura(solo);
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    return w;
  }

  // Each point of the chart's curve is the case runner's.
  void StessaCurva(MomCurv& w) {
    const platform::Chart& g = w.Graph1();
    const int n = static_cast<int>(attesi.numeri["points"]);
    ASSERT_EQ(w.Grid1().Rows(), n);
    for (int i : {1, n / 2, n}) {
      const std::string p = "point." + std::to_string(i) + ".M";
      EXPECT_NEAR(NumeroCella::Valore(g.Testo(i, 2)) * 1e6, attesi.numeri[p], 1) << p;
    }
  }

  std::optional<platform::MsgBoxScriptato> messaggi;
  RisultatiCaso attesi;
};

}  // namespace

TEST_F(FinestraMomCurv, TheMomentCurvatureWindowShowsTheCaseRunnersValues) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  EXPECT_EQ(w.windowTitle(), "Momento - Curvatura");
  EXPECT_EQ(w.Controllo("MRd").Caption(), attesi.testi["MRd"]);
  EXPECT_EQ(w.Controllo("lblE2").Caption(), attesi.testi["lblE2"]);
  EXPECT_EQ(w.Controllo("lblMuFi").Caption(), attesi.testi["lblMuFi"]);
  // Hand calculation of the case: 222.5 kNm, yield 216.9 kNm, ductility 2.379.
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("MRd").Caption()), 222.47, 0.05);
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("lblMuFi").Caption()), 2.379, 0.002);
  StessaCurva(w);
  EXPECT_EQ(w.F_L0().text(), "400");
  EXPECT_EQ(w.Controllo("lbl_L0", 2).Caption(), "cm");
  EXPECT_EQ(w.Graph1().AxisTitle(platform::Chart::AsseX), "Curvatura • H ‰");
  w.cmdDuttil_Click();
  EXPECT_TRUE(w.fraDutt().isVisible());
  Fotografa(w, "MomCurvSolo");
}

TEST_F(FinestraMomCurv, TheModelColumnWindowShowsTheCaseRunnersValues) {
  Prepara("colonna_modello_N_nullo.caso");
  MomCurv& w = Apri(false);
  EXPECT_EQ(w.windowTitle(), "Colonna modello");
  EXPECT_EQ(w.Controllo("M_M2max").Caption(), attesi.testi["M_M2max"]);
  EXPECT_EQ(w.Controllo("lblE2").Caption(), "infinito");
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("lblMuFi").Caption()), attesi.numeri["ductility"],
              1e-9);
  EXPECT_NEAR(NumeroCella::Valore(w.Controllo("lblMuFi").Caption()), 2.44, 0.001);
  StessaCurva(w);
  EXPECT_EQ(w.Controllo("lbl_L0", 2).Caption(), "cm");
  QApplication::processEvents();  // the legend as drawn: no entry without a name
  for (QAbstractSeries* s : w.Grafico().chart()->series())
    EXPECT_EQ(w.Grafico().chart()->legend()->markers(s)[0]->isVisible(), !s->name().isEmpty());
  w.cmdDuttil_Click();
  Fotografa(w, "MomCurv");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  StampaPdf carta;
  w.findChild<QAction*>("mnufileitem_1")->trigger();
  EXPECT_EQ(carta.Pagine(), 1);
  EXPECT_TRUE(carta.Testo().contains("infinito"));
  w.F_L0().setText("500");
  EXPECT_EQ(w.Grid1().Rows(), 1);
  EXPECT_EQ(w.Controllo("M_M2max").Caption(), "");
}

TEST_F(FinestraMomCurv, RecalculateCopiesForceAndLengthIntoTheMainWindow) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  ASSERT_FALSE(w.Controllo("MRd").Caption().empty());
  w.F_N().setText("120");
  // Nothing computed at the force before is shown beside this one.
  for (const char* risultato : {"MRd", "lblE2", "lblMuFi"}) EXPECT_EQ(w.Controllo(risultato).Caption(), "");
  EXPECT_EQ(w.Grid1().Rows(), 1);
  EXPECT_EQ(w.Graph1().RowCount(), 0);
  w.F_L0().setText("350");
  w.F_nDivisioniMN().setText("10");
  QTest::mouseClick(&w.btnCalcolaMN(), Qt::LeftButton);
  EXPECT_EQ(TestoMain("F_N", 0), "120");
  EXPECT_EQ(TestoMain("F_L0"), "350");
  EXPECT_EQ(w.Grid1().Rows(), 12);  // 10 divisions, the origin and the ultimate point
  EXPECT_FALSE(w.Controllo("MRd").Caption().empty());
}

TEST_F(FinestraMomCurv, APointCountBelowOneDrawsTwoPointsOneThatIsNoWholeNumberIsRefused) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  for (const char* testo : {"0", "-3"}) {
    w.F_nDivisioniMN().setText(testo);
    QTest::mouseClick(&w.btnCalcolaMN(), Qt::LeftButton);
    EXPECT_EQ(w.F_nDivisioniMN().text(), "1");
    EXPECT_EQ(w.Grid1().Rows(), 3);  // half and full ultimate curvature
  }
  for (const char* testo : {"abc", "40000"}) {
    w.F_nDivisioniMN().setText(testo);
    w.F_N().setText("99");
    QTest::mouseClick(&w.btnCalcolaMN(), Qt::LeftButton);
    EXPECT_EQ(TestoMain("F_N", 0), "0") << testo;
  }
  ASSERT_EQ(messaggi->Mostrati().size(), 2u);
  EXPECT_EQ(messaggi->Mostrati()[0].testo, "Errore! Controllare i dati");
  EXPECT_EQ(w.Grid1().Rows(), 1);
}

TEST_F(FinestraMomCurv, EnterMovesToRecalculateAndASecondEnterPressesIt) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  w.F_nDivisioniMN().setFocus();
  w.F_nDivisioniMN().setText("6");
  QTest::keyClick(&w.F_nDivisioniMN(), Qt::Key_Return);
  EXPECT_TRUE(w.btnCalcolaMN().hasFocus());
  EXPECT_NE(w.Grid1().Rows(), 8);
  QTest::keyClick(&w.btnCalcolaMN(), Qt::Key_Return);
  EXPECT_EQ(w.Grid1().Rows(), 8);
}

TEST_F(FinestraMomCurv, ValuesHideTheDuctilityWhichStaysHiddenBackOnTheChart) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  auto* valori = w.findChild<QPushButton*>("Command1");
  w.cmdDuttil_Click();
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Grid1").Visible());
  EXPECT_FALSE(w.fraDutt().isVisible());
  EXPECT_EQ(valori->text(), "Grafico");
  // With the grid shown, a recalculation keeps it in view, from its first row.
  QTest::mouseClick(&w.btnCalcolaMN(), Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Grid1").Visible());
  EXPECT_EQ(w.Grid1().TopRow(), 1);
  EXPECT_EQ(w.Grid1().Row(), 1);
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Graph1").Visible());
  EXPECT_FALSE(w.fraDutt().isVisible());
  EXPECT_EQ(valori->text(), "Valori");
}

TEST_F(FinestraMomCurv, TheFileMenuCopiesTheChartPrintsTheWindowAndCloses) {
  Prepara("momento_curvatura_trave.caso");
  MomCurv& w = Apri(true);
  QApplication::clipboard()->clear();
  w.mnufileitem_Click(0);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());

  // The chart's old axes gone, as the event loop leaves them for a user.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  StampaPdf carta;
  QAction* stampa = w.findChild<QAction*>("mnufileitem_1");
  carta.Annulla();
  stampa->trigger();  // cancelled: nothing printed, nothing said
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_FALSE(QFile::exists(carta.Pdf()));
  stampa->trigger();
  EXPECT_TRUE(messaggi->Mostrati().empty());
  EXPECT_EQ(carta.Pagine(), 1);
  // The chart's axis title and the resisting moment as the window shows them.
  const QString testo = carta.Testo();
  for (const std::string& atteso : {std::string("Curvatura"), std::string("Ricalcola"),
                                    w.Controllo("MRd").Caption()})
    EXPECT_TRUE(testo.contains(QString::fromStdString(atteso))) << atteso << "\n"
                                                                << testo.toStdString();

  w.mnufileitem_Click(3);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(FinestreRisultati::MomCurvAperto(true), nullptr);
}
