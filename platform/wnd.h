// CWnd, CMenu and CPaintDC: the program's view of one window, its menus and
// its painting, each a thin wrapper over the window-system seam.
//
// CWnd receives the window's messages from the window system, looks them up
// in the message map of its most derived class and otherwise hands them to
// the window system's default processing.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/cstring.h"
#include "platform/exchange_slots.h"
#include "platform/message_map.h"
#include "platform/win_types.h"

class CDataExchange;
class CWnd;

// A menu owned by a window (its system menu, say).
class CMenu {
 public:
  HMENU m_hMenu = nullptr;

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
};

class CWnd : public CCmdTarget, protected radixel::platform::MessageSink {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  ~CWnd() override = default;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // --- What a derived class may override ------------------------------------
  // The exchange list between controls and fields.
  virtual void DoDataExchange(CDataExchange* pDX);
  // Every message to the window comes through here.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // The radio buttons of the group that starts at control nIDC, in
  // template order; no ids where the window has no such group.
  struct RadioButtonGroup {
    std::span<const int> ids;
    bool consecutive = false;  // each id is one above the one before
  };
  virtual RadioButtonGroup RadioGroup(int nIDC);

  // --- What the program calls -----------------------------------------------
  // Copies the controls into the fields (TRUE) or the fields into the controls (FALSE).
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  CMenu* GetSystemMenu(BOOL bRevert);
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  BOOL IsIconic() const;
  void GetClientRect(LPRECT lpRect) const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  CString GetDlgItemText(int nID) const;

 protected:
  // Handlers the library gives every window: default processing.
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();

  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The window system's default processing of the message being handled.
  LRESULT Default();
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // MessageSink
  void OnAttach(HWND hWnd) override;
  std::intptr_t OnMessage(std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) override;

  // Forgets what data exchange found, when the window goes.
  void ForgetExchangeSlots() { exchangeSlots_.Forget(m_hWnd); }

 private:
  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  const CurrentMessage* current_ = nullptr;  // the message being handled, on the stack
  CMenu systemMenu_;
  // What data exchange found in the window; its own business
  // (platform/exchange_slots.h).
  radixel::platform::ExchangeSlots exchangeSlots_;
  friend class CDataExchange;
};

// Painting a window between BeginPaint and EndPaint, for the object's lifetime.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC();
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC GetSafeHdc() const { return m_hDC; }
  BOOL DrawIcon(int x, int y, HICON hIcon);

  HDC m_hDC = nullptr;

 private:
  HWND hWnd_;
};
