// Rounding, result texts and the steel incidence.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <tuple>

#include "ProgettoProva.h"
#include "model/Formato.h"

using VariabiliPubbliche::Stato;

namespace {

TEST(Arrotonda, UpToTheStepOrToFiveDigits) {
  EXPECT_EQ(ModelloProgetto::Arrotonda(251, 50), 300);
  EXPECT_EQ(ModelloProgetto::Arrotonda(300, 50), 300);
  EXPECT_EQ(ModelloProgetto::Arrotonda(301, 50), 350);
  EXPECT_FLOAT_EQ(ModelloProgetto::Arrotonda(123.456789, 0), 123.46f);
  EXPECT_FLOAT_EQ(ModelloProgetto::Arrotonda(123456.7, -1), 123457.0f);
  EXPECT_FLOAT_EQ(ModelloProgetto::Arrotonda(0.0123456, 0), 0.012346f);
}

// 300 x 500, cover 20, stirrups 8 mm with 4 legs at 200 mm (2.78 m each, see
// the stirrup cases), As = 1000 and A's = 500 mm2.
TEST_F(ProgettoProva, SteelIncidence) {
  modello_.BaseSezione = modello_.BaseArrotondata = 300;
  modello_.AltezzaSezione = modello_.AltezzaArrotondata = 500;
  modello_.PassoStaffe = 200;
  Stato.NumeroBracci = 4;
  const double staffe = 5 * 2.78 * 7850 * M_PI * 0.008 * 0.008 / 4;  // kg/m
  const double barre = 1500 * 7850 / 1e6;
  EXPECT_NEAR(modello_.IncidenzaAcciaio(1000, 500), (staffe + barre) / 0.15, 1e-3);
  EXPECT_EQ(Stato.DetrazioneStaffa, 48);
  EXPECT_EQ(modello_.Trave->StaffeCamp().TipoAmin, 5);
  Stato.SenzaStaffe = true;
  EXPECT_NEAR(modello_.IncidenzaAcciaio(1000, 500), barre / 0.15, 1e-4);
  // Over the section drawn: 280 x 470 rounded up to 300 x 500 still 0.15 m2.
  modello_.BaseSezione = 280;
  modello_.AltezzaSezione = 470;
  EXPECT_NEAR(modello_.IncidenzaAcciaio(1000, 500), barre / 0.15, 1e-4);
}

TEST_F(ProgettoProva, NegativeMomentSwapsTheItems) {
  Dati(-150, 0, 500, 300);
  Scelte(0, 2);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  const TestiRisultati t = modello_.RisultatiTesti();
  EXPECT_EQ(modello_.SegnoMomento, -1);
  EXPECT_EQ(t.LblAs[1], "As");
  EXPECT_EQ(t.LblAs[0], "A's");
  EXPECT_EQ(t.LblAsMin[0], "A's min");
  EXPECT_EQ(t.txtAs[1], VariabiliPubbliche::FormattaArea(modello_.AsTesaEffettiva));
  EXPECT_EQ(t.LabelRo_sBackColor, 0xC0C0FFu);
  EXPECT_EQ(t.lblArea, "mm²");
  EXPECT_EQ(t.lblTaglio8, "a 4 bracci");
  // Provided over required, and the holders as the only compression steel.
  const double eccedenza = 100 * (modello_.AsTesaEffettiva / modello_.AsTesa - 1);
  EXPECT_EQ(t.txtAsPerc[1], "+" + Formattazione::Formato(eccedenza, "0.0") + "%");
  EXPECT_EQ(t.LblArmatura[0], "4φ12");
  const double ro = 100 * modello_.AsTesaEffettiva / (modello_.AltezzaUtileArrotondata * 300);
  EXPECT_EQ(t.LabelRo_s, Formattazione::Formato(ro, "0.00"));
}

TEST_F(ProgettoProva, NoCompressionSteelShowsADash) {
  SenzaStaffe();
  Dati(150, 60, 500, 300);
  Scelte(0, 2);
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  const TestiRisultati t = modello_.RisultatiTesti();
  EXPECT_EQ(t.txtAsPerc[1], "-");
  EXPECT_EQ(t.txtAsSuAs1, "0%");
  EXPECT_EQ(t.lblTaglioResistente,
            "Taglio Resistente = " +
                VariabiliPubbliche::FormattaValore(modello_.TaglioResistente / 1000) + " kN");
  EXPECT_EQ(t.lblTau, "");
}

// 300 x 500 with 6500 mm2 in tension, 4 holders of 12 and twelve 20s at the
// bottom: 6500 / 150000 = 4.3 % of b h. Side by side 2 (20 + 8) + 4 x 12 + 12 x 20 + 15 x 20 = 644
// mm; drawn, 4 in each gap 20 clear of each other, the holders (x1 = 16 - 10/sqrt(2) + 4 = 12.93
// in from their legs) and the legs' faces: the middle one from holder to holder, i - 2 x1 - 12 (i =
// W/3 cut to 0.01), needs 4 x 20 + 5 x 20: i = 217.86, W = 653.58, b = 701.58 mm (the outer ones,
// (W - i)/2 - x1 - 6 - 4 = 195, take them). The top zone, 4 holders, takes 164 mm.
TEST_F(ProgettoProva, BarsThatCannotBeBuiltAreSaid) {
  Stato.CopriferroProgetto = 20;
  Stato.DiametroStaffe = 8;
  Stato.NumeroBracci = 4;
  Stato.DiametroReggistaffe = 12;
  modello_.BaseArrotondata = 300;
  modello_.AltezzaArrotondata = 500;
  modello_.SegnoMomento = 1;
  modello_.DiametriTesi = {16, 18, 20};
  modello_.CombinazioneTesa = {3770, 0, 0, 12};
  modello_.AsTesaEffettiva = 6500;
  modello_.DiametriCompressi = {16};
  modello_.CombinazioneCompressa = {};
  EXPECT_EQ(modello_.AvvisiCostruzione(),
            "Armatura tesa pari al 4.3% di b·h, oltre il 4%: aumentare le dimensioni della "
            "sezione.\r\nLe barre inferiori non stanno in un solo strato: con l'interferro minimo "
            "occorre una base di 701.6 mm.");
  // Two 20s: 56 + 4 x 12 + 2 x 20 + 5 x 20 = 244 mm fit, 1080 mm2 is 0.7 %.
  modello_.CombinazioneTesa = {628.3f, 0, 0, 2};
  modello_.AsTesaEffettiva = 1080;
  EXPECT_EQ(modello_.AvvisiCostruzione(), "");
  // One row from the least width said, rounded up; narrower, rows further in, bars max(φ, 20)
  // clear of each other, the holders and the legs' faces. 4φ12+3φ18 (20 cm), an 18 per gap, the
  // middle one i - 2 x1 20 clear from i >= 2 (9 + 6 + 20) + 25.86, W >= 287.58, b = 335.58 (the
  // outer ones then (W - i)/2 - x1 - 10 = 72.9 >= 58 wide; side by side 56 + 48 + 54 + 6 x 20 =
  // 278); below b = 48 + 3 (18 + 2 x 20 + 8) = 246 no gap between the legs' faces takes an 18 20
  // clear: no row keeps the spacing. 2 legs, holders of 10, x1 = 20 - 11/sqrt(2) = 12.22, three
  // 20s between the holders' faces b - 48 - 2 x1 - 10 >= 3 x 20 + 4 x 20: b = 222.44, shown 222.5.
  // No stirrups, one 20: 20 + 20 + 20 = 60, and no narrower row holds it. The holders of the inner
  // stirrup stand i - 2 x1 apart, 12 + 20 from i = 57.86, W = 173.58: b = 221.58, shown 221.6 (at
  // 200, i = 50.66: 12.8 clear); those of 2 legs W - 2 x1 >= 30 from b = 102.44.
  const std::tuple<int, int, Combinazione, const char*, float, float> casi[] = {
      {4, 12, {763.4f, 0, 3, 0}, "335.6", 246, 221.6f},
      {2, 10, {942.5f, 0, 0, 3}, "222.5", 0, 0},
      {0, 0, {314.2f, 0, 0, 1}, "60", 60, 0}};
  const std::string avviso(
      "Le barre inferiori non stanno in un solo strato: con l'interferro "
      "minimo occorre una base di ");
  const std::string nessuna(
      "Le barre inferiori non hanno l'interferro minimo neppure in più strati: occorre una base di ");
  const std::string reggistaffe(
      "\r\nI reggistaffe non hanno l'interferro minimo: occorre una base di 221.6 mm.");
  for (const auto& [bracci, reggi, barre, base, tenuto, reggiMin] : casi) {
    Stato.SenzaStaffe = bracci == 0;
    Stato.NumeroBracci = bracci;
    Stato.DiametroReggistaffe = reggi;
    modello_.CombinazioneTesa = barre;
    modello_.AsTesaEffettiva = barre[0] + bracci * VariabiliPubbliche::AreaBarra(reggi);
    const float minima = std::stof(base);
    const float larghezze[] = {bracci ? 200.0f : 50.0f, reggiMin - 0.1f, reggiMin, minima - 0.1f,
                               minima};
    for (const float b : larghezze) {
      if (b <= 0) continue;
      modello_.BaseArrotondata = b;
      const std::string& testo = b < tenuto ? nessuna : avviso;
      EXPECT_EQ(modello_.AvvisiCostruzione(),
                (b < minima ? testo + base + " mm." : "") +
                    (b < reggiMin ? reggistaffe : ""))
          << b;
      bool file = false;
      modello_.StratiEffettivi(&file);
      EXPECT_EQ(file, b < minima) << b;
      const std::vector<SezioneCA::FerroTrave> f = modello_.Trave->FerriTrave();
      const double interferro = b < tenuto ? 0 : 20;
      const Vettore<double> assi = modello_.Trave->StaffeCamp().AssiBracci();
      for (std::size_t i = 0; i < f.size(); ++i)  // bottom; holders where the stirrups put them
        for (std::size_t j = i + 1; j < f.size(); ++j)
          if (f[i].y <= 250 && f[j].y <= 250 && f[i].Diametro + f[j].Diametro > 2 * reggi) {
            EXPECT_GE(std::hypot(f[i].x - f[j].x, f[i].y - f[j].y),
                      (f[i].Diametro + f[j].Diametro) / 2 + interferro - 1e-6);
            // Beside the legs' faces, or at least not through them.
            for (int k = assi.Lb(); bracci && k <= assi.Ub(); ++k)
              EXPECT_GE(std::fabs(f[j].x - assi(k)), f[j].Diametro / 2 + 4 + interferro - 1e-6);
          }
    }
  }
}

// The help's formulas against the program's numbers and by hand: cover 20,
// stirrups 8, 4 legs, holders 12, two 16s at the bottom (rows from the top)
// in 300 x 500; C25/30 and C70/85 (eps_cu = 2.6 + 35 0.2^4 per mil).
TEST_F(ProgettoProva, TheHelpsFormulasAreThoseComputed) {
  auto pagina = [](const std::string& nome) {
    const char* test = std::getenv("TRAMOK_TESTS");  // else run from tests/
    std::stringstream testo;
    testo << std::ifstream(std::string(test ? test : ".") + "/../data/Aiuto/" + nome).rdbuf();
    return std::regex_replace(std::regex_replace(testo.str(), std::regex("<[^>]*>"), ""),
                              std::regex("\\s+"), " ");
  };
  Stato.CopriferroProgetto = 20;
  Stato.DiametroStaffe = 8;
  Stato.NumeroBracci = 4;
  Stato.DiametroReggistaffe = 12;
  modello_.AltezzaSezione = modello_.AltezzaArrotondata = 500;
  modello_.BaseArrotondata = 300;
  modello_.SegnoMomento = 1;
  modello_.DiametriTesi = modello_.DiametriCompressi = {16, 20};
  modello_.CombinazioneTesa = {402.1f, 2, 0};
  const std::vector<ModelloProgetto::Strato> strati = modello_.StratiEffettivi();
  ASSERT_EQ(strati.size(), 3u);
  auto delta = [](float fck, double epsCu, double xSuD) {
    Stato.Fck = fck;
    Stato.EpsCu = epsCu;
    return VariabiliPubbliche::DeltaRidistribuzione(xSuD);
  };
  const std::tuple<const char*, const char*, double, double> casi[] = {
      {"progetto", "c' = c + φ staffa + φ max/2", *modello_.DistanzaFerriCalcola(), 20 + 8 + 10},
      {"progetto", "c + φ staffa + 2 φ staffa - (2 φ staffa - φ reggi/2)/√2",
       500 - strati[1].Distanza, 20 + 8 + 16 - (16 - 6) / std::sqrt(2.0)},
      {"progetto", "a c + φ staffa + φ barra/2 dal bordo", 500 - strati[2].Distanza, 20 + 8 + 8},
      {"progetto", "2 (c + φ staffa) + Σφ + (n - 1) interferri",
       modello_.LarghezzaStrato(11, 170, 20), 2 * (20 + 8) + 170 + 10 * 20},
      {"progetto", "z b 0,5 fcd cot θ/(1 + cot²θ)",
       ModelloProgetto::VRdMaxEc2(Stato.Fcd, 300, 414, 2.5, 0, 1), 414 * 300 * 0.5 * Stato.Fcd * 2.5 / 7.25},
      {"principale", "δ = 0,44 + 1,25 (0,6 + 0,0014/εcu) x/d", delta(25, 0.0035, 0.3), 0.815},
      {"principale", "0,54 + 1,25 (0,6 + 0,0014/εcu) x/d oltre", delta(70, 0.002656, 0.2),
       0.54 + 1.25 * (0.6 + 0.0014 / 0.002656) * 0.2},
  };
  for (const auto& [nome, formula, programma, mano] : casi) {
    EXPECT_NE(pagina(std::string(nome) + ".html").find(formula), std::string::npos) << formula;
    EXPECT_NEAR(programma, mano, 1e-4 * mano) << formula;
  }
}

}  // namespace
