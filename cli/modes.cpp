#include "cli/modes.h"

#include "platform/resources.h"
#include "res/resource_ids.h"

namespace radixel::cli {

std::optional<int> ParseMode(std::string_view word) {
  for (int mode = 0; mode < static_cast<int>(kModeNames.size()); ++mode) {
    if (word == kModeNames[static_cast<std::size_t>(mode)]) return mode;
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
