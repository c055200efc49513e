// libFuzzer target: a whole radixel-cli --batch input, run through the
// batch itself (line splitting, mode parsing, one window carried over many
// presses, escaping, both output streams). The input is the batch's
// standard input as it stands. It checks what must hold for any input:
//  - every input line gives one record or one error line, in order, and an
//    error line names the line and says why it was refused exactly when the
//    line has no tab or no valid mode;
//  - every output byte is escape-clean: records are three fields of
//    printable bytes and well-formed escapes, error lines have no control
//    bytes;
//  - no input byte is lost: the record's input field, unescaped, is the
//    line's INPUT with a to z upper-cased, as the input box shows it;
//  - the error box holds nothing or one of the three messages, and "Dec to
//    Hex" and "Dec to Bin" keep the output box of the line before when they
//    show the illegal-character message.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "engine/conversion_form.h"

namespace {

[[noreturn]] void Fail(const char* broken, std::size_t lineNumber, std::string_view detail) {
  std::fprintf(stderr, "invariant broken on line %zu: %s\n  %.*s\n", lineNumber, broken,
               static_cast<int>(detail.size() > 300 ? 300 : detail.size()), detail.data());
  std::abort();
}

// A file in memory for one of the batch's descriptors.
int MemoryFile(const char* name) {
  const int fd = memfd_create(name, 0);
  if (fd < 0) {
    std::perror("memfd_create");
    std::abort();
  }
  return fd;
}

std::string ReadBack(int fd) {
  std::string text;
  char chunk[65536];
  lseek(fd, 0, SEEK_SET);
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(n));
  close(fd);
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    lines.push_back(text.substr(0, newline));
    if (newline == std::string_view::npos) break;
    text.remove_prefix(newline + 1);
  }
  return lines;
}

std::optional<int> ModeOf(std::string_view word) {
  for (std::size_t mode = 0; mode < kModes.size(); ++mode) {
    if (word == kModes[mode].word || (word.size() == 1 && word[0] == static_cast<char>('0' + mode))) {
      return static_cast<int>(mode);
    }
  }
  return std::nullopt;
}

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// The bytes an escaped field stands for; nothing when an escape is malformed
// or a byte that must be escaped stands as it is.
std::optional<std::string> Unescape(std::string_view field) {
  std::string bytes;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const auto byte = static_cast<unsigned char>(field[i]);
    if (byte < 0x20 || byte == 0x7F) return std::nullopt;
    if (byte != '\\') {
      bytes += field[i];
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case '\\': bytes += '\\'; break;
      case 't': bytes += '\t'; break;
      case 'n': bytes += '\n'; break;
      case 'r': bytes += '\r'; break;
      case 'x': {
        if (i + 2 >= field.size()) return std::nullopt;
        const int high = HexValue(field[i + 1]);
        const int low = HexValue(field[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        const int value = high * 16 + low;
        // Only the bytes that cannot stand as they are take this form.
        if (value >= 0x20 && value != 0x7F) return std::nullopt;
        if (value == '\t' || value == '\n' || value == '\r') return std::nullopt;
        bytes += static_cast<char>(value);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return bytes;
}

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return upper;
}

void CheckRecord(std::size_t lineNumber, int mode, std::string_view input, std::string_view record,
                 std::string& lastOutput) {
  const std::size_t first = record.find('\t');
  const std::size_t second = first == std::string_view::npos ? first : record.find('\t', first + 1);
  if (second == std::string_view::npos || record.find('\t', second + 1) != std::string_view::npos) {
    Fail("a record is not three fields", lineNumber, record);
  }
  const std::optional<std::string> inputBox = Unescape(record.substr(0, first));
  const std::optional<std::string> outputBox = Unescape(record.substr(first + 1, second - first - 1));
  const std::optional<std::string> errorBox = Unescape(record.substr(second + 1));
  if (!inputBox || !outputBox || !errorBox) Fail("a field is not cleanly escaped", lineNumber, record);
  if (*inputBox != UpperCased(input)) Fail("the input field is not the line's input", lineNumber, record);
  if (!errorBox->empty() && *errorBox != kMsgIllegal && *errorBox != kMsgTooLong &&
      *errorBox != kMsgRange) {
    Fail("the error box holds something other than one message", lineNumber, record);
  }
  const bool keepsOutput = mode == MODE_DEC_TO_HEX || mode == MODE_DEC_TO_BIN;
  if (keepsOutput && *errorBox == kMsgIllegal && *outputBox != lastOutput) {
    Fail("an illegal decimal input changed the output box", lineNumber, record);
  }
  lastOutput = *outputBox;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view batch(reinterpret_cast<const char*>(data), size);
  const int in = MemoryFile("batch-in");
  const int out = MemoryFile("batch-out");
  const int err = MemoryFile("batch-err");
  if (write(in, batch.data(), batch.size()) != static_cast<ssize_t>(batch.size())) std::abort();
  lseek(in, 0, SEEK_SET);
  const int status = radixel::cli::RunBatch(in, out, err);
  close(in);
  const std::string records = ReadBack(out);
  const std::string errors = ReadBack(err);

  if (!records.empty() && records.back() != '\n') Fail("the output does not end a record", 0, records);
  if (!errors.empty() && errors.back() != '\n') Fail("the errors do not end a line", 0, errors);
  const std::vector<std::string_view> recordLines = SplitLines(records);
  const std::vector<std::string_view> errorLines = SplitLines(errors);
  std::size_t nextRecord = 0;
  std::size_t nextError = 0;
  std::string lastOutput;
  const std::vector<std::string_view> lines = SplitLines(batch);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    std::string_view line = lines[i];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    const std::optional<int> mode =
        tab == std::string_view::npos ? std::nullopt : ModeOf(line.substr(0, tab));
    if (!mode) {
      if (nextError == errorLines.size()) Fail("a malformed line has no error line", lineNumber, line);
      const std::string_view error = errorLines[nextError++];
      const std::string prefix = "radixel-cli: line " + std::to_string(lineNumber) + ": ";
      const char* why = tab == std::string_view::npos ? "no tab between MODE and INPUT" : "unknown mode \"";
      if (!error.starts_with(prefix + why)) Fail("the error line does not name the line and its fault", lineNumber, error);
      for (const char ch : error) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) Fail("an error line holds a control byte", lineNumber, error);
      }
      continue;
    }
    if (nextRecord == recordLines.size()) Fail("a line has no record", lineNumber, line);
    CheckRecord(lineNumber, *mode, line.substr(tab + 1), recordLines[nextRecord++], lastOutput);
  }
  if (nextRecord != recordLines.size()) Fail("more records than lines", lines.size(), records);
  if (nextError != errorLines.size()) Fail("more error lines than malformed lines", lines.size(), errors);
  if (status != (errorLines.empty() ? 0 : 2)) Fail("the status does not match the errors", lines.size(), errors);
  return 0;
}
