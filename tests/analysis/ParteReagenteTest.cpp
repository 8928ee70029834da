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
