#include "cli/record_escape.h"

#include <array>
#include <cstdint>
#include <cstring>

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

bool AnyEscaped(const Bytes16& block) { return LaneBits(EscapedLanes(block)) != 0; }

// Writes one byte escaped; there is room for four bytes at `out`.
char* EscapeByte(char* out, char byte) {
  const Escape& e = kEscapes[static_cast<unsigned char>(byte)];
  if (e.size == 0) {
    *out = byte;
    return out + 1;
  }
  std::memcpy(out, e.text, sizeof e.text);
  return out + e.size;
}

char* EscapeBytes(char* out, const char* in, const char* end) {
  for (; in != end; ++in) out = EscapeByte(out, *in);
  return out;
}

}  // namespace

// Long fields are mostly plain text, so they are copied sixteen bytes at a
// time and only a block that may hold a byte to escape (EscapedLanes) is
// taken byte by byte. The bytes after the last whole block are copied as
// the field's last block, overlapping what is already written, when those
// bytes were all written as they are. (A short record, the usual case, is
// tested whole instead: output_buffer.cpp.)
char* EscapeInto(char* out, std::string_view field) {
  const char* in = field.data();
  const char* const end = in + field.size();
  bool lastBlockPlain = false;
  for (; static_cast<std::size_t>(end - in) >= kBlockBytes; in += kBlockBytes) {
    const Bytes16 block = LoadBlock(in);
    lastBlockPlain = !AnyEscaped(block);
    if (lastBlockPlain) {
      StoreBlock(out, block);
      out += kBlockBytes;
    } else {
      out = EscapeBytes(out, in, in + kBlockBytes);
    }
  }
  const auto rest = static_cast<std::size_t>(end - in);
  if (rest == 0) return out;
  if (lastBlockPlain) {
    const Bytes16 tail = LoadBlock(end - kBlockBytes);
    if (!AnyEscaped(tail)) {
      StoreBlock(out + rest - kBlockBytes, tail);
      return out + rest;
    }
  }
  return EscapeBytes(out, in, end);
}

void AppendEscaped(std::string& out, std::string_view field) {
  const std::size_t start = out.size();
  out.resize(start + EscapedSizeBound(field.size()));
  char* const end = EscapeInto(out.data() + start, field);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

void AppendQuoted(std::string& out, std::string_view word) {
  out += '"';
  AppendEscaped(out, word.substr(0, kQuotedLimit));
  if (word.size() > kQuotedLimit) out += "...";
  out += '"';
}

}  // namespace radixel::cli
