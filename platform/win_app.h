// CWinApp: the one application object. It exists from process start; the
// entry point (AfxWinMain) calls its InitInstance once, and when that
// returns FALSE the process ends without a message loop of its own.
#pragma once

#include "platform/message_map.h"
#include "platform/win_types.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // --- What a derived class may override ------------------------------------
  // Called once at start-up. FALSE ends the process.
  virtual BOOL InitInstance();
  // Called when the process ends; its value is the exit status.
  virtual int ExitInstance();

  // --- What the program calls -----------------------------------------------
  // Switches on the three-dimensional control look; every window system
  // here draws controls that way already.
  BOOL Enable3dControls();
  // The icon resource of the program's module (found as a group icon).
  HICON LoadIcon(UINT nIDResource) const;
  // The library's default help command: the program ships no help file,
  // so there is nothing to open.
  void OnHelp();

  LPCTSTR m_pszAppName;
  CWnd* m_pMainWnd = nullptr;
  int m_nHelpRequests = 0;  // how often the default help command ran

  DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Runs the application object: InitInstance, then the exit path.
int AfxWinMain();

// The module holding resource `lpszName` of kind `lpszType`, and icon loading from it.
HINSTANCE AfxFindResourceHandle(UINT nIDResource, LPCTSTR lpszType);
HICON LoadIconA(HINSTANCE hInstance, UINT nIDResource);

inline constexpr LPCTSTR RT_GROUP_ICON = "GROUP_ICON";
