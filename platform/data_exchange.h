// Data exchange between a dialog's controls and its fields. A dialog's
// DoDataExchange lists the pairs; UpdateData runs the list in one direction.
#pragma once

#include "platform/cstring.h"
#include "platform/wnd.h"
#include "platform/win_types.h"
#include "platform/window_system.h"


class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls into fields; FALSE: fields into controls
  CWnd* m_pDlgWnd;
  // The window system and the dialog's window, found once for the whole list.
  radixel::platform::WindowSystem& m_windowSystem;
  HWND m_hDlgWnd;

  // What the next entry of the list, edit box nIDC (or radio group nIDC,
  // `radio`), found: CWnd::ExchangeSlot.
  const CWnd::ExchangeSlot& NextSlot(int nIDC, bool radio) {
    CWnd::ExchangeSlot* const slot = m_pNextSlot;
    if (slot->key != CWnd::ExchangeKey(nIDC, radio)) {
      return m_pDlgWnd->FindExchangeSlot(m_windowSystem, m_pNextSlot, nIDC, radio);
    }
    m_pNextSlot = slot + 1;
    return *slot;
  }

 private:
  CWnd::ExchangeSlot* m_pNextSlot;  // the slot of the list's next entry
};

// The text of an edit box.
inline void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  if (CString* const holder = pDX->NextSlot(nIDC, false).holder) {
    if (pDX->m_bSaveAndValidate) {
      value = *holder;
    } else {
      *holder = value;
    }
    return;
  }
  if (pDX->m_bSaveAndValidate) {
    pDX->m_windowSystem.ReadItemText(pDX->m_hDlgWnd, nIDC, value);
  } else {
    pDX->m_windowSystem.WriteItemText(pDX->m_hDlgWnd, nIDC, value);
  }
}
// The index of the checked radio button in the group that starts at control
// nIDC, counted among the group's radio buttons only; -1 when none is checked.
// Writing it out checks that button and clears the others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
