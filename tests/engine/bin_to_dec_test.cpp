// "Bin to Dec": binary text in, the 12-digit decimal form out. An illegal
// character shows the input's characters in reversed order instead.
#include "press_case.h"

namespace radixel::testing {
namespace {

const auto kBinToDec = ForMode(MODE_BIN_TO_DEC, {
    {"Five", "101", {"101", "5.", ""}},
    {"Six", "110", {"110", "6.", ""}},
    {"EightOnes", "11111111", {"11111111", "255.", ""}},
    {"HighestBitAlone", "10000000", {"10000000", "128.", ""}},
    {"LeadingZerosCountForNothing", "00000101", {"00000101", "5.", ""}},
    {"Zero", "0", {"0", "0.", ""}},
    {"EmptyReadsAsZero", "", {"", "0.", ""}},
});
RADIXEL_PRESS_TABLE(BinToDec, kBinToDec);

const auto kBinToDecIllegal = ForMode(MODE_BIN_TO_DEC, {
    {"OutputIsTheInputReversed", "102", {"102", "201", kIllegal}},
    {"UpperCasedBeforeReversing", "1ab", {"1AB", "BA1", kIllegal}},
    {"DecimalPoint", "1.0", {"1.0", "0.1", kIllegal}},
});
RADIXEL_PRESS_TABLE(BinToDecIllegal, kBinToDecIllegal);

const auto kBinToDecTooLong = ForMode(MODE_BIN_TO_DEC, {
    {"NineDigits", "111111111", {"111111111", "511.", kTooLong}},
    {"ThirtyTwoOnes", Repeat("1", 32), {Repeat("1", 32), "4294967295.", kTooLong}},
    {"FiftyThreeDigitsEndingInOne", "1" + Repeat("0", 51) + "1",
     {"1" + Repeat("0", 51) + "1", "4.50359962737e+015", kTooLong}},
    {"TenDigits", "1000000110", {"1000000110", "518.", kTooLong}},
    {"FortyOnesTakeTheExponentForm", Repeat("1", 40),
     {Repeat("1", 40), "1.09951162778e+012", kTooLong}},
    {"IllegalAndTooLongShowsTooLong", "111111112", {"111111112", "211111111", kTooLong}},
});
RADIXEL_PRESS_TABLE(BinToDecTooLong, kBinToDecTooLong);

}  // namespace
}  // namespace radixel::testing
