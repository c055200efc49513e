// The application and the main dialog's window side on the headless window
// system: start-up and shut-down, the message map's routing, the system
// menu, the icons and the minimised window's painting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/headless/headless_window_system.h"
#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "tests/ui/headless_driver.h"
#include "ui/converter_app.h"

namespace radixel::testing {
namespace {

using platform::HeadlessWindowSystem;

class AppTest : public ::testing::Test {
 protected:
  HeadlessWindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  CConverterApp app_;
};

TEST_F(AppTest, RunsTheMainDialogModallyUntilEscAndEndsWithoutALoopOfItsOwn) {
  std::string output;
  ws_.Queue([&] { ws_.Click(IDC_BIN_TO_DEC); });
  ws_.Queue([&] { ws_.Type(IDC_INPUT, "101"); });
  ws_.Queue([&] { ws_.PressEnter(); });
  ws_.Queue([&] { output = ws_.GetItemText(ws_.ActiveWindow(), IDC_OUTPUT); });
  ws_.Queue([&] { ws_.PressEscape(); });
  EXPECT_EQ(AfxWinMain(), 0);
  EXPECT_EQ(output, "5.");
  ASSERT_EQ(ws_.ModalRuns().size(), 1u);
  EXPECT_EQ(ws_.ModalRuns()[0].templateId, IDD_CONVERTER_DIALOG);
  EXPECT_EQ(ws_.ModalRuns()[0].result, IDCANCEL);
  EXPECT_EQ(ws_.ActiveWindow(), nullptr) << "the main dialog is destroyed";
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST_F(AppTest, SystemMenuCloseEndsTheDialogThroughCancel) {
  ws_.Queue([&] { ws_.ChooseSystemMenuItem(SC_CLOSE); });
  AfxWinMain();
  ASSERT_EQ(ws_.ModalRuns().size(), 1u);
  EXPECT_EQ(ws_.ModalRuns()[0].result, IDCANCEL);
}

TEST_F(AppTest, MainWindowIsCentredAndWaitsWhileABoxIsShown) {
  bool mainEnabledDuringBox = true;
  HWND main = nullptr;
  ws_.Queue([&] {
    main = ws_.ActiveWindow();
    const auto r = ws_.ScreenRect(main);
    // Centred to the pixel: the margins differ by at most one.
    EXPECT_LE(std::abs(r.left - (HeadlessWindowSystem::kScreenWidth - r.right)), 1);
    EXPECT_LE(std::abs(r.top - (HeadlessWindowSystem::kScreenHeight - r.bottom)), 1);
    ws_.ChooseMenuItem(ID_APP_NOTICE);
  });
  ws_.Queue([&] {
    mainEnabledDuringBox = ws_.IsEnabled(main);
    ws_.PressEnter();
  });
  ws_.Queue([&] { EXPECT_TRUE(ws_.IsEnabled(main)); ws_.PressEscape(); });
  AfxWinMain();
  EXPECT_FALSE(mainEnabledDuringBox);
}

TEST_F(AppTest, HelpCommandReachesTheDialogBeforeTheApplication) {
  ws_.Queue([&] { ws_.ChooseMenuItem(ID_HELP); });
  ws_.Queue([&] {
    EXPECT_EQ(ws_.TemplateId(ws_.ActiveWindow()), IDD_HELPBOX);
    // The Help box has no handler of its own: the application's takes it.
    ws_.SendMessage(ws_.ActiveWindow(), WM_COMMAND, ID_HELP, 0);
    ws_.PressEnter();
  });
  ws_.Queue([&] { ws_.PressEscape(); });
  AfxWinMain();
  EXPECT_EQ(app_.m_nHelpRequests, 1);
  ASSERT_EQ(ws_.ModalRuns().size(), 2u);
  EXPECT_EQ(ws_.ModalRuns()[0].templateId, IDD_HELPBOX);
  EXPECT_EQ(ws_.ModalRuns()[0].result, IDOK);
}

class MainDialogTest : public ::testing::Test {
 protected:
  MainDialogTest() { driver_.Open(); }
  HWND window() { return driver_.dialog().m_hWnd; }

  CConverterDlg& dlg() { return driver_.dialog(); }

  HeadlessDriver driver_;
  HeadlessWindowSystem& ws_ = driver_.ws();
};

TEST(MainDialogConstructionTest, ModeIsUnsetAndIconLoadedBeforeTheWindowExists) {
  HeadlessWindowSystem ws;
  const platform::ModuleScope module(ws, res::Module());
  CConverterDlg dlg;
  EXPECT_EQ(dlg.m_nMode, -1);
  EXPECT_EQ(dlg.m_strInput, "");
  EXPECT_EQ(ws.IconResourceId(dlg.m_hIcon), IDR_MAINFRAME);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(MainDialogTest, InitialisationSetsBothIconsAndModeZero) {
  EXPECT_EQ(dlg().m_nMode, MODE_HEX_TO_DEC);
  EXPECT_EQ(ws_.Icon(window(), true), dlg().m_hIcon);
  EXPECT_EQ(ws_.Icon(window(), false), dlg().m_hIcon);
  EXPECT_EQ(ws_.SendMessage(window(), WM_QUERYDRAGICON, 0, 0),
            reinterpret_cast<LRESULT>(dlg().m_hIcon));
}

TEST_F(MainDialogTest, RadioClickSetsTheModeWithoutDataExchange) {
  ws_.Type(IDC_INPUT, "ff");
  for (int mode = MODE_BIN_TO_DEC; mode >= MODE_HEX_TO_DEC; --mode) {
    ws_.Click(IDC_HEX_TO_DEC + mode);
    EXPECT_EQ(dlg().m_nMode, mode);
  }
  EXPECT_EQ(dlg().m_strInput, "") << "the input box is read only by OK";
}

// The radio group's check marks however they are set: a click, one mark
// at a time (two buttons checked at once, none checked) or the group at
// once, each after the window checked "Hex to Dec".
TEST_F(MainDialogTest, RadioGroupChecksStayTrueWhateverSetsThem) {
  using Step = std::function<void(HeadlessWindowSystem&, HWND)>;
  const auto check = [](int id, bool on) -> Step {
    return [=](HeadlessWindowSystem& ws, HWND w) { ws.CheckItem(w, id, on); };
  };
  const auto click = [](int id) -> Step {
    return [=](HeadlessWindowSystem& ws, HWND) { ws.Click(id); };
  };
  const auto setGroup = [](int id) -> Step {
    return [=](HeadlessWindowSystem& ws, HWND w) {
      ws.CheckRadioButton(w, IDC_HEX_TO_DEC, IDC_BIN_TO_DEC, id);
    };
  };
  const auto exchange = [this](int mode) -> Step {
    return [=, this](HeadlessWindowSystem&, HWND) {
      dlg().m_nMode = mode;
      dlg().UpdateData(FALSE);
    };
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> checked;
  };
  const Case cases[] = {
      {"SecondMark", {check(IDC_DEC_TO_BIN, true)}, {IDC_HEX_TO_DEC, IDC_DEC_TO_BIN}},
      {"ClickAfterTwoMarks", {check(IDC_DEC_TO_BIN, true), click(IDC_DEC_TO_HEX)}, {IDC_DEC_TO_HEX}},
      {"GroupAfterTwoMarks", {check(IDC_DEC_TO_BIN, true), setGroup(IDC_BIN_TO_HEX)}, {IDC_BIN_TO_HEX}},
      {"MarkCleared", {check(IDC_HEX_TO_DEC, false)}, {}},
      {"MarkMoved", {check(IDC_HEX_TO_DEC, false), check(IDC_HEX_TO_BIN, true)}, {IDC_HEX_TO_BIN}},
      {"GroupCleared", {setGroup(0)}, {}},
      {"ClickAfterGroupCleared", {setGroup(0), click(IDC_BIN_TO_DEC)}, {IDC_BIN_TO_DEC}},
      {"ExchangeAfterTwoMarks",
       {check(IDC_DEC_TO_BIN, true), exchange(MODE_BIN_TO_DEC)},
       {IDC_BIN_TO_DEC}},
      {"ExchangeOfNoMode", {exchange(MODE_BIN_TO_DEC + 1)}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setGroup(IDC_HEX_TO_DEC)(ws_, window());
    for (const Step& step : c.steps) step(ws_, window());
    std::vector<int> checked;
    for (int id = IDC_HEX_TO_DEC; id <= IDC_BIN_TO_DEC; ++id) {
      if (ws_.IsItemChecked(window(), id)) checked.push_back(id);
    }
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(ws_.CheckedRadioButton(window(), IDC_HEX_TO_DEC, IDC_BIN_TO_DEC),
              c.checked.empty() ? 0 : c.checked.front());
    dlg().UpdateData(TRUE);
    EXPECT_EQ(dlg().m_nMode, c.checked.empty() ? -1 : c.checked.front() - IDC_HEX_TO_DEC);
  }
}

TEST_F(MainDialogTest, SystemCommandsOtherThanAboutKeepTheirUsualEffect) {
  ASSERT_TRUE(ws_.ChooseSystemMenuItem(SC_MOVE));
  ASSERT_TRUE(ws_.ChooseSystemMenuItem(SC_MINIMIZE));
  EXPECT_TRUE(ws_.IsIconic(window()));
  ASSERT_TRUE(ws_.ChooseSystemMenuItem(SC_RESTORE));
  EXPECT_FALSE(ws_.IsIconic(window()));
  const std::vector<std::uint32_t> expected = {SC_MOVE, SC_MINIMIZE, SC_RESTORE};
  EXPECT_EQ(ws_.DefaultSystemCommands(), expected);
  EXPECT_TRUE(ws_.ModalRuns().empty());
}

TEST_F(MainDialogTest, PaintDrawsNothingOfItsOwnWhileTheWindowIsOpen) {
  ws_.Paint();
  EXPECT_TRUE(ws_.Drawings(window()).empty());
  EXPECT_EQ(ws_.IconEraseCount(window()), 0);
}

// The icon lands at ((w - iw + 1) / 2, (h - ih + 1) / 2), truncated toward zero.
struct IconicCase {
  int width, height, x, y;
};

TEST_F(MainDialogTest, MinimisedPaintCentresTheIconWithTruncatingRounding) {
  const IconicCase cases[] = {{36, 36, 2, 2}, {33, 40, 1, 4}, {32, 32, 0, 0},
                              {31, 34, 0, 1}, {30, 29, 0, -1}, {27, 20, -2, -5}};
  ws_.ChooseSystemMenuItem(SC_MINIMIZE);
  for (const IconicCase& c : cases) {
    ws_.SetIconicClientSize(c.width, c.height);
    ws_.Paint();
    ASSERT_FALSE(ws_.Drawings(window()).empty());
    const auto& drawn = ws_.Drawings(window()).back();
    EXPECT_EQ(drawn.x, c.x) << c.width << "x" << c.height;
    EXPECT_EQ(drawn.y, c.y) << c.width << "x" << c.height;
    EXPECT_EQ(drawn.icon, dlg().m_hIcon);
  }
  EXPECT_EQ(ws_.IconEraseCount(window()), 6);
}

}  // namespace
}  // namespace radixel::testing
