// The Qt 6 Widgets window system: each dialog a top-level window built from
// its template (DialogWindow), modal loops as nested Qt event loops with the
// owner disabled, icons decoded from the program's .ico resource, painting
// through the client area's paint events, the edit boxes' accessible
// interface of its own (line_edit_accessible.h). A QApplication must exist
// before it is built and while it is in use.
#pragma once

#include <memory>
#include <vector>

#include "platform/window_system.h"
#include "systems/qt/lib/focus_retold.h"

namespace radixel::platform::qt {

class DialogWindow;

class QtWindowSystem final : public WindowSystem {
 public:
  QtWindowSystem();
  ~QtWindowSystem() override;
  QtWindowSystem(const QtWindowSystem&) = delete;
  QtWindowSystem& operator=(const QtWindowSystem&) = delete;

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

  // --- What tests look at ---------------------------------------------------
  // The live window behind a handle, or null.
  DialogWindow* Window(WindowHandle window) const;
  // The live windows, oldest first.
  const std::vector<DialogWindow*>& Windows() const { return windows_; }

 private:
  struct IconRecord;
  struct PaintRecord;

  IconRecord* Icon(IconHandle icon) const;
  PaintRecord* Paint(PaintHandle paint) const;
  void EnableOwner(DialogWindow& window);

  std::vector<DialogWindow*> windows_;
  std::vector<std::unique_ptr<IconRecord>> icons_;
  std::vector<std::unique_ptr<PaintRecord>> paints_;
  FocusRetold focusRetold_;
};

}  // namespace radixel::platform::qt
