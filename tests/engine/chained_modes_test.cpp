// The chained modes: "Hex to Bin" hands the decimal text of its first step
// to the second, and so does "Bin to Hex". The flags of the first step stay
// raised for the second, so an illegal first step shows its own output.
#include "press_case.h"

namespace radixel::testing {
namespace {

const auto kHexToBin = ForMode(MODE_HEX_TO_BIN, {
    {"LowerCaseFf", "ff", {"FF", "11111111", ""}},
    {"Ten", "a", {"A", "00001010", ""}},
    {"Zero", "0", {"0", "00000000", ""}},
    {"EmptyReadsAsZero", "", {"", "00000000", ""}},
    {"NineDigitsInRange", "000000001", {"000000001", "00000001", kTooLong}},
});
RADIXEL_PRESS_TABLE(HexToBin, kHexToBin);

const auto kHexToBinOutOfRange = ForMode(MODE_HEX_TO_BIN, {
    {"TwoFiftySix", "100", {"100", "00000000", kRange}},
    {"LargestThirtyOneBitValue", "7FFFFFFF", {"7FFFFFFF", "00000000", kRange}},
    {"TwoToTheThirtyFirst", "80000000", {"80000000", "00000000", kRange}},
    {"EightFs", "FFFFFFFF", {"FFFFFFFF", "00000000", kRange}},
    {"RangeWinsOverTooLong", "123456789", {"123456789", "00000000", kRange}},
});
RADIXEL_PRESS_TABLE(HexToBinOutOfRange, kHexToBinOutOfRange);

// The first step writes its decimal text, the second converts nothing.
const auto kHexToBinIllegal = ForMode(MODE_HEX_TO_BIN, {
    {"FirstStepOutputStays", "1G", {"1G", "16.", kIllegal}},
    {"ExponentFormIsIllegalInTheSecondStep", "FFFFFFFFFFFF",
     {"FFFFFFFFFFFF", "2.81474976711e+014", kTooLong}},
});
RADIXEL_PRESS_TABLE(HexToBinIllegal, kHexToBinIllegal);

const auto kBinToHex = ForMode(MODE_BIN_TO_HEX, {
    {"EightOnes", "11111111", {"11111111", "FF", ""}},
    {"Six", "110", {"110", "6", ""}},
    {"Ten", "1010", {"1010", "A", ""}},
    {"Zero", "0", {"0", "0", ""}},
    {"EmptyReadsAsZero", "", {"", "0", ""}},
    {"NineDigits", "111111111", {"111111111", "1FF", kTooLong}},
    {"ThirtyTwoOnesAreWrittenExactly", Repeat("1", 32), {Repeat("1", 32), "FFFFFFFF", kTooLong}},
    {"ThirtyNineOnesAreWrittenExactly", Repeat("1", 39),
     {Repeat("1", 39), "7FFFFFFFFF", kTooLong}},
});
RADIXEL_PRESS_TABLE(BinToHex, kBinToHex);

// The first step leaves the reversed characters, or an exponent form the
// second step finds illegal.
const auto kBinToHexIllegal = ForMode(MODE_BIN_TO_HEX, {
    {"ReversedInputStays", "12", {"12", "21", kIllegal}},
    {"UpperCasedAndReversed", "1b0", {"1B0", "0B1", kIllegal}},
    {"ExponentFormStays", Repeat("1", 40), {Repeat("1", 40), "1.09951162778e+012", kTooLong}},
});
RADIXEL_PRESS_TABLE(BinToHexIllegal, kBinToHexIllegal);

}  // namespace
}  // namespace radixel::testing
