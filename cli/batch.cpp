#include "cli/batch.h"

#include <cstring>
#include <string>
#include <string_view>

#include "cli/converter_session.h"
#include "cli/line_reader.h"
#include "cli/modes.h"
#include "cli/output_buffer.h"
#include "cli/record_escape.h"
#include "cli/usage.h"
#include "engine/record_limit.h"

namespace radixel::cli {

namespace {

// Whether the window can take an input that long; says why not in `problem`.
bool InputFits(std::string_view input, std::string& problem) {
  if (FitsRecord(input.size())) return true;
  problem = kInputTooLong;
  return false;
}

// Splits a line (its '\n' already gone) into mode and input; returns the
// mode, or -1 for a malformed line or an input too long to convert, and
// then says why in `problem`.
int ParseLine(std::string_view line, std::string_view& input, std::string& problem) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  // Most lines start with a mode's name, so its tab need not be looked for.
  if (const int mode = NamedModeAtStart(line); mode >= 0) {
    input = line.substr(kModeNames[0].size() + 1);
    return InputFits(input, problem) ? mode : -1;
  }
  const std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) {
    problem = "no tab between MODE and INPUT";
    return -1;
  }
  const std::string_view word = line.substr(0, tab);
  const int mode = ModeOf(word);
  if (mode < 0) {
    problem = "unknown mode ";
    AppendQuoted(problem, word);
    return -1;
  }
  input = line.substr(tab + 1);
  return InputFits(input, problem) ? mode : -1;
}

void ReportLine(OutputBuffer& err, unsigned long long lineNumber, std::string_view problem) {
  err.Append("radixel-cli: line ");
  err.Append(std::to_string(lineNumber));
  err.Append(": ");
  err.Append(problem);
  err.Append('\n');
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
    std::string_view input;
    if (const int mode = ParseLine(line, input, problem); mode >= 0) {
      session.TypeAndChoose(mode, input);
      // The input box has its copy: a long line's bytes are given back now.
      reader.ReleaseLine();
      session.PressOk();
      const ui::BoxStrings boxes = session.Boxes();
      out.AppendRecord(boxes.input, boxes.output, boxes.errors);
      out.FlushIfFull();
    } else {
      status = 2;
      // Records before this line come first where both streams meet.
      out.Flush();
      ReportLine(err, lineNumber, problem);
      err.Flush();
    }
  }
  out.Flush();

  if (reader.ReadError() != 0) {
    if (reader.LineCutShort()) ReportLine(err, lineNumber + 1, kLineCutShort);
    err.Append("radixel-cli: cannot read standard input: ");
    err.Append(std::strerror(reader.ReadError()));
    err.Append('\n');
    status = 2;
  }
  if (out.WriteError() != 0) {
    err.Append("radixel-cli: cannot write standard output: ");
    err.Append(std::strerror(out.WriteError()));
    err.Append('\n');
    status = 2;
  }
  err.Flush();
  return status;
}

}  // namespace radixel::cli
