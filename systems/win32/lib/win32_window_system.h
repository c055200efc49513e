// The Win32 window system: the seam carried out by the Windows dialog
// manager itself. Dialogs come from the DIALOG resources linked into the
// program, run through the dialog procedure's rules (a message the program
// leaves alone goes back to the dialog manager as FALSE), and every text
// passes through the ANSI entry points.
//
// This header names no Windows type, so the program's own code (which uses
// the class library's Windows names) can include it; only the
// implementation includes <windows.h>.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/window_system.h"

namespace radixel::platform {

class PressAnnouncement;

class Win32WindowSystem final : public WindowSystem {
 public:
  // `module` is the module holding the resources (the program's own when null).
  explicit Win32WindowSystem(void* module = nullptr);
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

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

  // Whether EndModalLoop ended the window (modal or not), and with which result.
  bool HasEnded(WindowHandle window, std::intptr_t* result) const;
  // The number of the template the window was built from; 0 for a window
  // this window system did not build.
  int TemplateId(WindowHandle window) const;

  // Called by the dialog procedure once OK's command has been handled at a
  // window that stays open: tells a screen reader the new output and
  // message (press_announcement.h).
  void PressFinished(WindowHandle window);
  // Called by the dialog procedure as a window is destroyed.
  void Destroying(WindowHandle window);

  // The program's side of a window and its state; public so that the
  // dialog procedure (a free function) can reach it.
  struct WindowRecord;

 private:
  WindowRecord* Find(WindowHandle window) const;

  void* module_;
  std::map<WindowHandle, std::unique_ptr<WindowRecord>> windows_;
  struct PaintRecord;
  std::vector<std::unique_ptr<PaintRecord>> paints_;
  // Made at the first press: only then are UI Automation and COM loaded.
  std::unique_ptr<PressAnnouncement> announcement_;
};

}  // namespace radixel::platform
