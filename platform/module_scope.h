// What the class library stands on while a program runs: the window system
// that shows its windows and the resource tables its templates, menus,
// strings and icons come from. The library knows no program's resources of
// its own; a program hands them over, as a module's resources are found
// through the handle a program gives the library.
//
// A ModuleScope installs both for its lifetime and puts back whatever was
// installed before when it ends. Every program, the command-line session
// and the tests install through it.
#pragma once

#include "platform/resources.h"
#include "platform/window_system.h"

namespace radixel::platform {

class ModuleScope {
 public:
  ModuleScope(WindowSystem& windows, const ResourceModule& resources);
  ~ModuleScope();
  ModuleScope(const ModuleScope&) = delete;
  ModuleScope& operator=(const ModuleScope&) = delete;

 private:
  WindowSystem* previousWindows_;
  const ResourceModule* previousResources_;
};

// The resource tables installed now (the window system is
// CurrentWindowSystem()); a program that uses the library before any scope
// installed them is ended with a message.
const ResourceModule& CurrentResources();

}  // namespace radixel::platform
