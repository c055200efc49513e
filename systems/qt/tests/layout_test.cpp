// Dialog layout on Qt: every control of every template at its template
// rectangle converted with the window's own base units, the window growing
// with its font, nothing cut off, and the controls' styles.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"
#include "systems/qt/lib/dialog_window.h"
#include "systems/qt/lib/qt_window_system.h"

namespace radixel::testing {
namespace {

using platform::ControlTemplate;
using platform::DialogTemplate;
using platform::qt::DialogWindow;
using platform::qt::QtWindowSystem;

constexpr int kIconSize = 32;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// Accepts the window and its WM_INITDIALOG, nothing more.
class QuietSink final : public platform::MessageSink {
 public:
  void OnAttach(platform::WindowHandle) override {}
  std::intptr_t OnMessage(std::uint32_t message, std::uintptr_t, std::intptr_t) override {
    return message == 0x0110 ? 1 : 0;
  }
};

int Px(int dialogUnits, int baseUnit, int per) {
  return static_cast<int>(std::lround(dialogUnits * static_cast<double>(baseUnit) / per));
}

class LayoutTest : public ::testing::TestWithParam<int> {
 protected:
  DialogWindow& Build(const DialogTemplate& dialog) {
    return *ws_.Window(ws_.CreateDialogWindow(dialog, nullptr, sink_));
  }
  const DialogTemplate& Template() const { return *platform::FindDialog(GetParam()); }
  // The template with its font at another size.
  DialogTemplate AtPointSize(int points) const {
    DialogTemplate copy = Template();
    copy.fontPointSize = points;
    return copy;
  }

  QtWindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  QuietSink sink_;
};

TEST_P(LayoutTest, BaseUnitsComeFromTheFontsLettersAndGrowOnlyToFitText) {
  DialogWindow& window = Build(Template());
  const QFontMetrics metrics(window.font());
  const double average =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
  const int fontX = static_cast<int>(std::lround(average));
  EXPECT_EQ(window.font().pointSize(), 8);
  EXPECT_GE(window.Units().x, fontX) << "average letter width " << average;
  EXPECT_GE(window.Units().y, metrics.height());
  EXPECT_LE(window.Units().x, 2 * fontX);
  EXPECT_LE(window.Units().y, 2 * metrics.height());
  if (GetParam() == IDD_CONVERTER_DIALOG) {
    // The main window's captions fit at the font's own units.
    EXPECT_EQ(window.Units().x, fontX);
    EXPECT_EQ(window.Units().y, metrics.height());
  }
}

TEST_P(LayoutTest, EveryControlSitsAtItsTemplateRectangle) {
  DialogWindow& window = Build(Template());
  const int bx = window.Units().x;
  const int by = window.Units().y;
  const DialogTemplate& dialog = Template();
  EXPECT_EQ(window.Client()->size(), QSize(Px(dialog.cx, bx, 4), Px(dialog.cy, by, 8)));
  const int menuHeight = window.MenuBar() ? window.MenuBar()->height() : 0;
  EXPECT_EQ(window.Client()->pos(), QPoint(0, menuHeight));
  EXPECT_EQ(window.size(), QSize(window.Client()->width(), menuHeight + window.Client()->height()));

  ASSERT_EQ(window.Controls().size(), dialog.controls.size());
  for (const auto& [c, widget] : window.Controls()) {
    SCOPED_TRACE(::testing::Message() << "control " << c->id << " \"" << c->text << "\"");
    QRect expected(Px(c->x, bx, 4), Px(c->y, by, 8), Px(c->cx, bx, 4), Px(c->cy, by, 8));
    // An icon control takes its icon's size, as on Windows.
    if (c->cls == platform::ControlClass::kStatic &&
        (c->style & platform::style::kSsTypeMask) == platform::style::kSsIcon) {
      expected.setSize(QSize(kIconSize, kIconSize));
    }
    EXPECT_EQ(widget->geometry(), expected);
  }
}

TEST_P(LayoutTest, TheWindowGrowsWithItsFont) {
  const DialogTemplate large = AtPointSize(16);
  DialogWindow& small = Build(Template());
  DialogWindow& big = Build(large);
  EXPECT_GE(big.Units().x * 10, small.Units().x * 17);
  EXPECT_GE(big.Units().y * 10, small.Units().y * 17);
  EXPECT_GT(big.Client()->width(), small.Client()->width());
  EXPECT_GT(big.Client()->height(), small.Client()->height());
}

// Text that does not fit shows cut off: a label's wrapped lines must fit its
// height, a one-line caption its width.
void ExpectTextFits(const DialogWindow& window) {
  for (const auto& [c, widget] : window.Controls()) {
    SCOPED_TRACE(::testing::Message() << "control " << c->id << " \"" << c->text << "\" at "
                                    << window.font().pointSize() << " pt");
    const QFontMetrics metrics(widget->font());
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height());
      for (const QString& word : label->text().split(u' ')) {
        EXPECT_LE(metrics.horizontalAdvance(word), label->contentsRect().width()) << word.toStdString();
      }
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      const int indicator = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                            radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
      EXPECT_LE(indicator + metrics.horizontalAdvance(radio->text()), radio->width());
      EXPECT_LE(metrics.height(), radio->height());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_LT(metrics.horizontalAdvance(button->text()), button->width());
      EXPECT_LT(metrics.height(), button->height());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_LE(edit->minimumSizeHint().height(), edit->height());
    }
  }
}

TEST_P(LayoutTest, NoTextIsCutOffAtAnySize) {
  for (const int points : {8, 12, 16}) {
    const DialogTemplate sized = AtPointSize(points);
    ExpectTextFits(Build(sized));
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, LayoutTest,
                         ::testing::Values(IDD_VERSIONBOX, IDD_CONVERTER_DIALOG, IDD_NOTICEBOX, IDD_HELPBOX),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Template" + std::to_string(info.param);
                         });

class MainWindowStyleTest : public LayoutTest {};

TEST_F(MainWindowStyleTest, ControlsTakeTheTemplatesStyles) {
  DialogWindow& window = Build(*platform::FindDialog(IDD_CONVERTER_DIALOG));
  auto* ok = qobject_cast<QPushButton*>(window.Control(kIdOk));
  auto* exit = qobject_cast<QPushButton*>(window.Control(kIdCancel));
  ASSERT_TRUE(ok && exit);
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(exit->isDefault());
  for (const int id : {IDC_INPUT, IDC_OUTPUT, IDC_ERRORS}) {
    auto* edit = qobject_cast<QLineEdit*>(window.Control(id));
    ASSERT_NE(edit, nullptr) << id;
    EXPECT_TRUE(edit->hasFrame()) << id;
    EXPECT_FALSE(edit->isReadOnly()) << id;
    EXPECT_EQ(edit->maxLength(), std::numeric_limits<int>::max()) << id;
    EXPECT_EQ(edit->validator(), nullptr) << id;
    EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus) << id;
  }
  for (int id = IDC_HEX_TO_DEC; id <= IDC_BIN_TO_DEC; ++id) {
    auto* radio = qobject_cast<QRadioButton*>(window.Control(id));
    ASSERT_NE(radio, nullptr) << id;
    // The group's one tab stop: on its first button while none is checked.
    EXPECT_EQ((radio->focusPolicy() & Qt::TabFocus) != 0, id == IDC_HEX_TO_DEC) << id;
    ASSERT_NE(radio->group(), nullptr);
    EXPECT_TRUE(radio->group()->exclusive());
    EXPECT_EQ(radio->group(), qobject_cast<QRadioButton*>(window.Control(IDC_HEX_TO_DEC))->group());
  }
  EXPECT_EQ(window.findChildren<QGroupBox*>().size(), 1);
  EXPECT_EQ(window.windowTitle(), "Radixel");
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "a modal frame does not resize";
}

TEST_F(MainWindowStyleTest, MainWindowIsCentredOnTheScreen) {
  DialogWindow& window = Build(*platform::FindDialog(IDD_CONVERTER_DIALOG));
  window.show();
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  // The frame's size is the window manager's, known only once the window
  // shows: allow for it.
  const int slackX = 1 + frame.width() - window.width();
  const int slackY = 1 + frame.height() - window.height();
  EXPECT_LE(std::abs((frame.left() - work.left()) - (work.right() - frame.right())), slackX);
  EXPECT_LE(std::abs((frame.top() - work.top()) - (work.bottom() - frame.bottom())), slackY);
}

TEST_F(MainWindowStyleTest, BoxLabelsAreCentredWrappedAndSunken) {
  for (const int id : {IDD_NOTICEBOX, IDD_HELPBOX}) {
    DialogWindow& box = Build(*platform::FindDialog(id));
    const auto labels = box.Client()->findChildren<QLabel*>();
    ASSERT_FALSE(labels.empty()) << id;
    for (const QLabel* label : labels) {
      EXPECT_TRUE(label->wordWrap());
      EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
      EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
      EXPECT_GT(label->frameWidth(), 0);
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
  }
}

}  // namespace
}  // namespace radixel::testing
