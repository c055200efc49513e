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
  // What the exchange list's first entries found, kept in its order while
  // the window lives, so that data exchange finds no control by its id
  // again: an edit box's text holder (WindowSystem::ItemTextHolder), a
  // radio group's range of ids and its check marks' holder
  // (WindowSystem::RadioChecksHolder).
  struct ExchangeSlot {
    std::uint64_t key = 0;      // ExchangeKey of the entry; 0 for none
    CString* holder = nullptr;  // an edit box's entry
    bool radioRange = false;    // a radio group's entry: its ids run
    int radioFirst = 0;         // from radioFirst to radioLast
    int radioLast = 0;
    std::uint64_t* radioChecks = nullptr;  // and its check marks are kept here, or null
  };
  // An entry's control id and kind as one number, never 0.
  static std::uint64_t ExchangeKey(int nIDC, bool radio) {
    return (std::uint64_t{radio ? 2u : 1u} << 32) | static_cast<std::uint32_t>(nIDC);
  }
  // Called as data exchange starts: the slot of the list's first entry
  // (those kept for another window are forgotten first). Each entry whose
  // slot holds its key takes what the slot found and moves on to the next.
  ExchangeSlot* BeginExchange() {
    if (exchangeWindow_ != m_hWnd) ForgetExchangeSlots();
    return exchangeSlots_;
  }
  // For an entry whose slot `next` does not hold its key: fills the slot
  // for edit box nIDC (or radio group nIDC, `radio`) and moves `next` on,
  // or, past the last slot kept, fills the spare one after it and stays there.
  ExchangeSlot& FindExchangeSlot(radixel::platform::WindowSystem& ws, ExchangeSlot*& next,
                                 int nIDC, bool radio);
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

 private:
  struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
  };
  const CurrentMessage* current_ = nullptr;  // the message being handled, on the stack
  CMenu systemMenu_;
  static constexpr std::size_t kExchangeSlots = 8;
  // The slots of the list's first entries, then a spare one that no entry
  // keeps: entries past the last slot are looked up every time.
  ExchangeSlot exchangeSlots_[kExchangeSlots + 1];
  HWND exchangeWindow_ = nullptr;  // the window they were found in

 protected:
  // Forgets the text holders, when the window goes.
  void ForgetExchangeSlots();
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
