// Runs radixel-cli as a real process, the way a shell or a script does:
// arguments, bytes on standard input, and what comes back on standard
// output and standard error, with the exit status. Every wait has a
// deadline, so a hung or very slow program fails its test instead of
// stalling the run.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radixel::testing {

using namespace std::chrono_literals;

struct CliRun {
  int status = -1;  // the exit status, or 128 + signal
  std::string out;
  std::string err;
  bool timedOut = false;  // killed at the deadline
  double seconds = 0;     // wall time from start to exit
};

// Runs radixel-cli with `args`, feeding `input` and then closing its input.
CliRun RunCli(const std::vector<std::string>& args, std::string_view input = {},
              std::chrono::milliseconds deadline = 60s);

// How the program's standard streams are set up, beyond the default pipes.
struct CliStreams {
  int input = -1;            // a descriptor to read from instead of a pipe
  bool nonBlocking = false;  // standard input and output left non-blocking
};

// A running radixel-cli with pipes on all three standard streams, for
// talking to it one line at a time.
class CliProcess {
 public:
  explicit CliProcess(const std::vector<std::string>& args, CliStreams streams = {});
  ~CliProcess();
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  bool Write(std::string_view bytes);
  // The next whole line (without '\n') of standard output or standard
  // error, or nothing when none arrives within `timeout`.
  std::optional<std::string> ReadOutLine(std::chrono::milliseconds timeout);
  std::optional<std::string> ReadErrLine(std::chrono::milliseconds timeout);
  void CloseInput();
  // The peak resident memory of the running program so far, in KiB (Linux).
  long PeakKiB() const;
  // Closes the input, reads the rest of both outputs and waits for the
  // exit (killing the process at the deadline).
  CliRun Finish(std::chrono::milliseconds deadline);

 private:
  friend CliRun RunCli(const std::vector<std::string>&, std::string_view,
                       std::chrono::milliseconds);
  std::optional<std::string> ReadLine(int& fd, std::string& pending,
                                      std::chrono::milliseconds timeout);

  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  int err_ = -1;
  std::string outPending_;
  std::string errPending_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace radixel::testing
