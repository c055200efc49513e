// The desktop program: a Qt application with the Qt window system installed,
// handed to the application object. The program takes nothing from its
// command line, so Qt sees only the program's name.
#include <QApplication>

#include <optional>

#include "platform/module_scope.h"
#include "platform/win_app.h"
#include "res/resources.h"
#include "systems/qt/lib/qt_window_system.h"
#include "window_system_guard.h"

int main() {
  static int argc = 1;
  static char name[] = "radixel";
  static char* argv[] = {name, nullptr};
  std::optional<WindowSystemGuard> guard(std::in_place);
  QApplication application(argc, argv);
  guard.reset();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.radixel"));
  // The program ends when its main dialog does, not when a window closes.
  QGuiApplication::setQuitOnLastWindowClosed(false);

  radixel::platform::qt::QtWindowSystem windows;
  const radixel::platform::ModuleScope module(windows, radixel::res::Module());
  return AfxWinMain();
}
