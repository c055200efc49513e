#include "cli/line_reader.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "cli/byte_blocks.h"
#include "cli/fd_io.h"

namespace radixel::cli {

namespace {
constexpr std::size_t kReadSize = 64 * 1024;
// The buffer doubles up to this size and then grows by it, so that it never
// holds much more than the longest line: a huge line's memory is counted
// against the line, not against twice the line.
constexpr std::size_t kMaxGrowth = 8 * 1024 * 1024;

// The first '\n' from `from` up to `end`, or null. Lines are short, so
// most are found in a block or two of sixteen bytes without a call.
const char* FindNewline(const char* from, const char* end) {
  for (; end - from >= static_cast<std::ptrdiff_t>(kBlockBytes); from += kBlockBytes) {
    if (const unsigned bits = LanesHolding(LoadBlock(from), '\n')) return from + std::countr_zero(bits);
  }
  return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(end - from)));
}

}  // namespace

LineReader::LineReader(int fd, std::function<void()> beforeWait)
    : fd_(fd), beforeWait_(std::move(beforeWait)) {
  Resize(kReadSize);
}

LineReader::~LineReader() { std::free(buffer_); }

void LineReader::Resize(std::size_t size) {
  void* moved = std::realloc(buffer_, size);
  if (moved == nullptr) throw std::bad_alloc();
  buffer_ = static_cast<char*>(moved);
  size_ = size;
}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_;
    if (const char* newline = FindNewline(data + scanned_, data + end_)) {
      const auto at = static_cast<std::size_t>(newline - data);
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

void LineReader::ReleaseLine() {
  if (size_ <= 2 * kReadSize || end_ - begin_ > size_ / 2) return;
  MoveUnreadToFront();
  Resize(std::max(kReadSize, end_));
}

void LineReader::MoveUnreadToFront() {
  if (begin_ == 0) return;
  std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
  end_ -= begin_;
  scanned_ -= begin_;
  begin_ = 0;
}

void LineReader::Fill() {
  // Only the start of a line is ever moved, once: later reads of the same
  // line append behind it.
  MoveUnreadToFront();
  if (size_ - end_ < kReadSize / 2) Resize(size_ + std::min(size_, kMaxGrowth));
  if (beforeWait_ && !InputWaiting(fd_)) beforeWait_();
  const long n = ReadSome(fd_, buffer_ + end_, size_ - end_);
  if (n > 0) {
    end_ += static_cast<std::size_t>(n);
  } else {
    atEnd_ = true;
    if (n < 0) readError_ = errno;
  }
}

}  // namespace radixel::cli
