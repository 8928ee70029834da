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

// A number is kept as such; one that is not finite as the text every number
// text shows for it.
void ScriviCella(platform::Chart& grafico, int riga, int colonna, double valore) {
  grafico.SetRow(riga);
  grafico.SetColumn(colonna);
  if (std::isfinite(valore))
    grafico.SetDataNumero(valore);
  else
    grafico.SetData(Formattazione::TestoNumero(valore));
}

// The number in a cell, given as a number or typed as a text.
double ValoreCella(const platform::Chart& grafico, int riga, int colonna) {
  if (const auto numero = grafico.Numero(riga, colonna)) return *numero;
  return NumeroCella::Valore(grafico.Testo(riga, colonna));
}

}  // namespace

void CaricaTabellaGrafico(platform::Chart& grafico, const Matrice<double>& punti, int k, bool a,
                          bool b) {
  const int n = punti.Ub1();
  const int c = 2 * k - 1;
  const int r0 = grafico.RowCount();
  const int righe = (k > 1 && r0 > n) ? r0 : n;
  grafico.SetColumnCount(2 * k);
  grafico.SetRowCount(righe);
  for (int i = 1; i <= n; ++i) {
    ScriviCella(grafico, i, c, punti(i, 1));
    ScriviCella(grafico, i, c + 1, punti(i, 2));
  }
  // The rows past the last point repeat it.
  if (k > 1 && n < righe)
    for (int i = n + 1; i <= righe; ++i) {
      ScriviCella(grafico, i, c, punti(n, 1));
      ScriviCella(grafico, i, c + 1, punti(n, 2));
    }
  // The earlier series grow with their last point; a chart that had no row
  // has no point to repeat.
  if (k > 1 && righe > r0 && r0 >= 1) {
    std::vector<double> ultimo;
    for (int j = 1; j <= 2 * (k - 1); ++j) ultimo.push_back(ValoreCella(grafico, r0, j));
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
