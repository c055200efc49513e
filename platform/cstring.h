// CString: the class library's counted text of single-byte characters.
//
// Text is a sequence of bytes; nothing here assumes an encoding beyond
// treating well-formed UTF-8 sequences as single characters when the text
// is reversed, so that a reversed text never splits a character.
#pragma once

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}  // NOLINT: implicit as in the library
  CString(std::string_view text) : text_(text) {}         // NOLINT
  explicit CString(std::string&& text) : text_(std::move(text)) {}

  CString& operator=(const char* text) {
    text_.assign(text ? text : "");
    return *this;
  }
  CString& operator=(std::string_view text) {
    text_.assign(text);
    return *this;
  }

  // Length in bytes, as the library's int: a text longer than an int counts
  // reports INT_MAX, never a wrapped length. size() gives the true length.
  int GetLength() const {
    return text_.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                            : static_cast<int>(text_.size());
  }
  std::size_t size() const { return text_.size(); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }

  // The byte at `index`, which must be below the length.
  char GetAt(int index) const { return text_[static_cast<std::size_t>(index)]; }
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch) { text_[static_cast<std::size_t>(index)] = ch; }

  // Turns a to z into A to Z in place; every other byte stays as it is.
  void MakeUpper();
  // Reverses the text in place, keeping each well-formed UTF-8 sequence whole.
  void MakeReverse();
  // Fills the text from the string table; leaves it empty when there is no such string.
  bool LoadString(unsigned id);

  const char* c_str() const { return text_.c_str(); }
  operator const char*() const { return text_.c_str(); }  // NOLINT: LPCTSTR conversion
  std::string_view view() const { return text_; }
  const std::string& str() const { return text_; }
  // The bytes themselves, for filling the text in place.
  std::string& str() { return text_; }

  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }
  friend bool operator==(const CString& a, std::string_view b) { return a.text_ == b; }
  friend bool operator==(const CString& a, const char* b) { return a.text_ == b; }

 private:
  std::string text_;
};
