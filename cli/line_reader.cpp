#include "cli/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "cli/fd_io.h"

namespace radixel::cli {

namespace {
constexpr std::size_t kReadSize = 64 * 1024;
// The buffer doubles up to this size and then grows by it, so that it never
// holds much more than the longest line: a huge line's memory is counted
// against the line, not against twice the line.
constexpr std::size_t kMaxGrowth = 8 * 1024 * 1024;
}  // namespace

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)), buffer_(kReadSize) {}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.data();
    if (const void* newline = std::memchr(data + scanned_, '\n', end_ - scanned_)) {
      const auto at = static_cast<std::size_t>(static_cast<const char*>(newline) - data);
      line = std::string_view(data + begin_, at - begin_);
      begin_ = scanned_ = at + 1;
      return true;
    }
    scanned_ = end_;
    if (atEnd_) {
      // A line that a failed read cut short is not handed out as if whole.
      if (begin_ == end_ || readError_ != 0) return false;
      line = std::string_view(data + begin_, end_ - begin_);
      begin_ = scanned_ = end_;
      return true;
    }
    Fill();
  }
}

void LineReader::Fill() {
  if (begin_ > 0) {
    // Only the start of a line is ever moved, once: later reads of the same
    // line append behind it.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    begin_ = 0;
  }
  if (buffer_.size() - end_ < kReadSize / 2) {
    const std::size_t size = buffer_.size() + std::min(buffer_.size(), kMaxGrowth);
    buffer_.reserve(size);  // exactly: resize alone would double the capacity
    buffer_.resize(size);
  }
  if (beforeWait_ && !InputWaiting(fd_)) beforeWait_();
  const long n = ReadSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
  if (n > 0) {
    end_ += static_cast<std::size_t>(n);
  } else {
    atEnd_ = true;
    if (n < 0) readError_ = errno;
  }
}

}  // namespace radixel::cli
