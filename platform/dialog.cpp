#include "platform/dialog.h"

#include "platform/resources.h"
#include "platform/win_app.h"

using radixel::platform::ControlTemplate;
using radixel::platform::CurrentWindowSystem;

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd),
      template_(radixel::platform::FindDialog(static_cast<int>(nIDTemplate))) {}

CDialog::~CDialog() { DestroyWindow(); }

HWND CDialog::OwnerWindow() const {
  // A dialog with no parent is owned by the application's main window, so
  // that the main window waits while a box is shown.
  if (m_pParentWnd) return m_pParentWnd->m_hWnd;
  CWnd* main = AfxGetMainWnd();
  return (main && main != this) ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
  if (template_ == nullptr || m_hWnd != nullptr) return -1;
  auto& ws = CurrentWindowSystem();
  ws.CreateDialogWindow(*template_, OwnerWindow(), *this);
  if (m_hWnd == nullptr) return -1;
  const INT_PTR result = ws.RunModalLoop(m_hWnd);
  DestroyWindow();
  return result;
}

BOOL CDialog::Create(CWnd* pParentWnd) {
  if (template_ == nullptr || m_hWnd != nullptr) return FALSE;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  CurrentWindowSystem().CreateDialogWindow(*template_, OwnerWindow(), *this);
  return m_hWnd != nullptr ? TRUE : FALSE;
}

void CDialog::DestroyWindow() {
  if (m_hWnd == nullptr) return;
  HWND hWnd = m_hWnd;
  m_hWnd = nullptr;
  ForgetExchangeSlots();
  CurrentWindowSystem().DestroyWindow(hWnd);
}

void CDialog::EndDialog(int nResult) {
  if (m_hWnd) CurrentWindowSystem().EndModalLoop(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

CWnd::RadioButtonGroup CDialog::RadioGroup(int nIDC) {
  if (radioGroup_.firstId != nIDC || radioGroup_.count == 0) {
    // The group runs in template order from nIDC up to the next control
    // that starts a group of its own.
    radioGroup_.firstId = nIDC;
    radioGroup_.count = 0;
    const ControlTemplate* first = template_ ? template_->FindControl(nIDC) : nullptr;
    if (first == nullptr) return {};
    const auto controls = template_->controls;
    for (const ControlTemplate* c = first; c != controls.data() + controls.size(); ++c) {
      if (c != first && (c->style & radixel::platform::style::kGroup)) break;
      if (c->IsRadioButton() && radioGroup_.count < RadioGroupIds::kMaxButtons) {
        radioGroup_.ids[radioGroup_.count++] = c->id;
      }
    }
    radioGroup_.consecutive = true;
    for (std::size_t i = 1; i < radioGroup_.count; ++i) {
      radioGroup_.consecutive = radioGroup_.consecutive &&
                                radioGroup_.ids[i] == radioGroup_.ids[0] + static_cast<int>(i);
    }
  }
  return {{radioGroup_.ids, radioGroup_.count}, radioGroup_.consecutive};
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCmdMsg(UINT nID, UINT nCode) {
  // The dialog's own map first, then the application's.
  if (CWnd::OnCmdMsg(nID, nCode)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app ? app->OnCmdMsg(nID, nCode) : FALSE;
}
