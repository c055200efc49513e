#include "systems/qt/tests/qt_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "res/resource_ids.h"

namespace radixel::testing {

using platform::qt::DialogWindow;

namespace {
// How long a box may stay open before the driver gives up on it.
constexpr int kBoxDeadlineMs = 5000;

std::vector<MenuLine> Lines(const QList<QAction*>& actions) {
  std::vector<MenuLine> lines;
  for (const QAction* action : actions) {
    lines.push_back({action->isSeparator() ? 0u : action->data().toUInt(),
                     action->isSeparator() ? std::string() : action->text().toStdString()});
  }
  return lines;
}
}  // namespace

QtDriver::QtDriver() = default;

QtDriver::~QtDriver() {
  if (QWidget* popUp = QApplication::activePopupWidget()) popUp->close();
  dialog_.reset();
}

DialogWindow& QtDriver::window() const { return *ws_.Window(dialog_->m_hWnd); }

QWidget* QtDriver::Control(int id) const { return window().Control(id); }

void QtDriver::Open() {
  dialog_ = std::make_unique<NotedConverterDlg>();
  dialog_->Create();
  DialogWindow& w = window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.activateWindow();
  // Where a window cannot activate itself (Wayland), the compositor gives
  // it the keyboard once it is shown.
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }, 5000));
}

void QtDriver::Type(int id, std::string_view text) {
  auto* edit = qobject_cast<QLineEdit*>(Control(id));
  ASSERT_NE(edit, nullptr) << "no edit box " << id;
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (text.empty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    // One key press a character; QTest names keys for ASCII only, so other
    // characters come as key events that carry just their text.
    const QString typed = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const QChar ch : typed) {
      if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
        QTest::keyClick(edit, static_cast<char>(ch.unicode()));
      } else {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      }
    }
  }
}

void QtDriver::Click(int id) {
  QWidget* control = Control(id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  QPoint at = control->rect().center();
  if (auto* radio = qobject_cast<QRadioButton*>(control)) {
    // On the round indicator, where a person aims.
    QStyleOptionButton option;
    option.initFrom(radio);
    option.text = radio->text();
    at = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
  }
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

void QtDriver::PressEnter() {
  QWidget* input = Control(IDC_INPUT);
  if (window().focusWidget() != input) QTest::mouseClick(input, Qt::LeftButton);
  QTest::keyClick(input, Qt::Key_Return);
}

void QtDriver::PressEscape() {
  QWidget* input = Control(IDC_INPUT);
  if (window().focusWidget() != input) QTest::mouseClick(input, Qt::LeftButton);
  QTest::keyClick(input, Qt::Key_Escape);
}

void QtDriver::Press(Key key) {
  static constexpr Qt::Key kKeys[] = {Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return};
  QWidget* focus = window().focusWidget();
  QTest::keyClick(focus ? focus : &window(), kKeys[static_cast<int>(key)]);
}

BoxSeen QtDriver::SeeBox(const std::function<void()>& open,
                         const std::function<void(DialogWindow&)>& whileOpen) {
  BoxSeen seen;
  const std::vector<DialogWindow*> before = ws_.Windows();
  QTimer watcher;
  watcher.setInterval(5);
  QElapsedTimer clock;
  DialogWindow* box = nullptr;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (box != nullptr) {
      // Still open long after the person acted: end it, so the test fails
      // instead of hanging.
      if (clock.elapsed() > kBoxDeadlineMs && ws_.Window(box->Handle())) {
        ADD_FAILURE() << "box " << box->Template().id << " did not close";
        ws_.EndModalLoop(box->Handle(), -1);
      }
      return;
    }
    for (DialogWindow* w : ws_.Windows()) {
      const bool isNew = std::find(before.begin(), before.end(), w) == before.end();
      if (!isNew || !w->Loop() || !w->windowHandle() || !w->windowHandle()->isExposed()) continue;
      box = w;
      clock.start();
      seen.templateId = w->Template().id;
      seen.caption = w->windowTitle().toStdString();
      if (whileOpen) {
        whileOpen(*w);
      } else {
        QTest::mouseClick(w->Control(IDOK), Qt::LeftButton);
      }
      return;
    }
  });
  watcher.start();
  open();
  watcher.stop();
  return seen;
}

BoxSeen QtDriver::ChooseMenuItem(std::uint32_t command) {
  QMenuBar* bar = window().MenuBar();
  if (bar == nullptr) return {};
  for (QAction* action : bar->actions()) {
    if (action->data().toUInt() != command) continue;
    const QPoint at = bar->actionGeometry(action).center();
    return SeeBox([&] { QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at); });
  }
  return {};
}

QMenu* QtDriver::OpenSystemMenu() {
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    // Qt on Wayland finds shortcuts through the seat's key map, which knows
    // nothing of a key event made up without a scan code; the person
    // right-clicks the dialog's free area instead.
    QWidget* client = window().Client();
    const QPoint free(client->width() - 2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, free, client->mapToGlobal(free));
    QApplication::sendEvent(client, &event);
  } else {
    QTest::keyClick(&window(), Qt::Key_Space, Qt::AltModifier);
  }
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void QtDriver::ClickMenuItem(QMenu* menu, QAction* item) {
  // A menu takes a click only on the item the pointer has come onto: it
  // passes over the first few moves after it opens (a hand's jitter), and
  // from Qt 6.8 on a press with no move before it closes the menu. So the
  // pointer goes from the menu's corner to the item in steps, as moves the
  // window system reports to the menu's window (a client cannot move the
  // pointer itself on Wayland).
  constexpr int kSteps = 10;
  const QPoint at = menu->actionGeometry(item).center();
  for (int step = 0; step <= kSteps; ++step) {
    QTest::mouseMove(menu->windowHandle(), at * step / kSteps);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return menu->activeAction() == item; }, 1000))
      << "the pointer on " << item->text().toStdString() << " does not highlight it";
  QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
}

BoxSeen QtDriver::ChooseSystemMenuItem(std::uint32_t command) {
  QMenu* menu = OpenSystemMenu();
  if (menu == nullptr) return {};
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || action->data().toUInt() != command) continue;
    return SeeBox([&] { ClickMenuItem(menu, action); });
  }
  QTest::keyClick(menu, Qt::Key_Escape);
  return {};
}

int QtDriver::ChangeNotifications(int id) { return dialog_->ChangeNotifications(id); }

std::string QtDriver::Text(int id) {
  if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) return edit->text().toStdString();
  return window().Text(id);
}

bool QtDriver::IsChecked(int id) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  return button && button->isChecked();
}

int QtDriver::FocusId() { return window().IdOf(window().focusWidget()); }

bool QtDriver::HasEnded(std::intptr_t* result) {
  const DialogWindow& w = window();
  if (!w.HasEnded() || w.isVisible()) return false;
  if (result) *result = w.Result();
  return true;
}

std::vector<MenuLine> QtDriver::SystemMenu() {
  QMenu* menu = OpenSystemMenu();
  if (menu == nullptr) return {};
  std::vector<MenuLine> lines = Lines(menu->actions());
  QTest::keyClick(menu, Qt::Key_Escape);
  return lines;
}

std::vector<MenuLine> QtDriver::MenuBar() {
  QMenuBar* bar = window().MenuBar();
  return bar ? Lines(bar->actions()) : std::vector<MenuLine>{};
}

}  // namespace radixel::testing
