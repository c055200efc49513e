#include "tests/person/person_cases.h"

#include <cstdlib>

#include "platform/win_types.h"
#include "res/resource_ids.h"

namespace radixel::testing {
namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr std::uint32_t kScMinimize = 0xF020;

TEST_P(PersonCases, StartsWithHexToDecCheckedEmptyBoxesAndFocusOnOk) {
  EXPECT_TRUE(person().IsChecked(IDC_HEX_TO_DEC));
  for (int id = IDC_HEX_TO_BIN; id <= IDC_BIN_TO_DEC; ++id) EXPECT_FALSE(person().IsChecked(id)) << id;
  EXPECT_EQ(person().Text(IDC_INPUT), "");
  EXPECT_EQ(person().Text(IDC_OUTPUT), "");
  EXPECT_EQ(person().Text(IDC_ERRORS), "");
  EXPECT_EQ(person().FocusId(), kIdOk);
}

struct Row {
  const char* name;
  int radio;
  const char* input;
  const char* inputBox;
  const char* output;
  const char* errors;
};

// One or two rows a mode: the engine's own suite covers the conversions.
constexpr Row kRows[] = {
    {"HexToDec", IDC_HEX_TO_DEC, "ff", "FF", "255.", ""},
    {"HexToBin", IDC_HEX_TO_BIN, "ff", "FF", "11111111", ""},
    {"HexToBinOutOfRange", IDC_HEX_TO_BIN, "100", "100", "00000000", "Enter number less than 255 Decimal."},
    {"DecToHexTooLong", IDC_DEC_TO_HEX, "123456789", "123456789", "75BCD15", "Number entered larger than 8 digits."},
    {"DecToBin", IDC_DEC_TO_BIN, "5", "5", "00000101", ""},
    {"BinToHex", IDC_BIN_TO_HEX, "110", "110", "6", ""},
    {"BinToDec", IDC_BIN_TO_DEC, "101", "101", "5.", ""},
    {"BinToDecIllegal", IDC_BIN_TO_DEC, "102", "102", "201", "Your entered an illegal char."},
};

// What a screen reader hears after OK: the output after its label, then the
// message when there is one.
std::vector<std::string> Told(const char* output, const char* errors) {
  std::vector<std::string> told = {std::string("Output ") + output};
  if (*errors != '\0') told.emplace_back(errors);
  return told;
}

TEST_P(PersonCases, OkConvertsInEveryModeAndKeepsTheWindowOpen) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    person().Type(IDC_INPUT, row.input);
    person().Click(row.radio);
    person().Click(kIdOk);
    EXPECT_EQ(person().Text(IDC_INPUT), row.inputBox);
    EXPECT_EQ(person().Text(IDC_OUTPUT), row.output);
    EXPECT_EQ(person().Text(IDC_ERRORS), row.errors);
    EXPECT_TRUE(person().IsChecked(row.radio));
    EXPECT_FALSE(person().HasEnded(nullptr));
    if (const auto said = person().Announced()) {
      EXPECT_EQ(*said, Told(row.output, row.errors));
    }
  }
}

TEST_P(PersonCases, EnterConvertsLikeOk) {
  person().Click(IDC_BIN_TO_DEC);
  person().Type(IDC_INPUT, "101");
  person().PressEnter();
  EXPECT_EQ(person().Text(IDC_OUTPUT), "5.");
  if (const auto said = person().Announced()) {
    EXPECT_EQ(*said, Told("5.", ""));
  }
  EXPECT_FALSE(person().HasEnded(nullptr));
}

// The dialog hears of a person's edit, never of its own writes into the
// boxes (OK rewrites all three, the input upper-cased).
TEST_P(PersonCases, OnlyAPersonsEditSendsTheChangeNotification) {
  person().Type(IDC_INPUT, "ff");
  const int typed = person().ChangeNotifications(IDC_INPUT);
  EXPECT_GT(typed, 0);
  person().Click(IDC_HEX_TO_BIN);
  person().Click(kIdOk);
  EXPECT_EQ(person().Text(IDC_INPUT), "FF");
  EXPECT_EQ(person().Text(IDC_OUTPUT), "11111111");
  EXPECT_EQ(person().ChangeNotifications(IDC_INPUT), typed);
  EXPECT_EQ(person().ChangeNotifications(IDC_OUTPUT), 0);
  EXPECT_EQ(person().ChangeNotifications(IDC_ERRORS), 0);
}

// Tab goes OK, Exit, Input, Output, the mode group (one stop, at its
// checked button), Error Messages and round again.
TEST_P(PersonCases, TabVisitsEachBoxButtonAndTheModeGroupOnce) {
  constexpr int kOrder[] = {kIdCancel, IDC_INPUT, IDC_OUTPUT, IDC_HEX_TO_DEC, IDC_ERRORS, kIdOk};
  for (const int id : kOrder) {
    person().Press(PersonDriver::Key::kTab);
    EXPECT_EQ(person().FocusId(), id);
  }
}

// Every mode from the keyboard alone: Tab from the input box to the group,
// the arrow keys to the mode (checking each button they land on), Enter.
TEST_P(PersonCases, KeyboardAloneReachesEveryModeAndConverts) {
  struct KeyRow {
    const char* name;
    int from;   // the checked button, where Tab enters the group
    int moves;  // arrow presses: down when positive, up when negative
    int radio;
    const char* input;
    const char* output;
  };
  constexpr KeyRow kKeyRows[] = {
      {"HexToDec", IDC_HEX_TO_DEC, 0, IDC_HEX_TO_DEC, "ff", "255."},
      {"DecToHex", IDC_HEX_TO_DEC, 2, IDC_DEC_TO_HEX, "255", "FF"},
      {"DecToBin", IDC_DEC_TO_HEX, 1, IDC_DEC_TO_BIN, "5", "00000101"},
      {"BinToDec", IDC_DEC_TO_BIN, 2, IDC_BIN_TO_DEC, "101", "5."},
      {"BinToHex", IDC_BIN_TO_DEC, -1, IDC_BIN_TO_HEX, "110", "6"},
      {"HexToBin", IDC_BIN_TO_HEX, -3, IDC_HEX_TO_BIN, "ff", "11111111"},
  };
  using Key = PersonDriver::Key;
  for (const KeyRow& row : kKeyRows) {
    SCOPED_TRACE(row.name);
    person().Type(IDC_INPUT, row.input);
    person().Press(Key::kTab);
    person().Press(Key::kTab);
    EXPECT_EQ(person().FocusId(), row.from);
    for (int i = 0; i < std::abs(row.moves); ++i) person().Press(row.moves > 0 ? Key::kDown : Key::kUp);
    EXPECT_EQ(person().FocusId(), row.radio);
    EXPECT_TRUE(person().IsChecked(row.radio));
    person().Press(Key::kEnter);
    EXPECT_EQ(person().Text(IDC_OUTPUT), row.output);
    EXPECT_FALSE(person().HasEnded(nullptr));
  }
}

TEST_P(PersonCases, CleanRunEmptiesTheErrorBoxAndIllegalInputKeepsTheOldOutput) {
  person().Click(IDC_DEC_TO_HEX);
  person().Type(IDC_INPUT, "255");
  person().Click(kIdOk);
  person().Type(IDC_INPUT, "-5");
  person().Click(kIdOk);
  EXPECT_EQ(person().Text(IDC_OUTPUT), "FF");
  EXPECT_EQ(person().Text(IDC_ERRORS), "Your entered an illegal char.");
  person().Type(IDC_INPUT, "16");
  person().Click(kIdOk);
  EXPECT_EQ(person().Text(IDC_OUTPUT), "10");
  EXPECT_EQ(person().Text(IDC_ERRORS), "");
}

TEST_P(PersonCases, ExitEndsTheDialogWithCancel) {
  person().Click(kIdCancel);
  std::intptr_t result = 0;
  ASSERT_TRUE(person().HasEnded(&result));
  EXPECT_EQ(result, kIdCancel);
}

TEST_P(PersonCases, EscEndsTheDialogWithCancel) {
  person().PressEscape();
  std::intptr_t result = 0;
  ASSERT_TRUE(person().HasEnded(&result));
  EXPECT_EQ(result, kIdCancel);
}

TEST_P(PersonCases, MenuBarHoldsTwoPlainItems) {
  const std::vector<MenuLine> expected = {{ID_APP_NOTICE, "About Radixel"}, {ID_HELP, "Help!"}};
  EXPECT_EQ(person().MenuBar(), expected);
}

TEST_P(PersonCases, MenuBarItemsOpenTheNoticeAndHelpBoxesEveryTime) {
  for (int i = 0; i < 2; ++i) {
    const BoxSeen notice = person().ChooseMenuItem(ID_APP_NOTICE);
    EXPECT_EQ(notice.templateId, IDD_NOTICEBOX);
    EXPECT_EQ(notice.caption, "About Radixel");
  }
  const BoxSeen help = person().ChooseMenuItem(ID_HELP);
  EXPECT_EQ(help.templateId, IDD_HELPBOX);
  EXPECT_EQ(help.caption, "Help!");
  EXPECT_FALSE(person().HasEnded(nullptr));
}

TEST_P(PersonCases, SystemMenuEndsWithSeparatorAndAboutEntry) {
  const std::vector<MenuLine> menu = person().SystemMenu();
  ASSERT_GE(menu.size(), 2u);
  EXPECT_EQ(menu[menu.size() - 2].id, 0u);
  EXPECT_EQ(menu.back(), (MenuLine{IDM_ABOUTBOX, "&About Radixel..."}));
}

TEST_P(PersonCases, SystemMenuAboutOpensTheVersionBox) {
  const BoxSeen box = person().ChooseSystemMenuItem(IDM_ABOUTBOX);
  EXPECT_EQ(box.templateId, IDD_VERSIONBOX);
  EXPECT_EQ(box.caption, "About Radixel");
  EXPECT_FALSE(person().HasEnded(nullptr));
}

TEST_P(PersonCases, OtherSystemCommandsKeepTheirUsualEffect) {
  const BoxSeen box = person().ChooseSystemMenuItem(kScMinimize);
  EXPECT_EQ(box.templateId, 0);
  EXPECT_FALSE(person().HasEnded(nullptr));
}

TEST_P(PersonCases, BoxesLeaveTheRecordUntouched) {
  person().Click(IDC_HEX_TO_BIN);
  person().Type(IDC_INPUT, "ff");
  person().Click(kIdOk);
  person().ChooseMenuItem(ID_APP_NOTICE);
  person().ChooseMenuItem(ID_HELP);
  EXPECT_EQ(person().Text(IDC_INPUT), "FF");
  EXPECT_EQ(person().Text(IDC_OUTPUT), "11111111");
  EXPECT_TRUE(person().IsChecked(IDC_HEX_TO_BIN));
}

}  // namespace
}  // namespace radixel::testing
