#include "analysis/GraficoMomentoCurvatura.h"

#include "analysis/TestoSingolo.h"
#include "drawing/MsChartBas.h"

namespace GraficoMomentoCurvatura {

void CaricaCurva(platform::Chart& grafico, const PuntiMomentoCurvatura& curva,
                 const std::string& titolo) {
  grafico.SetUniformAxis(false);
  grafico.SetTitle(titolo);
  const int n = curva.nPunti + 1;
  Vettore<float> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    x(i) = curva.CurvH(i - 1) * 1000;
    y(i) = curva.Momento(i - 1) / 1000000;
  }
  MsChartBas::CaricaDatiGrafico(grafico, x, 1, y);
  MsChartBas::ImpostaStileSerieGrafico(1, grafico, 255, 0, 0, 10, 100);
}

void CaricaSegmento(platform::Chart& grafico, int k, float curvH1, float m1, float curvH2,
                    float m2, const std::string& legenda) {
  const Vettore<float> x{curvH1 * 1000, curvH2 * 1000};
  const Vettore<float> y{m1 / 1000000, m2 / 1000000};
  MsChartBas::CaricaDatiGrafico(grafico, x, k, y);
  platform::SerieGrafico& serie = grafico.SeriesCollection(2 * k - 1);
  serie.SeriesMarker.Show = false;
  serie.LegendText = legenda;
}

std::string TestoAltezza(float H) {
  return "(H=atezza totale sezione = " + TestoSingolo(H) + " mm)";
}

void ScriveCella(platform::FlexGrid& griglia, int riga, int colonna, const std::string& testo) {
  griglia.SetCol(colonna);
  griglia.SetRow(riga);
  griglia.SetText(testo);
}

void InCima(platform::FlexGrid& griglia) {
  if (griglia.Rows() <= griglia.FixedRows()) return;
  griglia.SetRow(griglia.FixedRows());
  griglia.SetTopRow(griglia.FixedRows());
}

}  // namespace GraficoMomentoCurvatura
