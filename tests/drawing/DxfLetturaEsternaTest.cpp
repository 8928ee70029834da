// The drawing that verifica_dxf.py reads back with an independent DXF reader.
// The script runs this test with TRAMOK_DXF_VERIFICA set to the file to write;
// without it there is nothing to do.
#include <gtest/gtest.h>

#include <cstdlib>

#include "AmbienteDisegno.h"
#include "drawing/Dxf.h"
#include "drawing/Grafica_Disegno.h"

using namespace Grafica;

using DxfLetturaEsterna = AmbienteDisegno;

TEST_F(DxfLetturaEsterna, ScriveIlDisegnoDaVerificare) {
  const char* percorso = std::getenv("TRAMOK_DXF_VERIFICA");
  if (!percorso) GTEST_SKIP() << "letto da verifica_dxf.py";
  ApriFileDxf(percorso, 1);
  ImpostaDispositivo(1, "DXF", nullptr);
  ImpostaOffsetY(100);
  // Lines: single and double precision, a y divisor of 2.
  ImpostaColore(1);
  PlottaLinea(0.0f, 0.0f, 12.3f, -4.56f, 1);
  ImpostaColore(13);
  PlottaLinea(1234.56789012345, 0.001, -250.125, 1e-7, 2.0);
  // Circles.
  ImpostaColore(5);
  PlottaCerchio(10.0f, 20.0f, 2.5f, 1);
  PlottaCerchio(-3.75, 0.5, 1234.5678, 1);
  // A closed rectangle and an open line through three points.
  ImpostaColore(7);
  Vettore<float> xr{0, 300, 300, 0}, yr{0, 0, 500, 500};
  PlottaPoligonale(4, xr, yr, 1);
  Vettore<double> xa{-10.5, 0.25, 20.125}, ya{1.1, 2.2, 3.3};
  PlottaPoligonale2(3, xa, ya, 1);
  // Texts: plain, marked (lowered by 1.5 heights), with a line break and accents.
  ImpostaColore(3);
  PlottaTesto(15.0f, 12.3f, 2.5f, "Sezione 30x50", 1);
  PlottaTesto(5.5, 40.25, 3.0, "N = 1,5 \"kN\"", 1, true);
  PlottaTesto(0, 0, 1, "Riga 1\r\nRiga 2 è più", 1);
  ChiudiFileDxf();
}
