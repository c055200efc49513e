#include "systems/qt/lib/qt_window_system.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/messages.h"
#include "systems/qt/lib/dialog_window.h"
#include "systems/qt/lib/ico_image.h"
#include "systems/qt/lib/line_edit_accessible.h"

namespace radixel::platform::qt {

struct QtWindowSystem::IconRecord {
  int resourceId;
  QImage big;
  QImage small;
};

struct QtWindowSystem::PaintRecord {
  DialogWindow* window;
  std::unique_ptr<QPainter> painter;  // null outside the client area's paint event
};

namespace {
using MenuEntries = std::vector<DialogWindow::MenuEntry>;
MenuEntries* Entries(MenuHandle menu) { return reinterpret_cast<MenuEntries*>(menu); }
}  // namespace

QtWindowSystem::QtWindowSystem() { LineEditAccessible::Install(); }

QtWindowSystem::~QtWindowSystem() {
  while (!windows_.empty()) DestroyWindow(windows_.back()->Handle());
}

DialogWindow* QtWindowSystem::Window(WindowHandle window) const {
  const auto it = std::find_if(windows_.begin(), windows_.end(),
                               [window](DialogWindow* w) { return w->Handle() == window; });
  return it == windows_.end() ? nullptr : *it;
}

// --- Dialog windows ----------------------------------------------------------

WindowHandle QtWindowSystem::CreateDialogWindow(const DialogTemplate& dialog, WindowHandle owner,
                                                MessageSink& sink) {
  DialogWindow* ownerWindow = Window(owner);
  auto* window = new DialogWindow(dialog, ownerWindow, sink);
  if (ownerWindow) {
    // The owner's window manager keeps the box above it.
    window->winId();
    ownerWindow->winId();
    window->windowHandle()->setTransientParent(ownerWindow->windowHandle());
  }
  windows_.push_back(window);
  const WindowHandle handle = window->Handle();

  sink.OnAttach(handle);
  if (window->Send(msg::kInitDialog, 0, 0) != 0 && Window(handle)) {
    // The first control with a tab stop takes the focus.
    for (const auto& [c, widget] : window->Controls()) {
      if ((c->style & style::kTabStop) && widget->isEnabled() && !widget->isHidden()) {
        widget->setFocus(Qt::TabFocusReason);
        break;
      }
    }
  }
  if (!Window(handle)) return nullptr;
  if ((dialog.style & style::kVisible) && !window->HasEnded()) window->show();
  return handle;
}

std::intptr_t QtWindowSystem::RunModalLoop(WindowHandle handle) {
  QPointer<DialogWindow> window = Window(handle);
  if (!window) return -1;
  if (window->HasEnded()) return window->Result();

  DialogWindow* owner = window->Owner();
  if (owner && owner->isEnabled()) {
    owner->setEnabled(false);
    window->SetDisabledOwner(true);
  }
  window->show();
  window->raise();
  window->activateWindow();

  QEventLoop loop;
  window->SetLoop(&loop);
  loop.exec(QEventLoop::DialogExec);
  if (!window) return -1;
  window->SetLoop(nullptr);
  EnableOwner(*window);
  return window->Result();
}

void QtWindowSystem::EnableOwner(DialogWindow& window) {
  if (!window.DisabledOwner()) return;
  window.SetDisabledOwner(false);
  if (DialogWindow* owner = window.Owner()) {
    owner->setEnabled(true);
    owner->activateWindow();
  }
}

void QtWindowSystem::EndModalLoop(WindowHandle handle, std::intptr_t result) {
  DialogWindow* window = Window(handle);
  if (window == nullptr) return;
  // The owner comes back before the box goes, so that it takes the focus.
  EnableOwner(*window);
  window->End(result);
}

void QtWindowSystem::DestroyWindow(WindowHandle handle) {
  DialogWindow* window = Window(handle);
  if (window == nullptr) return;
  std::erase(windows_, window);
  EnableOwner(*window);
  for (DialogWindow* other : windows_) {
    if (other->Owner() == window) other->ForgetOwner();
  }
  window->hide();
  // A window whose message is still being handled goes once that is done.
  if (window->IsDispatching()) {
    window->deleteLater();
  } else {
    delete window;
  }
}

// --- Controls ----------------------------------------------------------------

std::string QtWindowSystem::GetItemText(WindowHandle window, int id) {
  DialogWindow* w = Window(window);
  return w ? w->Text(id) : std::string();
}

void QtWindowSystem::SetItemText(WindowHandle window, int id, std::string_view text) {
  if (DialogWindow* w = Window(window)) w->SetText(id, std::string(text));
}

bool QtWindowSystem::IsItemChecked(WindowHandle window, int id) {
  DialogWindow* w = Window(window);
  return w && w->IsChecked(id);
}

void QtWindowSystem::CheckItem(WindowHandle window, int id, bool checked) {
  if (DialogWindow* w = Window(window)) w->Check(id, checked);
}

// --- Messages ----------------------------------------------------------------

std::intptr_t QtWindowSystem::SendMessage(WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) {
  DialogWindow* w = Window(window);
  if (w == nullptr) return 0;
  switch (message) {
    case msg::kSetIcon: {
      const bool big = wParam != 0;
      const auto icon = reinterpret_cast<IconHandle>(lParam);
      const IconRecord* record = Icon(icon);
      const QImage image = record ? (big ? record->big : record->small) : QImage();
      return reinterpret_cast<std::intptr_t>(w->SetIcon(big, icon, image));
    }
    case msg::kIconEraseBkgnd: {
      const PaintRecord* paint = Paint(reinterpret_cast<PaintHandle>(wParam));
      if (paint && paint->painter) {
        paint->painter->fillRect(w->Client()->rect(), w->palette().window());
      }
      return 1;
    }
    default:
      return w->Send(message, wParam, lParam);
  }
}

std::intptr_t QtWindowSystem::DefaultProcessing(WindowHandle window, std::uint32_t message,
                                                std::uintptr_t wParam, std::intptr_t) {
  DialogWindow* w = Window(window);
  if (w == nullptr) return 0;
  if (message == msg::kSysCommand) {
    switch (static_cast<std::uint32_t>(wParam & 0xFFF0u)) {
      case msg::kScMinimize: w->showMinimized(); break;
      case msg::kScRestore: w->showNormal(); break;
      case msg::kScMove:
        if (QWindow* native = w->windowHandle()) native->startSystemMove();
        break;
      case msg::kScClose: w->Send(msg::kClose, 0, 0); break;
      default: break;  // the window has a fixed size: no sizing, no maximising
    }
  } else if (message == msg::kClose) {
    w->SendCommand(msg::kIdCancel, msg::kBnClicked);
  }
  return 0;
}

// --- Window state ------------------------------------------------------------

bool QtWindowSystem::IsIconic(WindowHandle window) {
  DialogWindow* w = Window(window);
  return w && w->isMinimized();
}

Rect QtWindowSystem::GetClientRect(WindowHandle window) {
  DialogWindow* w = Window(window);
  if (w == nullptr) return {};
  return {0, 0, w->Client()->width(), w->Client()->height()};
}

int QtWindowSystem::GetSystemMetrics(int index) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  switch (index) {
    case msg::kSmCxScreen: return screen ? screen->geometry().width() : 0;
    case msg::kSmCyScreen: return screen ? screen->geometry().height() : 0;
    case msg::kSmCxIcon:
    case msg::kSmCyIcon: return msg::kIconSize;
    case msg::kSmCxSmIcon:
    case msg::kSmCySmIcon: return msg::kSmallIconSize;
    default: return 0;
  }
}

// --- Menus -------------------------------------------------------------------

MenuHandle QtWindowSystem::GetSystemMenu(WindowHandle window, bool revert) {
  DialogWindow* w = Window(window);
  if (w == nullptr || !(w->Template().style & style::kSysMenu)) return nullptr;
  if (revert) {
    w->ResetSystemMenu();
    return nullptr;
  }
  return reinterpret_cast<MenuHandle>(&w->SystemMenuEntries());
}

bool QtWindowSystem::AppendMenuItem(MenuHandle menu, std::uint32_t flags, std::uintptr_t id,
                                    std::string_view text) {
  if (menu == nullptr) return false;
  const bool separator = (flags & msg::kMfSeparator) != 0;
  Entries(menu)->push_back({flags, separator ? 0u : static_cast<std::uint32_t>(id),
                            separator ? std::string() : std::string(text)});
  return true;
}

int QtWindowSystem::GetMenuItemCount(MenuHandle menu) {
  return menu ? static_cast<int>(Entries(menu)->size()) : -1;
}

std::uint32_t QtWindowSystem::GetMenuItemId(MenuHandle menu, int position) {
  if (menu == nullptr || position < 0 || position >= GetMenuItemCount(menu)) return 0;
  return (*Entries(menu))[static_cast<std::size_t>(position)].id;
}

std::string QtWindowSystem::GetMenuItemText(MenuHandle menu, int position) {
  if (menu == nullptr || position < 0 || position >= GetMenuItemCount(menu)) return {};
  return (*Entries(menu))[static_cast<std::size_t>(position)].text;
}

// --- Icons and painting ------------------------------------------------------

QtWindowSystem::IconRecord* QtWindowSystem::Icon(IconHandle icon) const {
  for (const auto& record : icons_) {
    if (reinterpret_cast<IconHandle>(record.get()) == icon) return record.get();
  }
  return nullptr;
}

IconHandle QtWindowSystem::LoadIconResource(int id) {
  for (const auto& record : icons_) {
    if (record->resourceId == id) return reinterpret_cast<IconHandle>(record.get());
  }
  const IconResource* resource = FindIcon(id);
  if (resource == nullptr) return nullptr;
  const std::vector<QImage> images = DecodeIco(resource->icoFile);
  if (images.empty()) return nullptr;
  icons_.push_back(std::make_unique<IconRecord>(
      IconRecord{id, ImageOfSize(images, msg::kIconSize), ImageOfSize(images, msg::kSmallIconSize)}));
  return reinterpret_cast<IconHandle>(icons_.back().get());
}

QtWindowSystem::PaintRecord* QtWindowSystem::Paint(PaintHandle paint) const {
  for (const auto& record : paints_) {
    if (reinterpret_cast<PaintHandle>(record.get()) == paint) return record.get();
  }
  return nullptr;
}

PaintHandle QtWindowSystem::BeginPaint(WindowHandle window) {
  DialogWindow* w = Window(window);
  if (w == nullptr) return nullptr;
  auto record = std::make_unique<PaintRecord>();
  record->window = w;
  if (w->IsPaintingClient()) record->painter = std::make_unique<QPainter>(w->Client());
  paints_.push_back(std::move(record));
  return reinterpret_cast<PaintHandle>(paints_.back().get());
}

void QtWindowSystem::DrawIcon(PaintHandle paint, int x, int y, IconHandle icon) {
  const PaintRecord* record = Paint(paint);
  const IconRecord* image = Icon(icon);
  if (record && record->painter && image) {
    record->painter->drawImage(QRect(x, y, msg::kIconSize, msg::kIconSize), image->big);
  }
}

void QtWindowSystem::EndPaint(WindowHandle, PaintHandle paint) {
  std::erase_if(paints_, [paint](const auto& record) {
    return reinterpret_cast<PaintHandle>(record.get()) == paint;
  });
}

}  // namespace radixel::platform::qt
