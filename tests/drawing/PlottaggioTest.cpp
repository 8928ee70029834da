#include <gtest/gtest.h>

#include <cmath>

#include "AmbienteDisegno.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Plottaggio.h"
#include "platform/MsgBoxScriptato.h"

using platform::SurfaceRegistrata;

namespace {

struct Punto {
  double x, y;
};

// Where a world point lands on the surface, in pixels from the top left.
Punto Pixel(const SurfaceRegistrata& s, double x, double y) {
  return {(x - s.ScaleLeft()) * s.LarghezzaPixel() / s.ScaleWidth(),
          (y - s.ScaleTop()) * s.AltezzaPixel() / s.ScaleHeight()};
}

void ExpectPixel(const SurfaceRegistrata& s, double x, double y, Punto atteso) {
  const Punto p = Pixel(s, x, y);
  EXPECT_NEAR(p.x, atteso.x, 1e-3) << "(" << x << ", " << y << ")";
  EXPECT_NEAR(p.y, atteso.y, 1e-3) << "(" << x << ", " << y << ")";
}

// The window corners as (left, top, right, bottom), checked to be a rectangle.
std::array<float, 4> Finestra(const Plottaggio& p) {
  const auto x = p.xFinestraPlt();
  const auto y = p.yFinestraPlt();
  EXPECT_EQ(x[0], x[1]);
  EXPECT_EQ(x[2], x[3]);
  EXPECT_EQ(y[0], y[3]);
  EXPECT_EQ(y[1], y[2]);
  return {x[0], y[0], x[2], y[1]};
}

class Mappatura : public AmbienteDisegno {
 protected:
  // The screen's drawing area of the section plots: 0.1 to 0.8 across,
  // 0.1 to 0.9 up; 560 x 480 pixels of the 800 x 600.
  bool SuVideo(double x0, double x1, double y0, double y1, bool proporzioni = true) {
    p.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
    return p.Inizializza(x0, x1, y0, y1, "VIDEO", &video, 1, proporzioni, 0);
  }
  Plottaggio p;
};

}  // namespace

TEST_F(Mappatura, AWideBoxFillsTheAreaWidthAndIsCentredInHeightOnTheScreen) {
  ASSERT_TRUE(SuVideo(0, 200, 0, 50));
  // 200 units over 560 pixels, one scale both ways, y upward.
  EXPECT_NEAR(video.ScaleWidth() / 800, 200.0 / 560, 1e-6);
  EXPECT_NEAR(-video.ScaleHeight() / 600, video.ScaleWidth() / 800, 1e-12);
  ExpectPixel(video, 0, 25, {80, 300});
  ExpectPixel(video, 200, 25, {640, 300});
  // The window is the whole surface.
  const auto f = Finestra(p);
  EXPECT_NEAR(f[0], video.ScaleLeft(), 1e-4);
  EXPECT_NEAR(f[1], video.ScaleTop(), 1e-4);
  EXPECT_NEAR(f[2] - f[0], video.ScaleWidth(), 1e-4);
  EXPECT_NEAR(f[1] - f[3], -video.ScaleHeight(), 1e-4);
  EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
  EXPECT_EQ(Grafica::Stato.DispositivoGrafico, "VIDEO");
  EXPECT_EQ(Grafica::Stato.OggettoGrafico, &video);
  EXPECT_DOUBLE_EQ(Grafica::Stato.ZeroMaxDimen, 200 / 1e6);
}

TEST_F(Mappatura, ATallBoxFillsTheAreaHeightAndIsCentredOnTheWholeSurface) {
  ASSERT_TRUE(SuVideo(-25, 25, 100, 300));
  ExpectPixel(video, 0, 300, {400, 60});
  ExpectPixel(video, 0, 100, {400, 540});
  ExpectPixel(video, -25, 200, {400 - 60, 300});
  // The same box on a second mapping lands in the same place.
  video.Svuota();
  ASSERT_TRUE(SuVideo(-25, 25, 100, 300));
  ExpectPixel(video, 0, 300, {400, 60});
  EXPECT_EQ(video.Chiamate("Scale").size(), 1u);
}

TEST_F(Mappatura, OnThePrinterTheBoxSitsAtTheAreaTopLeftCornerInSinglePrecision) {
  p.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
  ASSERT_TRUE(p.Inizializza(0, 200, 0, 50, "STAMPANTE", nullptr, 1, true, 0));
  // 3360 x 5280 pixels of area: the width decides.
  ExpectPixel(stampante, 0, 50, {480, 660});
  ExpectPixel(stampante, 200, 0, {3840, 660 + 50 * 3360.0 / 200});
  for (const char* proprieta : {"SetScaleLeft", "SetScaleTop", "SetScaleWidth", "SetScaleHeight"}) {
    const double v = stampante.Chiamate(proprieta).at(0).numeri.at(0);
    EXPECT_EQ(v, static_cast<float>(v)) << proprieta;
  }
  EXPECT_TRUE(video.Chiamate().empty());
  // A tall box on the same page: the height decides, still from the top left.
  ASSERT_TRUE(p.Inizializza(0, 50, 0, 1000, "STAMPANTE", nullptr, 1, true, 0));
  ExpectPixel(stampante, 0, 1000, {480, 660});
  ExpectPixel(stampante, 50, 0, {480 + 50 * 5280.0 / 1000, 660 + 5280});
}

TEST_F(Mappatura, WithoutProportionsTheBoxFillsTheAreaBothWays) {
  ASSERT_TRUE(SuVideo(0, 200, 0, 50, false));
  ExpectPixel(video, 0, 50, {80, 60});
  ExpectPixel(video, 200, 0, {640, 540});
  EXPECT_NEAR(p.ScalaMantieneProporzioni, (50.0 / 480) / (200.0 / 560), 1e-6);
}

TEST_F(Mappatura, MarginsWidenTheBoxOnScreenAndPrinterOnly) {
  p.Bordi(0.25, 0, 0.25, 0);
  ASSERT_TRUE(SuVideo(0, 200, 0, 50));
  ExpectPixel(video, -50, 25, {80, 300});
  ExpectPixel(video, 250, 25, {640, 300});
  p.EstremiFinestra(0, 0, 1, 1);
  p.Inizializza(0, 200, 0, 50, "DXF", nullptr, 1, true, 0);
  EXPECT_EQ(Finestra(p), (std::array<float, 4>{0, 50, 200, 0}));
}

TEST_F(Mappatura, AreaEdgesNeverSetMeanTheWholeSurface) {
  ASSERT_TRUE(p.Inizializza(0, 200, 0, 50, "VIDEO", &video, 1, true, 0));
  ExpectPixel(video, 0, 25, {0, 300});
  ExpectPixel(video, 200, 25, {800, 300});
  // Only a right edge of 0 repairs the top.
  p.EstremiFinestra(0, 0, 0.5f, 0);
  EXPECT_FALSE(p.Inizializza(0, 200, 0, 50, "VIDEO", &video, 1, true, 0));
}

TEST_F(Mappatura, OtherDevicesGetWorldMarginsFromTheLargerExtent) {
  p.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
  ASSERT_TRUE(p.Inizializza(10, 110, 20, 70, "DXF", &video, 1, true, 0));
  EXPECT_EQ(Finestra(p), (std::array<float, 4>{0, 80, 120, 10}));
  EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
  EXPECT_TRUE(video.Chiamate().empty());
  EXPECT_EQ(Grafica::Stato.DispositivoGrafico, "DXF");
}

TEST_F(Mappatura, YIsShiftedAndDividedAndTheOffsetGoesToTheDrawing) {
  p.EstremiFinestra(0, 0, 1, 1);
  ASSERT_TRUE(p.Inizializza(0, 10, 10, 30, "DXF", nullptr, 2, false, 4));
  EXPECT_EQ(p.yMin, 7);
  EXPECT_EQ(p.yMax, 17);
  EXPECT_EQ(Grafica::Stato.OffsetY, 4);
  EXPECT_EQ(Grafica::Stato.ScalaGrafica, 2);
}

TEST_F(Mappatura, DegenerateBoxesBorrowFromTheOtherExtentOrBecomeOneUnit) {
  p.EstremiFinestra(0, 0, 1, 1);
  p.Inizializza(5, 5, 7, 7, "DXF", nullptr, 1, true, 0);
  EXPECT_EQ(Finestra(p), (std::array<float, 4>{5, 8, 6, 7}));
  p.Inizializza(5, 5, 0, 3000, "DXF", nullptr, 1, true, 0);
  EXPECT_EQ(p.xMax, 8);
  EXPECT_EQ(p.yMax, 3000);
  p.Inizializza(0, 4000, 2, 2, "DXF", nullptr, 1, true, 0);
  EXPECT_EQ(p.yMax, 6);
  // A reversed box is not turned round: it becomes one of 1 by 1.
  p.Inizializza(10, 0, 10, 0, "DXF", nullptr, 1, true, 0);
  EXPECT_EQ(Finestra(p), (std::array<float, 4>{10, 11, 11, 10}));
}

TEST_F(Mappatura, NothingWithAreaToMapOntoIsRefusedWithoutTouchingTheScale) {
  // A minimised window.
  SurfaceRegistrata minimizzata(0, 600);
  p.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
  EXPECT_FALSE(p.Inizializza(0, 200, 0, 50, "VIDEO", &minimizzata, 1, true, 0));
  EXPECT_TRUE(minimizzata.Chiamate("SetScaleWidth").empty());
  EXPECT_TRUE(minimizzata.Chiamate("SetScaleTop").empty());
  EXPECT_EQ(Finestra(p), (std::array<float, 4>{0, 50, 200, 0}));
  EXPECT_EQ(p.ScalaMantieneProporzioni, 1);
  // The primitives that follow find the same surface and draw nothing.
  EXPECT_EQ(Grafica::Stato.OggettoGrafico, &minimizzata);
  EXPECT_FALSE(Grafica::PlottaLinea(0, 0, 10, 10, 1));
  // No surface, no printer, no y divisor.
  EXPECT_FALSE(p.Inizializza(0, 200, 0, 50, "VIDEO", nullptr, 1, true, 0));
  platform::ImpostaStampante(nullptr);
  EXPECT_FALSE(p.Inizializza(0, 200, 0, 50, "STAMPANTE", nullptr, 1, true, 0));
  EXPECT_FALSE(p.Inizializza(0, 200, 0, 50, "VIDEO", &video, 0, true, 0));
  EXPECT_TRUE(video.Chiamate().empty());
}

TEST_F(Mappatura, FittingToAnUnknownDeviceIsReported) {
  platform::MsgBoxScriptato messaggi;
  p.Inizializza(0, 200, 0, 50, "PLOTTER", &video, 1, true, 0);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_FALSE(p.AdattaAfinestra());
  EXPECT_EQ(messaggi.Testi(),
            (std::vector<std::string>{"ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista"}));
  EXPECT_TRUE(video.Chiamate().empty());
}

TEST_F(Mappatura, TheFrameStaysInsideTheWindowAndTheDeviceCanBeRestored) {
  ASSERT_TRUE(SuVideo(0, 200, 0, 50));
  Grafica::ImpostaDispositivo(1, "DXF", nullptr);
  p.RipristinaDefault();
  EXPECT_EQ(Grafica::Stato.DispositivoGrafico, "VIDEO");
  p.PlottaFinestra();
  const auto f = Finestra(p);
  const float l = f[0], t = f[1], r = f[2], b = f[3];
  const float basso = b + (t - b) / 500;
  const float destra = r - (r - l) / 1000;
  std::vector<std::vector<double>> linee;
  for (const auto& c : video.Chiamate("Line"))
    linee.push_back({c.numeri[0], c.numeri[1], c.numeri[2], c.numeri[3]});
  EXPECT_EQ(linee, (std::vector<std::vector<double>>{{l, basso, destra, basso},
                                                     {destra, basso, destra, t},
                                                     {destra, t, l, t},
                                                     {l, t, l, basso}}));
}
