#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "drawing/Grafica_Disegno.h"

using namespace Grafica;
using platform::ChiamataSurface;
using platform::SurfaceRegistrata;

using Schermo = AmbienteDisegno;

namespace {

using Segmenti = std::vector<std::vector<double>>;

Segmenti Linee(const SurfaceRegistrata& s) {
  Segmenti linee;
  for (const ChiamataSurface& c : s.Chiamate("Line")) linee.push_back(c.numeri);
  return linee;
}

// One of each primitive; how many reached a device.
int DisegnaTutto() {
  Vettore<double> x{0, 4, 4}, y{0, 0, 3};
  return PlottaLinea(0, 0, 1, 1, 1) + PlottaCerchio(0, 0, 1, 1) + PlottaPoligonale(3, x, y, 1) +
         PlottaPoligonale2(3, x, y, 1) + PlottaTesto(0, 0, 1, "A", 1);
}

}  // namespace

TEST_F(Schermo, OnlyYIsMappedAndEveryNameButVideoPrints) {
  ImpostaDispositivo(1, "VIDEO", &video);
  ImpostaOffsetY(10);
  ImpostaColore(3);
  EXPECT_TRUE(PlottaLinea(3, 4, 5, 6, 2));
  EXPECT_TRUE(PlottaCerchio(7, 8, 9, 2));
  EXPECT_EQ(Linee(video), (Segmenti{{3, 12, 5, 13, 0x00FF00}}));
  EXPECT_EQ(video.Chiamate("Circle")[0].numeri, (std::vector<double>{7, 14, 9, 0x00FF00}));
  EXPECT_TRUE(stampante.Chiamate().empty());

  video.Svuota();
  for (const char* dispositivo : {"STAMPANTE", "PLOTTER", "video"}) {
    ImpostaDispositivo(1, dispositivo, &video);
    EXPECT_EQ(DisegnaTutto(), 5) << dispositivo;
  }
  EXPECT_TRUE(video.Chiamate().empty());
  EXPECT_EQ(stampante.Chiamate("Circle").size(), 3u);
}

TEST_F(Schermo, ClosedPolylineJoinsLastToFirstOpenOneDoesNot) {
  ImpostaDispositivo(1, "VIDEO", &video);
  ImpostaOffsetY(1);
  Vettore<float> x{0, 4, 4}, y{0, 0, 3};
  PlottaPoligonale(3, x, y, 1);
  EXPECT_EQ(Linee(video), (Segmenti{{0, 1, 4, 1, 0}, {4, 1, 4, 4, 0}, {4, 4, 0, 1, 0}}));
  video.Svuota();
  PlottaPoligonale2(3, x, y, 1);
  EXPECT_EQ(Linee(video), (Segmenti{{0, 1, 4, 1, 0}, {4, 1, 4, 4, 0}}));
  // Two points closed: the segment there and back.
  video.Svuota();
  PlottaPoligonale(2, x, y, 1);
  EXPECT_EQ(Linee(video), (Segmenti{{0, 1, 4, 1, 0}, {4, 1, 0, 1, 0}}));
}

TEST_F(Schermo, PointCountsAreRoundedAndMustBeHeldByTheArrays) {
  ImpostaDispositivo(1, "VIDEO", &video);
  Vettore<double> x{0, 1, 2, 3}, y{0, 0, 0, 0};
  const std::pair<double, size_t> conti[] = {{2.5, 1}, {3.5, 3}, {2.6, 2}};
  for (const auto& [n, segmenti] : conti) {
    video.Svuota();
    EXPECT_TRUE(PlottaPoligonale2(n, x, y, 1));
    EXPECT_EQ(video.Chiamate("Line").size(), segmenti) << n;
  }
  video.Svuota();
  Vettore<double> corto{0, 0}, daZero(0, 2);
  EXPECT_FALSE(PlottaPoligonale(0, x, y, 1));
  EXPECT_FALSE(PlottaPoligonale(3, x, corto, 1));
  EXPECT_FALSE(PlottaPoligonale2(1e9, x, y, 1));
  // A divisor of 0 maps no y at all.
  EXPECT_FALSE(PlottaPoligonale(2, x, y, 0));
  EXPECT_FALSE(PlottaTesto(0, 0, 1, "A", 0.0f));
  EXPECT_TRUE(video.Chiamate().empty());
  EXPECT_TRUE(PlottaPoligonale(2, daZero, daZero, 1));
}

TEST_F(Schermo, SurfaceWithoutAreaOrMissingIsNotDrawnOn) {
  SurfaceRegistrata senzaLarghezza(0, 300), senzaAltezza(400, 0);
  ImpostaFlagTesto(true);
  for (SurfaceRegistrata* s : {&senzaLarghezza, &senzaAltezza}) {
    ImpostaDispositivo(1, "VIDEO", s);
    EXPECT_EQ(DisegnaTutto(), 0);
    EXPECT_TRUE(s->Chiamate().empty());
  }
  platform::ImpostaStampante(&senzaAltezza);
  ImpostaDispositivo(1, "STAMPANTE", nullptr);
  EXPECT_EQ(DisegnaTutto(), 0);
  platform::ImpostaStampante(nullptr);
  EXPECT_EQ(DisegnaTutto(), 0);
  platform::Oggetto nonSuperficie;
  ImpostaDispositivo(1, "VIDEO", &nonSuperficie);
  EXPECT_EQ(DisegnaTutto(), 0);
}

TEST_F(Schermo, TextKeepsTheForeColourAndWithTheFlagIsSizedToTheHeightAsked) {
  // 600 pixels for 60 units, y upward: a 10-point line is -1 unit.
  video.SetScaleHeight(-60);
  video.SetForeColor(0x123456);
  video.Svuota();
  ImpostaDispositivo(1, "VIDEO", &video);
  ImpostaOffsetY(-1);
  ImpostaColore(1);
  EXPECT_TRUE(PlottaTesto(2, 5, 3, "σ = 12", 1, true));  // no marker on screen
  std::vector<std::string> nomi;
  for (const ChiamataSurface& c : video.Chiamate()) nomi.push_back(c.nome);
  EXPECT_EQ(nomi, (std::vector<std::string>{"SetForeColor", "SetCurrentX", "SetCurrentY", "Print",
                                            "SetForeColor"}));
  const ChiamataSurface stampa = video.Chiamate("Print")[0];
  EXPECT_EQ(stampa.testo, "σ = 12");
  EXPECT_EQ(stampa.numeri, (std::vector<double>{2, 4, 0xFF0000, 10}));
  EXPECT_EQ(video.ForeColor(), 0x123456u);

  ImpostaFlagTesto(true);
  PlottaTesto(0, 0, 2.5, "N", 1);
  EXPECT_DOUBLE_EQ(video.FontSize(), 25);
  EXPECT_FLOAT_EQ(video.TextHeight("N"), -2.5f);
  // A text of no height keeps the size, rather than a font of size 0.
  PlottaTesto(0, 0, 0, "N", 1);
  EXPECT_DOUBLE_EQ(video.FontSize(), 25);
  EXPECT_EQ(video.Chiamate("Print").size(), 3u);
}
