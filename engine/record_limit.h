// The longest text the window can convert. The conversion form record keeps
// a text's length in a 32-bit int, so a longer text would have its length
// wrapped (negative from 2^31 bytes, small again from 2^32) and be converted
// as something it is not. Whoever hands the window a text checks it first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace radixel {

inline constexpr std::size_t kMaxRecordText = std::numeric_limits<std::int32_t>::max();

// Whether a text of `length` bytes has a length the record can hold.
constexpr bool FitsRecord(std::size_t length) { return length <= kMaxRecordText; }

}  // namespace radixel
