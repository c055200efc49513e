#include "systems/win32/lib/label_fit.h"

#include <string>
#include <vector>

namespace radixel::platform {

namespace {

bool IsTextLabel(HWND control) {
  char cls[16] = {};
  GetClassNameA(control, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return false;
  const auto kind = static_cast<UINT>(GetWindowLongA(control, GWL_STYLE)) & SS_TYPEMASK;
  return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
}

// A control's rectangle in the dialog's client coordinates.
RECT PlaceOf(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

int LabelTextHeight(HWND label) {
  const int length = GetWindowTextLengthA(label);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(label, text.data(), length + 1);
  RECT client;
  GetClientRect(label, &client);
  RECT r = {0, 0, client.right, 0};
  UINT format = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
  if (GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX) format |= DT_NOPREFIX;
  HDC dc = GetDC(label);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  DrawTextA(dc, text.c_str(), length, &r, format);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  return r.bottom;
}

void FitLabelsToTheirText(HWND dialog) {
  std::vector<HWND> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    controls.push_back(c);
  }
  int grown = 0;
  for (HWND label : controls) {
    if (!IsTextLabel(label)) continue;
    RECT client;
    GetClientRect(label, &client);
    const int missing = LabelTextHeight(label) - client.bottom;
    if (missing <= 0) continue;
    const RECT at = PlaceOf(dialog, label);
    SetWindowPos(label, nullptr, 0, 0, at.right - at.left, at.bottom - at.top + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND other : controls) {
      const RECT place = PlaceOf(dialog, other);
      if (other == label || place.top < at.bottom) continue;
      SetWindowPos(other, nullptr, place.left, place.top + missing, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    grown += missing;
  }
  if (grown == 0) return;
  RECT frame;
  GetWindowRect(dialog, &frame);
  const bool centred = (GetWindowLongA(dialog, GWL_STYLE) & DS_CENTER) != 0;
  SetWindowPos(dialog, nullptr, frame.left, frame.top - (centred ? grown / 2 : 0),
               frame.right - frame.left, frame.bottom - frame.top + grown,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace radixel::platform
