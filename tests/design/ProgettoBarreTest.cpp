// Bar combinations: enumeration, order, the cut at 200, the bar texts.
#include <cmath>

#include "ProgettoProva.h"

using VariabiliPubbliche::Stato;

namespace {

const double a12 = M_PI * 144 / 4, a14 = M_PI * 196 / 4, a16 = M_PI * 256 / 4, a20 = M_PI * 400 / 4,
             a6 = M_PI * 36 / 4;

void Uguale(const Combinazione& c, double area, float n1, float n2, float n3 = 0) {
  EXPECT_NEAR(c[0], area, 1e-3);
  EXPECT_EQ(c[1], n1);
  EXPECT_EQ(c[2], n2);
  EXPECT_EQ(c[3], n3);
}

TEST_F(ProgettoProva, TwoDiametersLightestFirst) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(1000, {16, 20}, r));
  // m1 bars of 16 and the 20s that cover the rest, up to five 16s alone:
  // (0,4) 1256.6, (1,3) 1143.5, (2,2) 1030.4, (3,2) 1231.5, (4,1) 1118.4, (5,0) 1005.3.
  ASSERT_EQ(r.size(), 6u);
  Uguale(r[0], 5 * a16, 5, 0);
  Uguale(r[1], 2 * a16 + 2 * a20, 2, 2);
  Uguale(r[2], 4 * a16 + a20, 4, 1);
  Uguale(r[3], a16 + 3 * a20, 1, 3);
  Uguale(r[4], 3 * a16 + 2 * a20, 3, 2);
  Uguale(r[5], 4 * a20, 0, 4);
}

TEST_F(ProgettoProva, ThreeDiametersLightestFirst) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(500, {12, 14, 16}, r));
  // 18 in all: with a third count of 0 when the first two cover 500, for each
  // count of 12s ((0,4,0) ... (4,1,0)), and (5,0,0).
  ASSERT_EQ(r.size(), 18u);
  Uguale(r[0], 2 * a14 + a16, 0, 2, 1);  // 509.0
  Uguale(r[1], a12 + 2 * a16, 1, 0, 2);  // 515.2
  Uguale(r[2], 2 * a12 + 2 * a14, 2, 2, 0);  // 534.0
  Uguale(r[3], 3 * a12 + a16, 3, 0, 1);  // 540.4
  Uguale(r[4], a14 + 2 * a16, 0, 1, 2);  // 556.0
  Uguale(r[5], 5 * a12, 5, 0, 0);  // 565.5
}

// 450 mm2 from 16, 18 and 20: one 16 and one 18 (201.1 + 254.5 = 455.5) is
// the lightest, then two 18s (508.9), before one 16 and one 20 (515.2).
TEST_F(ProgettoProva, LightestCombinationWithoutTheThirdDiameter) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(450, {16, 18, 20}, r));
  const double a18 = M_PI * 324 / 4;
  Uguale(r[0], a16 + a18, 1, 1, 0);
  Uguale(r[1], 2 * a18, 0, 2, 0);
  Uguale(r[2], a16 + a20, 1, 0, 1);
}

TEST_F(ProgettoProva, EqualAreasKeepTheEnumerationOrder) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(600, {20, 20}, r));
  ASSERT_EQ(r.size(), 3u);
  Uguale(r[0], 2 * a20, 0, 2);
  Uguale(r[1], 2 * a20, 1, 1);
  Uguale(r[2], 2 * a20, 2, 0);
  // Nothing needed: one combination without bars.
  ASSERT_TRUE(modello_.CombinazioniCalcola(-50, {20, 16}, r));
  ASSERT_EQ(r.size(), 1u);
  Uguale(r[0], 0, 0, 0);
}

// Two diameters give one combination per count of the first up to the one
// that covers the need: ceil(need / a6) + 1.
TEST_F(ProgettoProva, CutAtTwoHundredWithRemarkOrMessage) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(static_cast<float>(199 * a6 - 1), {6, 26}, r));
  EXPECT_EQ(r.size(), 200u);
  EXPECT_EQ(modello_.Osservazioni, "");
  ASSERT_TRUE(modello_.CombinazioniCalcola(static_cast<float>(200 * a6 - 1), {6, 26}, r));
  EXPECT_EQ(r.size(), 200u);
  EXPECT_EQ(modello_.Osservazioni,
            "201 combinazioni di barre: vengono considerate solo le migliori 200.");
  EXPECT_TRUE(msg_.Testi().empty());
  for (std::size_t i = 1; i < r.size(); ++i) EXPECT_LE(r[i - 1][0], r[i][0]);
  ASSERT_TRUE(modello_.CombinazioniCalcola(static_cast<float>(400 * a6 - 1), {6, 26}, r));
  ASSERT_EQ(msg_.Testi().size(), 1u);
  EXPECT_EQ(msg_.Testi()[0],
            "401 combinazioni di barre: vengono considerate solo le migliori 200.\r\n"
            "Il tempo di elaborazione potrebbe essere lungo!\r\n"
            "Diminuire il numero di diametri diversi!");
  EXPECT_EQ(msg_.Mostrati()[0].icona, platform::Icona::Critica);
}

TEST_F(ProgettoProva, MoreThanThreeDiametersClearTheZone) {
  std::vector<Combinazione> r;
  ASSERT_TRUE(modello_.CombinazioniCalcola(500, {12}, r));
  EXPECT_FALSE(modello_.CombinazioniCalcola(500, {12, 14, 16, 18}, r));
  EXPECT_TRUE(r.empty());
  EXPECT_EQ(msg_.Testi().back(), "Numero massimo diametri = 3");
}

TEST_F(ProgettoProva, HoldersAndFixedBarsCoverTheNeed) {
  Stato.NumeroBracci = 4;
  Stato.DiametroReggistaffe = 12;
  Stato.DiametriAutomatici = 0;
  modello_.DiametriTesi = {16, 20};
  modello_.BarreFisseTese = {static_cast<float>(2 * a16), 2, 0};
  modello_.DiametriCompressi = {16};
  modello_.BarreFisseCompresse = {0, 0};
  modello_.ArmaturaFissa();
  modello_.AsTesa = static_cast<float>(4 * a12 + 2 * a16 - 1);
  modello_.AsCompressa = 0;
  ASSERT_TRUE(modello_.ArmaturaCalcola());
  Uguale(modello_.CombinazioneTesa, 0, 0, 0);
  EXPECT_NEAR(modello_.AsTesaEffettiva, 4 * a12 + 2 * a16, 1e-3);
  EXPECT_NEAR(modello_.AsCompressaEffettiva, 4 * a12, 1e-3);
  EXPECT_EQ(modello_.ArmaturaTesto(modello_.DiametriTesi, modello_.CombinazioneTesa,
                                   modello_.BarreFisseTese),
            "4φ12+2φ16");
}

TEST_F(ProgettoProva, BarTexts) {
  Stato.NumeroBracci = 2;
  Stato.DiametroReggistaffe = 12;
  Stato.DiametriAutomatici = 1;
  const std::vector<float> fisse{0};
  EXPECT_EQ(modello_.ArmaturaTesto({16}, {3 * 201.06f, 3, 0, 0}, fisse), "2φ12+3φ16");
  EXPECT_EQ(modello_.ArmaturaTesto({16, 20}, {5, 1, 0, 0}, fisse), "2φ12+1φ16");
  // No stirrups, no holders: no "+" before the first bars.
  Stato.NumeroBracci = 0;
  EXPECT_EQ(modello_.ArmaturaTesto({16, 20}, {5, 1, 2, 0}, fisse), "1φ16+2φ20");
}

}  // namespace

namespace {

// 1e9 mm2 of 6, 8 and 10 mm bars: some 1e13 rows, refused at once.
TEST_F(ProgettoProva, NeedOutOfAllProportionRefused) {
  std::vector<Combinazione> r;
  EXPECT_FALSE(modello_.CombinazioniCalcola(1e9f, {6, 8, 10}, r));
  EXPECT_TRUE(r.empty());
  EXPECT_EQ(msg_.Testi().back(), "Troppe combinazioni di barre: aumentare i diametri!");
  // Two diameters: 3.5e7 rows of the first, also refused.
  EXPECT_FALSE(modello_.CombinazioniCalcola(1e9f, {6, 8}, r));
  EXPECT_TRUE(modello_.CombinazioniCalcola(1e5f, {6, 8}, r));
}

}  // namespace
