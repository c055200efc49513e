// Sampled legal inputs of up to 8 characters, every mode, checked against
// values computed here independently with std::from_chars and integer
// arithmetic. The samples come from a fixed seed, so a failure repeats.
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "press_case.h"

namespace radixel::testing {
namespace {

constexpr int kSamplesPerMode = 3000;
constexpr std::uint32_t kSeed = 20240611;

std::uint64_t ReadUnsigned(std::string_view digits, int base) {
  std::uint64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  return value;  // no digits read: 0
}

std::string UpperHex(std::uint64_t value) {
  char buffer[20];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
  std::string text(buffer, end);
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'f') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

std::string UpperCased(std::string text) {
  for (char& ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return text;
}

// Eight binary digits of a value from 0 to 255, or the range message.
Boxes InBinary(const std::string& input, std::uint64_t value) {
  if (value > 255) return {UpperCased(input), "00000000", kRange};
  std::string bits(8, '0');
  for (int bit = 0; bit < 8; ++bit) {
    if (value & (1u << bit)) bits[static_cast<std::size_t>(7 - bit)] = '1';
  }
  return {UpperCased(input), bits, ""};
}

// The whole part of a decimal text: the digits before its first point.
std::uint64_t WholePart(const std::string& decimal) {
  return ReadUnsigned(std::string_view(decimal).substr(0, decimal.find('.')), 10);
}

Boxes Expected(int mode, const std::string& input) {
  const std::string upper = UpperCased(input);
  switch (mode) {
    case MODE_HEX_TO_DEC:
      return {upper, std::to_string(ReadUnsigned(upper, 16)) + ".", ""};
    case MODE_HEX_TO_BIN:
      return InBinary(input, ReadUnsigned(upper, 16));
    case MODE_DEC_TO_HEX:
      return {upper, UpperHex(WholePart(input)), ""};
    case MODE_DEC_TO_BIN:
      return InBinary(input, WholePart(input));
    case MODE_BIN_TO_HEX:
      return {upper, UpperHex(ReadUnsigned(input, 2)), ""};
    default:  // MODE_BIN_TO_DEC
      return {upper, std::to_string(ReadUnsigned(input, 2)) + ".", ""};
  }
}

std::string_view LegalCharacters(int mode) {
  switch (mode) {
    case MODE_HEX_TO_DEC:
    case MODE_HEX_TO_BIN:
      return "0123456789abcdefABCDEF";
    case MODE_DEC_TO_HEX:
    case MODE_DEC_TO_BIN:
      return "0123456789.";
    default:
      return "01";
  }
}

class SampledInputTest : public HeadlessWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(SampledInputTest, MatchesIndependentComputation) {
  const int mode = GetParam();
  const std::string_view legal = LegalCharacters(mode);
  std::mt19937 random(kSeed + static_cast<std::uint32_t>(mode));
  std::uniform_int_distribution<std::size_t> length(0, kMaxInputLength);
  std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
  for (int sample = 0; sample < kSamplesPerMode; ++sample) {
    std::string input(length(random), ' ');
    for (char& ch : input) ch = legal[pick(random)];
    ASSERT_EQ(Press(mode, input), Expected(mode, input))
        << "sample " << sample << ", input \"" << input << "\"";
  }
}

std::string SampledModeName(const ::testing::TestParamInfo<int>& info) {
  return ModeName(info.param);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, SampledInputTest,
                         ::testing::Values(MODE_HEX_TO_DEC, MODE_HEX_TO_BIN, MODE_DEC_TO_HEX,
                                           MODE_DEC_TO_BIN, MODE_BIN_TO_HEX, MODE_BIN_TO_DEC),
                         SampledModeName);

}  // namespace
}  // namespace radixel::testing
