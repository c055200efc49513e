// Data exchange between a dialog's controls and its fields. A dialog's
// DoDataExchange lists the pairs; UpdateData runs the list in one direction.
#pragma once

#include <bit>
#include <cstdint>

#include "platform/cstring.h"
#include "platform/wnd.h"
#include "platform/win_types.h"
#include "platform/window_system.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls into fields; FALSE: fields into controls
  CWnd* m_pDlgWnd;
  // The window system, and the dialog's window in it: wanted only where an
  // entry has no kept slot, so looked up only then.
  static radixel::platform::WindowSystem& WindowSystem() {
    return radixel::platform::CurrentWindowSystem();
  }
  HWND DialogWindow() const { return m_pDlgWnd->m_hWnd; }

  // What the next entry of the list, edit box nIDC (or radio group nIDC,
  // `radio`), found: CWnd::ExchangeSlot.
  const CWnd::ExchangeSlot& NextSlot(int nIDC, bool radio) {
    CWnd::ExchangeSlot* const slot = m_pNextSlot;
    if (slot->key != CWnd::ExchangeKey(nIDC, radio)) {
      return m_pDlgWnd->FindExchangeSlot(WindowSystem(), m_pNextSlot, nIDC, radio);
    }
    m_pNextSlot = slot + 1;
    return *slot;
  }

 private:
  CWnd::ExchangeSlot* m_pNextSlot;  // the slot of the list's next entry
};

// DDX_Text and DDX_Radio where the window system keeps no holder of the
// control's state: through its calls. Out of line, so that the common path
// through a holder stays short.
void DDX_TextThroughWindowSystem(CDataExchange* pDX, int nIDC, CString& value);
void DDX_RadioThroughWindowSystem(CDataExchange* pDX, const CWnd::ExchangeSlot& slot, int nIDC,
                                  int& value);

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
  DDX_TextThroughWindowSystem(pDX, nIDC, value);
}

// The index of the checked radio button in the group that starts at control
// nIDC, counted among the group's radio buttons only; -1 when none is checked.
// Writing it out checks that button and clears the others.
inline void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  const CWnd::ExchangeSlot& slot = pDX->NextSlot(nIDC, true);
  // Ids one after the other, their check marks one word: a button's index
  // is its distance from the first, and its bit's in the word.
  if (std::uint64_t* const checks = slot.radioChecks) {
    if (pDX->m_bSaveAndValidate) {
      value = *checks == 0 ? -1 : std::countr_zero(*checks);
    } else {
      *checks = value >= 0 && value <= slot.radioLast - slot.radioFirst ? std::uint64_t{1} << value : 0;
    }
    return;
  }
  DDX_RadioThroughWindowSystem(pDX, slot, nIDC, value);
}
