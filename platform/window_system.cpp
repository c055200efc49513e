#include "platform/window_system.h"

#include <cstdio>
#include <cstdlib>

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

}  // namespace radixel::platform
