#include "cli/modes.h"

#include <cstdint>

#include "platform/resources.h"
#include "res/resource_ids.h"

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

}  // namespace

std::optional<int> ParseMode(std::string_view word) {
  if (word.empty()) return std::nullopt;
  if (const int candidate = kModeOfSlot[Slot(word)]; candidate != 0) {
    if (word == kModeNames[static_cast<std::size_t>(candidate - 1)]) return candidate - 1;
  }
  if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + static_cast<int>(kModeNames.size())) {
    return word[0] - '0';
  }
  return std::nullopt;
}

std::string_view ModeCaption(int mode) {
  const auto* dialog = platform::FindDialog(IDD_CONVERTER_DIALOG);
  const auto* button = dialog ? dialog->FindControl(IDC_HEX_TO_DEC + mode) : nullptr;
  return button ? button->text : "";
}

}  // namespace radixel::cli
