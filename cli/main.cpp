// radixel-cli: the Radixel window's conversions from a terminal and from
// scripts, on the headless window system.
//   radixel-cli [--] MODE INPUT   one OK press on a fresh window
//   radixel-cli --batch           one OK press per MODE<TAB>INPUT line, one window
//   radixel-cli -h | --help, -V | --version (and /? on Windows)
// Options are read with getopt_long, so long ones may be abbreviated.
#include <getopt.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/converter_session.h"
#include "cli/fd_io.h"
#include "cli/modes.h"
#include "cli/output_buffer.h"
#include "cli/record_escape.h"
#include "cli/usage.h"
#include "engine/record_limit.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace radixel::cli;
using radixel::FitsRecord;

namespace {

constexpr int kUsageError = 2;

int UsageError(std::string_view what) {
  std::string line = "radixel-cli: ";
  line.append(what);
  line.append(" (").append(kUsageLine).append(")\n");
  WriteAll(kStderrFd, line);
  return kUsageError;
}

// A usage error about an argument, quoted escaped and cut as batch messages
// quote what they name, so that the message stays one line of plain text.
int UsageError(std::string_view before, std::string_view argument) {
  std::string what(before);
  AppendQuoted(what, argument);
  return UsageError(what);
}

// Writes `text` and `tail` to stdout; a failed write is a failure of the run.
int Print(std::string_view text, std::string_view tail, int status) {
  OutputBuffer out(kStdoutFd);
  out.Append(text);
  out.Append(tail);
  out.Flush();
  if (out.WriteError() != 0) {
    WriteAll(kStderrFd, std::string("radixel-cli: cannot write standard output: ") +
                            std::strerror(out.WriteError()) + "\n");
    return kUsageError;
  }
  return status;
}

int ConvertOnce(int mode, std::string_view input) {
  if (!FitsRecord(input.size())) return UsageError(kInputTooLong);
  ConverterSession session;
  const BoxesView boxes = session.Press(mode, input);
  const int status = Print(boxes.output, "\n", boxes.errors.empty() ? 0 : 1);
  if (!boxes.errors.empty()) {
    OutputBuffer err(kStderrFd);
    err.Append(boxes.errors);
    err.Append('\n');
    err.Flush();
  }
  return status;
}

// A block of 1 MB or more gets pages of its own: freeing it gives the
// memory back at once, and growing or shrinking it (the batch's read
// buffer) remaps its pages instead of copying them. The C library would
// otherwise raise that size as blocks come and go, and a long line would
// for a moment be held twice.
void GiveLargeBlocksTheirOwnPages() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

// --batch has no short form; its value lies outside the characters.
constexpr int kBatch = 0x100;

constexpr option kOptions[] = {
    {"batch", no_argument, nullptr, kBatch},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

// The usage error for an option getopt_long refused in `word`, the argument
// it was reading (`shortOption` the letter, for a short one). getopt_long
// prints nothing itself (opterr is 0), so that the message is one line
// that quotes the argument escaped and cut, like every usage error here.
int OptionError(std::string_view word, int shortOption) {
  if (!word.starts_with("--")) {
    return UsageError("unknown option ", std::string{'-', static_cast<char>(shortOption)});
  }
  std::string_view name = word.substr(2);
  name = name.substr(0, name.find('='));
  std::string meant;
  int matches = 0;
  for (const option& each : kOptions) {
    if (each.name == nullptr || !std::string_view(each.name).starts_with(name)) continue;
    meant.append(matches++ == 0 ? "--" : ", --").append(each.name);
  }
  if (matches == 0) return UsageError("unknown option ", word);
  std::string what = matches > 1 ? "ambiguous option " : "option ";
  AppendQuoted(what, word);
  what += matches > 1 ? ": it may mean " + meant : ": " + meant + " takes no value";
  return UsageError(what);
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStandardStreams();
  GiveLargeBlocksTheirOwnPages();
#ifdef _WIN32
  // A Windows program answers /? with its help.
  if (argc > 1 && std::string_view(argv[1]) == "/?") return Print(UsageText(), "", 0);
#endif
  // "+": the options end at the first operand, MODE, so that an INPUT such
  // as "-1" is converted, never read as an option.
  opterr = 0;
  bool batch = false;
  for (;;) {
    const int at = optind;
    const int found = getopt_long(argc, argv, "+hV", kOptions, nullptr);
    if (found == -1) break;
    switch (found) {
      case 'h': return Print(UsageText(), "", 0);
      case 'V': return Print(VersionText(), "\n", 0);
      case kBatch: batch = true; break;
      default: return OptionError(argv[at], optopt);
    }
  }
  const int operands = argc - optind;
  char** const operand = argv + optind;
  if (batch) {
    if (operands > 0) return UsageError("--batch takes no other arguments");
    return RunBatch(kStdinFd, kStdoutFd, kStderrFd);
  }
  if (operands == 0) return UsageError("MODE and INPUT are missing");
  if (operands == 1) return UsageError("INPUT is missing after MODE ", operand[0]);
  if (operands > 2) return UsageError("too many arguments; quote an INPUT that holds spaces");
  const std::optional<int> mode = ParseMode(operand[0]);
  if (!mode) return UsageError("unknown mode ", operand[0]);
  return ConvertOnce(*mode, operand[1]);
}
