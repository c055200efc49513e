#include "platform/data_exchange.h"

#include "platform/wnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_pNextSlot(pDlgWnd->BeginExchange()) {}

void DDX_TextThroughWindowSystem(CDataExchange* pDX, int nIDC, CString& value) {
  if (pDX->m_bSaveAndValidate) {
    pDX->WindowSystem().ReadItemText(pDX->DialogWindow(), nIDC, value);
  } else {
    pDX->WindowSystem().WriteItemText(pDX->DialogWindow(), nIDC, value);
  }
}

void DDX_RadioThroughWindowSystem(CDataExchange* pDX, const CWnd::ExchangeSlot& slot, int nIDC,
                                  int& value) {
  auto& ws = pDX->WindowSystem();
  HWND hWnd = pDX->DialogWindow();
  const int first = slot.radioFirst;
  const int last = slot.radioLast;
  if (slot.radioRange) {
    // Ids one after the other: a button's index is its distance from the first.
    if (pDX->m_bSaveAndValidate) {
      const int checked = ws.CheckedRadioButton(hWnd, first, last);
      value = checked == 0 ? -1 : checked - first;
    } else {
      ws.CheckRadioButton(hWnd, first, last, value >= 0 && value <= last - first ? first + value : 0);
    }
    return;
  }
  const std::span<const int> group = pDX->m_pDlgWnd->RadioGroup(nIDC).ids;
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
