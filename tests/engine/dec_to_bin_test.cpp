// "Dec to Bin": decimal text in, exactly eight binary digits out, for the
// whole parts 0 to 255; beyond them "00000000" and the range message.
#include "press_case.h"

namespace radixel::testing {
namespace {

const auto kDecToBin = ForMode(MODE_DEC_TO_BIN, {
    {"Five", "5", {"5", "00000101", ""}},
    {"One", "1", {"1", "00000001", ""}},
    {"HighestBitAlone", "128", {"128", "10000000", ""}},
    {"AlternatingBitsFromTheTop", "170", {"170", "10101010", ""}},
    {"AlternatingBitsFromTheBottom", "85", {"85", "01010101", ""}},
    {"LargestInRange", "255", {"255", "11111111", ""}},
    {"FractionIsCutOff", "12.9", {"12.9", "00001100", ""}},
    {"FractionBelowTheLimit", "255.9", {"255.9", "11111111", ""}},
    {"ReadingStopsAtSecondPoint", "1.2.3", {"1.2.3", "00000001", ""}},
    {"Zero", "0", {"0", "00000000", ""}},
    {"EmptyReadsAsZero", "", {"", "00000000", ""}},
    {"LonePointReadsAsZero", ".", {".", "00000000", ""}},
});
RADIXEL_PRESS_TABLE(DecToBin, kDecToBin);

const auto kDecToBinOutOfRange = ForMode(MODE_DEC_TO_BIN, {
    {"FirstValueOutOfRange", "256", {"256", "00000000", kRange}},
    {"WholePartOutOfRange", "256.0", {"256.0", "00000000", kRange}},
    {"LargestEightDigitValue", "99999999", {"99999999", "00000000", kRange}},
    {"RangeWinsOverTooLong", "000000256", {"000000256", "00000000", kRange}},
    {"TwoToTheThirtyFirst", "2147483648", {"2147483648", "00000000", kRange}},
    {"BeyondSixtyFourBits", "99999999999999999999999",
     {"99999999999999999999999", "00000000", kRange}},
});
RADIXEL_PRESS_TABLE(DecToBinOutOfRange, kDecToBinOutOfRange);

const auto kDecToBinIllegal = ForMode(MODE_DEC_TO_BIN, {
    {"SignKeepsOldOutput", "-1", {"-1", kOldOutput, kIllegal}},
    {"LetterKeepsOldOutput", "1a", {"1A", kOldOutput, kIllegal}},
    {"IllegalWithOutOfRangeValueShowsIllegal", "999x", {"999X", kOldOutput, kIllegal}},
});
RADIXEL_PRESS_TABLE(DecToBinIllegal, kDecToBinIllegal);

const auto kDecToBinTooLong = ForMode(MODE_DEC_TO_BIN, {
    {"NineDigitsInRange", "000000255", {"000000255", "11111111", kTooLong}},
    {"IllegalAndTooLongShowsTooLong", "00000001x", {"00000001X", kOldOutput, kTooLong}},
});
RADIXEL_PRESS_TABLE(DecToBinTooLong, kDecToBinTooLong);

}  // namespace
}  // namespace radixel::testing
