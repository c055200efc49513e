// Data exchange between a dialog's controls and its fields. A dialog's
// DoDataExchange lists the pairs; UpdateData runs the list in one direction.
//
// Each entry finds its control once per window and keeps what it found
// (platform/exchange_slots.h): where the window system offers
// FastItemAccess, an edit box's text and a radio group's check marks, read
// and set in place; elsewhere the control's id, reached through the
// window system's calls.
#pragma once

#include <bit>
#include <cstdint>

#include "platform/cstring.h"
#include "platform/exchange_slots.h"
#include "platform/win_types.h"
#include "platform/window_system.h"
#include "platform/wnd.h"

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
  // `radio`), found.
  const radixel::platform::ExchangeSlot& NextSlot(int nIDC, bool radio) {
    radixel::platform::ExchangeSlot* const slot = m_pNextSlot;
    if (slot->key != radixel::platform::ExchangeKey(nIDC, radio)) return FindSlot(nIDC, radio);
    m_pNextSlot = slot + 1;
    return *slot;
  }

 private:
  // For an entry whose slot does not hold its key: finds its control and
  // keeps what it found in that slot.
  const radixel::platform::ExchangeSlot& FindSlot(int nIDC, bool radio);

  radixel::platform::ExchangeSlot* m_pNextSlot;  // the slot of the list's next entry
};

// DDX_Text and DDX_Radio where the window system keeps no quick access to
// the control's state: through its calls. Out of line, so that the common
// path stays short.
void DDX_TextThroughWindowSystem(CDataExchange* pDX, int nIDC, CString& value);
void DDX_RadioThroughWindowSystem(CDataExchange* pDX, const radixel::platform::ExchangeSlot& slot,
                                  int nIDC, int& value);

// The text of an edit box. `value` is a field of the dialog, living as long
// as its window (a window system may have it follow a long text a person
// types over the box: platform/fast_item_access.h).
inline void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  if (radixel::platform::EditText* const box = pDX->NextSlot(nIDC, false).box) {
    // A long text is shared, not copied (CString): the box and the field
    // hold one block until either changes.
    if (pDX->m_bSaveAndValidate) {
      value = box->text;
    } else {
      box->text = value;
    }
    box->field = &value;
    return;
  }
  DDX_TextThroughWindowSystem(pDX, nIDC, value);
}

// The index of the checked radio button in the group that starts at control
// nIDC, counted among the group's radio buttons only; -1 when none is checked.
// Writing it out checks that button and clears the others.
inline void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  const radixel::platform::ExchangeSlot& slot = pDX->NextSlot(nIDC, true);
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
