// CDialog: a window built from a dialog template, run modally (DoModal) or
// created modeless (Create). Enter gives the default button's command and
// Esc the cancel command; OnOK and OnCancel end the dialog unless a derived
// class replaces them.
#pragma once

#include "platform/wnd.h"

namespace radixel::platform {
struct DialogTemplate;
}

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // --- What the program calls -----------------------------------------------
  // Builds the window, runs it modally and destroys it; returns the value
  // given to EndDialog.
  virtual INT_PTR DoModal();
  // Builds the window modeless; it lives until DestroyWindow or the object's end.
  BOOL Create(CWnd* pParentWnd = nullptr);
  void DestroyWindow();
  void EndDialog(int nResult);

  UINT GetTemplateId() const { return m_nIDTemplate; }
  const radixel::platform::DialogTemplate* GetTemplate() const { return template_; }

  // --- What a derived class may override ------------------------------------
  // Called when the window and its controls exist, before it is shown.
  // Returns TRUE to let the dialog manager set the focus.
  virtual BOOL OnInitDialog();

 protected:
  // Called when the OK button or Enter is pressed.
  virtual void OnOK();
  // Called when the Exit button, Esc or the window's Close is used.
  virtual void OnCancel();

  RadioButtonGroup RadioGroup(int nIDC) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCmdMsg(UINT nID, UINT nCode) override;

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 private:
  HWND OwnerWindow() const;

  const radixel::platform::DialogTemplate* template_;
  // The radio group last asked for, found once in the template.
  struct RadioGroupIds {
    static constexpr std::size_t kMaxButtons = 16;
    int firstId = 0;
    std::size_t count = 0;
    bool consecutive = false;
    int ids[kMaxButtons] = {};
  } radioGroup_;

  DECLARE_MESSAGE_MAP()
};
