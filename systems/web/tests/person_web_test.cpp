// The person-level cases on the page in a headless Chromium, once through
// the DOM, once through the accessibility tree alone, once on a phone, and what only the
// page does: starting the dialog again once it has ended. One browser
// serves the whole program; a machine where it cannot start skips it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/win_types.h"
#include "res/resource_ids.h"
#include "systems/web/tests/web_driver.h"
#include "tests/person/person_cases.h"

INSTANTIATE_PERSON_CASES(Dom, [] {
  return std::make_unique<radixel::testing::WebDriver>(radixel::testing::WebDriver::Finder::kDom);
})
INSTANTIATE_PERSON_CASES(Accessibility, [] {
  return std::make_unique<radixel::testing::WebDriver>(radixel::testing::WebDriver::Finder::kAccessibility);
})
// A phone in the dark: a touch screen narrower than the dialog, where every
// click is a tap.
INSTANTIATE_PERSON_CASES(Phone, [] {
  return std::make_unique<radixel::testing::WebDriver>(radixel::testing::WebDriver::Finder::kDom,
                                                       radixel::testing::WebDriver::Screen{"360", "640", "touch", "dark"});
})

namespace radixel::testing {
namespace {

TEST(PageTest, EndedDialogStartsAgainWithAFreshApplication) {
  WebDriver person(WebDriver::Finder::kAccessibility);
  person.Open();
  person.Click(IDC_HEX_TO_BIN);
  person.Type(IDC_INPUT, "ff");
  person.PressEnter();
  person.PressEscape();
  ASSERT_TRUE(person.HasEnded(nullptr));

  person.StartAgain();
  EXPECT_FALSE(person.HasEnded(nullptr));
  EXPECT_TRUE(person.IsChecked(IDC_HEX_TO_DEC));
  EXPECT_FALSE(person.IsChecked(IDC_HEX_TO_BIN));
  EXPECT_EQ(person.Text(IDC_INPUT), "");
  EXPECT_EQ(person.Text(IDC_OUTPUT), "");
  EXPECT_EQ(person.FocusId(), IDOK);
}

// A copy saved by the browser ("save page as", complete) holds the live
// DOM, here with a result shown and the Help box open: it opens with no
// breach of its security policy, as one dialog that converts.
TEST(PageTest, SavedCopyOpensAsOneWorkingDialog) {
  WebDriver person(WebDriver::Finder::kDom);
  person.Open();
  person.Type(IDC_INPUT, "ff");
  person.PressEnter();
  PageSession::Call({"click", "css:.rx-menubar [data-id=\"" + std::to_string(ID_HELP) + "\"]"});
  EXPECT_EQ(PageSession::Call({"save"}), std::vector<std::string>{"1"});
  EXPECT_EQ(person.Text(IDC_INPUT), "");
  person.Type(IDC_INPUT, "1f4");
  person.PressEnter();
  EXPECT_EQ(person.Text(IDC_OUTPUT), "500.");
}

TEST(PageTest, EveryTextShowsWholeInTheDialogAndItsBoxes) {
  WebDriver person(WebDriver::Finder::kDom);
  person.Open();
  EXPECT_EQ(person.ClippedTexts(), std::vector<std::string>{});
  EXPECT_EQ(person.ClippedTexts(ID_APP_NOTICE), std::vector<std::string>{});
  EXPECT_EQ(person.ClippedTexts(ID_HELP), std::vector<std::string>{});
}

// A phone: the dialog, and the Help box above it, fit the screen whole,
// the page does not scroll sideways, every text shows whole, a finger has a
// target of 24 x 24 px on every button and radio button, and a tap converts.
TEST(PageTest, PhoneScreensShowEverythingAndConvert) {
  struct Row {
    const char* width;
    const char* scheme;
  };
  // In the order that starts Firefox anew the fewest times (one scheme after the other).
  constexpr Row kScreens[] = {{"320", "light"}, {"390", "light"}, {"360", "dark"}};
  for (const Row& row : kScreens) {
    SCOPED_TRACE(row.width);
    WebDriver person(WebDriver::Finder::kDom, WebDriver::Screen{row.width, "640", "touch", row.scheme});
    person.Open();
    EXPECT_EQ(PageSession::Call({"outside"}), std::vector<std::string>{});
    EXPECT_EQ(PageSession::Call({"targets"}), std::vector<std::string>{});
    EXPECT_EQ(PageSession::Call({"clipped"}), std::vector<std::string>{});
    person.Click(IDC_DEC_TO_BIN);
    person.Type(IDC_INPUT, "255");
    person.Click(IDOK);
    EXPECT_EQ(person.Text(IDC_OUTPUT), "11111111");
    PageSession::Call({"click", "css:.rx-menubar [data-id=\"" + std::to_string(ID_HELP) + "\"]"});
    EXPECT_EQ(PageSession::Call({"outside"}), std::vector<std::string>{});
    EXPECT_EQ(PageSession::Call({"clipped"}), std::vector<std::string>{});
    PageSession::Call({"click", "css:dialog[open] [data-id=\"1\"]"});
  }
}

// axe-core, in the light and the dark scheme and (where the engine emulates
// them: Chromium) in forced colours, on the dialog alone and with each of
// its boxes open above it.
TEST(PageTest, AxeFindsNothingOnTheDialogOrItsBoxesLightOrDark) {
  const char* engine = std::getenv("RADIXEL_WEB_ENGINE");
  const bool emulatesForcedColours = engine == nullptr || std::string_view(engine) == "chromium";
  for (const char* scheme : {"dark", "light", "forced"}) {
    if (std::string_view(scheme) == "forced" && !emulatesForcedColours) continue;
    SCOPED_TRACE(scheme);
    WebDriver person(WebDriver::Finder::kDom, WebDriver::Screen{"800", "600", "mouse", scheme});
    person.Open();
    EXPECT_EQ(PageSession::Call({"axe"}), std::vector<std::string>{});
    for (const std::string& opener : {"css:.rx-menubar [data-id=\"" + std::to_string(ID_APP_NOTICE) + "\"]",
                                     "css:.rx-menubar [data-id=\"" + std::to_string(ID_HELP) + "\"]"}) {
      PageSession::Call({"click", opener});
      EXPECT_EQ(PageSession::Call({"axe"}), std::vector<std::string>{}) << opener;
      PageSession::Call({"click", "css:dialog[open] [data-id=\"1\"]"});
    }
    PageSession::Call({"key", "AltSpace"});
    PageSession::Call({"click", "css:.rx-sysmenu [data-id=\"" + std::to_string(IDM_ABOUTBOX) + "\"]"});
    EXPECT_EQ(PageSession::Call({"axe"}), std::vector<std::string>{}) << "version box";
    PageSession::Call({"click", "css:dialog[open] [data-id=\"1\"]"});
  }
}

}  // namespace
}  // namespace radixel::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string unavailable = radixel::testing::PageSession::Unavailable();
  if (!unavailable.empty()) {
    std::printf("skipped: the browser cannot start here (%s)\n", unavailable.c_str());
    radixel::testing::PageSession::End();
    return 77;
  }
  const int status = RUN_ALL_TESTS();
  radixel::testing::PageSession::End();
  return status;
}
