#include "platform/data_exchange.h"

#include "platform/dialog.h"
#include "platform/resources.h"

using radixel::platform::ControlTemplate;
using radixel::platform::CurrentWindowSystem;

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  auto& ws = CurrentWindowSystem();
  if (pDX->m_bSaveAndValidate) {
    value = CString(ws.GetItemText(pDX->m_pDlgWnd->m_hWnd, nIDC));
  } else {
    ws.SetItemText(pDX->m_pDlgWnd->m_hWnd, nIDC, value.view());
  }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  // The group runs in template order from nIDC up to the next control that
  // starts a group of its own.
  const auto* dialog = dynamic_cast<CDialog*>(pDX->m_pDlgWnd);
  if (dialog == nullptr || dialog->GetTemplate() == nullptr) return;
  const auto controls = dialog->GetTemplate()->controls;
  const ControlTemplate* first = dialog->GetTemplate()->FindControl(nIDC);
  if (first == nullptr) return;

  auto& ws = CurrentWindowSystem();
  HWND hWnd = pDX->m_pDlgWnd->m_hWnd;
  if (pDX->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (const ControlTemplate* c = first; c != controls.data() + controls.size(); ++c) {
    if (c != first && (c->style & radixel::platform::style::kGroup)) break;
    if (!c->IsRadioButton()) continue;
    if (pDX->m_bSaveAndValidate) {
      if (value == -1 && ws.IsItemChecked(hWnd, c->id)) value = index;
    } else {
      ws.CheckItem(hWnd, c->id, index == value);
    }
    ++index;
  }
}
