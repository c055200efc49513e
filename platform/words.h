// Words of eight bytes, loaded from and stored into text, and tests of
// all eight bytes at a time, which the text operations and the
// conversions' scans share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace radixel::words {

using Word = std::uint64_t;
inline constexpr Word kOnes = ~Word{0} / 0xFF;  // 0x01 in every byte

inline Word Load(const char* at) {
  Word word;
  std::memcpy(&word, at, sizeof word);
  return word;
}
inline void Store(char* at, Word word) { std::memcpy(at, &word, sizeof word); }

// In each byte of `word`, 0x80 where the byte lies in `low` to `high`
// (both below 0x80) and 0 elsewhere. Exact for every byte: the low seven
// bits are compared by adding and subtracting within the byte, where no
// carry reaches the next one, and a byte with its top bit set is in no range.
// (A range is kept as the two words the test adds and subtracts.)
struct ByteRange {
  Word upToHigh;  // top bit of (upToHigh - byte): byte <= high
  Word fromLow;   // top bit of (byte + fromLow): byte >= low
};
constexpr ByteRange MakeByteRange(unsigned char low, unsigned char high) {
  return {kOnes * (0x7F + high + 1), kOnes * (0x80 - low)};
}
constexpr Word InRange(Word word, ByteRange range) {
  const Word seven = word & (kOnes * 0x7F);
  return (range.upToHigh - seven) & (seven + range.fromLow) & ~word & (kOnes * 0x80);
}
constexpr Word InRange(Word word, unsigned char low, unsigned char high) {
  return InRange(word, MakeByteRange(low, high));
}

// The bytes of `text`, 1 to 8 of them, gathered into one word, repeated
// where there are fewer than 8; reads no byte outside the text. (For tests
// that ask whether every byte passes.)
inline Word ShortTextWord(const char* text, std::size_t n) {
  if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, text, 4);
    std::memcpy(&tail, text + n - 4, 4);
    return head | static_cast<Word>(tail) << 32;
  }
  const auto byte = [&](std::size_t i) { return static_cast<Word>(static_cast<unsigned char>(text[i])); };
  const Word four = byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16 | byte(n - 1) << 24;
  return four | four << 32;
}

}  // namespace radixel::words
