// The application object: it starts the program by running the main
// dialog modally, then ends the process.
#pragma once

#include "platform/afxwin.h"

class CConverterApp : public CWinApp {
 public:
  CConverterApp();

  // Runs the main dialog until Exit, Esc or Close; returns FALSE so the
  // process ends without a message loop of its own.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
