#include "platform/data_exchange.h"

#include "platform/wnd.h"

using radixel::platform::CurrentWindowSystem;

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  auto& ws = CurrentWindowSystem();
  if (pDX->m_bSaveAndValidate) {
    ws.ReadItemText(pDX->m_pDlgWnd->m_hWnd, nIDC, value);
  } else {
    ws.WriteItemText(pDX->m_pDlgWnd->m_hWnd, nIDC, value);
  }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  const auto [group, consecutive] = pDX->m_pDlgWnd->RadioGroup(nIDC);
  if (group.empty()) return;
  auto& ws = CurrentWindowSystem();
  HWND hWnd = pDX->m_pDlgWnd->m_hWnd;
  const int first = group.front();
  const int last = group.back();
  if (consecutive) {
    // Ids one after the other: a button's index is its distance from the first.
    if (pDX->m_bSaveAndValidate) {
      const int checked = ws.CheckedRadioButton(hWnd, first, last);
      value = checked == 0 ? -1 : checked - first;
    } else {
      ws.CheckRadioButton(hWnd, first, last,
                          value >= 0 && value < static_cast<int>(group.size()) ? first + value : 0);
    }
    return;
  }
  if (pDX->m_bSaveAndValidate) {
    value = -1;
    for (std::size_t index = 0; index < group.size(); ++index) {
      if (ws.IsItemChecked(hWnd, group[index])) {
        value = static_cast<int>(index);
        break;
      }
    }
  } else {
    for (std::size_t index = 0; index < group.size(); ++index) {
      ws.CheckItem(hWnd, group[index], static_cast<int>(index) == value);
    }
  }
}
