// The person-level driver for the headless window system: the real
// CConverterDlg, created modeless, driven through the headless input.
#pragma once

#include <functional>
#include <memory>

#include "platform/headless/headless_window_system.h"
#include "platform/module_scope.h"
#include "res/resources.h"
#include "tests/person/noted_converter_dlg.h"
#include "tests/person/person_driver.h"

namespace radixel::testing {

class HeadlessDriver : public PersonDriver {
 public:
  HeadlessDriver();
  ~HeadlessDriver() override;

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

  platform::HeadlessWindowSystem& ws() { return ws_; }
  CConverterDlg& dialog() { return *dialog_; }

 private:
  // Runs `open`; if a box opens, notes it and presses its OK button.
  BoxSeen SeeBox(const std::function<void()>& open);

  platform::HeadlessWindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  std::unique_ptr<NotedConverterDlg> dialog_;
};

}  // namespace radixel::testing
