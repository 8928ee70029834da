// The stirrups of a 300 x 500 beam, cover 20 mm, of 8 mm, drawn on a device
// that keeps world coordinates: x from the middle of the width, y up from the
// bottom face. DetrazioneStaffa 48: leg axes from -126 to 126, 452 high;
// bends of 2.5 x 8 = 20 mm on the axis; hooks of 80 mm.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "DisegnoDxf.h"
#include "drawing/Grafica_Disegno.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

class StaffeDisegno : public ::testing::Test, public DisegnoDxf {
 protected:
  StaffeDisegno() {
    Stato.DetrazioneStaffa = 48;
    Stato.SenzaStaffe = false;
    sezione_->b1 = 300;
    sezione_->h1 = 500;
    s_.Diametro = 8;
    s_.PassoEffAmin = 200;
    s_.hTesto = 40;
    Grafica::ImpostaDispositivo(1, "DXF", nullptr);
  }
  void Layout(int bracci, int codice, int gancio = 0) {
    s_.NumeroBraccia = bracci;
    s_.TipoAmin = codice;
    s_.GancioChiuso = gancio;
  }
  // Smallest and largest x of each closed polyline, in drawing order.
  std::vector<std::pair<double, double>> EstremiX() const {
    std::vector<std::pair<double, double>> v;
    for (const ChiamataEsterna* p : Chiamate("PoligonoChiuso")) {
      double lo = 1e9, hi = -1e9;
      for (std::size_t i = 0; i < p->numeri.size(); i += 2) {
        lo = std::min(lo, p->numeri[i].valore);
        hi = std::max(hi, p->numeri[i].valore);
      }
      v.emplace_back(lo, hi);
    }
    return v;
  }
  bool Scritto(const std::string& t) const { return Testo(t) != nullptr; }

  platform::MsgBoxScriptato msg_;
  std::shared_ptr<SezioneCA> sezione_ = VariabiliPubbliche::SezioneCorrente();
  Staffe& s_ = sezione_->StaffeCamp();
};

TEST_F(StaffeDisegno, SixLegsInTheSectionAsTheOuterFacesOfThreeStirrups) {
  Layout(6, 6);
  s_.InserisceStaffe(0, 500);
  // Inner stirrups 50.4 wide with their left legs at 50.4 and 151.2 from the
  // outer one's: legs at -75.6, -25.2 and 25.2, 75.6; faces 4 mm outside.
  const auto x = EstremiX();
  ASSERT_EQ(x.size(), 3u);
  const double attesi[3][2] = {{-130, 130}, {-79.6, -21.2}, {21.2, 79.6}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(x[static_cast<std::size_t>(k)].first, attesi[k][0], 1e-4);
    EXPECT_NEAR(x[static_cast<std::size_t>(k)].second, attesi[k][1], 1e-4);
  }
  EXPECT_TRUE(Chiamate("Poligonale").empty());  // no hooks in the section
  for (const ChiamataEsterna* p : Chiamate("PoligonoChiuso")) EXPECT_EQ(p->colore, 1);
}

TEST_F(StaffeDisegno, HooksOf135DegreesLeaveTheBendAt45Degrees) {
  for (int gancio : {1, 0}) {
    dxf.chiamate.clear();
    Layout(2, 1, gancio);
    s_.InserisceEsploso(500, 1, 0);
    // Origin 2 x 452 below the reference: the top-left bend centred at
    // (-126 + 20, 452 - 20 + 24 - 904).
    const double xc = -106, yc = -448;
    const auto ganci = Chiamate("Poligonale");
    ASSERT_EQ(ganci.size(), 4u);  // two hooks, two faces each
    for (const ChiamataEsterna* g : ganci) {
      const std::size_t n = g->numeri.size();
      ASSERT_EQ(n, gancio == 1 ? 6u : 4u);
      const double x0 = g->numeri[0].valore, y0 = g->numeri[1].valore;
      const double xa = g->numeri[n - 4].valore, ya = g->numeri[n - 3].valore;
      const double xb = g->numeri[n - 2].valore, yb = g->numeri[n - 1].valore;
      // The face starts on the bend: 20 -+ 4 from its centre (one bar in for 90 degrees).
      const double r = std::hypot(x0 - xc, y0 - yc);
      const double asse = gancio == 1 ? 20 : 12;
      EXPECT_TRUE(std::fabs(r - (asse - 4)) < 1e-9 || std::fabs(r - (asse + 4)) < 1e-9) << r;
      // Then 80 mm straight: into the core at 45 degrees, or along a side.
      EXPECT_NEAR(std::hypot(xb - xa, yb - ya), 80, 1e-9);
      if (gancio == 1) {
        EXPECT_NEAR(xb - xa, 80 / std::sqrt(2.0), 1e-9);
        EXPECT_NEAR(yb - ya, -80 / std::sqrt(2.0), 1e-9);
      } else {
        EXPECT_TRUE(std::fabs(xb - xa) < 1e-9 || std::fabs(yb - ya) < 1e-9);
      }
    }
    EXPECT_EQ(Chiamate("PoligonoChiuso").size(), 2u);  // the two faces
    EXPECT_TRUE(Scritto("8"));
  }
}

TEST_F(StaffeDisegno, ExplodedViewLabelsEachLayout) {
  // Two stirrups of (252 + 84) / 2 = 168 overlapping: 2 x (90 + 16 + 34).
  Layout(4, 2);
  s_.InserisceEsploso(500, 1, 0);
  EXPECT_TRUE(Scritto("Staffe Ø8/20cm  Ltot = 2x140 cm"));
  EXPECT_TRUE(Scritto("17 cm"));
  // Six legs: outer 156, two inner of 90 + 16 + 10.
  dxf.chiamate.clear();
  Layout(6, 6);
  s_.InserisceEsploso(500, 1, 0);
  EXPECT_TRUE(Scritto("Staffe Ø8/20cm  Ltot = 156 + 2x116 cm"));
  EXPECT_EQ(Chiamate("PoligonoChiuso").size(), 6u);  // three stirrups, two faces each
  // Position 0 draws nothing.
  dxf.chiamate.clear();
  s_.InserisceEsploso(500, 0, 0);
  EXPECT_TRUE(dxf.chiamate.empty());
  EXPECT_TRUE(msg_.Testi().empty());
}

TEST_F(StaffeDisegno, ExplodedViewOfALayoutNotDrawnSaysSoEveryTime) {
  Layout(4, 7);
  s_.InserisceEsploso(500, 1, 0);
  s_.InserisceEsploso(500, 1, 0);
  EXPECT_EQ(msg_.Testi(), (std::vector<std::string>{"InserisceEsploso non implementato Case 7",
                                                     "InserisceEsploso non implementato Case 7"}));
  EXPECT_FALSE(Scritto("Staffe Ø8/20cm  Ltot = 156 + 122 cm"));
}

}  // namespace
