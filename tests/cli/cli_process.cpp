#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace radixel::testing {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point until) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Reads what is there; closes `fd` (setting it to -1) at end of stream.
void Drain(int& fd, std::string& into) {
  char chunk[65536];
  const ssize_t n = read(fd, chunk, sizeof chunk);
  if (n > 0) {
    into.append(chunk, static_cast<std::size_t>(n));
  } else if (n == 0 || errno != EINTR) {
    close(fd);
    fd = -1;
  }
}

}  // namespace

CliProcess::CliProcess(const std::vector<std::string>& args, CliStreams streams) {
  // A write to a process that has already ended must fail, not kill the test.
  signal(SIGPIPE, SIG_IGN);
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe");
  for (int fd : {in[1], out[0], err[0]}) fcntl(fd, F_SETFD, FD_CLOEXEC);
  if (streams.nonBlocking) {
    // The flag belongs to the open pipe, so the program inherits it.
    for (int fd : {in[0], out[1]}) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, streams.input >= 0 ? streams.input : in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);

  std::vector<std::string> words{RADIXEL_CLI_PATH};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  start_ = Clock::now();
  const int rc = posix_spawn(&pid_, RADIXEL_CLI_PATH, &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  close(in[0]);
  close(out[1]);
  close(err[1]);
  in_ = in[1];
  out_ = out[0];
  err_ = err[0];
  if (rc != 0) throw std::runtime_error(std::string("cannot start radixel-cli: ") + strerror(rc));
}

CliProcess::~CliProcess() {
  for (int fd : {in_, out_, err_}) {
    if (fd >= 0) close(fd);
  }
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool CliProcess::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(in_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void CliProcess::CloseInput() {
  if (in_ >= 0) close(in_);
  in_ = -1;
}

long CliProcess::PeakKiB() const {
  // The high-water mark of the program's own memory; unlike the exit
  // statistics it leaves out whatever the parent held before the exec.
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  }
  return -1;
}

std::optional<std::string> CliProcess::ReadOutLine(std::chrono::milliseconds timeout) {
  return ReadLine(out_, outPending_, timeout);
}

std::optional<std::string> CliProcess::ReadErrLine(std::chrono::milliseconds timeout) {
  return ReadLine(err_, errPending_, timeout);
}

std::optional<std::string> CliProcess::ReadLine(int& fd, std::string& pending,
                                                std::chrono::milliseconds timeout) {
  const auto until = Clock::now() + timeout;
  for (;;) {
    if (const auto newline = pending.find('\n'); newline != std::string::npos) {
      std::string line = pending.substr(0, newline);
      pending.erase(0, newline + 1);
      return line;
    }
    if (fd < 0) return std::nullopt;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, MillisecondsLeft(until)) <= 0) return std::nullopt;
    Drain(fd, pending);
  }
}

CliRun CliProcess::Finish(std::chrono::milliseconds deadline) {
  CloseInput();
  CliRun run;
  run.out = std::move(outPending_);
  run.err = std::move(errPending_);
  const auto until = start_ + deadline;
  while (out_ >= 0 || err_ >= 0) {
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    const int ready = poll(fds, 2, MillisecondsLeft(until));
    if (ready == 0) {
      run.timedOut = true;
      kill(pid_, SIGKILL);
      break;
    }
    if (ready < 0) continue;
    if (fds[0].revents) Drain(out_, run.out);
    if (fds[1].revents) Drain(err_, run.err);
  }
  int status = 0;
  while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  run.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

CliRun RunCli(const std::vector<std::string>& args, std::string_view input,
              std::chrono::milliseconds deadline) {
  CliProcess process(args);
  std::string out, err;
  // Feed the input while reading both outputs, so that neither side waits
  // on a full pipe.
  const auto until = Clock::now() + deadline;
  int in = -1;
  std::swap(in, process.in_);
  fcntl(in, F_SETFL, O_NONBLOCK);
  while (!input.empty()) {
    pollfd fds[3] = {{in, POLLOUT, 0}, {process.out_, POLLIN, 0}, {process.err_, POLLIN, 0}};
    if (poll(fds, 3, MillisecondsLeft(until)) == 0) break;
    if (fds[0].revents & (POLLERR | POLLHUP)) break;
    if (fds[0].revents & POLLOUT) {
      const ssize_t n = write(in, input.data(), input.size());
      if (n > 0) input.remove_prefix(static_cast<std::size_t>(n));
      if (n < 0 && errno != EAGAIN && errno != EINTR) break;
    }
    if (fds[1].revents) Drain(process.out_, process.outPending_);
    if (fds[2].revents) Drain(process.err_, process.errPending_);
  }
  close(in);
  return process.Finish(std::chrono::duration_cast<std::chrono::milliseconds>(
      until - process.start_));
}

}  // namespace radixel::testing
