#include "platform/cstring.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <new>

#include "platform/resources.h"
#include "platform/words.h"

namespace {

using radixel::words::kOnes;
using radixel::words::Word;
using radixel::words::Load;
using radixel::words::Store;

// Word `k` of a mask over a buffer of up to kSpan bytes whose first
// `count` bytes are set, in the machine's own byte order.
constexpr std::size_t kSpan = 40;
Word FirstBytes(std::size_t count, std::size_t k) {
  static constexpr auto kSet = [] {
    std::array<unsigned char, 2 * kSpan> set{};
    for (std::size_t i = 0; i < kSpan; ++i) set[i] = 0xFF;
    return set;
  }();
  return Load(reinterpret_cast<const char*>(kSet.data()) + kSpan - count + k * sizeof(Word));
}

// In each byte of `word`, 0x20 where the byte is a to z and 0 elsewhere.
Word LowerCaseBits(Word word) { return radixel::words::InRange(word, 'a', 'z') >> 2; }

}  // namespace

CString::Block* CString::NewBlock(std::size_t capacity) {
  void* raw = ::operator new(sizeof(Block) + capacity + 1);
  return new (raw) Block{1, capacity};
}

void CString::FreeBlock(Block* block) {
  block->~Block();
  ::operator delete(block);
}

void CString::ReleaseBlock() noexcept {
  if (--rep_.block->refs == 0) FreeBlock(rep_.block);
}

void CString::ShareFrom(const CString& other) noexcept {
  rep_ = other.rep_;
  if (!other.IsInline()) ++rep_.block->refs;
}

void CString::TakeFrom(CString& other) noexcept {
  rep_ = other.rep_;
  if (!other.IsInline()) {
    other.rep_.size = 0;
    other.rep_.chars[0] = '\0';
  }
}

CString::CString(const CString& other) noexcept { ShareFrom(other); }

CString::CString(CString&& other) noexcept { TakeFrom(other); }

CString& CString::AssignShared(const CString& other) noexcept {
  // When both hold one block, the count is at least two: the release
  // cannot free it.
  if (this != &other) {
    Release();
    ShareFrom(other);
  }
  return *this;
}

CString& CString::operator=(CString&& other) noexcept {
  if (this != &other) {
    Release();
    TakeFrom(other);
  }
  return *this;
}

void CString::Empty() {
  if (rep_.size == 0) return;  // its terminator is in place already
  Release();
  rep_.size = 0;
  rep_.chars[0] = '\0';
}

void CString::AssignLong(std::string_view text) {
  // `text` may lie in this string's own bytes: it is copied before the
  // bytes it came from are let go, and moved (not copied) within a block.
  const std::size_t n = text.size();
  if (n <= kInlineCapacity) {
    if (IsInline()) {
      if (n > 0) std::memmove(rep_.chars, text.data(), n);
    } else {
      char bytes[kInlineCapacity];
      if (n > 0) std::memcpy(bytes, text.data(), n);
      Release();
      if (n > 0) std::memcpy(rep_.chars, bytes, n);
    }
    rep_.chars[n] = '\0';
    rep_.size = n;
    return;
  }
  // A block of its own is written over when it is large enough and not
  // more than twice so, lest a short text keep a huge block alive.
  if (!IsInline() && rep_.block->refs == 1 && rep_.block->capacity >= n && rep_.block->capacity / 2 <= n) {
    std::memmove(rep_.block->chars(), text.data(), n);
  } else if (!IsInline() && !std::less<const char*>()(text.data(), rep_.block->chars()) &&
             std::less<const char*>()(text.data(), rep_.block->chars() + rep_.size)) {
    Block* fresh = NewBlock(n);
    std::memcpy(fresh->chars(), text.data(), n);
    Release();
    rep_.block = fresh;
  } else {
    // The old text is let go of before the new block is taken, so that a
    // long text replacing another is never held beside it.
    Release();
    rep_.size = 0;
    rep_.chars[0] = '\0';
    rep_.block = NewBlock(n);
    std::memcpy(rep_.block->chars(), text.data(), n);
  }
  rep_.block->chars()[n] = '\0';
  rep_.size = n;
}

char* CString::MutableData() {
  if (IsInline()) return rep_.chars;
  if (rep_.block->refs > 1) {
    Block* own = NewBlock(rep_.size);
    std::memcpy(own->chars(), rep_.block->chars(), rep_.size + 1);
    --rep_.block->refs;
    rep_.block = own;
  }
  return rep_.block->chars();
}

// A word at a time, a to z turned round by one bit (0x20), with no branch
// on any single byte: a typed text's letters come in any mix of cases.
void CString::MakeUpper() {
  if (IsInline()) {
    // The words that hold the text. The bytes after its terminator are no
    // part of it, so the last word's need no mask.
    static_assert(sizeof rep_.chars % sizeof(Word) == 0);
    const std::size_t words = (rep_.size + sizeof(Word) - 1) / sizeof(Word);
    for (std::size_t k = 0; k < words; ++k) {
      char* at = rep_.chars + k * sizeof(Word);
      const Word word = Load(at);
      Store(at, word ^ LowerCaseBits(word));
    }
    return;
  }
  const std::string_view text = view();
  const auto isLower = [](char ch) { return ch >= 'a' && ch <= 'z'; };
  const std::size_t first =
      static_cast<std::size_t>(std::find_if(text.begin(), text.end(), isLower) - text.begin());
  if (first == rep_.size) return;
  char* chars = MutableData();
  std::size_t i = first;
  for (; i + sizeof(Word) <= rep_.size; i += sizeof(Word)) {
    Store(chars + i, Load(chars + i) ^ LowerCaseBits(Load(chars + i)));
  }
  for (; i < rep_.size; ++i) {
    if (isLower(chars[i])) chars[i] = static_cast<char>(chars[i] - 'a' + 'A');
  }
}

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at `pos` (RFC 3629:
// no overlong form, no surrogate, nothing above U+10FFFF), or 1 when the
// byte there does not start one: ASCII, a stray continuation byte, or the
// first byte of a truncated or ill-formed sequence, which stands alone.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  // The lead byte gives the length and the range of the second byte.
  std::size_t len = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
    if (lead == 0xE0) low = 0xA0;   // below: overlong
    if (lead == 0xED) high = 0x9F;  // above: surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
    if (lead == 0xF0) low = 0x90;   // below: overlong
    if (lead == 0xF4) high = 0x8F;  // above: beyond U+10FFFF
  } else {
    return 1;
  }
  if (pos + len > s.size()) return 1;
  const auto second = static_cast<unsigned char>(s[pos + 1]);
  if (second < low || second > high) return 1;
  for (std::size_t i = 2; i < len; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(s[pos + i]))) return 1;
  }
  return len;
}

}  // namespace

std::size_t CString::CharacterSize(std::string_view text, std::size_t pos) {
  return Utf8SequenceLength(text, pos);
}

void CString::MakeReverse() {
  if (rep_.size < 2) return;
  if (IsInline() && ReverseInlineAscii()) return;
  // Turn each multi-byte sequence round first, then reverse every byte: the
  // characters end up reversed and each keeps its bytes in order. Bytes
  // below 0x80 are characters of their own, so text of them only is
  // reversed at once.
  char* const begin = MutableData();
  char* const end = begin + rep_.size;
  const std::string_view text(begin, rep_.size);
  const bool ascii =
      std::all_of(begin, end, [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
  for (std::size_t pos = 0; !ascii && pos < rep_.size;) {
    const std::size_t len = Utf8SequenceLength(text, pos);
    if (len > 1) std::reverse(begin + pos, begin + pos + len);
    pos += len;
  }
  std::reverse(begin, end);
}

bool CString::ReverseInlineAscii() {
  constexpr std::size_t kWords = sizeof rep_.chars / sizeof(Word);
  Word high = 0;
  for (std::size_t k = 0; k < kWords; ++k) {
    high |= Load(rep_.chars + k * sizeof(Word)) & FirstBytes(rep_.size, k) & (kOnes * 0x80);
  }
  if (high != 0) return false;
  // The whole buffer reversed a word at a time, zeros after it; the text
  // is its last rep_.size bytes, and the zeros end it.
  char reversed[2 * sizeof rep_.chars] = {};
  for (std::size_t k = 0; k < kWords; ++k) {
    Store(reversed + sizeof rep_.chars - (k + 1) * sizeof(Word),
              __builtin_bswap64(Load(rep_.chars + k * sizeof(Word))));
  }
  std::memcpy(rep_.chars, reversed + sizeof rep_.chars - rep_.size, sizeof rep_.chars);
  return true;
}

bool CString::LoadString(unsigned id) {
  const char* text = radixel::platform::FindString(id);
  Assign(text ? text : "");
  return text != nullptr;
}
