// The strips of every case file's outline, turned to several angles, against
// the construction they are meant to equal bit for bit: each strip's mid-line
// crossed with every side, the crossings sorted and taken in pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "FileCaso.h"
#include "drawing/Grafica_Geometria.h"
#include "model/Matematica.h"
#include "model/Poligono.h"
#include "platform/MsgBoxScriptato.h"

namespace {

// The tables of n strips of p, zeros past each strip's rectangles.
StrisceRettangolini StrisceAttese(const Poligono& p, int n) {
  double xMin, xMax, yMin, yMax;
  p.MaxMin(xMin, xMax, yMin, yMax);
  constexpr int massimo = StrisceRettangolini::MaxRettangoli;
  StrisceRettangolini s;
  s.Altezza.ReDim(1, n);
  s.yCentro.ReDim(1, n);
  s.nRettangoli.ReDim(1, n);
  s.Larghezza.ReDim(1, n, 1, massimo);
  s.xCentro.ReDim(1, n, 1, massimo);
  const double h = (yMax - static_cast<float>(yMin)) / n;
  double yMedia = yMax - h / 2;
  for (int i = 1; i <= n; ++i, yMedia -= h) {
    s.Altezza(i) = static_cast<float>(h);
    s.yCentro(i) = static_cast<float>(i == 1 ? yMedia : s.yCentro(i - 1) - h);
    std::vector<double> a;
    Grafica::PuntoInternoPoligono(p.CoordX(), p.CoordY(), p.nVertici(), yMedia, a);
    std::sort(a.begin(), a.end());
    int k = 0;
    for (size_t j = 0; j + 1 < a.size() && k < massimo; j += 2) {
      ++k;
      s.Larghezza(i, k) = static_cast<float>(std::fabs(a[j + 1] - a[j]));
      s.xCentro(i, k) = static_cast<float>((a[j] + a[j + 1]) / 2);
    }
    s.nRettangoli(i) = k;
  }
  return s;
}

std::vector<uint32_t> Bit(const std::vector<float>& v) {
  std::vector<uint32_t> b;
  for (float f : v) b.push_back(std::bit_cast<uint32_t>(f));
  return b;
}

void StesseStrisce(const Poligono& p, int n, const std::string& dove) {
  const StrisceRettangolini attese = StrisceAttese(p, n);
  const StrisceRettangolini& s = p.Strisce();
  ASSERT_EQ(p.nRettangolini_, n) << dove;
  EXPECT_EQ(s.nRettangoli, attese.nRettangoli) << dove;
  EXPECT_EQ(Bit(s.Altezza.Dati()), Bit(attese.Altezza.Dati())) << dove;
  EXPECT_EQ(Bit(s.yCentro.Dati()), Bit(attese.yCentro.Dati())) << dove;
  ASSERT_EQ(s.Larghezza.Righe(), n) << dove;
  ASSERT_EQ(s.Larghezza.Colonne(), StrisceRettangolini::MaxRettangoli) << dove;
  for (int i = 1; i <= n; ++i)
    for (int k = 1; k <= StrisceRettangolini::MaxRettangoli; ++k) {
      ASSERT_EQ(std::bit_cast<uint32_t>(s.Larghezza(i, k)),
                std::bit_cast<uint32_t>(attese.Larghezza(i, k)))
          << dove << " striscia " << i << " rettangolo " << k;
      ASSERT_EQ(std::bit_cast<uint32_t>(s.xCentro(i, k)),
                std::bit_cast<uint32_t>(attese.xCentro(i, k)))
          << dove << " striscia " << i << " rettangolo " << k;
    }
  // Depths and whole-strip areas as the integration from the top adds them.
  double t = 0;
  for (int i = 1; i <= n; ++i) {
    const double sopra = t;
    t += s.Altezza(i);
    double area = 0;
    for (int k = 1; k <= s.nRettangoli(i); ++k) area += s.Larghezza(i, k) * (t - sopra);
    ASSERT_EQ(s.Fondo(i), t) << dove << " striscia " << i;
    ASSERT_EQ(s.AreaIntera(i), area) << dove << " striscia " << i;
  }
}

Poligono Contorno(const Caso& caso) {
  const std::vector<double>& v = caso.Lista("vertices");
  const int n = static_cast<int>(v.size() / 2);
  Vettore<double> x(1, n), y(1, n);
  for (int i = 1; i <= n; ++i) {
    x(i) = v[2 * static_cast<size_t>(i) - 2];
    y(i) = v[2 * static_cast<size_t>(i) - 1];
  }
  Poligono p;
  p.Coordinate(x, y, n);
  return p;
}

}  // namespace

TEST(StrisceCasi, EveryOutlineAtSeveralAnglesAsTheCrossingsOfEachMidLine) {
  platform::MsgBoxScriptato box;
  const std::vector<std::string> file = FileCasi(TRAMOK_CASI);
  ASSERT_FALSE(file.empty());
  for (const std::string& nome : file) {
    std::string errore;
    const auto caso = LeggiCaso(nome, errore);
    ASSERT_TRUE(caso) << errore;
    const int strisce = static_cast<int>(caso->Numero("strips", 100));
    // One polygon turned and cut again and again, its tables kept between
    // cuts of the same count, and a fresh one at each angle.
    Poligono girato = Contorno(*caso);
    double gradi = 0;
    for (const double angolo : {0.0, 17.0, 45.0, 90.0, 133.0, 180.0, 251.5, 300.0}) {
      girato.RuotaVertici(0, 0, (angolo - gradi) * Matematica::Pi / 180);
      gradi = angolo;
      for (const int n : {strisce, 7, strisce, 1000}) {
        double h, b, yMax;
        girato.DiscretizzaPoligono(n, h, b, yMax);
        const std::string dove = nome + " a " + std::to_string(angolo) + " gradi, " +
                                 std::to_string(n) + " strisce";
        StesseStrisce(girato, n, dove);
        Poligono nuovo = girato.Copia();
        nuovo.DiscretizzaPoligono(n, h, b, yMax);
        StesseStrisce(nuovo, n, dove + " (nuovo)");
      }
    }
  }
}

TEST(StrisceCasi, TablesTakenFromAnotherPolygonHoldOnlyTheNewStrips) {
  platform::MsgBoxScriptato box;
  // A comb of four teeth (four rectangles in the upper strips) takes a copy
  // of a rectangle cut into as many strips, then of a triangle, over its
  // tables.
  Poligono pettine;
  pettine.Coordinate(Vettore<double>{0, 70, 70, 60, 60, 50, 50, 40, 40, 30, 30, 20, 20, 10, 10, 0},
                     Vettore<double>{0, 0, 30, 30, 10, 10, 30, 30, 10, 10, 30, 30, 10, 10, 30, 30},
                     16);
  double h, b, yMax;
  pettine.DiscretizzaPoligono(6, h, b, yMax);
  ASSERT_EQ(pettine.Strisce().nRettangoli(1), 4);
  Poligono rettangolo;
  rettangolo.Coordinate(Vettore<double>{0, 70, 70, 0}, Vettore<double>{0, 0, 30, 30}, 4);
  rettangolo.CopiaIn(pettine);
  EXPECT_EQ(pettine.nRettangolini_, 0);
  EXPECT_EQ(pettine.CoordX(), rettangolo.CoordX());
  pettine.DiscretizzaPoligono(6, h, b, yMax);
  StesseStrisce(pettine, 6, "rettangolo");
  Poligono triangolo;
  triangolo.Coordinate(Vettore<double>{0, 70, 35}, Vettore<double>{0, 0, 30}, 3);
  triangolo.CopiaIn(pettine);
  pettine.DiscretizzaPoligono(9, h, b, yMax);
  StesseStrisce(pettine, 9, "triangolo");
}
