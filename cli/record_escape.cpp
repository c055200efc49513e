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

// Sixteen bytes at a time: GCC's and Clang's vector types, which become
// single SSE2 instructions on x86-64 and plain code elsewhere. The lanes are
// filled from registers, never by parts through memory, which would make
// the processor wait for the parts before it could read the whole.
using Bytes16 = unsigned char __attribute__((vector_size(16)));
using Words2 = std::uint64_t __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Bytes16);

// Eight copies of a byte that is written as it is, for lanes no field byte
// fills.
constexpr std::uint64_t kPlainWord = 0x4141414141414141;

template <typename T>
T Load(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// Whether any lane holds a byte to escape: one below 0x20, 0x7F or a
// backslash. (Vectors are passed by reference: on a 32-bit x86 without SSE
// a vector passed by value would take another calling convention.)
bool AnyEscaped(const Bytes16& bytes) {
  const auto hit = (bytes < 0x20) | (bytes == 0x7F) | (bytes == '\\');
  const Words2 words = __builtin_bit_cast(Words2, hit);
  return (words[0] | words[1]) != 0;
}

// The sixteen bytes of two words.
bool AnyEscaped(std::uint64_t low, std::uint64_t high) {
  const Words2 words = {low, high};
  return AnyEscaped(__builtin_bit_cast(Bytes16, words));
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

char* EscapeBytes(char* out, const char* in, const char* end) {
  for (; in != end; ++in) out = EscapeByte(out, *in);
  return out;
}

// A field of 1 to 15 bytes, tested at once: its bytes (two overlapping
// halves of it, or its first, middle and last byte) fill one vector, and a
// field with nothing to escape is copied the same way. Returns null when
// there is something to escape.
char* CopyShortPlain(char* out, const char* in, std::size_t size) {
  if (size >= 8) {
    const auto head = Load<std::uint64_t>(in);
    const auto tail = Load<std::uint64_t>(in + size - 8);
    if (AnyEscaped(head, tail)) return nullptr;
    std::memcpy(out, &head, sizeof head);
    std::memcpy(out + size - 8, &tail, sizeof tail);
  } else if (size >= 4) {
    const auto head = Load<std::uint32_t>(in);
    const auto tail = Load<std::uint32_t>(in + size - 4);
    if (AnyEscaped(head | std::uint64_t{tail} << 32, kPlainWord)) return nullptr;
    std::memcpy(out, &head, sizeof head);
    std::memcpy(out + size - 4, &tail, sizeof tail);
  } else {
    const auto first = static_cast<unsigned char>(in[0]);
    const auto middle = static_cast<unsigned char>(in[size / 2]);
    const auto last = static_cast<unsigned char>(in[size - 1]);
    const std::uint64_t bytes = kPlainWord << 24 | first | middle << 8 | last << 16;
    if (AnyEscaped(bytes, kPlainWord)) return nullptr;
    out[0] = in[0];
    out[size / 2] = in[size / 2];
    out[size - 1] = in[size - 1];
  }
  return out + size;
}

}  // namespace

// Fields are mostly plain text, so they are copied sixteen bytes at a time
// and only a block holding a byte to escape is taken byte by byte. The
// bytes after the last whole block are copied as the field's last block,
// overlapping what is already written, when those bytes were all written
// as they are.
char* EscapeInto(char* out, std::string_view field) {
  const char* in = field.data();
  const char* const end = in + field.size();
  if (field.empty()) return out;
  if (field.size() < kLanes) {
    if (char* const copied = CopyShortPlain(out, in, field.size())) return copied;
    return EscapeBytes(out, in, end);
  }
  bool lastBlockPlain = false;
  for (; static_cast<std::size_t>(end - in) >= kLanes; in += kLanes) {
    Bytes16 block;
    std::memcpy(&block, in, sizeof block);
    lastBlockPlain = !AnyEscaped(block);
    if (lastBlockPlain) {
      std::memcpy(out, &block, sizeof block);
      out += sizeof block;
    } else {
      out = EscapeBytes(out, in, in + kLanes);
    }
  }
  const auto rest = static_cast<std::size_t>(end - in);
  if (rest == 0) return out;
  Bytes16 tail;
  std::memcpy(&tail, end - kLanes, sizeof tail);
  if (lastBlockPlain && !AnyEscaped(tail)) {
    std::memcpy(out + rest - kLanes, &tail, sizeof tail);
    return out + rest;
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
