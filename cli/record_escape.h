// The escaping that keeps every batch record, and every message quoting
// what was typed, on one line: in a field, backslash, tab, newline and
// carriage return are written \\ \t \n \r, any other byte below 0x20 and
// 0x7F as \xHH (capital hex digits), and every other byte, UTF-8 or not, as
// it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/byte_blocks.h"

namespace radixel::cli {

// The most bytes a field of `size` bytes escapes to.
constexpr std::size_t EscapedSizeBound(std::size_t size) { return 4 * size; }

// The lanes of `bytes` that may hold a byte written escaped: all ones
// there, 0 elsewhere. Every byte written escaped is found, and six written
// as they are, ']', '^', '_', '|', '}' and '~', which the callers then
// take byte by byte, writing each as it is: backslash and 0x7F differ
// only in bits that 0x23 holds, so one test finds both.
inline Bytes16 EscapedLanes(const Bytes16& bytes) {
  const auto hit = (bytes < 0x20) | ((bytes | 0x23) == 0x7F);
  return __builtin_bit_cast(Bytes16, hit);
}

// Whether any byte from `begin` up to `end` may be written escaped (see
// EscapedLanes). It reads whole blocks from `begin` on, so up to
// kBlockBytes - 1 bytes past `end`, which must be there and be bytes
// written as they are.
inline bool AnyEscapedUpTo(const char* begin, const char* end) {
  Bytes16 hits{};
  for (const char* at = begin; at < end; at += kBlockBytes) hits |= EscapedLanes(LoadBlock(at));
  return LaneBits(hits) != 0;
}

// Writes `field` escaped at `out`, which has room for
// EscapedSizeBound(field.size()) bytes; returns the end of what it wrote.
char* EscapeInto(char* out, std::string_view field);

void AppendEscaped(std::string& out, std::string_view field);

// How much of a word a message quotes.
inline constexpr std::size_t kQuotedLimit = 40;

// Appends "word", escaped, with at most kQuotedLimit of its bytes and "..."
// after a longer word's cut.
void AppendQuoted(std::string& out, std::string_view word);

}  // namespace radixel::cli
