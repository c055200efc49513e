// The Windows types, messages and constants the program is written with,
// defined over the window-system seam. Program code (engine/, ui/) includes
// this through afxwin.h; window-system implementations never do, so they
// can include their own toolkit's headers without clashes.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/window_system.h"

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using UINT = unsigned int;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPCTSTR = const char*;

using HWND = radixel::platform::WindowHandle;
using HMENU = radixel::platform::MenuHandle;
using HICON = radixel::platform::IconHandle;
using HCURSOR = HICON;
using HDC = radixel::platform::PaintHandle;
using HINSTANCE = const struct ResourceModuleTag*;

struct CRect : radixel::platform::Rect {
  CRect() = default;
  CRect(const radixel::platform::Rect& r) : Rect(r) {}  // NOLINT
};
using LPRECT = CRect*;

inline constexpr UINT LOWORD(WPARAM w) { return static_cast<UINT>(w & 0xFFFFu); }
inline constexpr UINT HIWORD(WPARAM w) { return static_cast<UINT>((w >> 16) & 0xFFFFu); }
inline constexpr WPARAM MAKEWPARAM(UINT low, UINT high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}

// Messages.
inline constexpr UINT WM_PAINT = radixel::platform::msg::kPaint;
inline constexpr UINT WM_CLOSE = radixel::platform::msg::kClose;
inline constexpr UINT WM_ERASEBKGND = radixel::platform::msg::kEraseBkgnd;
inline constexpr UINT WM_ICONERASEBKGND = radixel::platform::msg::kIconEraseBkgnd;
inline constexpr UINT WM_QUERYDRAGICON = radixel::platform::msg::kQueryDragIcon;
inline constexpr UINT WM_SETICON = radixel::platform::msg::kSetIcon;
inline constexpr UINT WM_INITDIALOG = radixel::platform::msg::kInitDialog;
inline constexpr UINT WM_COMMAND = radixel::platform::msg::kCommand;
inline constexpr UINT WM_SYSCOMMAND = radixel::platform::msg::kSysCommand;

// Notification codes of WM_COMMAND.
inline constexpr UINT BN_CLICKED = radixel::platform::msg::kBnClicked;
inline constexpr UINT EN_CHANGE = radixel::platform::msg::kEnChange;

// System commands.
inline constexpr UINT SC_SIZE = radixel::platform::msg::kScSize;
inline constexpr UINT SC_MOVE = radixel::platform::msg::kScMove;
inline constexpr UINT SC_MINIMIZE = radixel::platform::msg::kScMinimize;
inline constexpr UINT SC_MAXIMIZE = radixel::platform::msg::kScMaximize;
inline constexpr UINT SC_CLOSE = radixel::platform::msg::kScClose;
inline constexpr UINT SC_RESTORE = radixel::platform::msg::kScRestore;

// Menu item flags.
inline constexpr UINT MF_STRING = radixel::platform::msg::kMfString;
inline constexpr UINT MF_BYPOSITION = radixel::platform::msg::kMfByPosition;
inline constexpr UINT MF_SEPARATOR = radixel::platform::msg::kMfSeparator;

// System metrics.
inline constexpr int SM_CXSCREEN = radixel::platform::msg::kSmCxScreen;
inline constexpr int SM_CYSCREEN = radixel::platform::msg::kSmCyScreen;
inline constexpr int SM_CXICON = radixel::platform::msg::kSmCxIcon;
inline constexpr int SM_CYICON = radixel::platform::msg::kSmCyIcon;

// WM_SETICON kinds.
inline constexpr WPARAM ICON_SMALL = radixel::platform::msg::kIconSmall;
inline constexpr WPARAM ICON_BIG = radixel::platform::msg::kIconBig;

// Dialog results and standard commands.
inline constexpr int IDOK = radixel::platform::msg::kIdOk;
inline constexpr int IDCANCEL = radixel::platform::msg::kIdCancel;
inline constexpr UINT ID_HELP = radixel::platform::msg::kIdHelp;

// The system-metric query of the current window system.
int GetSystemMetrics(int index);
