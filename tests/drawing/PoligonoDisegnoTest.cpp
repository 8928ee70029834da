#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "drawing/Grafica_Disegno.h"
#include "model/Poligono.h"

using platform::ChiamataSurface;

namespace {

using Segmenti = std::vector<std::vector<double>>;

Segmenti Linee(const platform::SurfaceRegistrata& s) {
  Segmenti linee;
  for (const ChiamataSurface& c : s.Chiamate("Line"))
    linee.push_back({c.numeri[0], c.numeri[1], c.numeri[2], c.numeri[3]});
  return linee;
}

// Vertex i at (i, 10 i), so that every segment tells its vertices.
Poligono Numerato(int n) {
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    x(i) = i;
    y(i) = 10 * i;
  }
  Poligono p;
  p.Coordinate(x, y, n);
  return p;
}

// The closed ring through vertices da..a of Numerato.
Segmenti Anello(int da, int a) {
  Segmenti s;
  for (int i = da; i < a; ++i) s.push_back({double(i), 10.0 * i, i + 1.0, 10.0 * (i + 1)});
  s.push_back({double(a), 10.0 * a, double(da), 10.0 * da});
  return s;
}

Segmenti Unisci(Segmenti a, const Segmenti& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

using PoligonoDisegno = AmbienteDisegno;

}  // namespace

TEST_F(PoligonoDisegno, OutlineAsOneRingOrAsTwoStoredOneAfterTheOther) {
  Grafica::ImpostaDispositivo(1, "VIDEO", &video);
  Numerato(6).Plotta(1);
  EXPECT_EQ(Linee(video), Anello(1, 6));

  // Ten vertices: the rings 1-4 and 7-10, vertices 5 and 6 joining them.
  video.Svuota();
  Numerato(10).Plotta(1, true);
  EXPECT_EQ(Linee(video), Unisci(Anello(1, 4), Anello(7, 10)));
  // With an odd count the second ring takes the extra vertex.
  video.Svuota();
  Numerato(9).Plotta(1, true);
  EXPECT_EQ(Linee(video), Unisci(Anello(1, 3), Anello(6, 9)));
  // The divisor divides y.
  video.Svuota();
  Numerato(3).Plotta(10);
  EXPECT_EQ(Linee(video), (Segmenti{{1, 1, 2, 2}, {2, 2, 3, 3}, {3, 3, 1, 1}}));
  // Too few vertices for two rings: nothing.
  video.Svuota();
  Numerato(2).Plotta(1, true);
  EXPECT_TRUE(video.Chiamate().empty());
}

TEST_F(PoligonoDisegno, VertexNumbersAreWrittenAtTheVertices) {
  Grafica::ImpostaDispositivo(1, "VIDEO", &video);
  Grafica::ImpostaColore(3);
  Numerato(3).NumeraVertici(5);
  const auto testi = video.Chiamate("Print");
  ASSERT_EQ(testi.size(), 3u);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(testi[i - 1].testo, std::to_string(i));
    EXPECT_EQ(testi[i - 1].numeri[0], i);
    EXPECT_EQ(testi[i - 1].numeri[1], 10 * i);
    EXPECT_EQ(testi[i - 1].numeri[2], 0x00FF00);
  }
}
