#include "platform/win_app.h"

#include "platform/module_scope.h"

namespace {
CWinApp* g_app = nullptr;
}

// The library binds no command itself; an application maps ID_HELP to OnHelp.
BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_pszAppName(lpszAppName) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }
BOOL CWinApp::Enable3dControls() { return TRUE; }
void CWinApp::OnHelp() { ++m_nHelpRequests; }

HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return LoadIconA(AfxFindResourceHandle(nIDResource, RT_GROUP_ICON), nIDResource);
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  if (!app->InitInstance()) {
    app->m_pMainWnd = nullptr;
    return app->ExitInstance();
  }
  // The program runs all its windows inside InitInstance; there is no
  // message loop of the application's own.
  return app->ExitInstance();
}

HINSTANCE AfxFindResourceHandle(UINT nIDResource, LPCTSTR) {
  // One module holds every resource of the program.
  const bool present = radixel::platform::FindIcon(static_cast<int>(nIDResource)) != nullptr;
  return present ? reinterpret_cast<HINSTANCE>(&radixel::platform::CurrentResources()) : nullptr;
}

HICON LoadIconA(HINSTANCE hInstance, UINT nIDResource) {
  if (hInstance == nullptr) return nullptr;
  return radixel::platform::CurrentWindowSystem().LoadIconResource(static_cast<int>(nIDResource));
}
