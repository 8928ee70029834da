#pragma once
// Chart helpers: loading an X-Y series into a chart, styling a series, the
// last mouse position on a chart, and the read-out of a clicked point.
#include <optional>

#include "model/Matrice.h"
#include "model/Vettore.h"
#include "platform/CasellaTesto.h"
#include "platform/Chart.h"

namespace MsChartBas {

struct PuntoGrafico {
  int X = 0;
  int Y = 0;
};

struct StatoMsChartBas {
  // Last mouse position reported on any chart, twips from its top left corner.
  PuntoGrafico PuntoCliccatoGrafico;
};

inline StatoMsChartBas Stato;

// Loads series k (columns 2k - 1 and 2k) from the points (punti(i, 1),
// punti(i, 2)), i = 1 .. the table's last row, written as plain number texts.
// Series 1 leaves the chart with exactly those rows and 2 columns; a later
// series makes the chart 2k columns wide and as long as the longer of it and
// the chart, each shorter series repeating its last point. With a the row
// labels go; with b the series shows its markers.
void CaricaTabellaGrafico(platform::Chart& grafico, const Matrice<double>& punti, int k, bool a,
                          bool b);

template <class T>
void CaricaDatiGrafico(platform::Chart& grafico, const Matrice<T>& punti, int k, bool a = false,
                       bool b = false) {
  Matrice<double> m(1, punti.Ub1(), 1, 2);
  for (int i = 1; i <= punti.Ub1(); ++i)
    for (int j = 1; j <= 2; ++j) m(i, j) = static_cast<double>(punti(i, j));
  CaricaTabellaGrafico(grafico, m, k, a, b);
}

// The points (x(i), y(i)), i = 1 .. x's upper bound.
template <class T>
void CaricaDatiGrafico(platform::Chart& grafico, const Vettore<T>& x, int k, const Vettore<T>& y,
                       bool a = false, bool b = false) {
  Matrice<double> m(1, x.Ub(), 1, 2);
  for (int i = 1; i <= x.Ub(); ++i) {
    m(i, 1) = static_cast<double>(x(i));
    m(i, 2) = static_cast<double>(y(i));
  }
  CaricaTabellaGrafico(grafico, m, k, a, b);
}

// Styles series-collection item: markers shown in the colour (rosso, verde,
// blu), of that style and size (twips); the line's width and pen style when
// given.
void ImpostaStileSerieGrafico(int item, platform::Chart& grafico, int rosso, int verde, int blu,
                              int stile, float dimensione,
                              std::optional<float> spessore = std::nullopt,
                              std::optional<int> stilePenna = std::nullopt);

// From the chart's mouse event: the position, rounded to whole twips.
void ZoomGraficoClick(float x, float y, const platform::Chart& grafico);

// From the chart's point-selected event (serie is the series' x column):
// "i = ", "x = " and "y = " of the point in the box, shown below the last
// mouse position. Any failure leaves the box as it is.
void MostraValorePunto(platform::CasellaTesto& casella, int serie, int punto,
                       platform::Chart& grafico);

}  // namespace MsChartBas
