#include "window_system_guard.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

QtMessageHandler previous = nullptr;
QString held;

// What could not be started, told from the environment Qt chose it by.
std::string WindowSystemFailure(const char* platform, const char* display) {
  const std::string_view named = platform ? platform : "";
  // Without QT_QPA_PLATFORM, or with xcb first in it, Qt went for the X display.
  if (!named.empty() && !named.starts_with("xcb")) {
    return "cannot start the window system '" + std::string(named) + "' named by QT_QPA_PLATFORM";
  }
  if (display == nullptr || *display == '\0') return "cannot open display: DISPLAY is not set";
  return "cannot open display '" + std::string(display) + "'";
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    held += qFormatLogMessage(type, context, message) + QLatin1Char('\n');
    return;
  }
  const std::string line = "radixel: " +
                           WindowSystemFailure(std::getenv("QT_QPA_PLATFORM"),
                                               std::getenv("DISPLAY")) +
                           "\n";
  std::fputs(line.c_str(), stderr);
  // Qt aborts once the handler returns; the program ends here instead.
  std::_Exit(1);
}

}  // namespace

WindowSystemGuard::WindowSystemGuard() { previous = qInstallMessageHandler(Hold); }

WindowSystemGuard::~WindowSystemGuard() {
  qInstallMessageHandler(previous);
  if (!held.isEmpty()) std::fputs(held.toLocal8Bit().constData(), stderr);
  held.clear();
}
