// The browser window system: each dialog a part of the page, built over the
// DOM from its template by systems/web/lib/dom_window_system.js, with real form
// controls laid out in dialog units.
//
// A page cannot block, so a modal loop waits on the page's event queue
// instead: every input the page receives (a click, a key, a menu choice) is
// queued by the DOM side, and the innermost modal loop takes it off the
// queue and hands it to its window's message sink, just as a nested message
// loop of the Windows dialog manager pumps its thread's queue. The wait
// itself suspends the WebAssembly stack (Emscripten's Asyncify) and resumes
// it when the next event comes; only one wait is ever in flight, because a
// nested loop runs from inside a message of the loop that started it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/resources.h"
#include "platform/window_system.h"

namespace radixel::platform::web {

class WebWindowSystem final : public WindowSystem {
 public:
  WebWindowSystem();
  ~WebWindowSystem() override;
  WebWindowSystem(const WebWindowSystem&) = delete;
  WebWindowSystem& operator=(const WebWindowSystem&) = delete;

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

  // --- The page around the dialogs ------------------------------------------
  // Shows `line` with a button labelled `button` in place of the ended
  // dialogs, and waits until a person presses it.
  void WaitForRestart(std::string_view line, std::string_view button);

 private:
  struct MenuEntry {
    std::uint32_t flags;
    std::uint32_t id;  // 0 for a separator
    std::string text;
  };
  struct Window {
    int key = 0;  // the window's name on the DOM side
    const DialogTemplate* tmpl = nullptr;
    MessageSink* sink = nullptr;
    Window* owner = nullptr;
    std::vector<MenuEntry> systemMenu;
    int disabledBy = 0;  // how many modal loops of owned windows hold it disabled
    bool ended = false;
    bool iconic = false;
    std::intptr_t result = 0;
    IconHandle bigIcon = nullptr;
    IconHandle smallIcon = nullptr;
  };
  struct Icon {
    int resourceId;
    int pageIcon;  // the DOM side's number for the image
  };
  struct Event {
    std::int32_t window;
    std::int32_t message;
    std::int32_t wParam;
    std::int32_t lParam;
  };

  Window* Get(WindowHandle window) const;
  Window* FromKey(std::int32_t key) const;
  Window* OfMenu(MenuHandle menu) const;
  const Icon* GetIcon(IconHandle icon) const;
  void ResetSystemMenu(Window& w);
  // Takes the next event off the page's queue, waiting for one.
  Event NextEvent();
  void Dispatch(const Event& event);
  std::intptr_t Send(Window& w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  // After a press of OK that left `w` open: its results go to the page's
  // polite live region, for a screen reader to tell without the focus moving.
  void AnnouncePress(Window& w);

  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Icon>> icons_;
  int lastKey_ = 0;
};

}  // namespace radixel::platform::web
