// Drives a running radixel.exe from outside, as a person would through its
// window: starts the program, waits for its main window, types "ff" into
// the input box, picks "Hex to Dec", presses OK, reads the output box, then
// presses Exit and waits for the program to end.
//
//   drive_program.exe PATH\radixel.exe
//
// Exit status 0 when the output box shows "255." and the program ended
// with status 0; 1 otherwise, with the reason on standard error. Used to
// check the program the installer put on disk.
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource_ids.h"

#include <windows.h>

namespace {

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (process == search->process && IsWindowVisible(window) && std::strcmp(title, "Radixel") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

int Fail(const char* what) {
  std::fprintf(stderr, "drive_program: %s\n", what);
  return 1;
}

// A message to the other process that gives up after five seconds.
LRESULT Send(HWND window, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: drive_program.exe PATH\\radixel.exe");
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return Fail("the program did not start");
  }
  WaitForInputIdle(info.hProcess, 30000);
  Search search{info.dwProcessId, nullptr};
  for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  if (search.found == nullptr) {
    TerminateProcess(info.hProcess, 1);
    return Fail("no window titled \"Radixel\" appeared");
  }
  const HWND dialog = search.found;
  Send(GetDlgItem(dialog, IDC_INPUT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ff"));
  Send(GetDlgItem(dialog, IDC_HEX_TO_DEC), BM_CLICK, 0, 0);
  Send(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  char output[64] = {};
  Send(GetDlgItem(dialog, IDC_OUTPUT), WM_GETTEXT, sizeof output, reinterpret_cast<LPARAM>(output));
  std::printf("output box: %s\n", output);

  Send(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  DWORD status = 1;
  if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
    return Fail("the program did not end after Exit");
  }
  GetExitCodeProcess(info.hProcess, &status);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  if (std::strcmp(output, "255.") != 0) return Fail("the output box does not show 255.");
  if (status != 0) return Fail("the program ended with a status other than 0");
  return 0;
}
