// What only a real window shows: the tab order, Enter on a focused button,
// radio buttons checked from the keyboard, the system-menu pop-up and its
// commands, the close button, modal boxes and their owner, the icons, the
// minimised window's own icon, and the application run end to end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <utility>

#include "res/resource_ids.h"
#include "systems/qt/lib/ico_image.h"
#include "systems/qt/tests/qt_driver.h"
#include "ui/converter_app.h"

namespace radixel::testing {
namespace {

using platform::qt::DialogWindow;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { person_.Open(); }
  DialogWindow& window() { return person_.window(); }
  QWidget* control(int id) { return person_.Control(id); }

  // Right-clicks the client area at `at` (client coordinates), as the
  // window system delivers it; returns the system menu if it popped up.
  QMenu* RightClick(QPoint at) {
    QWidget* client = window().Client();
    QWidget* target = client->childAt(at) ? client->childAt(at) : client;
    const QPoint local = target->mapFrom(client, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu && menu != window().SystemMenuPopUp()) {
      menu->close();
      return nullptr;
    }
    return menu;
  }
  QPoint ClientPointOf(int id) { return control(id)->geometry().center(); }

  QtDriver person_;
};

TEST_F(WindowTest, EnterOnTheFocusedExitButtonPressesExit) {
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(person_.FocusId(), IDCANCEL);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  std::intptr_t result = 0;
  EXPECT_TRUE(person_.HasEnded(&result));
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(WindowTest, ArrowKeysCheckTheNextRadioButtonAndSetTheMode) {
  person_.Click(IDC_DEC_TO_HEX);
  ASSERT_EQ(person_.dialog().m_nMode, MODE_DEC_TO_HEX);
  QTest::keyClick(control(IDC_DEC_TO_HEX), Qt::Key_Down);
  EXPECT_TRUE(person_.IsChecked(IDC_DEC_TO_BIN));
  EXPECT_EQ(person_.dialog().m_nMode, MODE_DEC_TO_BIN);
  QTest::keyClick(control(IDC_DEC_TO_BIN), Qt::Key_Up);
  QTest::keyClick(control(IDC_DEC_TO_HEX), Qt::Key_Up);
  EXPECT_TRUE(person_.IsChecked(IDC_HEX_TO_BIN));
  EXPECT_EQ(person_.dialog().m_nMode, MODE_HEX_TO_BIN);
}

TEST_F(WindowTest, TheProgramsOwnCheckMarksSendNoNotification) {
  person_.Click(IDC_BIN_TO_HEX);
  person_.dialog().m_nMode = MODE_DEC_TO_BIN;
  person_.dialog().UpdateData(FALSE);
  EXPECT_TRUE(person_.IsChecked(IDC_DEC_TO_BIN));
  EXPECT_FALSE(person_.IsChecked(IDC_BIN_TO_HEX));
  person_.dialog().m_nMode = -1;
  person_.dialog().UpdateData(FALSE);
  for (int id = IDC_HEX_TO_DEC; id <= IDC_BIN_TO_DEC; ++id) EXPECT_FALSE(person_.IsChecked(id)) << id;
  EXPECT_EQ(person_.dialog().m_nMode, -1);
}

TEST_F(WindowTest, TypedTextReachesTheProgramAsUtf8AndOtherLettersStayAsTyped) {
  person_.Type(IDC_INPUT, "\xC3\xA9t\xC3\xA9");  // "été"
  EXPECT_EQ(person_.dialog().UpdateData(TRUE), TRUE);
  EXPECT_EQ(std::string(person_.dialog().m_strInput.view()), "\xC3\xA9t\xC3\xA9");
  person_.Click(IDOK);
  EXPECT_EQ(person_.Text(IDC_INPUT), "\xC3\xA9T\xC3\xA9") << "only a to z are upper-cased";
  EXPECT_EQ(person_.Text(IDC_ERRORS), "Your entered an illegal char.");
}

TEST_F(WindowTest, SystemMenuHoldsTheStandardItemsThenTheAboutEntry) {
  const std::vector<MenuLine> expected = {
      {0xF120, "&Restore"}, {0xF010, "&Move"}, {0xF000, "&Size"}, {0xF020, "Mi&nimize"},
      {0, ""}, {0xF060, "&Close\tAlt+F4"}, {0, ""}, {IDM_ABOUTBOX, "&About Radixel..."}};
  EXPECT_EQ(person_.SystemMenu(), expected);
  QMenu* menu = person_.OpenSystemMenu();
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> items = menu->actions();
  EXPECT_FALSE(items[0]->isEnabled()) << "Restore, while the window is not minimised";
  EXPECT_TRUE(items[1]->isEnabled()) << "Move";
  EXPECT_FALSE(items[2]->isEnabled()) << "Size: the window has a fixed size";
  EXPECT_TRUE(items[3]->isEnabled()) << "Minimize";
  EXPECT_TRUE(items[5]->isEnabled()) << "Close";
  EXPECT_TRUE(items[7]->isEnabled()) << "About";
  menu->close();
}

TEST_F(WindowTest, RightClickOnFreeAreaOrALabelPopsTheSystemMenuUp) {
  const QPoint freeArea = window().Client()->rect().topRight() + QPoint(-4, 4);
  ASSERT_EQ(window().Client()->childAt(freeArea), nullptr);
  QMenu* menu = RightClick(freeArea);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().size(), 8);
  menu->close();

  const QPoint onLabel = window().Client()->findChild<QLabel*>()->geometry().center();
  EXPECT_NE(RightClick(onLabel), nullptr);
  if (auto* m = window().SystemMenuPopUp()) m->close();
  EXPECT_EQ(RightClick(ClientPointOf(IDOK)), nullptr) << "a button keeps its right-click";
  EXPECT_EQ(RightClick(ClientPointOf(IDC_INPUT)), nullptr) << "an edit box has its own menu";
}

TEST_F(WindowTest, MinimizeAndRestoreComeFromTheSystemMenu) {
  person_.ChooseSystemMenuItem(0xF020);
  EXPECT_TRUE(window().isMinimized());
  EXPECT_TRUE(person_.ws().IsIconic(window().Handle()));
  QMenu* menu = window().PopUpSystemMenu(window().mapToGlobal(QPoint()));
  ASSERT_NE(menu, nullptr);
  QAction* restore = menu->actions().front();
  ASSERT_TRUE(restore->isEnabled());
  QtDriver::ClickMenuItem(menu, restore);
  EXPECT_FALSE(window().isMinimized());
  EXPECT_FALSE(person_.HasEnded(nullptr));
}

TEST_F(WindowTest, CloseFromTheSystemMenuOrTheWindowEndsThroughCancel) {
  person_.ChooseSystemMenuItem(0xF060);
  std::intptr_t result = 0;
  ASSERT_TRUE(person_.HasEnded(&result));
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(WindowTest, TheWindowManagersCloseEndsThroughCancel) {
  window().windowHandle()->close();
  std::intptr_t result = 0;
  ASSERT_TRUE(person_.HasEnded(&result));
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(WindowTest, AMegabytePastedIntoTheInputBoxIsConvertedAndTheWindowAnswersOn) {
  std::string text(1 << 20, '0');
  text.back() = '1';
  qobject_cast<QLineEdit*>(control(IDC_INPUT))->setText(QString::fromStdString(text));
  person_.Click(IDC_HEX_TO_DEC);
  person_.Click(IDOK);
  EXPECT_EQ(person_.Text(IDC_OUTPUT), "1.");
  EXPECT_EQ(person_.Text(IDC_ERRORS), "Number entered larger than 8 digits.");
  EXPECT_EQ(person_.Text(IDC_INPUT), text);
  // The window still takes events: a person's Esc ends it.
  person_.PressEscape();
  EXPECT_TRUE(person_.HasEnded(nullptr));
}

TEST_F(WindowTest, ABoxDisablesItsOwnerUntilItCloses) {
  // Boxes are owned by the application's main window.
  CConverterApp app;
  app.m_pMainWnd = &person_.dialog();
  bool ownerEnabled = true;
  bool transient = false;
  QPoint boxAt;
  const auto chooseAbout = [&] {
    QMenu* menu = person_.OpenSystemMenu();
    ASSERT_NE(menu, nullptr);
    QAction* about = menu->actions().back();
    QtDriver::ClickMenuItem(menu, about);
  };
  const BoxSeen box = person_.SeeBox(chooseAbout,
                                     [&](DialogWindow& shown) {
                                       ownerEnabled = window().isEnabled();
                                       transient = shown.windowHandle()->transientParent() ==
                                                   window().windowHandle();
                                       boxAt = shown.pos();
                                       QTest::keyClick(&shown, Qt::Key_Escape);
                                     });
  EXPECT_EQ(box.templateId, IDD_VERSIONBOX);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(transient);
  // The version box has no centring style: it opens at its template
  // position, counted from the owner's client area.
  EXPECT_EQ(boxAt, window().Client()->mapToGlobal(QPoint(0, 0)));
  EXPECT_TRUE(window().isEnabled());
  EXPECT_FALSE(person_.HasEnded(nullptr));
  app.m_pMainWnd = nullptr;
}

// A maximize request, whoever asks (a window manager's button or shortcut
// through the native window, or a toolkit's own code through the widget),
// leaves the fixed-size main window and each box as they are, and the
// program running.
TEST_F(WindowTest, AMaximizeRequestLeavesEveryWindowAsItIs) {
  const auto maximize = [](DialogWindow& w) {
    const std::pair<const char*, std::function<void()>> requests[] = {
        {"the native window", [&] { w.windowHandle()->showMaximized(); }},
        {"the widget", [&] { w.setWindowState(w.windowState() | Qt::WindowMaximized); }},
    };
    for (const auto& [asker, request] : requests) {
      const QSize before = w.size();
      request();
      // A compositor answers the request, and then its turning back, in its
      // own time.
      QTest::qWait(300);
      (void)QTest::qWaitFor([&] { return w.size() == before && !w.isMaximized(); }, 5000);
      EXPECT_EQ(w.size(), before) << w.windowTitle().toStdString() << ", asked through " << asker;
      EXPECT_FALSE(w.isMaximized()) << w.windowTitle().toStdString() << ", asked through " << asker;
    }
  };
  maximize(window());
  QMenuBar* bar = window().MenuBar();
  ASSERT_NE(bar, nullptr);
  for (QAction* action : bar->actions()) {
    const QPoint at = bar->actionGeometry(action).center();
    const BoxSeen box = person_.SeeBox([&] { QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at); },
                                       [&](DialogWindow& shown) {
                                         maximize(shown);
                                         QTest::keyClick(&shown, Qt::Key_Escape);
                                       });
    EXPECT_NE(box.templateId, 0);
  }
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window().isActiveWindow(); }));
  QMenu* menu = person_.OpenSystemMenu();
  ASSERT_NE(menu, nullptr);
  QAction* about = menu->actions().back();
  const BoxSeen version =
      person_.SeeBox([&] { QtDriver::ClickMenuItem(menu, about); },
                     [&](DialogWindow& shown) {
                       maximize(shown);
                       QTest::keyClick(&shown, Qt::Key_Escape);
                     });
  EXPECT_EQ(version.templateId, IDD_VERSIONBOX);
  EXPECT_FALSE(person_.HasEnded(nullptr));
}

TEST_F(WindowTest, TheWindowShowsTheProgramsIconLargeAndSmall) {
  const QList<QSize> sizes = window().windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_EQ(window().windowIcon().pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32),
            platform::qt::ResourceIconImage(IDR_MAINFRAME, 32));
}

TEST_F(WindowTest, TheMinimisedWindowDrawsItsIconCentred) {
  window().showMinimized();
  QWidget* client = window().Client();
  // The client area's own painting, without the controls on top of it.
  QImage drawn(client->size(), QImage::Format_ARGB32);
  drawn.fill(Qt::black);
  client->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  const QImage icon = platform::qt::ResourceIconImage(IDR_MAINFRAME, 32);
  const int x = (client->width() - 32 + 1) / 2;
  const int y = (client->height() - 32 + 1) / 2;
  int compared = 0;
  for (int iy = 0; iy < 32; ++iy) {
    for (int ix = 0; ix < 32; ++ix) {
      if (qAlpha(icon.pixel(ix, iy)) != 255) continue;
      // Rendering may round a colour by a few steps; a misplaced icon
      // differs by far more.
      const QRgb seen = drawn.pixel(x + ix, y + iy);
      const QRgb want = icon.pixel(ix, iy);
      ASSERT_LE(std::abs(qRed(seen) - qRed(want)) + std::abs(qGreen(seen) - qGreen(want)) +
                    std::abs(qBlue(seen) - qBlue(want)),
                12)
          << ix << "," << iy;
      ++compared;
    }
  }
  EXPECT_GT(compared, 500);
}

// The whole program on Qt: the application object runs the main dialog
// modally until the person presses Esc, and the process would exit with 0.
TEST(QtApplication, RunsTheMainDialogModallyUntilEsc) {
  platform::qt::QtWindowSystem ws;
  const platform::ModuleScope module(ws, res::Module());
  CConverterApp app;
  std::string output;
  QTimer person;
  person.setInterval(10);
  int step = 0;
  QObject::connect(&person, &QTimer::timeout, [&] {
    DialogWindow* main = ws.Windows().empty() ? nullptr : ws.Windows().front();
    if (main == nullptr || !main->isVisible()) return;
    auto* input = main->Control(IDC_INPUT);
    switch (step++) {
      case 0: QTest::mouseClick(input, Qt::LeftButton); break;
      case 1: QTest::keyClicks(input, "ff"); break;
      case 2: QTest::keyClick(input, Qt::Key_Return); break;
      case 3: output = main->Text(IDC_OUTPUT); break;
      default: QTest::keyClick(input, Qt::Key_Escape); person.stop();
    }
  });
  person.start();
  EXPECT_EQ(AfxWinMain(), 0);
  EXPECT_EQ(output, "255.");
  EXPECT_TRUE(ws.Windows().empty()) << "the main dialog is gone";
}

}  // namespace
}  // namespace radixel::testing
