// The person-level driver for the Qt window system: the real CConverterDlg
// on real widgets, worked with real key and mouse events (QTest) and read
// from the widgets themselves. Boxes that a menu item opens are read and
// closed with a mouse click on their OK button while their modal loop runs.
#pragma once

#include <functional>
#include <memory>

#include "platform/module_scope.h"
#include "res/resources.h"
#include "systems/qt/lib/dialog_window.h"
#include "systems/qt/lib/qt_window_system.h"
#include "tests/person/noted_converter_dlg.h"
#include "tests/person/person_driver.h"

namespace radixel::testing {

class QtDriver : public PersonDriver {
 public:
  QtDriver();
  ~QtDriver() override;

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

  platform::qt::QtWindowSystem& ws() { return ws_; }
  platform::qt::DialogWindow& window() const;
  CConverterDlg& dialog() { return *dialog_; }
  QWidget* Control(int id) const;

  // Pops the system menu up as a person does; null when nothing popped up.
  QMenu* OpenSystemMenu();
  // Picks `item` of the popped-up `menu` as a person does: the pointer
  // comes onto the item, which the menu then highlights, and clicks there.
  static void ClickMenuItem(QMenu* menu, QAction* item);
  // Runs `open`; when a box opens meanwhile, calls `whileOpen` with it (by
  // default: clicks its OK button) and notes what it was.
  BoxSeen SeeBox(const std::function<void()>& open,
                 const std::function<void(platform::qt::DialogWindow&)>& whileOpen = {});

 private:
  platform::qt::QtWindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  std::unique_ptr<NotedConverterDlg> dialog_;
};

}  // namespace radixel::testing
