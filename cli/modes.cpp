#include "cli/modes.h"

#include <cstdint>
#include <cstring>

#include "res/resource_ids.h"
#include "res/resources.h"

namespace radixel::cli {

namespace {

// A batch names a mode on every line, so a word is matched against one
// candidate only: the mode whose name has the same first and last bytes,
// found in a small table.
constexpr std::size_t kSlots = 32;
constexpr std::size_t Slot(std::string_view word) {
  return (static_cast<unsigned char>(word.front()) +
          static_cast<unsigned char>(word.back()) * 3u) % kSlots;
}

// Each slot's mode plus one; 0 for no mode.
constexpr std::array<std::uint8_t, kSlots> kModeOfSlot = [] {
  std::array<std::uint8_t, kSlots> slots{};
  for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
    slots[Slot(kModeNames[mode])] = static_cast<std::uint8_t>(mode + 1);
  }
  return slots;
}();
static_assert(
    [] {
      for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
        if (kModeOfSlot[Slot(kModeNames[mode])] != mode + 1) return false;
      }
      return true;
    }(),
    "every mode name has a slot of its own");

// The names are compared as two words of four bytes, the first four and
// the last four: every name has the same length, from five to eight.
constexpr std::size_t kNameLength = kModeNames[0].size();
static_assert(
    [] {
      for (const std::string_view name : kModeNames) {
        if (name.size() != kNameLength) return false;
      }
      return kNameLength > 4 && kNameLength <= 8;
    }(),
    "every mode name has the same length, from five to eight bytes");

std::uint32_t Word32(const char* at) {
  std::uint32_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

bool SameName(const char* a, const char* b) {
  return Word32(a) == Word32(b) && Word32(a + kNameLength - 4) == Word32(b + kNameLength - 4);
}

}  // namespace

int ModeOf(std::string_view word) {
  if (word.size() == kNameLength) {
    const int candidate = kModeOfSlot[Slot(word)];
    const std::size_t mode = static_cast<std::size_t>(candidate - 1);
    return candidate != 0 && SameName(word.data(), kModeNames[mode].data())
               ? candidate - 1
               : -1;
  }
  if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + static_cast<int>(kModeNames.size())) {
    return word[0] - '0';
  }
  return -1;
}

std::string_view ModeCaption(int mode) {
  const auto* dialog = res::Module().FindDialog(IDD_CONVERTER_DIALOG);
  const auto* button = dialog ? dialog->FindControl(IDC_HEX_TO_DEC + mode) : nullptr;
  return button ? button->text : "";
}

}  // namespace radixel::cli
