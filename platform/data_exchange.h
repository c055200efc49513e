// Data exchange between a dialog's controls and its fields. A dialog's
// DoDataExchange lists the pairs; UpdateData runs the list in one direction.
#pragma once

#include "platform/cstring.h"
#include "platform/win_types.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls into fields; FALSE: fields into controls
  CWnd* m_pDlgWnd;
};

// The text of an edit box.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The index of the checked radio button in the group that starts at control
// nIDC, counted among the group's radio buttons only; -1 when none is checked.
// Writing it out checks that button and clears the others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
