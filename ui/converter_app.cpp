#include "ui/converter_app.h"

#include "ui/converter_dlg.h"

BEGIN_MESSAGE_MAP(CConverterApp, CWinApp)
  ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CConverterApp::CConverterApp() : CWinApp("Radixel") {}

BOOL CConverterApp::InitInstance() {
  Enable3dControls();

  CConverterDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
