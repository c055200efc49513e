#include "systems/win32/lib/win32_window_system.h"

#include <windows.h>
// <windows.h> maps SendMessage to SendMessageA; here it names the seam's operation.
#undef SendMessage

#include <algorithm>
#include <string>

#include "platform/resources.h"
#include "systems/win32/lib/label_fit.h"
#include "systems/win32/lib/press_announcement.h"

namespace radixel::platform {

namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }
HMENU ToHmenu(MenuHandle menu) { return reinterpret_cast<HMENU>(menu); }

// Messages whose dialog-procedure result is the message's own result; for
// every other message the result travels in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

}  // namespace

struct Win32WindowSystem::WindowRecord {
  Win32WindowSystem* system = nullptr;
  int templateId = 0;
  MessageSink* sink = nullptr;
  HWND hwnd = nullptr;
  bool ended = false;
  std::intptr_t result = 0;
  // The messages being handed to the sink, innermost last; `defaulted` is
  // set when the sink asks for default processing of that message.
  struct Dispatch {
    UINT message;
    bool defaulted;
  };
  std::vector<Dispatch> dispatching;
  // The control whose text the program is setting (0 when none): the edit
  // control's EN_CHANGE for that write is not passed on, as the seam asks.
  int writingId = 0;
};

struct Win32WindowSystem::PaintRecord {
  HWND hwnd;
  PAINTSTRUCT ps;
};

namespace {

// The dialog procedure of every dialog: hands each message to the program's
// side of the window. A message the program leaves to default processing
// returns FALSE, so the dialog manager carries it out.
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  using Record = Win32WindowSystem::WindowRecord;
  auto* record = reinterpret_cast<Record*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (message == WM_INITDIALOG) {
    record = reinterpret_cast<Record*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    record->hwnd = hwnd;
    FitLabelsToTheirText(hwnd);
    record->sink->OnAttach(ToHandle(hwnd));
  }
  if (record == nullptr || record->sink == nullptr) return FALSE;
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && record->writingId != 0 &&
      LOWORD(wParam) == record->writingId) {
    return TRUE;
  }
  if (message == WM_DESTROY) record->system->Destroying(ToHandle(hwnd));
  if (message == WM_NCDESTROY) {
    // The window is going; the program hears nothing more from it.
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    record->hwnd = nullptr;
    return FALSE;
  }

  record->dispatching.push_back({message, false});
  const std::intptr_t result = record->sink->OnMessage(message, wParam, lParam);
  const bool defaulted = record->dispatching.back().defaulted;
  record->dispatching.pop_back();
  // OK at a window that stays open has converted and shown the result
  // (a click, or Enter through the dialog manager; both send BN_CLICKED).
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED &&
      record->hwnd != nullptr && !record->ended) {
    record->system->PressFinished(ToHandle(hwnd));
  }

  if (defaulted) return FALSE;
  if (ReturnsResultDirectly(message)) return result;
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(void* module)
    : module_(module ? module : GetModuleHandleA(nullptr)) {}

Win32WindowSystem::~Win32WindowSystem() {
  for (const auto& [handle, record] : windows_) {
    if (record->hwnd) ::DestroyWindow(record->hwnd);
  }
}

Win32WindowSystem::WindowRecord* Win32WindowSystem::Find(WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

// --- Dialog windows ----------------------------------------------------------

WindowHandle Win32WindowSystem::CreateDialogWindow(const DialogTemplate& dialog,
                                                   WindowHandle owner, MessageSink& sink) {
  auto record = std::make_unique<WindowRecord>();
  record->system = this;
  record->templateId = dialog.id;
  record->sink = &sink;
  // The dialog manager builds the window from the DIALOG resource of the
  // same number; WM_INITDIALOG reaches the sink before this returns.
  HWND hwnd = CreateDialogParamA(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEA(dialog.id),
                                 ToHwnd(owner), DialogProc, reinterpret_cast<LPARAM>(record.get()));
  if (hwnd == nullptr) return nullptr;
  const WindowHandle handle = ToHandle(hwnd);
  windows_[handle] = std::move(record);
  return handle;
}

std::intptr_t Win32WindowSystem::RunModalLoop(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr || record->hwnd == nullptr) return -1;
  HWND hwnd = record->hwnd;

  // The owner waits while the dialog runs, as under DialogBox.
  HWND owner = GetWindow(hwnd, GW_OWNER);
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd, SW_SHOW);

  MSG msg;
  while ((record = Find(window)) != nullptr && record->hwnd != nullptr && !record->ended) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT ends the loop; the outer loop sees it again.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!IsDialogMessageA(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  // Enable the owner before the dialog hides, so that it becomes active again.
  if (disableOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (IsWindow(hwnd)) ShowWindow(hwnd, SW_HIDE);
  record = Find(window);
  return (record != nullptr && record->ended) ? record->result : -1;
}

void Win32WindowSystem::EndModalLoop(WindowHandle window, std::intptr_t result) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  record->ended = true;
  record->result = result;
  // Wake the modal loop, which may be waiting for a message.
  if (record->hwnd) PostMessageA(record->hwnd, WM_NULL, 0, 0);
}

void Win32WindowSystem::DestroyWindow(WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  if (it->second->hwnd) ::DestroyWindow(it->second->hwnd);
  // A record still handing a message to its sink is freed with the window
  // system; the window itself is gone either way.
  if (it->second->dispatching.empty()) windows_.erase(it);
}

bool Win32WindowSystem::HasEnded(WindowHandle window, std::intptr_t* result) const {
  const WindowRecord* record = Find(window);
  if (record == nullptr || !record->ended) return false;
  if (result) *result = record->result;
  return true;
}

int Win32WindowSystem::TemplateId(WindowHandle window) const {
  const WindowRecord* record = Find(window);
  return record ? record->templateId : 0;
}

void Win32WindowSystem::PressFinished(WindowHandle window) {
  if (!announcement_) {
    announcement_ = std::make_unique<PressAnnouncement>(UiaNotifications::FromSystem());
  }
  announcement_->Announce(ToHwnd(window));
}

void Win32WindowSystem::Destroying(WindowHandle window) {
  if (announcement_) announcement_->Forget(ToHwnd(window));
}

// --- Controls ----------------------------------------------------------------

std::string Win32WindowSystem::GetItemText(WindowHandle window, int id) {
  HWND item = GetDlgItem(ToHwnd(window), id);
  if (item == nullptr) return {};
  const int length = GetWindowTextLengthA(item);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const UINT copied = GetDlgItemTextA(ToHwnd(window), id, text.data(), length + 1);
  text.resize(copied);
  return text;
}

void Win32WindowSystem::SetItemText(WindowHandle window, int id, std::string_view text) {
  // The controls hold NUL-terminated text: it ends at the first NUL.
  const std::string terminated(text);
  // A text the control already shows is not set again, as the class
  // library's data exchange does: the edit control's layout of a long text
  // of digits costs time that grows with the square of its length.
  HWND item = GetDlgItem(ToHwnd(window), id);
  const std::string_view shown(terminated.c_str());
  if (item != nullptr && static_cast<std::size_t>(GetWindowTextLengthA(item)) == shown.size() &&
      GetItemText(window, id) == shown) {
    return;
  }
  // The record from the window itself: while WM_INITDIALOG runs, the
  // window is not yet among windows_.
  auto* record = reinterpret_cast<WindowRecord*>(GetWindowLongPtrA(ToHwnd(window), DWLP_USER));
  if (record) record->writingId = id;
  SetDlgItemTextA(ToHwnd(window), id, terminated.c_str());
  if (record) record->writingId = 0;
}

bool Win32WindowSystem::IsItemChecked(WindowHandle window, int id) {
  return IsDlgButtonChecked(ToHwnd(window), id) == BST_CHECKED;
}

void Win32WindowSystem::CheckItem(WindowHandle window, int id, bool checked) {
  CheckDlgButton(ToHwnd(window), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// --- Messages ----------------------------------------------------------------

std::intptr_t Win32WindowSystem::SendMessage(WindowHandle window, std::uint32_t message,
                                             std::uintptr_t wParam, std::intptr_t lParam) {
  return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

std::intptr_t Win32WindowSystem::DefaultProcessing(WindowHandle window, std::uint32_t message,
                                                   std::uintptr_t wParam, std::intptr_t lParam) {
  WindowRecord* record = Find(window);
  if (record == nullptr) {
    // Still inside CreateDialogParam (WM_INITDIALOG and before): look the
    // window's record up through the window itself.
    record = reinterpret_cast<WindowRecord*>(GetWindowLongPtrA(ToHwnd(window), DWLP_USER));
  }
  if (record != nullptr && !record->dispatching.empty() &&
      record->dispatching.back().message == message) {
    // The dialog procedure answers FALSE and the dialog manager does the rest.
    record->dispatching.back().defaulted = true;
    return 0;
  }
  // Outside the dialog procedure: the plain window default.
  return DefWindowProcA(ToHwnd(window), message, wParam, lParam);
}

// --- Window state ------------------------------------------------------------

bool Win32WindowSystem::IsIconic(WindowHandle window) { return ::IsIconic(ToHwnd(window)) != 0; }

Rect Win32WindowSystem::GetClientRect(WindowHandle window) {
  RECT rc{};
  ::GetClientRect(ToHwnd(window), &rc);
  return {rc.left, rc.top, rc.right, rc.bottom};
}

int Win32WindowSystem::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

// --- Menus -------------------------------------------------------------------

MenuHandle Win32WindowSystem::GetSystemMenu(WindowHandle window, bool revert) {
  return reinterpret_cast<MenuHandle>(::GetSystemMenu(ToHwnd(window), revert ? TRUE : FALSE));
}

bool Win32WindowSystem::AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                                       std::string_view text) {
  if (flags & MF_SEPARATOR) return AppendMenuA(ToHmenu(menu), flags, id, nullptr) != 0;
  const std::string terminated(text);
  return AppendMenuA(ToHmenu(menu), flags, id, terminated.c_str()) != 0;
}

int Win32WindowSystem::GetMenuItemCount(MenuHandle menu) {
  return ::GetMenuItemCount(ToHmenu(menu));
}

std::uint32_t Win32WindowSystem::GetMenuItemId(MenuHandle menu, int position) {
  return ::GetMenuItemID(ToHmenu(menu), position);
}

std::string Win32WindowSystem::GetMenuItemText(MenuHandle menu, int position) {
  HMENU hmenu = ToHmenu(menu);
  const int length = GetMenuStringA(hmenu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied =
      GetMenuStringA(hmenu, static_cast<UINT>(position), text.data(), length + 1, MF_BYPOSITION);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

// --- Icons and painting ------------------------------------------------------

IconHandle Win32WindowSystem::LoadIconResource(int id) {
  return reinterpret_cast<IconHandle>(LoadIconA(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEA(id)));
}

PaintHandle Win32WindowSystem::BeginPaint(WindowHandle window) {
  auto paint = std::make_unique<PaintRecord>();
  paint->hwnd = ToHwnd(window);
  HDC dc = ::BeginPaint(paint->hwnd, &paint->ps);
  if (dc == nullptr) return nullptr;
  paints_.push_back(std::move(paint));
  return reinterpret_cast<PaintHandle>(dc);
}

void Win32WindowSystem::DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) {
  ::DrawIcon(reinterpret_cast<HDC>(paint), x, y,
             reinterpret_cast<HICON>(const_cast<IconObject*>(icon)));
}

void Win32WindowSystem::EndPaint(WindowHandle window, PaintHandle paint) {
  const auto it = std::find_if(paints_.begin(), paints_.end(), [&](const auto& p) {
    return p->hwnd == ToHwnd(window) && reinterpret_cast<PaintHandle>(p->ps.hdc) == paint;
  });
  if (it == paints_.end()) return;
  ::EndPaint((*it)->hwnd, &(*it)->ps);
  paints_.erase(it);
}

}  // namespace radixel::platform
