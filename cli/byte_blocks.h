// Bytes sixteen at a time, for finding line ends and the bytes a record
// writes escaped: GCC's and Clang's vector types, which become single SSE2
// instructions on x86 and plain code elsewhere. Lanes are loaded and stored
// whole through memcpy, never by parts, so the processor does not wait for
// parts before it can read the whole.
#pragma once

#include <cstddef>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace radixel::cli {

using Bytes16 = unsigned char __attribute__((vector_size(16)));
inline constexpr std::size_t kBlockBytes = sizeof(Bytes16);

// (Vectors are passed by reference: on a 32-bit x86 without SSE a vector
// passed by value would take another calling convention.)
inline Bytes16 LoadBlock(const char* at) {
  Bytes16 block;
  std::memcpy(&block, at, sizeof block);
  return block;
}

inline void StoreBlock(char* at, const Bytes16& block) { std::memcpy(at, &block, sizeof block); }

// A bit for each lane whose top bit is set, lane 0 in bit 0.
inline unsigned LaneBits(const Bytes16& lanes) {
#ifdef __SSE2__
  return static_cast<unsigned>(_mm_movemask_epi8(__builtin_bit_cast(__m128i, lanes)));
#else
  unsigned bits = 0;
  for (std::size_t lane = 0; lane < kBlockBytes; ++lane) bits |= static_cast<unsigned>(lanes[lane] >> 7) << lane;
  return bits;
#endif
}

// A bit for each lane of `block` that holds `byte`, lane 0 in bit 0.
inline unsigned LanesHolding(const Bytes16& block, unsigned char byte) {
  return LaneBits(__builtin_bit_cast(Bytes16, block == byte));
}

}  // namespace radixel::cli
