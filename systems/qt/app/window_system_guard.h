// Keeps Qt from aborting the program when no window system can be started
// (no DISPLAY, a display that cannot be opened, an unknown QT_QPA_PLATFORM).
//
// While a guard lives, Qt's messages are held back. Should Qt give up on
// starting its window system, the program ends with status 1 and one line
// on standard error that says what could not be opened; otherwise the held
// messages are written out when the guard ends.
#pragma once

class WindowSystemGuard {
 public:
  WindowSystemGuard();
  ~WindowSystemGuard();
  WindowSystemGuard(const WindowSystemGuard&) = delete;
  WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
};
