// Data exchange between a dialog's controls and its fields. A dialog's
// DoDataExchange lists the pairs; UpdateData runs the list in one direction.
#pragma once

#include "platform/cstring.h"
#include "platform/win_types.h"
#include "platform/window_system.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls into fields; FALSE: fields into controls
  CWnd* m_pDlgWnd;
  // The window system and the dialog's window, found once for the whole list.
  radixel::platform::WindowSystem& m_windowSystem;
  HWND m_hDlgWnd;
};

// The text of an edit box.
inline void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
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
