#include <gtest/gtest.h>

#include <cmath>

#include "doppi/FinestreProva.h"
#include "doppi/SistemaProva.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FormInMemoria.h"

using namespace VariabiliPubbliche;
using platform::QBColor;

TEST(UnitaLunghezza, CentimetresMillimetresAndAnythingElseAsCentimetres) {
  StatoPulito pulito;
  EXPECT_DOUBLE_EQ(LunghezzaDaMm(125), 12.5);
  EXPECT_DOUBLE_EQ(LunghezzaInMm(12.5), 125);
  EXPECT_DOUBLE_EQ(AreaDaMm2(314), 3.14);
  EXPECT_DOUBLE_EQ(AreaInMm2(3.14), 314);
  EXPECT_DOUBLE_EQ(InerziaDaMm4(2e8), 2e4);
  EXPECT_EQ(LunghezzaDaMmConUnita(125), "12.5 cm");
  EXPECT_EQ(FormattaArea(31415.9), "314.16");
  Stato.UnitaLunghezza = "mm";
  EXPECT_DOUBLE_EQ(LunghezzaDaMm(125) + LunghezzaInMm(2) + AreaDaMm2(3) + AreaInMm2(4), 134);
  EXPECT_DOUBLE_EQ(InerziaDaMm4(2e8), 2e8);
  EXPECT_EQ(LunghezzaDaMmConUnita(125), "125 mm");
  EXPECT_EQ(FormattaArea(31415.9), "31416");
  Stato.UnitaLunghezza = "m";
  EXPECT_DOUBLE_EQ(LunghezzaDaMm(125), 12.5);
  SeparatoriProva virgola(",", ".");
  EXPECT_EQ(LunghezzaDaMmConUnita(125), "12,5 m");
}

TEST(FormattaValore, ZeroUpToTheStrictThreshold) {
  // Not a number is never zero, nor a text with its first character cut.
  EXPECT_EQ(FormattaValore(INFINITY, true), "-");
  EXPECT_EQ(FormattaValore(-INFINITY), "-");
  EXPECT_EQ(FormattaValore(NAN), "-");
  EXPECT_EQ(FormattaValore(0.001), "0");
  EXPECT_EQ(FormattaValore(-0.001), "0");
  EXPECT_EQ(FormattaValore(0.0011), " 0.0011");
  EXPECT_EQ(FormattaValore(12.5, true), "12.5");
  EXPECT_EQ(FormattaValore(-123456789), "-1.235E+08");
}

TEST(ColoriDelSegno, ColourFollowsTheSignPosition) {
  platform::FormInMemoria f("Main");
  platform::Control& c = f.Controllo("F_sigma_c");
  ColoraSegno(c, "-12.5");
  EXPECT_EQ(c.ForeColor(), QBColor(12));
  ColoraSegno(c, " 12.5");
  EXPECT_EQ(c.ForeColor(), QBColor(9));

  // Each case: text given, text after, colour after.
  const std::tuple<std::string, std::string, int> casi[] = {
      {" 12.5", "-12.5", 12}, {"-12.5", " 12.5", 9},
      {"12.5", "-2.5", 12},  // no sign position: the first digit goes
      {FormattaValore(0.0005), "0", 9}};  // zero has no sign to turn
  for (auto [testo, atteso, colore] : casi) {
    InvertiSegnoTesto(c, testo);
    EXPECT_EQ(testo, atteso);
    EXPECT_EQ(c.Text(), atteso);
    EXPECT_EQ(c.ForeColor(), QBColor(colore)) << atteso;
  }
}

TEST(DimensionaGriglia, EqualRightAlignedColumnsAndAWiderHeader) {
  platform::FlexGrid g;
  g.SetWidth(4313);
  g.SetRows(10);
  g.SetRow(5);
  DimensionaGriglia(g, 3, 4, 2);  // (4313 - 313) / 5 = 800
  EXPECT_EQ(g.Rows(), 5);
  EXPECT_EQ(g.Cols(), 4);
  EXPECT_EQ(g.Row(), 0);
  EXPECT_EQ(g.ColWidth(0), 1600);
  EXPECT_EQ(g.ColWidth(3), 800);
  EXPECT_EQ(g.ColAlignment(3), platform::AllineamentoDestraCentro);
  EXPECT_EQ(g.ColAlignment(0), platform::AllineamentoGenerale);
  g.SetWidth(2563);
  DimensionaGriglia(g, 3, 1, 1);  // 562.5 rounds to even
  EXPECT_EQ(g.ColWidth(1), 562);
  // Too narrow a grid, or no columns at all: no negative widths.
  g.SetWidth(100);
  DimensionaGriglia(g, 2, 3, 1);
  EXPECT_EQ(g.ColWidth(2), 0);
  DimensionaGriglia(g, 0, 3, 0);
  EXPECT_EQ(g.ColWidth(0), 0);
}
