// Drives a running radixel.exe from outside, as a person would through its
// window: starts the program, waits for its main window, types "ff" into
// the input box, picks "Hex to Dec", presses OK, reads the output box, then
// presses Exit and waits for the program to end.
//
//   drive_program.exe PATH\radixel.exe [--long-input]
//   drive_program.exe --wait-window    (until some Radixel shows its window)
//   drive_program.exe --exit           (presses Exit there, waits for the end)
//
// Exit status 0 when the output box shows "255.", the program raised a
// live-region change on it after OK (where the system lacks UI Automation
// notifications, as a screen reader in another process sees it) and it
// ended with status 0; 1 otherwise, with the reason on standard error. Used to
// check the program the installer put on disk. With --long-input it then
// sets 1 MB of "A" into the input box with WM_SETTEXT, as another program
// may, and presses OK again: the program must still run, keep the text and
// "255." and report the too-long input.
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
  if ((search->process == 0 || process == search->process) && IsWindowVisible(window) && std::strcmp(title, "Radixel") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The live-region changes the program raises on its output box.
HWND g_output = nullptr;
int g_outputChanges = 0;
void CALLBACK CountLiveChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (hwnd == g_output && object == OBJID_CLIENT && child == CHILDID_SELF) ++g_outputChanges;
}

// Whether the program tells a screen reader its result with a live-region
// change: where Windows has UI Automation notifications, it raises those.
bool AnnouncesWithLiveRegions() {
  const HMODULE uia = LoadLibraryA("uiautomationcore.dll");
  return uia == nullptr || GetProcAddress(uia, "UiaRaiseNotificationEvent") == nullptr;
}

// Waits up to 30 s for the output box's live-region change, handling the
// messages that bring it.
bool SawOutputChange() {
  for (int tries = 0; tries < 300 && g_outputChanges == 0; ++tries) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (g_outputChanges == 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
  }
  return g_outputChanges > 0;
}

int Fail(const char* what) {
  std::fprintf(stderr, "drive_program: %s\n", what);
  return 1;
}

// A message to the other process that gives up after `timeout` ms (a busy
// machine under emulation can take seconds for one).
LRESULT Send(HWND window, UINT message, WPARAM w, LPARAM l, UINT timeout = 30000) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, timeout, &result);
  return static_cast<LRESULT>(result);
}

void PressOk(HWND dialog, UINT timeout = 30000) {
  Send(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)),
       timeout);
}

std::string BoxText(HWND dialog, int id) {
  const HWND box = GetDlgItem(dialog, id);
  std::string text(static_cast<std::size_t>(Send(box, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      Send(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), 60000)));
  return text;
}

// 1 MB set into the input box from outside, then OK.
const char* LongInputFault(HWND dialog, HANDLE process) {
  const std::string text(1 << 20, 'A');
  Send(GetDlgItem(dialog, IDC_INPUT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), 60000);
  PressOk(dialog, 60000);
  DWORD status = 0;
  if (!GetExitCodeProcess(process, &status) || status != STILL_ACTIVE) {
    return "the program ended after 1 MB was set into its input box";
  }
  if (BoxText(dialog, IDC_INPUT) != text) return "the input box lost the 1 MB text";
  if (BoxText(dialog, IDC_OUTPUT) != "255.") return "the output box changed after the 1 MB input";
  if (BoxText(dialog, IDC_ERRORS) != "Number entered larger than 8 digits.") {
    return "the error box does not report the 1 MB input as too long";
  }
  return nullptr;
}

}  // namespace

// Waits up to 30 s for a main window of a process (0: of any process).
HWND WaitForMainWindow(DWORD process) {
  Search search{process, nullptr};
  for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  return search.found;
}

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--wait-window") == 0) {
    return WaitForMainWindow(0) ? 0 : Fail("no window titled \"Radixel\" appeared");
  }
  if (argc == 2 && std::strcmp(argv[1], "--exit") == 0) {
    const HWND dialog = WaitForMainWindow(0);
    DWORD id = 0;
    if (dialog == nullptr || GetWindowThreadProcessId(dialog, &id) == 0) return Fail("no Radixel runs");
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    Send(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    const bool ended = process != nullptr && WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
    return ended ? 0 : Fail("Radixel did not end after Exit");
  }
  const bool longInput = argc == 3 && std::strcmp(argv[2], "--long-input") == 0;
  if (argc != 2 && !longInput) return Fail("usage: drive_program.exe PATH\\radixel.exe [--long-input]");
  std::string command = std::string("\"") + argv[1] + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return Fail("the program did not start");
  }
  WaitForInputIdle(info.hProcess, 30000);
  const HWND dialog = WaitForMainWindow(info.dwProcessId);
  if (dialog == nullptr) {
    TerminateProcess(info.hProcess, 1);
    return Fail("no window titled \"Radixel\" appeared");
  }
  Send(GetDlgItem(dialog, IDC_INPUT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ff"));
  Send(GetDlgItem(dialog, IDC_HEX_TO_DEC), BM_CLICK, 0, 0);
  g_output = GetDlgItem(dialog, IDC_OUTPUT);
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                      CountLiveChange, info.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  PressOk(dialog);
  const std::string output = BoxText(dialog, IDC_OUTPUT);
  std::printf("output box: %s\n", output.c_str());
  const bool announced = !AnnouncesWithLiveRegions() || (hook != nullptr && SawOutputChange());
  if (hook) UnhookWinEvent(hook);
  const char* longInputFault = longInput ? LongInputFault(dialog, info.hProcess) : nullptr;

  Send(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  DWORD status = 1;
  if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 1);
    return Fail("the program did not end after Exit");
  }
  GetExitCodeProcess(info.hProcess, &status);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  if (output != "255.") return Fail("the output box does not show 255.");
  if (!announced) return Fail("no live-region change on the output box after OK");
  if (longInputFault != nullptr) return Fail(longInputFault);
  if (status != 0) return Fail("the program ended with a status other than 0");
  return 0;
}
