#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>

#include <QClipboard>
#include <QMouseEvent>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "AppQt.h"
#include "platform/Sistema.h"
#include "platform/qt/ChartQt.h"
#include "platform/qt/NumeroQt.h"

using namespace platform;

namespace {

// A chart of two series on a window: series 1 of three points, series 2 of
// one point repeated, with its markers and a legend.
class GraficoSuSchermo : public ::testing::Test {
 protected:
  void SetUp() override {
    finestra.resize(700, 500);
    vista->setGeometry(10, 20, 600, 400);
    c.SetColumnCount(4);
    c.SetRowCount(3);
    const char* dati[3][4] = {{"0", "0", "5", "-10"}, {"10", "100", "5", "-10"},
                              {"20", "50", "5", "-10"}};
    for (int r = 1; r <= 3; ++r)
      for (int k = 1; k <= 4; ++k) {
        c.SetRow(r);
        c.SetColumn(k);
        c.SetData(dati[r - 1][k - 1]);
      }
    c.SetTitle("Dominio M-N");
    c.SeriesCollection(3).LegendText = "M-NEd";
    c.SeriesCollection(3).SeriesMarker.Show = true;
    finestra.show();
    vista->Aggiorna();
    QApplication::processEvents();
  }

  void Premi(QPointF dove) {
    QMouseEvent giu(QEvent::MouseButtonPress, dove, vista->viewport()->mapToGlobal(dove),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vista->viewport(), &giu);
  }

  QApplication& app = AppQt();
  QWidget finestra;
  ChartQt* vista = new ChartQt(&finestra);
  Chart& c = vista->Grafico();
};

}  // namespace

TEST_F(GraficoSuSchermo, SeriesLegendsAndTitleComeFromTheModel) {
  const QList<QAbstractSeries*> serie = vista->chart()->series();
  ASSERT_EQ(serie.size(), 2);  // one line a curve, the second with its markers
  auto* prima = qobject_cast<QLineSeries*>(serie[0]);
  auto* seconda = qobject_cast<QLineSeries*>(serie[1]);
  ASSERT_TRUE(prima && seconda);
  EXPECT_EQ(prima->count(), 3);
  EXPECT_EQ(prima->at(1), QPointF(10, 100));
  EXPECT_FALSE(prima->pointsVisible());
  // The point of series 2 repeated in its three rows is drawn once, with a
  // marker of 120 twips, 8 pixels.
  EXPECT_EQ(seconda->count(), 1);
  EXPECT_TRUE(seconda->pointsVisible());
  EXPECT_EQ(seconda->markerSize(), 8);
  const QImage marcatore = seconda->lightMarker();
  ASSERT_FALSE(marcatore.isNull());
  // A filled square in the series' colour: its centre is that colour.
  const QRgb centro = marcatore.pixel(marcatore.width() / 2, marcatore.height() / 2);
  EXPECT_EQ(centro & 0xFFFFFF, c.SeriesCollection(3).DataPoint.Marker.FillColor);
  EXPECT_EQ(seconda->name(), "M-NEd");
  EXPECT_EQ(prima->pen().color().rgb() & 0xFFFFFF, c.SeriesCollection(1).Pen.VtColor);
  EXPECT_FALSE(vista->chart()->legend()->markers(prima)[0]->isVisible());
  EXPECT_TRUE(vista->chart()->legend()->markers(seconda)[0]->isVisible());
  EXPECT_EQ(vista->chart()->title(), "Dominio M-N");
  EXPECT_EQ(c.Left(), 150);
  EXPECT_EQ(c.Width(), 9000);
}

TEST_F(GraficoSuSchermo, NewPointsGoIntoTheSeriesDrawnAndMarkersComeAndGoWithThem) {
  QAbstractSeries* prima = vista->chart()->series()[0];
  c.SetRow(2);
  c.SetColumn(2);
  c.SetData("80");
  c.SetRowCount(4);  // a fourth row without numbers adds no point
  vista->Aggiorna();
  ASSERT_EQ(vista->chart()->series().size(), 2);
  auto* linea = qobject_cast<QLineSeries*>(vista->chart()->series()[0]);
  EXPECT_EQ(linea, prima);
  ASSERT_EQ(linea->count(), 3);
  EXPECT_EQ(linea->at(1), QPointF(10, 80));
  // Without the markers of series 2 its line draws none.
  c.SeriesCollection(3).SeriesMarker.Show = false;
  c.SetTitle("Senza marcatori");
  vista->Aggiorna();
  ASSERT_EQ(vista->chart()->series().size(), 2);
  auto* seconda = qobject_cast<QLineSeries*>(vista->chart()->series()[1]);
  EXPECT_FALSE(seconda->pointsVisible());
  EXPECT_TRUE(seconda->lightMarker().isNull());
  // Shown again they come back, and a new colour gives a new picture.
  c.SeriesCollection(3).SeriesMarker.Show = true;
  vista->Aggiorna();
  ASSERT_FALSE(seconda->lightMarker().isNull());
  c.SeriesCollection(3).DataPoint.Marker.FillColor = platform::ColoreRgb(0, 160, 0);
  vista->Aggiorna();
  const QImage verde = seconda->lightMarker();
  EXPECT_EQ(verde.pixel(verde.width() / 2, verde.height() / 2) & 0xFFFFFF,
            c.SeriesCollection(3).DataPoint.Marker.FillColor);
  // A third series makes the picture anew: three lines.
  c.SetColumnCount(6);
  vista->Aggiorna();
  EXPECT_EQ(vista->chart()->series().size(), 3);
}

TEST_F(GraficoSuSchermo, NumbersAreDrawnAsGivenOnAxesKeptFromOnePictureToTheNext) {
  auto* asseX = qobject_cast<QValueAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
  ASSERT_TRUE(asseX);
  // 0.1f has no 15-digit text that reads back as itself: the point is the number.
  // The x values become 0, 3, 0.1f and 1.
  for (auto [riga, colonna, x] : {std::tuple{2, 1, 3.0}, {3, 1, double{0.1f}}, {1, 3, 1.0},
                                   {2, 3, 1.0}, {3, 3, 1.0}}) {
    c.SetRow(riga);
    c.SetColumn(colonna);
    c.SetDataNumero(x);
  }
  c.SetUniformAxis(false);
  vista->Aggiorna();
  EXPECT_EQ(qobject_cast<QLineSeries*>(vista->chart()->series()[0])->at(2), QPointF(0.1f, 50));
  EXPECT_EQ(vista->chart()->axes(Qt::Horizontal).value(0), asseX);
  EXPECT_EQ(vista->chart()->axes().size(), 2);
  // Nice numbers over 0..3 from 5 ticks: a span of 5, a step of 5 / 4 made 1,
  // 0..3 in four ticks. From four ticks they would give a step of 2, 0..4.
  for (int volta = 0; volta < 2; ++volta) {
    c.SetTitle("Di nuovo");
    vista->Aggiorna();
    EXPECT_EQ(asseX->min(), 0);
    EXPECT_EQ(asseX->max(), 3);
    EXPECT_EQ(asseX->tickCount(), 4);
  }
}

// Counts the chart's requests to be laid out again.
class RichiesteImpaginazione : public QObject {
 public:
  int n = 0;
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() == QEvent::LayoutRequest) ++n;
    return false;
  }
};

TEST_F(GraficoSuSchermo, NewPointsWithinTheSameAxesDoNotLayTheChartOutAgain) {
  RichiesteImpaginazione richieste;
  vista->chart()->installEventFilter(&richieste);
  QApplication::processEvents();  // what showing the window left
  richieste.n = 0;
  c.SetRow(3);
  c.SetColumn(2);
  c.SetData("60");  // within the span of y, -10 to 100
  vista->Aggiorna();
  QApplication::processEvents();
  EXPECT_EQ(qobject_cast<QLineSeries*>(vista->chart()->series()[0])->at(2), QPointF(20, 60));
  EXPECT_EQ(richieste.n, 0);
  c.SeriesCollection(1).LegendText = "M-NRd";
  vista->Aggiorna();
  QApplication::processEvents();
  EXPECT_GT(richieste.n, 0);
  vista->chart()->removeEventFilter(&richieste);
}

TEST_F(GraficoSuSchermo, AxisTitlesAndTheLegendInTheColourOfTheMarkers) {
  c.SetAxisTitle(Chart::AsseX, "N [kN]");
  c.SetAxisTitle(Chart::AsseY, "M [kNm]");
  c.SeriesCollection(3).DataPoint.Marker.FillColor = ColoreRgb(0, 0, 255);
  vista->Aggiorna();
  auto* asseX = qobject_cast<QValueAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
  auto* asseY = qobject_cast<QValueAxis*>(vista->chart()->axes(Qt::Vertical).value(0));
  ASSERT_TRUE(asseX && asseY);
  EXPECT_EQ(asseX->titleText(), "N [kN]");
  EXPECT_EQ(asseY->titleText(), "M [kNm]");
  // The second series' line is red by default; its legend takes the blue markers.
  auto* seconda = qobject_cast<QLineSeries*>(vista->chart()->series()[1]);
  EXPECT_EQ(vista->chart()->legend()->markers(seconda)[0]->brush().color(), QColor(0, 0, 255));
}

TEST_F(GraficoSuSchermo, AClickOnAPointGivesItsSeriesAndRowAfterTheMousePosition) {
  std::vector<std::string> eventi;
  vista->MouseDown = [&](float x, float y) {
    eventi.push_back("mouse " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
  };
  vista->PointSelected = [&](int serie, int punto) {
    eventi.push_back("punto " + std::to_string(serie) + "," + std::to_string(punto));
  };
  const auto punto = vista->PosizionePunto(1, 2);
  ASSERT_TRUE(punto);
  Premi(*punto + QPointF(2, -2));
  const QPointF clic = *punto + QPointF(2, -2);
  ASSERT_EQ(eventi.size(), 2u);
  EXPECT_EQ(eventi[0], "mouse " + std::to_string(static_cast<int>(clic.x() * 15)) + "," +
                           std::to_string(static_cast<int>(clic.y() * 15)));
  EXPECT_EQ(eventi[1], "punto 1,2");

  eventi.clear();
  // Every row of the repeated point lies there; a click gives its first row.
  ASSERT_TRUE(vista->PosizionePunto(3, 3));
  EXPECT_EQ(*vista->PosizionePunto(3, 3), *vista->PosizionePunto(3, 1));
  Premi(*vista->PosizionePunto(3, 3));
  EXPECT_EQ(eventi.back(), "punto 3,1");
  eventi.clear();
  Premi(QPointF(1, 1));
  EXPECT_EQ(eventi.size(), 1u);  // the mouse, no point
}

TEST_F(GraficoSuSchermo, EditCopyPutsTheChartsPictureOnTheClipboard) {
  QGuiApplication::clipboard()->clear();
  c.EditCopy();
  const QImage immagine = QGuiApplication::clipboard()->image();
  ASSERT_FALSE(immagine.isNull());
  EXPECT_EQ(immagine.size(), vista->size() * vista->devicePixelRatio());
}

TEST(NumeroDaTesto, PlainTextsReadAsTheQtReadingReadsThem) {
  SistemaFisso italiano(",", ".");
  ImpostaSistema(&italiano);
  // "1.234,5" without its thousands point and with "." for the comma: 1234.5.
  EXPECT_EQ(NumeroDaTesto(std::string(" 1.234,5 ")), 1234.5);
  const char* testi[] = {"-0",   "0,1",   "1.000.000", "7,",      ",5",     "-1,5E-3", "2e+308",
                         "1e400", "1E",   "abc",       "+3",      "1,2,3",  " -12 ",   "\t4\n",
                         "",      "-",    ",",         "1e-320",  "12€",    "0x1A",    "inf"};
  for (const char* t : testi) {
    const auto atteso = NumeroDaTesto(QString::fromUtf8(t));
    const auto letto = NumeroDaTesto(std::string(t));
    ASSERT_EQ(letto.has_value(), atteso.has_value()) << t;
    if (atteso) EXPECT_EQ(std::bit_cast<std::uint64_t>(*letto), std::bit_cast<std::uint64_t>(*atteso)) << t;
  }
  // Every double written with 17 digits comes back whole either way.
  std::mt19937_64 caso(3);
  for (int i = 0; i < 20000; ++i) {
    const double v = std::bit_cast<double>(caso());
    if (!std::isfinite(v)) continue;
    std::string t = QString::number(v, 'g', 17).toStdString();
    std::replace(t.begin(), t.end(), '.', ',');
    const auto letto = NumeroDaTesto(t);
    ASSERT_TRUE(letto) << t;
    ASSERT_EQ(*letto, *NumeroDaTesto(QString::fromStdString(t))) << t;
  }
  ImpostaSistema(nullptr);
}
