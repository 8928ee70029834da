#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "doppi/FinestreProva.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
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

// Ass1Funz as the design window answers: beta times As, or the compression
// bars it already holds when they are more.
class ProgettoProva : public Finestre::FinestraProgetto {
 public:
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome, int indice) override {
    return form_.Controllo(nome, indice);
  }
  float Ass1Funz(double As) override {
    chiesto.push_back(As);
    return static_cast<float>(std::max(As * beta, tenute));
  }
  double beta = 0;
  double tenute = 0;
  std::vector<double> chiesto;

 private:
  platform::FormInMemoria form_{"ProgettoSezione"};
};

// Defaults of the program state (fck 25, fcd 14.167, fyd 391.3, Es 200000).
class Leggi : public ::testing::Test {
 protected:
  Leggi() {
    Stato.Fyd = {391.3, 1400};
    Carica();
  }
  void Carica() { m_.InizializzaMateriali(200000); }

  // Resultant and its distance from the compressed edge of the stress block
  // of a unit-width rectangle, by Simpson's rule over the depth.
  struct Blocco {
    double r, dalBordo;
  };
  Blocco Integra(double e1, double e2, double h) const {
    const int n = 200000;
    const double passo = h / n;
    double r = 0, m = 0;
    for (int i = 0; i <= n; ++i) {
      const double t = i * passo;
      const double peso = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
      const double sigma = m_.SigmaCls(e1 - (e1 - e2) * t / h);
      r += peso * sigma;
      m += peso * sigma * t;
    }
    return {r * passo / 3, m / r};
  }

  StatoPulito pulito_;
  platform::MsgBoxScriptato box_;
  Materiali m_;
};

}  // namespace

TEST_F(Leggi, CodeStrainsFollowTheConcreteClass) {
  double cu, c2;
  for (double fck : {25.0, 50.0}) {
    Stato.Fck = fck;
    Materiali::ParabolaRettangolo(cu, c2);
    EXPECT_EQ(cu, 0.0035);
    EXPECT_EQ(c2, 0.002);
  }
  // The high-strength classes of the code's table, given to 0.1 per mille.
  struct Classe {
    double fck, cu, c2;
  };
  for (Classe k : {Classe{55, 0.0031, 0.0022}, Classe{60, 0.0029, 0.0023},
                   Classe{70, 0.0027, 0.0024}, Classe{80, 0.0026, 0.0025},
                   Classe{90, 0.0026, 0.0026}}) {
    Stato.Fck = k.fck;
    Materiali::ParabolaRettangolo(cu, c2);
    EXPECT_NEAR(cu, k.cu, 0.00005) << k.fck;
    EXPECT_NEAR(c2, k.c2, 0.00005) << k.fck;
  }
  Stato.Fck = 90;
  Materiali::ParabolaRettangolo(cu, c2);
  EXPECT_DOUBLE_EQ(cu, 0.0026);
}

TEST_F(Leggi, LoadingTakesTheProgramStateAndKeepsIt) {
  Stato.Fcd = 20;
  Stato.RapportoFccFcd = 0.85;
  Stato.EpsSu = 0.01;
  Carica();
  EXPECT_DOUBLE_EQ(m_.SIGCU, 20);
  EXPECT_DOUBLE_EQ(m_.SIGCUC, 17);
  EXPECT_DOUBLE_EQ(m_.EPSSU, 0.01);
  EXPECT_DOUBLE_EQ(m_.epsCu, 0.0035);
  EXPECT_DOUBLE_EQ(m_.EPSP, 0.002);
  Stato.Fcd = 30;
  Stato.Fyd[0] = 100;
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.01), 20);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 0, 0), 391.3);
}

TEST_F(Leggi, ConcreteParabolaAndPlateau) {
  const double fcd = 14.167;
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.001), 0.75 * fcd);
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0), 0);
  EXPECT_DOUBLE_EQ(m_.SigmaCls(-0.001), 0);
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.002), fcd);
  EXPECT_DOUBLE_EQ(m_.SigmaCls(0.01), fcd);
}

TEST_F(Leggi, SteelCappedAtUltimateLimitStateLinearInMetodoN) {
  for (int tipo : {0, 2}) {
    Stato.TipoVerifica = tipo;
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 0, 0), 391.3);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(-0.01, 0, 0), -391.3);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.001, 0, 0), 200);
    EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 1, 0), 1400);
  }
  Stato.TipoVerifica = 1;
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 0, 0), 2000);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(-0.01, 0, 0), -2000);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.01, 1, 0), 2000);
}

TEST_F(Leggi, TendonsAddTheirPrestrainBarsDoNot) {
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.001, 1, 0.005), 1200);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.004, 1, 0.005), 1400);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(-0.001, 1, 0.005), 800);
  EXPECT_DOUBLE_EQ(m_.SigmaAcciaio(0.001, 0, 0.005), 200);
}

TEST_F(Leggi, StrainOfAPointIsMinusThePlane) {
  // 3.5 per mille shortening at y = 250, 10 per mille elongation at y = -250.
  EXPECT_DOUBLE_EQ(Materiali::EpsAcciaio(0.0035, -0.01, 250, 500, 250), -0.0035);
  EXPECT_DOUBLE_EQ(Materiali::EpsAcciaio(0.0035, -0.01, -250, 500, 250), 0.01);
  EXPECT_NEAR(Materiali::EpsAcciaio(0.0035, -0.01, 0, 500, 250), 0.00325, 1e-15);
  EXPECT_NEAR(Materiali::EpsAcciaio(0.0035, -0.01, 150, 500, 250), -0.0008, 1e-15);
}

TEST_F(Leggi, RectangleBlockAtTheUltimateConcreteStrain) {
  const double fcd = 14.167;
  double x, z;
  // Neutral axis 300 below the top of a 500 deep rectangle.
  const double r = m_.RisultanteCls(0.0035, -0.0035 * 200 / 300, x, 500, z);
  EXPECT_NEAR(x, 300, 1e-9);
  EXPECT_NEAR(r, 17.0 / 21 * fcd * 300, 1e-9);
  EXPECT_NEAR(x - z, 99.0 / 238 * 300, 1e-9);
  // The case of the symmetric plane: x = h/2, parabola over 2/7 of h.
  const double a = 2.0 / 7;
  EXPECT_NEAR(m_.RisultanteCls(0.0035, -0.0035, x, 1, z), fcd * (0.5 - a / 3), 1e-12);
  // Parabola only, reaching fcd at the edge: 2/3 fcd x at 3/8 x from the edge.
  EXPECT_NEAR(m_.RisultanteCls(0.002, -0.002, x, 1, z), fcd / 3, 1e-12);
  EXPECT_NEAR(x - z, 3.0 / 16, 1e-12);
}

TEST_F(Leggi, BlockAgreesWithTheLawIntegratedOverTheDepth) {
  struct Piano {
    double e1, e2, h;
  };
  // Parabola only, parabola and plateau, and wholly compressed sections.
  for (Piano p : {Piano{0.0012, -0.003, 400}, Piano{0.0035, -0.0675, 600},
                  Piano{0.0035, 0.001, 1}, Piano{0.0035, 0.0, 300}, Piano{0.003, 0.0015, 250},
                  Piano{0.0018, 0.0004, 500}}) {
    double x, z;
    const double r = m_.RisultanteCls(p.e1, p.e2, x, p.h, z);
    const Blocco atteso = Integra(p.e1, p.e2, p.h);
    EXPECT_NEAR(r, atteso.r, 1e-7 * atteso.r) << p.e1 << " " << p.e2;
    EXPECT_NEAR(x - z, atteso.dalBordo, 1e-6 * p.h) << p.e1 << " " << p.e2;
  }
  // The wholly compressed case in closed form: 0.6 of the depth at fcd,
  // then the parabola from 2 to 1 per mille.
  double x, z;
  EXPECT_NEAR(m_.RisultanteCls(0.0035, 0.001, x, 1, z), 29.0 / 30 * 14.167, 1e-12);
  EXPECT_NEAR(x, 1.4, 1e-12);
}

TEST_F(Leggi, ZeroDivisorsGiveAZeroBlockQuietly) {
  double x = 7, z = 7;
  EXPECT_EQ(m_.RisultanteCls(0.002, 0.002, x, 500, z), 0);
  EXPECT_EQ(z, 0);
  EXPECT_EQ(x, 7);
  z = 7;
  EXPECT_EQ(m_.RisultanteCls(0, -0.002, x, 500, z), 0);
  EXPECT_EQ(z, 0);
  EXPECT_EQ(x, 0);
  double r = 7;
  z = 7;
  m_.TMP_RisultanteCompressioniCls(100, 0, r, z);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(z, 0);
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(Leggi, OverflowIsToldAndGivesZero) {
  double x, z = 7;
  EXPECT_EQ(m_.RisultanteCls(0.0035, -0.0035, x, 1e308, z), 0);
  EXPECT_EQ(z, 0);
  ASSERT_EQ(box_.Mostrati().size(), 1u);
  EXPECT_EQ(box_.Mostrati()[0].testo, "Errore sconosciuto in RisultanteCompressioniCls");
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Critica);
}

TEST_F(Leggi, OlderFormGivesTheBlockWithoutTheCut) {
  double r, z;
  m_.TMP_RisultanteCompressioniCls(300, 0.0035, r, z);
  EXPECT_NEAR(r, 17.0 / 21 * 14.167 * 300, 1e-9);
  EXPECT_NEAR(300 - z, 99.0 / 238 * 300, 1e-9);
  // Where the cut form removes the part past the far edge, this one does not.
  double x, zTagliato;
  const double tagliato = m_.RisultanteCls(0.0035, 0.001, x, 1, zTagliato);
  m_.TMP_RisultanteCompressioniCls(x, 0.0035, r, z);
  EXPECT_GT(r, tagliato);
}

TEST_F(Leggi, CompressedSteelLayer) {
  // 3.5 per mille at the top, neutral axis at 100: 1.4 per mille at 60,
  // 2.1 per mille (yielded) at 30.
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 60, 200, 0), 56000);
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 30, 200, 0), 391.3 * 200);
  EXPECT_DOUBLE_EQ(m_.RisultanteCompressioniAcciaio(100, 0.0035, 150, 200, 0), -70000);
}

TEST_F(Leggi, LimitRatiosOfTheDesignSteel) {
  // Concrete at 3.5 per mille: the block is 17/21 fcd x with x = eps_cu /
  // (eps_cu + eps_s) of the effective depth.
  auto rapporto = [](double epsS, double fyd) {
    return 17.0 / 21 * 14.167 * (0.0035 / (0.0035 + epsS)) / fyd;
  };
  std::array<float, 2> r{};
  m_.RapportiLimiteArmatura(r, 0);
  EXPECT_FLOAT_EQ(r[0], static_cast<float>(rapporto(0.0675, 391.3)));
  EXPECT_FLOAT_EQ(r[1], static_cast<float>(rapporto(391.3 / 200000, 391.3)));
  Stato.TipoAcciaioProgetto = 1;
  m_.RapportiLimiteArmatura(r, 0);
  EXPECT_FLOAT_EQ(r[0], static_cast<float>(rapporto(0.0675, 1400)));
  EXPECT_FLOAT_EQ(r[1], static_cast<float>(rapporto(0.007, 1400)));
}

TEST_F(Leggi, TensionAreaForEquilibrium) {
  // d 450, bars 50 from the edges, b 300, steel at 10 per mille: the neutral
  // axis lies at 450 * 3.5 / 13.5 and the compression bars have yielded.
  const double x = 450 * 0.0035 / 0.0135;
  const double fc = 17.0 / 21 * 14.167 * x * 300;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0, 0.01), fc / 391.3, 1e-3);
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), fc / (0.5 * 391.3), 1e-3);
  // At eps_su the neutral axis rises above the compression bars, which then
  // pull (yielded) beside the tension bars.
  const double xAlto = 450 * 0.0035 / 0.071;
  const double fcAlto = 17.0 / 21 * 14.167 * xAlto * 300;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.0675), fcAlto / (1.5 * 391.3), 1e-3);
}

TEST_F(Leggi, EquilibriumWithTheDesignWindowsCompressionBars) {
  ProgettoProva progetto;
  Finestre::Aperte.ProgettoSezione = &progetto;
  const double fc = 17.0 / 21 * 14.167 * (450 * 0.0035 / 0.0135) * 300;
  progetto.beta = 0.5;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), fc / (0.5 * 391.3), 1e-3);
  ASSERT_EQ(progetto.chiesto.size(), 1u);
  EXPECT_NEAR(progetto.chiesto[0], fc / (0.5 * 391.3), 1e-6);
  // The window holds more compression steel than beta As: As balances it.
  progetto.tenute = 1200;
  EXPECT_NEAR(*m_.AsEquilibrio(450, 50, 300, 0.5, 0.01), (fc + 1200 * 391.3) / 391.3, 1e-3);
}

TEST_F(Leggi, NoAreaWhenTheCompressionBarsMatchTheTensionBars) {
  // Both yielded and as many: the concrete is left unbalanced.
  EXPECT_FALSE(m_.AsEquilibrio(450, 50, 300, 1, 0.01).has_value());
  EXPECT_FALSE(m_.AsEquilibrio(450, 50, 300, 1.5, 0.01).has_value());
  ProgettoProva progetto;
  progetto.tenute = 1200;
  Finestre::Aperte.ProgettoSezione = &progetto;
  EXPECT_FALSE(m_.AsEquilibrio(450, 50, 300, 1, 0.01).has_value());
  // No effective depth: no compressed block.
  EXPECT_FALSE(m_.AsEquilibrio(0, 50, 300, 0, 0.01).has_value());
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_F(Leggi, NoticeWhenTheStrainsDifferFromTheCode) {
  AvvisiProva avvisi;
  Finestre::Aperte.frmAvvisi = &avvisi;
  Carica();
  EXPECT_EQ(avvisi.mostrati, 0);
  Stato.EpsCu = 0.00345;  // within 0.0001 of the code value
  Carica();
  EXPECT_EQ(avvisi.mostrati, 0);
  Stato.EpsCu = 0.003;
  Carica();
  Carica();
  EXPECT_EQ(avvisi.mostrati, 2);
  EXPECT_DOUBLE_EQ(m_.epsCu, 0.003);
  // A high-strength class with the normal strains differs from its code values.
  Stato.EpsCu = 0.0035;
  Stato.Fck = 70;
  Carica();
  EXPECT_EQ(avvisi.mostrati, 3);
  EXPECT_FALSE(Stato.NonMostrareAvviso);
  avvisi.spunta = true;
  Carica();
  EXPECT_TRUE(Stato.NonMostrareAvviso);
  Carica();
  EXPECT_EQ(avvisi.mostrati, 4);
  // With no notice window the load completes.
  Finestre::Aperte.frmAvvisi = nullptr;
  Stato.NonMostrareAvviso = false;
  Stato.Fcd = 40;
  Carica();
  EXPECT_DOUBLE_EQ(m_.SIGCU, 40);
}
