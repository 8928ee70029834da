// Hoops, ties, circular hoops and bar numbers of a column end, drawn on a
// recording device in world coordinates and checked against the geometry of
// the bars: the centre line of a stirrup runs at half a bar and half a
// stirrup diameter from each bar centre.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ColonnaProva.h"
#include "drawing/DispositivoDiProva.h"
#include "drawing/Grafica_Disegno.h"
#include "platform/MsgBoxScriptato.h"

namespace {

using Sismica::Pilastro;

struct Punto {
  double x, y;
};

class DisegnoStaffe : public ::testing::Test {
 protected:
  void SetUp() override {
    Grafica::Stato = Grafica::StatoGrafica{};
    Grafica::Stato.DispositivoGrafico = "BLOCCO";
  }

  // The polylines drawn in colour 6, and the texts in colour 7.
  std::vector<std::vector<Punto>> Polilinee() const {
    std::vector<std::vector<Punto>> tutte;
    for (const ChiamataEsterna& c : dispositivo.chiamate) {
      if (c.nome != "Poligonale" || c.colore != 6) continue;
      std::vector<Punto> punti;
      for (size_t i = 0; i + 1 < c.numeri.size(); i += 2)
        punti.push_back({c.numeri[i].valore, c.numeri[i + 1].valore});
      tutte.push_back(punti);
    }
    return tutte;
  }
  std::vector<ChiamataEsterna> Testi() const {
    std::vector<ChiamataEsterna> testi;
    for (const ChiamataEsterna& c : dispositivo.chiamate)
      if (c.nome == "Testo" && c.colore == 7) testi.push_back(c);
    return testi;
  }
  static Pilastro& P() { return AmbienteColonna::Colonna(); }
  void Disegna() {
    P().CoordinateBarre();
    P().StaffePlotta(ambiente.finestra.Controllo("frmStaffe"));
  }

  AmbienteColonna ambiente;
  DispositivoDiProva dispositivo{"BLOCCO"};
  platform::MsgBoxScriptato messaggi;
};

double DistanzaDalQuadrato(const Punto& p, double a) {
  return std::hypot(std::max(std::fabs(p.x) - a, 0.0), std::max(std::fabs(p.y) - a, 0.0));
}

bool Vicini(const Punto& p, double x, double y, double tol = 1e-3) {
  return std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol;
}

// 400 x 400, cover 40, bars of 16, hoop of 8 round the corner bars: the
// straight sides at 160 + 8 + 4 = 172 from the axis, the corners arcs of
// radius 12 round the corner bars, and two 135-degree hooks at bar 1 whose
// legs touch its circle at 45 and 225 degrees and run 10 x 8 = 80 on into
// the core, parallel to the diagonal.
TEST_F(DisegnoStaffe, HoopRoundTheCornerBarsWithItsHooksAtTheFirstBar) {
  AmbienteColonna::Staffe({{8, 1, 4, 12, 9}});
  Disegna();
  const auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  const std::vector<Punto>& staffa = linee[0];
  double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
  for (const Punto& p : staffa) {
    EXPECT_LE(DistanzaDalQuadrato(p, 160), 12 + 1e-3) << p.x << " " << p.y;
    xMin = std::min(xMin, p.x);
    xMax = std::max(xMax, p.x);
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
  }
  EXPECT_NEAR(xMin, -172, 1e-3);
  EXPECT_NEAR(xMax, 172, 1e-3);
  EXPECT_NEAR(yMin, -172, 1e-3);
  EXPECT_NEAR(yMax, 172, 1e-3);
  // Each corner bar is wrapped: some points lie on its circle of 12 outside the square.
  for (const Punto angolo : {Punto{160, 160}, Punto{-160, -160}, Punto{160, -160}}) {
    const bool avvolta = std::any_of(staffa.begin(), staffa.end(), [&](const Punto& p) {
      return std::fabs(std::hypot(p.x - angolo.x, p.y - angolo.y) - 12) < 1e-3 &&
             std::fabs(p.x) > 160.5 && std::fabs(p.y) > 160.5;
    });
    EXPECT_TRUE(avvolta) << angolo.x << " " << angolo.y;
  }
  const double k = 12 / std::sqrt(2.0), g = 80 / std::sqrt(2.0);
  const Punto sud{-160 - k + g, 160 - k - g}, nord{-160 + k + g, 160 + k - g};
  const Punto& primo = staffa.front();
  const Punto& ultimo = staffa.back();
  EXPECT_TRUE((Vicini(primo, sud.x, sud.y) && Vicini(ultimo, nord.x, nord.y)) ||
              (Vicini(primo, nord.x, nord.y) && Vicini(ultimo, sud.x, sud.y)))
      << primo.x << " " << primo.y << " / " << ultimo.x << " " << ultimo.y;
}

// The same hoop given counter-clockwise is the same outline.
TEST_F(DisegnoStaffe, HoopGivenTheOtherWayRoundKeepsToTheOutside) {
  AmbienteColonna::Staffe({{8, 1, 9, 12, 4}});
  Disegna();
  const auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  double xMax = -1e9, yMin = 1e9;
  for (const Punto& p : linee[0]) {
    EXPECT_LE(DistanzaDalQuadrato(p, 160), 12 + 1e-3);
    xMax = std::max(xMax, p.x);
    yMin = std::min(yMin, p.y);
  }
  EXPECT_NEAR(xMax, 172, 1e-3);
  EXPECT_NEAR(yMin, -172, 1e-3);
}

// A tie across the second row (bars 5 and 6 at y = 160 - 320/3): its straight
// part crosses between the bars through their midpoint; each leg touches its
// bar's circle of 12 and runs 80 beyond, so its end is sqrt(12² + 80²) from
// the bar centre.
TEST_F(DisegnoStaffe, TieCrossesBetweenItsBarsWithAHookAtEachEnd) {
  AmbienteColonna::Staffe({{8, 5, 6}});
  Disegna();
  const auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  const std::vector<Punto>& spillo = linee[0];
  const double y = 160 - 320.0 / 3;
  const double estremo = std::hypot(12.0, 80.0);
  EXPECT_NEAR(std::hypot(spillo.front().x + 160, spillo.front().y - y), estremo, 1e-3);
  EXPECT_NEAR(std::hypot(spillo.back().x - 160, spillo.back().y - y), estremo, 1e-3);
  int attraversamenti = 0;
  for (size_t i = 0; i + 1 < spillo.size(); ++i) {
    const Punto& a = spillo[i];
    const Punto& b = spillo[i + 1];
    if ((a.x < 0) == (b.x < 0)) continue;
    ++attraversamenti;
    EXPECT_NEAR(a.y + (b.y - a.y) * (0 - a.x) / (b.x - a.x), y, 1e-3);
  }
  EXPECT_EQ(attraversamenti, 1);
}

// Every stirrup that can be drawn is; one naming a bar the end lacks is left
// out without a word.
TEST_F(DisegnoStaffe, AStirrupNamingAMissingBarIsLeftOut) {
  // Bars 1, 2 and 3 of the top row enclose nothing.
  AmbienteColonna::Staffe({{8, 1, 20}, {8, 5, 6}, {8, 2, 3, 11, 10}, {8, 1, 2, 3}});
  Disegna();
  EXPECT_EQ(Polilinee().size(), 2u);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  // Drawn on its own from the editor, the failure is said, unless the
  // record's error is already showing.
  ambiente.finestra.Controllo("lblErroreSt").SetVisible(false);
  EXPECT_FALSE(P().StaffaPlotta(1, &ambiente.finestra));
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Mostrati()[0].testo, "Errore plottaggio staffa 1");
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Critica);
  ambiente.finestra.Controllo("lblErroreSt").SetVisible(true);
  EXPECT_FALSE(P().StaffaPlotta(1, &ambiente.finestra));
  EXPECT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_TRUE(P().StaffaPlotta(2, &ambiente.finestra));
  EXPECT_FALSE(P().StaffaPlotta(4, &ambiente.finestra));
  EXPECT_EQ(messaggi.Mostrati().size(), 1u);
}

// Bars numbered row by row from the top: the whole top row left to right,
// the left and right bar of each inner row, the bottom row left to right.
// Each number sits on the lower-right diagonal of its bar, 16 / (2√2) away.
struct CasoNumeri {
  int nb, nh;
  std::vector<std::pair<int, int>> righeColonne;  // of bars 1, 2, ...
};

class NumeriBarre : public DisegnoStaffe, public ::testing::WithParamInterface<CasoNumeri> {};

TEST_P(NumeriBarre, NumbersFollowTheRowsWhileTheEditorIsOpen) {
  const CasoNumeri& caso = GetParam();
  AmbienteColonna::Barre(caso.nb, caso.nh, 16);
  Disegna();
  const auto testi = Testi();
  ASSERT_EQ(testi.size(), caso.righeColonne.size());
  const double scarto = 16 / (2 * std::sqrt(2.0));
  for (size_t i = 0; i < testi.size(); ++i) {
    const auto [r, k] = caso.righeColonne[i];
    EXPECT_EQ(testi[i].testo, std::to_string(i + 1));
    EXPECT_NEAR(testi[i].numeri[0].valore, -160 + (k - 1) * 320.0 / (caso.nb - 1) + scarto, 1e-3)
        << i + 1;
    EXPECT_NEAR(testi[i].numeri[1].valore, 160 - (r - 1) * 320.0 / (caso.nh - 1) - scarto, 1e-3)
        << i + 1;
  }
  // With the editor closed only the stirrups are drawn.
  dispositivo.chiamate.clear();
  ambiente.finestra.Controllo("frmStaffe").SetVisible(false);
  Disegna();
  EXPECT_TRUE(Testi().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Griglie, NumeriBarre,
    ::testing::Values(
        CasoNumeri{4, 4, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 4},
                          {3, 1}, {3, 4}, {4, 1}, {4, 2}, {4, 3}, {4, 4}}},
        CasoNumeri{3, 3, {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}},
        CasoNumeri{3, 4, {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}, {3, 3},
                          {4, 1}, {4, 2}, {4, 3}}},
        CasoNumeri{4, 3, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 4},
                          {3, 1}, {3, 2}, {3, 3}, {3, 4}}}));

// Radius 250, cover 40, bars of 16, hoop of 8: the hoop's centre line on the
// circle of 250 - 40 - 8 - 4 = 198; a hoop closes at the top with two legs
// of 80 at q = 4 + 8 = 12 either side of the top, a spiral as a plain circle.
class StaffaCircolare : public DisegnoStaffe {
 protected:
  void SetUp() override {
    DisegnoStaffe::SetUp();
    P().TipoPilastro = 1;
    const std::pair<int, float> dati[] = {{1, 250}, {2, 40}, {12, 8}, {13, 16}, {14, 8}};
    for (const auto& [j, valore] : dati) P().SetMatriceSezionePilastro(1, j, valore);
  }
  static int SulCerchio(const std::vector<Punto>& punti) {
    return static_cast<int>(std::count_if(punti.begin(), punti.end(), [](const Punto& p) {
      return std::fabs(std::hypot(p.x, p.y) - 198) < 1e-3;
    }));
  }
};

TEST_F(StaffaCircolare, HoopWithItsTwoLegsAtTheTop) {
  Disegna();
  const auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  const std::vector<Punto>& staffa = linee[0];
  EXPECT_TRUE(Vicini(staffa.front(), -12, 118)) << staffa.front().x << " " << staffa.front().y;
  EXPECT_TRUE(Vicini(staffa.back(), 12, 118)) << staffa.back().x << " " << staffa.back().y;
  EXPECT_GE(SulCerchio(staffa), VariabiliPubbliche::Stato.NumeroVerticiCerchio);
  EXPECT_TRUE(Testi().empty());
}

TEST_F(StaffaCircolare, SpiralIsAClosedCircleAndNoDiameterNoHoop) {
  P().Spirale = 1;
  Disegna();
  auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  const int n = VariabiliPubbliche::Stato.NumeroVerticiCerchio;
  ASSERT_EQ(static_cast<int>(linee[0].size()), n + 1);
  EXPECT_EQ(SulCerchio(linee[0]), n + 1);
  EXPECT_TRUE(Vicini(linee[0].front(), 0, 198));
  EXPECT_TRUE(Vicini(linee[0].back(), 0, 198));
  dispositivo.chiamate.clear();
  P().SetMatriceSezionePilastro(1, 14, 0);
  Disegna();
  EXPECT_TRUE(Polilinee().empty());
}

// Cover and bars filling the radius: 60 - 40 - 16/2 - 8/2 = 8 leaves room,
// a cover of 50 leaves none and no hoop is drawn turned inside out.
TEST_F(StaffaCircolare, NoHoopWhereTheBarsLeaveNoRoom) {
  P().SetMatriceSezionePilastro(1, 1, 60);
  Disegna();
  ASSERT_EQ(Polilinee().size(), 1u);
  dispositivo.chiamate.clear();
  P().SetMatriceSezionePilastro(1, 2, 50);
  Disegna();
  EXPECT_TRUE(Polilinee().empty());
}

// The editor's grid shows the stirrups of the current end; a stirrup being
// typed is drawn through the bars listed so far.
TEST_F(DisegnoStaffe, EditorGridAndStirrupInProgress) {
  AmbienteColonna::Staffe({{8, 1, 4, 12, 9}, {8, 5, 6}});
  platform::FlexGrid griglia;
  P().StaffePilastroVisualizza(griglia);
  ASSERT_EQ(griglia.Rows(), 3);
  ASSERT_EQ(griglia.Cols(), 10);
  const char* const intestazione[] = {"N", "φ", "1V", "2V", "3V", "4V", "5V", "6V", "7V", "8V"};
  for (int j = 0; j <= 9; ++j) EXPECT_EQ(griglia.TextMatrix(0, j), intestazione[j]);
  EXPECT_EQ(griglia.TextMatrix(2, 0), "2");
  EXPECT_EQ(griglia.TextMatrix(1, 4), "12");
  EXPECT_EQ(griglia.TextMatrix(2, 3), "6");
  EXPECT_EQ(griglia.TextMatrix(2, 4), "0");

  P().CoordinateBarre();
  griglia.SetTextMatrix(2, 4, "11");
  Grafica::ImpostaColore(6);
  P().StaffaPlottaInProgress(griglia, 2);
  const auto linee = Polilinee();
  ASSERT_EQ(linee.size(), 1u);
  ASSERT_EQ(linee[0].size(), 3u);
  EXPECT_TRUE(Vicini(linee[0][0], -160, 160 - 320.0 / 3));
  EXPECT_TRUE(Vicini(linee[0][1], 160, 160 - 320.0 / 3));
  EXPECT_TRUE(Vicini(linee[0][2], 160.0 / 3, -160));
}

}  // namespace
