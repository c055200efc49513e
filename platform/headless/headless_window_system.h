// The headless window system: every window and control kept in memory, no
// display. It serves the command-line program and the tests.
//
// Beside the seam it offers what a person does at a window (type into a box,
// click a button, press Enter or Esc, choose a menu item, minimise) and what
// a person sees (texts, check marks, focus, menus, icons, what was drawn).
// A modal loop takes its input from a queue of such actions and ends, as if
// the person walked away, when the queue runs dry.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/cstring.h"
#include "platform/fast_item_access.h"
#include "platform/resources.h"
#include "platform/window_system.h"

namespace radixel::platform {

// It keeps an edit box's text as a CString and a radio group's check marks
// as one word, and offers them to data exchange (FastItemAccess).
class HeadlessWindowSystem final : public WindowSystem, private FastItemAccess {
 public:
  // Screen and dialog-unit geometry of the imagined display.
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;
  static constexpr int kBaseUnitX = 6;   // average character width of the dialog font
  static constexpr int kBaseUnitY = 13;  // height of the dialog font
  static constexpr int kIconSize = 32;
  // The result a modal loop returns when its input runs out.
  static constexpr std::intptr_t kAbandoned = -1;

  struct MenuEntry {
    std::uint32_t flags;
    std::uint32_t id;
    std::string text;
  };
  struct DrawnIcon {
    int x;
    int y;
    IconHandle icon;
  };

  HeadlessWindowSystem();
  ~HeadlessWindowSystem() override;

  // --- WindowSystem ---------------------------------------------------------
  WindowHandle CreateDialogWindow(const DialogTemplate& dialog, WindowHandle owner,
                                  MessageSink& sink) override;
  std::intptr_t RunModalLoop(WindowHandle window) override;
  void EndModalLoop(WindowHandle window, std::intptr_t result) override;
  void DestroyWindow(WindowHandle window) override;
  std::string GetItemText(WindowHandle window, int id) override;
  void SetItemText(WindowHandle window, int id, std::string_view text) override;
  bool IsItemChecked(WindowHandle window, int id) override;
  void CheckItem(WindowHandle window, int id, bool checked) override;
  std::intptr_t SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  std::intptr_t DefaultProcessing(WindowHandle window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) override;
  bool IsIconic(WindowHandle window) override;
  Rect GetClientRect(WindowHandle window) override;
  int GetSystemMetrics(int index) override;
  MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
  bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                      std::string_view text) override;
  int GetMenuItemCount(MenuHandle menu) override;
  std::uint32_t GetMenuItemId(MenuHandle menu, int position) override;
  std::string GetMenuItemText(MenuHandle menu, int position) override;
  IconHandle LoadIconResource(int id) override;
  PaintHandle BeginPaint(WindowHandle window) override;
  void DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) override;
  void EndPaint(WindowHandle window, PaintHandle paint) override;
  FastItemAccess* FastAccess() override { return this; }

  // --- The radio buttons firstId to lastId at once --------------------------
  // The id of the first checked one (0 when none is); and checking
  // `checkedId` while clearing the others (an id outside the range clears
  // them all). No notification.
  int CheckedRadioButton(WindowHandle window, int firstId, int lastId);
  void CheckRadioButton(WindowHandle window, int firstId, int lastId, int checkedId);

  // --- What a person does, at the active (topmost) window -------------------
  // Replaces an edit box's text, as typing does, and notifies the dialog.
  // Typing over a long text lets the bytes typed over go at once: the field
  // data exchange last exchanged the box with, where it still shares the
  // box's text, shares the typed text instead (see the definition).
  void Type(int id, std::string_view text);
  // Clicks a button: a radio button is checked (its group cleared) first.
  void Click(int id);
  // Enter gives the default button's command; Esc the cancel command.
  void PressEnter();
  void PressEscape();
  // Tab moves the focus to the next tab stop in template order, wrapping
  // (an automatic radio button group's tab stop is its checked button);
  // an arrow key on a radio button moves the focus to the group's next or
  // previous radio button and clicks it.
  void PressTab();
  void PressArrow(bool forward);
  // Chooses an item of the menu bar or of the system menu; false when the
  // active window's menu has no such item.
  bool ChooseMenuItem(std::uint32_t command);
  bool ChooseSystemMenuItem(std::uint32_t command);
  // Repaints the window.
  void Paint();
  // The client size a minimised window reports (its icon box).
  void SetIconicClientSize(int width, int height) { iconicSize_ = {0, 0, width, height}; }

  // Queues an action for the next modal loop that waits for input.
  void Queue(std::function<void()> action);
  void ClearQueue() { queue_.clear(); }

  // --- What a person sees ---------------------------------------------------
  // A box's text as the window holds it, valid until the box changes; empty
  // for a window or control that does not exist. ItemString gives it as the
  // CString the window keeps, for a reader that copies a short text's
  // whole buffer at once.
  std::string_view ItemText(WindowHandle window, int id) const;
  const CString& ItemString(WindowHandle window, int id) const;
  WindowHandle ActiveWindow() const;
  bool IsOpen(WindowHandle window) const;
  int TemplateId(WindowHandle window) const;
  std::string Caption(WindowHandle window) const;
  // Whether EndModalLoop ended the window (modal or not), and with which result.
  bool HasEnded(WindowHandle window, std::intptr_t* result) const;
  int FocusId(WindowHandle window) const;
  bool IsEnabled(WindowHandle window) const;
  Rect ScreenRect(WindowHandle window) const;
  IconHandle Icon(WindowHandle window, bool big) const;
  std::vector<MenuEntry> SystemMenu(WindowHandle window) const;
  std::vector<MenuEntry> MenuBar(WindowHandle window) const;
  const std::vector<DrawnIcon>& Drawings(WindowHandle window) const;
  int IconEraseCount(WindowHandle window) const;
  // System commands the default processing carried out, in order.
  const std::vector<std::uint32_t>& DefaultSystemCommands() const { return defaultSysCommands_; }
  // Template ids of the modal loops run so far, with their results.
  struct ModalRun {
    int templateId;
    std::intptr_t result;
  };
  const std::vector<ModalRun>& ModalRuns() const { return modalRuns_; }
  // Icon metrics of a loaded icon handle.
  int IconResourceId(IconHandle icon) const;

 private:
  // FastItemAccess
  EditText* EditTextOf(WindowHandle window, int id) override;
  std::uint64_t* RadioChecks(WindowHandle window, int firstId, int lastId) override;

  struct Window;
  struct Menu;
  struct IconRecord;

  Window* Get(WindowHandle window) const;
  Window& Active() const;
  static bool IsTabStop(const Window& w, std::size_t index);
  // Keeps active_ the last opened window, after a window opens or closes.
  void NoteActiveWindow();
  void SendCommand(Window& w, int id, std::uint32_t code);

  std::vector<std::unique_ptr<Window>> windows_;  // open windows, creation order
  // The active window and its handle (null when none is open): most calls
  // are for it, and are answered without a look at the list.
  Window* active_ = nullptr;
  WindowHandle activeHandle_ = nullptr;
  std::vector<std::unique_ptr<IconRecord>> icons_;
  std::deque<std::function<void()>> queue_;
  std::vector<std::uint32_t> defaultSysCommands_;
  std::vector<ModalRun> modalRuns_;
  Rect iconicSize_{0, 0, 36, 36};
};

}  // namespace radixel::platform
