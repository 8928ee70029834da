#include <gtest/gtest.h>

#include "model/Barra.h"
#include "model/VariabiliPubbliche.h"

TEST(Barra, AreaAndWeightOfAGroup) {
  Barra b;
  EXPECT_EQ(b.Area(), 0);
  EXPECT_EQ(b.Peso(), 0);
  b.nBarre = 4;
  b.Diametro = 20;
  EXPECT_FLOAT_EQ(b.Area(), 1256.6371f);
  EXPECT_NEAR(b.Peso(), 9.8646, 1e-4);
  EXPECT_FLOAT_EQ(VariabiliPubbliche::AreaBarra(20), 314.15927f);
  EXPECT_FLOAT_EQ(VariabiliPubbliche::PesoBarre(0.016, 3.5), 5.5241765f);
}

TEST(Barra, KeepsACopyOfItsPositions) {
  Barra b;
  Vettore<double> x{-120, 0, 120};
  b.AssegnaPosizione(x);
  x(2) = 50;
  EXPECT_EQ(b.Posizione_, (Vettore<double>{-120, 0, 120}));
}
