// Tells a screen reader that starts listening where the focus is. Qt
// connects to the accessibility bus a moment after the program starts (or
// whenever a screen reader is turned on later), and reports nothing that
// happened before: a window that was already active when the connection
// came is never announced, and a person hears nothing until the focus
// moves. Once Qt's bridge is up, this reports the focused control again,
// which a screen reader speaks with its window.
#pragma once

#include <QAccessible>

namespace radixel::platform::qt {

class FocusRetold final : public QAccessible::ActivationObserver {
 public:
  // Needs a QGuiApplication; observes until destroyed.
  FocusRetold();
  ~FocusRetold() override;
  FocusRetold(const FocusRetold&) = delete;
  FocusRetold& operator=(const FocusRetold&) = delete;

  void accessibilityActiveChanged(bool active) override;
};

}  // namespace radixel::platform::qt
