// Outlines and bars in mm from the figures grid and the circle boxes, and
// what the reading of the window makes of angles, lengths and coordinates.
#include <gtest/gtest.h>

#include <cmath>

#include "FinestraMain.h"
#include "analysis/Correnti.h"
#include "model/Poligono.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

void ExpectVertici(const Vettore<float>& x, const Vettore<float>& y,
                   const std::vector<std::pair<double, double>>& attesi) {
  ASSERT_EQ(x.Ub(), static_cast<int>(attesi.size()));
  for (size_t i = 0; i < attesi.size(); ++i) {
    EXPECT_NEAR(x(static_cast<int>(i) + 1), attesi[i].first, 1e-4) << i + 1;
    EXPECT_NEAR(y(static_cast<int>(i) + 1), attesi[i].second, 1e-4) << i + 1;
  }
}

}  // namespace

TEST(GeometriaMain, CirclesAndRingsAreInscribedPolygonsStartingAtTheTop) {
  AmbienteFile ambiente;
  Stato.NumeroVerticiCerchio = 4;
  Vettore<float> x, y;
  int n = 0;
  ASSERT_TRUE(Main::CoordinateSezioneCircolare(100, 0, n, x, y));
  EXPECT_EQ(n, 4);
  ExpectVertici(x, y, {{0, 100}, {100, 0}, {0, -100}, {-100, 0}});
  ASSERT_TRUE(Main::CoordinateSezioneCircolare(100, 50, n, x, y));
  EXPECT_EQ(n, 10);
  ExpectVertici(x, y, {{0, 100}, {100, 0}, {0, -100}, {-100, 0}, {0, 100},
                       {0, 50}, {-50, 0}, {0, -50}, {50, 0}, {0, 50}});
  // Run round both ways along its cut, the ring touches itself only there.
  Poligono anello;
  anello.Coordinate(x, y, n);
  EXPECT_FALSE(anello.LatiIncrociati());
  EXPECT_FALSE(Main::CoordinateSezioneCircolare(100, 100, n, x, y));

  // Six bars on a circle of 80 after three others: rows 4 to 9, 60° apart.
  Vettore<float> area(1, 9), bx(1, 9), by(1, 9);
  Main::CoordinateSezioneCircolareBarre(4, 9, 6, 314.159f, 80, area, bx, by);
  EXPECT_EQ(area(3), 0);
  EXPECT_NEAR(bx(4), 0, 1e-4);
  EXPECT_NEAR(by(4), 80, 1e-4);
  EXPECT_NEAR(bx(5), -80 * std::sin(M_PI / 3), 1e-3);
  EXPECT_NEAR(by(5), 80 * std::cos(M_PI / 3), 1e-3);
  EXPECT_FLOAT_EQ(area(9), 314.159f);
}

TEST(GeometriaMain, FiguresStackDownwardsAndAreMirrored) {
  FinestraMain f;
  Stato.TipoSezione = 3;
  Stato.MatriceFigure.ReDim(1, 2, 1, 3);
  const double righe[2][3] = {{400, 200, 100}, {200, 200, 300}};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) Stato.MatriceFigure(i + 1, j + 1) = righe[i][j];
  f.main->nFigureForm = 2;
  f.main->xVerticiForm.ReDim(1, 8);
  f.main->yVerticiForm.ReDim(1, 8);
  f.main->CoordinateSezione(8);
  ExpectVertici(f.main->xVerticiForm, f.main->yVerticiForm,
                {{200, 0}, {100, -100}, {100, -100}, {100, -400},
                 {-100, -400}, {-100, -100}, {-100, -100}, {-200, 0}});
}

TEST(GeometriaMain, TheWindowIsReadInProgramUnits) {
  FinestraMain f;
  f.Clic("OpTipoSezione", 5);
  FinestraMain::Batti("3");
  for (const char* v : {"0", "40", "0", "0", "0", "30"}) FinestraMain::Batti(v);
  f.C("F_Angolo").SetText("30");
  f.C("F_L0").SetText("300");
  f.C("F_N", 0).SetText("150");
  f.C("F_Mxsd", 0).SetText("12,5");
  f.Clic("OpPuntoN", 2);
  f.C("F_xN", 0).SetText("10");
  f.C("F_xN", 1).SetText("5");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  EXPECT_EQ(Stato.AngoloFlessione, 0);  // "Retta"
  EXPECT_FLOAT_EQ(Stato.LunghezzaL0, 3000);
  EXPECT_EQ(f.main->NForm[0], 150);
  // Vertices keep their coordinates; N acts at the point given.
  const auto sezione = VariabiliPubbliche::SezioneCorrente();
  EXPECT_EQ(sezione->CoordX()(2), 400);
  EXPECT_EQ(sezione->CoordY()(3), 300);
  EXPECT_FLOAT_EQ(sezione->xPtoCalcoloM, 100);
  EXPECT_FLOAT_EQ(sezione->yPtoCalcoloM, 50);

  f.Clic("OpTipoFlessione", 1);
  f.C("F_Angolo").SetText("30");
  ASSERT_TRUE(f.main->FormLeggeDati(true));
  EXPECT_EQ(Stato.AngoloFlessione, 30);
  // A click on the picture draws the section without results.
  Stato.RisultatiPresenti = true;
  f.main->Figura_Click();
  EXPECT_FALSE(Stato.RisultatiPresenti);
  EXPECT_FALSE(f.main->Figura().Immagine().isNull());
}

TEST(GeometriaMain, ActivationShowsTheCodeInForceAndBoxesSelectTheirText) {
  FinestraMain f;
  Stato.Normativa = 1;
  QEvent attivazione(QEvent::WindowActivate);
  QApplication::sendEvent(f.main.get(), &attivazione);
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: DM 1996");
  QLineEdit* n = f.Widget<QLineEdit>("F_N", 0);
  n->setText("123,5");
  n->setFocus();
  EXPECT_EQ(n->selectedText(), "123,5");
}
