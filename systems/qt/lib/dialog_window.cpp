#include "systems/qt/lib/dialog_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <limits>

#include "platform/announcements.h"
#include "platform/messages.h"
#include "systems/qt/lib/ico_image.h"

namespace radixel::platform::qt {

namespace {

using namespace style;


QString FromBytes(const char* text) { return QString::fromUtf8(text ? text : ""); }

// A label's text as a label without a buddy shows it: "&&" is one
// ampersand and a single "&" only marks the next letter.
QString WithoutMnemonics(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

std::uint32_t ButtonKind(const ControlTemplate& c) { return c.style & kBsTypeMask; }
std::uint32_t StaticKind(const ControlTemplate& c) { return c.style & kSsTypeMask; }

// A radio button that tells its dialog whenever a person checks it: by the
// mouse, the keyboard or an accessibility action. A click reports once,
// through `clicked`; a check that comes without a click (an assistive
// technology's toggle action) reports through `toggled`.
class RadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;
  bool IsClicking() const { return clicking_; }

 protected:
  void nextCheckState() override {
    clicking_ = true;
    QRadioButton::nextCheckState();
    clicking_ = false;
  }

 private:
  bool clicking_ = false;
};

}  // namespace

// The client area: the part of the window below the menu bar that holds the
// controls. It forwards its paint events to the program and offers the
// system menu on a right-click where no control takes the click.
class ClientArea final : public QWidget {
 public:
  ClientArea(DialogWindow* window) : QWidget(window), window_(window) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    window_->paintingClient_ = true;
    window_->Send(msg::kPaint, 0, 0);
    window_->paintingClient_ = false;
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    // Labels and group frames are transparent to the mouse, as on Windows.
    const QWidget* hit = childAt(event->pos());
    if (hit == nullptr || qobject_cast<const QLabel*>(hit) || qobject_cast<const QGroupBox*>(hit)) {
      window_->PopUpSystemMenu(event->globalPos());
      event->accept();
    } else {
      event->ignore();
    }
  }

 private:
  DialogWindow* window_;
};

DialogWindow::DialogWindow(const DialogTemplate& dialog, DialogWindow* owner, MessageSink& sink)
    : template_(dialog), owner_(owner), sink_(sink), announcer_(this) {
  setObjectName(QStringLiteral("dialog%1").arg(dialog.id));
  setWindowTitle(FromBytes(dialog.caption));

  Qt::WindowFlags flags = (dialog.exStyle & kExAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint;
  if ((dialog.style & kCaption) == kCaption) flags |= Qt::WindowTitleHint;
  if (dialog.style & kSysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (dialog.style & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setSizeGripEnabled(false);

  setFont(DialogFont(dialog));
  const BaseUnits fontUnits = BaseUnitsOf(font());
  units_ = fontUnits;
  BuildMenuBar();
  client_ = new ClientArea(this);
  BuildControls();
  NameEditBoxesByTheirLabels();
  ApplyGeometry();
  // Where the font's proportions leave a caption too little room, the
  // window grows rather than clip it: wider first, then taller.
  while (!TextFits() && units_.x < 2 * fontUnits.x) {
    ++units_.x;
    ApplyGeometry();
  }
  while (!TextFits() && units_.y < 2 * fontUnits.y) {
    ++units_.y;
    ApplyGeometry();
  }
  PlaceOnScreen(size());
  WatchMaximizeRequests();

  if (dialog.style & kSysMenu) {
    ResetSystemMenu();
    auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    altSpace->setContext(Qt::WindowShortcut);
    connect(altSpace, &QShortcut::activated, this,
            [this] { PopUpSystemMenu(mapToGlobal(QPoint(0, 0))); });
  }
}

DialogWindow::~DialogWindow() = default;

QWidget* DialogWindow::Client() const { return client_; }

// --- Building the window -----------------------------------------------------

void DialogWindow::BuildMenuBar() {
  const MenuTemplate* menu = FindMenu(template_.menuId);
  if (menu == nullptr) return;
  menuBar_ = new QMenuBar(this);
  // Keep the bar in the window, where the template puts it, even on desktops
  // that gather menus into a global bar.
  menuBar_->setNativeMenuBar(false);
  for (const MenuItemTemplate& item : menu->items) {
    QAction* action = menuBar_->addAction(FromBytes(item.text));
    action->setData(item.command);
    const int id = static_cast<int>(item.command);
    connect(action, &QAction::triggered, this, [this, id] { SendCommand(id, 0); });
  }
  // F10 puts the focus on the menu bar and takes it back, as on Windows.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  f10->setContext(Qt::WindowShortcut);
  connect(f10, &QShortcut::activated, this, [this] { ToggleMenuBarFocus(); });
}

void DialogWindow::ToggleMenuBarFocus() {
  // The menu bar takes the focus and lets it go through Alt, pressed and
  // released alone, which it watches for on its window; F10 hands it the
  // same keys, so it behaves just as with Alt.
  QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(this, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(this, &release);
}

QRect DialogWindow::ControlRect(const ControlTemplate& c) const {
  QRect rect = DialogToPixels(units_, c.x, c.y, c.cx, c.cy);
  // An icon control takes the icon's own size, as on Windows.
  if (c.cls == ControlClass::kStatic && StaticKind(c) == kSsIcon) rect.setSize(QSize(msg::kIconSize, msg::kIconSize));
  return rect;
}

void DialogWindow::ApplyGeometry() {
  const QRect clientRect = DialogToPixels(units_, 0, 0, template_.cx, template_.cy);
  int menuHeight = 0;
  if (menuBar_) {
    menuHeight = menuBar_->heightForWidth(clientRect.width());
    menuBar_->setGeometry(0, 0, clientRect.width(), menuHeight);
  }
  client_->setGeometry(0, menuHeight, clientRect.width(), clientRect.height());
  for (const auto& [c, widget] : controls_) widget->setGeometry(ControlRect(*c));
  fixedSize_ = QSize(clientRect.width(), menuHeight + clientRect.height());
  setFixedSize(fixedSize_);
}

bool DialogWindow::TextFits() const {
  for (const auto& [c, widget] : controls_) {
    const QFontMetrics metrics(widget->font());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->text().isEmpty() && label->heightForWidth(label->width()) > label->height()) return false;
    } else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
      const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
      const int indicator =
          widget->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                                       nullptr, widget) +
          widget->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                                       nullptr, widget);
      const QString text = static_cast<QAbstractButton*>(widget)->text();
      if (indicator + metrics.horizontalAdvance(text) > widget->width()) return false;
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
      if (metrics.horizontalAdvance(push->text()) + 4 > push->width()) return false;
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      if (metrics.horizontalAdvance(frame->title()) > frame->width()) return false;
    }
  }
  return true;
}

void DialogWindow::BuildControls() {
  QButtonGroup* radios = nullptr;
  for (const ControlTemplate& c : template_.controls) {
    // A control that starts a group ends the radio group before it.
    if (c.style & kGroup) radios = nullptr;
    QWidget* widget = BuildControl(c);
    if (c.IsRadioButton()) {
      if (radios == nullptr) {
        radios = new QButtonGroup(this);
        radios->setExclusive(true);
        radioGroups_.push_back(radios);
      }
      radios->addButton(static_cast<QAbstractButton*>(widget));
    }
    controls_.emplace_back(&c, widget);
  }
  // Group frames are drawn behind the controls they frame, and let the
  // clicks through to them.
  for (const auto& [c, widget] : controls_) {
    if (qobject_cast<QGroupBox*>(widget)) widget->lower();
  }
}

QWidget* DialogWindow::BuildControl(const ControlTemplate& c) {
  const QString text = FromBytes(c.text);
  const bool tabStop = (c.style & kTabStop) != 0;
  QWidget* widget = nullptr;

  switch (c.cls) {
    case ControlClass::kButton: {
      const std::uint32_t kind = ButtonKind(c);
      if (kind == kBsGroupBox) {
        widget = new QGroupBox(text, client_);
        widget->setFocusPolicy(Qt::NoFocus);
        break;
      }
      QAbstractButton* button = nullptr;
      if (kind == kBsAutoRadioButton) {
        auto* radio = new RadioButton(text, client_);
        connect(radio, &QAbstractButton::toggled, this, [this, radio](bool on) {
          if (on && !checking_ && !radio->IsClicking()) RadioChecked(radio);
        });
        button = radio;
      } else if (kind == msg::kBsCheckBox || kind == msg::kBsAutoCheckBox) {
        button = new QCheckBox(text, client_);
      } else {
        auto* push = new QPushButton(text, client_);
        push->setAutoDefault(true);
        push->setDefault(kind == kBsDefPushButton);
        button = push;
      }
      const int id = c.id;
      connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id, msg::kBnClicked); });
      button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      widget = button;
      break;
    }
    case ControlClass::kEdit: {
      auto* edit = new QLineEdit(client_);
      edit->setFrame((c.style & kBorder) != 0);
      // No limit on the length of the text, and no filter on what is typed.
      edit->setMaxLength(std::numeric_limits<int>::max());
      if (c.style & msg::kEsCenter) edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
      if (c.style & msg::kEsRight) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
      const int id = c.id;
      // A person's edit notifies the program; the program's own writes do not.
      connect(edit, &QLineEdit::textChanged, this, [this, id] {
        if (!writingText_) SendCommand(id, msg::kEnChange);
      });
      widget = edit;
      break;
    }
    case ControlClass::kStatic: {
      auto* label = new QLabel(client_);
      label->setFocusPolicy(Qt::NoFocus);
      label->setTextFormat(Qt::PlainText);
      if (StaticKind(c) == kSsIcon) {
        label->setPixmap(QPixmap::fromImage(ResourceIconImage(c.iconId, msg::kIconSize)));
      } else {
        label->setText((c.style & kSsNoPrefix) ? text : WithoutMnemonics(text));
        label->setWordWrap(true);
        Qt::Alignment align = Qt::AlignTop | Qt::AlignLeft;
        if (StaticKind(c) == kSsCenter) align = Qt::AlignTop | Qt::AlignHCenter;
        if (StaticKind(c) == msg::kSsRight) align = Qt::AlignTop | Qt::AlignRight;
        label->setAlignment(align);
      }
      if ((c.style & kSsSunken) || (c.style & kBorder)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
      }
      widget = label;
      break;
    }
  }
  if (c.style & msg::kWsDisabled) widget->setEnabled(false);
  if (!(c.style & kVisible)) widget->hide();
  return widget;
}

void DialogWindow::NameEditBoxesByTheirLabels() {
  // An edit box is named by the label just above it (the nearest one whose
  // bottom is at or above the box's top and that overlaps it sideways), so
  // assistive technology reads "Input" for the input box. A label with a
  // mnemonic then also moves the focus to its box.
  for (const auto& [edit, editWidget] : controls_) {
    if (edit->cls != ControlClass::kEdit) continue;
    const ControlTemplate* label = LabelAbove(template_, *edit);
    for (const auto& [c, widget] : controls_) {
      auto* shown = qobject_cast<QLabel*>(widget);
      if (c != label || shown == nullptr) continue;
      // With a buddy the label itself shows and acts on its mnemonic.
      shown->setText(FromBytes(label->text));
      shown->setBuddy(editWidget);
    }
  }
}

void DialogWindow::PlaceOnScreen(const QSize& size) {
  QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect work = screen->availableGeometry();
  if (template_.style & kDsCenter) {
    move(work.left() + (work.width() - size.width()) / 2, work.top() + (work.height() - size.height()) / 2);
    return;
  }
  // Template coordinates count from the owner's client area, else from the
  // screen's corner.
  const QPoint origin = owner_ ? owner_->Client()->mapToGlobal(QPoint(0, 0)) : work.topLeft();
  move(origin + DialogToPixels(units_, template_.x, template_.y, 0, 0).topLeft());
}

// --- Controls ----------------------------------------------------------------

QWidget* DialogWindow::Control(int id) const {
  for (const auto& [c, widget] : controls_) {
    if (c->id == id) return widget;
  }
  return nullptr;
}

int DialogWindow::IdOf(const QWidget* control) const {
  for (const auto& [c, widget] : controls_) {
    if (widget == control) return c->id;
  }
  return 0;
}

const ControlTemplate* DialogWindow::TemplateOf(const QWidget* control) const {
  for (const auto& [c, widget] : controls_) {
    if (widget == control) return c;
  }
  return nullptr;
}

std::string DialogWindow::Text(int id) const {
  QString text;
  QWidget* control = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) text = edit->text();
  else if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
  else if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
  else if (auto* frame = qobject_cast<QGroupBox*>(control)) text = frame->title();
  return text.toStdString();
}

void DialogWindow::SetText(int id, const std::string& bytes) {
  QWidget* control = Control(id);
  const QString text = QString::fromStdString(bytes);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    writingText_ = true;
    edit->setText(text);
    writingText_ = false;
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    const ControlTemplate* c = TemplateOf(label);
    const bool literal = label->buddy() != nullptr || (c && (c->style & kSsNoPrefix));
    label->setText(literal ? text : WithoutMnemonics(text));
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  }
}

bool DialogWindow::IsChecked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  return button && button->isChecked();
}

void DialogWindow::Check(int id, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  if (button == nullptr || !button->isCheckable()) return;
  checking_ = true;
  QButtonGroup* group = button->group();
  if (!checked && group && group->exclusive() && button->isChecked()) {
    // An exclusive group keeps one button checked; the program may still
    // clear them all.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
  } else {
    button->setChecked(checked);
  }
  checking_ = false;
}

void DialogWindow::RadioChecked(QAbstractButton* button) {
  SendCommand(IdOf(button), msg::kBnClicked);
}

// --- Messages ----------------------------------------------------------------

std::intptr_t DialogWindow::Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  ++dispatchDepth_;
  const std::intptr_t result = sink_.OnMessage(message, wParam, lParam);
  --dispatchDepth_;
  return result;
}

void DialogWindow::SendCommand(int id, std::uint32_t code) {
  const auto wParam = static_cast<std::uintptr_t>((static_cast<std::uint32_t>(id) & 0xFFFFu) |
                                                  ((code & 0xFFFFu) << 16));
  Send(msg::kCommand, wParam, 0);
  // A press of OK that leaves the window open has written its results into
  // the boxes by now: a screen reader is told them.
  if (id == msg::kIdOk && code == msg::kBnClicked && !ended_ && isVisible()) AnnouncePress();
}

void DialogWindow::AnnouncePress() {
  QStringList texts;
  for (const std::string& text : AnnouncementsAfterOk(CurrentWindowSystem(), Handle(), template_)) {
    texts.append(QString::fromStdString(text));
  }
  if (!texts.isEmpty()) announcer_.Announce(texts);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier ||
                     (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    // Enter presses the default button (a focused push button is the
    // default while it has the focus); with none, it gives IDOK.
    for (const auto& [c, widget] : controls_) {
      auto* push = qobject_cast<QPushButton*>(widget);
      if (push && push->isDefault() && push->isVisible()) {
        if (push->isEnabled()) push->click();
        return;
      }
    }
    SendCommand(msg::kIdOk, msg::kBnClicked);
    return;
  }
  if (plain && event->key() == Qt::Key_Escape) {
    SendCommand(msg::kIdCancel, msg::kBnClicked);
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::WatchMaximizeRequests() {
  // A Wayland compositor that grants a maximize request requires the window
  // to take the size it offers; a window that keeps its fixed size then is a
  // protocol error that ends the program. Qt's own title bar on Wayland
  // offers maximize even to a fixed-size window, and a toolkit's or a
  // desktop's code may ask through the widget or the native window, so
  // whenever such a request goes out the window lifts its size limits, and
  // keeps them lifted until the compositor has answered and the window is
  // back at its own size; the change event below turns the state back.
  if (QGuiApplication::platformName() != QLatin1String("wayland")) return;
  winId();  // the native window whose state requests are watched
  windowHandle()->installEventFilter(this);
  connect(windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
    if (state != Qt::WindowMaximized || sizeLifted_) return;
    sizeLifted_ = true;
    awaitingCompositor_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  });
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  // The native window receives a state change event only from the window
  // system, once the compositor has configured it: requests made through
  // the widget or the window only signal.
  if (watched == windowHandle() && event->type() == QEvent::WindowStateChange) awaitingCompositor_ = false;
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::KeepFixedSizeOnceBack() {
  if (sizeLifted_ && !awaitingCompositor_ && !(windowState() & Qt::WindowMaximized) && size() == fixedSize_) {
    sizeLifted_ = false;
    setFixedSize(fixedSize_);
  }
}

void DialogWindow::changeEvent(QEvent* event) {
  // The window has a fixed size, so it is never maximized: a request is
  // turned back once the window system has granted it (on Wayland the
  // maximized state must be acknowledged before it may be left).
  if (event->type() == QEvent::WindowStateChange) {
    if (windowState() & Qt::WindowMaximized) {
      QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
    } else {
      KeepFixedSizeOnceBack();
    }
  }
  QDialog::changeEvent(event);
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  KeepFixedSizeOnceBack();
  QDialog::resizeEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The window's close button (or the window manager's Close) is the
  // system menu's Close: the program decides whether the window goes.
  event->ignore();
  if (isEnabled() && !ended_) Send(msg::kSysCommand, msg::kScClose, 0);
}

void DialogWindow::reject() {
  if (!ended_) SendCommand(msg::kIdCancel, msg::kBnClicked);
}

void DialogWindow::End(std::intptr_t result) {
  ended_ = true;
  result_ = result;
  hide();
  if (loop_) loop_->exit(0);
}

// --- The system menu ---------------------------------------------------------

void DialogWindow::ResetSystemMenu() {
  systemMenu_.clear();
  for (const msg::SystemMenuItem& item : msg::kStandardSystemMenu) {
    systemMenu_.push_back({item.flags, item.id, item.text});
  }
}

QMenu* DialogWindow::PopUpSystemMenu(const QPoint& globalPos) {
  if (!(template_.style & kSysMenu) || !isEnabled()) return nullptr;
  if (popUp_ == nullptr) {
    popUp_ = new QMenu(this);
    popUp_->setObjectName(QStringLiteral("systemMenu"));
    connect(popUp_, &QMenu::triggered, this, [this](QAction* action) {
      Send(msg::kSysCommand, action->data().toUInt(), 0);
    });
  }
  popUp_->clear();
  const bool minimised = isMinimized();
  for (const MenuEntry& entry : systemMenu_) {
    if (entry.flags & msg::kMfSeparator) {
      popUp_->addSeparator();
      continue;
    }
    QAction* action = popUp_->addAction(QString::fromUtf8(entry.text.c_str()));
    action->setData(entry.id);
    // The standard entries are available as the window's state allows; the
    // window has a fixed size.
    switch (entry.id) {
      case msg::kScRestore: action->setEnabled(minimised); break;
      case msg::kScMove: action->setEnabled(!minimised); break;
      case msg::kScSize: action->setEnabled(false); break;
      case msg::kScMinimize: action->setEnabled(!minimised && (template_.style & kMinimizeBox)); break;
      default: break;
    }
  }
  popUp_->popup(globalPos);
  return popUp_;
}

// --- Icons -------------------------------------------------------------------

IconHandle DialogWindow::SetIcon(bool big, IconHandle icon, const QImage& image) {
  IconHandle& slot = big ? bigIcon_ : smallIcon_;
  const IconHandle previous = slot;
  slot = icon;
  (big ? bigImage_ : smallImage_) = image;
  QIcon windowIcon;
  if (!bigImage_.isNull()) windowIcon.addPixmap(QPixmap::fromImage(bigImage_));
  if (!smallImage_.isNull()) windowIcon.addPixmap(QPixmap::fromImage(smallImage_));
  setWindowIcon(windowIcon);
  return previous;
}

}  // namespace radixel::platform::qt
