#include "platform/window_system.h"

#include <cstdio>
#include <cstdlib>

#include "platform/cstring.h"

namespace radixel::platform {

namespace {
WindowSystem* g_system = nullptr;
}

WindowSystem& CurrentWindowSystem() {
  if (g_system == nullptr) {
    std::fputs("radixel: no window system installed\n", stderr);
    std::abort();
  }
  return *g_system;
}

void InstallWindowSystem(WindowSystem* system) { g_system = system; }

void WindowSystem::ReadItemText(WindowHandle window, int id, CString& text) {
  const std::string shown = GetItemText(window, id);
  text = std::string_view(shown);
}

void WindowSystem::WriteItemText(WindowHandle window, int id, const CString& text) {
  SetItemText(window, id, text.view());
}

}  // namespace radixel::platform
