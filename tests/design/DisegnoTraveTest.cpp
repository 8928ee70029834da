// The detailing drawing of a 300 x 500 beam, cover 20 mm, stirrups of 8 mm
// with four legs, holders of 12 mm, recorded on a device that keeps world
// coordinates. Expected places worked out by hand:
//   DetrazioneStaffa = 2 x 20 + 8 = 48: leg axes at -126, -42, 42, 126;
//   a holder touches the inside of a bend of inner radius 16:
//   x1 = 16 - (16 - 6)/sqrt(2) + 4 = 12.9289 from the leg axis, so holders at
//   +-113.0711 and +-29.0711, 24 + x1 = 36.9289 from the faces;
//   five bottom bars in the gaps 84, 58.1421, 84 go 2, 1, 2:
//   -85.0711, -57.0711, 0, 57.0711, 85.0711; bar centres touch the stirrup,
//   24 + 4 + d/2 from the face.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "DisegnoDxf.h"
#include "drawing/GraficaStato.h"
#include "model/TestoUtf8.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Stampante.h"
#include "platform/SurfaceRegistrata.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr double x1 = 20 - 10 / 1.4142135623730951;

Barra Gruppo(short n, float d, const char* tipo) {
  Barra b;
  b.nBarre = n;
  b.Diametro = d;
  b.Tipo = tipo;
  return b;
}

class DisegnoTrave : public ::testing::Test, public DisegnoDxf {
 protected:
  DisegnoTrave() {
    Stato.DetrazioneStaffa = 48;
    Stato.CopriferroProgetto = 20;
    Stato.SenzaStaffe = false;
    Stato.TitoloSezione = "Trave T1";
    s->b1 = 300;
    s->h1 = 500;
    Staffe& st = s->StaffeCamp();
    st.Diametro = 8;
    st.NumeroBraccia = 4;
    st.TipoAmin = 5;
    st.PassoEffAmin = 200;
    st.GancioChiuso = 1;
    s->CollReggiInf = {Gruppo(4, 12, "REGGI-INF")};
    s->CollReggiSup = {Gruppo(4, 12, "REGGI-SUP")};
    s->CollInf = {Gruppo(1, 20, "FERRI-INF"), Gruppo(4, 16, "FERRI-INF")};
    s->CollSup = {Gruppo(2, 12, "FERRI-SUP")};
    s->TipoPlottaggio = "CON-STAFFE";
  }
  ~DisegnoTrave() override { s->TipoPlottaggio.clear(); }

  void Disegna() { s->PlottaSezione("DXF", nullptr); }
  // The circle of radius r at (x, y), within 1e-3 mm.
  bool Cerchio(double x, double y, double r) const {
    for (const ChiamataEsterna* c : Chiamate("Cerchio"))
      if (std::fabs(c->numeri[0].valore - x) < 1e-3 && std::fabs(c->numeri[1].valore - y) < 1e-3 &&
          std::fabs(c->numeri[2].valore - r) < 1e-3)
        return true;
    return false;
  }

  platform::MsgBoxScriptato box;
  std::shared_ptr<SezioneCA> s = VariabiliPubbliche::SezioneCorrente();
};

// 420 wide: W = 372, legs +-62, +-186. The standard places, 16s 124 / 3 = 41.33 apart from the
// outer holder, leave the inner one 186 - x1 - 82.67 - 8 - 66 = 16.4 from the face of the inner
// leg, under 20: the bars go into the gaps, the outer ones from the holder's face 180 - x1 to the
// leg's face 66, two 16s at equal clear gaps (114 - x1 - 2 x 20) / 3 = 20.36 taken for the 20;
// the 20 in the middle, 62 - x1 - 6 - 10 = 33 clear of the holders, 48 of the legs' faces.
TEST_F(DisegnoTrave, BarsHoldersAndOutlineInTheBeamsFrame) {
  s->b1 = 420;
  Disegna();
  const auto contorni = Chiamate("PoligonoChiuso");
  ASSERT_FALSE(contorni.empty());
  const std::vector<Grafica::Numero>& c = contorni[0]->numeri;
  const double rettangolo[] = {-210, 0, 210, 0, 210, 500, -210, 500};
  ASSERT_GE(c.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) EXPECT_NEAR(c[i].valore, rettangolo[i], 1e-9);
  EXPECT_EQ(contorni[0]->colore, 3);

  for (double x : {-186 + x1, -62 + x1, 62 - x1, 186 - x1}) {
    EXPECT_TRUE(Cerchio(x, 24 + x1, 6)) << x;
    EXPECT_TRUE(Cerchio(x, 500 - 24 - x1, 6)) << x;
  }
  // The single 20 takes the middle slot; the four 16s the others in order.
  EXPECT_TRUE(Cerchio(0, 38, 10));
  const double luce = (114 - x1 - 40) / 3;
  for (double lato : {-1, 1}) {
    for (double x : {luce + 10, 2 * luce + 30})
      EXPECT_TRUE(Cerchio(lato * (180 - x1 - x), 36, 8)) << x;
    EXPECT_TRUE(Cerchio(lato * (186 - x1 - 62), 466, 6));
  }
  EXPECT_EQ(Chiamate("Cerchio").size(), 4u + 4u + 5u + 2u);
}

TEST_F(DisegnoTrave, LeadersAndLabelsNumberTheGroups) {
  Disegna();
  // Bottom holders, top holders, bottom bars, top bars; labels 120 mm right
  // of the section, 60 apart below it and above it.
  const struct {
    const char* testo;
    double y;
  } attesi[] = {{" P.1 4Ø12", -60}, {" P.3 1Ø20", -120}, {" P.4 4Ø16", -180},
                {" P.2 4Ø12", 560}, {" P.5 2Ø12", 620}};
  for (const auto& a : attesi) {
    const ChiamataEsterna* t = Testo(a.testo);
    ASSERT_NE(t, nullptr) << a.testo;
    EXPECT_DOUBLE_EQ(t->numeri[0].valore, 270);
    EXPECT_DOUBLE_EQ(t->numeri[1].valore, a.y);
    EXPECT_DOUBLE_EQ(t->numeri[2].valore, 40);
    EXPECT_EQ(t->colore, 1);
    // Its leader ends at the label, in colour 8.
    bool leader = false;
    for (const ChiamataEsterna* l : Chiamate("Linea"))
      leader |= l->colore == 8 && l->numeri[2].valore == 270 && l->numeri[3].valore == a.y;
    EXPECT_TRUE(leader) << a.testo;
  }
  EXPECT_NE(Testo("Trave T1"), nullptr);
}

TEST_F(DisegnoTrave, StirrupsInsideAndExplodedBelowEverything) {
  Disegna();
  // In the section: outer and inner stirrups as their outer faces.
  std::vector<std::pair<double, double>> estremiX;
  double yMinEsploso = 1e9;
  for (const ChiamataEsterna* p : Chiamate("PoligonoChiuso")) {
    if (p->numeri.size() != 40) continue;
    double xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
    for (std::size_t i = 0; i < 40; i += 2) {
      xmin = std::min(xmin, p->numeri[i].valore);
      xmax = std::max(xmax, p->numeri[i].valore);
      ymin = std::min(ymin, p->numeri[i + 1].valore);
      ymax = std::max(ymax, p->numeri[i + 1].valore);
    }
    if (ymin >= 0) {
      EXPECT_NEAR(ymin, 20, 1e-6);
      EXPECT_NEAR(ymax, 480, 1e-6);
      estremiX.emplace_back(xmin, xmax);
    } else {
      // The exploded view lies under the lowest label.
      EXPECT_LT(ymax, -180);
      yMinEsploso = std::min(yMinEsploso, ymin);
    }
  }
  std::sort(estremiX.begin(), estremiX.end());
  ASSERT_EQ(estremiX.size(), 2u);
  EXPECT_NEAR(estremiX[0].first, -130, 1e-6);
  EXPECT_NEAR(estremiX[0].second, 130, 1e-6);
  EXPECT_NEAR(estremiX[1].first, -46, 1e-6);
  EXPECT_NEAR(estremiX[1].second, 46, 1e-6);
  // Cut lengths: outer 2 x 45 + 2 x 8 + 2 x 25 = 156, inner 2 x 45 + 2 x 8 + 2 x 8 = 122.
  const ChiamataEsterna* etichetta = Testo("Staffe Ø8/20cm  Ltot = 156 + 122 cm");
  ASSERT_NE(etichetta, nullptr);
  EXPECT_LT(etichetta->numeri[1].valore, yMinEsploso);
  EXPECT_NE(Testo("25 cm"), nullptr);
  EXPECT_NE(Testo("8 cm"), nullptr);
  EXPECT_NE(Testo("8"), nullptr);  // the hook, cm
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST_F(DisegnoTrave, WithoutStirrupsNoHoldersNorExplodedView) {
  Stato.SenzaStaffe = true;
  s->StaffeCamp().Diametro = 0;  // nobody sets it without stirrups
  Disegna();
  EXPECT_EQ(Testo(" P.1 4Ø12"), nullptr);
  const ChiamataEsterna* primo = Testo(" P.3 1Ø20");
  ASSERT_NE(primo, nullptr);
  EXPECT_DOUBLE_EQ(primo->numeri[1].valore, -60);
  for (const ChiamataEsterna* t : Chiamate("Testo"))
    EXPECT_EQ(t->testo.find("Staffe"), std::string::npos);
  EXPECT_EQ(Chiamate("Cerchio").size(), 7u);
  // Cover to cover whatever the stirrups: 16 16 20 16 16 in 260, (260 - 84) / 4 = 44 clear.
  for (double x : {-122, -62, 62, 122}) EXPECT_TRUE(Cerchio(x, 28, 8)) << x;
  EXPECT_TRUE(Cerchio(0, 30, 10));
  for (double x : {-124, 124}) EXPECT_TRUE(Cerchio(x, 474, 6)) << x;
}

// Every circle, line and text (taken as 0.6 of its height wide per
// character, its top at the point written) inside the window the surface
// was scaled to.
void TuttoNellaFinestra(const platform::SurfaceRegistrata& s) {
  const double sinistra = s.ScaleLeft(), destra = s.ScaleLeft() + s.ScaleWidth();
  const double alto = std::max(s.ScaleTop(), s.ScaleTop() + s.ScaleHeight());
  const double basso = std::min(s.ScaleTop(), s.ScaleTop() + s.ScaleHeight());
  auto dentro = [&](double x, double y) {
    return x >= sinistra && x <= destra && y >= basso && y <= alto;
  };
  int testi = 0;
  for (const platform::ChiamataSurface& c : s.Chiamate()) {
    const std::vector<double>& v = c.numeri;
    if (c.nome == "Line") {
      EXPECT_TRUE(dentro(v[0], v[1]) && dentro(v[2], v[3])) << v[0] << " " << v[1];
    } else if (c.nome == "Circle") {
      EXPECT_TRUE(dentro(v[0] - v[2], v[1] - v[2]) && dentro(v[0] + v[2], v[1] + v[2]));
    } else if (c.nome == "Print") {
      ++testi;
      const double larghezza = 0.6 * 40 * TestoUtf8::NumeroCaratteri(c.testo);
      EXPECT_TRUE(dentro(v[0], v[1]) && dentro(v[0] + larghezza, v[1] - 40)) << c.testo;
    }
  }
  EXPECT_GE(testi, 10);
}

TEST_F(DisegnoTrave, LabelsTitleAndExplodedViewFitTheScreenAndThePaper) {
  platform::SurfaceRegistrata video{380, 350};
  video.Scale();
  s->PlottaSezione("VIDEO", &video);
  TuttoNellaFinestra(video);
  platform::SurfaceRegistrata carta{4800, 6600, 2.4};
  platform::ImpostaStampante(&carta);
  s->PlottaSezione("STAMPANTE", nullptr);
  platform::ImpostaStampante(nullptr);
  TuttoNellaFinestra(carta);
  // Texts are drawn at their drawing height, and the switch is put back.
  EXPECT_FALSE(Grafica::Stato.TestoVideo);
}

TEST(PosizioniStandard, BarsShareTheGapsBetweenTheLegs) {
  // Four legs, seven bars: 2, 3, 2.
  const Vettore<double> quattro{-90, -30, 30, 90};
  EXPECT_EQ(SezioneCA::PosizioniStandard(7, quattro),
            (Vettore<double>{-70, -50, -15, 0, 15, 50, 70}));
  // Six legs, eight bars: 1, 2, 2, 2, 1.
  const Vettore<double> sei{-100, -60, -20, 20, 60, 100};
  const Vettore<double> otto = SezioneCA::PosizioniStandard(8, sei);
  const double attesi[] = {-80, -60 + 40.0 / 3, -60 + 80.0 / 3, -20 + 40.0 / 3,
                           -20 + 80.0 / 3, 20 + 40.0 / 3, 20 + 80.0 / 3, 80};
  ASSERT_EQ(otto.Conta(), 8);
  for (int i = 1; i <= 8; ++i) EXPECT_NEAR(otto(i), attesi[i - 1], 1e-12);
  // Two legs, three bars: the quarters.
  EXPECT_EQ(SezioneCA::PosizioniStandard(3, Vettore<double>{-100, 100}),
            (Vettore<double>{-50, 0, 50}));
  EXPECT_TRUE(SezioneCA::PosizioniStandard(0, quattro).Vuoto());
  EXPECT_TRUE(SezioneCA::PosizioniStandard(3, Vettore<double>{-90, -30, 30}).Vuoto());
}

TEST(PosizioniStandard, AGroupNeverTakesASlotTwice) {
  // Five free slots -70, -50, 0, 50, 70; four bars of their own would stand
  // at -60, -10, 10, 60. The second bar's nearest is the middle slot, its own
  // mirror: the third bar takes the nearest one still free instead.
  const Vettore<double> P{-90, -30, 30, 90};
  Vettore<double> libere = SezioneCA::PosizioniStandard(5, P);
  int f = 5;
  const Vettore<double> x = SezioneCA::PosizioniBarra(libere, f, P, 4);
  EXPECT_EQ(x, (Vettore<double>{-70, 0, 50, 70}));
  EXPECT_EQ(f, 1);
  EXPECT_EQ(libere, (Vettore<double>{-50}));
  // The last bar takes the last slot.
  EXPECT_EQ(SezioneCA::PosizioniBarra(libere, f, P, 1), (Vettore<double>{-50}));
  EXPECT_EQ(f, 0);
}

}  // namespace

namespace {

// Twelve 20s in the 300 mm beam, 20 clear of each other, the holders and the legs' faces (legs
// +-42, +-126). Row 1: one in each outer gap, between the holder's face 107.07 and the leg's face
// 46 (61.07 >= 20 + 20 + 20), centred at 76.54 (two: 100); none in the middle, 46.14 between the
// holders. Further in, 20 + 20 = 40 a row, one in each gap between the legs' faces (76 wide, two
// need 100), centred at 0 and +-84: 3, 3, 3.
TEST_F(DisegnoTrave, BarsThatOverlapInOneRowGoIntoAnother) {
  s->CollInf = {Gruppo(12, 20, "FERRI-INF")};
  Disegna();
  std::vector<std::array<double, 3>> cerchi;
  for (const ChiamataEsterna* c : Chiamate("Cerchio"))
    if (std::fabs(c->numeri[1].valore) < 200)
      cerchi.push_back({c->numeri[0].valore, c->numeri[1].valore, c->numeri[2].valore});
  std::array<int, 4> file{};
  for (const auto& c : cerchi)
    for (int k = 0; k < 4; ++k)
      file[k] += std::fabs(c[2] - 10) < 1e-3 && std::fabs(c[1] - (38 + 40 * k)) < 1e-3;
  EXPECT_EQ(file, (std::array<int, 4>{2, 3, 3, 3}));
  for (auto [x, y] : {std::pair{(113.0711 - 6 + 46) / 2, 38.0}, {84.0, 78.0}, {0.0, 158.0}})
    EXPECT_TRUE(Cerchio(-x, y, 10)) << y;
  // Every two circles, holders too, at least 20 mm clear; every bar 20 clear of the legs.
  for (std::size_t i = 0; i < cerchi.size(); ++i) {
    for (std::size_t j = i + 1; j < cerchi.size(); ++j)
      EXPECT_GE(std::hypot(cerchi[i][0] - cerchi[j][0], cerchi[i][1] - cerchi[j][1]),
                cerchi[i][2] + cerchi[j][2] + 20 - 1e-6);
    for (double braccio : {-126, -42, 42, 126})
      if (cerchi[i][2] > 6) EXPECT_GE(std::fabs(cerchi[i][0] - braccio), 10 + 4 + 20 - 1e-6);
  }
}

}  // namespace
