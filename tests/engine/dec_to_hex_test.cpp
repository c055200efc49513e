// "Dec to Hex": decimal text in, capital hexadecimal of its whole part out.
// An illegal character leaves the output box as it was.
#include "press_case.h"

namespace radixel::testing {
namespace {

const auto kDecToHex = ForMode(MODE_DEC_TO_HEX, {
    {"TwoFiftyFive", "255", {"255", "FF", ""}},
    {"EightDigitsTakeNoMessage", "99999999", {"99999999", "5F5E0FF", ""}},
    {"Zero", "0", {"0", "0", ""}},
    {"LeadingZeros", "007", {"007", "7", ""}},
    {"FractionIsCutOff", "12.9", {"12.9", "C", ""}},
    {"TrailingPoint", "255.", {"255.", "FF", ""}},
    {"ReadingStopsAtSecondPoint", "1.2.3", {"1.2.3", "1", ""}},
    {"FractionOnly", ".5", {".5", "0", ""}},
    {"LonePointReadsAsZero", ".", {".", "0", ""}},
    {"EmptyReadsAsZero", "", {"", "0", ""}},
});
RADIXEL_PRESS_TABLE(DecToHex, kDecToHex);

const auto kDecToHexIllegal = ForMode(MODE_DEC_TO_HEX, {
    {"SignKeepsOldOutput", "-5", {"-5", kOldOutput, kIllegal}},
    {"SpaceKeepsOldOutput", "1 2", {"1 2", kOldOutput, kIllegal}},
    {"ExponentKeepsOldOutput", "1e5", {"1E5", kOldOutput, kIllegal}},
    {"HexDigitsKeepOldOutput", "ff", {"FF", kOldOutput, kIllegal}},
    {"CommaIsNoDecimalPoint", "1,5", {"1,5", kOldOutput, kIllegal}},
    // The bytes just below "0" and just above "9", in a short text and a long one.
    {"SlashKeepsOldOutput", "12345678/", {"12345678/", kOldOutput, kTooLong}},
    {"ColonKeepsOldOutput", ":1", {":1", kOldOutput, kIllegal}},
});
RADIXEL_PRESS_TABLE(DecToHexIllegal, kDecToHexIllegal);

// Every value a 64-bit unsigned integer holds is written exactly; beyond it
// the output box keeps what it held.
const auto kDecToHexTooLong = ForMode(MODE_DEC_TO_HEX, {
    {"NineDigits", "123456789", {"123456789", "75BCD15", kTooLong}},
    {"TwoToTheThirtyFirst", "2147483648", {"2147483648", "80000000", kTooLong}},
    {"LargestThirtyTwoBitValue", "4294967295", {"4294967295", "FFFFFFFF", kTooLong}},
    {"TwoToTheSixtyThird", "9223372036854775808",
     {"9223372036854775808", "8000000000000000", kTooLong}},
    {"LargestSixtyFourBitValue", "18446744073709551615",
     {"18446744073709551615", "FFFFFFFFFFFFFFFF", kTooLong}},
    {"OneBeyondSixtyFourBitsKeepsOldOutput", "18446744073709551616",
     {"18446744073709551616", kOldOutput, kTooLong}},
    {"FractionBeyondTheBufferIsCutOff", "1234567890123456789.5",
     {"1234567890123456789.5", "112210F47DE98115", kTooLong}},
    {"IllegalAndTooLongShowsTooLongAndKeepsOldOutput", "123456789X",
     {"123456789X", kOldOutput, kTooLong}},
});
RADIXEL_PRESS_TABLE(DecToHexTooLong, kDecToHexTooLong);

}  // namespace
}  // namespace radixel::testing
