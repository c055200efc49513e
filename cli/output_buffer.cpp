#include "cli/output_buffer.h"

#include <algorithm>
#include <cerrno>

#include "cli/fd_io.h"
#include "cli/record_escape.h"

namespace radixel::cli {

namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}  // namespace

// Room for a full block and the escaped block that may follow it (each byte
// escapes to at most four), so that appends never reallocate.
OutputBuffer::OutputBuffer(int fd) : fd_(fd) { pending_.reserve(kBlockSize * 6); }

void OutputBuffer::Append(std::string_view bytes) {
  if (bytes.size() < kBlockSize) {
    pending_.append(bytes);
    return;
  }
  Flush();
  Write(bytes);
}

void OutputBuffer::AppendEscaped(std::string_view field) {
  while (!field.empty()) {
    const std::size_t take = std::min(field.size(), kBlockSize);
    radixel::cli::AppendEscaped(pending_, field.substr(0, take));
    field.remove_prefix(take);
    FlushIfFull();
  }
}

void OutputBuffer::FlushIfFull() {
  if (pending_.size() >= kBlockSize) Flush();
}

void OutputBuffer::Flush() {
  if (pending_.empty()) return;
  Write(pending_);
  pending_.clear();
}

void OutputBuffer::Write(std::string_view bytes) {
  if (writeError_ == 0 && !WriteAll(fd_, bytes)) writeError_ = errno != 0 ? errno : EIO;
}

}  // namespace radixel::cli
