// radixel-cli: the Radixel window's conversions from a terminal and from
// scripts, on the headless window system.
//   radixel-cli MODE INPUT   one OK press on a fresh window
//   radixel-cli --batch      one OK press per MODE<TAB>INPUT line, one window
//   radixel-cli --help | --version
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

int RunOption(std::string_view option) {
  if (option == "--batch") return RunBatch(kStdinFd, kStdoutFd, kStderrFd);
  if (option == "--help") return Print(UsageText(), "", 0);
  if (option == "--version") return Print(VersionText(), "\n", 0);
  if (option.starts_with("-")) return UsageError("unknown option ", option);
  return UsageError("INPUT is missing after MODE ", option);
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

bool IsOption(std::string_view word) {
  return word == "--batch" || word == "--help" || word == "--version";
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStandardStreams();
  GiveLargeBlocksTheirOwnPages();
  if (argc <= 1) return UsageError("MODE and INPUT are missing");
  const std::string_view first = argv[1];
  if (argc == 2) return RunOption(first);
  if (IsOption(first)) return UsageError(std::string(first) + " takes no other arguments");
  if (argc > 3) return UsageError("too many arguments; quote an INPUT that holds spaces");
  const std::optional<int> mode = ParseMode(first);
  if (!mode) return UsageError("unknown mode ", first);
  return ConvertOnce(*mode, argv[2]);
}
