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

// Whether any of the bytes in `word` is to be escaped: one below 0x20,
// 0x7F or a backslash. The tests are the usual whole-word ones (a byte below
// n, a zero byte after an xor); each is exact as a yes/no answer, which is
// all that is asked of it here.
template <typename Word>
constexpr bool AnyEscaped(Word word) {
  constexpr Word kOnes = static_cast<Word>(~Word{0}) / 0xFF;
  constexpr Word kHighBits = kOnes * 0x80;
  const Word below20 = static_cast<Word>(word - kOnes * 0x20) & static_cast<Word>(~word);
  const Word del = word ^ static_cast<Word>(kOnes * 0x7F);
  const Word backslash = word ^ static_cast<Word>(kOnes * '\\');
  const Word delZero = static_cast<Word>(del - kOnes) & static_cast<Word>(~del);
  const Word backslashZero = static_cast<Word>(backslash - kOnes) & static_cast<Word>(~backslash);
  return ((below20 | delZero | backslashZero) & kHighBits) != 0;
}

template <typename Word>
Word Load(const char* at) {
  Word word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

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

}  // namespace

// Fields are mostly plain text, so they are copied a word at a time and
// only a word holding a byte to escape is taken byte by byte. The bytes
// after the last whole word are copied as the field's last word,
// overlapping what is already written, when those bytes were all written
// as they are.
char* EscapeInto(char* out, std::string_view field) {
  const char* in = field.data();
  const char* const end = in + field.size();
  if (field.size() < 8) {
    if (field.size() >= 4) {
      const auto head = Load<std::uint32_t>(in);
      const auto tail = Load<std::uint32_t>(end - 4);
      if (!AnyEscaped(head) && !AnyEscaped(tail)) {
        std::memcpy(out, &head, sizeof head);
        std::memcpy(out + field.size() - 4, &tail, sizeof tail);
        return out + field.size();
      }
    }
    for (; in != end; ++in) out = EscapeByte(out, *in);
    return out;
  }
  bool lastWordPlain = false;
  for (; end - in >= 8; in += 8) {
    const auto word = Load<std::uint64_t>(in);
    lastWordPlain = !AnyEscaped(word);
    if (lastWordPlain) {
      std::memcpy(out, &word, sizeof word);
      out += sizeof word;
    } else {
      for (int i = 0; i < 8; ++i) out = EscapeByte(out, in[i]);
    }
  }
  const auto rest = static_cast<std::size_t>(end - in);
  if (rest == 0) return out;
  const auto tail = Load<std::uint64_t>(end - 8);
  if (lastWordPlain && !AnyEscaped(tail)) {
    std::memcpy(out + rest - 8, &tail, sizeof tail);
    return out + rest;
  }
  for (; in != end; ++in) out = EscapeByte(out, *in);
  return out;
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
