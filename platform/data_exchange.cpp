#include "platform/data_exchange.h"

#include <bit>

#include "platform/wnd.h"

using radixel::platform::CurrentWindowSystem;

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_windowSystem(CurrentWindowSystem()),
      m_hDlgWnd(pDlgWnd->m_hWnd),
      m_pNextSlot(pDlgWnd->BeginExchange()) {}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  auto& ws = pDX->m_windowSystem;
  HWND hWnd = pDX->m_hDlgWnd;
  const CWnd::ExchangeSlot& slot = pDX->NextSlot(nIDC, true);
  const int first = slot.radioFirst;
  const int last = slot.radioLast;
  if (slot.radioRange) {
    // Ids one after the other: a button's index is its distance from the
    // first, and its bit's among the check marks, where they are one word.
    if (std::uint64_t* const checks = slot.radioChecks) {
      if (pDX->m_bSaveAndValidate) {
        value = *checks == 0 ? -1 : std::countr_zero(*checks);
      } else {
        *checks = value >= 0 && value <= last - first ? std::uint64_t{1} << value : 0;
      }
      return;
    }
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
