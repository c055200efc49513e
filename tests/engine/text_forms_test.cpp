// The text forms of numbers and the float-to-integer conversion, checked on
// the values where a near miss shows: rounding ties, the boundary between
// the fixed and exponent forms, the widest texts, values beyond any int.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "engine/text_forms.h"

namespace {

// Test listings show a table row by its name rather than by its raw bytes.
template <typename Row>
  requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

using radixel::engine::FormatDecimal12;
using radixel::engine::FormatHex;
using radixel::engine::kNumberBufferSize;
using radixel::engine::ReadLeadingDecimal;
using radixel::engine::ReadWholePart;
using radixel::engine::TruncateToInt;

// --- Decimal text form ------------------------------------------------------

struct DecimalCase {
  const char* name;
  double value;
  const char* text;
};

class FormatDecimal12Test : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(FormatDecimal12Test, WritesTheRuntimesForm) {
  char out[kNumberBufferSize];
  std::memset(out, 'X', sizeof out);
  std::uint64_t whole = 0;
  const std::size_t length = FormatDecimal12(GetParam().value, out, whole);
  EXPECT_STREQ(out, GetParam().text);
  EXPECT_EQ(length, std::strlen(out));
  // Every text fits with its terminator, and the rest of the buffer is cleared.
  for (std::size_t i = std::strlen(out); i < sizeof out; ++i) EXPECT_EQ(out[i], '\0') << i;
}

std::string DecimalName(const ::testing::TestParamInfo<DecimalCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    FixedForm, FormatDecimal12Test,
    ::testing::Values(DecimalCase{"Zero", 0.0, "0."}, DecimalCase{"One", 1.0, "1."},
                      DecimalCase{"TwoFiftyFive", 255.0, "255."},
                      DecimalCase{"LargestUnsigned32", 4294967295.0, "4294967295."},
                      DecimalCase{"LargestOfEightDigits", 99999999.0, "99999999."},
                      DecimalCase{"SmallestOfNineDigits", 100000000.0, "100000000."},
                      DecimalCase{"ZerosWithinTheLastEight", 1000000007.0, "1000000007."},
                      DecimalCase{"LargestBelowTenToTheTwelfth", 999999999999.0, "999999999999."},
                      DecimalCase{"EveryDigitInItsPlace", 123456789012.0, "123456789012."},
                      DecimalCase{"Fraction", 123.456, "123.456"},
                      DecimalCase{"OneTenth", 0.1, "0.1"},
                      DecimalCase{"Half", 0.5, "0.5"},
                      DecimalCase{"FractionRoundedToTwelveDigits", 2.0 / 3.0, "0.666666666667"},
                      DecimalCase{"Negative", -255.0, "-255."}),
    DecimalName);

INSTANTIATE_TEST_SUITE_P(
    ExponentForm, FormatDecimal12Test,
    ::testing::Values(
        DecimalCase{"TenToTheTwelfth", 1e12, "1.e+012"},
        DecimalCase{"FortyOnes", 1099511627775.0, "1.09951162778e+012"},
        DecimalCase{"TwoToTheSixtyFourMinusOne", 18446744073709551615.0, "1.84467440737e+019"},
        DecimalCase{"TwoToTheHundredth", 1267650600228229401496703205376.0, "1.26765060023e+030"},
        DecimalCase{"LargestDouble", DBL_MAX, "1.79769313486e+308"},
        DecimalCase{"NegativeLargestDouble", -DBL_MAX, "-1.79769313486e+308"},
        DecimalCase{"SmallestDenormal", std::numeric_limits<double>::denorm_min(),
                    "4.94065645841e-324"},
        DecimalCase{"NegativeSmallestDenormal", -std::numeric_limits<double>::denorm_min(),
                    "-4.94065645841e-324"},
        DecimalCase{"BelowOneTenth", 0.01, "1.e-002"}),
    DecimalName);

// The 17 correctly rounded digits are rounded half up to 12, where printf's
// binary rounding would go the other way.
INSTANTIATE_TEST_SUITE_P(
    RoundingTies, FormatDecimal12Test,
    ::testing::Values(DecimalCase{"TieRoundsUp", 1000000000005.0, "1.00000000001e+012"},
                      DecimalCase{"TieCarriesIntoTheExponent", 9999999999995.0, "1.e+013"},
                      DecimalCase{"BelowTieRoundsDown", 1000000000004.0, "1.e+012"},
                      DecimalCase{"FixedFormCarriesIntoExponentForm", 999999999999.5, "1.e+012"},
                      DecimalCase{"FractionTieRoundsUp", 0.1234567890125, "0.123456789013"}),
    DecimalName);

// --- Hexadecimal text form --------------------------------------------------

struct HexCase {
  const char* name;
  std::uint64_t value;
  const char* text;
};

class FormatHexTest : public ::testing::TestWithParam<HexCase> {};

TEST_P(FormatHexTest, WritesLowerCaseWithoutLeadingZeros) {
  char out[kNumberBufferSize];
  FormatHex(GetParam().value, out);
  EXPECT_STREQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatHexTest,
    ::testing::Values(HexCase{"Zero", 0, "0"}, HexCase{"TwoFiftyFive", 255, "ff"},
                      HexCase{"TwoToTheThirtyFirst", 0x80000000u, "80000000"},
                      HexCase{"LargestUnsigned32", 0xFFFFFFFFu, "ffffffff"},
                      HexCase{"LargestUnsigned64", UINT64_MAX, "ffffffffffffffff"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Float-to-integer conversion --------------------------------------------

struct TruncateCase {
  const char* name;
  double value;
  int expected;
};

class TruncateToIntTest : public ::testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateToIntTest, TruncatesTowardZeroAndSaturates) {
  EXPECT_EQ(TruncateToInt(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TruncateToIntTest,
    ::testing::Values(
        TruncateCase{"Whole", 255.0, 255}, TruncateCase{"PositiveFraction", 12.9, 12},
        TruncateCase{"NegativeFraction", -1.5, -1},
        TruncateCase{"JustBelowTwoToTheThirtyFirst", 2147483647.9, INT_MAX},
        TruncateCase{"TwoToTheThirtyFirst", 2147483648.0, INT_MAX},
        TruncateCase{"LargestDouble", DBL_MAX, INT_MAX},
        TruncateCase{"PlusInfinity", std::numeric_limits<double>::infinity(), INT_MAX},
        TruncateCase{"JustAboveIntMin", -2147483648.9, INT_MIN},
        TruncateCase{"BelowIntMin", -2147483649.0, INT_MIN},
        TruncateCase{"MinusInfinity", -std::numeric_limits<double>::infinity(), INT_MIN},
        TruncateCase{"NaN", std::numeric_limits<double>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Reading decimal text ---------------------------------------------------

struct ReadCase {
  const char* name;
  std::string text;
  double value;
};

class ReadLeadingDecimalTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingDecimalTest, ReadsLikeAtof) {
  EXPECT_EQ(ReadLeadingDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLeadingDecimalTest,
    ::testing::Values(
        ReadCase{"Whole", "255", 255.0}, ReadCase{"TrailingPoint", "12.", 12.0},
        ReadCase{"FractionOnly", ".5", 0.5}, ReadCase{"LonePoint", ".", 0.0},
        ReadCase{"StopsAtSecondPoint", "1.2.3", 1.2}, ReadCase{"Empty", "", 0.0},
        ReadCase{"StopsAtALetter", "25X5", 25.0}, ReadCase{"NoExponent", "1e5", 1.0},
        ReadCase{"ManyLeadingZeros", std::string(400, '0') + "5", 5.0},
        ReadCase{"FourHundredDigitsIsInfinite", std::string(400, '9'),
                 std::numeric_limits<double>::infinity()},
        ReadCase{"TinyFractionIsZero", "0." + std::string(400, '0') + "1", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct WholeCase {
  const char* name;
  std::string text;
  bool held;
  std::uint64_t value;
};

class ReadWholePartTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(ReadWholePartTest, ReadsTheDigitsBeforeThePoint) {
  std::uint64_t value = 12345;
  EXPECT_EQ(ReadWholePart(GetParam().text, value), GetParam().held);
  if (GetParam().held) {
    EXPECT_EQ(value, GetParam().value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholePartTest,
    ::testing::Values(
        WholeCase{"Empty", "", true, 0}, WholeCase{"Zero", "0", true, 0},
        WholeCase{"FractionIsCutOff", "12.9", true, 12},
        WholeCase{"FractionOnly", ".5", true, 0},
        WholeCase{"StopsAtFirstPoint", "1.2.3", true, 1},
        WholeCase{"ManyLeadingZeros", std::string(30, '0') + "255", true, 255},
        WholeCase{"LargestUnsigned64", "18446744073709551615", true, UINT64_MAX},
        WholeCase{"LargestUnsigned64WithFraction", "18446744073709551615.99", true, UINT64_MAX},
        WholeCase{"OneBeyondUnsigned64", "18446744073709551616", false, 0},
        WholeCase{"FourHundredDigits", std::string(400, '9'), false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
