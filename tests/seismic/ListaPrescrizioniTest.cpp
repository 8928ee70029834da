#include <gtest/gtest.h>

#include "seismic/ListaPrescrizioni.h"

using Sismica::SostituisciSimboli;
using Sismica::TestoPrescrizioni;

TEST(ListaPrescrizioni, OneLinePerTextOrOk) {
  EXPECT_EQ(TestoPrescrizioni({}), "OK prescrizioni");
  EXPECT_EQ(TestoPrescrizioni({"uno"}), "uno");
  EXPECT_EQ(TestoPrescrizioni({"uno", "due"}), "uno\r\ndue");
}

TEST(ListaPrescrizioni, PlaceholdersBecomeGreekLettersAtTheirPlaces) {
  const struct {
    std::string testo;
    std::string atteso;
    std::vector<int> simboli;
  } casi[] = {
      {"Omega_wd nella zona critica deve essere >= 0.08 - EC8 #5.5.3.2.2(10)",
       "\u03C9wd nella zona critica deve essere >= 0.08 - EC8 #5.5.3.2.2(10)", {0}},
      {"con _Gamma_Rd = 1,3 e _Gamma_Rd", "con \u03B3Rd = 1,3 e \u03B3Rd", {4, 16}},
      // Positions count characters: "à" is one.
      {"Duttilità: _r_ e Omega_st, cot_Teta_ =", "Duttilità: \u03C1 e \u03C9st, cot\u03B8 =",
       {11, 15, 23}},
      {"omega_ e _R_ e _gamma_ restano", "omega_ e _R_ e _gamma_ restano", {}},
  };
  for (const auto& caso : casi) {
    const Sismica::TestoSimboli esito = SostituisciSimboli(caso.testo);
    EXPECT_EQ(esito.Testo, caso.atteso);
    EXPECT_EQ(esito.Simboli, caso.simboli) << caso.testo;
  }
  // Only the first n rows of the table.
  EXPECT_EQ(SostituisciSimboli("Omega_ _r_", 1).Testo, "\u03C9 _r_");
}
