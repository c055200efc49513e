// The program's main dialog and application for the Win32 tests, behind a
// header free of the class library's Windows names, so that test files
// which include <windows.h> can start them.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/window_system.h"

namespace radixel::testing {

// The main dialog created modeless on the installed window system, as a
// person sees it right after start.
class ConverterWindow {
 public:
  ConverterWindow();
  ~ConverterWindow();
  ConverterWindow(const ConverterWindow&) = delete;
  ConverterWindow& operator=(const ConverterWindow&) = delete;

  platform::WindowHandle Handle() const;
  // How many EN_CHANGE notifications box `id` has sent the dialog.
  int ChangeNotifications(int id) const;

 private:
  struct Dialog;
  std::unique_ptr<Dialog> dialog_;
};

// Runs the main dialog modally (CDialog::DoModal); returns DoModal's result.
std::intptr_t RunConverterModal();

// Runs the whole application as its entry point does (AfxWinMain with an
// application object); returns AfxWinMain's exit status.
int RunApplication();

}  // namespace radixel::testing
