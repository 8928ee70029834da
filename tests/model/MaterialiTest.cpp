#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "doppi/FinestreProva.h"
#include "model/Materiali.h"
#include "platform/MsgBoxScriptato.h"

using VariabiliPubbliche::Stato;

namespace {

class AvvisiProva : public Finestre::FinestraAvvisi {
 public:
  bool MostraModale() override {
    ++mostrati;
    return spunta;
  }
  int mostrati = 0;
  bool spunta = false;
};

// The design window: beta As, or the compression bars it holds when more.
class ProgettoProva : public Finestre::FinestraProgetto {
 public:
  std::string Name() const override { return "ProgettoSezione"; }
  platform::Control& Controllo(const std::string& nome, int indice) override {
    return form_.Controllo(nome, indice);
  }
  float Ass1Funz(double As) override { return static_cast<float>(std::max(As * beta, tenute)); }
  double beta = 0, tenute = 0;

 private:
  platform::FormInMemoria form_{"ProgettoSezione"};
};

const double fcd = 14.167, fyd = 391.3;

// Program state defaults (fck 25, Es 200000), tendons with fyd 1400.
class Leggi : public ::testing::Test {
 protected:
  Leggi() {
    Stato.Fyd = {fyd, 1400};
    m_.InizializzaMateriali(200000);
  }

  // Resultant and its distance from the compressed edge, by Simpson's rule
  // of the concrete law over the depth of a unit-width rectangle.
  std::array<double, 2> Integra(double e1, double e2, double h) const {
    const int n = 200000;
    double r = 0, m = 0;
    for (int i = 0; i <= n; ++i) {
      const double t = h * i / n, peso = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
      const double sigma = m_.SigmaCls(e1 - (e1 - e2) * t / h);
      r += peso * sigma;
      m += peso * sigma * t;
    }
    return {r * h / n / 3, m / r};
  }

  StatoPulito pulito_;
  platform::MsgBoxScriptato box_;
  Materiali m_;
};

}  // namespace

TEST_F(Leggi, CodeStrainsByConcreteClass) {
  // Values of the code's table, given to 0.1 per mille.
  struct Classe {
    double fck, cu, c2;
  };
  for (Classe k : {Classe{25, 0.0035, 0.002}, Classe{50, 0.0035, 0.002}, Classe{55, 0.0031, 0.0022},
                   Classe{60, 0.0029, 0.0023}, Classe{70, 0.0027, 0.0024},
                   Classe{90, 0.0026, 0.0026}}) {
    Stato.Fck = k.fck;
    double cu, c2;
    Materiali::ParabolaRettangolo(cu, c2);
    EXPECT_NEAR(cu, k.cu, k.fck <= 50 ? 0 : 0.00005) << k.fck;
    EXPECT_NEAR(c2, k.c2, k.fck <= 50 ? 0 : 0.00005) << k.fck;
  }
}

TEST_F(Leggi, ConcreteAndSteelLaws) {
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.001), 0.75 * fcd);
  EXPECT_EQ(m_.SigmaCls(0), 0);
  EXPECT_EQ(m_.SigmaCls(-0.001), 0);
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.01), fcd);
  for (int tipo : {0, 2}) {  // ultimate limit state: capped at fyd
    Stato.TipoVerifica = tipo;
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 0, 0), fyd);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(-0.01, 0, 0), -fyd);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.001, 0, 0.005), 200);  // bars take no prestrain
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.001, 1, 0.005), 1200);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.004, 1, 0.005), 1400);
  }
  Stato.TipoVerifica = 1;  // "Metodo n": linear
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(-0.01, 0, 0), -2000);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.004, 1, 0.005), 1800);
  // Loaded values stay until the next load.
  Stato.Fcd = 30;
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.01), fcd);
  EXPECT_DOUBLE_EQ(m_.SIGCUC, 0.8 * fcd);
}

TEST_F(Leggi, StrainOfAPointAndForceOfACompressedLayer) {
  // 3.5 per mille shortening at y = 250, 10 per mille elongation at y = -250.
  EXPECT_DOUBLE_EQ(Materiali::EpsAcciaio(0.0035, -0.01, 250, 500, 250), -0.0035);
  EXPECT_DOUBLE_EQ(Materiali::EpsAcciaio(0.0035, -0.01, -250, 500, 250), 0.01);
  EXPECT_NEAR(Materiali::EpsAcciaio(0.0035, -0.01, 150, 500, 250), -0.0008, 1e-15);
  // Neutral axis at 100: 1.4 per mille at 60, yielded at 30, pulling at 150.
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 60, 200, 0), 56000);
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 30, 200, 0), fyd * 200);
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 150, 200, 0), -70000);
}

TEST_F(Leggi, ConcreteBlockOfARectangle) {
  double x, z;
  // At eps_cu: 17/21 fcd x at 99/238 x from the top; x = 300 of 500.
  EXPECT_NEAR(m_.RisultanteCls(0.0035, -0.0035 * 2 / 3, x, 500, z), 17.0 / 21 * fcd * 300, 1e-9);
  EXPECT_NEAR(x, 300, 1e-9);
  EXPECT_NEAR(x - z, 99.0 / 238 * 300, 1e-9);
  double r, zVecchio;
  m_.TMP_RisultanteCompressioniCls(300, 0.0035, r, zVecchio);
  EXPECT_NEAR(r, 17.0 / 21 * fcd * 300, 1e-9);
  EXPECT_NEAR(zVecchio, z, 1e-9);
  // Wholly compressed, 3.5 to 1 per mille: 0.6 of the depth at fcd, then the
  // parabola from 2 to 1 per mille.
  EXPECT_NEAR(m_.RisultanteCls(0.0035, 0.001, x, 1, z), 29.0 / 30 * fcd, 1e-12);
  // Parabola only, parabola and plateau, wholly compressed: as the law integrated.
  for (auto [e1, e2, h] : {std::array{0.0012, -0.003, 400.0}, std::array{0.0035, -0.0675, 600.0},
                           std::array{0.003, 0.0015, 250.0}, std::array{0.0018, 0.0004, 500.0}}) {
    const double rc = m_.RisultanteCls(e1, e2, x, h, z);
    const auto atteso = Integra(e1, e2, h);
    EXPECT_NEAR(rc, atteso[0], 1e-7 * atteso[0]) << e1 << " " << e2;
    EXPECT_NEAR(x - z, atteso[1], 1e-6 * h) << e1 << " " << e2;
  }
}

TEST_F(Leggi, DegenerateBlocksGiveZeroNeverNaN) {
  double x = 7, z = 7, r = 7;
  EXPECT_EQ(m_.RisultanteCls(0.002, 0.002, x, 500, z), 0);
  EXPECT_EQ(z, 0);
  z = 7;
  EXPECT_EQ(m_.RisultanteCls(0, -0.002, x, 500, z), 0);
  EXPECT_EQ(z, 0);
  m_.TMP_RisultanteCompressioniCls(100, 0, r, z);
  EXPECT_EQ(r + z, 0);
  EXPECT_TRUE(box_.Mostrati().empty());
  // Overflow is told.
  EXPECT_EQ(m_.RisultanteCls(0.0035, -0.0035, x, 1e308, z), 0);
  EXPECT_EQ(box_.Testi(), (std::vector<std::string>{"Errore sconosciuto in RisultanteCompressioniCls"}));
}

TEST_F(Leggi, LimitRatiosOfTheDesignSteel) {
  // Concrete at eps_cu, block 17/21 fcd x with x = eps_cu / (eps_cu + eps_s).
  auto rapporto = [](double epsS, double f) { return 17.0 / 21 * fcd * 0.0035 / (0.0035 + epsS) / f; };
  std::array<float, 2> r{};
  m_.RapportiLimiteArmatura(r, 0);
  EXPECT_FLOAT_EQ(r[0], static_cast<float>(rapporto(0.0675, fyd)));
  Stato.TipoAcciaioProgetto = 1;
  m_.RapportiLimiteArmatura(r, 0);
  EXPECT_FLOAT_EQ(r[1], static_cast<float>(rapporto(0.007, 1400)));
}

TEST_F(Leggi, TensionAreaForEquilibrium) {
  // d 450, bars 50 from the edges, b 300, steel at 10 per mille: compression bars yielded.
  const double fc = 17.0 / 21 * fcd * (450 * 0.0035 / 0.0135) * 300;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0, 0.01), fc / fyd, 1e-3);
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), fc / (0.5 * fyd), 1e-3);
  // At eps_su the compression bars lie below the neutral axis and pull.
  const double fcAlto = 17.0 / 21 * fcd * (450 * 0.0035 / 0.071) * 300;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.0675), fcAlto / (1.5 * fyd), 1e-3);
  ProgettoProva progetto;
  Finestre::Aperte.ProgettoSezione = &progetto;
  progetto.beta = 0.5;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), fc / (0.5 * fyd), 1e-3);
  progetto.tenute = 1200;  // more compression steel than beta As
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), (fc + 1200 * fyd) / fyd, 1e-3);
  // As much compression as tension steel, both yielded: nothing balances the
  // concrete; nor without a compressed depth.
  EXPECT_FALSE(m_.AsEquilibrio(450, 50, 300, 1, 0.01));
  EXPECT_FALSE(m_.AsEquilibrio(450, 50, 300, 1.5, 0.01));
  EXPECT_FALSE(m_.AsEquilibrio(0, 50, 300, 0, 0.01));
}

TEST_F(Leggi, NoticeWhenTheStrainsDifferFromTheCode) {
  AvvisiProva avvisi;
  Finestre::Aperte.frmAvvisi = &avvisi;
  Stato.EpsCu = 0.00345;  // within 0.0001
  m_.InizializzaMateriali(200000);
  EXPECT_EQ(avvisi.mostrati, 0);
  Stato.EpsCu = 0.003;
  m_.InizializzaMateriali(200000);
  m_.InizializzaMateriali(200000);
  EXPECT_EQ(avvisi.mostrati, 2);
  Stato.EpsCu = 0.0035;
  Stato.Fck = 70;  // normal strains on a high-strength class
  avvisi.spunta = true;
  m_.InizializzaMateriali(200000);
  m_.InizializzaMateriali(200000);
  EXPECT_EQ(avvisi.mostrati, 3);
  EXPECT_TRUE(Stato.NonMostrareAvviso);
  Finestre::Aperte.frmAvvisi = nullptr;  // no window: the load completes
  Stato.NonMostrareAvviso = false;
  Stato.Fcd = 40;
  m_.InizializzaMateriali(200000);
  EXPECT_DOUBLE_EQ(m_.SIGCU, 40);
}

// Each constant out of its range is named; the sane defaults pass, the
// tendons' fyd only matters to an ultimate run with tendons.
TEST_F(Leggi, ConstantsOutOfRangeAreNamed) {
  EXPECT_EQ(Materiali::CostantiNonValide(true, true), "");
  Stato.Fyd[1] = 0;
  EXPECT_EQ(Materiali::CostantiNonValide(true, false), "");
  EXPECT_EQ(Materiali::CostantiNonValide(false, true), "");
  EXPECT_NE(Materiali::CostantiNonValide(true, true).find("fyd dei cavi"), std::string::npos);
  Stato.Fyd[1] = 1400;
  const double inf = INFINITY;
  const std::vector<std::pair<double*, const char*>> campi{
      {&Stato.Fcd, "fcd"}, {&Stato.RapportoFccFcd, "fcc/fcd"}, {&Stato.EpsCu, "εcu"},
      {&Stato.EpsC2, "εc2"}, {&Stato.EpsSu, "εsu"}, {&Stato.ModuloEs, "Es"},
      {&Stato.Fyd[0], "fyd delle barre"}};
  for (const auto& [campo, nome] : campi) {
    const double buono = *campo;
    for (double cattivo : {0.0, -1.0, inf, std::nan("")}) {
      *campo = cattivo;
      EXPECT_NE(Materiali::CostantiNonValide(false, true).find(nome), std::string::npos)
          << nome << " = " << cattivo;
    }
    *campo = buono;
  }
  // A modulus so small that fyd / Es overflows.
  Stato.ModuloEs = 1e-310;
  EXPECT_NE(Materiali::CostantiNonValide(false, true).find("Es"), std::string::npos);
  Stato.ModuloEs = 200000;
  // fck up to the 90 N/mm2 of the codes.
  Stato.Fck = 90;
  EXPECT_EQ(Materiali::CostantiNonValide(false, true), "");
  for (double fck : {90.5, 150.0, 1e30, 0.0, std::nan("")}) {
    Stato.Fck = fck;
    EXPECT_EQ(Materiali::CostantiNonValide(false, true).rfind("fck", 0), 0u) << fck;
  }
}

TEST(RapportiN, BarsAndTendonsEachWhenPresent) {
  EXPECT_EQ(Materiali::RapportiNNonValidi({15, 6}, true, true), "");
  EXPECT_EQ(Materiali::RapportiNNonValidi({0, 0}, false, false), "");
  EXPECT_NE(Materiali::RapportiNNonValidi({0, 6}, true, true), "");
  EXPECT_NE(Materiali::RapportiNNonValidi({15, -6}, true, true), "");
  EXPECT_EQ(Materiali::RapportiNNonValidi({15, -6}, true, false), "");
  EXPECT_NE(Materiali::RapportiNNonValidi({NAN, 6}, true, false), "");
}
