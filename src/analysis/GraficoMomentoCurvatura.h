#pragma once
// What the model-column and the moment-curvature windows show alike: the
// curve as series 1 of the chart (Curv·H in per mille against M in kNm),
// the vertical and sloping segments that mark points on it, the depth label
// and the grid cells.
#include <string>

#include "analysis/PuntiMomentoCurvatura.h"
#include "platform/Chart.h"
#include "platform/FlexGrid.h"

namespace GraficoMomentoCurvatura {

// Title, axes each on its own scale, and the curve in red markers.
void CaricaCurva(platform::Chart& grafico, const PuntiMomentoCurvatura& curva,
                 const std::string& titolo);
// Series k from (curvH1, m1) to (curvH2, m2), Curv·H and Nmm, its markers
// hidden, with its legend.
void CaricaSegmento(platform::Chart& grafico, int k, float curvH1, float m1, float curvH2,
                    float m2, const std::string& legenda);
// The caption of lblMomCurv for the depth H, mm.
std::string TestoAltezza(float H);
// Text of cell (riga, colonna) written as the current cell.
void ScriveCella(platform::FlexGrid& griglia, int riga, int colonna, const std::string& testo);
// Once written: the grid shown from its first row, the current cell there.
void InCima(platform::FlexGrid& griglia);

}  // namespace GraficoMomentoCurvatura
