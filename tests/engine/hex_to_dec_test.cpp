// "Hex to Dec": hexadecimal text in, the 12-digit decimal form out; the
// input box shows the input upper-cased.
#include "press_case.h"

namespace radixel::testing {
namespace {

const auto kHexToDec = ForMode(MODE_HEX_TO_DEC, {
    {"LowerCaseIsUpperCasedAndConverted", "ff", {"FF", "255.", ""}},
    {"MixedCase", "aBc", {"ABC", "2748.", ""}},
    {"EightDigitsTakeNoMessage", "FFFFFFFF", {"FFFFFFFF", "4294967295.", ""}},
    {"Sixteen", "10", {"10", "16.", ""}},
    {"Zero", "0", {"0", "0.", ""}},
    {"LeadingZerosCountForNothing", "000000FF", {"000000FF", "255.", ""}},
    {"EmptyReadsAsZero", "", {"", "0.", ""}},
});
RADIXEL_PRESS_TABLE(HexToDec, kHexToDec);

// An illegal character counts with the value of the digit before it in the
// reversed text, or 0 at its start; the result is still written.
const auto kHexToDecIllegal = ForMode(MODE_HEX_TO_DEC, {
    {"IllegalLastDigitCountsAsZero", "1G", {"1G", "16.", kIllegal}},
    {"IllegalDigitTakesTheLowerDigitsValue", "1G2", {"1G2", "290.", kIllegal}},
    {"TwoIllegalDigitsCarryTheSameValue", "GG1", {"GG1", "273.", kIllegal}},
    {"LoneIllegalDigit", "G", {"G", "0.", kIllegal}},
    {"PrefixIsNotUnderstood", "0x1f", {"0X1F", "287.", kIllegal}},
    {"LeadingSpace", " 1", {" 1", "17.", kIllegal}},
    {"Sign", "-1", {"-1", "17.", kIllegal}},
});
RADIXEL_PRESS_TABLE(HexToDecIllegal, kHexToDecIllegal);

// More than 8 digits are converted all the same; from 10^12 up the result
// takes the exponent form.
const auto kHexToDecTooLong = ForMode(MODE_HEX_TO_DEC, {
    {"NineDigits", "123456789", {"123456789", "4886718345.", kTooLong}},
    {"TenDigitsTakeTheExponentForm", "ffffffffff",
     {"FFFFFFFFFF", "1.09951162778e+012", kTooLong}},
    {"TenToTheTwelfth", "E8D4A51000", {"E8D4A51000", "1.e+012", kTooLong}},
    {"JustBelowTenToTheTwelfth", "E8D4A50FFF", {"E8D4A50FFF", "999999999999.", kTooLong}},
    {"TwelveDigits", "FFFFFFFFFFFF", {"FFFFFFFFFFFF", "2.81474976711e+014", kTooLong}},
    {"IllegalAndTooLongShowsTooLong", "FFFFFFFFG", {"FFFFFFFFG", "68719476720.", kTooLong}},
});
RADIXEL_PRESS_TABLE(HexToDecTooLong, kHexToDecTooLong);

}  // namespace
}  // namespace radixel::testing
