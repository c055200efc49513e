// The window-system seam: the few operations the class library needs from a
// window system, and nothing more. The class library (CWnd, CDialog, CMenu,
// CPaintDC, CWinApp) is written once against this interface; the headless
// window system (platform/headless) and each one under systems/ (Qt, Win32,
// the browser) implement it.
//
// The interface is neutral: it names no toolkit type, so an implementation
// can include its toolkit's headers beside this one without clashes. Message
// numbers and style bits carry the values the Windows dialog manager uses.
//
// A contract every implementation keeps, so that a handler behaves the same
// on each (the person-level cases check it on every one): a control's
// notification (BN_CLICKED, EN_CHANGE) reaches the program when a person, or
// another program through the window system, changes the control, and never
// when the program itself sets a text or a check mark through this
// interface. UpdateData(FALSE) sends no EN_CHANGE.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CString;

namespace radixel::platform {

struct DialogTemplate;

// Opaque handles; each window system gives them its own meaning.
struct WindowObject;
struct MenuObject;
struct IconObject;
struct PaintObject;
using WindowHandle = WindowObject*;
using MenuHandle = MenuObject*;
using IconHandle = const IconObject*;
using PaintHandle = PaintObject*;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The program's side of one window: the window system delivers that
// window's messages here. CWnd implements it.
class MessageSink {
 public:
  // Called once the window exists, before any message reaches it.
  virtual void OnAttach(WindowHandle window) = 0;
  virtual std::intptr_t OnMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) = 0;

 protected:
  ~MessageSink() = default;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // --- Dialog windows -------------------------------------------------------
  // Builds a dialog and its controls from `dialog`, attaches it to `sink`,
  // sends WM_INITDIALOG and, when the sink returns nonzero, gives the focus
  // to the first control with a tab stop. `owner` may be null.
  virtual WindowHandle CreateDialogWindow(const DialogTemplate& dialog, WindowHandle owner,
                                          MessageSink& sink) = 0;
  // Runs a modal loop for `window`, its owner disabled meanwhile, until
  // EndModalLoop; returns the value given there.
  virtual std::intptr_t RunModalLoop(WindowHandle window) = 0;
  virtual void EndModalLoop(WindowHandle window, std::intptr_t result) = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;

  // --- Controls, addressed by the dialog and the control's id ---------------
  // Setting a text or a check mark sends the program no notification.
  virtual std::string GetItemText(WindowHandle window, int id) = 0;
  virtual void SetItemText(WindowHandle window, int id, std::string_view text) = 0;
  // A box's text into a field, and a field's text into a box: a window
  // system that keeps its texts as CString overrides them to share a long
  // text's bytes with the field rather than copy them.
  virtual void ReadItemText(WindowHandle window, int id, CString& text);
  virtual void WriteItemText(WindowHandle window, int id, const CString& text);
  // The text an edit box keeps, where the window system keeps it as a
  // CString that the program may read and set in place (no notification,
  // as with SetItemText), valid while the window lives; null elsewhere.
  // Data exchange finds it once and then reads and sets it directly.
  virtual CString* ItemTextHolder(WindowHandle, int) { return nullptr; }
  // The check marks of the radio buttons firstId to lastId, one bit for each
  // from the lowest, where the window system keeps them as one word that the
  // program may read and set in place (no notification, as with
  // CheckRadioButton), valid while the window lives; null elsewhere. Data
  // exchange finds it once and then reads and sets the group directly.
  virtual std::uint64_t* RadioChecksHolder(WindowHandle, int, int) { return nullptr; }
  virtual bool IsItemChecked(WindowHandle window, int id) = 0;
  virtual void CheckItem(WindowHandle window, int id, bool checked) = 0;
  // Of the radio buttons firstId to lastId: the id of the first checked one
  // (0 when none is); and checking `checkedId` while clearing the others
  // (an id outside the range clears them all).
  virtual int CheckedRadioButton(WindowHandle window, int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) {
      if (IsItemChecked(window, id)) return id;
    }
    return 0;
  }
  virtual void CheckRadioButton(WindowHandle window, int firstId, int lastId, int checkedId) {
    for (int id = firstId; id <= lastId; ++id) CheckItem(window, id, id == checkedId);
  }

  // --- Messages -------------------------------------------------------------
  // Sends a message to the window: the window system acts on the messages it
  // owns (WM_SETICON, WM_ICONERASEBKGND) and passes the rest to the sink.
  virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // The usual effect of a message the program leaves alone (a system
  // command's move, minimise or close, for one).
  virtual std::intptr_t DefaultProcessing(WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // --- Window state ---------------------------------------------------------
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual Rect GetClientRect(WindowHandle window) = 0;
  virtual int GetSystemMetrics(int index) = 0;

  // --- Menus ----------------------------------------------------------------
  virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
  virtual bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                              std::string_view text) = 0;
  virtual int GetMenuItemCount(MenuHandle menu) = 0;
  // The item's command id (0 for a separator) and text.
  virtual std::uint32_t GetMenuItemId(MenuHandle menu, int position) = 0;
  virtual std::string GetMenuItemText(MenuHandle menu, int position) = 0;

  // --- Icons and painting ---------------------------------------------------
  // The icon with resource id `id` of the program's module, or null.
  virtual IconHandle LoadIconResource(int id) = 0;
  virtual PaintHandle BeginPaint(WindowHandle window) = 0;
  virtual void DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) = 0;
  virtual void EndPaint(WindowHandle window, PaintHandle paint) = 0;
};

// The window system the class library uses: installed with the program's
// resources by a ModuleScope (platform/module_scope.h).
WindowSystem& CurrentWindowSystem();

}  // namespace radixel::platform
