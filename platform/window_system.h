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
//
// Every operation here is one each window system implements; none is there
// for speed alone. A window system that keeps its controls' state in the
// program's own types may offer data exchange a quicker way to it, through
// the one optional interface FastItemAccess (platform/fast_item_access.h),
// which a port that does not need it never sees.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace radixel::platform {

struct DialogTemplate;
class FastItemAccess;

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
  // to the first control with a tab stop. `owner` may be null. Returns the
  // window, or null when it could not be built or went during WM_INITDIALOG.
  virtual WindowHandle CreateDialogWindow(const DialogTemplate& dialog, WindowHandle owner,
                                          MessageSink& sink) = 0;
  // Runs a modal loop for `window`, its owner disabled meanwhile, until
  // EndModalLoop; returns the value given there.
  virtual std::intptr_t RunModalLoop(WindowHandle window) = 0;
  // Ends the modal loop of `window` (or, for a modeless one, marks it
  // ended) with `result`; its handle stays valid until DestroyWindow.
  virtual void EndModalLoop(WindowHandle window, std::intptr_t result) = 0;
  // Removes the window and its controls; its handle means nothing afterwards.
  virtual void DestroyWindow(WindowHandle window) = 0;

  // --- Controls, addressed by the dialog and the control's id ---------------
  // None of these sends the program a notification.
  // A control's text (an edit box's contents, a button's caption); empty
  // when there is no such control.
  virtual std::string GetItemText(WindowHandle window, int id) = 0;
  // Replaces a control's text.
  virtual void SetItemText(WindowHandle window, int id, std::string_view text) = 0;
  // Whether a button (a radio button among them) carries its check mark.
  virtual bool IsItemChecked(WindowHandle window, int id) = 0;
  // Sets or clears one button's check mark; the other buttons of its group
  // keep theirs.
  virtual void CheckItem(WindowHandle window, int id, bool checked) = 0;

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
  // Whether the window is minimised.
  virtual bool IsIconic(WindowHandle window) = 0;
  // The client area, from (0, 0): the icon's box while minimised.
  virtual Rect GetClientRect(WindowHandle window) = 0;
  // A system metric (SM_CXSCREEN, SM_CXICON and the like); 0 for one the
  // window system does not know.
  virtual int GetSystemMetrics(int index) = 0;

  // --- Menus ----------------------------------------------------------------
  // The window's system menu, null for a window without one; `revert`
  // puts back the standard items and returns null.
  virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
  // Appends an item (MF_STRING) or a separator (MF_SEPARATOR); false for
  // no menu.
  virtual bool AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                              std::string_view text) = 0;
  // How many items the menu holds; -1 for no menu.
  virtual int GetMenuItemCount(MenuHandle menu) = 0;
  // The item's command id (0 for a separator) and text; 0 and empty for a
  // position outside the menu.
  virtual std::uint32_t GetMenuItemId(MenuHandle menu, int position) = 0;
  virtual std::string GetMenuItemText(MenuHandle menu, int position) = 0;

  // --- Icons and painting ---------------------------------------------------
  // The icon with resource id `id` of the program's module, or null.
  virtual IconHandle LoadIconResource(int id) = 0;
  // Painting the window between BeginPaint and EndPaint: DrawIcon draws an
  // icon at (x, y) of the client area.
  virtual PaintHandle BeginPaint(WindowHandle window) = 0;
  virtual void DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) = 0;
  virtual void EndPaint(WindowHandle window, PaintHandle paint) = 0;

  // --- Optional -------------------------------------------------------------
  // Quicker access to the controls' state for data exchange, where the
  // window system keeps that state in the program's own types; null (the
  // default) where it does not, and data exchange goes through the calls
  // above. Only the headless window system offers it.
  virtual FastItemAccess* FastAccess() { return nullptr; }
};

// The window system the class library uses: installed with the program's
// resources by a ModuleScope (platform/module_scope.h).
WindowSystem& CurrentWindowSystem();

}  // namespace radixel::platform
