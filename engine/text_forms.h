// The text forms of numbers the conversions write, and the conversion of a
// floating value to an integer. They reproduce the forms of the Windows
// runtime the program was first built on, independently of the host's C
// library and locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

namespace radixel::engine {

inline constexpr std::size_t kNumberBufferSize = 20;

// `value` with 12 significant digits: "255.", "0.", "4294967295." for
// 0.1 <= |value| < 10^12 (and 0), "1.09951162778e+012" from 10^12 up. The
// 17 correctly rounded significant digits are rounded half up to 12.
// `value` must be finite; the text always fits the buffer, and the rest of
// it is cleared. Returns the text's length; `whole` is the whole number
// written where it is one from 1 to 10^12 - 1, and 0 for any other text.
std::size_t FormatDecimal12(double value, char (&out)[kNumberBufferSize], std::uint64_t& whole);
// FormatDecimal12 of `value`, a whole number below 2^53, which a double
// holds exactly: the same text, with no floating step where it is below 10^12.
std::size_t FormatWholeDecimal12(std::uint64_t value, char (&out)[kNumberBufferSize],
                                 std::uint64_t& whole);

// The bits of a double and back. (A copy of the bytes, which compilers turn
// into a register move; not every C++ library here has std::bit_cast.)
inline std::uint64_t BitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
inline double DoubleOf(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// 2^exponent for 0 <= exponent <= 1023, exactly: the bit pattern of the
// exponent alone.
inline double PowerOfTwo(int exponent) {
  return DoubleOf(static_cast<std::uint64_t>(exponent + 1023) << 52);
}

// `digit` times the place value 2^(bitsPerPlace × position), exactly: +inf
// where no double holds it; 0 for a zero digit at any place.
// Where the place value is finite the digit only multiplies it, so that a
// scan of random digits takes no branch on their values.
inline double PlaceValue(double digit, int bitsPerPlace, int position) {
  if (position <= 1023 / bitsPerPlace) return digit * PowerOfTwo(bitsPerPlace * position);
  return digit == 0.0 ? 0.0 : digit * std::numeric_limits<double>::infinity();
}

// `value` in radix 16: lower case, no leading zeros, "0" for zero; the rest
// of the buffer cleared. Returns the text's length.
std::size_t FormatHex(std::uint64_t value, char (&out)[kNumberBufferSize]);

// The largest whole number not above `value`, as the C library's floor
// gives it, but without the maths library, which radixel-cli then need
// not load at start-up. From 2^52 up every double is whole; NaN and the
// infinities come back as they are.
inline double Floor(double value) {
  if (!(value > -4503599627370496.0 && value < 4503599627370496.0)) return value;
  const auto whole = static_cast<double>(static_cast<std::int64_t>(value));
  return whole > value ? whole - 1.0 : whole;
}

// Truncation toward zero, saturating at the int range (NaN gives 0), so
// that no conversion is ever out of range.
inline int TruncateToInt(double value) {
  if (value != value) return 0;
  if (value >= 2147483648.0) return std::numeric_limits<int>::max();
  if (value <= -2147483649.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

// The leading decimal number of `text`, as the C library's atof reads it in
// the "C" locale: digits, a ".", digits; reading stops at anything else.
// Text with no digits reads as 0; a number too large for a double as +inf.
double ReadLeadingDecimal(std::string_view text);

// ReadLeadingDecimal's value, and ReadWholePart's whole part and result
// (`held`), reading the digits once where the text is a whole number.
double ReadDecimalAndWholePart(std::string_view text, std::uint64_t& whole, bool& held);

// The whole part of the leading decimal number of `text` (the digits before
// the first "."), exactly. False when no 64-bit unsigned integer holds it.
bool ReadWholePart(std::string_view text, std::uint64_t& value);

}  // namespace radixel::engine
