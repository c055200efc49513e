// Text that is not plain ASCII digits and letters (accents, CJK, emoji,
// control characters, an embedded NUL, bytes that are no UTF-8) is illegal.
// The input box gives back its bytes exactly (only a to z are upper-cased),
// and where the output shows the input reversed, every UTF-8 character
// stays whole.
#include "press_case.h"

namespace radixel::testing {
namespace {

using namespace std::string_literals;

const std::vector<PressCase> kNonAscii = {
    {MODE_HEX_TO_DEC, {"AccentAlone", "\u00E9", {"\u00E9", "0.", kIllegal}}},
    {MODE_HEX_TO_DEC, {"AccentBesideLetters", "\u00E0bc",
                       {"\u00E0BC", "48060.", kIllegal}}},
    {MODE_DEC_TO_HEX, {"AccentKeepsOldOutput", "5\u00E9", {"5\u00E9", kOldOutput, kIllegal}}},
    {MODE_DEC_TO_BIN, {"CjkKeepsOldOutput", "\u4E2D1", {"\u4E2D1", kOldOutput, kIllegal}}},
    {MODE_BIN_TO_DEC, {"AccentReversedWhole", "1\u00E90", {"1\u00E90", "0\u00E91", kIllegal}}},
    {MODE_BIN_TO_DEC, {"CjkReversedWhole", "\u4E2D\u6587" "1", {"\u4E2D\u6587" "1", "1\u6587\u4E2D", kIllegal}}},
    {MODE_BIN_TO_DEC, {"EmojiReversedWhole", "\U0001F600" "1", {"\U0001F600" "1", "1\U0001F600", kIllegal}}},
    {MODE_BIN_TO_HEX, {"AccentReversedWhole", "1\u00E9", {"1\u00E9", "\u00E9" "1", kIllegal}}},
};
RADIXEL_MIXED_PRESS_TABLE(NonAscii, kNonAscii);

const std::vector<PressCase> kControlCharacters = {
    {MODE_BIN_TO_DEC, {"Tab", "1\t0", {"1\t0", "0\t1", kIllegal}}},
    {MODE_DEC_TO_HEX, {"StartOfHeading", "\x01", {"\x01", kOldOutput, kIllegal}}},
    {MODE_DEC_TO_BIN, {"TrailingNewline", "12\n", {"12\n", kOldOutput, kIllegal}}},
    {MODE_HEX_TO_DEC, {"Delete", "\x7F", {"\x7F", "0.", kIllegal}}},
};
RADIXEL_MIXED_PRESS_TABLE(ControlCharacters, kControlCharacters);

// The terminator is in no character set, so an embedded NUL is illegal
// and the text after it still counts.
const std::vector<PressCase> kEmbeddedNul = {
    {MODE_HEX_TO_DEC, {"NulAtTheEndCountsAsZero", "1\0"s, {"1\0"s, "16.", kIllegal}}},
    {MODE_HEX_TO_BIN, {"SecondStepConvertsNothing", "1\0"s, {"1\0"s, "16.", kIllegal}}},
    {MODE_DEC_TO_HEX, {"KeepsOldOutput", "5\0"s, {"5\0"s, kOldOutput, kIllegal}}},
    {MODE_DEC_TO_BIN, {"NulAloneKeepsOldOutput", "\0"s, {"\0"s, kOldOutput, kIllegal}}},
    {MODE_BIN_TO_DEC, {"ReversedWithTheNul", "1\0" "0"s, {"1\0" "0"s, "0\0" "1"s, kIllegal}}},
    {MODE_BIN_TO_HEX, {"ReversedWithTheNul", "\0" "1"s, {"\0" "1"s, "1\0"s, kIllegal}}},
};
RADIXEL_MIXED_PRESS_TABLE(EmbeddedNul, kEmbeddedNul);

// Bytes that are no UTF-8: a Latin-1 letter is not upper-cased, a stray
// byte comes back unchanged.
const std::vector<PressCase> kNotUtf8 = {
    {MODE_DEC_TO_HEX, {"LatinOneLowerCaseLetter", "\xE9", {"\xE9", kOldOutput, kIllegal}}},
    {MODE_DEC_TO_BIN, {"ByteFF", "1\xFF", {"1\xFF", kOldOutput, kIllegal}}},
    {MODE_BIN_TO_DEC, {"LoneLeadByteReversed", "\xE9" "1", {"\xE9" "1", "1\xE9", kIllegal}}},
    {MODE_BIN_TO_DEC, {"StrayContinuationByteReversed", "0\x80" "1", {"0\x80" "1", "1\x80" "0", kIllegal}}},
    // Bytes that are a legal character with the top bit set.
    {MODE_DEC_TO_HEX, {"DigitZeroWithTopBit", "1234567\xB0", {"1234567\xB0", kOldOutput, kIllegal}}},
    {MODE_DEC_TO_BIN, {"PointWithTopBit", "1\xAE", {"1\xAE", kOldOutput, kIllegal}}},
    {MODE_BIN_TO_DEC, {"DigitOneWithTopBitReversed", "\xB1" "0", {"\xB1" "0", "0\xB1", kIllegal}}},
};
RADIXEL_MIXED_PRESS_TABLE(NotUtf8, kNotUtf8);

}  // namespace
}  // namespace radixel::testing
