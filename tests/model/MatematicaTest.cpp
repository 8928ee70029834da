#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/Matematica.h"
#include "platform/MsgBoxScriptato.h"

using namespace Matematica;
using platform::MsgBoxScriptato;
using platform::Risposta;

namespace {

// A residual with a call log; the last abscissa evaluated is kept as state.
class Funzione : public Equazione {
 public:
  explicit Funzione(std::function<double(double)> f) : f_(std::move(f)) {}
  double yEquazione(double& x, const std::optional<double>& parametro) override {
    ++chiamate;
    ultimoX = x;
    ultimoParametro = parametro;
    return f_(x);
  }
  int chiamate = 0;
  double ultimoX = NAN;
  std::optional<double> ultimoParametro;

 private:
  std::function<double(double)> f_;
};

}  // namespace

TEST(RadiceRegulaFalsi, SmoothFunctionConvergesAndBracketsTheRoot) {
  MsgBoxScriptato box;
  Funzione f([](double x) { return x * x - 2; });
  double x1 = 0, x2 = 2;
  bool trovata = false;
  const double r = RadiceRegulaFalsi(f, x1, x2, 1e-9, std::nullopt, &trovata);
  EXPECT_TRUE(trovata);
  EXPECT_LT(std::fabs(r * r - 2), 1e-9);
  // The last evaluation is the returned point.
  EXPECT_EQ(f.ultimoX, r);
  EXPECT_LE(std::min(x1, x2), std::sqrt(2.0) + 1e-9);
  EXPECT_GE(std::max(x1, x2), std::sqrt(2.0) - 1e-9);
  EXPECT_TRUE(box.Mostrati().empty());
}

TEST(RadiceRegulaFalsi, ParameterIsPassedThroughAndEndsAreTestedFirst) {
  Funzione f([](double x) { return x - 3; });
  double x1 = 3, x2 = 10;
  EXPECT_EQ(RadiceRegulaFalsi(f, x1, x2, 1e-12, 7.5), 3);
  EXPECT_EQ(f.chiamate, 1);  // f(x2) is not evaluated
  EXPECT_EQ(f.ultimoParametro, 7.5);
  double y1 = 0, y2 = 3;
  EXPECT_EQ(RadiceRegulaFalsi(f, y1, y2, 1e-12), 3);
  EXPECT_FALSE(f.ultimoParametro.has_value());
  EXPECT_EQ(y1, 0);  // unchanged on an early return
}

TEST(RadiceRegulaFalsi, NoSignChangeIsReportedAsFailure) {
  MsgBoxScriptato box;
  Funzione f([](double x) { return x * x + 1; });
  double x1 = -1, x2 = 2;
  bool trovata = true;
  EXPECT_EQ(RadiceRegulaFalsi(f, x1, x2, 1e-9, std::nullopt, &trovata), 0);
  EXPECT_FALSE(trovata);
  ASSERT_EQ(box.Mostrati().size(), 1u);
  EXPECT_EQ(box.Testi()[0], "ERRORE! La funzione non cambia segno fra x1 e x2");
  EXPECT_EQ(box.Mostrati()[0].icona, platform::Icona::Critica);
}

TEST(RadiceRegulaFalsi, PromptAfter101IterationsYesThenNo) {
  MsgBoxScriptato box;
  box.Accoda(Risposta::Si);
  box.Accoda(Risposta::No);
  // A jump across the root: the residual never falls below the tolerance.
  Funzione f([](double x) { return x > 0.3 ? 1.0 : -1.0; });
  double x1 = -1, x2 = 3;
  bool trovata = true;
  EXPECT_EQ(RadiceRegulaFalsi(f, x1, x2, 1e-9, std::nullopt, &trovata), 0);
  EXPECT_FALSE(trovata);
  ASSERT_EQ(box.Mostrati().size(), 3u);
  EXPECT_EQ(box.Testi()[0],
            "ERRORE! Il procedimento non converge!\rSuperate 101 iterazioni.\rProseguire ?");
  EXPECT_EQ(box.Mostrati()[0].pulsanti, platform::Pulsanti::SiNo);
  EXPECT_EQ(box.Testi()[1],
            "ERRORE! Il procedimento non converge!\rSuperate 201 iterazioni.\rProseguire ?");
  EXPECT_EQ(box.Testi()[2], "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
}

TEST(RadiceRegulaFalsi, EqualResidualsEndAsFailureNotDivision) {
  MsgBoxScriptato box;
  // Zero at both ends with a tolerance of zero: no secant through them.
  Funzione f([](double) { return 0.0; });
  double x1 = -1, x2 = 3;
  bool trovata = true;
  const double r = RadiceRegulaFalsi(f, x1, x2, 0, std::nullopt, &trovata);
  EXPECT_EQ(r, 0);
  EXPECT_FALSE(trovata);
  EXPECT_EQ(f.chiamate, 2);
  ASSERT_EQ(box.Mostrati().size(), 1u);
  EXPECT_EQ(box.Testi().back(), "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
}

TEST(Matematica, AngoloVettore) {
  EXPECT_NEAR(AngoloVettore(1, -1), 3 * Pi / 4, 1e-14);
  EXPECT_NEAR(AngoloVettore(-1, 1), 7 * Pi / 4, 1e-14);
  EXPECT_NEAR(AngoloVettore(0, -5), Pi, 1e-14);
  EXPECT_NEAR(AngoloVettore(-2, 0), 3 * Pi / 2, 1e-14);
  EXPECT_EQ(AngoloVettore(0, 0), 0);
  EXPECT_NEAR(AngoloVettore(3, 0), Pi / 2, 1e-14);
  EXPECT_NEAR(AngoloVettore(1e308, 1e-308), Pi / 2, 1e-14);  // overflowing ratio
}

TEST(Matematica, ScalarHelpers) {
  double r1 = 9, r2 = 9;
  EXPECT_TRUE(RadiciSecondoGrado(1, -3, 2, r1, r2));
  EXPECT_EQ(r1, 2);
  EXPECT_EQ(r2, 1);
  EXPECT_FALSE(RadiciSecondoGrado(1, 0, 1, r1, r2));
  EXPECT_EQ(r1, 2);
  EXPECT_TRUE(StessoSegno(0, 0));
  EXPECT_FALSE(StessoSegno(0, 1));
  EXPECT_TRUE(StessoSegno(-2, -0.1));
  EXPECT_TRUE(NumeroPari(-4));
  EXPECT_FALSE(NumeroPari(-3));
  EXPECT_FALSE(NumeroPari(2.5));
  EXPECT_TRUE(NumeroDispari(2.5));
  EXPECT_EQ(yInterpola(5, 2, 7, 2, 9), 7);
  EXPECT_DOUBLE_EQ(yInterpola(3, 1, 10, 2, 20), 30);  // extrapolation
  EXPECT_NEAR(ArcoSeno(0.5), Pi / 6, 1e-13);
}
