#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "DispositivoDiProva.h"
#include "drawing/Grafica_Disegno.h"

using namespace Grafica;

using Impostazioni = AmbienteDisegno;

TEST_F(Impostazioni, LineWidthInPixelsOnScreenInFifthsOfMillimetreOnPaper) {
  ImpostaSpessoreLinea(3, "VIDEO", &video);
  EXPECT_EQ(video.DrawWidth(), 3);
  EXPECT_EQ(Stato.OggettoGrafico, &video);
  // 600 dpi: 11.34 / 2.4 = 4.725 -> 5; the target stays.
  ImpostaSpessoreLinea(1, "STAMPANTE");
  EXPECT_EQ(stampante.DrawWidth(), 5);
  EXPECT_EQ(Stato.OggettoGrafico, &video);
  // 300 dpi: 2.3625 -> 2. Halves to even: 1.5 -> 2 and 4.5 -> 4.
  const std::tuple<double, short, int> casi[] = {{4.8, 1, 2}, {7.56, 1, 2}, {7.56, 3, 4}};
  for (const auto& [twips, larghezza, pixel] : casi) {
    platform::SurfaceRegistrata carta(2400, 3300, twips);
    platform::ImpostaStampante(&carta);
    ImpostaSpessoreLinea(larghezza);
    EXPECT_EQ(carta.DrawWidth(), pixel) << twips << " " << larghezza;
  }
  for (const char* dispositivo : {"DXF", "DWG", "BLOCCO", "PLOTTER"}) {
    video.Svuota();
    ImpostaSpessoreLinea(4, dispositivo, &video);
    EXPECT_TRUE(video.Chiamate().empty()) << dispositivo;
  }
}

TEST_F(Impostazioni, FontGoesToPrinterOrTargetAndStylesToAutocadOnlyOnDwg) {
  DispositivoDiProva dwg("DWG");
  ImpostaDispositivo(7, "VIDEO", &video);
  EXPECT_TRUE(ImpostaStileTesto(2, "Quote", "Arial"));
  EXPECT_EQ(Stato.ScalaGrafica, 1);
  EXPECT_TRUE(ImpostaFont(2));
  EXPECT_EQ(video.FontName(), "Quote");
  // A name that is none of the five sets the target's font, not the printer's.
  ImpostaFont(2, "PLOTTER");
  ImpostaFont(2, "STAMPANTE");
  ImpostaFont(2, "DXF");
  ImpostaFont(2, "BLOCCO");
  EXPECT_EQ(video.Chiamate("SetFontName").size(), 2u);
  EXPECT_EQ(stampante.Chiamate("SetFontName").size(), 1u);
  EXPECT_EQ(stampante.FontName(), "Quote");
  EXPECT_TRUE(dwg.chiamate.empty());

  ImpostaStileTesto(1, "Sezione", "Arial", "DWG");
  ImpostaFont(1);
  ASSERT_EQ(dwg.chiamate.size(), 2u);
  EXPECT_EQ(dwg.chiamate[0].nome, "CreaStileTesto");
  EXPECT_EQ(dwg.chiamate[0].testo, "Sezione|Arial");
  EXPECT_EQ(dwg.chiamate[1].nome, "AttivaStileTesto");
  EXPECT_EQ(dwg.chiamate[1].numeri[0].valore, 1);
}

TEST_F(Impostazioni, StyleIndexOutsideOneToTenChangesNothing) {
  ImpostaDispositivo(7, "VIDEO", &video);
  for (short indice : {0, 11}) {
    EXPECT_FALSE(ImpostaStileTesto(indice, "X", "Arial", "DXF"));
    EXPECT_FALSE(ImpostaFont(indice, "STAMPANTE"));
  }
  EXPECT_EQ(Stato.DispositivoGrafico, "VIDEO");
  EXPECT_EQ(Stato.ScalaGrafica, 7);
  EXPECT_TRUE(stampante.Chiamate().empty());
  EXPECT_TRUE(ImpostaStileTesto(10, "Ultimo", "Arial"));
  EXPECT_EQ(Stato.NomiStiliTesto(10), "Ultimo");
}
