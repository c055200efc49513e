#include "systems/qt/lib/focus_retold.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace radixel::platform::qt {

FocusRetold::FocusRetold() { QAccessible::installActivationObserver(this); }

FocusRetold::~FocusRetold() { QAccessible::removeActivationObserver(this); }

void FocusRetold::accessibilityActiveChanged(bool active) {
  if (!active) return;
  // Qt tells its observers before its bridge has set up what sends the
  // events: the focus is reported from the event loop, once it has.
  QTimer::singleShot(0, qApp, [] {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !QAccessible::isActive()) return;
    QAccessibleEvent event(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  });
}

}  // namespace radixel::platform::qt
