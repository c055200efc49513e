// The conversion modes as the command line names them: a short name or the
// digit of the radio button, in the order of the window's radio buttons.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace radixel::cli {

inline constexpr std::array<std::string_view, 6> kModeNames = {
    "hex2dec", "hex2bin", "dec2hex", "dec2bin", "bin2hex", "bin2dec"};

// The mode (0 to 5) that `word` names, by name or digit; nothing otherwise.
std::optional<int> ParseMode(std::string_view word);

// The caption of the mode's radio button in the main window, e.g. "Hex to Dec".
std::string_view ModeCaption(int mode);

}  // namespace radixel::cli
