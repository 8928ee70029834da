#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "DisegnoRegistrato.h"
#include "doppi/SezioneProva.h"
#include "analysis/Correnti.h"
#include "doppi/FinestreProva.h"
#include "doppi/MainProva.h"
#include "drawing/GraficaStato.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Matematica.h"
#include "platform/Stampante.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

namespace {

// T section, 600 wide and 600 deep, centred on the origin: flange 150 deep,
// web 300 wide. Clockwise from the top left corner.
const Vettore<double> xT{-300, -300, -150, -150, 150, 150, 300, 300};
const Vettore<double> yT{300, 150, 150, -300, -300, 150, 150, 300};
// Its part above y = 0.
const Vettore<double> xSopra{-300, -300, -150, -150, 150, 150, 300, 300};
const Vettore<double> ySopra{300, 150, 150, 0, 0, 150, 150, 300};

const double AreaR10 = Matematica::Pi * 100;  // a bar of radius 10
const double AreaR8 = Matematica::Pi * 64;

void ExpectContorno(const std::vector<Tratto>& linee, const Vettore<double>& x,
                    const Vettore<double>& y, int spessore) {
  const int n = x.Ub();
  for (int i = 1; i <= n; ++i) {
    const int j = i % n + 1;
    const Tratto* t = TrovaTratto(linee, x(i), y(i), x(j), y(j));
    ASSERT_NE(t, nullptr) << "side " << i;
    EXPECT_EQ(t->spessore, spessore) << "side " << i;
  }
}

const Scritta* TrovaScritta(const std::vector<Scritta>& testi, double x, double y) {
  for (const Scritta& s : testi)
    if (std::fabs(s.x - x) < 1e-3 && std::fabs(s.y - y) < 1e-3) return &s;
  return nullptr;
}

class SismicaGrigia : public SismicaProva {
 public:
  short ColorePlottaSezione() override { return 8; }
  short ColorePlottaSub() override { return 8; }
};

class DisegnoSezione : public ::testing::Test {
 protected:
  void SetUp() override {
    Grafica::Stato = Grafica::StatoGrafica{};
    VariabiliPubbliche::Correnti = {};
    platform::ImpostaStampante(&stampante);
    Stato.Fyd = {391.3, 1400};
    VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(200000);
    s = VariabiliPubbliche::SezioneCorrente();
    s->Coordinate(xT, yT, 8);
    // Three bars of radius 10 at the bottom, two of radius 8 at the top, a tendon.
    s->BarreDati(5, {-100, 0, 100, -250, 250}, {-250, -250, -250, 250, 250},
                 {float(AreaR10), float(AreaR10), float(AreaR10), float(AreaR8), float(AreaR8)},
                 RapportiN, 1, {0}, {-150}, {100}, {1000});
  }
  void TearDown() override {
    platform::ImpostaStampante(nullptr);
    VariabiliPubbliche::Correnti = {};
    Grafica::Stato = Grafica::StatoGrafica{};
  }

  // Results of a cracked ultimate solution: neutral axis y = 0 after a first
  // one at y = 100, the part above it reacting, bar and vertex stresses.
  void Risultati() {
    Stato.RisultatiPresenti = true;
    Stato.PlottaggioVideo = true;
    s->nAsseNeutro = 2;
    SezioneProva::AssiNeutri(*s, {0, 0}, {1, 1}, {-100, 0});
    s->EpsFerri = {0.01, 0, 0.001, -0.0005, -0.0005};
    s->EpsCavi = {0.002};
    s->SezioneParzializzata = 1;
    s->SezioneReagenteI->Coordinate(xSopra, ySopra, 8);
    s->SezioneReagenteI->SigmaVerticiCls = {12, 6, 6, 0, -3, 6, 6, 12};
  }

  // The window corners as the surface's scale shows them.
  double Sinistra() const { return video.ScaleLeft(); }
  double Destra() const { return video.ScaleLeft() + video.ScaleWidth(); }
  double Alto() const { return video.ScaleTop(); }
  double Basso() const { return video.ScaleTop() + video.ScaleHeight(); }

  StatoPulito pulito_;
  platform::SurfaceRegistrata video{800, 600};
  platform::SurfaceRegistrata stampante{4800, 6600, 2.4};
  std::shared_ptr<SezioneCA> s;
};

}  // namespace

TEST_F(DisegnoSezione, WithoutResultsOnlyAxesOutlineSteelAndTheMomentPoint) {
  Stato.VisAssi = 1;
  Stato.Precompresso = true;
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato d(video);

  // A 600 x 600 box in the 560 x 480 pixel area: 1.25 units a pixel, centred.
  EXPECT_NEAR(video.ScaleWidth(), 1000, 1e-3);
  EXPECT_NEAR(video.ScaleHeight(), -750, 1e-3);
  EXPECT_NEAR(Sinistra(), -500, 1e-3);
  EXPECT_NEAR(Alto(), 300 + 60 * 1.25, 1e-3);
  EXPECT_FLOAT_EQ(s->hTesto, 600.0f / 40);

  const auto verdi = d.Linee(3);
  ASSERT_EQ(verdi.size(), 2u);
  EXPECT_NE(TrovaTratto(verdi, Sinistra(), 0, Destra(), 0), nullptr);
  EXPECT_NE(TrovaTratto(verdi, 0, Alto(), 0, Basso()), nullptr);

  // Outline and cross in black; the cross's half-size is a fiftieth of the
  // window's larger side.
  const auto neri = d.Linee(7);
  ASSERT_EQ(neri.size(), 10u);
  ExpectContorno(neri, xT, yT, 2);
  EXPECT_NE(TrovaTratto(neri, -20, 0, 20, 0), nullptr);
  EXPECT_NE(TrovaTratto(neri, 0, -20, 0, 20), nullptr);
  ASSERT_EQ(d.testi.size(), 1u);
  EXPECT_EQ(d.testi[0].testo, "N");
  EXPECT_EQ(d.testi[0].colore, Grafica::ColoreRgb(7));
  EXPECT_NEAR(d.testi[0].x, 20, 1e-4);
  EXPECT_NEAR(d.testi[0].y, 0, 1e-4);

  // Bars in black, the tendon in red.
  ASSERT_EQ(d.cerchi.size(), 6u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(d.cerchi[i].colore, Grafica::ColoreRgb(7)) << i;
    EXPECT_EQ(d.cerchi[i].spessore, 2) << i;
  }
  EXPECT_NEAR(d.cerchi[0].raggio, 10, 1e-4);
  EXPECT_NEAR(d.cerchi[3].x, -250, 1e-4);
  EXPECT_NEAR(d.cerchi[3].raggio, 8, 1e-4);
  EXPECT_EQ(d.cerchi[5].colore, Grafica::ColoreRgb(1));
  EXPECT_NEAR(d.cerchi[5].y, -150, 1e-4);
  EXPECT_NEAR(d.cerchi[5].raggio, std::sqrt(100 / Matematica::Pi), 1e-4);
  EXPECT_EQ(d.linee.size(), 12u);

  // Grey while the seismic window is the active one; no axes when not asked.
  SismicaGrigia sismica;
  Finestre::Aperte.Sismica = &sismica;
  Stato.VisAssi = 0;
  Stato.Precompresso = false;
  video.Svuota();
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato grigio(video);
  EXPECT_EQ(grigio.Linee(8).size(), 8u);
  EXPECT_EQ(grigio.Linee(3).size(), 0u);
  ASSERT_EQ(grigio.cerchi.size(), 5u);
  for (const auto& c : grigio.cerchi) EXPECT_EQ(c.colore, Grafica::ColoreRgb(8));
}

TEST_F(DisegnoSezione, ResultsShowSteelStressesTheReactingPartAndTheFinalNeutralAxis) {
  Risultati();
  Stato.VisTensioniBarre = 1;
  Stato.VisTensioniCls = 1;
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato d(video);

  // With results the outline is blue.
  ExpectContorno(d.Linee(5), xT, yT, 2);

  // Circles by the sign of the stress: a stress of exactly 0 counts as
  // positive, its text as not.
  const std::vector<double> sigma{391.3, 0, 200, -100, -100};
  const std::vector<int> coloreCerchio{5, 5, 5, 1, 1};
  const std::vector<int> coloreTesto{5, 1, 5, 1, 1};
  ASSERT_EQ(d.cerchi.size(), 5u);  // no tendon without prestressing
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(d.cerchi[i].colore, Grafica::ColoreRgb(coloreCerchio[i])) << i;
    const Scritta* t = TrovaScritta(d.testi, d.cerchi[i].x, d.cerchi[i].y);
    ASSERT_NE(t, nullptr) << i;
    EXPECT_EQ(t->testo, FormattaValore(sigma[i], false)) << i;
    EXPECT_EQ(t->colore, Grafica::ColoreRgb(coloreTesto[i])) << i;
  }
  // The tendon's stress is written all the same.
  const Scritta* cavo = TrovaScritta(d.testi, 0, -150);
  ASSERT_NE(cavo, nullptr);
  EXPECT_EQ(cavo->testo, FormattaValore(400, false));

  // Vertex stresses with their sign turned: compression red, tension blue.
  for (int i = 1; i <= 8; ++i) {
    const double sigmaCls = s->SezioneReagenteI->SigmaVerticiCls(i);
    const Scritta* t = TrovaScritta(d.testi, xSopra(i), ySopra(i));
    ASSERT_NE(t, nullptr) << i;
    EXPECT_EQ(t->testo, FormattaValore(-sigmaCls, false)) << i;
    EXPECT_EQ(t->colore, Grafica::ColoreRgb(sigmaCls < 0 ? 5 : 1)) << i;
  }
  EXPECT_EQ(d.testi.size(), 1u + 5 + 1 + 8);

  // In red: the final neutral axis alone, the reacting outline, its hatching
  // at 45 degrees inside it.
  const auto rosse = d.Linee(1);
  const Tratto* asse = TrovaTratto(rosse, Sinistra(), 0, Destra(), 0);
  ASSERT_NE(asse, nullptr);
  EXPECT_EQ(asse->spessore, 2);
  EXPECT_EQ(TrovaTratto(rosse, Sinistra(), 100, Destra(), 100), nullptr);
  ExpectContorno(rosse, xSopra, ySopra, 2);
  int tratteggi = 0;
  for (const Tratto& t : rosse) {
    if (t.spessore != 1) continue;
    ++tratteggi;
    EXPECT_NEAR(t.x2 - t.x1, t.y2 - t.y1, 1e-3);
    EXPECT_GE(std::min(t.y1, t.y2), -1e-3);
  }
  EXPECT_GT(tratteggi, 5);
  // No ellipse outside the allowable-stress method.
  EXPECT_TRUE(d.Linee(6).empty());
}

TEST_F(DisegnoSezione, NeutralAxesOnlyOnTheScreenTheEarlierOnesWhenAsked) {
  Risultati();
  s->SezioneParzializzata = -1;  // no reacting concrete to draw
  s->nAsseNeutro = 3;
  SezioneProva::AssiNeutri(*s, {0, 0, 0}, {1, 1, 1}, {-1e5, -100, 0});
  Stato.VisAssiNeutri = 1;
  s->PlottaSezione("VIDEO", &video);
  {
    const DisegnoRegistrato d(video);
    const auto rosse = d.Linee(1);
    ASSERT_EQ(rosse.size(), 2u);  // the first one misses the window
    const Tratto* ultimo = TrovaTratto(rosse, Sinistra(), 0, Destra(), 0);
    const Tratto* precedente = TrovaTratto(rosse, Sinistra(), 100, Destra(), 100);
    ASSERT_TRUE(ultimo && precedente);
    EXPECT_EQ(ultimo->spessore, 2);
    EXPECT_EQ(precedente->spessore, 1);
  }
  // More axes counted than the solution wrote: those are passed over.
  s->nAsseNeutro = 4;
  Stato.VisAssiNeutri = 0;
  video.Svuota();
  EXPECT_NO_THROW(s->PlottaSezione("VIDEO", &video));
  EXPECT_TRUE(DisegnoRegistrato(video).Linee(1).empty());

  // The printer: no neutral axis, the Times font, the section at the top
  // left corner of the page's drawing area.
  s->nAsseNeutro = 3;
  Stato.PlottaggioVideo = false;
  s->PlottaSezione("STAMPANTE", nullptr);
  EXPECT_EQ(stampante.FontName(), "Times New Roman");
  EXPECT_EQ(stampante.FontSize(), 8);
  const DisegnoRegistrato carta(stampante);
  EXPECT_TRUE(carta.Linee(1).empty());
  // Width 2 is 0.4 mm on paper: pixels of a 600 dpi printer.
  ExpectContorno(carta.Linee(5), xT, yT, static_cast<int>(std::nearbyint(2 * 2 * 5.67 / 2.4)));
  const double px = (-300 - stampante.ScaleLeft()) * 4800 / stampante.ScaleWidth();
  const double py = (300 - stampante.ScaleTop()) * 6600 / stampante.ScaleHeight();
  EXPECT_NEAR(px, 480, 1e-2);
  EXPECT_NEAR(py, 660, 1e-2);
}

TEST_F(DisegnoSezione, BarsOnlyLeaveOutTheConcreteButNotTheEllipse) {
  Risultati();
  Stato.SoloBarre = 1;
  Stato.TipoVerifica = 1;
  Stato.VisTensioniBarre = 1;
  Stato.VisTensioniCls = 1;
  Stato.PlottaggioVideo = false;
  SezioneCAreagente& r = *s->SezioneReagenteI;
  r.xG = 0;
  r.yG = 50;
  r.iX = 100;
  r.iY = 150;
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato d(video);

  EXPECT_TRUE(d.Linee(5).empty());
  EXPECT_TRUE(d.Linee(1).empty());  // no reacting outline, no hatching
  ASSERT_EQ(d.cerchi.size(), 5u);
  // Linear steel in the allowable-stress method.
  EXPECT_EQ(TrovaScritta(d.testi, -100, -250)->testo, FormattaValore(2000, false));
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(TrovaScritta(d.testi, xSopra(i), ySopra(i)), nullptr);

  const auto magenta = d.Linee(6);
  EXPECT_EQ(magenta.size(), 42u);
  EXPECT_NE(TrovaTratto(magenta, 150, 50, -150, 50), nullptr);
  EXPECT_NE(TrovaTratto(magenta, 0, 150, 0, -50), nullptr);
  const auto g = d.Testi(6);
  ASSERT_EQ(g.size(), 1u);
  EXPECT_EQ(g[0].testo, "G");
  EXPECT_NEAR(g[0].x, -3 * 20, 1e-3);
  EXPECT_NEAR(g[0].y, 50, 1e-3);
}

TEST_F(DisegnoSezione, WholeSectionModeDrawsBothPartsAndSkipsAnEmptyOne) {
  Risultati();
  s->SezioneParzializzata = 2;
  const Vettore<double> xA{-300, -300, 300, 300}, yA{300, 150, 150, 300};
  const Vettore<double> xB{-100, -100, 100, 100}, yB{100, -200, -200, 100};
  s->SezioneInteraCarico->Coordinate(xA, yA, 4);
  s->SezioneInteraCaricoInverso->Coordinate(xB, yB, 4);
  s->PlottaSezione("VIDEO", &video);
  {
    const DisegnoRegistrato d(video);
    ExpectContorno(d.Linee(1), xA, yA, 2);
    ExpectContorno(d.Linee(5), xB, yB, 2);
    int blu = 0;
    for (const Tratto& t : d.Linee(5)) blu += t.spessore == 1;
    EXPECT_GT(blu, 3);
  }
  s->SezioneInteraCaricoInverso->Coordinate(xB, yB, 0);
  video.Svuota();
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato d(video);
  for (const Tratto& t : d.Linee(5)) EXPECT_EQ(t.spessore, 2);
  EXPECT_EQ(d.Linee(5).size(), 8u);
  ExpectContorno(d.Linee(1), xA, yA, 2);
}

TEST_F(DisegnoSezione, TheMomentPointAndBarsOutsideTheConcreteWidenTheBox) {
  s->xPtoCalcoloM = 1000;
  s->BarreDati(1, {0}, {-400}, {float(AreaR10)}, RapportiN, 0, Nessuno, Nessuno, Nessuno, Nessuno);
  s->PlottaSezione("VIDEO", &video);
  EXPECT_FLOAT_EQ(s->hTesto, 710.0f / 40);
  // The box, 1300 wide, fills the area's width: the point sits at its right edge.
  EXPECT_NEAR((1000 - Sinistra()) * 800 / video.ScaleWidth(), 640, 1e-3);
  const double croce = video.ScaleWidth() / 50;
  const DisegnoRegistrato d(video);
  EXPECT_NE(TrovaTratto(d.Linee(7), 1000 - croce, 0, 1000 + croce, 0), nullptr);
  EXPECT_LT(1000 + croce, Destra());
}

TEST_F(DisegnoSezione, NothingIsDrawnOnAMinimisedWindowOrForTheBeamDetailing) {
  platform::SurfaceRegistrata minimizzata(0, 0);
  s->hTesto = 3;
  s->PlottaSezione("VIDEO", &minimizzata);
  const DisegnoRegistrato d(minimizzata);
  EXPECT_TRUE(d.linee.empty() && d.cerchi.empty() && d.testi.empty());
  EXPECT_EQ(s->hTesto, 3);

  // The beam detailing neither.
  s->TipoPlottaggio = "CON-STAFFE";
  s->PlottaSezione("VIDEO", &minimizzata);
  const DisegnoRegistrato trave(minimizzata);
  EXPECT_TRUE(trave.linee.empty() && trave.cerchi.empty() && trave.testi.empty());
}

TEST_F(DisegnoSezione, IntegrationRectanglesComeBackToTheSectionAxes) {
  // The reacting section turned by 90 degrees, cut into strips there.
  Vettore<double> T, U;
  Grafica::MatriceRotoTraslazione(0, 0, Matematica::Pi / 2, T, U);
  auto slu = std::make_shared<SezioneCAreagente>();
  slu->Coordinate(Vettore<double>{150, -150, -150, 150}, Vettore<double>{250, 250, -250, -250}, 4);
  slu->Contorno->RotoTraslaVertici(T);
  double h, b, yMax;
  ASSERT_TRUE(slu->Contorno->DiscretizzaPoligono(5, h, b, yMax));
  SezioneProva::ReagenteSlu(*s) = slu;
  SezioneProva::MatriceSluInversa(*s) = U;

  Grafica::ImpostaDispositivo(1, "VIDEO", &video);
  s->PlottaRettangolini();
  const DisegnoRegistrato d(video);
  ASSERT_EQ(d.linee.size(), 5u * 4);
  double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax2 = -1e9;
  for (const Tratto& t : d.linee) {
    EXPECT_EQ(t.spessore, 1);
    for (auto [x, y] : {std::pair{t.x1, t.y1}, std::pair{t.x2, t.y2}}) {
      xMin = std::min(xMin, x);
      xMax = std::max(xMax, x);
      yMin = std::min(yMin, y);
      yMax2 = std::max(yMax2, y);
    }
  }
  EXPECT_NEAR(xMin, -150, 1e-3);
  EXPECT_NEAR(xMax, 150, 1e-3);
  EXPECT_NEAR(yMin, -250, 1e-3);
  EXPECT_NEAR(yMax2, 250, 1e-3);
}

TEST_F(DisegnoSezione, TendonsAreDrawnWithTheirTotalStrain) {
  Risultati();
  Stato.Precompresso = true;
  Stato.VisTensioniBarre = 1;
  // The plane shortens the tendon by 0.003; its initial strain is 0.006.
  s->EpsCavi = {-0.003};
  SezioneProva::EpsIniziali(*s) = {0.006};
  s->PlottaSezione("VIDEO", &video);
  {
    const DisegnoRegistrato d(video);
    const Scritta* cavo = TrovaScritta(d.testi, 0, -150);
    ASSERT_NE(cavo, nullptr);
    EXPECT_EQ(cavo->testo, FormattaValore(600, false));
    ASSERT_EQ(d.cerchi.size(), 6u);
    EXPECT_EQ(d.cerchi[5].colore, Grafica::ColoreRgb(5));  // in tension
  }
  // "Metodo n": the prestress over Es, 1000 / 200000, takes its place.
  Stato.TipoVerifica = 1;
  video.Svuota();
  s->PlottaSezione("VIDEO", &video);
  const DisegnoRegistrato d(video);
  const Scritta* cavo = TrovaScritta(d.testi, 0, -150);
  ASSERT_NE(cavo, nullptr);
  EXPECT_EQ(cavo->testo, FormattaValore(400, false));
  EXPECT_NEAR(s->EpsCavi(1), -0.003, 1e-15);
}
