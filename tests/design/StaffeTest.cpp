// Stirrup widths, cut lengths and weight of a 300 x 500 beam, cover 20 mm,
// stirrups of 8 mm: the legs lie on a width W = 300 - 48 = 252 mm and a
// height of 452 mm (45 cm); hooks of 80 mm (8 cm).
#include <cmath>

#include "ProgettoProva.h"

using VariabiliPubbliche::Stato;

namespace {

class StaffeProva : public ProgettoProva {
 protected:
  StaffeProva() {
    Stato.DetrazioneStaffa = 48;
    sezione_->b1 = 300;
    sezione_->h1 = 500;
    s_.Diametro = 8;
  }
  // Widths of the layout for n legs; offset and lengths.
  float Larghezze(int bracci, int codice) {
    s_.NumeroBraccia = bracci;
    s_.TipoAmin = codice;
    float offset = -1;
    s_.LarghezzeStaffeCalcola(offset);
    return offset;
  }
  std::array<int, 2> Lunghezze() {
    int L1 = -1, L2 = -1;
    s_.LunghezzeCm(L1, L2);
    return {L1, L2};
  }
  std::shared_ptr<SezioneCA> sezione_ = VariabiliPubbliche::SezioneCorrente();
  Staffe& s_ = sezione_->StaffeCamp();
};

// One bar of 8 mm, kg per m.
const double pesoMetro = 7850 * M_PI * 0.008 * 0.008 / 4;

TEST_F(StaffeProva, TwoLegs) {
  EXPECT_EQ(Larghezze(2, 1), 0);
  // Two legs 45, two hooks 8, two sides 25 (25.2).
  EXPECT_EQ(Lunghezze(), (std::array<int, 2>{156, 0}));
  EXPECT_NEAR(s_.Peso(), pesoMetro * 1.56, 1e-5);
  double x1;
  const Vettore<double> x = s_.AscPosizTrasvReg(6, &x1);
  // The 12 mm holder touches the inside of the 16 mm bend: x1 from the leg axis.
  EXPECT_NEAR(x1, 16 - (16 - 6) / std::sqrt(2.0) + 4, 1e-9);
  ASSERT_EQ(x.Conta(), 2);
  EXPECT_NEAR(x(1), -126 + x1, 1e-9);
  EXPECT_NEAR(x(2), 126 - x1, 1e-9);
}

TEST_F(StaffeProva, FourLegs) {
  // Inner stirrup W/3 = 84 centred: legs at equal spacings of 84.
  EXPECT_FLOAT_EQ(Larghezze(4, 5), 84);
  // Inner: 2 x 45 + 2 x 8 + 2 x 8 (8.4).
  EXPECT_EQ(Lunghezze(), (std::array<int, 2>{156, 122}));
  EXPECT_NEAR(s_.LunghezzaTotale(), 2.78, 1e-6);
  EXPECT_NEAR(s_.Peso(), pesoMetro * 2.78, 1e-5);
  double x1;
  const Vettore<double> x = s_.AscPosizTrasvReg(6, &x1);
  ASSERT_EQ(x.Conta(), 4);
  const double atteso[] = {-126 + x1, -42 + x1, 42 - x1, 126 - x1};
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(x(i), atteso[i - 1], 1e-9);
}

TEST_F(StaffeProva, SixLegs) {
  // Inner stirrups W/5 = 50.4 at 50.4 and 151.2.
  EXPECT_NEAR(Larghezze(6, 6), 50.4, 1e-5);
  // Two inner of 2 x 45 + 2 x 8 + 2 x 5 (5.04).
  EXPECT_EQ(Lunghezze(), (std::array<int, 2>{156, 232}));
  EXPECT_NEAR(s_.Peso(), pesoMetro * 3.88, 1e-5);
  double x1;
  const Vettore<double> x = s_.AscPosizTrasvReg(6, &x1);
  ASSERT_EQ(x.Conta(), 6);
  // Leg axes at -126 + k 50.4; each holder inside the corner of its stirrup.
  const double gamba[] = {-126, -75.6, -25.2, 25.2, 75.6, 126};
  const double lato[] = {1, 1, -1, 1, -1, -1};
  for (int i = 1; i <= 6; ++i) EXPECT_NEAR(x(i), gamba[i - 1] + lato[i - 1] * x1, 1e-4);
}

TEST_F(StaffeProva, CentimetresHalvesToEven) {
  sezione_->b1 = 48 + 255;
  Larghezze(2, 1);
  EXPECT_EQ(Lunghezze()[0], 106 + 52);  // 25.5 -> 26
  sezione_->b1 = 48 + 245;
  Larghezze(2, 1);
  EXPECT_EQ(Lunghezze()[0], 106 + 48);  // 24.5 -> 24
}

TEST_F(StaffeProva, UnsupportedLegsToldOnce) {
  Larghezze(8, 5);
  EXPECT_EQ(msg_.Testi(), std::vector<std::string>{
                              "N° braccia = 8 non previsto in LarghezzaStaffaInternaCalcola"});
  EXPECT_EQ(s_.AscPosizTrasvReg(6).Conta(), 0);
  EXPECT_EQ(msg_.Testi().size(), 1u);
}

TEST_F(StaffeProva, LayoutCodeOfEachLegCount) {
  EXPECT_EQ(ModelloProgetto::CodiceStaffa(2), 1);
  EXPECT_EQ(ModelloProgetto::CodiceStaffa(4), 5);
  EXPECT_EQ(ModelloProgetto::CodiceStaffa(6), 6);
  EXPECT_TRUE(msg_.Testi().empty());
  EXPECT_EQ(ModelloProgetto::CodiceStaffa(8), 0);
  EXPECT_EQ(msg_.Testi(),
            std::vector<std::string>{"N° di bracci delle staffe non previsto per il plottaggio"});
}

TEST_F(StaffeProva, WithoutStirrupsTwoLegsAndNoHooks) {
  Stato.SenzaStaffe = true;
  s_.NumeroBraccia = 6;
  float offset = -1;
  s_.LarghezzeStaffeCalcola(offset);
  EXPECT_EQ(s_.NumeroBraccia, 2);
  EXPECT_EQ(offset, -1);
}

}  // namespace
