#include "cli/output_buffer.h"

#include <cerrno>

#include "cli/fd_io.h"

namespace radixel::cli {

namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}  // namespace

OutputBuffer::OutputBuffer(int fd) : fd_(fd) { pending_.reserve(kBlockSize * 2); }

void OutputBuffer::FlushIfFull() {
  if (pending_.size() >= kBlockSize) Flush();
}

void OutputBuffer::Flush() {
  if (pending_.empty()) return;
  if (writeError_ == 0 && !WriteAll(fd_, pending_)) writeError_ = errno != 0 ? errno : EIO;
  pending_.clear();
  // A huge record needs not keep its memory for the small ones after it.
  if (pending_.capacity() > kBlockSize * 16) {
    pending_.shrink_to_fit();
    pending_.reserve(kBlockSize * 2);
  }
}

}  // namespace radixel::cli
