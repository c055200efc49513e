#include "cli/converter_session.h"

#include <cstdio>
#include <cstdlib>

#include "res/resource_ids.h"

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

const Boxes& ConverterSession::Press(int mode, std::string_view input) {
  ws_.Type(IDC_INPUT, input);
  ws_.Click(IDC_HEX_TO_DEC + mode);
  ws_.Click(IDOK);
  HWND window = dialog_.m_hWnd;
  boxes_.input = ws_.GetItemText(window, IDC_INPUT);
  boxes_.output = ws_.GetItemText(window, IDC_OUTPUT);
  boxes_.errors = ws_.GetItemText(window, IDC_ERRORS);
  return boxes_;
}

}  // namespace radixel::cli
