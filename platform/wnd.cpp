#include "platform/wnd.h"

using radixel::platform::CurrentWindowSystem;

int GetSystemMetrics(int index) { return CurrentWindowSystem().GetSystemMetrics(index); }

// --- CMenu -------------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return CurrentWindowSystem().AppendMenuItem(m_hMenu, nFlags, nIDNewItem,
                                              lpszNewItem ? lpszNewItem : "")
             ? TRUE
             : FALSE;
}

int CMenu::GetMenuItemCount() const { return CurrentWindowSystem().GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int nPos) const {
  return CurrentWindowSystem().GetMenuItemId(m_hMenu, nPos);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  auto& ws = CurrentWindowSystem();
  int position = -1;
  if (nFlags & MF_BYPOSITION) {
    position = static_cast<int>(nIDItem);
  } else {
    for (int i = 0, n = ws.GetMenuItemCount(m_hMenu); i < n; ++i) {
      if (ws.GetMenuItemId(m_hMenu, i) == nIDItem) position = i;
    }
  }
  if (position < 0 || position >= ws.GetMenuItemCount(m_hMenu)) {
    rString.Empty();
    return 0;
  }
  rString = ws.GetMenuItemText(m_hMenu, position);
  return rString.GetLength();
}

// --- CWnd --------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*) {}

CWnd::RadioButtonGroup CWnd::RadioGroup(int) { return {}; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return CurrentWindowSystem().SendMessage(m_hWnd, message, wParam, lParam);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) {
  systemMenu_.m_hMenu = CurrentWindowSystem().GetSystemMenu(m_hWnd, bRevert != FALSE);
  return systemMenu_.m_hMenu ? &systemMenu_ : nullptr;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                             reinterpret_cast<LPARAM>(hIcon)));
}

BOOL CWnd::IsIconic() const { return CurrentWindowSystem().IsIconic(m_hWnd) ? TRUE : FALSE; }

void CWnd::GetClientRect(LPRECT lpRect) const {
  *lpRect = CRect(CurrentWindowSystem().GetClientRect(m_hWnd));
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
  CurrentWindowSystem().SetItemText(m_hWnd, nID, lpszString ? lpszString : "");
}

CString CWnd::GetDlgItemText(int nID) const {
  return CString(CurrentWindowSystem().GetItemText(m_hWnd, nID));
}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnPaint() { Default(); }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::Default() {
  if (current_ == nullptr) return DefWindowProc(0, 0, 0);
  return DefWindowProc(current_->message, current_->wParam, current_->lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CurrentWindowSystem().DefaultProcessing(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (OnCommand(wParam, lParam)) return 0;
    return DefWindowProc(message, wParam, lParam);
  }
  if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message)) {
    return entry->pfn(*this, wParam, lParam);
  }
  return DefWindowProc(message, wParam, lParam);
}

void CWnd::OnAttach(HWND hWnd) {
  m_hWnd = hWnd;
  ForgetExchangeSlots();
}

std::intptr_t CWnd::OnMessage(std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  // Keep the message for Default(); restore the outer one afterwards, since
  // a handler may send messages of its own.
  const CurrentMessage here{message, wParam, lParam};
  const CurrentMessage* const outer = current_;
  current_ = &here;
  const LRESULT result = WindowProc(message, wParam, lParam);
  current_ = outer;
  return result;
}

// --- CPaintDC ----------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : hWnd_(pWnd->m_hWnd) {
  m_hDC = CurrentWindowSystem().BeginPaint(hWnd_);
}

CPaintDC::~CPaintDC() { CurrentWindowSystem().EndPaint(hWnd_, m_hDC); }

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
  CurrentWindowSystem().DrawIcon(m_hDC, x, y, hIcon);
  return TRUE;
}
