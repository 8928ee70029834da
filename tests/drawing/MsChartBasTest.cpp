#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doppi/SistemaProva.h"
#include "drawing/MsChartBas.h"
#include "platform/CasellaTestoInMemoria.h"

using namespace MsChartBas;
using platform::Chart;

namespace {

class Grafici : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoMsChartBas{}; }
  void TearDown() override { Stato = StatoMsChartBas{}; }

  // Series k of n points (k·10 + i, -i).
  void Carica(int k, int n, bool a = false, bool b = false) {
    Vettore<double> x(1, n), y(1, n);
    for (int i = 1; i <= n; ++i) {
      x(i) = k * 10 + i;
      y(i) = -i;
    }
    CaricaDatiGrafico(grafico, x, k, y, a, b);
  }

  std::vector<std::string> Riga(int riga) const {
    std::vector<std::string> testi;
    for (int c = 1; c <= grafico.ColumnCount(); ++c) testi.push_back(grafico.Testo(riga, c));
    return testi;
  }

  Chart grafico;
};

}  // namespace

TEST_F(Grafici, TheFirstSeriesResetsTheChartToItsOwnPoints) {
  grafico.SetColumnCount(6);
  grafico.SetRowCount(20);
  Carica(1, 5);
  EXPECT_EQ(grafico.RowCount(), 5);
  EXPECT_EQ(grafico.ColumnCount(), 2);
  EXPECT_EQ(Riga(5), (std::vector<std::string>{"15", "-5"}));
}

TEST_F(Grafici, AShorterLaterSeriesRepeatsItsLastPoint) {
  Carica(1, 5);
  Carica(2, 3);
  EXPECT_EQ(grafico.RowCount(), 5);
  EXPECT_EQ(grafico.ColumnCount(), 4);
  EXPECT_EQ(Riga(3), (std::vector<std::string>{"13", "-3", "23", "-3"}));
  EXPECT_EQ(Riga(4), (std::vector<std::string>{"14", "-4", "23", "-3"}));
  EXPECT_EQ(Riga(5), (std::vector<std::string>{"15", "-5", "23", "-3"}));
}

TEST_F(Grafici, ALongerLaterSeriesMakesTheEarlierOnesRepeatTheirLastPoint) {
  SeparatoriProva italiano(",", ".");
  Carica(1, 5);
  grafico.SetRow(5);
  grafico.SetColumn(2);
  grafico.SetData("-4,5");
  Carica(2, 8);
  EXPECT_EQ(grafico.RowCount(), 8);
  for (int r = 6; r <= 8; ++r)
    EXPECT_EQ(Riga(r), (std::vector<std::string>{"15", "-4,5", std::to_string(20 + r),
                                                  "-" + std::to_string(r)}));
  Carica(3, 1);
  EXPECT_EQ(Riga(8), (std::vector<std::string>{"15", "-4,5", "28", "-8", "31", "-1"}));
}

TEST_F(Grafici, ATableOfFloatsGoesInAsLocaleTexts) {
  SeparatoriProva italiano(",", ".");
  Matrice<float> punti(1, 2, 1, 2);
  punti(1, 1) = 0.5f;
  punti(1, 2) = -2;
  punti(2, 1) = 1234.25f;
  punti(2, 2) = 0.1f;
  CaricaDatiGrafico(grafico, punti, 1, true, true);
  EXPECT_EQ(Riga(1), (std::vector<std::string>{"0,5", "-2"}));
  EXPECT_EQ(Riga(2), (std::vector<std::string>{"1234,25", "0,100000001490116"}));
  EXPECT_EQ(grafico.RowLabelCount(), 0);
  EXPECT_TRUE(grafico.SeriesCollection(1).SeriesMarker.Show);
}

TEST_F(Grafici, ALaterSeriesIntoAnEmptyChartHasNothingToRepeat) {
  Carica(2, 2, false, true);
  EXPECT_EQ(grafico.RowCount(), 2);
  EXPECT_EQ(Riga(2), (std::vector<std::string>{"", "", "22", "-2"}));
  EXPECT_TRUE(grafico.SeriesCollection(3).SeriesMarker.Show);
  EXPECT_FALSE(grafico.SeriesCollection(1).SeriesMarker.Show);
}

TEST_F(Grafici, StylingSetsMarkersColoursAndOnlyThePenAskedFor) {
  Carica(1, 2);
  Carica(2, 1);
  const platform::SerieGrafico prima = grafico.SeriesCollection(3);
  ImpostaStileSerieGrafico(3, grafico, 0, 0, 255, 9, 200);
  const platform::SerieGrafico& s = grafico.SeriesCollection(3);
  EXPECT_FALSE(s.SeriesMarker.Auto);
  EXPECT_TRUE(s.SeriesMarker.Show);
  EXPECT_EQ(s.DataPoint.Brush.FillColor, 0x0000FFu);
  EXPECT_EQ(s.DataPoint.Marker.Pen.VtColor, 0x0000FFu);
  EXPECT_EQ(s.DataPoint.Marker.FillColor, 0x0000FFu);
  EXPECT_EQ(s.DataPoint.Marker.Style, 9);
  EXPECT_FLOAT_EQ(s.DataPoint.Marker.Size, 200);
  EXPECT_EQ(s.Pen.Width, prima.Pen.Width);
  EXPECT_EQ(s.Pen.Style, prima.Pen.Style);
  EXPECT_EQ(s.Pen.VtColor, prima.Pen.VtColor);

  ImpostaStileSerieGrafico(1, grafico, 255, 0, 0, 10, 100, 2.5f, platform::PennaTratteggiata);
  EXPECT_FLOAT_EQ(grafico.SeriesCollection(1).Pen.Width, 2.5f);
  EXPECT_EQ(grafico.SeriesCollection(1).Pen.Style, platform::PennaTratteggiata);
  EXPECT_EQ(grafico.SeriesCollection(1).DataPoint.Marker.FillColor, 0xFF0000u);
}

TEST_F(Grafici, TheMousePositionIsKeptInWholeTwipsWhateverTheWindowSize) {
  ZoomGraficoClick(1234.5f, 40000.4f, grafico);
  EXPECT_EQ(Stato.PuntoCliccatoGrafico.X, 1234);
  EXPECT_EQ(Stato.PuntoCliccatoGrafico.Y, 40000);
  ZoomGraficoClick(1235.5f, -7.6f, grafico);
  EXPECT_EQ(Stato.PuntoCliccatoGrafico.X, 1236);
  EXPECT_EQ(Stato.PuntoCliccatoGrafico.Y, -8);
}

TEST_F(Grafici, AClickedPointIsShownBelowTheMouse) {
  Vettore<double> x(1, 8), y(1, 8);
  for (int i = 1; i <= 8; ++i) {
    x(i) = i == 7 ? 0.1234567 : i;
    y(i) = -25000.0 * i;
  }
  CaricaDatiGrafico(grafico, x, 1, y);
  grafico.SetLeft(1000);
  grafico.SetTop(500);
  platform::CasellaTestoInMemoria casella;
  casella.Move(0, 0, 1200, 600);
  ZoomGraficoClick(3000, 2000, grafico);
  MostraValorePunto(casella, 1, 7, grafico);
  EXPECT_EQ(casella.Text(), "i = 7\r\nx =  0.1235\r\ny = -175,000");
  EXPECT_TRUE(casella.Visible());
  EXPECT_EQ(casella.Left(), 1000 + 3000 - 600);
  EXPECT_EQ(casella.Top(), 500 + 2000 + 400);
  EXPECT_EQ(casella.Width(), 1200);
}

TEST_F(Grafici, APointOutsideTheDataLeavesTheBoxAsItWas) {
  Carica(1, 3);
  platform::CasellaTestoInMemoria casella;
  casella.SetText("prima");
  casella.Move(10, 20, 30, 40);
  MostraValorePunto(casella, 1, 4, grafico);
  MostraValorePunto(casella, 2, 1, grafico);  // a y column has no column after it
  grafico.SetRow(2);
  grafico.SetColumn(1);
  grafico.SetData("");
  MostraValorePunto(casella, 1, 2, grafico);
  EXPECT_EQ(casella.Text(), "prima");
  EXPECT_FALSE(casella.Visible());
  EXPECT_EQ(casella.Left(), 10);
}
