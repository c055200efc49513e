// The four primitive conversions. Each works on the record's fields only;
// the chained modes hand the first step's decimal text on through
// m_strOutput, and the whole number it is with it (m_nHandedOn).
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <string_view>

#include "engine/conversion_form.h"
#include "platform/words.h"

using radixel::engine::Floor;
using radixel::engine::FormatHex;
using radixel::engine::PlaceValue;
using radixel::engine::PowerOfTwo;
using radixel::engine::ReadLeadingDecimal;
using radixel::engine::ReadDecimalAndWholePart;
using radixel::engine::TruncateToInt;

namespace {

// Each byte's value as a hexadecimal digit, in either case; -1 for any other.
constexpr std::array<signed char, 256> kHexDigitValue = [] {
  std::array<signed char, 256> values{};
  values.fill(-1);
  for (int i = 0; i < 16; ++i) {
    values[static_cast<unsigned char>(kHexLegalSet.text[i])] = static_cast<signed char>(i);
    values[static_cast<unsigned char>("0123456789abcdef"[i])] = static_cast<signed char>(i);
  }
  return values;
}();

// The byte at `pos` of `text` as MakeReverse would leave it. The last byte
// of the reversed text is the last byte of the text's first character.
char ReversedTextByte(const CString& text, int pos) {
  if (pos == text.GetLength() - 1) {
    const bool ascii = static_cast<unsigned char>(text[0]) < 0x80;  // a character of its own
    return text[ascii ? 0 : static_cast<int>(CString::CharacterSize(text.view(), 0)) - 1];
  }
  CString reversed = text;
  reversed.MakeReverse();
  return reversed[pos];
}

namespace words = radixel::words;

// The digit readers below take a text's first byte as the lowest of a
// loaded word, as on every machine the programs are built for.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the digit readers assume little-endian words");

// The bytes of `text`, 1 to 7 of them, in a word, zeros after them.
words::Word ZeroPaddedWord(const char* text, std::size_t n) {
  if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, text, 4);
    std::memcpy(&tail, text + n - 4, 4);  // overlaps the head; shifted into place
    return head | static_cast<words::Word>(tail) << (8 * (n - 4));
  }
  words::Word word = 0;
  for (std::size_t i = 0; i < n; ++i) {
    word |= static_cast<words::Word>(static_cast<unsigned char>(text[i])) << (8 * i);
  }
  return word;
}

// The value of `text`, digits of `kBits` bits each, the first the most
// significant, at most 64 bits in all; eight digits at a time, each word
// of eight turned into their value by `eight`, which takes them in memory
// order and zero bytes as zero digits.
template <int kBits, typename EightDigits>
std::uint64_t DigitsValue(std::string_view text, EightDigits eight) {
  std::uint64_t value = 0;
  int shift = 0;
  std::size_t rest = text.size();
  for (; rest >= 8; rest -= 8, shift += 8 * kBits) {
    value |= eight(words::Load(text.data() + rest - 8)) << shift;
  }
  if (rest > 0) {
    // The first `rest` digits: the front of the text's first eight bytes,
    // or a shorter text padded with zero digits.
    const words::Word head =
        text.size() >= 8 ? words::Load(text.data()) : ZeroPaddedWord(text.data(), rest);
    value |= eight(head) >> (kBits * (8 - static_cast<int>(rest))) << shift;
  }
  return value;
}

// The value of up to 64 binary digits "0" and "1".
std::uint64_t BinaryDigitsValue(std::string_view text) {
  return DigitsValue<1>(text, [](words::Word word) {
    // Each byte's low bit, the first byte's moved to the top of one byte
    // by a multiplication that adds every bit into a place of its own.
    return (__builtin_bswap64(word & words::kOnes) * 0x0102040810204080u) >> 56;
  });
}

// The value of up to 16 hexadecimal digits "0" to "9" and "A" to "F".
std::uint64_t HexDigitsValue(std::string_view text) {
  return DigitsValue<4>(text, [](words::Word word) {
    // A digit's low four bits, plus 9 for a letter (bit 6 set).
    words::Word x = (word & (words::kOnes * 0x0F)) + ((word >> 6) & words::kOnes) * 9;
    x = __builtin_bswap64(x);  // the first digit in the top byte
    x = (x | x >> 4) & 0x00FF00FF00FF00FFu;
    x = (x | x >> 8) & 0x0000FFFF0000FFFFu;
    return (x | x >> 16) & 0xFFFFFFFFu;
  });
}

// m_nValue of a value read from decimal text: its floor, saturated to the
// int range; for a whole number handed on by a chained mode's first step
// (`handedOn`, 0 for none), that number, with no floating step.
int WholePartAsInt(double value, std::uint64_t handedOn) {
  if (handedOn != 0) {
    return handedOn > INT_MAX ? INT_MAX : static_cast<int>(handedOn);
  }
  return TruncateToInt(Floor(value));
}

// Sums of up to this many digits of 4 bits (1 bit) are exact at every
// step in a double, so an integer gives the same sum.
constexpr int kExactHexDigits = 13;
constexpr int kExactBinaryDigits = 53;

}  // namespace

// Hexadecimal text in m_strInput to decimal text in m_strOutput, digit by
// digit from the least significant up. An illegal character counts with the
// value of the digit before it in the reversed text (0 at the start). Each
// place value 16^position is the exact power of two 2^(4 position); a zero
// digit adds nothing at any place, so zeros before a value never make it
// unrepresentable.
//
// The reversed input is read from its front by reading the input from its
// end, so no reversed copy is made; m_strInput ends as it began. Prepare
// has upper-cased the input, and a lower-case digit would count as its
// capital anyway.
//
// Prepare has saved the input, and nothing has changed it since, so the
// saved copy is the input already.
void CConversionForm::HexadecimalToDecimal() {
  m_dBase = 16.0;
  // The scan keeps its working values in locals and leaves the record's
  // fields as the last step left them.
  const std::string_view text = m_strInput.view();
  const int count = std::max(0, std::min(m_nLength, m_strInput.GetLength()));
  double digitValue = m_dDigit;
  double sum = m_dResult;
  bool illegal = false;
  // The digit at reversed position `pos`; an illegal character keeps the one before.
  const auto digitAt = [&](int pos) {
    // Position `pos` of the reversed input is the input's byte that many from its end.
    const auto ch =
        static_cast<unsigned char>(text[text.size() - 1 - static_cast<std::size_t>(pos)]);
    const int digit = kHexDigitValue[ch];
    if (digit < 0) {
      illegal = true;
    } else {
      digitValue = static_cast<double>(digit);
    }
    return digitValue;
  };
  // The last byte scanned: the reversed input's at position count - 1.
  char lastScanned = 0;
  std::uint64_t exact = 0;  // the sum, where it is added up as an integer
  if (count <= kExactHexDigits && static_cast<std::size_t>(count) == text.size() && sum == 0.0 &&
      AllInSet(text, kHexLegalSet)) {
    // Legal digits whose sum no step rounds: added up as an integer. The
    // last one scanned is the input's first, a character of one byte.
    exact = HexDigitsValue(text);
    sum = static_cast<double>(exact);
    if (count > 0) {
      lastScanned = text[0];
      digitValue = kHexDigitValue[static_cast<unsigned char>(lastScanned)];
    }
  } else {
    if (count > 0) lastScanned = ReversedTextByte(m_strInput, count - 1);
    // Place values up to 16^255 are finite: each is the one before times 16.
    const int finite = std::min(count, 1024 / 4);
    double place = 1.0;
    int pos = 0;
    for (; pos < finite; ++pos, place *= 16.0) sum = digitAt(pos) * place + sum;
    for (; pos < count; ++pos) sum = PlaceValue(digitAt(pos), 4, pos) + sum;
  }
  if (illegal) m_bIllegal = 1;
  m_dDigit = digitValue;
  m_dResult = sum;
  m_nPos = count > 0 ? count : 0;
  if (count > 0) {
    m_chCurrent = lastScanned;
    FindInSet(kHexLegalSet, m_chCurrent);
    m_dExponent = static_cast<double>(count - 1);
  }
  if (std::isfinite(m_dResult)) {
    WriteDecimalResult(exact);
  } else {
    m_bOverflow = 1;  // no double holds the sum
  }
}

// Decimal text to capital hexadecimal in m_strOutput; a fraction is cut off.
// In "Bin to Hex" the text is the decimal result of the first step.
//
// The input field ends as it began, and the saved copy equals it on entry
// (Prepare took it, and in "Bin to Hex" Convert has just put it back), so
// the text is read where it stands instead of through the input field.
void CConversionForm::DecimalToHexadecimal() {
  const CString& text = m_nMode == MODE_BIN_TO_HEX ? m_strOutput : m_strInput;
  const std::uint64_t handedOn = CheckDecimalText(text);
  if (m_bIllegal || m_bOverflow) return;
  // The value is read from the whole text, not from the buffer's copy, which
  // holds only the first 19 characters.
  // The whole part is written exactly for every value a 64-bit integer holds.
  std::uint64_t whole = handedOn;
  bool held = true;
  m_dResult = handedOn != 0 ? static_cast<double>(handedOn)
                            : ReadDecimalAndWholePart(text.view(), whole, held);
  m_nValue = WholePartAsInt(m_dResult, handedOn);
  if (!held) {
    m_bOverflow = 1;
    return;
  }
  const std::size_t length = FormatHex(whole, m_szNumber);
  m_strOutput = std::string_view(m_szNumber, length);
  m_strOutput.MakeUpper();
}

// Decimal text to exactly eight binary digits in m_strOutput, for 0 to 255.
// In "Hex to Bin" the text is the decimal result of the first step. Each
// step writes the highest power of two in the value, read from the exponent
// of its floating form, and takes it away.
//
// The input field ends as the saved copy, which it equals on entry (after
// Prepare, or after HexadecimalToDecimal, which leaves it alone), so the
// text is read where it stands instead of through the input field.
void CConversionForm::DecimalToBinary() {
  const CString& text = m_nMode == MODE_HEX_TO_BIN ? m_strOutput : m_strInput;
  const std::uint64_t handedOn = CheckDecimalText(text);
  if (!m_bIllegal && !m_bOverflow) {
    m_dResult = handedOn != 0 ? static_cast<double>(handedOn) : ReadLeadingDecimal(text.view());
    m_nValue = WholePartAsInt(m_dResult, handedOn);
    if (m_nValue > 255 || m_nValue < 0) m_bOutOfRange = 1;
    if (!m_bOutOfRange && m_nValue > 0) {
      // The template "00000000" with a "1" for each power of two in the
      // value, written at once.
      // The value in every byte of a word, each byte kept to its own bit
      // (the first byte to the highest), and each bit that is set made 1.
      static_assert(kBinaryTemplate.size() == sizeof(words::Word));
      const words::Word spread =
          (static_cast<words::Word>(m_nValue) * words::kOnes) & 0x0102040810204080u;
      const words::Word bits = ((spread + words::kOnes * 0x7F) >> 7) & words::kOnes;
      char digits[sizeof(words::Word)];
      words::Store(digits, bits + words::kOnes * '0');
      m_strOutput = std::string_view(digits, sizeof digits);
      // The record as the last step leaves it: the lowest power taken.
      const int bit = std::countr_zero(static_cast<unsigned>(m_nValue));
      m_dExponent = static_cast<double>(bit + 2);
      m_dResult = PowerOfTwo(bit);
      m_nValue = 0;
    } else {
      m_strOutput = kBinaryTemplate;
    }
  }
}

// Binary text in m_strInput to decimal text in m_strOutput, adding 2^position
// for every "1" of the reversed input. Where an illegal character is found
// the output is the reversed input and m_strInput is left reversed; the
// caller restores it. A legal input is read from its end instead, which is
// the reversed input read from its front, so it is never reversed.
void CConversionForm::BinaryToDecimal() {
  m_nPos = 0;
  m_nValue = 0;
  m_dDigit = 0.0;
  const int count = std::max(0, std::min(m_nLength, m_strInput.GetLength()));
  // Whether a character is legal does not depend on where it stands: the
  // first `count` of the reversed input are the last `count` of the input.
  const auto scannedSize = static_cast<std::size_t>(count);
  const std::string_view scanned(m_strInput.view().data() + m_strInput.size() - scannedSize,
                                 scannedSize);
  if (m_bIllegal || !AllInSet(scanned, kBinaryLegalSet)) {
    m_strInput.MakeReverse();
    CopyAndCheck(m_strInput, kBinaryLegalSet);
    m_nPos = 0;
    // The input's characters in reversed order, all of them, each character whole.
    m_strOutput = m_strInput;
    return;
  }
  // The scan keeps its working values in locals and leaves the record's
  // fields as the last step left them.
  const std::string_view text = m_strInput.view();
  double sum = m_dDigit;
  int lastOne = -1;
  std::uint64_t exact = 0;  // the sum, where it is added up as an integer
  // Place values up to 2^1023 are finite: each is the one before times 2.
  const int finite = std::min(count, 1024);
  double place = 1.0;
  const auto oneAt = [&](int pos) {
    const auto ch =
        static_cast<unsigned char>(text[text.size() - 1 - static_cast<std::size_t>(pos)]);
    const bool one = kDigitOneSet.index[ch] >= 0;
    lastOne = one ? pos : lastOne;
    return static_cast<double>(one);
  };
  if (count <= kExactBinaryDigits && sum == 0.0) {
    // A sum no step rounds: added up as an integer.
    exact = BinaryDigitsValue(scanned);
    sum = static_cast<double>(exact);
    lastOne = std::bit_width(exact) - 1;
  } else {
    // Summed as a double: powers from 2^31 up do not fit the int field. A
    // zero adds nothing; the choice is made without a branch, since the
    // digits of a typed number follow no pattern a guess could learn.
    int pos = 0;
    for (; pos < finite; ++pos, place *= 2.0) sum = oneAt(pos) * place + sum;
    for (; pos < count; ++pos) sum = PlaceValue(oneAt(pos), 1, pos) + sum;
  }
  m_dDigit = sum;
  if (lastOne >= 0) m_nValue = TruncateToInt(PlaceValue(1.0, 1, lastOne));
  if (count > 0) {
    m_nPos = count;
    // The reversed input's byte at count - 1: the first of the scanned
    // bytes, all of them legal digits of one byte each.
    m_chCurrent = scanned.front();
    FindInSet(kDigitOneSet, m_chCurrent);
  }
  m_dResult = m_dDigit;
  if (!std::isfinite(m_dResult)) {
    std::memset(m_szNumber, 0, sizeof m_szNumber);
    m_bOverflow = 1;  // no double holds the sum
    return;
  }
  WriteDecimalResult(exact);
}
