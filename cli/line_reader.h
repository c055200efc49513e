// Splits a byte stream from a file descriptor into lines, as they arrive.
//
// Lines end at '\n' (not part of the line); a last line without one still
// counts. Any byte, NUL included, is part of a line, and a line may be of
// any length: the buffer grows to the longest line and is then reused, and
// each byte is looked at once, however many reads a line takes.
//
// Before a read that could wait for input, the reader runs a hook; the
// batch uses it to flush its output, so that a program feeding lines
// through a pipe gets each answer before it sends the next line, while
// input that is already there (a file, a fast producer) is read on without
// a write in between.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace radixel::cli {

class LineReader {
 public:
  LineReader(int fd, std::function<void()> beforeWait);

  // The next line, valid until the next call; false at end of input or
  // after a failed read (see ReadError).
  bool Next(std::string_view& line);

  // errno of a failed read, 0 when input simply ended.
  int ReadError() const { return readError_; }
  // Whether a failed read cut a line short: its start was read, its end
  // never came, and Next did not return it.
  bool LineCutShort() const { return readError_ != 0 && begin_ != end_; }

 private:
  // Moves the unread bytes to the front, makes room and reads once.
  void Fill();

  int fd_;
  std::function<void()> beforeWait_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // first byte not yet handed out
  std::size_t scanned_ = 0;  // bytes from begin_ up to here hold no '\n'
  std::size_t end_ = 0;      // end of the bytes read so far
  bool atEnd_ = false;
  int readError_ = 0;
};

}  // namespace radixel::cli
