// Inputs beyond the limits: texts of 20 or more characters (longer than the
// number buffer) are checked on every character and read whole; a value no
// double holds, or a whole part no 64-bit integer holds, leaves the output
// box as it was under the too-long message, whatever zeros precede a value.
#include "press_case.h"

namespace radixel::testing {
namespace {

const std::string k24Zeros = Repeat("0", 24);

// A value placed past the buffer's 19 characters still counts.
const std::vector<PressCase> kLongTexts = {
    {MODE_HEX_TO_DEC, {"TwentyDigits", "1" + Repeat("0", 19),
                       {"1" + Repeat("0", 19), "7.55578637259e+022", kTooLong}}},
    {MODE_HEX_TO_BIN, {"ValueAfterTwentyFourZeros", k24Zeros + "1",
                       {k24Zeros + "1", "00000001", kTooLong}}},
    {MODE_DEC_TO_HEX, {"ValueAfterNineteenZeros", Repeat("0", 19) + "255",
                       {Repeat("0", 19) + "255", "FF", kTooLong}}},
    {MODE_DEC_TO_BIN, {"ValueAfterNineteenZeros", Repeat("0", 19) + "10",
                       {Repeat("0", 19) + "10", "00001010", kTooLong}}},
    {MODE_BIN_TO_DEC, {"ValueAfterTwentyFourZeros", k24Zeros + "101",
                       {k24Zeros + "101", "5.", kTooLong}}},
    {MODE_BIN_TO_HEX, {"ValueAfterTwentyFourZeros", k24Zeros + "101",
                       {k24Zeros + "101", "5", kTooLong}}},
};
RADIXEL_MIXED_PRESS_TABLE(LongTexts, kLongTexts);

// An illegal character as the 25th stops the conversions that stop on one;
// the too-long message covers the illegal one.
const std::vector<PressCase> kLongTextsWithIllegalEnd = {
    {MODE_HEX_TO_BIN, {"SecondStepConvertsNothing", k24Zeros + "G",
                       {k24Zeros + "G", "0.", kTooLong}}},
    {MODE_DEC_TO_HEX, {"KeepsOldOutput", k24Zeros + "1X",
                       {k24Zeros + "1X", kOldOutput, kTooLong}}},
    {MODE_DEC_TO_BIN, {"KeepsOldOutput", k24Zeros + "1X",
                       {k24Zeros + "1X", kOldOutput, kTooLong}}},
    {MODE_BIN_TO_DEC, {"ShowsEveryCharacterReversed", k24Zeros + "12",
                       {k24Zeros + "12", "21" + k24Zeros, kTooLong}}},
    {MODE_BIN_TO_HEX, {"ShowsEveryCharacterReversed", k24Zeros + "12",
                       {k24Zeros + "12", "21" + k24Zeros, kTooLong}}},
};
RADIXEL_MIXED_PRESS_TABLE(LongTextsWithIllegalEnd, kLongTextsWithIllegalEnd);

// Doubles reach 2^1024 at 257 hexadecimal or 1025 binary digits.
const std::string kHex256 = "1" + Repeat("0", 255);
const std::string kHex257 = "1" + Repeat("0", 256);
const std::string kBin1024 = "1" + Repeat("0", 1023);
const std::string kBin1025 = "1" + Repeat("0", 1024);
const std::string kDec400 = Repeat("9", 400);
const std::string kZeros300 = Repeat("0", 300);

const std::vector<PressCase> kValuesBeyondRepresentation = {
    {MODE_HEX_TO_DEC, {"LargestPowerADoubleHolds", kHex256,
                       {kHex256, "1.12355820929e+307", kTooLong}}},
    {MODE_HEX_TO_DEC, {"SumBeyondDoubleKeepsOldOutput", kHex257,
                       {kHex257, kOldOutput, kTooLong}}},
    {MODE_HEX_TO_DEC, {"DigitsRoundingToBeyondDouble", Repeat("F", 256),
                       {Repeat("F", 256), kOldOutput, kTooLong}}},
    {MODE_HEX_TO_BIN, {"SumBeyondDoubleKeepsOldOutput", kHex257,
                       {kHex257, kOldOutput, kTooLong}}},
    {MODE_BIN_TO_DEC, {"LargestPowerADoubleHolds", kBin1024,
                       {kBin1024, "8.98846567431e+307", kTooLong}}},
    {MODE_BIN_TO_DEC, {"SumBeyondDoubleKeepsOldOutput", kBin1025,
                       {kBin1025, kOldOutput, kTooLong}}},
    {MODE_BIN_TO_DEC, {"OnesRoundingToBeyondDouble", Repeat("1", 1024),
                       {Repeat("1", 1024), kOldOutput, kTooLong}}},
    {MODE_BIN_TO_HEX, {"SumBeyondDoubleKeepsOldOutput", kBin1025,
                       {kBin1025, kOldOutput, kTooLong}}},
    // Zeros before a value never make it too large: a value a double holds
    // is written whatever precedes it; a digit beyond a double's reach is not.
    {MODE_HEX_TO_DEC, {"ValueAfterThreeHundredZeros", kZeros300 + "1",
                       {kZeros300 + "1", "1.", kTooLong}}},
    {MODE_HEX_TO_BIN, {"ValueAfterThreeHundredZeros", kZeros300 + "1",
                       {kZeros300 + "1", "00000001", kTooLong}}},
    {MODE_BIN_TO_DEC, {"ValueAfterTwoThousandZeros", Repeat("0", 2000) + "1",
                       {Repeat("0", 2000) + "1", "1.", kTooLong}}},
    {MODE_HEX_TO_DEC, {"DigitThreeHundredPlacesUp", "1" + kZeros300,
                       {"1" + kZeros300, kOldOutput, kTooLong}}},
    {MODE_DEC_TO_HEX, {"BeyondDoubleKeepsOldOutput", kDec400,
                       {kDec400, kOldOutput, kTooLong}}},
    {MODE_DEC_TO_BIN, {"BeyondDoubleIsOutOfRange", kDec400,
                       {kDec400, "00000000", kRange}}},
};
RADIXEL_MIXED_PRESS_TABLE(ValuesBeyondRepresentation, kValuesBeyondRepresentation);

}  // namespace
}  // namespace radixel::testing
