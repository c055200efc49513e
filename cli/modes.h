// The conversion modes as the command line names them: a short name or the
// digit of the radio button, in the order of the window's radio buttons.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/conversion_form.h"

namespace radixel::cli {

// The modes' command-line words, from the engine's table of modes.
inline constexpr std::array<std::string_view, kModes.size()> kModeNames = [] {
  std::array<std::string_view, kModes.size()> words{};
  for (std::size_t i = 0; i < kModes.size(); ++i) words[i] = kModes[i].word;
  return words;
}();

// The mode (0 to 5) that `word` names, by name or digit; -1 otherwise.
int ModeOf(std::string_view word);

// The mode whose name `line` starts with, a tab following it; -1 when it
// starts otherwise (it may still name a mode by digit, or be malformed).
int NamedModeAtStart(std::string_view line);

// ModeOf as an optional: nothing where `word` names no mode. (Inline, so that
// the answer stays in a register.)
inline std::optional<int> ParseMode(std::string_view word) {
  const int mode = ModeOf(word);
  if (mode < 0) return std::nullopt;
  return mode;
}

// The caption of the mode's radio button in the main window, e.g. "Hex to Dec".
std::string_view ModeCaption(int mode);

}  // namespace radixel::cli
