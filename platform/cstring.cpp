#include "platform/cstring.h"

#include <algorithm>

#include "platform/resources.h"

void CString::MakeUpper() {
  for (char& ch : text_) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
}

namespace {

// Length of the well-formed UTF-8 sequence starting at `pos`, or 1 when the
// byte there does not start one (ASCII, a stray continuation byte, a
// truncated or overlong sequence).
std::size_t Utf8SequenceLength(const std::string& s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  std::size_t len = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
  } else {
    return 1;
  }
  if (pos + len > s.size()) return 1;
  for (std::size_t i = 1; i < len; ++i) {
    if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
  }
  return len;
}

}  // namespace

void CString::MakeReverse() {
  // Turn each multi-byte sequence round first, then reverse every byte: the
  // characters end up reversed and each keeps its bytes in order.
  for (std::size_t pos = 0; pos < text_.size();) {
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
