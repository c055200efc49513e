// What only the real Windows dialog manager shows: the system menu as
// USER32 holds it, Enter and Esc through IsDialogMessage, the centring of
// the window, the icons, what a screen reader is told after OK, the modal
// loop, and the application's start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "res/resource_ids.h"
#include "systems/win32/tests/win32_driver.h"

// After the project's headers: <windows.h> renames SendMessage, which the
// window-system class declares.
#include <windows.h>

#include "systems/win32/lib/label_fit.h"
#include "systems/win32/lib/press_announcement.h"

namespace radixel::testing {
namespace {

HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

class Win32WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { driver_.Open(); }
  HWND Main() const { return ToHwnd(driver_.Window()); }

  Win32Driver driver_;
};

TEST_F(Win32WindowTest, SystemMenuEndsWithSeparatorThenAboutEntry) {
  HMENU menu = GetSystemMenu(Main(), FALSE);
  ASSERT_NE(menu, nullptr);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 3);
  EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);
  char text[64] = {};
  EXPECT_EQ(GetMenuStringA(menu, static_cast<UINT>(count - 1), text, sizeof text, MF_BYPOSITION), 17);
  EXPECT_STREQ(text, "&About Radixel...");
  EXPECT_EQ(GetMenuItemID(menu, count - 1), IDM_ABOUTBOX);
  // The standard entries stay in front of them.
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_NE(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST_F(Win32WindowTest, EnterInTheInputBoxIsTheDialogManagersOk) {
  driver_.Type(IDC_INPUT, "ff");
  driver_.PressKey(IDC_INPUT, VK_RETURN);
  EXPECT_EQ(driver_.Text(IDC_OUTPUT), "255.");
  EXPECT_FALSE(driver_.HasEnded(nullptr));
}

TEST_F(Win32WindowTest, EnterWithoutTheDialogManagerDoesNotConvert) {
  // The edit box itself ignores Enter: the conversion comes from
  // IsDialogMessage turning the key into the default button's command.
  driver_.Type(IDC_INPUT, "ff");
  HWND edit = GetDlgItem(Main(), IDC_INPUT);
  SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
  SendMessageA(edit, WM_CHAR, '\r', 1);
  EXPECT_EQ(driver_.Text(IDC_OUTPUT), "");
}

TEST_F(Win32WindowTest, EscInTheInputBoxIsTheDialogManagersCancel) {
  driver_.PressKey(IDC_INPUT, VK_ESCAPE);
  std::intptr_t result = 0;
  ASSERT_TRUE(driver_.HasEnded(&result));
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(Win32WindowTest, CloseFromTheSystemMenuIsCancel) {
  SendMessageA(Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  driver_.Pump();
  std::intptr_t result = 0;
  ASSERT_TRUE(driver_.HasEnded(&result));
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(Win32WindowTest, WindowIsCentredInTheWorkArea) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT window{};
  GetWindowRect(Main(), &window);
  EXPECT_NEAR((window.left + window.right) / 2.0, (work.left + work.right) / 2.0, 1.0);
  EXPECT_NEAR((window.top + window.bottom) / 2.0, (work.top + work.bottom) / 2.0, 1.0);
}

TEST_F(Win32WindowTest, WindowShowsTheProgramIconLargeAndSmall) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main(), WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main(), WM_GETICON, ICON_SMALL, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Main(), WM_QUERYDRAGICON, 0, 0)), icon);
}

TEST_F(Win32WindowTest, MinimisedWindowPaintsAndRestores) {
  SendMessageA(Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  driver_.Pump();
  ASSERT_TRUE(IsIconic(Main()));
  // The iconic paint draws the icon through BeginPaint and DrawIcon.
  InvalidateRect(Main(), nullptr, TRUE);
  SendMessageA(Main(), WM_PAINT, 0, 0);
  driver_.Pump();
  SendMessageA(Main(), WM_SYSCOMMAND, SC_RESTORE, 0);
  driver_.Pump();
  EXPECT_FALSE(IsIconic(Main()));
  EXPECT_FALSE(driver_.HasEnded(nullptr));
}

TEST_F(Win32WindowTest, TextsPassThroughTheAnsiControlsUnchanged) {
  // Single-byte text: bytes above 127 come back as they went in.
  driver_.ws().SetItemText(driver_.Window(), IDC_ERRORS, "caf\xE9 \xFF!");
  EXPECT_EQ(driver_.ws().GetItemText(driver_.Window(), IDC_ERRORS), "caf\xE9 \xFF!");
  const std::string long_text(5000, '7');
  driver_.ws().SetItemText(driver_.Window(), IDC_OUTPUT, long_text);
  EXPECT_EQ(driver_.ws().GetItemText(driver_.Window(), IDC_OUTPUT), long_text);
}

// --- What a screen reader is told after OK ----------------------------------

// The live-region changes raised in this process, in order: box and
// object, the object counted only for the box itself (CHILDID_SELF).
std::vector<std::pair<HWND, LONG>> g_liveChanges;
void CALLBACK RecordLiveChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD,
                               DWORD) {
  g_liveChanges.emplace_back(hwnd, child == CHILDID_SELF ? object : 0);
}

TEST_F(Win32WindowTest, EveryOkRaisesALiveRegionChangeOnTheOutputThenTheMessage) {
  if (platform::UiaNotifications::FromSystem().raise != nullptr) {
    GTEST_SKIP() << "this system raises UI Automation notifications instead";
  }
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED,
                                       nullptr, RecordLiveChange, GetCurrentProcessId(), 0,
                                       WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const std::pair output{GetDlgItem(Main(), IDC_OUTPUT), LONG{OBJID_CLIENT}};
  const std::pair message{GetDlgItem(Main(), IDC_ERRORS), LONG{OBJID_CLIENT}};
  const struct {
    const char* input;
    bool enter;  // Enter in the input box, or a click on OK
    std::vector<std::pair<HWND, LONG>> raised;
  } presses[] = {
      {"ff", false, {output}},
      {"zz", true, {output, message}},
      {"1", true, {output}},  // the message box emptied: nothing to read there
  };
  for (const auto& press : presses) {
    g_liveChanges.clear();
    driver_.Type(IDC_INPUT, press.input);
    if (press.enter) {
      driver_.PressEnter();
    } else {
      driver_.Click(IDOK);
    }
    driver_.Pump();
    EXPECT_EQ(g_liveChanges, press.raised) << press.input << (press.enter ? " Enter" : " OK");
  }
  // OK in the version box closes it and says nothing.
  g_liveChanges.clear();
  EXPECT_EQ(driver_.ChooseSystemMenuItem(IDM_ABOUTBOX).templateId, IDD_VERSIONBOX);
  driver_.Pump();
  EXPECT_TRUE(g_liveChanges.empty());
  UnhookWinEvent(hook);
}

// UI Automation as Windows 10 and later have it, stood in for: each
// notification as "box kind/processing text (activity)", and every
// provider released.
struct FakeUia {
  struct Provider final : IUnknown {
    explicit Provider(HWND b) : box(b) { ++alive; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override {
      --alive;
      delete this;
      return 0;
    }
    HWND box;
  };
  static inline int alive = 0;
  static inline std::vector<std::wstring> raised;
  static HRESULT WINAPI Host(HWND hwnd, IUnknown** provider) {
    *provider = new Provider(hwnd);
    return S_OK;
  }
  static HRESULT WINAPI Raise(IUnknown* provider, int kind, int processing, BSTR text, BSTR activity) {
    const int id = GetDlgCtrlID(static_cast<Provider*>(provider)->box);
    raised.push_back(std::wstring(id == IDC_OUTPUT ? L"output " : id == IDC_ERRORS ? L"message " : L"? ") +
                     std::to_wstring(kind) + L"/" + std::to_wstring(processing) + L" " + text + L" (" +
                     activity + L")");
    return S_OK;
  }
};

TEST_F(Win32WindowTest, OkNotifiesTheOutputWithItsLabelThenTheMessage) {
  const struct {
    const char* input;
    std::vector<std::wstring> raised;
  } presses[] = {
      {"ff", {L"output 2/1 Output 11111111 (Radixel.Output)"}},
      {"fz", {L"output 2/1 Output 240. (Radixel.Output)",
              L"message 2/0 Your entered an illegal char. (Radixel.Message)"}},
  };
  platform::PressAnnouncement announcement({FakeUia::Host, FakeUia::Raise});
  driver_.Click(IDC_HEX_TO_BIN);
  for (const auto& press : presses) {
    driver_.Type(IDC_INPUT, press.input);
    driver_.PressEnter();
    FakeUia::raised.clear();
    announcement.Announce(Main());
    EXPECT_EQ(FakeUia::raised, press.raised) << press.input;
  }
  EXPECT_EQ(FakeUia::alive, 0);
}

// --- The modal loop and the application start ------------------------------

// Posts keys into whatever dialog is active once its modal loop runs.
struct ModalScript {
  static inline int step = 0;
  static inline char output[64] = {};
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetActiveWindow();
    if (dialog == nullptr) return;
    HWND input = GetDlgItem(dialog, IDC_INPUT);
    if (input == nullptr) return;
    const LPARAM once = 1;
    switch (step++) {
      case 0:
        SetFocus(input);
        PostMessageA(input, WM_CHAR, 'f', once);
        PostMessageA(input, WM_CHAR, 'f', once);
        PostMessageA(input, WM_KEYDOWN, VK_RETURN, once);
        break;
      case 1:
        GetDlgItemTextA(dialog, IDC_OUTPUT, output, sizeof output);
        PostMessageA(input, WM_KEYDOWN, VK_ESCAPE, once);
        KillTimer(nullptr, timer);
        break;
    }
  }
};

TEST(Win32ModalTest, EnterConvertsAndEscEndsTheModalLoopWithCancel) {
  platform::Win32WindowSystem ws;
  const platform::ModuleScope module(ws, res::Module());
  ModalScript::step = 0;
  SetTimer(nullptr, 0, 50, ModalScript::Tick);
  EXPECT_EQ(RunConverterModal(), IDCANCEL);
  EXPECT_STREQ(ModalScript::output, "255.");
}

TEST(Win32ModalTest, ApplicationRunsTheMainDialogAndEnds) {
  platform::Win32WindowSystem ws;
  const platform::ModuleScope module(ws, res::Module());
  ModalScript::step = 0;
  ModalScript::output[0] = '\0';
  SetTimer(nullptr, 0, 50, ModalScript::Tick);
  EXPECT_EQ(RunApplication(), 0);
  EXPECT_STREQ(ModalScript::output, "255.");
}

// Every label of every dialog shows its whole text with the fonts this
// machine has: none is shorter than its wrapped text.
TEST(Win32LabelTest, EveryLabelShowsItsWholeText) {
  struct QuietSink final : platform::MessageSink {
    void OnAttach(platform::WindowHandle) override {}
    std::intptr_t OnMessage(std::uint32_t message, std::uintptr_t, std::intptr_t) override {
      return message == WM_INITDIALOG ? 1 : 0;
    }
  } sink;
  // Run at another screen DPI, the test first makes sure the screen has it.
  if (const char* dpi = std::getenv("RADIXEL_WINE_DPI")) {
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), std::atoi(dpi));
    ReleaseDC(nullptr, screen);
  }
  platform::Win32WindowSystem ws;
  const platform::ModuleScope module(ws, res::Module());
  for (const platform::DialogTemplate& d : res::Module().dialogs) {
    const platform::WindowHandle window = ws.CreateDialogWindow(d, nullptr, sink);
    ASSERT_NE(window, nullptr) << d.id;
    for (HWND c = GetWindow(ToHwnd(window), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[16] = {};
      GetClassNameA(c, cls, sizeof cls);
      if (lstrcmpiA(cls, "Static") != 0 || (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
      RECT client;
      GetClientRect(c, &client);
      char text[64] = {};
      GetWindowTextA(c, text, sizeof text);
      EXPECT_LE(platform::LabelTextHeight(c), client.bottom) << "dialog " << d.id << ": " << text;
    }
    ws.DestroyWindow(window);
  }
}

}  // namespace
}  // namespace radixel::testing
