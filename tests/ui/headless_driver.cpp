#include "tests/ui/headless_driver.h"

namespace radixel::testing {

namespace {
std::vector<MenuLine> Lines(const std::vector<platform::HeadlessWindowSystem::MenuEntry>& items) {
  std::vector<MenuLine> lines;
  for (const auto& item : items) lines.push_back({item.id, item.text});
  return lines;
}
}  // namespace

HeadlessDriver::HeadlessDriver() = default;
HeadlessDriver::~HeadlessDriver() = default;

void HeadlessDriver::Open() {
  dialog_ = std::make_unique<NotedConverterDlg>();
  dialog_->Create();
}

void HeadlessDriver::Type(int id, std::string_view text) { ws_.Type(id, text); }
void HeadlessDriver::Click(int id) { ws_.Click(id); }
void HeadlessDriver::PressEnter() { ws_.PressEnter(); }
void HeadlessDriver::PressEscape() { ws_.PressEscape(); }

void HeadlessDriver::Press(Key key) {
  switch (key) {
    case Key::kTab: ws_.PressTab(); break;
    case Key::kUp: ws_.PressArrow(false); break;
    case Key::kDown: ws_.PressArrow(true); break;
    case Key::kEnter: ws_.PressEnter(); break;
  }
}

BoxSeen HeadlessDriver::SeeBox(const std::function<void()>& open) {
  BoxSeen seen;
  ws_.Queue([this, &seen] {
    HWND box = ws_.ActiveWindow();
    seen.templateId = ws_.TemplateId(box);
    seen.caption = ws_.Caption(box);
    ws_.Click(IDOK);
  });
  open();
  ws_.ClearQueue();
  return seen;
}

BoxSeen HeadlessDriver::ChooseMenuItem(std::uint32_t command) {
  return SeeBox([&] { ws_.ChooseMenuItem(command); });
}

BoxSeen HeadlessDriver::ChooseSystemMenuItem(std::uint32_t command) {
  return SeeBox([&] { ws_.ChooseSystemMenuItem(command); });
}

std::string HeadlessDriver::Text(int id) { return ws_.GetItemText(dialog_->m_hWnd, id); }
int HeadlessDriver::ChangeNotifications(int id) { return dialog_->ChangeNotifications(id); }
bool HeadlessDriver::IsChecked(int id) { return ws_.IsItemChecked(dialog_->m_hWnd, id); }
int HeadlessDriver::FocusId() { return ws_.FocusId(dialog_->m_hWnd); }

bool HeadlessDriver::HasEnded(std::intptr_t* result) {
  return ws_.HasEnded(dialog_->m_hWnd, result);
}

std::vector<MenuLine> HeadlessDriver::SystemMenu() {
  return Lines(ws_.SystemMenu(dialog_->m_hWnd));
}

std::vector<MenuLine> HeadlessDriver::MenuBar() { return Lines(ws_.MenuBar(dialog_->m_hWnd)); }

}  // namespace radixel::testing
