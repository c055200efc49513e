#include "cli/converter_session.h"

#include <cstdio>
#include <cstdlib>


namespace radixel::cli {

ConverterSession::Installation::Installation(platform::WindowSystem& ws) {
  platform::InstallWindowSystem(&ws);
}

ConverterSession::Installation::~Installation() { platform::InstallWindowSystem(nullptr); }

ConverterSession::ConverterSession() : installation_(ws_) {
  if (!dialog_.Create()) {
    // Only a broken resource table gets here; nothing could be converted.
    std::fputs("radixel-cli: the main dialog could not be created\n", stderr);
    std::abort();
  }
}

ConverterSession::~ConverterSession() { dialog_.DestroyWindow(); }

BoxesView ConverterSession::Press(int mode, std::string_view input) {
  return platform::Press(ws_, dialog_.m_hWnd, mode, input);
}

}  // namespace radixel::cli
