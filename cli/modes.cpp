#include "cli/modes.h"

#include <cstdint>
#include <cstring>

#include "res/resource_ids.h"
#include "res/resources.h"

namespace radixel::cli {

namespace {

// A batch names a mode on every line, so a name is told by one compare: its
// seven bytes and the tab after them make one 8-byte key, and a multiplying
// hash of the key picks the one mode it can be.
constexpr std::size_t kNameLength = kModeNames[0].size();
static_assert(
    [] {
      for (const std::string_view name : kModeNames) {
        if (name.size() != kNameLength) return false;
      }
      return kNameLength + 1 == sizeof(std::uint64_t);
    }(),
    "every mode name is seven bytes: with its tab it fills one 8-byte key");

using Key = std::uint64_t;

// The name's bytes and the tab, in memory order.
constexpr Key KeyOf(std::string_view name) {
  std::array<char, sizeof(Key)> bytes{};
  for (std::size_t i = 0; i < kNameLength; ++i) bytes[i] = name[i];
  bytes[kNameLength] = '\t';
  return __builtin_bit_cast(Key, bytes);
}

constexpr std::array<Key, kModeNames.size()> kModeKeys = [] {
  std::array<Key, kModeNames.size()> keys{};
  for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) keys[mode] = KeyOf(kModeNames[mode]);
  return keys;
}();

constexpr unsigned kSlotBits = 4;
constexpr std::size_t Slot(Key key, Key multiplier) {
  return static_cast<std::size_t>((key * multiplier) >> (64 - kSlotBits));
}

// The first odd multiplier from the golden ratio's that gives every mode a
// slot of its own.
constexpr Key kSlotMultiplier = [] {
  for (Key multiplier = 0x9E3779B97F4A7C15;; multiplier += 2) {
    std::array<bool, std::size_t{1} << kSlotBits> taken{};
    bool distinct = true;
    for (const Key key : kModeKeys) {
      distinct = distinct && !taken[Slot(key, multiplier)];
      taken[Slot(key, multiplier)] = true;
    }
    if (distinct) return multiplier;
  }
}();

// Each slot's key and mode. A slot no mode hashes to holds the first mode's
// key, which hashes elsewhere, so no key that picks the slot equals it.
struct SlotEntry {
  Key key;
  int mode;
};
constexpr std::array<SlotEntry, std::size_t{1} << kSlotBits> kSlots = [] {
  std::array<SlotEntry, std::size_t{1} << kSlotBits> slots{};
  slots.fill({kModeKeys[0], -1});
  for (std::size_t mode = 0; mode < kModeKeys.size(); ++mode) {
    slots[Slot(kModeKeys[mode], kSlotMultiplier)] = {kModeKeys[mode], static_cast<int>(mode)};
  }
  return slots;
}();

int ModeOfKey(Key key) {
  const SlotEntry& slot = kSlots[Slot(key, kSlotMultiplier)];
  return slot.key == key ? slot.mode : -1;
}

}  // namespace

int ModeOf(std::string_view word) {
  if (word.size() == kNameLength) {
    return ModeOfKey(KeyOf(word));
  }
  if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + static_cast<int>(kModeNames.size())) {
    return word[0] - '0';
  }
  return -1;
}

int NamedModeAtStart(std::string_view line) {
  if (line.size() < sizeof(Key)) return -1;
  Key key;
  std::memcpy(&key, line.data(), sizeof key);
  return ModeOfKey(key);
}

std::string_view ModeCaption(int mode) {
  const auto* dialog = res::Module().FindDialog(IDD_CONVERTER_DIALOG);
  const auto* button = dialog ? dialog->FindControl(IDC_HEX_TO_DEC + mode) : nullptr;
  return button ? button->text : "";
}

}  // namespace radixel::cli
