// One dialog window on Qt Widgets, built from its template: the menu bar,
// the client area below it and every control at its template rectangle in
// dialog units. It turns what a person does into the messages the program
// expects (WM_COMMAND for buttons, radio buttons, edit changes and menu
// items; WM_SYSCOMMAND for the system menu and the window's close button;
// WM_PAINT) and hands them to the window's message sink. After a press of
// OK that leaves it open it tells a screen reader the results.
//
// Linux window managers keep their window menu to themselves, so the
// dialog offers its own system menu as a pop-up, from Alt+Space and from a
// right-click on the dialog's free area.
#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/window_system.h"
#include "systems/qt/lib/announcer.h"
#include "systems/qt/lib/dialog_units.h"

class QAbstractButton;
class QButtonGroup;
class QEventLoop;
class QMenu;
class QMenuBar;
class QShortcut;

namespace radixel::platform::qt {

class ClientArea;

class DialogWindow final : public QDialog {
 public:
  struct MenuEntry {
    std::uint32_t flags;
    std::uint32_t id;  // 0 for a separator
    std::string text;
  };

  DialogWindow(const DialogTemplate& dialog, DialogWindow* owner, MessageSink& sink);
  ~DialogWindow() override;

  WindowHandle Handle() { return reinterpret_cast<WindowHandle>(this); }
  static DialogWindow* FromHandle(WindowHandle window) { return reinterpret_cast<DialogWindow*>(window); }

  const DialogTemplate& Template() const { return template_; }
  DialogWindow* Owner() const { return owner_; }
  // Called when the owner goes first.
  void ForgetOwner() { owner_ = nullptr; }
  MessageSink& Sink() { return sink_; }
  // The window's base units: the font's, or larger where the font's
  // proportions would clip a caption.
  BaseUnits Units() const { return units_; }

  // --- Parts of the window --------------------------------------------------
  QWidget* Client() const;
  QMenuBar* MenuBar() const { return menuBar_; }
  // The control with template id `id` (the first one, for repeated ids).
  QWidget* Control(int id) const;
  // The template id of a control of this window, or 0.
  int IdOf(const QWidget* control) const;
  const std::vector<std::pair<const ControlTemplate*, QWidget*>>& Controls() const { return controls_; }

  // --- Messages to the program ----------------------------------------------
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  void SendCommand(int id, std::uint32_t code);
  // True while a message is being handled, so the window must outlive it.
  bool IsDispatching() const { return dispatchDepth_ > 0; }

  // --- The system menu ------------------------------------------------------
  std::vector<MenuEntry>& SystemMenuEntries() { return systemMenu_; }
  void ResetSystemMenu();
  // Pops the system menu up at `globalPos`, its items' states matching the
  // window's; returns the pop-up.
  QMenu* PopUpSystemMenu(const QPoint& globalPos);
  QMenu* SystemMenuPopUp() const { return popUp_; }

  // --- Modal state ----------------------------------------------------------
  bool HasEnded() const { return ended_; }
  std::intptr_t Result() const { return result_; }
  void End(std::intptr_t result);
  QEventLoop* Loop() const { return loop_; }
  void SetLoop(QEventLoop* loop) { loop_ = loop; }
  // Whether this window's modal loop disabled its owner (and must enable it).
  bool DisabledOwner() const { return disabledOwner_; }
  void SetDisabledOwner(bool disabled) { disabledOwner_ = disabled; }

  // --- Icons and painting ---------------------------------------------------
  // Sets the large or small window icon; returns the previous handle.
  IconHandle SetIcon(bool big, IconHandle icon, const QImage& image);
  IconHandle Icon(bool big) const { return big ? bigIcon_ : smallIcon_; }
  const QImage& IconImage(bool big) const { return big ? bigImage_ : smallImage_; }
  // True while the client area's paint event is under way: only then may
  // the program paint into it.
  bool IsPaintingClient() const { return paintingClient_; }

  // --- Text and check marks -------------------------------------------------
  // The text of a control as UTF-8; for an edit box, what it holds.
  std::string Text(int id) const;
  void SetText(int id, const std::string& text);
  bool IsChecked(int id) const;
  // Sets or clears a check mark as the program does: no notification.
  void Check(int id, bool checked);

  // --- What tests look at ---------------------------------------------------
  // The texts the last press of OK told a screen reader.
  const QStringList& LastAnnounced() const { return announcer_.LastTold(); }
  int TimesAnnounced() const { return announcer_.TimesTold(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  // Sees the states the compositor reports for the native window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void ToggleMenuBarFocus();
  void BuildControls();
  QWidget* BuildControl(const ControlTemplate& control);
  void NameEditBoxesByTheirLabels();
  void PlaceOnScreen(const QSize& size);
  void WatchMaximizeRequests();
  // Puts the size limits back once a turned-back maximize has left the
  // window at its own size again.
  void KeepFixedSizeOnceBack();
  // The control's rectangle in pixels at the window's base units.
  QRect ControlRect(const ControlTemplate& control) const;
  // Places the menu bar, the client area and the controls at the window's
  // base units, and fixes the window's size.
  void ApplyGeometry();
  // Whether every caption shows whole at the current geometry.
  bool TextFits() const;
  void RadioChecked(QAbstractButton* button);
  // Tells a screen reader the boxes the template marks (AnnouncementsAfterOk).
  void AnnouncePress();
  const ControlTemplate* TemplateOf(const QWidget* control) const;

  const DialogTemplate& template_;
  DialogWindow* owner_;
  MessageSink& sink_;
  Announcer announcer_;
  BaseUnits units_;
  ClientArea* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::vector<std::pair<const ControlTemplate*, QWidget*>> controls_;
  std::vector<QButtonGroup*> radioGroups_;
  std::vector<MenuEntry> systemMenu_;
  QMenu* popUp_ = nullptr;
  int dispatchDepth_ = 0;
  bool checking_ = false;  // the program, not a person, is setting a check mark
  bool writingText_ = false;  // the program, not a person, is setting a box's text
  bool ended_ = false;
  std::intptr_t result_ = 0;
  QEventLoop* loop_ = nullptr;
  bool disabledOwner_ = false;
  IconHandle bigIcon_ = nullptr;
  IconHandle smallIcon_ = nullptr;
  QImage bigImage_;
  QImage smallImage_;
  bool paintingClient_ = false;
  QSize fixedSize_;
  bool sizeLifted_ = false;  // size limits lifted while a maximize is turned back
  // A maximize request has gone out and the compositor has not yet answered
  // it with a state of its own.
  bool awaitingCompositor_ = false;

  friend class ClientArea;
};

}  // namespace radixel::platform::qt
