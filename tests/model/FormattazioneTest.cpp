#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "doppi/SistemaProva.h"
#include "model/Formattazione.h"
#include "model/Formato.h"
#include "platform/MsgBoxScriptato.h"

using namespace Formattazione;

namespace {

struct Separatori {
  const char* decimale;
  const char* migliaia;
};

void PrintTo(const Separatori& s, std::ostream* os) {
  *os << '"' << s.decimale << "\" e \"" << s.migliaia << '"';
}

// Every case is written for "." decimals and "," thousands; under the other
// locale the two characters trade places.
class NumeriNelLocale : public ::testing::TestWithParam<Separatori> {
 protected:
  std::string L(std::string testo) const {
    if (std::string(GetParam().decimale) == ".") return testo;
    for (char& c : testo) c = (c == '.') ? ',' : (c == ',') ? '.' : c;
    return testo;
  }
  SeparatoriProva separatori_{GetParam().decimale, GetParam().migliaia};
  platform::MsgBoxScriptato box_;
};

}  // namespace

TEST_P(NumeriNelLocale, SignificantDigitsKeepTheSignPositionAndGroupIntegers) {
  std::string schema = "x";
  EXPECT_EQ(FormattaCifreSignificative(3, 0, &schema), " 0");
  EXPECT_EQ(schema, "");
  EXPECT_EQ(FormattaCifreSignificative(3, 1e-25), " 0");
  EXPECT_EQ(FormattaCifreSignificative(3, 1, &schema), L(" 1.00"));
  EXPECT_EQ(schema, "#,##0.00");  // the pattern itself is never localised
  EXPECT_EQ(FormattaCifreSignificative(3, -0.5), L("-0.500"));
  EXPECT_EQ(FormattaCifreSignificative(3, 0.0123, &schema), L(" 0.0123"));
  EXPECT_EQ(schema, "#,##0.0000");
  EXPECT_EQ(FormattaCifreSignificative(3, 12.345, &schema), L(" 12.3"));
  EXPECT_EQ(schema, "#,##0.0");
  EXPECT_EQ(FormattaCifreSignificative(3, 999.9, &schema), L(" 1,000"));
  EXPECT_EQ(schema, "#,##0");
  EXPECT_EQ(FormattaCifreSignificative(3, -12345.6), L("-12,346"));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_P(NumeriNelLocale, TrimmedValuesLoseTrailingZerosOnly) {
  EXPECT_EQ(FormattaNumero(4, 10, 12.5, false), L(" 12.5"));
  EXPECT_EQ(FormattaNumero(4, 10, 12, false), L(" 12"));
  EXPECT_EQ(FormattaNumero(4, 10, 100, false), L(" 100"));
  EXPECT_EQ(FormattaNumero(4, 10, -0.25, false), L("-0.25"));
  EXPECT_EQ(FormattaNumero(4, 10, 0.0011, false), L(" 0.0011"));
  // No decimal separator: the zeros of the integer are digits, not padding.
  EXPECT_EQ(FormattaNumero(4, 10, 1234567, true), L("1,234,567"));
  EXPECT_EQ(FormattaNumero(4, 10, 12000, true), L("12,000"));
  EXPECT_EQ(FormattaNumero(4, 10, -12000, true), L("-12,000"));
  // The blank is dropped only for values above zero.
  EXPECT_EQ(FormattaNumero(4, 10, 0, true), " 0");
  EXPECT_EQ(FormattaNumero(4, 10, 12.5, true), L("12.5"));
  EXPECT_TRUE(box_.Mostrati().empty());
}

TEST_P(NumeriNelLocale, LongValuesTakeTheExponentForm) {
  std::string schema;
  EXPECT_EQ(FormattaMaxCaratteri(4, 10, 123456789012.0, &schema), L(" 1.235E+11"));
  EXPECT_EQ(schema, " 0.000E+00");
  // A negative value puts its sign in the blank of the pattern.
  EXPECT_EQ(FormattaMaxCaratteri(4, 10, -123456789012.0), L("-1.235E+11"));
  EXPECT_EQ(FormattaNumero(4, 10, -123456789012.0), L("-1.235E+11"));
  // Trimming stops at the exponent, and a bare separator goes too.
  EXPECT_EQ(FormattaNumero(4, 10, 1e12), " 1E+12");
  EXPECT_EQ(FormattaNumero(4, 10, 1.5e12), L(" 1.5E+12"));
  EXPECT_EQ(FormattaNumero(4, 10, 123456.7e-20), L(" 1.235E-15"));
  EXPECT_TRUE(box_.Mostrati().empty());  // 10 characters are enough for 4 digits
}

TEST_P(NumeriNelLocale, TooNarrowAFieldIsReportedAndStillFormatted) {
  EXPECT_EQ(FormattaNumero(4, 6, 123456.7, false), L(" 1.235E+05"));
  ASSERT_EQ(box_.Testi(), std::vector<std::string>{"n. caratteri minimo = 10"});
  EXPECT_EQ(box_.Mostrati()[0].icona, platform::Icona::Nessuna);
  // A value that fits is not reported, however narrow the field.
  EXPECT_EQ(FormattaNumero(4, 6, 12.5, false), L(" 12.5"));
  EXPECT_EQ(box_.Mostrati().size(), 1u);
}

TEST_P(NumeriNelLocale, GroupedValuesFollowThePlainTextOfTheNumber) {
  std::string schema = "x";
  EXPECT_EQ(FormattaMigliaia(4, 12345.678, &schema), L(" 12,346"));
  EXPECT_EQ(schema, "#,##0");
  EXPECT_EQ(FormattaMigliaia(7, 12345.678, &schema), L(" 12,345.68"));
  EXPECT_EQ(schema, "#,##0.00");
  EXPECT_EQ(FormattaMigliaia(7, 12345, &schema), " 12345");
  EXPECT_EQ(schema, "");
  EXPECT_EQ(FormattaMigliaia(4, -0.0123456, &schema), L("-1.235E-02"));
  EXPECT_EQ(schema, "#.000E+00");
  EXPECT_EQ(FormattaMigliaia(3, -2.5), L("-2.5"));
}

TEST_P(NumeriNelLocale, DecimalSeparatorAndPlainText) {
  EXPECT_EQ(SeparatoreDecimale(), GetParam().decimale);
  EXPECT_EQ(TestoNumero(12.5), L("12.5"));
  EXPECT_EQ(TestoNumero(0.1 + 0.2), L("0.3"));  // 15 significant digits
  EXPECT_EQ(TestoNumero(-0.0), "0");
  EXPECT_EQ(TestoNumero(123456789012345.0), "123456789012345");
  EXPECT_EQ(TestoNumero(1e15), "1E+15");
  EXPECT_EQ(TestoNumero(1.5e-5), L("1.5E-05"));
  EXPECT_EQ(TestoNumero(0.0001), L("0.0001"));
}

INSTANTIATE_TEST_SUITE_P(Locali, NumeriNelLocale,
                         ::testing::Values(Separatori{".", ","}, Separatori{",", "."}),
                         [](const auto& info) {
                           return std::string(info.param.decimale) == "." ? "Punto" : "Virgola";
                         });

TEST(ZeroFinaleMantissa, LooksBeforeTheExponentAndLeavesThePositionWhenNoZero) {
  int i = -7;
  EXPECT_TRUE(ZeroFinaleMantissa(" 1.500E+05", i));
  EXPECT_EQ(i, 6);
  EXPECT_TRUE(ZeroFinaleMantissa(" 12.50", i));
  EXPECT_EQ(i, 6);
  i = -7;
  EXPECT_FALSE(ZeroFinaleMantissa(" 12.5", i));
  EXPECT_FALSE(ZeroFinaleMantissa(" 1.235E+00", i));
  EXPECT_FALSE(ZeroFinaleMantissa("E+00", i));
  EXPECT_FALSE(ZeroFinaleMantissa("", i));
  EXPECT_EQ(i, -7);
}

TEST(Formato, RoundsTheDecimalValueHalfAwayFromZero) {
  SeparatoriProva separatori;
  EXPECT_EQ(Formato(1.005, "0.00"), "1.01");  // 1.00499999... in binary
  EXPECT_EQ(Formato(-2.5, "0"), "-3");
  EXPECT_EQ(Formato(0.125, "0.00"), "0.13");
  EXPECT_EQ(Formato(999.96, "#,##0.0"), "1,000.0");
  EXPECT_EQ(Formato(9.9996, "0.000E+00"), "1.000E+01");
  EXPECT_EQ(Formato(0.00012, "0.0E-00"), "1.2E-04");
  EXPECT_EQ(Formato(1234.5, "0.0e-00"), "1.2e03");
  // A value that rounds to zero has no sign.
  EXPECT_EQ(Formato(-0.001, "0.00"), "0.00");
  EXPECT_EQ(Formato(0.5, "#.00"), ".50");
  EXPECT_EQ(Formato(3.1, "0.0#"), "3.1");
  EXPECT_EQ(Formato(7, "000"), "007");
  EXPECT_EQ(Formato(1234567.891, "#,##0.00 kN"), "1,234,567.89 kN");
}

TEST(Formato, SeparatorsOfMoreThanOneByte) {
  SeparatoriProva separatori(",", "\u202F");
  EXPECT_EQ(Formato(1234567.5, "#,##0.0"), "1\u202F234\u202F567,5");
  // Lengths count characters: 9 of them, so the text fits in 10.
  EXPECT_EQ(FormattaNumero(4, 10, 1234567, false), " 1\u202F234\u202F567");
}
