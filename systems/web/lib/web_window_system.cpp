#include "systems/web/lib/web_window_system.h"

#include <algorithm>

#include "platform/announcements.h"
#include "platform/messages.h"

// The DOM side (systems/web/lib/dom_window_system.js). Windows are known there
// by a key, controls by their template id; texts travel as UTF-8, those a
// person or the program may give (box texts, the restart line) with their
// length, so an embedded NUL travels with the rest.
extern "C" {
void radixel_dom_create_window(int key, int templateId, int ownerKey, const char* caption, int cx, int cy,
                               std::uint32_t style, int pointSize);
void radixel_dom_add_menu_item(int key, const char* text, std::uint32_t command);
void radixel_dom_add_control(int key, int id, int cls, const char* text, int x, int y, int cx,
                             int cy, std::uint32_t style, int pageIcon);
void radixel_dom_finish_window(int key);
void radixel_dom_focus_first(int key);
void radixel_dom_show(int key);
void radixel_dom_end(int key, int result);
void radixel_dom_destroy(int key);
int radixel_dom_get_text(int key, int id, char* buffer, int size);
void radixel_dom_set_text(int key, int id, const char* text, int length);
int radixel_dom_is_checked(int key, int id);
void radixel_dom_check(int key, int id, int checked);
void radixel_dom_set_iconic(int key, int iconic);
int radixel_dom_client_size(int key, int vertical);
int radixel_dom_screen_size(int vertical);
void radixel_dom_reset_system_menu(int key);
void radixel_dom_append_system_menu(int key, std::uint32_t flags, std::uint32_t id, const char* text,
                                    int length);
int radixel_dom_load_icon(const unsigned char* ico, int size);
void radixel_dom_set_icon(int key, int big, int pageIcon);
// A text for the live region; `first` starts a new announcement, otherwise
// the text is told after those before it.
void radixel_dom_announce(const char* text, int length, int first);
void radixel_dom_show_restart(const char* line, int lineLength, const char* button, int buttonLength);
// Offers the page's state to its tests and measurements.
void radixel_dom_page();
// Waits (suspending the WebAssembly stack) for the next queued event.
void radixel_dom_wait_event(std::int32_t* event);
}

namespace radixel::platform::web {

namespace {

using namespace style;

// The DOM side knows the control classes by these numbers.
static_assert(static_cast<int>(ControlClass::kButton) == 0 && static_cast<int>(ControlClass::kEdit) == 1 &&
              static_cast<int>(ControlClass::kStatic) == 2);

// The event the page queues when its restart button is pressed: no window.
constexpr std::int32_t kNoWindow = 0;

// A text's length for the DOM side. WebAssembly's memory is at most 4 GiB
// and the page's far less, so a text in it is shorter than INT_MAX bytes.
int Length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

WebWindowSystem::WebWindowSystem() { radixel_dom_page(); }

WebWindowSystem::~WebWindowSystem() {
  while (!windows_.empty()) DestroyWindow(reinterpret_cast<WindowHandle>(windows_.back().get()));
}

WebWindowSystem::Window* WebWindowSystem::Get(WindowHandle window) const {
  for (const auto& w : windows_) {
    if (reinterpret_cast<WindowHandle>(w.get()) == window) return w.get();
  }
  return nullptr;
}

WebWindowSystem::Window* WebWindowSystem::FromKey(std::int32_t key) const {
  for (const auto& w : windows_) {
    if (w->key == key) return w.get();
  }
  return nullptr;
}

// --- Dialog windows ----------------------------------------------------------

WindowHandle WebWindowSystem::CreateDialogWindow(const DialogTemplate& dialog, WindowHandle owner,
                                                 MessageSink& sink) {
  Window* ownerWindow = Get(owner);
  windows_.push_back(std::make_unique<Window>());
  Window& w = *windows_.back();
  w.key = ++lastKey_;
  w.tmpl = &dialog;
  w.sink = &sink;
  w.owner = ownerWindow;
  const auto handle = reinterpret_cast<WindowHandle>(&w);

  radixel_dom_create_window(w.key, dialog.id, ownerWindow ? ownerWindow->key : kNoWindow, dialog.caption,
                            dialog.cx, dialog.cy, dialog.style, dialog.fontPointSize);
  if (const MenuTemplate* menu = FindMenu(dialog.menuId)) {
    for (const MenuItemTemplate& item : menu->items) radixel_dom_add_menu_item(w.key, item.text, item.command);
  }
  for (const ControlTemplate& c : dialog.controls) {
    int pageIcon = 0;
    if (c.cls == ControlClass::kStatic && (c.style & kSsTypeMask) == kSsIcon) {
      if (const Icon* icon = GetIcon(LoadIconResource(c.iconId))) pageIcon = icon->pageIcon;
    }
    radixel_dom_add_control(w.key, c.id, static_cast<int>(c.cls), c.text, c.x, c.y, c.cx, c.cy, c.style,
                            pageIcon);
  }
  radixel_dom_finish_window(w.key);
  if (dialog.style & kSysMenu) ResetSystemMenu(w);

  sink.OnAttach(handle);
  if (Send(w, msg::kInitDialog, 0, 0) != 0 && Get(handle)) radixel_dom_focus_first(w.key);
  if (Get(handle) == nullptr) return nullptr;
  if ((dialog.style & kVisible) && !w.ended) radixel_dom_show(w.key);
  return handle;
}

std::intptr_t WebWindowSystem::RunModalLoop(WindowHandle handle) {
  Window* w = Get(handle);
  if (w == nullptr) return -1;
  if (w->ended) return w->result;
  const int ownerKey = w->owner ? w->owner->key : kNoWindow;
  if (w->owner) ++w->owner->disabledBy;
  radixel_dom_show(w->key);
  while ((w = Get(handle)) != nullptr && !w->ended) Dispatch(NextEvent());
  // The owner may have gone meanwhile; it is found again by its key.
  if (Window* owner = FromKey(ownerKey)) --owner->disabledBy;
  return w ? w->result : -1;
}

void WebWindowSystem::EndModalLoop(WindowHandle handle, std::intptr_t result) {
  Window* w = Get(handle);
  if (w == nullptr) return;
  w->ended = true;
  w->result = result;
  radixel_dom_end(w->key, static_cast<int>(result));
}

void WebWindowSystem::DestroyWindow(WindowHandle handle) {
  Window* w = Get(handle);
  if (w == nullptr) return;
  for (const auto& other : windows_) {
    if (other->owner == w) other->owner = nullptr;
  }
  radixel_dom_destroy(w->key);
  std::erase_if(windows_, [w](const auto& p) { return p.get() == w; });
}

WebWindowSystem::Event WebWindowSystem::NextEvent() {
  std::int32_t fields[4] = {};
  radixel_dom_wait_event(fields);
  return {fields[0], fields[1], fields[2], fields[3]};
}

void WebWindowSystem::Dispatch(const Event& event) {
  Window* w = FromKey(event.window);
  // Input to a window that waits for one of its boxes is dropped, as the
  // dialog manager drops input to a disabled window.
  if (w == nullptr || w->disabledBy > 0 || w->ended) return;
  const auto message = static_cast<std::uint32_t>(event.message);
  const auto wParam = static_cast<std::uint32_t>(event.wParam);
  Send(*w, message, wParam, event.lParam);
  const bool okPressed = message == msg::kCommand && (wParam & 0xFFFFu) == static_cast<std::uint32_t>(msg::kIdOk) &&
                         (wParam >> 16) == msg::kBnClicked;
  // The press may have ended the window, or destroyed it.
  if (okPressed && (w = FromKey(event.window)) != nullptr && !w->ended) AnnouncePress(*w);
}

void WebWindowSystem::AnnouncePress(Window& w) {
  int first = 1;
  for (const std::string& text : AnnouncementsAfterOk(*this, reinterpret_cast<WindowHandle>(&w), *w.tmpl)) {
    radixel_dom_announce(text.data(), Length(text), first);
    first = 0;
  }
}

std::intptr_t WebWindowSystem::Send(Window& w, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
  return w.sink->OnMessage(message, wParam, lParam);
}

void WebWindowSystem::WaitForRestart(std::string_view line, std::string_view button) {
  radixel_dom_show_restart(line.data(), Length(line), button.data(), Length(button));
  // Events still queued for windows that have gone are dropped on the way.
  while (NextEvent().window != kNoWindow) {
  }
}

// --- Controls ----------------------------------------------------------------

std::string WebWindowSystem::GetItemText(WindowHandle window, int id) {
  const Window* w = Get(window);
  if (w == nullptr) return {};
  std::string text(64, '\0');
  for (;;) {
    const int length = radixel_dom_get_text(w->key, id, text.data(), static_cast<int>(text.size()) + 1);
    if (length <= static_cast<int>(text.size())) {
      text.resize(static_cast<std::size_t>(std::max(length, 0)));
      return text;
    }
    text.resize(static_cast<std::size_t>(length));
  }
}

void WebWindowSystem::SetItemText(WindowHandle window, int id, std::string_view text) {
  if (const Window* w = Get(window)) radixel_dom_set_text(w->key, id, text.data(), Length(text));
}

bool WebWindowSystem::IsItemChecked(WindowHandle window, int id) {
  const Window* w = Get(window);
  return w && radixel_dom_is_checked(w->key, id) != 0;
}

void WebWindowSystem::CheckItem(WindowHandle window, int id, bool checked) {
  if (const Window* w = Get(window)) radixel_dom_check(w->key, id, checked ? 1 : 0);
}

// --- Messages ----------------------------------------------------------------

std::intptr_t WebWindowSystem::SendMessage(WindowHandle window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
  Window* w = Get(window);
  if (w == nullptr) return 0;
  switch (message) {
    case msg::kSetIcon: {
      const bool big = wParam != 0;
      IconHandle& slot = big ? w->bigIcon : w->smallIcon;
      const IconHandle previous = slot;
      slot = reinterpret_cast<IconHandle>(lParam);
      const Icon* icon = GetIcon(slot);
      radixel_dom_set_icon(w->key, big ? 1 : 0, icon ? icon->pageIcon : 0);
      return reinterpret_cast<std::intptr_t>(previous);
    }
    case msg::kIconEraseBkgnd:
      return 1;  // the page draws the minimised window itself
    default:
      return Send(*w, message, wParam, lParam);
  }
}

std::intptr_t WebWindowSystem::DefaultProcessing(WindowHandle window, std::uint32_t message,
                                                 std::uintptr_t wParam, std::intptr_t) {
  Window* w = Get(window);
  if (w == nullptr) return 0;
  if (message == msg::kSysCommand) {
    switch (static_cast<std::uint32_t>(wParam & 0xFFF0u)) {
      case msg::kScMinimize:
        if (w->tmpl->style & kMinimizeBox) radixel_dom_set_iconic(w->key, w->iconic = true);
        break;
      case msg::kScRestore: radixel_dom_set_iconic(w->key, w->iconic = false); break;
      case msg::kScClose: Send(*w, msg::kClose, 0, 0); break;
      default: break;  // a part of a page neither moves nor changes size
    }
  } else if (message == msg::kClose) {
    const auto cancel = static_cast<std::uintptr_t>(msg::kIdCancel) | (msg::kBnClicked << 16);
    Send(*w, msg::kCommand, cancel, 0);
  }
  return 0;
}

// --- Window state ------------------------------------------------------------

bool WebWindowSystem::IsIconic(WindowHandle window) {
  const Window* w = Get(window);
  return w && w->iconic;
}

Rect WebWindowSystem::GetClientRect(WindowHandle window) {
  const Window* w = Get(window);
  if (w == nullptr) return {};
  return {0, 0, radixel_dom_client_size(w->key, 0), radixel_dom_client_size(w->key, 1)};
}

int WebWindowSystem::GetSystemMetrics(int index) {
  switch (index) {
    case msg::kSmCxScreen: return radixel_dom_screen_size(0);
    case msg::kSmCyScreen: return radixel_dom_screen_size(1);
    case msg::kSmCxIcon:
    case msg::kSmCyIcon: return msg::kIconSize;
    case msg::kSmCxSmIcon:
    case msg::kSmCySmIcon: return msg::kSmallIconSize;
    default: return 0;
  }
}

// --- Menus -------------------------------------------------------------------

void WebWindowSystem::ResetSystemMenu(Window& w) {
  w.systemMenu.clear();
  radixel_dom_reset_system_menu(w.key);
  for (const msg::SystemMenuItem& e : msg::kStandardSystemMenu) {
    w.systemMenu.push_back({e.flags, e.id, e.text});
    radixel_dom_append_system_menu(w.key, e.flags, e.id, e.text, Length(e.text));
  }
}

WebWindowSystem::Window* WebWindowSystem::OfMenu(MenuHandle menu) const {
  for (const auto& w : windows_) {
    if (reinterpret_cast<MenuHandle>(&w->systemMenu) == menu) return w.get();
  }
  return nullptr;
}

MenuHandle WebWindowSystem::GetSystemMenu(WindowHandle window, bool revert) {
  Window* w = Get(window);
  if (w == nullptr || !(w->tmpl->style & kSysMenu)) return nullptr;
  if (revert) {
    ResetSystemMenu(*w);
    return nullptr;
  }
  return reinterpret_cast<MenuHandle>(&w->systemMenu);
}

bool WebWindowSystem::AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                                     std::string_view text) {
  Window* w = OfMenu(menu);
  if (w == nullptr) return false;
  const bool separator = (flags & msg::kMfSeparator) != 0;
  w->systemMenu.push_back({flags, separator ? 0u : static_cast<std::uint32_t>(id),
                           separator ? std::string() : std::string(text)});
  const MenuEntry& entry = w->systemMenu.back();
  radixel_dom_append_system_menu(w->key, entry.flags, entry.id, entry.text.data(), Length(entry.text));
  return true;
}

int WebWindowSystem::GetMenuItemCount(MenuHandle menu) {
  const Window* w = OfMenu(menu);
  return w ? static_cast<int>(w->systemMenu.size()) : -1;
}

std::uint32_t WebWindowSystem::GetMenuItemId(MenuHandle menu, int position) {
  const Window* w = OfMenu(menu);
  if (w == nullptr || position < 0 || position >= static_cast<int>(w->systemMenu.size())) return 0;
  return w->systemMenu[static_cast<std::size_t>(position)].id;
}

std::string WebWindowSystem::GetMenuItemText(MenuHandle menu, int position) {
  const Window* w = OfMenu(menu);
  if (w == nullptr || position < 0 || position >= static_cast<int>(w->systemMenu.size())) return {};
  return w->systemMenu[static_cast<std::size_t>(position)].text;
}

// --- Icons and painting ------------------------------------------------------

const WebWindowSystem::Icon* WebWindowSystem::GetIcon(IconHandle icon) const {
  for (const auto& i : icons_) {
    if (reinterpret_cast<IconHandle>(i.get()) == icon) return i.get();
  }
  return nullptr;
}

IconHandle WebWindowSystem::LoadIconResource(int id) {
  for (const auto& i : icons_) {
    if (i->resourceId == id) return reinterpret_cast<IconHandle>(i.get());
  }
  const IconResource* resource = FindIcon(id);
  if (resource == nullptr) return nullptr;
  // The browser decodes the .ico file itself.
  const int pageIcon = radixel_dom_load_icon(resource->icoFile.data(), static_cast<int>(resource->icoFile.size()));
  icons_.push_back(std::make_unique<Icon>(Icon{id, pageIcon}));
  return reinterpret_cast<IconHandle>(icons_.back().get());
}

// The page draws a minimised window as its caption with the icon, so the
// program's own painting has nowhere to go: the calls are accepted and
// draw nothing.
PaintHandle WebWindowSystem::BeginPaint(WindowHandle window) {
  return Get(window) ? reinterpret_cast<PaintHandle>(window) : nullptr;
}

void WebWindowSystem::DrawIcon(PaintHandle, int, int, IconHandle) {}

void WebWindowSystem::EndPaint(WindowHandle, PaintHandle) {}

}  // namespace radixel::platform::web
