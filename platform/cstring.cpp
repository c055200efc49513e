#include "platform/cstring.h"

#include <algorithm>

#include "platform/resources.h"

void CString::MakeUpper() {
  for (char& ch : text_) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
}

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at `pos` (RFC 3629:
// no overlong form, no surrogate, nothing above U+10FFFF), or 1 when the
// byte there does not start one: ASCII, a stray continuation byte, or the
// first byte of a truncated or ill-formed sequence, which stands alone.
std::size_t Utf8SequenceLength(const std::string& s, std::size_t pos) {
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

void CString::MakeReverse() {
  // Turn each multi-byte sequence round first, then reverse every byte: the
  // characters end up reversed and each keeps its bytes in order. Bytes
  // below 0x80 are characters of their own, so text of them only is
  // reversed at once.
  const bool ascii = std::all_of(text_.begin(), text_.end(),
                                 [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
  for (std::size_t pos = 0; !ascii && pos < text_.size();) {
    const std::size_t len = Utf8SequenceLength(text_, pos);
    if (len > 1) {
      std::reverse(text_.begin() + static_cast<std::ptrdiff_t>(pos),
                   text_.begin() + static_cast<std::ptrdiff_t>(pos + len));
    }
    pos += len;
  }
  std::reverse(text_.begin(), text_.end());
}

bool CString::LoadString(unsigned id) {
  const char* text = radixel::platform::FindString(id);
  text_.assign(text ? text : "");
  return text != nullptr;
}
