#include "drawing/MsChartBas.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "drawing/NumeroCella.h"
#include "model/Formato.h"
#include "model/Formattazione.h"

namespace MsChartBas {
namespace {

void ScriviCella(platform::Chart& grafico, int riga, int colonna, const std::string& testo) {
  grafico.SetRow(riga);
  grafico.SetColumn(colonna);
  grafico.SetData(testo);
}

}  // namespace

void CaricaTabellaGrafico(platform::Chart& grafico, const Matrice<double>& punti, int k, bool a,
                          bool b) {
  using Formattazione::TestoNumero;
  const int n = punti.Ub1();
  const int c = 2 * k - 1;
  const int r0 = grafico.RowCount();
  const int righe = (k > 1 && r0 > n) ? r0 : n;
  grafico.SetColumnCount(2 * k);
  grafico.SetRowCount(righe);
  for (int i = 1; i <= n; ++i) {
    ScriviCella(grafico, i, c, TestoNumero(punti(i, 1)));
    ScriviCella(grafico, i, c + 1, TestoNumero(punti(i, 2)));
  }
  // The rows past the last point repeat it, written once.
  if (k > 1 && n < righe) {
    const std::string x = TestoNumero(punti(n, 1)), y = TestoNumero(punti(n, 2));
    for (int i = n + 1; i <= righe; ++i) {
      ScriviCella(grafico, i, c, x);
      ScriviCella(grafico, i, c + 1, y);
    }
  }
  // The earlier series grow with their last point; a chart that had no row
  // has no point to repeat.
  if (k > 1 && righe > r0 && r0 >= 1) {
    std::vector<std::string> ultimo;
    grafico.SetRow(r0);
    for (int j = 1; j <= 2 * (k - 1); ++j) {
      grafico.SetColumn(j);
      ultimo.push_back(TestoNumero(NumeroCella::Valore(grafico.Data())));
    }
    for (int i = r0 + 1; i <= righe; ++i)
      for (int j = 1; j <= 2 * (k - 1); ++j) ScriviCella(grafico, i, j, ultimo[j - 1]);
  }
  if (a) grafico.SetRowLabelCount(0);
  if (b) grafico.SeriesCollection(c).SeriesMarker.Show = true;
}

void ImpostaStileSerieGrafico(int item, platform::Chart& grafico, int rosso, int verde, int blu,
                              int stile, float dimensione, std::optional<float> spessore,
                              std::optional<int> stilePenna) {
  platform::SerieGrafico& serie = grafico.SeriesCollection(item);
  const platform::Colore colore = platform::ColoreRgb(rosso, verde, blu);
  serie.SeriesMarker.Auto = false;
  serie.SeriesMarker.Show = true;
  serie.DataPoint.Brush.FillColor = colore;
  serie.DataPoint.Marker.Pen.VtColor = colore;
  serie.DataPoint.Marker.Size = dimensione;
  serie.DataPoint.Marker.Style = stile;
  serie.DataPoint.Marker.FillColor = colore;
  if (spessore) serie.Pen.Width = *spessore;
  if (stilePenna) serie.Pen.Style = *stilePenna;
}

void ZoomGraficoClick(float x, float y, const platform::Chart& /*grafico*/) {
  // Whole twips, halves to even; a window of any size fits.
  Stato.PuntoCliccatoGrafico = {static_cast<int>(std::nearbyint(x)),
                                static_cast<int>(std::nearbyint(y))};
}

void MostraValorePunto(platform::CasellaTesto& casella, int serie, int punto,
                       platform::Chart& grafico) {
  try {
    std::string s = "i = " + std::to_string(punto) + "\r\n";
    grafico.SetColumn(serie);
    grafico.SetRow(punto);
    s += "x = " + Formattazione::FormattaMaxCaratteri(4, 10, NumeroCella::Valore(grafico.Data()));
    grafico.SetColumn(grafico.Column() + 1);
    s += "\r\ny = " +
         Formattazione::FormattaMaxCaratteri(4, 10, NumeroCella::Valore(grafico.Data()));
    casella.SetText(s);
    casella.SetVisible(true);
    const PuntoGrafico& p = Stato.PuntoCliccatoGrafico;
    casella.Move(grafico.Left() + p.X - casella.Width() / 2, grafico.Top() + p.Y + 400,
                 casella.Width(), casella.Height());
  } catch (const std::exception&) {
    // A point outside the data, a text that is no number: nothing more is shown.
  }
}

}  // namespace MsChartBas
