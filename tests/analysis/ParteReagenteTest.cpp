#include <gtest/gtest.h>

#include "analysis/ParteReagente.h"
#include "analysis/StatiSezione.h"

namespace {

// The square (0,0) (10,0) (10,10) (0,10).
Poligono Quadrato() {
  Poligono p;
  p.Coordinate(Vettore<double>{0, 10, 10, 0}, Vettore<double>{0, 0, 10, 10}, 4);
  return p;
}

// The part's area: ParteReagente leaves its properties to the caller.
double Area(Poligono parte) {
  EXPECT_EQ(parte.Area, 0);
  parte.AreaCalcola();
  return parte.Area;
}

}  // namespace

TEST(ParteReagente, ACutKeepsTheSideOfTheReferencePoint) {
  int stato = 9;
  const Poligono sopra = ParteReagente(Quadrato(), 0, 10, 1, 0, 1, -4, stato);
  EXPECT_EQ(stato, StatoSezione::Parzializzata);
  EXPECT_NEAR(Area(sopra), 60, 1e-9);
  // A negative weight points away from the point (x / w, y / w).
  EXPECT_NEAR(Area(ParteReagente(Quadrato(), 0, -10, -1, 0, 1, -4, stato)), 40, 1e-9);
  EXPECT_NEAR(Area(ParteReagente(Quadrato(), 0, 10, -1, 0, 1, -4, stato)), 60, 1e-9);
}

TEST(ParteReagente, AMissedOutlineIsWholeOnlyOnTheSideOfTheReference) {
  // The line y = 20 lies above the square.
  struct Prova {
    double x, y, w;
    int stato;
  };
  for (const Prova& p : {Prova{0, 0, 1, StatoSezione::InteramenteReagente},
                         Prova{0, 30, 1, StatoSezione::SoloAcciaio},
                         Prova{0, 30, -1, StatoSezione::SoloAcciaio},
                         Prova{0, -30, -1, StatoSezione::InteramenteReagente},
                         Prova{0, -1, 0, StatoSezione::InteramenteReagente},
                         Prova{0, 1, 0, StatoSezione::SoloAcciaio}}) {
    int stato = 9;
    const Poligono parte = ParteReagente(Quadrato(), p.x, p.y, p.w, 0, 1, -20, stato);
    EXPECT_EQ(stato, p.stato) << p.x << " " << p.y << " " << p.w;
    EXPECT_EQ(parte.nVertici(), stato == StatoSezione::InteramenteReagente ? 4 : 0);
  }
}

TEST(ParteReagente, APartWrittenIntoAUsedPolygonIsANewPolygon) {
  // The polygon held a bigger part, its properties and its strips.
  Poligono parte;
  parte.Coordinate(Vettore<double>{0, 20, 20, 0, -5}, Vettore<double>{0, 0, 20, 20, 9}, 5);
  parte.CaratteristicheStatiche();
  double altezza, larghezza, yMax;
  ASSERT_TRUE(parte.DiscretizzaPoligono(4, altezza, larghezza, yMax));
  int stato = 9;
  // The square above y = 4: the crossing (10,4), the two top corners, (0,4).
  ParteReagente(Quadrato(), 0, 10, 1, 0, 1, -4, stato, parte);
  EXPECT_EQ(stato, StatoSezione::Parzializzata);
  EXPECT_EQ(parte.CoordX(), (Vettore<double>{10, 10, 0, 0}));
  EXPECT_EQ(parte.CoordY(), (Vettore<double>{4, 10, 10, 4}));
  EXPECT_EQ(parte.nRettangolini_, 0);
  EXPECT_NEAR(Area(parte), 60, 1e-9);
  // A line that misses the square on the far side leaves no concrete.
  ParteReagente(Quadrato(), 0, 30, 1, 0, 1, -20, stato, parte);
  EXPECT_EQ(stato, StatoSezione::SoloAcciaio);
  EXPECT_EQ(parte.nVertici(), 0);
}
