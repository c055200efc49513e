// A person at the Radixel window, independent of the window system: the
// same behavioural cases (person_cases.h) run once per window system, each
// with a driver that works that system's real input and reads its real
// controls.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace radixel::testing {

struct MenuLine {
  std::uint32_t id;  // 0 for a separator
  std::string text;
  friend bool operator==(const MenuLine&, const MenuLine&) = default;
};

// What a person saw of a box that a menu item opened (and closed with OK).
struct BoxSeen {
  int templateId = 0;  // 0 when no box opened
  std::string caption;
};

class PersonDriver {
 public:
  virtual ~PersonDriver() = default;

  // Starts the main window as the program does (initialised, shown).
  virtual void Open() = 0;
  // Replaces the text of an edit box as typing does.
  virtual void Type(int id, std::string_view text) = 0;
  // Clicks a button or radio button with the mouse.
  virtual void Click(int id) = 0;
  // Presses Enter or Esc in the window (the focus in the input box).
  virtual void PressEnter() = 0;
  virtual void PressEscape() = 0;
  // Presses a key at the control that has the focus.
  enum class Key { kTab, kUp, kDown, kEnter };
  virtual void Press(Key key) = 0;
  // Chooses an item of the menu bar or the system menu; a box that opens is
  // read and closed with its OK button.
  virtual BoxSeen ChooseMenuItem(std::uint32_t command) = 0;
  virtual BoxSeen ChooseSystemMenuItem(std::uint32_t command) = 0;

  virtual std::string Text(int id) = 0;
  // How many change notifications (EN_CHANGE) box `id` has sent the
  // dialog since it opened.
  virtual int ChangeNotifications(int id) = 0;
  virtual bool IsChecked(int id) = 0;
  virtual int FocusId() = 0;
  // Whether the dialog has ended, and with which result.
  virtual bool HasEnded(std::intptr_t* result) = 0;
  virtual std::vector<MenuLine> SystemMenu() = 0;
  virtual std::vector<MenuLine> MenuBar() = 0;
  // What the window last told a screen reader without moving the focus
  // (after OK: the result, then the message), text by text; nullopt where
  // the driver cannot see it.
  virtual std::optional<std::vector<std::string>> Announced() { return std::nullopt; }
};

}  // namespace radixel::testing
