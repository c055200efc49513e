#include "platform/module_scope.h"

#include <cstdio>
#include <cstdlib>

namespace radixel::platform {

namespace {
WindowSystem* g_windows = nullptr;
const ResourceModule* g_resources = nullptr;

[[noreturn]] void Missing(const char* what) {
  std::fprintf(stderr, "radixel: no %s installed\n", what);
  std::abort();
}
}  // namespace

ModuleScope::ModuleScope(WindowSystem& windows, const ResourceModule& resources)
    : previousWindows_(g_windows), previousResources_(g_resources) {
  g_windows = &windows;
  g_resources = &resources;
}

ModuleScope::~ModuleScope() {
  g_windows = previousWindows_;
  g_resources = previousResources_;
}

WindowSystem& CurrentWindowSystem() {
  if (g_windows == nullptr) Missing("window system");
  return *g_windows;
}

const ResourceModule& CurrentResources() {
  if (g_resources == nullptr) Missing("resource tables");
  return *g_resources;
}

// The look-ups in the installed tables (platform/resources.h): here, where
// the tables are installed, so that the resource types need nothing above them.
const DialogTemplate* FindDialog(int id) { return CurrentResources().FindDialog(id); }
const MenuTemplate* FindMenu(int id) { return CurrentResources().FindMenu(id); }
const IconResource* FindIcon(int id) { return CurrentResources().FindIcon(id); }
const char* FindString(unsigned id) { return CurrentResources().FindString(id); }

}  // namespace radixel::platform
