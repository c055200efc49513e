#include "platform/data_exchange.h"

#include "platform/wnd.h"

using radixel::platform::CurrentWindowSystem;

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_windowSystem(CurrentWindowSystem()),
      m_hDlgWnd(pDlgWnd->m_hWnd) {}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  const auto [group, consecutive] = pDX->m_pDlgWnd->RadioGroup(nIDC);
  if (group.empty()) return;
  auto& ws = pDX->m_windowSystem;
  HWND hWnd = pDX->m_hDlgWnd;
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
