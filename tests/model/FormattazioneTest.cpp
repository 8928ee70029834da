#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <ostream>
#include <string>
#include <utility>

#include "doppi/SistemaProva.h"
#include "model/Formattazione.h"
#include "model/Formato.h"
#include "model/TestoUtf8.h"
#include "platform/MsgBoxScriptato.h"

using namespace Formattazione;
using Casi = std::vector<std::pair<std::string, std::string>>;  // obtained, expected

namespace {

struct Separatori {
  const char* decimale;
  const char* migliaia;
};

void PrintTo(const Separatori& s, std::ostream* os) { *os << s.decimale << s.migliaia; }

// Expected texts are written for "." decimals and "," thousands; under the
// other locale the two characters trade places.
class NumeriNelLocale : public ::testing::TestWithParam<Separatori> {
 protected:
  void Verifica(const Casi& casi) const {
    const bool virgola = std::string(GetParam().decimale) == ",";
    for (auto [ottenuto, atteso] : casi) {
      for (char& c : atteso)
        if (virgola && (c == '.' || c == ',')) c = (c == '.') ? ',' : '.';
      EXPECT_EQ(ottenuto, atteso);
    }
  }
  SeparatoriProva separatori_{GetParam().decimale, GetParam().migliaia};
  platform::MsgBoxScriptato box_;
};

}  // namespace

TEST_P(NumeriNelLocale, SignificantDigitsTrimmingAndExponentForm) {
  std::string s1, s2, s3;
  Verifica({{FormattaCifreSignificative(3, 0, &s1), " 0"},
            {FormattaCifreSignificative(3, 1, &s2), " 1.00"},
            {FormattaCifreSignificative(3, -0.5), "-0.500"},
            {FormattaCifreSignificative(3, 0.0123), " 0.0123"},
            {FormattaCifreSignificative(3, 999.9, &s3), " 1,000"},
            {FormattaCifreSignificative(3, -12345.6), "-12,346"},
            {FormattaNumero(4, 10, 12.5, false), " 12.5"},
            {FormattaNumero(4, 10, 12, false), " 12"},
            {FormattaNumero(4, 10, -0.25, false), "-0.25"},
            // Without a decimal separator the zeros are digits, not padding.
            {FormattaNumero(4, 10, 1234567, true), "1,234,567"},
            {FormattaNumero(4, 10, -12000, true), "-12,000"},
            {FormattaNumero(4, 10, 0, true), " 0"},
            // A negative value puts its sign in the blank of " 0.000E+00".
            {FormattaNumero(4, 10, -123456789012.0), "-1.235E+11"},
            {FormattaNumero(4, 10, 1e12), " 1E+12"},
            {FormattaNumero(4, 10, 1.5e-15), " 1.5E-15"}});
  EXPECT_EQ(s1, "");
  EXPECT_EQ(s2, "#,##0.00");  // patterns are never localised
  EXPECT_EQ(s3, "#,##0");
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_P(NumeriNelLocale, TooNarrowAFieldIsReportedAndStillFormatted) {
  std::string schema;
  Verifica({{FormattaMaxCaratteri(4, 6, 123456.7, &schema), " 1.235E+05"},
            {FormattaNumero(4, 6, 12.5, false), " 12.5"}});
  EXPECT_EQ(schema, " 0.000E+00");
  EXPECT_EQ(box_.Testi(), std::vector<std::string>{"n. caratteri minimo = 10"});
}

TEST_P(NumeriNelLocale, GroupedValuesAndPlainText) {
  std::string s1, s2;
  Verifica({{FormattaMigliaia(4, 12345.678), " 12,346"},
            {FormattaMigliaia(7, 12345.678, &s1), " 12,345.68"},
            {FormattaMigliaia(7, 12345, &s2), " 12345"},
            {FormattaMigliaia(4, -0.0123456), "-1.235E-02"},
            {SeparatoreDecimale(), "."},
            {TestoNumero(0.1 + 0.2), "0.3"},
            {TestoNumero(-0.0), "0"},
            {TestoNumero(1.5e-5), "1.5E-05"},
            {TestoNumero(123456789012345.0), "123456789012345"}});
  EXPECT_EQ(s1, "#,##0.00");
  EXPECT_EQ(s2, "");
}

// A value written as text and then to a pattern (as FormattaMigliaia does)
// reuses the digits of the text: they must be those of the value, whatever
// the text's form (trailing zeros left out, leading zeros, exponent), and
// never those of the value written before.
TEST_P(NumeriNelLocale, PatternAfterTheTextOfTheSameOrAnotherValue) {
  auto dopoTesto = [](double testo, double x, const char* schema) {
    TestoNumero(testo);
    return Formato(x, schema);
  };
  Verifica({{dopoTesto(2.5, 2.5, "0.000E+00"), "2.500E+00"},
            {dopoTesto(1200, 1200, "#,##0.00"), "1,200.00"},
            {dopoTesto(0.000123, 0.000123, "0.00E+00"), "1.23E-04"},
            {dopoTesto(0.0123456, 0.0123456, "0.0000"), "0.0123"},
            {dopoTesto(1.5e-5, 1.5e-5, "#.00E+00"), "1.50E-05"},
            {dopoTesto(9.99999999999999e20, 9.99999999999999e20, "0.0E+00"), "1.0E+21"},
            {dopoTesto(99.95, 99.95, "#,##0.0"), "100.0"},
            {dopoTesto(0, 0, "0.00"), "0.00"},
            {dopoTesto(2.5, 7.25, "0.0"), "7.3"},
            {dopoTesto(7.25, -7.25, "0.0"), "-7.3"}});
}

namespace {

// FormattaMigliaia the long way: the plain text, its characters counted, and
// the pattern written by Formato.
std::string MigliaiaDaSchema(int n, double x) {
  const double a = std::fabs(x);
  std::string t = TestoNumero(a);
  const std::size_t b = t.find(SeparatoreDecimale());
  const int p = b == std::string::npos ? 0 : TestoUtf8::NumeroCaratteri(t.substr(0, b)) + 1;
  const int l = TestoUtf8::NumeroCaratteri(t);
  const int cifre = p == 0 ? l : (a >= 1 ? l - 1 : l - 2);
  const int intere = p == 0 ? l : (a >= 1 ? p - 1 : 0);
  const std::string zeri(static_cast<std::size_t>(std::max(n - std::max(intere, 1), 0)), '0');
  if (cifre >= n)
    t = Formato(a, a < 1 ? "#." + std::string(static_cast<std::size_t>(n - 1), '0') + "E+00"
                         : (intere >= n ? "#,##0" : "#,##0." + zeri));
  return (x < 0 ? "-" : " ") + t;
}

}  // namespace

TEST_P(NumeriNelLocale, GroupedValuesAsTheirPlainTextAndPatternGive) {
  // 99.96 to 3 digits: 2 integer digits leave 1 decimal, and 99.96 rounds
  // up to 100.0; 0.099996 rounds to 1.00E-01.
  Verifica({{FormattaMigliaia(3, 99.96), " 100.0"}, {FormattaMigliaia(3, -0.099996), "-1.00E-01"}});
  std::vector<double> valori = {0, -0.0, 3.5, -10, 12, 0.05, 0.0512, 999.96, 9.9996e-5, 1e15,
                                1.5e15, -123456789012345.0, 1e-100, 0.00012345, 2.5e-7};
  std::uint64_t seme = 88172645463325252u;
  for (int i = 0; i < 2000; ++i) {
    seme ^= seme << 13, seme ^= seme >> 7, seme ^= seme << 17;
    const double mantissa = static_cast<double>(seme % 2000000) / 100000 - 10;
    valori.push_back(mantissa * std::pow(10.0, static_cast<int>(seme >> 40) % 24 - 8));
  }
  for (double x : valori)
    for (int n : {3, 4, 5, 7}) EXPECT_EQ(FormattaMigliaia(n, x), MigliaiaDaSchema(n, x)) << n << " " << x;
}

INSTANTIATE_TEST_SUITE_P(Locali, NumeriNelLocale,
                         ::testing::Values(Separatori{".", ","}, Separatori{",", "."}));

TEST(ZeroFinaleMantissa, LooksBeforeTheExponentAndLeavesThePositionWhenNoZero) {
  int i = -7;
  EXPECT_TRUE(ZeroFinaleMantissa(" 1.500E+05", i));
  EXPECT_EQ(i, 6);
  i = -7;
  EXPECT_FALSE(ZeroFinaleMantissa(" 1.235E+00", i));
  EXPECT_FALSE(ZeroFinaleMantissa("", i));
  EXPECT_EQ(i, -7);
}

TEST(Formato, RoundsTheDecimalValueHalfAwayFromZero) {
  SeparatoriProva separatori;
  EXPECT_EQ(Formato(1.005, "0.00"), "1.01");  // 1.00499999... in binary
  EXPECT_EQ(Formato(-2.5, "0"), "-3");
  EXPECT_EQ(Formato(999.96, "#,##0.0"), "1,000.0");
  EXPECT_EQ(Formato(9.9996, "0.000E+00"), "1.000E+01");
  EXPECT_EQ(Formato(0.00012, "0.0e-00"), "1.2e-04");
  EXPECT_EQ(Formato(-0.001, "0.00"), "0.00");  // no sign on a zero
  EXPECT_EQ(Formato(0.5, "#.0#"), ".5");
  EXPECT_EQ(Formato(7, "000 kN"), "007 kN");
}

TEST(Formato, SeparatorsOfMoreThanOneByteCountAsOneCharacter) {
  SeparatoriProva separatori(",", "\u202F");
  EXPECT_EQ(FormattaNumero(4, 10, 1234567.25, false), " 1\u202F234\u202F567");
  EXPECT_EQ(FormattaMigliaia(3, 1234567.25), " 1\u202F234\u202F567");
  SeparatoriProva arabo("\u066B", "\u066C");
  for (double x : {12.5, 0.0512, 0.05, 1234.5, 1.5e15})
    EXPECT_EQ(FormattaMigliaia(3, x), MigliaiaDaSchema(3, x)) << x;
}

// An infinite stress or a NaN is never shown as a number (" 0", "inf").
TEST(NumeriNonFiniti, ShownAsADash) {
  for (double x : {double(INFINITY), -double(INFINITY), std::nan("")}) {
    std::string schema = "x";
    EXPECT_EQ(FormattaCifreSignificative(4, x, &schema), "-");
    EXPECT_EQ(schema, "");
    EXPECT_EQ(FormattaMigliaia(3, x), "-");
    EXPECT_EQ(FormattaNumero(4, 10, x, true), "-");
    EXPECT_EQ(TestoNumero(x), "-");
    EXPECT_EQ(Formato(x, "0.00"), "-");
  }
}
