#include "cli/record_escape.h"

#include <array>
#include <cstdint>

namespace radixel::cli {

namespace {

// What a byte is written as; size 0 for a byte written as it is.
struct Escape {
  char text[4];
  std::uint8_t size;
};

constexpr std::array<Escape, 256> MakeEscapes() {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::array<Escape, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    Escape& e = table[static_cast<std::size_t>(byte)];
    if (byte >= 0x20 && byte != 0x7F && byte != '\\') continue;
    const char named = byte == '\\' ? '\\' : byte == '\t' ? 't' : byte == '\n' ? 'n'
                                                                : byte == '\r' ? 'r' : 0;
    if (named != 0) {
      e = {{'\\', named, 0, 0}, 2};
    } else {
      e = {{'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]}, 4};
    }
  }
  return table;
}

constexpr std::array<Escape, 256> kEscapes = MakeEscapes();

}  // namespace

void AppendEscaped(std::string& out, std::string_view field) {
  const char* plain = field.data();
  const char* const end = field.data() + field.size();
  for (const char* at = plain; at != end; ++at) {
    const Escape& e = kEscapes[static_cast<unsigned char>(*at)];
    if (e.size == 0) continue;
    out.append(plain, static_cast<std::size_t>(at - plain));
    out.append(e.text, e.size);
    plain = at + 1;
  }
  out.append(plain, static_cast<std::size_t>(end - plain));
}

void AppendQuoted(std::string& out, std::string_view word) {
  out += '"';
  AppendEscaped(out, word.substr(0, kQuotedLimit));
  if (word.size() > kQuotedLimit) out += "...";
  out += '"';
}

}  // namespace radixel::cli
