// CString: the class library's counted text of single-byte characters.
//
// Text is a sequence of bytes; nothing here assumes an encoding beyond
// treating well-formed UTF-8 sequences as single characters when the text
// is reversed, so that a reversed text never splits a character.
//
// A text of up to kInlineCapacity bytes lives inside the object, so that
// the short texts of a conversion never touch the heap. A longer one lives
// in a heap block that counts the strings holding it: copying a string
// shares the block, and a string that changes a shared block (SetAt,
// MakeUpper, MakeReverse) first takes a copy of its own. A long line typed
// into a box and read into the window's fields is so held once, not once
// for every field. One thread only: the count is a plain integer.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class CString {
 public:
  // Long enough for every message and every result of an input of up to
  // 19 characters.
  static constexpr std::size_t kInlineCapacity = 39;
  // The buffer of such a text: all of it can be read from data() on (the
  // text, its terminator and what the buffer holds after them), so that
  // the text can be copied in a few fixed pieces.
  static constexpr std::size_t kInlineBufferSize = kInlineCapacity + 1;

  CString() noexcept = default;
  CString(const char* text) : CString() { Assign(text ? text : ""); }  // NOLINT: implicit as in the library
  CString(std::string_view text) : CString() { Assign(text); }         // NOLINT
  explicit CString(const std::string& text) : CString() { Assign(text); }
  CString(const CString& other) noexcept;
  CString(CString&& other) noexcept;
  ~CString() { Release(); }

  // A short text over a short one is copied here, whole buffer at once: a
  // conversion copies its texts many times.
  CString& operator=(const CString& other) noexcept {
    if (std::max(rep_.size, other.rep_.size) <= kInlineCapacity) {
      rep_ = other.rep_;
      return *this;
    }
    return AssignShared(other);
  }
  CString& operator=(CString&& other) noexcept;
  CString& operator=(const char* text) {
    Assign(text ? text : "");
    return *this;
  }
  CString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  // Length in bytes, as the library's int: a text longer than an int counts
  // reports INT_MAX, never a wrapped length. size() gives the true length.
  int GetLength() const {
    return rep_.size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(rep_.size);
  }
  std::size_t size() const { return rep_.size; }
  bool IsEmpty() const { return rep_.size == 0; }
  void Empty();

  // The byte at `index`, which must be below the length.
  char GetAt(int index) const { return data()[static_cast<std::size_t>(index)]; }
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch) { MutableData()[static_cast<std::size_t>(index)] = ch; }

  // Turns a to z into A to Z in place; every other byte stays as it is. A
  // text with no such letter is left alone, and so stays shared.
  void MakeUpper();
  // Reverses the text in place, keeping each well-formed UTF-8 sequence whole.
  void MakeReverse();
  // Copies `n` bytes, at most kInlineCapacity, as memmove does: every byte
  // is read (in a few overlapping pieces) before any is written.
  static void MoveShort(char* to, const char* from, std::size_t n) {
    static_assert(kInlineCapacity <= 48, "three pieces of 16 bytes cover a short text");
    if (n >= 16) {
      char head[16], middle[16], tail[16];
      std::memcpy(head, from, 16);
      std::memcpy(middle, from + (n > 32 ? 16 : 0), 16);
      std::memcpy(tail, from + n - 16, 16);
      std::memcpy(to, head, 16);
      std::memcpy(to + (n > 32 ? 16 : 0), middle, 16);
      std::memcpy(to + n - 16, tail, 16);
    } else if (n >= 8) {
      MoveTwoPieces<8>(to, from, n);
    } else if (n >= 4) {
      MoveTwoPieces<4>(to, from, n);
    } else if (n > 0) {
      const char first = from[0], middle = from[n / 2], last = from[n - 1];
      to[0] = first;
      to[n / 2] = middle;
      to[n - 1] = last;
    }
  }
  // Copies `n` bytes, `kPiece` to twice as many, as two overlapping pieces
  // both read before either is written.
  template <std::size_t kPiece>
  static void MoveTwoPieces(char* to, const char* from, std::size_t n) {
    char head[kPiece], tail[kPiece];
    std::memcpy(head, from, kPiece);
    std::memcpy(tail, from + n - kPiece, kPiece);
    std::memcpy(to, head, kPiece);
    std::memcpy(to + n - kPiece, tail, kPiece);
  }
  // The size in bytes of the character at byte `pos` of `text`: a
  // well-formed UTF-8 sequence, or a single byte. (MakeReverse keeps these whole.)
  static std::size_t CharacterSize(std::string_view text, std::size_t pos);
  // Fills the text from the string table; leaves it empty when there is no such string.
  bool LoadString(unsigned id);

  // The bytes, followed by a terminator; valid while this string, or a copy
  // that shares its block, holds the text unchanged.
  const char* c_str() const { return data(); }
  operator const char*() const { return data(); }  // NOLINT: LPCTSTR conversion
  std::string_view view() const { return {data(), rep_.size}; }
  // Whether the two hold one long text's block between them (a short text
  // is never shared).
  bool SharesTextWith(const CString& other) const {
    return !IsInline() && !other.IsInline() && rep_.block == other.rep_.block;
  }

  friend bool operator==(const CString& a, const CString& b) { return a.view() == b.view(); }
  friend bool operator==(const CString& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const CString& a, const char* b) { return a.view() == b; }

 private:
  // A long text: the count of strings that hold it, then its bytes and a
  // terminator.
  struct Block {
    std::size_t refs;
    std::size_t capacity;
    char* chars() { return reinterpret_cast<char*>(this + 1); }
  };
  static Block* NewBlock(std::size_t capacity);
  static void FreeBlock(Block* block);

  bool IsInline() const { return rep_.size <= kInlineCapacity; }
  const char* data() const { return IsInline() ? rep_.chars : rep_.block->chars(); }
  // The bytes for writing: a shared block is copied first.
  char* MutableData();
  // A short text over a short one is copied here; `text` may lie in this
  // string's own bytes.
  void Assign(std::string_view text) {
    if (text.size() <= kInlineCapacity && IsInline()) {
      MoveShort(rep_.chars, text.data(), text.size());
      rep_.chars[text.size()] = '\0';
      rep_.size = text.size();
      return;
    }
    AssignLong(text);
  }
  void AssignLong(std::string_view text);
  // operator= where either text is long.
  CString& AssignShared(const CString& other) noexcept;
  // Lets go of the block, if any; the caller sets the new text.
  void Release() noexcept {
    if (!IsInline()) ReleaseBlock();
  }
  void ReleaseBlock() noexcept;
  // Over a released string: `other`'s text, its block shared or taken (the
  // taken-from string left empty).
  void ShareFrom(const CString& other) noexcept;
  void TakeFrom(CString& other) noexcept;
  // MakeReverse of an inline text of ASCII bytes only, a word at a time
  // and with no branch on its length; false (nothing done) for any other.
  bool ReverseInlineAscii();

  // The length and the bytes, or the block of a long text: plain data, so
  // that a short text is copied whole in a few moves.
  struct Rep {
    std::size_t size;  // a text above kInlineCapacity bytes is in block
    union {
      char chars[kInlineBufferSize];
      Block* block;
    };
  };
  Rep rep_{};
};
