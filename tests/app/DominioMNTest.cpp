#include <filesystem>
#include <optional>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FinestraConDialogo.h"
#include "FinestreQt.h"
#include "SezioneScritta.h"
#include "analysis/Correnti.h"
#include "app/DominioMN.h"
#include "app/FinestreRisultati.h"
#include "doppi/FinestreRisultatiProva.h"
#include "doppi/StampaPdf.h"
#include "drawing/NumeroCella.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

// The symmetric 300 x 500 column of the case runner, verified; the main
// window's first action set N = 1200 kN, Mx = 150 kNm; a second acting
// point kept from before.
class FinestraDominioMN : public ConMain {
 protected:
  void SetUp() override {
    attesi = EseguiCasoDiProva("dominio_MN_rettangolo.caso");
    ApriMain();
    ScriveMain("F_N", 0, "1200");
    ScriveMain("F_Mxsd", 0, "150");
    Stato.AzioniDominioMN.ReDim(1, 2, 1, 2);
    Stato.AzioniDominioMN(2, 1) = -300;
    Stato.AzioniDominioMN(2, 2) = 90;
  }

  DominioMN& Apri() {
    DominioMN& w = FinestreRisultati::MostraDominioMN("Dominio");
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    return w;
  }

  // Series 1 of the window's chart equals the domain of density d computed
  // into a window kept in memory.
  void StessoDominio(DominioMN& w, short d) {
    DominioMNProva prova;
    ASSERT_TRUE(VariabiliPubbliche::SezioneCorrente()->CalcolaDominioMN(d, prova, "Dominio"));
    const platform::Chart& g = w.Graph1();
    ASSERT_GE(g.RowCount(), prova.grafico.RowCount());
    for (int r = 1; r <= prova.grafico.RowCount(); ++r)
      for (int c = 1; c <= 2; ++c) ASSERT_EQ(g.Testo(r, c), prova.grafico.Testo(r, c));
  }

  void Clic(platform::FlexGridQt& g, int riga, int colonna) {
    const QPoint centro = g.RettangoloCella(riga, colonna).center();
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.viewport()->mapFrom(&g, centro));
  }

  RisultatiCaso attesi;
};

}  // namespace

TEST_F(FinestraDominioMN, OpensWithTheMainWindowsActionsAsRowOneAndTheCaseRunnersDomain) {
  DominioMN& w = Apri();
  const platform::FlexGrid& sol = w.GridSol().Griglia();
  ASSERT_EQ(sol.Rows(), 3);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 1)), 1200);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 2)), 150);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(2, 1)), -300);
  EXPECT_EQ(sol.TextMatrix(2, 0), "2");
  // The resisting domain: 19 points a half, closed, as the case runner's.
  const platform::Chart& g = w.Graph1();
  EXPECT_EQ(w.GridMN().Rows() - 1, attesi.numeri["points"]);
  EXPECT_EQ(w.GridMN().TextMatrix(1, 0) + w.GridMN().TextMatrix(38, 0), "138");  // row numbers
  for (int i : {1, 13, 19, 26, 38}) {
    const std::string p = "point." + std::to_string(i);
    EXPECT_NEAR(NumeroCella::Valore(g.Testo(i, 1)) * 1000, attesi.numeri[p + ".N"], 1);
    EXPECT_NEAR(NumeroCella::Valore(g.Testo(i, 2)) * 1e6, attesi.numeri[p + ".M"], 1000);
  }
  EXPECT_EQ(g.Testo(38, 1), g.Testo(1, 1));
  // The acting points: series 2, unconnected blue dots.
  EXPECT_EQ(NumeroCella::Valore(g.Testo(1, 3)), 1200);
  EXPECT_EQ(NumeroCella::Valore(g.Testo(2, 4)), 90);
  const platform::SerieGrafico& punti = g.SeriesCollection(3);
  EXPECT_EQ(punti.LegendText, "M-NEd");
  EXPECT_EQ(punti.Pen.Style, platform::PennaNessuna);
  EXPECT_TRUE(punti.SeriesMarker.Show);
  EXPECT_EQ(punti.DataPoint.Marker.FillColor, platform::ColoreRgb(0, 0, 255));
  EXPECT_EQ(g.AxisTitle(platform::Chart::AsseX), "N [kN]");
  EXPECT_EQ(g.AxisTitle(platform::Chart::AsseY), "M [kNm]");
  EXPECT_FALSE(w.Controllo("cmdSol", 2).Visible());
}

TEST_F(FinestraDominioMN, WithSeveralRowsEnterThroughTheLastCellRedrawsAndLeavesTheMainWindow) {
  DominioMN& w = Apri();
  Clic(w.GridSol(), 1, 1);
  ASSERT_TRUE(w.TxtEditSol().isVisible());
  EXPECT_FALSE(w.Controllo("cmdSol", 2).Visible());  // row 1 cannot be deleted
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Delete, Qt::KeypadModifier);  // NumLock off
  QTest::keyClicks(&w.TxtEditSol(), "900");
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);
  QTest::keyClicks(&w.TxtEditSol(), "75");
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);  // along the row, then the next row
  ASSERT_EQ(w.GridSol().Griglia().Row(), 2);
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);  // past the last cell: "Ridisegna"
  QApplication::processEvents();
  EXPECT_EQ(Stato.AzioniDominioMN(1, 1), 900);
  EXPECT_EQ(Stato.AzioniDominioMN(1, 2), 75);
  EXPECT_EQ(NumeroCella::Valore(w.Graph1().Testo(1, 3)), 900);
  EXPECT_EQ(TestoMain("F_N", 0), "1200");  // the current row is not row 1
  EXPECT_EQ(TestoMain("F_Mxsd", 0), "150");

  // Esc leaves the cell as it was, also when the editor then loses the focus.
  Clic(w.GridSol(), 1, 2);
  QTest::keyClicks(&w.TxtEditSol(), "80");
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_FALSE(w.TxtEditSol().isVisible());
  EXPECT_EQ(NumeroCella::Valore(w.GridSol().Griglia().TextMatrix(1, 2)), 75);
}

TEST_F(FinestraDominioMN, AGridWithOnlyRowOneRedrawsAndUpdatesTheMainWindow) {
  Stato.AzioniDominioMN.ReDim(1, 1, 1, 2);
  DominioMN& w = Apri();
  Clic(w.GridSol(), 1, 1);
  QTest::keyClicks(&w.TxtEditSol(), "850");
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);
  QTest::keyClicks(&w.TxtEditSol(), "-42.5");
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Return);  // past the last cell: "Ridisegna"
  QApplication::processEvents();
  EXPECT_EQ(TestoMain("F_N", 0), VariabiliPubbliche::FormattaValore(850));
  EXPECT_EQ(TestoMain("F_Mxsd", 0), VariabiliPubbliche::FormattaValore(-42.5));
  EXPECT_EQ(Generale::ValNumero(TestoMain("F_Mxsd", 0)), -42.5);
  EXPECT_EQ(NumeroCella::Valore(w.Graph1().Testo(1, 3)), 850);
}

TEST_F(FinestraDominioMN, AddAndDeleteRows) {
  DominioMN& w = Apri();
  w.cmdSol_Click(0);
  w.cmdSol_Click(0);  // the points have not grown yet: still one row more
  EXPECT_EQ(w.GridSol().Griglia().Rows(), 4);
  EXPECT_TRUE(w.Controllo("cmdSol", 2).Visible());
  QTest::keyClick(&w.TxtEditSol(), Qt::Key_Escape);
  w.GridSol().Griglia().SetRow(2);
  w.cmdSol_Click(2);
  ASSERT_EQ(Stato.AzioniDominioMN.Righe(), 2);  // the empty new row reads as 0
  EXPECT_EQ(Stato.AzioniDominioMN(2, 1), 0);
  w.GridSol().Griglia().SetRow(1);
  w.cmdSol_Click(2);
  EXPECT_EQ(Stato.AzioniDominioMN.Righe(), 2);
}

TEST_F(FinestraDominioMN, DensifyingThreeTimesComputesDensitiesTwoThreeFour) {
  DominioMN& w = Apri();
  auto* infittisci = w.findChild<QPushButton*>("btnCalcolaMN");
  for (short d = 2; d <= 4; ++d) {
    QTest::mouseClick(infittisci, Qt::LeftButton);
    EXPECT_EQ(w.nPuntiInput, d);
    // 18 d + 1 points a half when the steel range is split.
    EXPECT_EQ(w.GridMN().Rows() - 1, 2 * (18 * d + 1));
    StessoDominio(w, d);
  }
}

TEST_F(FinestraDominioMN, ValuesAndChartToggleAndAClickedPointFillsTheReadOut) {
  DominioMN& w = Apri();
  w.resize(1100, 640);
  auto* valori = w.findChild<QPushButton*>("cmdValori");
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("GridMN").Visible());
  EXPECT_FALSE(w.Controllo("Graph1").Visible());
  EXPECT_FALSE(w.Controllo("btnCalcolaMN").Visible());
  EXPECT_EQ(valori->text(), "Grafico");
  Fotografa(w, "DominioMN_valori");
  QTest::mouseClick(valori, Qt::LeftButton);
  EXPECT_TRUE(w.Controllo("Graph1").Visible());
  EXPECT_EQ(valori->text(), "Valori");

  QApplication::processEvents();
  const auto dove = w.Grafico().PosizionePunto(1, 13);
  ASSERT_TRUE(dove.has_value());
  QTest::mouseClick(w.Grafico().viewport(), Qt::LeftButton, {}, dove->toPoint());
  const std::string lettura = w.txtDataPoint().Text();
  EXPECT_TRUE(w.txtDataPoint().isVisible());
  EXPECT_EQ(lettura.rfind("i = 13", 0), 0u) << lettura;
  const auto x = lettura.find("x = ");
  ASSERT_NE(x, std::string::npos);
  EXPECT_NEAR(std::stod(lettura.substr(x + 4)), attesi.numeri["point.13.N"] / 1000, 1);
  Fotografa(w, "DominioMN");
  QTest::mouseClick(w.findChild<QPushButton*>("btnCalcolaMN"), Qt::LeftButton);
  EXPECT_FALSE(w.txtDataPoint().isVisible());
}

// "Stampa" as a user starts it: the print dialog on the program's printer;
// the window's texts stay texts on the page.
TEST_F(FinestraDominioMN, StampaPrintsTheWindowToThePdfChosenOrTellsOnceWhyNot) {
  DominioMN& w = FinestreRisultati::MostraDominioMN("Pressoflessione retta");
  QApplication::processEvents();
  // The chart's old axes gone, as the event loop leaves them for a user.
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::optional<platform::MsgBoxScriptato> messaggi(std::in_place);
  StampaPdf carta;
  QAction* stampa = w.findChild<QAction*>("mnufileitem_1");
  stampa->trigger();
  EXPECT_EQ(carta.Dialoghi(), 1);
  EXPECT_EQ(carta.Pagine(), 1);
  const QString testo = carta.Testo();
  // The chart (title, legends) and the acting points typed beside it, in
  // letters ("fl", not its ligature).
  for (const char* atteso : {"Pressoflessione retta", "M-NRd", "M-NEd", "Sollecitazioni", "N [kN]", "1200",
                             "-300", "Infittisci punti"})
    EXPECT_TRUE(testo.contains(atteso)) << atteso << "\n" << testo.toStdString();
  // The window is given back the font it inherits.
  EXPECT_FALSE(w.centralWidget()->testAttribute(Qt::WA_SetFont));
  EXPECT_TRUE(carta.Opaca());

  QFile::remove(carta.Pdf());
  carta.Guasta();
  stampa->trigger();
  EXPECT_FALSE(QFile::exists(carta.Pdf()));
  EXPECT_EQ(messaggi->Testi(), std::vector<std::string>{"Errore generico della stampante."});
}

// "Valori" printed: every row, not the twenty in view, under the window's
// title and the headers, these again on each page; densities 1 and 4 give
// 2 (18 d + 1) = 38 and 146 rows.
TEST_F(FinestraDominioMN, ValoriPrintsEveryRowWithTheHeadersOnEachPage) {
  DominioMN& w = Apri();
  StampaPdf carta;
  auto* valori = w.findChild<QPushButton*>("cmdValori");
  for (const short densita : {1, 4}) {
    w.nPuntiInput = static_cast<short>(densita - 1);
    QTest::mouseClick(w.findChild<QPushButton*>("btnCalcolaMN"), Qt::LeftButton);
    QTest::mouseClick(valori, Qt::LeftButton);
    w.findChild<QAction*>("mnufileitem_1")->trigger();
    const QString testo = carta.Testo();
    const platform::FlexGrid& g = w.GridMN();
    ASSERT_EQ(g.Rows() - 1, 2 * (18 * densita + 1));
    for (int r = 1; r < g.Rows(); ++r) {
      QStringList celle;
      for (int c = 0; c < g.Cols(); ++c)
        celle << QRegularExpression::escape(QString::fromStdString(g.TextMatrix(r, c)).trimmed());
      EXPECT_TRUE(testo.contains(QRegularExpression("(^|\n)\\s*" + celle.join("\\s+") + "\\s*\n")))
          << r << "\n" << testo.toStdString();
      EXPECT_EQ(g.TextMatrix(g.Rows() - r, 3), g.TextMatrix(r, 4)) << r;  // symmetric: edges exchanged
    }
    EXPECT_EQ(carta.Pagine() > 1, densita == 4);
    EXPECT_EQ(testo.count("eps.Cls.Sup [*1000]"), carta.Pagine());
    EXPECT_EQ(testo.count("Dominio M-N"), carta.Pagine());
    EXPECT_TRUE(carta.Opaca());
    QTest::mouseClick(valori, Qt::LeftButton);
  }
}

// The main window as a user drives it, the M-N window left open beside it.
TEST(DominioMNConMain, RowOneFollowsTheMainWindowsFirstActionSetOpenAndReopened) {
  FinestraConDialogo f(false);
  ScriviSezione(f, {"Rettan.re", 0, 1, {"30", "50"}, 2, {"9,42", "4,02", "45", "5"}, {}, {}, "SLU+",
                    100, 150});
  Calcola(f);
  f.Clic("btnDominioMN");
  DominioMN* w = FinestreRisultati::DominioMNAperto();
  ASSERT_NE(w, nullptr);
  const platform::FlexGrid& sol = w->GridSol().Griglia();
  QLineEdit* n = f.Widget<QLineEdit>("F_N", 0);
  n->setFocus();
  n->selectAll();
  FinestraMain::Batti("300", false);
  QTest::keyClick(n, Qt::Key_Tab);
  EXPECT_EQ(NumeroCella::Valore(sol.TextMatrix(1, 1)), 300);
  w->move(150, 120);  // where the engineer put it, a press again leaves it
  f.Clic("btnDominioMN");
  EXPECT_EQ(w->pos(), QPoint(150, 120));
  ASSERT_GT(w->GridMN().Rows(), 30);
  // The acting point N = 300 kN, M = 150 kNm.
  EXPECT_EQ(NumeroCella::Valore(w->Graph1().Testo(1, 3)), 300);
  EXPECT_EQ(NumeroCella::Valore(w->Graph1().Testo(1, 4)), 150);

  // A project read with the window open, which keeps no acting point: the
  // domain of its section at its first action set, N 1200 kN, M 150 kNm.
  const std::string letto = f.ambiente.Percorso("circolare.slu");
  std::filesystem::copy_file(CartellaTest() + "/../data/Esempi/Pilastro circolare.slu", letto);
  f.ambiente.box.Accoda(platform::Risposta::No);  // the beam typed not saved
  f.dialogo->Accoda(letto);
  FinestreRisultati::MostraDominioMxMy("Mx-My", {});
  f.main->MnuFileItem_Click(1);
  EXPECT_FALSE(FinestreRisultati::DominioMNAperto() || FinestreRisultati::DominioMxMyAperto());
  f.ambiente.box.Svuota();
  f.Clic("btnDominioMN");
  EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{});
  w = FinestreRisultati::DominioMNAperto();
  ASSERT_TRUE(w && w->GridMN().Rows() > 30);
  EXPECT_EQ(NumeroCella::Valore(w->Graph1().Testo(1, 3)), 1200);
  EXPECT_EQ(NumeroCella::Valore(w->Graph1().Testo(1, 4)), 150);
}
