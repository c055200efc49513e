#include "cli/converter_session.h"

#include <cstdio>
#include <cstdlib>

#include "res/resources.h"

namespace radixel::cli {

ConverterSession::ConverterSession() : module_(ws_, res::Module()) {
  if (!ui::HasBoxes(dialog_) || !dialog_.Create()) {
    // Only a broken resource table gets here; nothing could be converted.
    std::fputs("radixel-cli: the main dialog could not be created\n", stderr);
    std::abort();
  }
}

ConverterSession::~ConverterSession() { dialog_.DestroyWindow(); }

BoxesView ConverterSession::Press(int mode, std::string_view input) {
  TypeAndChoose(mode, input);
  PressOk();
  return ui::ReadBoxes(ws_, dialog_.m_hWnd);
}

void ConverterSession::TypeAndChoose(int mode, std::string_view input) {
  ui::TypeAndChoose(ws_, mode, input);
}

void ConverterSession::PressOk() { ui::ClickOk(ws_); }

}  // namespace radixel::cli
