#include "cli/modes.h"

#include <cstdint>
#include <cstring>

#include "res/resource_ids.h"
#include "res/resources.h"

namespace radixel::cli {

namespace {

// A batch names a mode on every line, so a name is told by one compare when
// every name has the same length and fits with its tab in one 8-byte key:
// the line's first bytes make the key, and a multiplying hash of the key
// picks the one mode it can be. Names of other lengths are looked up one by
// one; they work the same, a little slower.
using Key = std::uint64_t;
constexpr std::size_t kNameLength = kModeNames[0].size();
constexpr bool kOneKeyPerName = [] {
  for (const std::string_view name : kModeNames) {
    if (name.size() != kNameLength) return false;
  }
  return kNameLength + 1 <= sizeof(Key);
}();
// The key's bytes that the name and its tab fill, in memory order.
constexpr std::size_t kKeyBytes = kOneKeyPerName ? kNameLength + 1 : sizeof(Key);
constexpr Key kKeyMask = [] {
  std::array<unsigned char, sizeof(Key)> bytes{};
  for (std::size_t i = 0; i < kKeyBytes; ++i) bytes[i] = 0xFF;
  return __builtin_bit_cast(Key, bytes);
}();

// The name's bytes and the tab, in memory order.
constexpr Key KeyOf(std::string_view name) {
  std::array<char, sizeof(Key)> bytes{};
  for (std::size_t i = 0; i < name.size() && i < sizeof(Key); ++i) bytes[i] = name[i];
  if (name.size() < sizeof(Key)) bytes[name.size()] = '\t';
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
  if (!kOneKeyPerName) return Key{0};  // no slots are looked up
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
  if constexpr (kOneKeyPerName) {
    if (word.size() == kNameLength) return ModeOfKey(KeyOf(word));
  } else {
    for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
      if (word == kModeNames[mode]) return static_cast<int>(mode);
    }
  }
  if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + static_cast<int>(kModeNames.size())) {
    return word[0] - '0';
  }
  return -1;
}

int NamedModeAtStart(std::string_view line) {
  if constexpr (kOneKeyPerName) {
    if (line.size() < sizeof(Key)) {
      if (line.size() < kKeyBytes) return -1;
      Key key = 0;
      std::memcpy(&key, line.data(), line.size());
      return ModeOfKey(key & kKeyMask);
    }
    Key key;
    std::memcpy(&key, line.data(), sizeof key);
    return ModeOfKey(key & kKeyMask);
  } else {
    for (std::size_t mode = 0; mode < kModeNames.size(); ++mode) {
      const std::string_view name = kModeNames[mode];
      if (line.size() > name.size() && line[name.size()] == '\t' && line.starts_with(name)) {
        return static_cast<int>(mode);
      }
    }
    return -1;
  }
}

std::string_view ModeCaption(int mode) {
  const auto* dialog = res::Module().FindDialog(IDD_CONVERTER_DIALOG);
  const auto* button = dialog ? dialog->FindControl(IDC_HEX_TO_DEC + mode) : nullptr;
  return button ? button->text : "";
}

}  // namespace radixel::cli
