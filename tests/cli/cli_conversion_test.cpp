// End to end, a few rows per mode: the single form (output box on stdout,
// error box on stderr, exit status) and the same press as a one-line batch
// (the three boxes as a record) must both show what the window shows.
#include <gtest/gtest.h>

#include "cli_process.h"

namespace radixel::testing {
namespace {

constexpr const char* kIllegal = "Your entered an illegal char.";
constexpr const char* kTooLong = "Number entered larger than 8 digits.";
constexpr const char* kRange = "Enter number less than 255 Decimal.";

struct Row {
  const char* name;
  const char* mode;
  std::string input;
  std::string inputBox;
  std::string output;
  std::string errors;
};

const Row kRows[] = {
    {"HexToDec", "hex2dec", "ff", "FF", "255.", ""},
    {"HexToDecTooLong", "hex2dec", "123456789", "123456789", "4886718345.", kTooLong},
    {"HexToDecEmpty", "hex2dec", "", "", "0.", ""},
    {"HexToDecNonAscii", "hex2dec", "\xC3\xA9", "\xC3\xA9", "0.", kIllegal},
    {"HexToBin", "hex2bin", "ff", "FF", "11111111", ""},
    {"HexToBinByDigit", "1", "a", "A", "00001010", ""},
    {"HexToBinOutOfRange", "hex2bin", "100", "100", "00000000", kRange},
    {"DecToHex", "dec2hex", "255", "255", "FF", ""},
    {"DecToHexTooLong", "dec2hex", "123456789", "123456789", "75BCD15", kTooLong},
    {"DecToHexFraction", "2", "10.9", "10.9", "A", ""},
    {"DecToBin", "dec2bin", "5", "5", "00000101", ""},
    {"DecToBinOutOfRange", "dec2bin", "256", "256", "00000000", kRange},
    {"DecToBinIllegal", "dec2bin", "-1", "-1", "", kIllegal},
    {"BinToHex", "bin2hex", "110", "110", "6", ""},
    {"BinToHexAllOnes", "4", "11111111", "11111111", "FF", ""},
    {"BinToHexEmpty", "bin2hex", "", "", "0", ""},
    {"BinToDec", "bin2dec", "110", "110", "6.", ""},
    {"BinToDecIllegal", "bin2dec", "12", "12", "21", kIllegal},
    {"BinToDecNonAscii", "5", "\xC3\xA9" "1", "\xC3\xA9" "1", "1\xC3\xA9", kIllegal},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class ConversionTest : public ::testing::TestWithParam<Row> {};

TEST_P(ConversionTest, SingleFormPrintsOutputBoxAndErrorBox) {
  const Row& row = GetParam();
  const CliRun run = RunCli({row.mode, row.input});
  EXPECT_EQ(run.out, row.output + "\n");
  EXPECT_EQ(run.err, row.errors.empty() ? "" : row.errors + "\n");
  EXPECT_EQ(run.status, row.errors.empty() ? 0 : 1);
}

TEST_P(ConversionTest, BatchLinePrintsTheThreeBoxes) {
  const Row& row = GetParam();
  const CliRun run = RunCli({"--batch"}, std::string(row.mode) + "\t" + row.input + "\n");
  EXPECT_EQ(run.out, row.inputBox + "\t" + row.output + "\t" + row.errors + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ConversionTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  std::string names;  // what the message must name
};

const UsageRow kUsageRows[] = {
    {"NoArguments", {}, "MODE and INPUT are missing"},
    {"ModeWithoutInput", {"hex2dec"}, "INPUT is missing after MODE \"hex2dec\""},
    {"UnknownMode", {"hexdec", "1"}, "unknown mode \"hexdec\""},
    {"DigitPastLastMode", {"6", "1"}, "unknown mode \"6\""},
    {"CapitalisedMode", {"HEX2DEC", "1"}, "unknown mode \"HEX2DEC\""},
    {"TooManyArguments", {"hex2dec", "1", "2"}, "too many arguments"},
    {"UnknownOption", {"--bogus"}, "unknown option \"--bogus\""},
    {"UnknownShortOption", {"-x", "1"}, "unknown option \"-x\""},
    // No two options share a prefix, so only the empty name abbreviates
    // more than one.
    {"AmbiguousAbbreviation", {"--=1"},
     "ambiguous option \"--=1\": it may mean --batch, --help, --version"},
    {"OptionWithValue", {"--vers=1"}, "option \"--vers=1\": --version takes no value"},
    {"BatchWithArgument", {"--batch", "x"}, "--batch takes no other arguments"},
    // Arguments are quoted escaped and cut, as batch messages quote them.
    {"ControlBytesEscaped", {"x\x1B]0;t\a\ny", "1"}, "unknown mode \"x\\x1B]0;t\\x07\\ny\""},
    {"LongArgumentCut", {std::string(100, 'm')}, "after MODE \"" + std::string(40, 'm') + "...\" ("},
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class UsageErrorTest : public ::testing::TestWithParam<UsageRow> {};

TEST_P(UsageErrorTest, ExitsWithTwoAndOneLineNamingTheFault) {
  const UsageRow& row = GetParam();
  const CliRun run = RunCli(row.args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(row.names), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("usage: radixel-cli MODE INPUT"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

INSTANTIATE_TEST_SUITE_P(Rows, UsageErrorTest, ::testing::ValuesIn(kUsageRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliInfoTest, HelpNamesTheSixModesInRadioButtonOrder) {
  const CliRun run = RunCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::size_t at = 0;
  for (const char* line : {"hex2dec  0  Hex to Dec", "hex2bin  1  Hex to Bin",
                           "dec2hex  2  Dec to Hex", "dec2bin  3  Dec to Bin",
                           "bin2hex  4  Bin to Hex", "bin2dec  5  Bin to Dec"}) {
    at = run.out.find(line, at);
    ASSERT_NE(at, std::string::npos) << line << " missing or out of order in\n" << run.out;
  }
}

// The options as in GNU tools: short forms, abbreviations, "--" before
// the operands. (Options end at MODE: "dec2bin -1" above converts "-1".)
struct OptionRow {
  const char* name;
  std::vector<std::string> args;
  std::string firstLine;
};

const OptionRow kOptionRows[] = {
    {"HelpShort", {"-h"}, "Usage: radixel-cli [--] MODE INPUT"},
    {"HelpAbbreviated", {"--he"}, "Usage: radixel-cli [--] MODE INPUT"},
    {"Version", {"--version"}, "radixel-cli (Radixel) " RADIXEL_VERSION},
    {"VersionShort", {"-V"}, "radixel-cli (Radixel) " RADIXEL_VERSION},
    {"VersionAbbreviated", {"--vers"}, "radixel-cli (Radixel) " RADIXEL_VERSION},
    {"EndOfOptions", {"--", "dec2hex", "255"}, "FF"},
};

void PrintTo(const OptionRow& row, std::ostream* os) { *os << row.name; }

class OptionTest : public ::testing::TestWithParam<OptionRow> {};

TEST_P(OptionTest, PrintsItsFirstLine) {
  const OptionRow& row = GetParam();
  const CliRun run = RunCli(row.args);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), row.firstLine + "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Rows, OptionTest, ::testing::ValuesIn(kOptionRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radixel::testing
