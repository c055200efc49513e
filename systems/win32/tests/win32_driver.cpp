#include "systems/win32/tests/win32_driver.h"

#include "res/resource_ids.h"

// After the project's headers: <windows.h> renames SendMessage, which the
// window-system class declares.
#include <windows.h>

namespace radixel::testing {

namespace {

HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

std::vector<MenuLine> Lines(HMENU menu) {
  std::vector<MenuLine> lines;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    lines.push_back({GetMenuItemID(menu, i), text});
  }
  return lines;
}

bool HasItem(HMENU menu, std::uint32_t command) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (command != 0 && GetMenuItemID(menu, i) == command) return true;
  }
  return false;
}

void PostClick(HWND control) {
  RECT rc{};
  GetClientRect(control, &rc);
  const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
}

// What the box-closing timer works with while a box's modal loop runs.
struct BoxWatch {
  platform::Win32WindowSystem* ws = nullptr;
  HWND main = nullptr;
  BoxSeen seen;
  bool closing = false;
};
BoxWatch* g_watch = nullptr;

BOOL CALLBACK FindBox(HWND hwnd, LPARAM found) {
  if (hwnd != g_watch->main && IsWindowVisible(hwnd) &&
      g_watch->ws->TemplateId(reinterpret_cast<platform::WindowHandle>(hwnd)) != 0) {
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Runs inside the box's modal loop: reads the box and clicks its OK button.
void CALLBACK SeeAndCloseBox(HWND, UINT, UINT_PTR, DWORD) {
  if (g_watch == nullptr || g_watch->closing) return;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) return;
  g_watch->seen.templateId = g_watch->ws->TemplateId(reinterpret_cast<platform::WindowHandle>(box));
  char caption[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  g_watch->seen.caption = caption;
  g_watch->closing = true;
  PostClick(GetDlgItem(box, IDOK));
}

}  // namespace

Win32Driver::Win32Driver() = default;

Win32Driver::~Win32Driver() {
  window_.reset();
  Pump();
}

void Win32Driver::Pump() {
  HWND dialog = ToHwnd(Window());
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog == nullptr || !IsWindow(dialog) || !IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void Win32Driver::Open() {
  window_ = std::make_unique<ConverterWindow>();
  SetForegroundWindow(ToHwnd(Window()));
  Pump();
}

void Win32Driver::Type(int id, std::string_view text) {
  HWND edit = GetDlgItem(ToHwnd(Window()), id);
  SetFocus(edit);
  // Typing replaces the selected text: select all, then type.
  SendMessageA(edit, EM_SETSEL, 0, -1);
  if (text.empty()) SendMessageA(edit, WM_CLEAR, 0, 0);
  for (const char ch : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(ch), 1);
  Pump();
}

void Win32Driver::Click(int id) {
  PostClick(GetDlgItem(ToHwnd(Window()), id));
  Pump();
}

void Win32Driver::PressKey(int id, unsigned virtualKey) {
  HWND control = GetDlgItem(ToHwnd(Window()), id);
  SetFocus(control);
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(control, WM_KEYDOWN, virtualKey, scan | 1);
  PostMessageA(control, WM_KEYUP, virtualKey, scan | 1 | (LPARAM{3} << 30));
  Pump();
}

void Win32Driver::PressEnter() { PressKey(IDC_INPUT, VK_RETURN); }

void Win32Driver::Press(Key key) {
  static constexpr unsigned kKeys[] = {VK_TAB, VK_UP, VK_DOWN, VK_RETURN};
  const HWND focus = GetFocus();
  PressKey(focus && IsChild(ToHwnd(Window()), focus) ? GetDlgCtrlID(focus) : IDC_INPUT,
           kKeys[static_cast<int>(key)]);
}
void Win32Driver::PressEscape() { PressKey(IDC_INPUT, VK_ESCAPE); }

BoxSeen Win32Driver::SeeBox(std::uint32_t message, std::uintptr_t wParam) {
  BoxWatch watch;
  watch.ws = &ws_;
  watch.main = ToHwnd(Window());
  g_watch = &watch;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, SeeAndCloseBox);
  PostMessageA(watch.main, message, wParam, 0);
  Pump();
  KillTimer(nullptr, timer);
  g_watch = nullptr;
  return watch.seen;
}

BoxSeen Win32Driver::ChooseMenuItem(std::uint32_t command) {
  // The menu bar sends its item's command, as a click on it would.
  if (!HasItem(GetMenu(ToHwnd(Window())), command)) return {};
  return SeeBox(WM_COMMAND, MAKEWPARAM(command, 0));
}

BoxSeen Win32Driver::ChooseSystemMenuItem(std::uint32_t command) {
  if (!HasItem(GetSystemMenu(ToHwnd(Window()), FALSE), command)) return {};
  return SeeBox(WM_SYSCOMMAND, command);
}

int Win32Driver::ChangeNotifications(int id) { return window_->ChangeNotifications(id); }

std::string Win32Driver::Text(int id) {
  char text[1024] = {};
  GetDlgItemTextA(ToHwnd(Window()), id, text, sizeof text);
  return text;
}

bool Win32Driver::IsChecked(int id) {
  return IsDlgButtonChecked(ToHwnd(Window()), id) == BST_CHECKED;
}

int Win32Driver::FocusId() {
  HWND focus = GetFocus();
  return (focus != nullptr && IsChild(ToHwnd(Window()), focus)) ? GetDlgCtrlID(focus) : 0;
}

bool Win32Driver::HasEnded(std::intptr_t* result) { return ws_.HasEnded(Window(), result); }

std::vector<MenuLine> Win32Driver::SystemMenu() {
  return Lines(GetSystemMenu(ToHwnd(Window()), FALSE));
}

std::vector<MenuLine> Win32Driver::MenuBar() { return Lines(GetMenu(ToHwnd(Window()))); }

}  // namespace radixel::testing
