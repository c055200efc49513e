// The DOM side of the browser window system (dom_window_system.js) spells
// the dialog manager's message numbers, codes and style bits out again in
// JavaScript. Each one is checked here against the definition the C++ side
// uses, so that neither can drift from the other.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "platform/messages.h"
#include "platform/resources.h"

namespace radixel::platform {
namespace {

// The constants block of the page's $RadixelDom object: NAME: value pairs.
std::map<std::string, std::uint32_t> PageConstants() {
  std::ifstream file(RADIXEL_DOM_LIBRARY);
  std::stringstream text;
  text << file.rdbuf();
  const std::string source = text.str();
  const auto begin = source.find("// Message numbers, codes and style bits");
  const auto end = source.find("// --- The event queue", begin);
  EXPECT_NE(begin, std::string::npos) << RADIXEL_DOM_LIBRARY;
  std::map<std::string, std::uint32_t> found;
  if (begin == std::string::npos || end == std::string::npos) return found;
  const std::string block = source.substr(begin, end - begin);
  const std::regex pair(R"(\b([A-Z][A-Z0-9_]*):\s*(0x[0-9A-Fa-f]+|[0-9]+))");
  for (std::sregex_iterator it(block.begin(), block.end(), pair), last; it != last; ++it) {
    found[(*it)[1]] = static_cast<std::uint32_t>(std::stoul((*it)[2], nullptr, 0));
  }
  return found;
}

TEST(DomConstantsTest, EachMatchesTheSharedDefinition) {
  using namespace style;
  const std::map<std::string, std::uint32_t> shared = {
      {"WM_COMMAND", msg::kCommand},       {"WM_SYSCOMMAND", msg::kSysCommand},
      {"BN_CLICKED", msg::kBnClicked},     {"EN_CHANGE", msg::kEnChange},
      {"SC_SIZE", msg::kScSize},           {"SC_MOVE", msg::kScMove},
      {"SC_MINIMIZE", msg::kScMinimize},   {"SC_CLOSE", msg::kScClose},
      {"SC_RESTORE", msg::kScRestore},     {"MF_SEPARATOR", msg::kMfSeparator},
      {"IDOK", msg::kIdOk},                {"IDCANCEL", msg::kIdCancel},
      {"WS_VISIBLE", kVisible},            {"WS_DISABLED", msg::kWsDisabled},
      {"WS_BORDER", kBorder},              {"WS_SYSMENU", kSysMenu},
      {"WS_MINIMIZEBOX", kMinimizeBox},    {"WS_GROUP", kGroup},
      {"WS_TABSTOP", kTabStop},            {"SS_CENTER", kSsCenter},
      {"SS_RIGHT", msg::kSsRight},         {"SS_ICON", kSsIcon},
      {"SS_NOPREFIX", kSsNoPrefix},        {"SS_SUNKEN", kSsSunken},
      {"BS_DEFPUSHBUTTON", kBsDefPushButton}, {"BS_CHECKBOX", msg::kBsCheckBox},
      {"BS_AUTOCHECKBOX", msg::kBsAutoCheckBox}, {"BS_GROUPBOX", kBsGroupBox},
      {"BS_AUTORADIOBUTTON", kBsAutoRadioButton}, {"ES_CENTER", msg::kEsCenter},
      {"ES_RIGHT", msg::kEsRight},
      {"BUTTON", static_cast<std::uint32_t>(ControlClass::kButton)},
      {"EDIT", static_cast<std::uint32_t>(ControlClass::kEdit)},
      {"STATIC", static_cast<std::uint32_t>(ControlClass::kStatic)},
  };
  const auto page = PageConstants();
  for (const auto& [name, value] : page) {
    const auto it = shared.find(name);
    if (it == shared.end()) {
      ADD_FAILURE() << name << " has no shared definition to be checked against";
    } else {
      EXPECT_EQ(value, it->second) << name;
    }
  }
  for (const auto& [name, value] : shared) EXPECT_TRUE(page.contains(name)) << name << " is missing";
}

}  // namespace
}  // namespace radixel::platform
