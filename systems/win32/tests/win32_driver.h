// The person-level driver for the Win32 window system: the real
// CConverterDlg on the Windows dialog manager, worked through real window
// messages (keystrokes and mouse clicks posted to the controls and pumped
// through IsDialogMessage) and read back from the controls themselves.
#pragma once

#include <memory>

#include "platform/module_scope.h"
#include "res/resources.h"
#include "systems/win32/lib/win32_window_system.h"
#include "systems/win32/tests/converter_window.h"
#include "tests/person/person_driver.h"

namespace radixel::testing {

class Win32Driver : public PersonDriver {
 public:
  Win32Driver();
  ~Win32Driver() override;

  void Open() override;
  void Type(int id, std::string_view text) override;
  void Click(int id) override;
  void PressEnter() override;
  void PressEscape() override;
  void Press(Key key) override;
  BoxSeen ChooseMenuItem(std::uint32_t command) override;
  BoxSeen ChooseSystemMenuItem(std::uint32_t command) override;
  std::string Text(int id) override;
  int ChangeNotifications(int id) override;
  bool IsChecked(int id) override;
  int FocusId() override;
  bool HasEnded(std::intptr_t* result) override;
  std::vector<MenuLine> SystemMenu() override;
  std::vector<MenuLine> MenuBar() override;

  platform::Win32WindowSystem& ws() { return ws_; }
  platform::WindowHandle Window() const { return window_ ? window_->Handle() : nullptr; }
  // Dispatches every waiting message as the dialog's message loop does.
  void Pump();
  // Presses a key in the control `id` (posted key down and up).
  void PressKey(int id, unsigned virtualKey);

 private:
  // Posts `message` to the main window; a box that opens meanwhile is read
  // and closed with its OK button.
  BoxSeen SeeBox(std::uint32_t message, std::uintptr_t wParam);

  platform::Win32WindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  std::unique_ptr<ConverterWindow> window_;
};

}  // namespace radixel::testing
