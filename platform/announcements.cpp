#include "platform/announcements.h"

#include <limits>

namespace radixel::platform {

namespace {

bool IsTextLabel(const ControlTemplate& c) {
  return c.cls == ControlClass::kStatic && (c.style & style::kSsTypeMask) != style::kSsIcon &&
         !(c.style & style::kSsNoPrefix);
}

// A label's text as it shows: "&&" is one ampersand and a single "&" only
// marks the next letter.
std::string WithoutMnemonics(const char* text) {
  std::string shown;
  for (const char* p = text ? text : ""; *p != '\0'; ++p) {
    if (*p == '&' && p[1] != '\0') ++p;
    shown += *p;
  }
  return shown;
}

}  // namespace

const ControlTemplate* LabelAbove(const DialogTemplate& dialog, const ControlTemplate& box) {
  const ControlTemplate* best = nullptr;
  int bestGap = std::numeric_limits<int>::max();
  for (const ControlTemplate& label : dialog.controls) {
    if (!IsTextLabel(label)) continue;
    const int gap = box.y - (label.y + label.cy);
    const bool overlaps = label.x < box.x + box.cx && box.x < label.x + label.cx;
    if (gap >= 0 && overlaps && gap < bestGap) {
      best = &label;
      bestGap = gap;
    }
  }
  return best;
}

std::vector<std::string> AnnouncementsAfterOk(WindowSystem& ws, WindowHandle window,
                                              const DialogTemplate& dialog) {
  std::vector<std::string> texts;
  for (const ControlTemplate& c : dialog.controls) {
    if (c.cls != ControlClass::kEdit || c.announced == Announced::kNo) continue;
    const std::string text = ws.GetItemText(window, c.id);
    if (c.announced == Announced::kMessage) {
      if (!text.empty()) texts.push_back(text);
      continue;
    }
    const ControlTemplate* label = LabelAbove(dialog, c);
    std::string said = label ? WithoutMnemonics(label->text) : std::string();
    if (!said.empty() && !text.empty()) said += ' ';
    said += text;
    if (!said.empty()) texts.push_back(said);
  }
  return texts;
}

}  // namespace radixel::platform
