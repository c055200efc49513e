// The three information boxes: modal dialogs with one OK button, each built
// on its own template with no parent window, closing through the library's
// default OK handling.
#pragma once

#include "platform/afxwin.h"

// The version box, shown from the system menu's About entry.
class CVersionBox : public CDialog {
 public:
  CVersionBox();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  DECLARE_MESSAGE_MAP()
};

// The notice box, shown from the menu bar's "About Radixel".
class CNoticeBox : public CDialog {
 public:
  CNoticeBox();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  DECLARE_MESSAGE_MAP()
};

// The Help box, shown from the menu bar's "Help!".
class CHelpBox : public CDialog {
 public:
  CHelpBox();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  DECLARE_MESSAGE_MAP()
};
