// The window side of the main dialog: template 102, the message map that
// binds the buttons, radio buttons and menus, the system menu's About entry,
// the icon, and the painting of the minimised window. The conversion engine
// underneath (CConversionForm) does the converting.
#pragma once

#include "engine/conversion_form.h"
#include "ui/boxes.h"

class CConverterDlg : public CConversionForm {
 public:
  explicit CConverterDlg(CWnd* pParent = nullptr);

  // Called when the window and its controls exist: adds the system menu's
  // About entry, sets the icons and checks "Hex to Dec".
  BOOL OnInitDialog() override;

  CNoticeBox m_noticeBox;
  CHelpBox m_helpBox;
  HICON m_hIcon;

 protected:
  // Called when the OK button or Enter is pressed: converts what the window
  // shows.
  void OnOK() override;
  // Called for every system-menu command: the About entry shows the version box.
  void OnSysCommand(UINT nID, LPARAM lParam);
  // Called when the window needs painting: while minimised it draws the icon.
  void OnPaint();
  // Called when the minimised window is dragged: the icon to show.
  HCURSOR OnQueryDragIcon();

  // Called when a box's text changes; nothing to do until OK.
  void OnChangeInput();
  void OnChangeOutput();
  void OnChangeErrors();
  // Called when a radio button is clicked: the mode follows it.
  void OnHexToDec();
  void OnHexToBin();
  void OnDecToHex();
  void OnDecToBin();
  void OnBinToHex();
  void OnBinToDec();
  // Called from the menu bar.
  void OnAppNotice();
  void OnHelpBox();

  DECLARE_MESSAGE_MAP()
};
