// The Qt tests' entry point: one QApplication for the whole run, on the
// offscreen platform unless the environment names another.
#include <gtest/gtest.h>

#include <QApplication>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says so whenever a window is raised or a pop-up
// grabs the keyboard; that is no news to these tests.
void QuietAboutOffscreenLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  g_defaultHandler(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_defaultHandler = qInstallMessageHandler(QuietAboutOffscreenLimits);
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QGuiApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
