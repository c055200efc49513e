// Raw reads and writes on the standard file descriptors, byte for byte.
//
// The command-line program reads standard input with single read calls so
// that a line arriving through a pipe is seen at once (a buffered stdio read
// would wait to fill its buffer), and writes its output in large blocks. On
// Windows the descriptors are switched to binary mode first, so that no byte
// is translated on the way in or out.
#pragma once

#include <cstddef>
#include <string_view>

namespace radixel::cli {

inline constexpr int kStdinFd = 0;
inline constexpr int kStdoutFd = 1;
inline constexpr int kStderrFd = 2;

// Puts the three standard descriptors into binary mode where that matters.
void UseBinaryStandardStreams();

// Reads at most `size` bytes into `buffer`, waiting only until some are
// there. Returns the count, 0 at end of input, or -1 on failure (errno set).
// Interrupted calls are retried; on a non-blocking descriptor it waits for
// input rather than failing.
long ReadSome(int fd, char* buffer, std::size_t size);

// Whether a read of `fd` would return at once (data or end of input are
// there). Where that cannot be told, says no, so callers act as if a read
// could wait.
bool InputWaiting(int fd);

// Writes every byte of `bytes`, retrying short and interrupted writes and
// waiting for room on a non-blocking descriptor.
// Returns false on failure (errno set).
bool WriteAll(int fd, std::string_view bytes);

}  // namespace radixel::cli
