#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "doppi/SistemaProva.h"
#include "model/GeneraleTesto.h"

using Generale::TogliCarattere;
using Generale::ValNumero;

TEST(TogliCarattere, ByCharacterPositionInsideTheText) {
  EXPECT_EQ(TogliCarattere(" 12.50", 6), " 12.5");
  EXPECT_EQ(TogliCarattere("1\u202F234", 3), "1\u202F34");
  EXPECT_EQ(TogliCarattere("1\u202F234", 2), "1234");
  EXPECT_EQ(TogliCarattere("abc", 0), "abc");
  EXPECT_EQ(TogliCarattere("abc", 4), "abc");
}

TEST(ValNumero, LocaleSeparatorsThenThePlainNumberReading) {
  const std::pair<const char*, double> punto[] = {
      {"1,234.5", 1234.5}, {" -12.5 cm", -12.5}, {"1 2 3", 123}, {"+.5", 0.5}, {"-2d-2", -0.02},
      {"3E", 3},           {"12.5.3", 0},       {"", 0},        {"-", 0},     {"inf", 0}};
  for (auto [testo, atteso] : punto) EXPECT_DOUBLE_EQ(ValNumero(testo), atteso) << testo;
  {
    // A point groups thousands only before exactly three digits, after a
    // first group of one to three digits or a group of three.
    SeparatoriProva virgola(",", ".");
    const std::pair<const char*, double> italiani[] = {
        {"1.234,5", 1234.5}, {"-1.234", -1234},  {"1.234.567", 1234567}, {"12.5", 12.5},
        {"30.5", 30.5},      {"1.2345", 1.2345}, {"1234.567", 1234.567}, {"0.125", 0.125},
        {"1.234.5", 1234.5}, {"2.5E3", 2500}};
    for (auto [testo, atteso] : italiani) EXPECT_DOUBLE_EQ(ValNumero(testo), atteso) << testo;
    for (const char* testo : {"30.5.2", "3.5,2", "3,5,7", "1,234.5", "1e309", "x"}) {
      EXPECT_EQ(ValNumero(testo), 0) << testo;
      const Generale::RifiutaNumeriNonValidi rifiuta;
      EXPECT_THROW(ValNumero(testo), Generale::NumeroNonValido) << testo;
    }
    EXPECT_EQ(ValNumero("abc"), 0);
  }
  SeparatoriProva francese(",", "\u202F");
  EXPECT_DOUBLE_EQ(ValNumero("1\u202F234\u202F567,5"), 1234567.5);
}

// Shifted on its decimal digits: 2.1 per mille is the double of 0.0021,
// which 2.1 / 1000 = 0.0021000000000000003 is not.
TEST(DivisoPotenzaDieci, GivesTheDoubleOfTheShiftedDecimal) {
  const std::tuple<double, int, double> casi[] = {
      {2.1, 3, 0.0021}, {67.5, 3, 0.0675}, {-3.5, 3, -0.0035}, {0.35, -2, 35},
      {0, 3, 0},        {391.3, 0, 391.3}, {1e308, -3, HUGE_VAL}};
  for (auto [x, potenza, atteso] : casi)
    EXPECT_EQ(Generale::DivisoPotenzaDieci(x, potenza), atteso) << x << " " << potenza;
  // A Single on its own digits: 123456.7f is 123456.703125 as a double.
  EXPECT_EQ(Generale::DivisoPotenzaDieci(123456.7f, 3), 123.4567);
}
