// The program in a browser: the web window system installed and the
// application object run. A page cannot close its tab, so when the dialog
// ends the page says so and offers to start it again, each time with a
// fresh application object.
#include <string>

#include "platform/module_scope.h"
#include "platform/win_app.h"
#include "res/resources.h"
#include "systems/web/lib/web_window_system.h"
#include "ui/converter_app.h"

int main() {
  radixel::platform::web::WebWindowSystem windows;
  const radixel::platform::ModuleScope module(windows, radixel::res::Module());
  for (;;) {
    std::string ended;
    {
      CConverterApp app;
      AfxWinMain();
      ended = std::string(app.m_pszAppName) + " has ended";
    }
    windows.WaitForRestart(ended, "Start again");
  }
}
