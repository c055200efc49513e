#include "systems/web/tests/web_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "res/resource_ids.h"
#include "res/resources.h"
#include "tests/cli/cli_process.h"

namespace radixel::testing {

namespace {

using platform::ControlClass;

constexpr int kIdOk = 1;

// --- The browser session -----------------------------------------------------

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::vector<std::string> SplitAnswer(const std::string& line) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\t') {
      fields.emplace_back();
    } else if (line[i] == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    } else {
      fields.back() += line[i];
    }
  }
  return fields;
}

struct Session {
  // The page driver runs under the distribution's Python, where Selenium is.
  CliProcess process{{RADIXEL_PAGE_DRIVER, RADIXEL_WEB_PAGE}};
  std::string unavailable;
  bool checked = false;
};

std::unique_ptr<Session>& TheSession() {
  static std::unique_ptr<Session> session;
  return session;
}

std::vector<std::string> Exchange(Session& s, const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& f : fields) line += (line.empty() ? "" : "\t") + Escape(f);
  if (!s.process.Write(line + "\n")) return {"error", "the page driver has gone"};
  const auto answer = s.process.ReadOutLine(60s);
  if (!answer) return {"error", "no answer from the page driver"};
  return SplitAnswer(*answer);
}

Session& Started() {
  auto& session = TheSession();
  if (!session) session = std::make_unique<Session>();
  return *session;
}

}  // namespace

std::string PageSession::Unavailable() {
  Session& s = Started();
  if (!s.checked) {
    s.checked = true;
    const auto answer = Exchange(s, {"open"});
    if (answer.front() == "nobrowser") s.unavailable = answer.size() > 1 ? answer[1] : "unknown";
  }
  return s.unavailable;
}

std::vector<std::string> PageSession::Call(const std::vector<std::string>& fields) {
  auto answer = Exchange(Started(), fields);
  if (answer.front() != "ok") {
    ADD_FAILURE() << fields.front() << (fields.size() > 1 ? " " + fields[1] : "") << ": "
                  << (answer.size() > 1 ? answer[1] : answer.front());
    return {};
  }
  answer.erase(answer.begin());
  return answer;
}

void PageSession::End() {
  auto& session = TheSession();
  if (!session) return;
  session->process.Write("quit\n");
  session->process.Finish(60s);
  session.reset();
}

// --- Finding controls ----------------------------------------------------------

namespace {

const platform::DialogTemplate& MainDialog() {
  return *res::Module().FindDialog(IDD_CONVERTER_DIALOG);
}

// The accessible names the edit boxes carry: their labels.
constexpr std::pair<int, const char*> kBoxNames[] = {
    {IDC_INPUT, "Input"}, {IDC_OUTPUT, "Output"}, {IDC_ERRORS, "Error Messages"}};

std::pair<std::string, std::string> RoleAndName(int id) {
  for (const auto& [box, name] : kBoxNames) {
    if (box == id) return {"textbox", name};
  }
  const platform::ControlTemplate* c = MainDialog().FindControl(id);
  if (c == nullptr) return {"none", std::to_string(id)};
  return {c->IsRadioButton() ? "radio" : "button", c->text};
}

int IdOf(const std::string& role, const std::string& name) {
  for (const platform::ControlTemplate& c : MainDialog().controls) {
    if (RoleAndName(c.id) == std::pair(role, name)) return c.id;
  }
  return 0;
}

// A menu text as a person reads it: no mnemonic marks, the accelerator
// after a space.
std::string Shown(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i] == '\t' ? ' ' : text[i];
  }
  return shown;
}

// The system-menu entries a person can tell apart by their names.
std::vector<MenuLine> KnownSystemEntries() {
  return {{0xF120, "&Restore"},         {0xF010, "&Move"},     {0xF000, "&Size"},
          {0xF020, "Mi&nimize"},        {0xF060, "&Close\tAlt+F4"},
          {IDM_ABOUTBOX, res::Module().FindString(IDS_ABOUTBOX)}};
}

std::string Css(std::string_view scope, std::uint32_t id) {
  return "css:" + std::string(scope) + " [data-id=\"" + std::to_string(id) + "\"]";
}

// Lines of a listing: "ID<US>TEXT" through the DOM, "ROLE<US>NAME" through
// the accessibility tree.
std::vector<std::pair<std::string, std::string>> Pairs(const std::vector<std::string>& items) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const std::string& item : items) {
    const auto cut = item.find('\x1f');
    pairs.emplace_back(item.substr(0, cut), cut == std::string::npos ? "" : item.substr(cut + 1));
  }
  return pairs;
}

}  // namespace

std::string WebDriver::Target(int id) const {
  if (ByDom()) return Css("section.rx-window", static_cast<std::uint32_t>(id));
  const auto [role, name] = RoleAndName(id);
  return "ax:" + role + ":" + name;
}

// --- What a person does ----------------------------------------------------------

void WebDriver::Open() {
  PageSession::Call({"screen", screen_.width, screen_.height, screen_.pointer, screen_.scheme});
  PageSession::Call({"open"});
}

void WebDriver::Type(int id, std::string_view text) { PageSession::Call({"type", Target(id), std::string(text)}); }

void WebDriver::Click(int id) { PageSession::Call({"click", Target(id)}); }

void WebDriver::PressEnter() {
  PageSession::Call({"focus", Target(IDC_INPUT)});
  PageSession::Call({"key", "Enter"});
}

void WebDriver::Press(Key key) {
  static constexpr const char* kKeys[] = {"Tab", "ArrowUp", "ArrowDown", "Enter"};
  PageSession::Call({"key", kKeys[static_cast<int>(key)]});
}

void WebDriver::PressEscape() {
  PageSession::Call({"focus", Target(IDC_INPUT)});
  PageSession::Call({"key", "Escape"});
}

void WebDriver::StartAgain() {
  PageSession::Call({"click", ByDom() ? "css:.rx-ended button" : "ax:button:Start again"});
}

std::vector<std::string> WebDriver::ClippedTexts(std::uint32_t command) {
  if (command != 0) PageSession::Call({"click", Css(".rx-menubar", command)});
  std::vector<std::string> clipped = PageSession::Call({"clipped"});
  if (command != 0) SeeBoxAndClose();
  return clipped;
}

BoxSeen WebDriver::SeeBoxAndClose() {
  BoxSeen seen;
  const std::vector<std::string> box = PageSession::Call({"box", Mode()});
  if (box.empty()) return seen;
  if (ByDom()) {
    seen.templateId = std::stoi(box[0]);
    seen.caption = box[1];
  } else {
    // Through the accessibility tree a box is known by its caption and the
    // text it shows: the template whose caption and first text match.
    seen.caption = box[0];
    for (const platform::DialogTemplate& d : res::Module().dialogs) {
      if (seen.caption != d.caption || d.id == IDD_CONVERTER_DIALOG) continue;
      for (const platform::ControlTemplate& c : d.controls) {
        if (c.cls != ControlClass::kStatic || c.text[0] == '\0') continue;
        const std::string start = std::string(c.text).substr(0, 20);
        for (std::size_t i = 1; i < box.size(); ++i) {
          if (box[i].starts_with(start)) seen.templateId = d.id;
        }
        break;
      }
    }
  }
  PageSession::Call({"click", ByDom() ? Css("dialog[open]", kIdOk) : "axbox:button:OK"});
  EXPECT_TRUE(PageSession::Call({"box", Mode()}).empty()) << "OK left the box open";
  return seen;
}

BoxSeen WebDriver::ChooseMenuItem(std::uint32_t command) {
  for (const auto& line : MenuBar()) {
    if (line.id != command) continue;
    PageSession::Call({"click", ByDom() ? Css(".rx-menubar", command) : "ax:menuitem:" + line.text});
    return SeeBoxAndClose();
  }
  ADD_FAILURE() << "no menu bar item " << command;
  return {};
}

void WebDriver::OpenSystemMenu() {
  // A right-click on the dialog's free area, or Alt+Space from the keyboard.
  if (ByDom()) {
    PageSession::Call({"rightclick", "css:section.rx-window .rx-client"});
  } else {
    PageSession::Call({"key", "AltSpace"});
  }
}

BoxSeen WebDriver::ChooseSystemMenuItem(std::uint32_t command) {
  OpenSystemMenu();
  if (ByDom()) {
    PageSession::Call({"click", Css(".rx-sysmenu", command)});
  } else {
    for (const MenuLine& entry : KnownSystemEntries()) {
      if (entry.id == command) PageSession::Call({"click", "ax:menuitem:" + Shown(entry.text)});
    }
  }
  return SeeBoxAndClose();
}

// --- What a person sees ------------------------------------------------------------

std::string WebDriver::Text(int id) {
  const auto answer = PageSession::Call({"value", Target(id)});
  return answer.empty() ? std::string() : answer[0];
}

std::optional<std::vector<std::string>> WebDriver::Announced() { return PageSession::Call({"said", Mode()}); }

int WebDriver::ChangeNotifications(int id) {
  const auto answer = PageSession::Call({"changes", std::to_string(id)});
  return answer.empty() ? -1 : std::stoi(answer[0]);
}

bool WebDriver::IsChecked(int id) {
  const auto answer = PageSession::Call({"checked", Target(id)});
  return !answer.empty() && answer[0] == "1";
}

int WebDriver::FocusId() {
  const auto answer = PageSession::Call({"focused", Mode()});
  if (ByDom()) return answer.empty() || answer[0].empty() ? 0 : std::stoi(answer[0]);
  return answer.size() == 2 ? IdOf(answer[0], answer[1]) : 0;
}

bool WebDriver::HasEnded(std::intptr_t* result) {
  const auto answer = PageSession::Call({"ended", Mode()});
  if (answer.empty() || answer[0] != "1") return false;
  if (result) *result = answer.size() > 1 && !answer[1].empty() ? std::stoi(answer[1]) : -1;
  return true;
}

std::vector<MenuLine> WebDriver::SystemMenu() {
  OpenSystemMenu();
  std::vector<MenuLine> lines;
  for (const auto& [first, text] : Pairs(PageSession::Call({"list", Mode(), ByDom() ? ".rx-sysmenu" : "menu"}))) {
    if (ByDom()) {
      lines.push_back({static_cast<std::uint32_t>(std::stoul(first)), text});
    } else if (first == "separator") {
      lines.push_back({0, ""});
    } else {
      // An entry is known by its name; one the driver cannot place shows as
      // it was read, with no id.
      MenuLine line{0xFFFF, text};
      for (const MenuLine& known : KnownSystemEntries()) {
        if (Shown(known.text) == text) line = known;
      }
      lines.push_back(line);
    }
  }
  PageSession::Call({"key", "Escape"});
  return lines;
}

std::vector<MenuLine> WebDriver::MenuBar() {
  std::vector<MenuLine> lines;
  const platform::MenuTemplate* menu = res::Module().FindMenu(IDR_MAINMENU);
  for (const auto& [first, text] : Pairs(PageSession::Call({"list", Mode(), ByDom() ? ".rx-menubar" : "menubar"}))) {
    if (ByDom()) {
      lines.push_back({static_cast<std::uint32_t>(std::stoul(first)), text});
      continue;
    }
    MenuLine line{0xFFFF, text};
    for (const platform::MenuItemTemplate& item : menu->items) {
      if (first == "menuitem" && Shown(item.text) == text) line.id = item.command;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace radixel::testing
