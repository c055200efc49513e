// Splits a byte stream from a file descriptor into lines, as they arrive.
//
// Lines end at '\n' (not part of the line); a last line without one still
// counts. Any byte, NUL included, is part of a line, and a line may be of
// any length: the buffer grows to the longest line and is then reused, and
// each byte is looked at once, however many reads a line takes.
//
// A line may be let go of once it has been used (ReleaseLine): a long
// line's bytes are then given back at once, so that they are not held
// while the line is converted from the copy the window keeps of it.
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

namespace radixel::cli {

class LineReader {
 public:
  LineReader(int fd, std::function<void()> beforeWait);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, valid until the next call; false at end of input or
  // after a failed read (see ReadError).
  bool Next(std::string_view& line);
  // Says that the line Next gave is no longer looked at: when the buffer
  // has grown far past the bytes still unread, it shrinks back to them.
  void ReleaseLine();

  // errno of a failed read, 0 when input simply ended.
  int ReadError() const { return readError_; }
  // Whether a failed read cut a line short: its start was read, its end
  // never came, and Next did not return it.
  bool LineCutShort() const { return readError_ != 0 && begin_ != end_; }

 private:
  // Moves the unread bytes to the front, makes room and reads once.
  void Fill();
  // Moves the unread bytes to the front of the buffer.
  void MoveUnreadToFront();
  // Gives the buffer `size` bytes, keeping what it holds up to that size.
  void Resize(std::size_t size);

  int fd_;
  std::function<void()> beforeWait_;
  // From malloc, so that it grows and shrinks with realloc: a large block
  // (see main) is remapped, not copied, and a long line is never held twice
  // while it is read.
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::size_t begin_ = 0;    // first byte not yet handed out
  std::size_t scanned_ = 0;  // bytes from begin_ up to here hold no '\n'
  std::size_t end_ = 0;      // end of the bytes read so far
  bool atEnd_ = false;
  int readError_ = 0;
};

}  // namespace radixel::cli
