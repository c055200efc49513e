#include "cli/batch.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/converter_session.h"
#include "cli/line_reader.h"
#include "cli/modes.h"
#include "cli/output_buffer.h"
#include "cli/record_escape.h"

namespace radixel::cli {

namespace {

// How much of an unknown mode a message quotes.
constexpr std::size_t kQuotedModeLimit = 40;

struct ParsedLine {
  int mode;
  std::string_view input;
};

// Splits a line (its '\n' already gone) into mode and input; on a malformed
// line returns nothing and says why in `problem`.
std::optional<ParsedLine> ParseLine(std::string_view line, std::string& problem) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) {
    problem = "no tab between MODE and INPUT";
    return std::nullopt;
  }
  const std::string_view word = line.substr(0, tab);
  const std::optional<int> mode = ParseMode(word);
  if (!mode) {
    problem = "unknown mode \"";
    AppendEscaped(problem, word.substr(0, kQuotedModeLimit));
    if (word.size() > kQuotedModeLimit) problem += "...";
    problem += '"';
    return std::nullopt;
  }
  return ParsedLine{*mode, line.substr(tab + 1)};
}

void AppendRecord(std::string& out, const Boxes& boxes) {
  AppendEscaped(out, boxes.input);
  out += '\t';
  AppendEscaped(out, boxes.output);
  out += '\t';
  AppendEscaped(out, boxes.errors);
  out += '\n';
}

}  // namespace

int RunBatch(int inFd, int outFd, int errFd) {
  ConverterSession session;
  OutputBuffer out(outFd);
  OutputBuffer err(errFd);
  LineReader reader(inFd, [&out] { out.Flush(); });

  int status = 0;
  unsigned long long lineNumber = 0;
  std::string problem;
  std::string_view line;
  // Once output fails nothing more can be delivered, so reading stops.
  while (out.WriteError() == 0 && reader.Next(line)) {
    ++lineNumber;
    if (const std::optional<ParsedLine> parsed = ParseLine(line, problem)) {
      AppendRecord(out.text(), session.Press(parsed->mode, parsed->input));
      out.FlushIfFull();
    } else {
      status = 2;
      // Records before this line come first where both streams meet.
      out.Flush();
      err.Append("radixel-cli: line " + std::to_string(lineNumber) + ": " + problem + "\n");
      err.Flush();
    }
  }
  out.Flush();

  if (reader.ReadError() != 0) {
    err.Append(std::string("radixel-cli: cannot read standard input: ") +
               std::strerror(reader.ReadError()) + "\n");
    status = 2;
  }
  if (out.WriteError() != 0) {
    err.Append(std::string("radixel-cli: cannot write standard output: ") +
               std::strerror(out.WriteError()) + "\n");
    status = 2;
  }
  err.Flush();
  return status;
}

}  // namespace radixel::cli
