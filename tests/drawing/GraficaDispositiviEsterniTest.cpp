#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "DispositivoDiProva.h"
#include "drawing/Grafica_Disegno.h"

using namespace Grafica;

using DispositiviEsterni = AmbienteDisegno;

namespace {

bool DisegnaTutto() {
  Vettore<double> x{0, 4, 4}, y{0, 0, 3};
  return PlottaLinea(0, 0, 1, 1, 1) | PlottaCerchio(0, 0, 1, 1) | PlottaPoligonale(3, x, y, 1) |
         PlottaPoligonale2(2, x, y, 1) | PlottaTesto(0, 0, 1, "A", 1, true);
}

}  // namespace

TEST_F(DispositiviEsterni, EachNameReachesItsOwnDeviceWithTheColourNumber) {
  DispositivoDiProva dxf("DXF");
  // With none registered nothing is drawn anywhere.
  for (const char* nome : {"DWG", "BLOCCO"}) {
    ImpostaDispositivo(1, nome, &video);
    EXPECT_FALSE(DisegnaTutto()) << nome;
  }
  EXPECT_TRUE(dxf.chiamate.empty());
  DispositivoDiProva dwg("DWG"), blocco("BLOCCO");
  const std::pair<const char*, DispositivoDiProva*> dispositivi[] = {
      {"DXF", &dxf}, {"DWG", &dwg}, {"BLOCCO", &blocco}};
  for (const auto& [nome, d] : dispositivi) {
    ImpostaDispositivo(1, nome, &video);
    ImpostaColore(13);
    EXPECT_TRUE(DisegnaTutto());
    std::vector<std::string> nomi;
    for (const ChiamataEsterna& c : d->chiamate) {
      nomi.push_back(c.nome);
      EXPECT_EQ(c.colore, 13);
    }
    EXPECT_EQ(nomi, (std::vector<std::string>{"Linea", "Cerchio", "PoligonoChiuso", "Poligonale",
                                              "Testo"}));
    EXPECT_EQ(d->chiamate[2].numeri.size(), 6u);
    EXPECT_EQ(d->chiamate[3].numeri.size(), 4u);
  }
  EXPECT_TRUE(video.Chiamate().empty());
  EXPECT_TRUE(stampante.Chiamate().empty());
}

TEST_F(DispositiviEsterni, YIsMappedInTheCallersPrecisionXIsPassedAsGiven) {
  DispositivoDiProva dxf("DXF");
  ImpostaDispositivo(1, "DXF", nullptr);
  ImpostaOffsetY(0.1);
  PlottaLinea(1.5f, 0.2f, 2.5, 0.2, 1);
  const auto& n = dxf.chiamate[0].numeri;
  EXPECT_TRUE(n[0].singolo && n[1].singolo);
  EXPECT_FALSE(n[2].singolo || n[3].singolo);
  EXPECT_EQ(n[1].valore, static_cast<double>(0.1f + 0.2f));
  EXPECT_EQ(n[3].valore, static_cast<double>(0.1f) + 0.2);
  // A double divisor makes the result double.
  PlottaCerchio(0, 0.2f, 3, 1.0);
  EXPECT_FALSE(dxf.chiamate[1].numeri[1].singolo);
  EXPECT_EQ(dxf.chiamate[1].numeri[1].valore, static_cast<double>(0.1f) + 0.2f / 1.0);
  // Polyline and text y arrive as the double of the single-precision mapping.
  ImpostaOffsetY(0);
  Vettore<float> xs{1.5f}, ys{12.3f};
  PlottaPoligonale2(1, xs, ys, 1);
  PlottaTesto(1.5f, 12.3f, 2, "N", 1);
  for (size_t k : {2u, 3u}) {
    EXPECT_TRUE(dxf.chiamate[k].numeri[0].singolo);
    EXPECT_EQ(dxf.chiamate[k].numeri[1].valore, static_cast<double>(12.3f));
  }
}

TEST_F(DispositiviEsterni, TextMarkerLowersTheTextOnDxfAndDwgOnly) {
  DispositivoDiProva dxf("DXF"), dwg("DWG"), blocco("BLOCCO");
  ImpostaOffsetY(1);
  for (const char* nome : {"DXF", "DWG", "BLOCCO"}) {
    ImpostaDispositivo(1, nome, nullptr);
    PlottaTesto(10, 20, 2.5, "A", 2, true);
    PlottaTesto(10, 20, 2.5, "A", 2);
  }
  const std::pair<DispositivoDiProva*, double> attesi[] = {
      {&dxf, 11 - 3.75}, {&dwg, 11 - 3.75}, {&blocco, 11}};
  for (const auto& [d, y] : attesi) {
    ASSERT_EQ(d->chiamate.size(), 2u);
    EXPECT_EQ(d->chiamate[0].numeri[1].valore, y);
    EXPECT_EQ(d->chiamate[1].numeri[1].valore, 11);
  }
}
