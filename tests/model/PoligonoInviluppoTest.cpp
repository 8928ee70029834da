#include <gtest/gtest.h>

#include <random>

#include "FigurePoligono.h"
#include "drawing/GraficaStato.h"
#include "model/Poligono.h"

using figure::Da;

namespace {

// The hull goes once round counter-clockwise without a right turn, and no
// vertex of the outline lies outside any of its sides.
void Circoscrive(const Poligono& h, const Poligono& p) {
  const int m = h.nVertici();
  const double zero = 1e-5 * p.MaxDimensione() * p.MaxDimensione();
  for (int i = 1; i <= m; ++i) {
    for (int k = i + 1; k <= m; ++k) EXPECT_FALSE(h.X(i) == h.X(k) && h.Y(i) == h.Y(k)) << i;
    const int j = i % m + 1, k = j % m + 1;
    const double ax = h.X(j) - h.X(i), ay = h.Y(j) - h.Y(i);
    EXPECT_GE(ax * (h.Y(k) - h.Y(j)) - ay * (h.X(k) - h.X(j)), -zero) << j;
    for (int v = 1; v <= p.nVertici(); ++v)
      EXPECT_GE(ax * (p.Y(v) - h.Y(i)) - ay * (p.X(v) - h.X(i)), -zero) << v << " / " << i;
  }
}

}  // namespace

TEST(PoligonoInviluppo, ConcaveOutlines) {
  const Poligono l = figure::SezioneL();
  const Poligono h = l.PoligonoConvessoCircoscritto();
  EXPECT_EQ(h.CoordX(), (Vettore<double>{0, 60, 60, 20, 0}));
  EXPECT_EQ(h.CoordY(), (Vettore<double>{0, 0, 20, 80, 80}));
  // Two pairs of coincident vertices; the start is vertex 1.
  const Poligono anello = figure::AnelloConTaglio().PoligonoConvessoCircoscritto();
  EXPECT_EQ(anello.CoordX(), (Vettore<double>{50, 100, 100, 0, 0}));
  EXPECT_EQ(anello.CoordY(), (Vettore<double>{0, 0, 100, 100, 0}));
  for (const Poligono& p : {figure::SezioneT(), figure::SezioneC(), figure::Cerchio(100, 52)})
    Circoscrive(p.PoligonoConvessoCircoscritto(), p);
}

TEST(PoligonoInviluppo, CoincidentAndCollinearPointsEndTheWalk) {
  EXPECT_EQ(Da({0, 0, 10, 10, 10, 10, 0, 0}, {0, 0, 0, 0, 10, 10, 10, 10})
                .PoligonoConvessoCircoscritto()
                .CoordX(),
            (Vettore<double>{0, 10, 10, 0}));
  EXPECT_LE(Da({0, 5, 10, 2}, {0, 5, 10, 2}).PoligonoConvessoCircoscritto().nVertici(), 4);
  EXPECT_EQ(Da({3, 3, 3}, {1, 1, 1}).PoligonoConvessoCircoscritto().nVertici(), 1);
  EXPECT_EQ(Da({0, 4}, {0, 3}).PoligonoConvessoCircoscritto().nVertici(), 2);

  // Points on a coarse grid, many coincident and many collinear.
  std::mt19937 g(7);
  std::uniform_int_distribution<int> u(0, 6);
  for (int prova = 0; prova < 2000; ++prova) {
    Vettore<double> x(1, 12), y(1, 12);
    for (int i = 1; i <= 12; ++i) {
      x(i) = u(g) * 0.1;
      y(i) = u(g) * 0.1;
    }
    Poligono p;
    p.Coordinate(x, y, 12);
    if (p.MaxDimensione() > 0) Circoscrive(p.PoligonoConvessoCircoscritto(), p);
  }
}

TEST(PoligonoContorni, OffsetThroughAPointAndViewFromTheRight) {
  const Poligono q = figure::Rettangolo(10, 10);
  Poligono o;
  q.OffsetPerPunto(5, 2, o);
  EXPECT_EQ(Grafica::Stato.ZeroMaxDimen, 10 / 1E6);
  EXPECT_EQ(o.CoordX(), (Vettore<double>{2, 8, 8, 2}));
  EXPECT_EQ(o.CoordY(), (Vettore<double>{2, 2, 8, 8}));
  q.OffsetPerPunto(13, 5, o);
  EXPECT_EQ(o.CoordX(), (Vettore<double>{-3, 13, 13, -3}));
  // The L through a point 0.1 inside, in 32 bits.
  figure::SezioneL().OffsetPerPunto(0.1, 5, o);
  EXPECT_EQ(o.CoordX(), (Vettore<double>{0.1f, 59.9f, 59.9f, 19.9f, 19.9f, 0.1f}));
  EXPECT_EQ(o.CoordY(), (Vettore<double>{0.1f, 0.1f, 19.9f, 19.9f, 79.9f, 79.9f}));

  Vettore<double> x, y;
  int n = 0;
  figure::SezioneT().VistaDaDestra(x, y, n);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(x, (Vettore<double>{15, 50, 50}));
  EXPECT_EQ(y, (Vettore<double>{0, 60, 80}));
}
