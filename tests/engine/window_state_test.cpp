// What one OK press leaves for the next in the same window: the output box
// keeps its text when a conversion writes nothing, flags and messages start
// afresh every time, and OK with no conversion chosen changes nothing.
#include <string>

#include "press_case.h"

namespace radixel::testing {
namespace {

struct Step {
  int mode;
  std::string input;
};

struct TwoPresses {
  const char* name;
  Step first;
  Step second;
  Boxes expected;  // after the second press
};

void PrintTo(const TwoPresses& c, std::ostream* os) {
  *os << c.name << ": mode " << c.first.mode << " ";
  PrintEscaped(c.first.input, os);
  *os << ", then mode " << c.second.mode << " ";
  PrintEscaped(c.second.input, os);
}

class SecondPressTest : public HeadlessWindowTest,
                        public ::testing::WithParamInterface<TwoPresses> {};

TEST_P(SecondPressTest, ShowsExpectedBoxes) {
  const TwoPresses& c = GetParam();
  Press(c.first.mode, c.first.input);
  EXPECT_EQ(Press(c.second.mode, c.second.input), c.expected);
  EXPECT_EQ(CheckedMode(), c.second.mode);
}

const TwoPresses kKeptOutput[] = {
    {"IllegalDecToHexKeepsResult", {MODE_DEC_TO_HEX, "255"}, {MODE_DEC_TO_HEX, "-5"},
     {"-5", "FF", kIllegal}},
    {"IllegalDecToBinKeepsResult", {MODE_DEC_TO_BIN, "5"}, {MODE_DEC_TO_BIN, "x"},
     {"X", "00000101", kIllegal}},
    {"IllegalDecToBinKeepsOtherModesResult", {MODE_HEX_TO_DEC, "ff"}, {MODE_DEC_TO_BIN, "ff"},
     {"FF", "255.", kIllegal}},
    {"HexSumBeyondDoubleKeepsResult", {MODE_HEX_TO_DEC, "ff"},
     {MODE_HEX_TO_DEC, "1" + Repeat("0", 256)}, {"1" + Repeat("0", 256), "255.", kTooLong}},
    {"DecBeyondSixtyFourBitsKeepsResult", {MODE_BIN_TO_HEX, "1010"},
     {MODE_DEC_TO_HEX, "18446744073709551616"}, {"18446744073709551616", "A", kTooLong}},
};
INSTANTIATE_TEST_SUITE_P(KeptOutput, SecondPressTest, ::testing::ValuesIn(kKeptOutput),
                         [](const auto& info) { return std::string(info.param.name); });

const TwoPresses kReplacedOutput[] = {
    {"OutOfRangeReplacesResult", {MODE_DEC_TO_BIN, "5"}, {MODE_DEC_TO_BIN, "256"},
     {"256", "00000000", kRange}},
    {"IllegalHexToBinShowsFirstStep", {MODE_DEC_TO_HEX, "255"}, {MODE_HEX_TO_BIN, "1G"},
     {"1G", "16.", kIllegal}},
    {"IllegalBinToHexShowsReversedInput", {MODE_DEC_TO_HEX, "255"}, {MODE_BIN_TO_HEX, "12"},
     {"12", "21", kIllegal}},
    {"SamePressTwiceInChainedMode", {MODE_HEX_TO_BIN, "ff"}, {MODE_HEX_TO_BIN, "ff"},
     {"FF", "11111111", ""}},
    {"OtherModeSameInput", {MODE_BIN_TO_DEC, "101"}, {MODE_BIN_TO_HEX, "101"}, {"101", "5", ""}},
};
INSTANTIATE_TEST_SUITE_P(ReplacedOutput, SecondPressTest, ::testing::ValuesIn(kReplacedOutput),
                         [](const auto& info) { return std::string(info.param.name); });

// Every press starts with no flag raised: a clean run empties the error box.
const TwoPresses kFreshMessages[] = {
    {"CleanRunAfterOutOfRange", {MODE_DEC_TO_BIN, "256"}, {MODE_DEC_TO_BIN, "5"},
     {"5", "00000101", ""}},
    {"CleanRunAfterIllegal", {MODE_HEX_TO_DEC, "1G"}, {MODE_HEX_TO_DEC, "1F"}, {"1F", "31.", ""}},
    {"CleanRunAfterTooLong", {MODE_HEX_TO_DEC, "123456789"}, {MODE_HEX_TO_DEC, "1"},
     {"1", "1.", ""}},
    {"CleanRunAfterSumBeyondDouble", {MODE_BIN_TO_DEC, "1" + Repeat("0", 1024)},
     {MODE_BIN_TO_DEC, "1"}, {"1", "1.", ""}},
    {"IllegalAfterOutOfRange", {MODE_HEX_TO_BIN, "100"}, {MODE_HEX_TO_BIN, "1G"},
     {"1G", "16.", kIllegal}},
};
INSTANTIATE_TEST_SUITE_P(FreshMessages, SecondPressTest, ::testing::ValuesIn(kFreshMessages),
                         [](const auto& info) { return std::string(info.param.name); });

using NoModeTest = HeadlessWindowTest;

TEST_F(NoModeTest, OkBeforeAnyModeIsChosenChangesNoBox) {
  Type(IDC_INPUT, "ff");
  Type(IDC_OUTPUT, "typed output");
  Type(IDC_ERRORS, "typed message");
  PressOk();
  EXPECT_EQ(Read(), (Boxes{"ff", "typed output", "typed message"}));
  EXPECT_EQ(CheckedMode(), -1);
}

TEST_F(NoModeTest, OkBeforeAnyModeIsChosenIgnoresIllegalAndLongInput) {
  Type(IDC_INPUT, "x123456789");
  PressOk();
  EXPECT_EQ(Read(), (Boxes{"x123456789", "", ""}));
}

using KeyboardTest = HeadlessWindowTest;

TEST_F(KeyboardTest, EnterConvertsLikeOk) {
  Type(IDC_INPUT, "ff");
  Choose(MODE_HEX_TO_DEC);
  ws_.PressEnter();
  EXPECT_EQ(Read(), (Boxes{"FF", "255.", ""}));
}

}  // namespace
}  // namespace radixel::testing
