#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <bit>

#include "platform/cstring.h"
#include "platform/messages.h"

namespace radixel::platform {

namespace {
using namespace msg;

// The text of a window or control that does not exist.
const CString kNoText;

void ResetSystemMenu(std::vector<HeadlessWindowSystem::MenuEntry>& items) {
  items.clear();
  for (const SystemMenuItem& item : kStandardSystemMenu) {
    items.push_back({item.flags, item.id, item.text});
  }
}
}  // namespace

struct HeadlessWindowSystem::Menu {
  std::vector<MenuEntry> items;
};

struct HeadlessWindowSystem::IconRecord {
  int resourceId;
};

struct HeadlessWindowSystem::Window {
  struct Control {
    const ControlTemplate* tmpl;
    // Shares a long text's bytes with the fields it is read into or set
    // from (data exchange reaches it through FastItemAccess).
    EditText content;
    bool checked = false;  // the check mark, where radioBit does not keep it
    bool button = false;
    bool edit = false;
    bool radio = false;  // an automatic radio button
    // The controls of its group: [groupFirst, groupEnd) in `controls`.
    std::uint16_t groupFirst = 0;
    std::uint16_t groupEnd = 0;
    // On the first radio button of a group whose radio buttons stand side
    // by side: how many there are (0 elsewhere).
    std::uint16_t groupRadios = 0;
    // The check marks of a group of at most 64 radio buttons side by side
    // are one word, kept in the group's first control (radioChecks), a bit
    // for each button in order (radioBit; 0 for every other control), so
    // that a click, or setting or reading the group at once, is one store
    // or one load.
    std::uint64_t radioBit = 0;
    std::uint64_t radioChecks = 0;
    // How many controls from this one on have ids one above the one before,
    // each the control its id finds: a range of ids from here is that many
    // neighbours, reached without a look-up each (a radio group's buttons).
    std::uint16_t idRun = 1;
  };

  const DialogTemplate* tmpl = nullptr;
  MessageSink* sink = nullptr;
  WindowHandle owner = nullptr;
  std::vector<Control> controls;
  Menu systemMenu;
  Menu menuBar;
  Rect screenRect;
  int focusId = 0;
  int enableCount = 0;  // above 0 while a modal child disables it
  bool iconic = false;
  bool modal = false;
  bool ended = false;
  std::intptr_t result = 0;
  IconHandle bigIcon = nullptr;
  IconHandle smallIcon = nullptr;
  std::vector<DrawnIcon> drawings;
  int iconErases = 0;
  bool painting = false;

  // Control ids from firstId up, each mapped to its control (null: no
  // such control), so that a look-up is one index; `controls` never grows
  // after creation, so the pointers stay valid. Ids spread wider than
  // kIndexedSpan are looked up one by one instead.
  static constexpr int kIndexedSpan = 4096;
  int firstId = 0;
  std::vector<Control*> places;
  Control* const* placesData = nullptr;  // places' data and size, read
  std::size_t placesSize = 0;            // on every look-up
  bool indexed = false;

  void IndexControls() {
    for (Control& c : controls) {
      c.button = c.tmpl->cls == ControlClass::kButton;
      c.edit = c.tmpl->cls == ControlClass::kEdit;
      c.radio = c.tmpl->IsRadioButton();
    }
    // A group runs from a control with the group style up to the next one.
    std::size_t first = 0;
    for (std::size_t i = 0; i <= controls.size(); ++i) {
      if (i == controls.size() || (i > 0 && (controls[i].tmpl->style & style::kGroup))) {
        for (std::size_t j = first; j < i; ++j) {
          controls[j].groupFirst = static_cast<std::uint16_t>(first);
          controls[j].groupEnd = static_cast<std::uint16_t>(i);
        }
        IndexRadios(first, i);
        first = i;
      }
    }

    int lowest = 0;
    int highest = -1;
    for (const Control& c : controls) {
      if (c.tmpl->id == kStaticId) continue;
      if (highest < lowest) lowest = highest = c.tmpl->id;
      lowest = std::min(lowest, c.tmpl->id);
      highest = std::max(highest, c.tmpl->id);
    }
    indexed = highest - lowest < kIndexedSpan;
    if (!indexed) {
      IndexIdRuns();
      return;
    }
    firstId = lowest;
    places.assign(highest >= lowest ? static_cast<std::size_t>(highest - lowest) + 1 : 0, nullptr);
    for (std::size_t i = controls.size(); i-- > 0;) {
      const int id = controls[i].tmpl->id;
      if (id == kStaticId) continue;
      places[static_cast<std::size_t>(id - firstId)] = &controls[i];
    }
    placesData = places.data();
    placesSize = places.size();
    IndexIdRuns();
  }
  // The radio buttons of the group [first, end), all unchecked.
  void IndexRadios(std::size_t first, std::size_t end) {
    std::size_t radios = 0;
    std::size_t firstRadio = 0;
    std::size_t lastRadio = 0;
    for (std::size_t i = first; i < end; ++i) {
      if (!controls[i].radio) continue;
      if (radios++ == 0) firstRadio = i;
      lastRadio = i;
    }
    if (radios > 0 && radios <= 0xFFFF && radios == lastRadio - firstRadio + 1) {
      controls[firstRadio].groupRadios = static_cast<std::uint16_t>(radios);
      if (radios <= 64) {
        for (std::size_t i = firstRadio; i <= lastRadio; ++i) {
          controls[i].radioBit = std::uint64_t{1} << (i - firstRadio);
        }
      }
    }
  }
  bool IsChecked(const Control& c) const {
    return c.radioBit != 0 ? (controls[c.groupFirst].radioChecks & c.radioBit) != 0 : c.checked;
  }
  void SetChecked(Control& c, bool checked) {
    if (c.radioBit == 0) {
      c.checked = checked;
      return;
    }
    std::uint64_t& marks = controls[c.groupFirst].radioChecks;
    marks = checked ? marks | c.radioBit : marks & ~c.radioBit;
  }
  // The check marks, as one word, of the group whose radio buttons are
  // exactly the `count` controls from `run` on, or null when they are not
  // (or the group has no such word).
  std::uint64_t* RadioChecksOf(const Control& run, long long count) {
    return run.radioBit == 1 && run.groupRadios == count ? &controls[run.groupFirst].radioChecks
                                                         : nullptr;
  }
  void IndexIdRuns() {
    for (std::size_t i = controls.size(); i-- > 0;) {
      Control& c = controls[i];
      c.idRun = 1;
      if (i + 1 == controls.size() || c.tmpl->id == kStaticId || Find(c.tmpl->id) != &c) continue;
      const Control& next = controls[i + 1];
      if (next.tmpl->id == c.tmpl->id + 1 && Find(next.tmpl->id) == &next) {
        c.idRun = static_cast<std::uint16_t>(std::min(next.idRun + 1, 0xFFFF));
      }
    }
  }
  Control* Find(int id) {
    // An id below firstId wraps round to an offset past the end.
    const auto offset = static_cast<std::size_t>(static_cast<unsigned>(id) -
                                                 static_cast<unsigned>(firstId));
    if (offset < placesSize) return placesData[offset];
    if (indexed) return nullptr;
    for (Control& c : controls) {
      if (c.tmpl->id == id) return &c;
    }
    return nullptr;
  }
  // The controls of ids firstId to lastId as neighbours, or null when they
  // are not (or the range is empty).
  Control* FindRun(int firstId, int lastId) {
    Control* first = firstId <= lastId ? Find(firstId) : nullptr;
    return first && static_cast<long long>(lastId) - firstId < first->idRun ? first : nullptr;
  }
  // FindRun and RadioChecksOf of the range last asked for, kept: a dialog
  // reads and sets the same radio group at every data exchange, and the
  // controls never change after creation.
  struct RadioRun {
    int firstId = 0;
    int lastId = -1;
    Control* run = nullptr;
    std::uint64_t* checks = nullptr;
  } radioRun;
  const RadioRun& FindRadioRun(int first, int last) {
    if (first != radioRun.firstId || last != radioRun.lastId) {
      Control* run = FindRun(first, last);
      radioRun = {first, last, run, run ? RadioChecksOf(*run, last - first + 1LL) : nullptr};
    }
    return radioRun;
  }
  WindowHandle Handle() { return reinterpret_cast<WindowHandle>(this); }
};

HeadlessWindowSystem::HeadlessWindowSystem() = default;
HeadlessWindowSystem::~HeadlessWindowSystem() = default;

HeadlessWindowSystem::Window* HeadlessWindowSystem::Get(WindowHandle window) const {
  // Most calls are for the active window: the last opened.
  if (window == activeHandle_) return active_;
  for (const auto& w : windows_) {
    if (w->Handle() == window) return w.get();
  }
  return nullptr;
}

void HeadlessWindowSystem::NoteActiveWindow() {
  active_ = windows_.empty() ? nullptr : windows_.back().get();
  activeHandle_ = active_ ? active_->Handle() : nullptr;
}

HeadlessWindowSystem::Window& HeadlessWindowSystem::Active() const {
  static Window none;
  return active_ ? *active_ : none;
}

// --- Dialog windows ----------------------------------------------------------

WindowHandle HeadlessWindowSystem::CreateDialogWindow(const DialogTemplate& dialog,
                                                      WindowHandle owner, MessageSink& sink) {
  auto window = std::make_unique<Window>();
  Window& w = *window;
  w.tmpl = &dialog;
  w.sink = &sink;
  w.owner = owner;
  for (const ControlTemplate& c : dialog.controls) {
    w.controls.push_back({&c, {c.cls == ControlClass::kEdit ? CString() : CString(c.text)}, false});
  }
  w.IndexControls();
  if (dialog.style & style::kSysMenu) {
    ResetSystemMenu(w.systemMenu.items);
  }
  if (const MenuTemplate* menu = FindMenu(dialog.menuId)) {
    for (const MenuItemTemplate& item : menu->items) {
      w.menuBar.items.push_back({0, item.command, item.text});
    }
  }
  const int width = dialog.cx * kBaseUnitX / 4;
  const int height = dialog.cy * kBaseUnitY / 8;
  int left = dialog.x * kBaseUnitX / 4;
  int top = dialog.y * kBaseUnitY / 8;
  if (dialog.style & style::kDsCenter) {
    left = (kScreenWidth - width) / 2;
    top = (kScreenHeight - height) / 2;
  }
  w.screenRect = {left, top, left + width, top + height};
  windows_.push_back(std::move(window));
  NoteActiveWindow();

  sink.OnAttach(w.Handle());
  if (sink.OnMessage(kInitDialog, 0, 0) != 0 && Get(w.Handle()) != nullptr) {
    for (const Window::Control& c : w.controls) {
      if (c.tmpl->style & style::kTabStop) {
        w.focusId = c.tmpl->id;
        break;
      }
    }
  }
  return Get(w.Handle()) ? w.Handle() : nullptr;
}

std::intptr_t HeadlessWindowSystem::RunModalLoop(WindowHandle window) {
  Window* w = Get(window);
  if (w == nullptr) return kAbandoned;
  Window* owner = Get(w->owner);
  if (owner) ++owner->enableCount;
  w->modal = true;
  while (!w->ended) {
    if (queue_.empty()) {
      w->ended = true;
      w->result = kAbandoned;
      break;
    }
    std::function<void()> action = std::move(queue_.front());
    queue_.pop_front();
    action();
  }
  if ((owner = Get(w->owner)) != nullptr) --owner->enableCount;
  modalRuns_.push_back({w->tmpl->id, w->result});
  return w->result;
}

void HeadlessWindowSystem::EndModalLoop(WindowHandle window, std::intptr_t result) {
  if (Window* w = Get(window)) {
    w->ended = true;
    w->result = result;
  }
}

void HeadlessWindowSystem::DestroyWindow(WindowHandle window) {
  std::erase_if(windows_, [window](const auto& w) { return w->Handle() == window; });
  NoteActiveWindow();
}

// --- Controls ----------------------------------------------------------------

std::string HeadlessWindowSystem::GetItemText(WindowHandle window, int id) {
  return std::string(ItemText(window, id));
}

const CString& HeadlessWindowSystem::ItemString(WindowHandle window, int id) const {
  Window* w = Get(window);
  Window::Control* c = w ? w->Find(id) : nullptr;
  return c ? c->content.text : kNoText;
}

std::string_view HeadlessWindowSystem::ItemText(WindowHandle window, int id) const {
  return ItemString(window, id).view();
}

void HeadlessWindowSystem::SetItemText(WindowHandle window, int id, std::string_view text) {
  Window* w = Get(window);
  Window::Control* c = w ? w->Find(id) : nullptr;
  if (c && c->content.text != text) c->content.text = text;
}

EditText* HeadlessWindowSystem::EditTextOf(WindowHandle window, int id) {
  Window* w = Get(window);
  Window::Control* c = w ? w->Find(id) : nullptr;
  return c && c->edit ? &c->content : nullptr;
}

bool HeadlessWindowSystem::IsItemChecked(WindowHandle window, int id) {
  Window* w = Get(window);
  Window::Control* c = w ? w->Find(id) : nullptr;
  return c && w->IsChecked(*c);
}

void HeadlessWindowSystem::CheckItem(WindowHandle window, int id, bool checked) {
  Window* w = Get(window);
  if (Window::Control* c = w ? w->Find(id) : nullptr) w->SetChecked(*c, checked);
}

std::uint64_t* HeadlessWindowSystem::RadioChecks(WindowHandle window, int firstId, int lastId) {
  Window* w = Get(window);
  return w ? w->FindRadioRun(firstId, lastId).checks : nullptr;
}

int HeadlessWindowSystem::CheckedRadioButton(WindowHandle window, int firstId, int lastId) {
  Window* w = Get(window);
  if (w == nullptr) return 0;
  const Window::RadioRun& range = w->FindRadioRun(firstId, lastId);
  if (range.checks) {
    const std::uint64_t marks = *range.checks;
    return marks == 0 ? 0 : firstId + std::countr_zero(marks);
  }
  for (int id = firstId; id <= lastId; ++id) {
    const Window::Control* c = range.run ? range.run + (id - firstId) : w->Find(id);
    if (c && w->IsChecked(*c)) return id;
  }
  return 0;
}

void HeadlessWindowSystem::CheckRadioButton(WindowHandle window, int firstId, int lastId,
                                            int checkedId) {
  Window* w = Get(window);
  if (w == nullptr) return;
  const Window::RadioRun& range = w->FindRadioRun(firstId, lastId);
  if (range.checks) {
    // The whole group at once.
    const bool inRange = checkedId >= firstId && checkedId <= lastId;
    *range.checks = inRange ? std::uint64_t{1} << (checkedId - firstId) : 0;
    return;
  }
  for (int id = firstId; id <= lastId; ++id) {
    Window::Control* c = range.run ? range.run + (id - firstId) : w->Find(id);
    if (c) w->SetChecked(*c, id == checkedId);
  }
}

// --- Messages ----------------------------------------------------------------

std::intptr_t HeadlessWindowSystem::SendMessage(WindowHandle window, std::uint32_t message,
                                                std::uintptr_t wParam, std::intptr_t lParam) {
  Window* w = Get(window);
  if (w == nullptr) return 0;
  switch (message) {
    case kSetIcon: {
      IconHandle& slot = wParam ? w->bigIcon : w->smallIcon;
      IconHandle previous = slot;
      slot = reinterpret_cast<IconHandle>(lParam);
      return reinterpret_cast<std::intptr_t>(previous);
    }
    case kIconEraseBkgnd:
      ++w->iconErases;
      return 1;
    default:
      return w->sink->OnMessage(message, wParam, lParam);
  }
}

std::intptr_t HeadlessWindowSystem::DefaultProcessing(WindowHandle window, std::uint32_t message,
                                                      std::uintptr_t wParam, std::intptr_t) {
  Window* w = Get(window);
  if (w == nullptr) return 0;
  if (message == kSysCommand) {
    const auto command = static_cast<std::uint32_t>(wParam & 0xFFF0u);
    defaultSysCommands_.push_back(command);
    if (command == kScMinimize) w->iconic = true;
    if (command == kScRestore) w->iconic = false;
    if (command == kScClose) SendCommand(*w, kIdCancel, kBnClicked);
  } else if (message == kClose) {
    SendCommand(*w, kIdCancel, kBnClicked);
  }
  return 0;
}

void HeadlessWindowSystem::SendCommand(Window& w, int id, std::uint32_t code) {
  const auto wParam = static_cast<std::uintptr_t>((static_cast<std::uint32_t>(id) & 0xFFFFu) |
                                                  ((code & 0xFFFFu) << 16));
  w.sink->OnMessage(kCommand, wParam, 0);
}

// --- Window state ------------------------------------------------------------

bool HeadlessWindowSystem::IsIconic(WindowHandle window) {
  Window* w = Get(window);
  return w && w->iconic;
}

Rect HeadlessWindowSystem::GetClientRect(WindowHandle window) {
  Window* w = Get(window);
  if (w == nullptr) return {};
  if (w->iconic) return iconicSize_;
  return {0, 0, w->screenRect.Width(), w->screenRect.Height()};
}

int HeadlessWindowSystem::GetSystemMetrics(int index) {
  switch (index) {
    case kSmCxScreen: return kScreenWidth;
    case kSmCyScreen: return kScreenHeight;
    case kSmCxIcon:
    case kSmCyIcon: return kIconSize;
    default: return 0;
  }
}

// --- Menus -------------------------------------------------------------------

MenuHandle HeadlessWindowSystem::GetSystemMenu(WindowHandle window, bool revert) {
  Window* w = Get(window);
  if (w == nullptr || !(w->tmpl->style & style::kSysMenu)) return nullptr;
  if (revert) {
    ResetSystemMenu(w->systemMenu.items);
    return nullptr;
  }
  return reinterpret_cast<MenuHandle>(&w->systemMenu);
}

bool HeadlessWindowSystem::AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                                          std::string_view text) {
  if (menu == nullptr) return false;
  auto& items = reinterpret_cast<Menu*>(menu)->items;
  const bool separator = (flags & kMfSeparator) != 0;
  items.push_back({flags, separator ? 0u : static_cast<std::uint32_t>(id),
                   separator ? std::string() : std::string(text)});
  return true;
}

int HeadlessWindowSystem::GetMenuItemCount(MenuHandle menu) {
  return menu ? static_cast<int>(reinterpret_cast<Menu*>(menu)->items.size()) : -1;
}

std::uint32_t HeadlessWindowSystem::GetMenuItemId(MenuHandle menu, int position) {
  if (menu == nullptr || position < 0 || position >= GetMenuItemCount(menu)) return 0;
  return reinterpret_cast<Menu*>(menu)->items[static_cast<std::size_t>(position)].id;
}

std::string HeadlessWindowSystem::GetMenuItemText(MenuHandle menu, int position) {
  if (menu == nullptr || position < 0 || position >= GetMenuItemCount(menu)) return {};
  return reinterpret_cast<Menu*>(menu)->items[static_cast<std::size_t>(position)].text;
}

// --- Icons and painting ------------------------------------------------------

IconHandle HeadlessWindowSystem::LoadIconResource(int id) {
  if (FindIcon(id) == nullptr) return nullptr;
  for (const auto& icon : icons_) {
    if (icon->resourceId == id) return reinterpret_cast<IconHandle>(icon.get());
  }
  icons_.push_back(std::make_unique<IconRecord>(IconRecord{id}));
  return reinterpret_cast<IconHandle>(icons_.back().get());
}

PaintHandle HeadlessWindowSystem::BeginPaint(WindowHandle window) {
  Window* w = Get(window);
  if (w == nullptr) return nullptr;
  w->painting = true;
  return reinterpret_cast<PaintHandle>(w);
}

void HeadlessWindowSystem::DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) {
  Window* w = Get(reinterpret_cast<WindowHandle>(paint));
  if (w && w->painting) w->drawings.push_back({x, y, icon});
}

void HeadlessWindowSystem::EndPaint(WindowHandle window, PaintHandle) {
  if (Window* w = Get(window)) w->painting = false;
}

int HeadlessWindowSystem::IconResourceId(IconHandle icon) const {
  for (const auto& i : icons_) {
    if (reinterpret_cast<IconHandle>(i.get()) == icon) return i->resourceId;
  }
  return 0;
}

// --- What a person does ------------------------------------------------------

void HeadlessWindowSystem::Type(int id, std::string_view text) {
  if (active_ == nullptr) return;
  Window& w = *active_;
  Window::Control* c = w.Find(id);
  if (c == nullptr || !c->edit) return;
  // A long text typed over a long one: the field data exchange last
  // exchanged the box with, where it still shares the box's text, lets go
  // of it first and then shares the new one, so that the bytes typed over
  // are given back (or written over) at once rather than held beside the
  // new text until the next exchange. The field so goes on holding what
  // the box shows: an UpdateData(FALSE) before OK leaves the typed text in
  // the box, and UpdateData(TRUE) reads the same text into the field. (The
  // field is never emptied while the box shows its text.) A short text is
  // never shared, so its field keeps its own copy as it was.
  CString* const field = c->content.field;
  const bool follows = field != nullptr && field->SharesTextWith(c->content.text);
  if (follows) field->Empty();
  c->content.text = text;
  if (follows) *field = c->content.text;
  w.focusId = id;
  SendCommand(w, id, kEnChange);
}

void HeadlessWindowSystem::Click(int id) {
  if (active_ == nullptr) return;
  Window& w = *active_;
  Window::Control* c = w.Find(id);
  if (c == nullptr || !c->button) return;
  if (c->radioBit != 0) {
    // An automatic radio button checks itself and clears the rest of its
    // group; the other controls of the group keep their check marks.
    w.controls[c->groupFirst].radioChecks = c->radioBit;
  } else if (c->radio) {
    for (std::size_t i = c->groupFirst; i < c->groupEnd; ++i) {
      if (w.controls[i].radio) w.controls[i].checked = false;
    }
    c->checked = true;
  }
  SendCommand(w, id, kBnClicked);
}

void HeadlessWindowSystem::PressEnter() {
  Window& w = Active();
  if (w.sink == nullptr) return;
  int id = kIdOk;
  for (const Window::Control& c : w.controls) {
    if (c.tmpl->IsDefaultButton()) id = c.tmpl->id;
  }
  SendCommand(w, id, kBnClicked);
}

// Whether Tab stops at the control. The template gives the tab stops; the
// button control moves an automatic radio button group's to its checked
// button, as the Windows one does when a button is checked.
bool HeadlessWindowSystem::IsTabStop(const Window& w, std::size_t index) {
  const Window::Control& c = w.controls[index];
  const std::uint32_t style = c.tmpl->style;
  if (!(style & style::kVisible) || (style & kWsDisabled)) return false;
  if (c.radio) {
    for (std::size_t i = c.groupFirst; i < c.groupEnd; ++i) {
      if (w.controls[i].radio && w.IsChecked(w.controls[i])) return w.IsChecked(c);
    }
  }
  return (style & style::kTabStop) != 0;
}

void HeadlessWindowSystem::PressTab() {
  Window& w = Active();
  const std::size_t count = w.controls.size();
  std::size_t at = count - 1;  // with no control focused, Tab starts at the first
  for (std::size_t i = 0; i < count; ++i) {
    if (w.controls[i].tmpl->id == w.focusId) at = i;
  }
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t next = (at + step) % count;
    if (IsTabStop(w, next)) {
      w.focusId = w.controls[next].tmpl->id;
      return;
    }
  }
}

void HeadlessWindowSystem::PressArrow(bool forward) {
  Window& w = Active();
  const Window::Control* focused = w.Find(w.focusId);
  if (focused == nullptr || !focused->radio) return;
  const auto at = static_cast<std::size_t>(focused - w.controls.data());
  const auto landsOn = [&](std::size_t i) {
    const Window::Control& c = w.controls[i];
    if (!c.radio || !(c.tmpl->style & style::kVisible)) return false;
    w.focusId = c.tmpl->id;
    Click(w.focusId);
    return true;
  };
  if (forward) {
    for (std::size_t i = at + 1; i < focused->groupEnd; ++i) {
      if (landsOn(i)) return;
    }
  } else {
    for (std::size_t i = at; i-- > focused->groupFirst;) {
      if (landsOn(i)) return;
    }
  }
}

void HeadlessWindowSystem::PressEscape() {
  Window& w = Active();
  if (w.sink) SendCommand(w, kIdCancel, kBnClicked);
}

bool HeadlessWindowSystem::ChooseMenuItem(std::uint32_t command) {
  Window& w = Active();
  const bool present = std::any_of(w.menuBar.items.begin(), w.menuBar.items.end(),
                                   [command](const MenuEntry& e) { return e.id == command; });
  if (present) SendCommand(w, static_cast<int>(command), 0);
  return present;
}

bool HeadlessWindowSystem::ChooseSystemMenuItem(std::uint32_t command) {
  Window& w = Active();
  const bool present =
      std::any_of(w.systemMenu.items.begin(), w.systemMenu.items.end(),
                  [command](const MenuEntry& e) { return e.id == command && command != 0; });
  if (present) w.sink->OnMessage(kSysCommand, command, 0);
  return present;
}

void HeadlessWindowSystem::Paint() {
  Window& w = Active();
  if (w.sink) w.sink->OnMessage(kPaint, 0, 0);
}

void HeadlessWindowSystem::Queue(std::function<void()> action) {
  queue_.push_back(std::move(action));
}

// --- What a person sees ------------------------------------------------------

WindowHandle HeadlessWindowSystem::ActiveWindow() const {
  return windows_.empty() ? nullptr : windows_.back()->Handle();
}

bool HeadlessWindowSystem::IsOpen(WindowHandle window) const { return Get(window) != nullptr; }

int HeadlessWindowSystem::TemplateId(WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->tmpl->id : 0;
}

std::string HeadlessWindowSystem::Caption(WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->tmpl->caption : std::string();
}

bool HeadlessWindowSystem::HasEnded(WindowHandle window, std::intptr_t* result) const {
  Window* w = Get(window);
  if (w == nullptr || !w->ended) return false;
  if (result) *result = w->result;
  return true;
}

int HeadlessWindowSystem::FocusId(WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->focusId : 0;
}

bool HeadlessWindowSystem::IsEnabled(WindowHandle window) const {
  Window* w = Get(window);
  return w && w->enableCount == 0;
}

Rect HeadlessWindowSystem::ScreenRect(WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->screenRect : Rect{};
}

IconHandle HeadlessWindowSystem::Icon(WindowHandle window, bool big) const {
  Window* w = Get(window);
  return w ? (big ? w->bigIcon : w->smallIcon) : nullptr;
}

std::vector<HeadlessWindowSystem::MenuEntry> HeadlessWindowSystem::SystemMenu(
    WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->systemMenu.items : std::vector<MenuEntry>{};
}

std::vector<HeadlessWindowSystem::MenuEntry> HeadlessWindowSystem::MenuBar(
    WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->menuBar.items : std::vector<MenuEntry>{};
}

const std::vector<HeadlessWindowSystem::DrawnIcon>& HeadlessWindowSystem::Drawings(
    WindowHandle window) const {
  static const std::vector<DrawnIcon> none;
  Window* w = Get(window);
  return w ? w->drawings : none;
}

int HeadlessWindowSystem::IconEraseCount(WindowHandle window) const {
  Window* w = Get(window);
  return w ? w->iconErases : 0;
}

}  // namespace radixel::platform
