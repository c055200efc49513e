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
#include <memory>
#include <string_view>

#include "cli/record_escape.h"
#include "platform/cstring.h"

namespace radixel::cli {

class OutputBuffer {
 public:
  explicit OutputBuffer(int fd);

  void Append(std::string_view bytes);
  void Append(char byte) {
    if (used_ == kCapacity) Flush();
    buffer_[used_++] = byte;
  }
  // Appends one record: its three fields escaped (see record_escape.h), a
  // tab between them and a newline after the last.
  void AppendRecord(const CString& first, const CString& second, const CString& third);

  // Writes what is pending once it has grown past the block size.
  void FlushIfFull() {
    if (used_ >= kBlockSize) Flush();
  }
  // Writes everything pending now.
  void Flush();

  // errno of the first failed write, 0 when every write succeeded.
  int WriteError() const { return writeError_; }

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  // Room for a full block and the escaped block that may follow it (each
  // byte escapes to at most four).
  static constexpr std::size_t kCapacity = kBlockSize * 6;
  static_assert(kBlockSize + EscapedSizeBound(kBlockSize) <= kCapacity);

  // Appends `field` escaped, a block at a time.
  void AppendEscaped(std::string_view field);
  void Write(std::string_view bytes);

  int fd_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  int writeError_ = 0;
};

}  // namespace radixel::cli
