#include <gtest/gtest.h>

#include <algorithm>

#include "AmbienteDisegno.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Operazioni.h"
#include "drawing/Grafica_Polilinee.h"

using namespace Grafica;
using platform::ChiamataSurface;

using Operazioni = AmbienteDisegno;

namespace {

// Line calls as (x1, y1, x2, y2), colour dropped, sorted for comparison.
std::vector<std::vector<double>> Linee(const platform::SurfaceRegistrata& s) {
  std::vector<std::vector<double>> linee;
  for (const ChiamataSurface& c : s.Chiamate("Line"))
    linee.push_back({c.numeri[0], c.numeri[1], c.numeri[2], c.numeri[3]});
  std::sort(linee.begin(), linee.end());
  return linee;
}

void ExpectLinee(const std::vector<std::vector<double>>& trovate,
                 const std::vector<std::vector<double>>& attese) {
  ASSERT_EQ(trovate.size(), attese.size());
  for (size_t i = 0; i < attese.size(); ++i)
    for (size_t k = 0; k < 4; ++k) EXPECT_NEAR(trovate[i][k], attese[i][k], 1e-4) << i;
}

}  // namespace

TEST_F(Operazioni, HatchingOfASquareDrawsTheInnerLinesOnTheGivenDevice) {
  Vettore<double> x{0, 10, 10, 0}, y{0, 0, 10, 10};
  TratteggiaPoligono(4, x, y, 0, 5, 1.0, std::string("VIDEO"), &video);
  ExpectLinee(Linee(video), {{0, 2, 10, 2}, {0, 4, 10, 4}, {0, 6, 10, 6}, {0, 8, 10, 8}});
  EXPECT_EQ(Stato.DispositivoGrafico, "VIDEO");
}

TEST_F(Operazioni, CrossAndRectangles) {
  ImpostaDispositivo(1, "VIDEO", &video);
  PlottaCroce(5, 4, 1, 2);
  ExpectLinee(Linee(video), {{4, 2, 6, 2}, {5, 1.5, 5, 2.5}});
  video.Svuota();
  PlottaRettangolo(0, 0, 4, 2, 1);
  // A closed outline of four sides.
  ExpectLinee(Linee(video), {{0, 0, 4, 0}, {0, 2, 0, 0}, {4, 0, 4, 2}, {4, 2, 0, 2}});
  video.Svuota();
  Vettore<double> T, U;
  MatriceRotoTraslazione(10, 0, 0, T, U);
  DisegnaRettangolini(0, 0, 4, 2, T);
  ExpectLinee(Linee(video), {{-10, 0, -6, 0}, {-10, 2, -10, 0}, {-6, 0, -6, 2}, {-6, 2, -10, 2}});
}
