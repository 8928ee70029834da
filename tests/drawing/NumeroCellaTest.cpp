#include <gtest/gtest.h>

#include <stdexcept>

#include "doppi/SistemaProva.h"
#include "drawing/NumeroCella.h"

using namespace NumeroCella;

TEST(NumeroCella, AWholeNumberInTheLocalesWritingAndNothingElse) {
  SeparatoriProva italiano(",", ".");
  for (const char* testo : {"5", " -1.234,5E+2 ", "+,5", "3D2", "0,", "30.5"})
    EXPECT_TRUE(Numerico(testo)) << testo;
  for (const char* testo : {"", " ", ",", "1e", "1,2,3", "12 kN", "--1", "1 2", "3.5,2", "30.5.2"})
    EXPECT_FALSE(Numerico(testo)) << testo;
  EXPECT_DOUBLE_EQ(Valore(" -1.234,5E+2 "), -123450);
  EXPECT_DOUBLE_EQ(Valore("30.5"), 30.5);
  EXPECT_THROW(Valore(""), std::invalid_argument);
}
