#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "drawing/Grafica_Disegno.h"

using namespace Grafica;

using ColoriDisegno = AmbienteDisegno;

TEST_F(ColoriDisegno, ColoreRgbMapsTheColourNumbersAndGivesBlackOtherwise) {
  const std::pair<int, platform::Colore> attesi[] = {
      {0, 0xFFFFFF}, {1, 0xFF0000}, {2, 0xFFFF00}, {3, 0x00FF00}, {4, 0x00FFFF}, {5, 0x0000FF},
      {6, 0xFF00FF}, {7, 0},        {8, 0x808080}, {11, 0x800000}, {13, 0x00C000}, {9, 0},
      {12, 0},       {-1, 0},       {256, 0}};
  for (const auto& [numero, colore] : attesi) EXPECT_EQ(ColoreRgb(numero), colore) << numero;
}

TEST_F(ColoriDisegno, ScreenAndPrinterGetRgbCadDevicesTheNumber) {
  const std::pair<const char*, std::int32_t> attesi[] = {
      {"VIDEO", 0xFF0000}, {"STAMPANTE", 0xFF0000}, {"PLOTTER", 0xFF0000}, {"dxf", 0xFF0000},
      {"DXF", 1},          {"DWG", 1},              {"BLOCCO", 1}};
  for (const auto& [dispositivo, colore] : attesi) {
    ImpostaDispositivo(1, dispositivo, nullptr);
    ImpostaColore(1);
    EXPECT_EQ(Stato.ColoreCorrente, colore) << dispositivo;
  }
  ImpostaColore(7);
  EXPECT_EQ(Stato.ColoreCorrente, 7);
  // The device argument chooses the conversion but does not become current.
  ImpostaColore(7, "VIDEO");
  EXPECT_EQ(Stato.ColoreCorrente, 0);
  ImpostaDispositivo(1, "VIDEO", nullptr);
  ImpostaColore(13, "DWG");
  EXPECT_EQ(Stato.ColoreCorrente, 13);
  EXPECT_EQ(Stato.DispositivoGrafico, "VIDEO");
}

TEST_F(ColoriDisegno, ColourBySignIsBlueAboveZeroOnly) {
  ImpostaDispositivo(1, "DXF", nullptr);
  const std::pair<double, int> segno[] = {{2.5, 5}, {1e-300, 5}, {0, 1}, {-0.0, 1}, {-3, 1}};
  for (const auto& [valore, colore] : segno) {
    ImpostaColoreSegno(valore);
    EXPECT_EQ(Stato.ColoreCorrente, colore) << valore;
    ImpostaColoreSegnoOpposto(-valore);
    EXPECT_EQ(Stato.ColoreCorrente, colore) << -valore;
  }
}
