#include "cli/output_buffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/fd_io.h"

namespace radixel::cli {

// The buffer is left uninitialised: only what was written into it is read.
OutputBuffer::OutputBuffer(int fd) : fd_(fd), buffer_(new char[kCapacity]) {}

void OutputBuffer::Append(std::string_view bytes) {
  if (bytes.size() >= kBlockSize) {
    Flush();
    Write(bytes);
    return;
  }
  if (kCapacity - used_ < bytes.size()) Flush();
  std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

// Each block of the field is escaped straight into the buffer, with room
// made first for the most it can escape to.
void OutputBuffer::AppendEscaped(std::string_view field) {
  while (!field.empty()) {
    const std::size_t take = std::min(field.size(), kBlockSize);
    if (kCapacity - used_ < EscapedSizeBound(take)) Flush();
    char* const start = buffer_.get() + used_;
    used_ += static_cast<std::size_t>(EscapeInto(start, field.substr(0, take)) - start);
    field.remove_prefix(take);
    FlushIfFull();
  }
}

// A record of usual size is written straight into the buffer, with room
// made once for all of it.
void OutputBuffer::AppendRecord(std::initializer_list<std::string_view> fields) {
  std::size_t total = 0;
  for (const std::string_view field : fields) total += field.size();
  if (total >= kBlockSize) {
    std::size_t left = fields.size();
    for (const std::string_view field : fields) {
      AppendEscaped(field);
      Append(--left == 0 ? '\n' : '\t');
    }
    return;
  }
  if (fields.size() == 0) return;
  if (kCapacity - used_ < EscapedSizeBound(total) + fields.size()) Flush();
  char* out = buffer_.get() + used_;
  for (const std::string_view field : fields) {
    out = EscapeInto(out, field);
    *out++ = '\t';
  }
  out[-1] = '\n';
  used_ = static_cast<std::size_t>(out - buffer_.get());
}

void OutputBuffer::Flush() {
  if (used_ == 0) return;
  Write({buffer_.get(), used_});
  used_ = 0;
}

void OutputBuffer::Write(std::string_view bytes) {
  if (writeError_ == 0 && !WriteAll(fd_, bytes)) writeError_ = errno != 0 ? errno : EIO;
}

}  // namespace radixel::cli
