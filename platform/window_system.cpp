#include "platform/window_system.h"

#include "platform/cstring.h"

namespace radixel::platform {

void WindowSystem::ReadItemText(WindowHandle window, int id, CString& text) {
  const std::string shown = GetItemText(window, id);
  text = std::string_view(shown);
}

void WindowSystem::WriteItemText(WindowHandle window, int id, const CString& text) {
  SetItemText(window, id, text.view());
}

}  // namespace radixel::platform
