#include "platform/data_exchange.h"

#include <string>
#include <string_view>

#include "platform/fast_item_access.h"

using radixel::platform::ExchangeKey;
using radixel::platform::ExchangeSlot;
using radixel::platform::FastItemAccess;

// UpdateData is CWnd's, but runs data exchange: it lives here, with it.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_pNextSlot(pDlgWnd->exchangeSlots_.Begin(pDlgWnd->m_hWnd)) {}

const ExchangeSlot& CDataExchange::FindSlot(int nIDC, bool radio) {
  FastItemAccess* const fast = WindowSystem().FastAccess();
  HWND hWnd = DialogWindow();
  ExchangeSlot found{ExchangeKey(nIDC, radio)};
  if (radio) {
    const auto [ids, consecutive] = m_pDlgWnd->RadioGroup(nIDC);
    if (consecutive && !ids.empty()) {
      found.radioRange = true;
      found.radioFirst = ids.front();
      found.radioLast = ids.back();
      if (fast) found.radioChecks = fast->RadioChecks(hWnd, ids.front(), ids.back());
    }
  } else if (fast) {
    found.box = fast->EditTextOf(hWnd, nIDC);
  }
  return m_pDlgWnd->exchangeSlots_.Keep(m_pNextSlot, found);
}

void DDX_TextThroughWindowSystem(CDataExchange* pDX, int nIDC, CString& value) {
  auto& ws = pDX->WindowSystem();
  if (pDX->m_bSaveAndValidate) {
    const std::string shown = ws.GetItemText(pDX->DialogWindow(), nIDC);
    value = std::string_view(shown);
  } else {
    ws.SetItemText(pDX->DialogWindow(), nIDC, value.view());
  }
}

void DDX_RadioThroughWindowSystem(CDataExchange* pDX, const ExchangeSlot& slot, int nIDC,
                                  int& value) {
  auto& ws = pDX->WindowSystem();
  HWND hWnd = pDX->DialogWindow();
  const int first = slot.radioFirst;
  const int last = slot.radioLast;
  if (slot.radioRange) {
    // Ids one after the other: a button's index is its distance from the
    // first; the first checked one counts.
    if (pDX->m_bSaveAndValidate) {
      value = -1;
      for (int id = first; id <= last; ++id) {
        if (ws.IsItemChecked(hWnd, id)) {
          value = id - first;
          break;
        }
      }
    } else {
      for (int id = first; id <= last; ++id) ws.CheckItem(hWnd, id, id - first == value);
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
