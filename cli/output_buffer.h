// Collects output for one file descriptor and writes it in large blocks.
//
// Memory stays within a few blocks whatever is written: a long text is
// written through rather than collected, and an escaped field is escaped
// a block at a time, each block written once it is full.
//
// A write failure (a closed pipe, a full disk) is remembered rather than
// thrown: later output is dropped and the caller reports the failure once,
// at the end, so that a broken output never passes for success.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace radixel::cli {

class OutputBuffer {
 public:
  explicit OutputBuffer(int fd);

  void Append(std::string_view bytes);
  void Append(char byte) { pending_ += byte; }
  // Appends `field` escaped as a record field (see record_escape.h).
  void AppendEscaped(std::string_view field);

  // Writes what is pending once it has grown past the block size.
  void FlushIfFull();
  // Writes everything pending now.
  void Flush();

  // errno of the first failed write, 0 when every write succeeded.
  int WriteError() const { return writeError_; }

 private:
  void Write(std::string_view bytes);

  int fd_;
  std::string pending_;
  int writeError_ = 0;
};

}  // namespace radixel::cli
