#include "cli/fd_io.h"

#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

#ifdef _WIN32
// Windows descriptors are never non-blocking; the events only name the direction.
constexpr short kReadable = 1;
constexpr short kWritable = 4;
#else
constexpr short kReadable = POLLIN;
constexpr short kWritable = POLLOUT;
#endif

namespace radixel::cli {

namespace {
// One call never asks for more than this, so the count fits every platform's type.
constexpr std::size_t kMaxChunk = std::size_t{1} << 30;

// Whether a failed call should simply be made again: it was interrupted, or
// the descriptor is non-blocking (as a parent process may leave it) and had
// nothing to give or no room, in which case this waits until it has.
bool ShouldRetry(int fd, short events) {
  if (errno == EINTR) return true;
#ifdef _WIN32
  (void)fd;
  (void)events;
  return false;
#else
  if (errno != EAGAIN && errno != EWOULDBLOCK) return false;
  pollfd p{fd, events, 0};
  while (::poll(&p, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
#endif
}
}  // namespace

void UseBinaryStandardStreams() {
#ifdef _WIN32
  _setmode(kStdinFd, _O_BINARY);
  _setmode(kStdoutFd, _O_BINARY);
  _setmode(kStderrFd, _O_BINARY);
#endif
}

long ReadSome(int fd, char* buffer, std::size_t size) {
  if (size > kMaxChunk) size = kMaxChunk;
  for (;;) {
#ifdef _WIN32
    const long n = _read(fd, buffer, static_cast<unsigned>(size));
#else
    const long n = static_cast<long>(::read(fd, buffer, size));
#endif
    if (n >= 0 || !ShouldRetry(fd, kReadable)) return n;
  }
}

bool InputWaiting(int fd) {
#ifdef _WIN32
  (void)fd;
  return false;
#else
  pollfd p{fd, POLLIN, 0};
  int ready;
  do {
    ready = ::poll(&p, 1, 0);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
#endif
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t chunk = bytes.size() < kMaxChunk ? bytes.size() : kMaxChunk;
#ifdef _WIN32
    const long n = _write(fd, bytes.data(), static_cast<unsigned>(chunk));
#else
    const long n = static_cast<long>(::write(fd, bytes.data(), chunk));
#endif
    if (n < 0) {
      if (ShouldRetry(fd, kWritable)) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace radixel::cli
