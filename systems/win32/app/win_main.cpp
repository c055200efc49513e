// The entry point of the Windows program: installs the Win32 window system
// and hands control to the application object, as the class library's
// start-up does.
#include <windows.h>

#include <commctrl.h>

#include "platform/module_scope.h"
#include "res/resources.h"
#include "systems/win32/lib/win32_window_system.h"

// Declared in platform/win_app.h, whose Windows names would clash with
// <windows.h> in this file.
int AfxWinMain();

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The manifest asks for the version 6 common controls, whose buttons,
  // boxes and radio buttons the dialog then uses; this loads them.
  InitCommonControls();
  radixel::platform::Win32WindowSystem windowSystem(instance);
  const radixel::platform::ModuleScope module(windowSystem, radixel::res::Module());
  return AfxWinMain();
}
