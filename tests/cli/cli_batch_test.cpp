// The batch form: records and their escaping, line endings, carry-over
// between lines on one window, malformed lines, and robustness on huge
// lines and arbitrary bytes.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <thread>

#include "cli_process.h"
#include "engine/record_limit.h"

namespace radixel::testing {
namespace {

constexpr const char* kIllegal = "Your entered an illegal char.";
constexpr const char* kTooLong = "Number entered larger than 8 digits.";

// The input box as a record shows it, written independently of the program:
// a to z capitalised (what OK does to the input), then escaped.
std::string ExpectedInputField(std::string_view typed) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string field;
  for (const char ch : typed) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 'a' && byte <= 'z') {
      field += static_cast<char>(byte - 'a' + 'A');
    } else if (byte == '\\') {
      field += "\\\\";
    } else if (byte == '\t') {
      field += "\\t";
    } else if (byte == '\n') {
      field += "\\n";
    } else if (byte == '\r') {
      field += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      field += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    } else {
      field += ch;
    }
  }
  return field;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(text.substr(start, nl - start));
  }
  EXPECT_EQ(start, text.size()) << "output does not end with a newline";
  return lines;
}

struct RecordRow {
  const char* name;
  std::string line;    // as sent, newline included where wanted
  std::string record;  // as printed, without the newline
};

const RecordRow kRecordRows[] = {
    {"EmptyInput", "hex2dec\t\n", "\t0.\t"},
    {"DigitMode", "5\t101\n", "101\t5.\t"},
    {"CrLfEnding", "bin2dec\t101\r\n", "101\t5.\t"},
    {"OnlyOneCarriageReturnStripped", "bin2dec\t1\r\r\n",
     std::string("1\\r\t\\r1\t") + kIllegal},
    {"LastLineWithoutNewline", "bin2dec\t110", "110\t6.\t"},
    {"TabsAfterTheFirstBelongToInput", "bin2dec\t1\t0\n",
     std::string("1\\t0\t0\\t1\t") + kIllegal},
    {"BackslashEscaped", "bin2dec\t1\\\n", std::string("1\\\\\t\\\\1\t") + kIllegal},
    {"ControlBytesAsHex", std::string("bin2dec\t\x01\x1F\x7F\n"),
     std::string("\\x01\\x1F\\x7F\t\\x7F\\x1F\\x01\t") + kIllegal},
    {"NulAndInvalidUtf8PassThrough", std::string("hex2dec\t\0\xFF\xC3z\n", 13),
     std::string("\\x00\xFF\xC3Z\t0.\t") + kIllegal},
};

void PrintTo(const RecordRow& row, std::ostream* os) { *os << row.name; }

class RecordTest : public ::testing::TestWithParam<RecordRow> {};

TEST_P(RecordTest, PrintsOneEscapedRecord) {
  const CliRun run = RunCli({"--batch"}, GetParam().line);
  EXPECT_EQ(run.out, GetParam().record + "\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, RecordTest, ::testing::ValuesIn(kRecordRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Fields are escaped in blocks whose size depends on the field's length:
// a byte to escape is found at every place of fields of every length up to
// well past one block.
TEST(BatchTest, EscapesAByteAtAnyPlaceOfAFieldOfAnyLength) {
  std::string lines;
  std::string expected;
  for (std::size_t length = 1; length <= 40; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      std::string input(length, 'C');
      input[at] = '\\';
      lines += "dec2hex\t" + input + "\n";
      std::string escaped = input;
      escaped.replace(at, 1, "\\\\");
      expected += escaped + "\t\t" + (length > 8 ? kTooLong : kIllegal) + "\n";
    }
  }
  const CliRun run = RunCli({"--batch"}, lines);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.status, 0);
}

TEST(BatchTest, EmptyInputPrintsNothingAndSucceeds) {
  const CliRun run = RunCli({"--batch"}, "");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST(BatchTest, BoxesCarryOverFromLineToLine) {
  // Conversions into hex and binary leave the output box alone when the
  // input is illegal, so it still shows the line before's result; the next
  // clean press empties the error box.
  const CliRun run = RunCli({"--batch"},
                            "bin2dec\t101\n"
                            "dec2hex\t1x\n"
                            "dec2bin\t-3\n"
                            "hex2dec\tff\n");
  EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                "101\t5.\t",
                                std::string("1X\t5.\t") + kIllegal,
                                std::string("-3\t5.\t") + kIllegal,
                                "FF\t255.\t",
                            }));
  EXPECT_EQ(run.status, 0);
}

TEST(BatchTest, MalformedLinesAreNamedSkippedAndMakeTheStatusTwo) {
  const CliRun run = RunCli({"--batch"}, "bin2dec\t101\n"
                                         "no tab here\n"
                                         "\n"
                                         "hexdec\tff\n"
                                         "6\t1\n" +
                                             std::string(100, 'x') + "\t1\n" +
                                             "\x01mode\t1\n"
                                             "dec2hex\t1x\n");
  EXPECT_EQ(Lines(run.out), (std::vector<std::string>{
                                "101\t5.\t",
                                std::string("1X\t5.\t") + kIllegal,  // the window went on
                            }));
  EXPECT_EQ(Lines(run.err), (std::vector<std::string>{
                                "radixel-cli: line 2: no tab between MODE and INPUT",
                                "radixel-cli: line 3: no tab between MODE and INPUT",
                                "radixel-cli: line 4: unknown mode \"hexdec\"",
                                "radixel-cli: line 5: unknown mode \"6\"",
                                "radixel-cli: line 6: unknown mode \"" + std::string(40, 'x') +
                                    "...\"",
                                "radixel-cli: line 7: unknown mode \"\\x01mode\"",
                            }));
  EXPECT_EQ(run.status, 2);
}

TEST(BatchTest, EveryByteValueIsEchoedInTheInputBox) {
  std::string input;
  std::vector<std::string> typed;
  for (int byte = 0; byte < 256; ++byte) {
    if (byte == '\n') continue;
    typed.push_back(std::string("x") + static_cast<char>(byte) + "y");
    input += "hex2dec\t" + typed.back() + "\n";
  }
  const CliRun run = RunCli({"--batch"}, input);
  const std::vector<std::string> records = Lines(run.out);
  ASSERT_EQ(records.size(), typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const std::string& record = records[i];
    EXPECT_EQ(record.substr(0, record.find('\t')), ExpectedInputField(typed[i])) << "line " << i;
    EXPECT_EQ(std::count(record.begin(), record.end(), '\t'), 2) << "line " << i;
  }
  EXPECT_EQ(run.status, 0);
}

// A 1 MB line of random bytes in every mode: no crash, the input box comes
// back byte for byte, and well inside the time a linear pass needs (a
// quadratic pass over a megabyte would take hours).
TEST(BatchTest, MegabyteLineOfRandomBytesInEveryMode) {
  std::mt19937 random(20240601);
  std::string typed(1 << 20, '\0');
  for (char& ch : typed) {
    do {
      ch = static_cast<char>(random() & 0xFF);
    } while (ch == '\n');
  }
  typed.back() = 'z';  // not a carriage return, which would end the line
  for (const char* mode : {"hex2dec", "hex2bin", "dec2hex", "dec2bin", "bin2hex", "bin2dec"}) {
    SCOPED_TRACE(mode);
    const CliRun run =
        RunCli({"--batch"}, std::string(mode) + "\t" + typed + "\nbin2dec\t101\n", 60s);
    ASSERT_FALSE(run.timedOut);
    const std::vector<std::string> records = Lines(run.out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[0].substr(0, records[0].find('\t')) == ExpectedInputField(typed));
    EXPECT_EQ(records[1], "101\t5.\t");
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.seconds, 30.0);
  }
}

TEST(BatchTest, MegabyteOfNonAsciiComesBackUnchangedInBothBoxes) {
  // Binary to decimal shows an illegal input reversed, character by
  // character; a run of one character reads the same both ways.
  std::string typed;
  while (typed.size() < (1u << 20)) typed += "\xC3\xA9";
  const CliRun run = RunCli({"--batch"}, "bin2dec\t" + typed + "\n", 60s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_TRUE(run.out == typed + "\t" + typed + "\tNumber entered larger than 8 digits.\n");
  EXPECT_EQ(run.status, 0);
}

TEST(BatchTest, ALineCutByAFailedReadIsReportedNotConverted) {
  // Standard input is a loopback connection that the far end resets after
  // a line and a half: the half line must not be pressed as if whole. Only
  // the program holds the receiving end, so the reset reaches it.
  const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(listen(listener, 1), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
  const int sender = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_EQ(connect(sender, reinterpret_cast<sockaddr*>(&address), size), 0);
  const int received = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  ASSERT_GE(received, 0);
  CliProcess cli({"--batch"}, {.input = received});
  close(received);
  close(listener);
  const std::string sent = "bin2dec\t101\nbin2dec\t11";
  ASSERT_EQ(write(sender, sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
  EXPECT_EQ(cli.ReadOutLine(10s), "101\t5.\t");
  const linger reset{1, 0};
  setsockopt(sender, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
  close(sender);
  const CliRun end = cli.Finish(10s);
  EXPECT_EQ(end.out, "");
  EXPECT_EQ(Lines(end.err), (std::vector<std::string>{
                                "radixel-cli: line 2: cut short by a failed read; not converted",
                                "radixel-cli: cannot read standard input: Connection reset by peer",
                            }));
  EXPECT_EQ(end.status, 2);
}

TEST(BatchTest, OnlyLengthsTheRecordCanHoldAreConverted) {
  // What the batch and the single form check before a press; a length from
  // 2^31 bytes on would wrap in the record's int.
  const std::pair<std::size_t, bool> rows[] = {
      {0, true}, {2147483647, true}, {2147483648u, false}, {4294967296u + 5, false},
      {SIZE_MAX, false}};
  for (const auto& [length, fits] : rows) EXPECT_EQ(radixel::FitsRecord(length), fits) << length;
}

TEST(BatchTest, FailedOutputIsNotReportedAsSuccess) {
  // Standard output on a full disk: a run that could not deliver its output
  // must not exit with 0. A batch with nothing to write has nothing to lose.
  struct Case {
    const char* shell;  // what runs, with radixel-cli as $0
    int status;
  };
  for (const Case& c : {Case{"\"$0\" hex2dec 1", 2},
                        Case{"printf \"hex2dec\\t1\\n\" | \"$0\" --batch", 2},
                        Case{"\"$0\" --batch < /dev/null", 0}}) {
    const std::string command = std::string("sh -c '") + c.shell +
                                " > /dev/full 2> /dev/null' '" + RADIXEL_CLI_PATH + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << c.shell;
    EXPECT_EQ(WEXITSTATUS(status), c.status) << c.shell;
  }
}

}  // namespace
}  // namespace radixel::testing
