// The person-level driver for the page in a headless Chromium. The browser
// is worked by systems/web/tests/page_driver.py, one command and one answer a line;
// a person's input reaches the page as real mouse and key events.
//
// Two ways of finding and reading what is on the page: through the DOM, and
// through Chromium's accessibility tree alone, where controls are known only
// by their roles and names, as assistive technology knows them.
#pragma once

#include <string>
#include <vector>

#include "tests/person/person_driver.h"

namespace radixel::testing {

// The one browser session of the test program, started on first use.
class PageSession {
 public:
  // The browser's answer to `fields` (a command and its arguments): its
  // fields after "ok". A failed command fails the current test.
  static std::vector<std::string> Call(const std::vector<std::string>& fields);
  // Why no browser could start, or empty when one did.
  static std::string Unavailable();
  // Ends the browser and its driver.
  static void End();
};

// The screen the page is opened on: the page driver's "screen" fields.
struct PageScreen {
  const char* width = "800";
  const char* height = "600";
  const char* pointer = "mouse";
  const char* scheme = "light";  // or "dark", or "forced" (forced colours, Chromium only)
};

class WebDriver : public PersonDriver {
 public:
  enum class Finder { kDom, kAccessibility };
  using Screen = PageScreen;
  explicit WebDriver(Finder finder, Screen screen = {}) : finder_(finder), screen_(screen) {}

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
  // The page's polite live region, read through the DOM or the
  // accessibility tree.
  std::optional<std::vector<std::string>> Announced() override;

  // Presses the button the page shows once the dialog has ended.
  void StartAgain();
  // The texts on the page (dialogs, boxes, an open menu) that do not show
  // whole; after `command` opens a box from the menu bar, with the box open.
  std::vector<std::string> ClippedTexts(std::uint32_t command = 0);

 private:
  bool ByDom() const { return finder_ == Finder::kDom; }
  // How the page's control `id` of the main dialog is found.
  std::string Target(int id) const;
  void OpenSystemMenu();
  // Reads the box a command opened and closes it with its OK button.
  BoxSeen SeeBoxAndClose();
  const char* Mode() const { return ByDom() ? "css" : "ax"; }

  Finder finder_;
  Screen screen_;
};

}  // namespace radixel::testing
