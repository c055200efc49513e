// The Qt tests' entry point: one QApplication for the whole run, on the
// offscreen platform unless the environment names another.
#include <gtest/gtest.h>

#include <QApplication>

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says so whenever a window is raised or a pop-up
// grabs the keyboard; that is no news to these tests.
void QuietAboutOffscreenLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  g_defaultHandler(type, context, text);
}

// Marks every shared object loaded now as never to be unloaded. Closing the
// application unloads the graphics driver Qt's Wayland plugin opened (Mesa's
// DRI driver); what that driver still holds in its own globals would then
// show up in LeakSanitizer's report at exit as a leak from an unknown
// module, which no suppression can name. Kept loaded, it is reachable.
void KeepLoadedObjectsToTheEnd() {
  std::vector<std::string> paths;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* found) {
        if (info->dlpi_name != nullptr && info->dlpi_name[0] == '/')
          static_cast<std::vector<std::string>*>(found)->emplace_back(info->dlpi_name);
        return 0;
      },
      &paths);
  for (const std::string& path : paths) (void)dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_defaultHandler = qInstallMessageHandler(QuietAboutOffscreenLimits);
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QGuiApplication::setQuitOnLastWindowClosed(false);
  const int result = RUN_ALL_TESTS();
  KeepLoadedObjectsToTheEnd();
  return result;
}
