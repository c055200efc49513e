#include "engine/text_forms.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef __GLIBC__
#include <clocale>
#include <locale.h>
#endif

// Floating digits are read and written by the C library (strtod and
// printf's "%.16e", both exact): the C++ library's floating-point
// <charconv> would double the size of the Windows program, is missing from
// the browser's C++ library, and would make radixel-cli load the maths
// library at start-up.

namespace radixel::engine {

namespace {
constexpr int kSignificant = 12;

// The "C" locale's decimal point for the floating text read and written
// while it exists, whatever locale the program runs in: the desktop
// window's toolkit takes the user's. (Elsewhere than glibc the programs
// never leave the "C" locale.)
class ClassicNumbers {
 public:
#ifdef __GLIBC__
  ClassicNumbers() : previous_(uselocale(Classic())) {}
  ~ClassicNumbers() { uselocale(previous_); }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  // (Null, should it fail, leaves the thread's locale as it is.)
  static locale_t Classic() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
  }
  locale_t previous_;
#endif
};
constexpr int kExact = 17;

// Adds one in the last of the first `kept` digits, carrying; a carry out
// of the first digit makes it "1" and raises the exponent.
void AddOneInLastPlace(char* digits, int kept, int& exponent) {
  int i = kept - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits[0] = '1';
    ++exponent;
  }
}

// Whole numbers written from their integer digits: below 2^127 where the
// compiler has a 128-bit integer (hexadecimal inputs of up to 31 digits),
// below 2^64 elsewhere.
#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 WholeNumber;
constexpr double kWholeNumberLimit = 170141183460469231731687303715884105728.0;  // 2^127
#else
using WholeNumber = std::uint64_t;
constexpr double kWholeNumberLimit = 18446744073709551616.0;  // 2^64
#endif

// 10^k for every k whose power a WholeNumber holds (up to 10^38, or 10^19
// where it has 64 bits): enough to count the digits of any of them.
constexpr std::size_t kWholeNumberPowers = sizeof(WholeNumber) > 8 ? 39 : 20;
constexpr std::array<WholeNumber, kWholeNumberPowers> kPowersOfTen = [] {
  std::array<WholeNumber, kWholeNumberPowers> powers{};
  WholeNumber power = 1;
  for (WholeNumber& each : powers) {
    each = power;
    power *= 10;  // (past the last one it wraps round, unused)
  }
  return powers;
}();

// The number of decimal digits of `whole`, from 1 up.
int DecimalDigitCount(WholeNumber whole) {
  int bits = std::bit_width(static_cast<std::uint64_t>(whole));
#ifdef __SIZEOF_INT128__
  if (const auto high = static_cast<std::uint64_t>(whole >> 64)) bits = 64 + std::bit_width(high);
#endif
  // bits × log10(2), rounded down, is the count or one below it.
  const int below = bits * 1233 >> 12;
  return below + (whole >= kPowersOfTen[static_cast<std::size_t>(below)] ? 1 : 0);
}

// The first 17 significant digits of `whole`, from 10^12 up, as a number
// of 17 digits, correctly rounded (to nearest, a tie to even, as the
// floating forms round); `exponent` is its decimal exponent. The whole
// numbers a sum of hexadecimal or binary digits gives are so rounded with
// integers alone.
std::uint64_t FirstSeventeenDigits(WholeNumber whole, int& exponent) {
  int count = DecimalDigitCount(whole);
  std::uint64_t first;
  if (count <= kExact) {
    first = static_cast<std::uint64_t>(whole) *
            static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(kExact - count)]);
  } else {
    // The dropped digits against half a unit of the last digit kept.
    const WholeNumber unit = kPowersOfTen[static_cast<std::size_t>(count - kExact)];
    first = static_cast<std::uint64_t>(whole / unit);
    const WholeNumber rest = whole - first * unit;
    if (rest > unit / 2 || (rest == unit / 2 && first % 2 != 0)) ++first;
    if (first == kPowersOfTen[kExact]) {  // 99...9 rounded up: 10...0, one place higher
      first /= 10;
      ++count;
    }
  }
  exponent = count - 1;
  return first;
}
// The value of `text` when it is a whole number of 1 to 19 digits, alone
// or with a point after it that no digit follows.
bool ReadShortWholeNumber(std::string_view text, std::uint64_t& value) {
  std::size_t digits = 0;
  std::uint64_t whole = 0;
  // Up to 20 digits are read: a 20th tells that there are too many.
  const std::size_t limit = std::min<std::size_t>(text.size(), 20);
  for (unsigned digit = 0;
       digits < limit && (digit = static_cast<unsigned char>(text[digits]) - unsigned{'0'}) <= 9;
       ++digits) {
    whole = whole * 10 + digit;
  }
  const bool fractionFollows = digits + 1 < text.size() && text[digits] == '.' &&
                               text[digits + 1] >= '0' && text[digits + 1] <= '9';
  const bool moreDigits = digits < text.size() && text[digits] >= '0' && text[digits] <= '9';
  if (digits == 0 || digits > 19 || fractionFollows || moreDigits) return false;
  value = whole;
  return true;
}

// A whole number from 1 to 10^12 - 1, as `value` holds it exactly; 0 for
// any other value. (Its integer, which it then holds exactly, tells.)
std::uint64_t WholeNumberBelowTenToTheTwelfth(double value) {
  if (!(value >= 1.0 && value < 1e12)) return 0;
  const auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(value));
  return static_cast<double>(whole) == value ? whole : 0;
}

// "00" to "99", each number's two digits at twice the number.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The hexadecimal digits, and "00" to "ff": each byte's two digits at
// twice the byte.
constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::array<char, 512> kHexDigitPairs = [] {
  std::array<char, 512> pairs{};
  for (std::size_t i = 0; i < 256; ++i) {
    pairs[2 * i] = kHexDigits[i / 16];
    pairs[2 * i + 1] = kHexDigits[i % 16];
  }
  return pairs;
}();

// Writes the `kDigits` decimal digits of `value` (below 10^kDigits, zeros
// before a shorter number's digits), two at a time from the first: `value`
// times 2^kFraction / 10^(kDigits - 2), rounded up, holds the first two
// digits above the point, and each multiplication of what is below the
// point by 100 brings the next two above it. The constants are exact for
// every value below the limit (checked for all of them).
template <std::size_t kDigits, int kFraction>
void WriteFixedDigits(std::uint64_t value, char* text) {
  constexpr std::uint64_t kDivisor = [] {
    std::uint64_t power = 1;
    for (std::size_t i = 2; i < kDigits; ++i) power *= 10;
    return power;
  }();
  constexpr std::uint64_t kBelowPoint = (std::uint64_t{1} << kFraction) - 1;
  std::uint64_t fixed = value * ((std::uint64_t{1} << kFraction) / kDivisor + 1);
  for (std::size_t i = 0; i < kDigits; i += 2) {
    std::memcpy(text + i, kDigitPairs.data() + 2 * (fixed >> kFraction), 2);
    fixed = (fixed & kBelowPoint) * 100;
  }
}

// Writes the `count` decimal digits of `value`, which has that many (or
// fewer: zeros go before them); `count` is at most 12.
void WriteDigits(std::uint64_t value, char* text, std::size_t count) {
  if (count > 8) {
    // The first count - 8 digits are the last of the four above 10^8: their
    // word, shifted past the ones not wanted, leaves zeros where the low
    // eight are written next.
    static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the shift drops the first bytes");
    char high[4];
    WriteFixedDigits<4, 32>(value / 100000000, high);
    std::uint32_t word;
    std::memcpy(&word, high, sizeof word);
    word >>= 8 * (12 - count);
    std::memcpy(text, &word, sizeof word);
    WriteFixedDigits<8, 57>(value % 100000000, text + count - 8);
    return;
  }
  for (; count >= 2; count -= 2, value /= 100) {
    std::memcpy(text + count - 2, kDigitPairs.data() + 2 * (value % 100), 2);
  }
  if (count == 1) text[0] = static_cast<char>('0' + value);
}

// A whole number below 10^12 has at most 12 digits: all of them, and the
// point, written into `out` from `p` on. Returns the text's length.
std::size_t WriteWholeNumber(std::uint64_t whole, char* p, char (&out)[kNumberBufferSize]) {
  const auto count = static_cast<std::size_t>(DecimalDigitCount(whole));
  WriteDigits(whole, p, count);
  p[count] = '.';
  return static_cast<std::size_t>(p + count + 1 - out);
}

// The exponent form of the `count` significant digits at `digits` (1 to
// 12) with decimal `exponent`, written from `p` on: one digit, the point,
// the rest, e, the sign, three digits. Returns the text's length.
std::size_t WriteExponentForm(const char* digits, int count, int exponent, char* p,
                              char (&out)[kNumberBufferSize]) {
  *p++ = digits[0];
  *p++ = '.';
  std::memcpy(p, digits + 1, static_cast<std::size_t>(count - 1));
  p += count - 1;
  *p++ = 'e';
  *p++ = exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  *p++ = static_cast<char>('0' + magnitude / 100);
  *p++ = static_cast<char>('0' + magnitude / 10 % 10);
  *p++ = static_cast<char>('0' + magnitude % 10);
  return static_cast<std::size_t>(p - out);
}

// A whole number from 10^12 up, always in the exponent form, written from
// `p` on: its first 17 digits rounded half up to 12 (by the 13th alone),
// carrying into the exponent, the zeros at their end dropped.
std::size_t WriteLargeWholeNumber(WholeNumber whole, char* p, char (&out)[kNumberBufferSize]) {
  int exponent = 0;
  const std::uint64_t first = FirstSeventeenDigits(whole, exponent);
  constexpr std::uint64_t kDropped = 100000;  // 10^(17 - 12)
  std::uint64_t kept = first / kDropped + (first % kDropped >= kDropped / 2 ? 1 : 0);
  if (kept == 1000000000000u) {  // 10^12
    kept /= 10;
    ++exponent;
  }
  char digits[kSignificant];
  WriteDigits(kept, digits, kSignificant);
  int count = kSignificant;
  while (digits[count - 1] == '0') --count;  // (the first digit is not 0)
  return WriteExponentForm(digits, count, exponent, p, out);
}

// FormatDecimal12 of every value but a whole number from 1 to 10^12 - 1.
[[gnu::noinline]] std::size_t FormatDecimal12Rest(double value,
                                                  char (&out)[kNumberBufferSize]) {
  std::memset(out, 0, sizeof out);
  char* p = out;
  if (value == 0.0) {
    std::memcpy(out, "0.", 2);
    return 2;
  }
  if (value < 0) {
    *p++ = '-';
    value = -value;
  }
  if (const std::uint64_t whole = WholeNumberBelowTenToTheTwelfth(value)) {
    return WriteWholeNumber(whole, p, out);
  }

  if (value < kWholeNumberLimit && value == Floor(value)) {
    // (Below 2^64 through a 64-bit integer, which needs no library call.)
    constexpr double kTwoToThe64th = 18446744073709551616.0;
    return WriteLargeWholeNumber(value < kTwoToThe64th ? WholeNumber{static_cast<std::uint64_t>(value)}
                                                       : static_cast<WholeNumber>(value),
                                 p, out);
  }

  // 17 significant digits, correctly rounded, and the decimal exponent,
  // from d.dddddddddddddddde±XX.
  char digits[kExact];
  int exponent = 0;
  char sci[40];
  {
    [[maybe_unused]] const ClassicNumbers classic;
    const char* const end = sci + std::snprintf(sci, sizeof sci, "%.16e", value);
    digits[0] = sci[0];
    std::memcpy(digits + 1, sci + 2, kExact - 1);
    std::from_chars(sci + kExact + 2 + (sci[kExact + 2] == '+' ? 1 : 0), end, exponent);
  }

  // Round the 17 digits half up to 12, carrying into the exponent.
  if (digits[kSignificant] >= '5') AddOneInLastPlace(digits, kSignificant, exponent);
  int count = kSignificant;
  while (count > 1 && digits[count - 1] == '0') --count;

  if (exponent >= -1 && exponent < kSignificant) {
    // Fixed form: the integer digits, the point, the fraction digits.
    if (exponent < 0) {
      *p++ = '0';
      *p++ = '.';
      std::memcpy(p, digits, static_cast<std::size_t>(count));
      return static_cast<std::size_t>(p - out) + static_cast<std::size_t>(count);
    }
    for (int i = 0; i <= exponent; ++i) *p++ = i < count ? digits[i] : '0';
    *p++ = '.';
    for (int i = exponent + 1; i < count; ++i) *p++ = digits[i];
    return static_cast<std::size_t>(p - out);
  }
  return WriteExponentForm(digits, count, exponent, p, out);
}

}  // namespace

std::size_t FormatDecimal12(double value, char (&out)[kNumberBufferSize], std::uint64_t& whole) {
  // A whole number below 10^12, the common result, is written with nothing
  // else to set up.
  whole = WholeNumberBelowTenToTheTwelfth(value);
  if (whole != 0) {
    std::memset(out, 0, sizeof out);
    return WriteWholeNumber(whole, out, out);
  }
  return FormatDecimal12Rest(value, out);
}

std::size_t FormatWholeDecimal12(std::uint64_t value, char (&out)[kNumberBufferSize],
                                 std::uint64_t& whole) {
  if (value - 1 < 999999999999u) {  // 1 to 10^12 - 1
    whole = value;
    std::memset(out, 0, sizeof out);
    return WriteWholeNumber(value, out, out);
  }
  return FormatDecimal12(static_cast<double>(value), out, whole);
}

std::size_t FormatHex(std::uint64_t value, char (&out)[kNumberBufferSize]) {
  std::memset(out, 0, sizeof out);
  // A digit for every four bits of the value, at least one; two at a time
  // from the last.
  std::size_t count = value == 0 ? 1 : (static_cast<std::size_t>(std::bit_width(value)) + 3) / 4;
  const std::size_t length = count;
  for (; count >= 2; count -= 2, value >>= 8) {
    std::memcpy(out + count - 2, kHexDigitPairs.data() + 2 * (value & 0xFF), 2);
  }
  if (count == 1) out[0] = kHexDigits[value];
  return length;
}

double ReadLeadingDecimal(std::string_view text) {
  // A whole number of up to 19 digits (with or without a point after it)
  // is below 2^64: its double is the integer rounded to nearest, as strtod
  // rounds it.
  if (std::uint64_t whole = 0; ReadShortWholeNumber(text, whole)) return static_cast<double>(whole);
  // An optional '-', digits, '.', digits; strtod gives +inf where it is
  // too large and 0 where it underflows. It reads a copy that ends there,
  // lest it take an exponent or a hexadecimal form after it.
  std::size_t end = text.starts_with('-') ? 1 : 0;
  bool anyDigit = false;
  for (bool point = false; end < text.size(); ++end) {
    if (text[end] >= '0' && text[end] <= '9') {
      anyDigit = true;
    } else if (text[end] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return 0.0;
  [[maybe_unused]] const ClassicNumbers classic;
  char shortCopy[64];
  if (end < sizeof shortCopy) {
    std::memcpy(shortCopy, text.data(), end);
    shortCopy[end] = '\0';
    return std::strtod(shortCopy, nullptr);
  }
  return std::strtod(std::string(text.substr(0, end)).c_str(), nullptr);
}

double ReadDecimalAndWholePart(std::string_view text, std::uint64_t& whole, bool& held) {
  // A whole number of up to 19 digits is read once for both.
  if (ReadShortWholeNumber(text, whole)) {
    held = true;
    return static_cast<double>(whole);
  }
  held = ReadWholePart(text, whole);
  return ReadLeadingDecimal(text);
}

bool ReadWholePart(std::string_view text, std::uint64_t& value) {
  std::size_t end = 0;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  std::size_t first = 0;
  while (first < end && text[first] == '0') ++first;
  value = 0;
  if (first == end) return true;
  // Up to 19 digits never pass 2^64: they are added up without a check.
  if (end - first <= 19) {
    for (std::size_t i = first; i < end; ++i) {
      value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    return true;
  }
  const auto [ptr, ec] = std::from_chars(text.data() + first, text.data() + end, value);
  return ec == std::errc() && ptr == text.data() + end;
}

}  // namespace radixel::engine
