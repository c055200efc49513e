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
  // The record's texts still hold the last press's long texts, which the
  // next press replaces from the boxes before it reads them: they are let
  // go of first, so that a long line typed now is never held beside them.
  const auto letGoIfLong = [](CString& text) {
    if (text.size() > CString::kInlineCapacity) text.Empty();
  };
  letGoIfLong(dialog_.m_strInput);
  letGoIfLong(dialog_.m_strSaved);
  letGoIfLong(dialog_.m_strOutput);
  letGoIfLong(dialog_.m_strErrors);
  ui::TypeAndChoose(ws_, mode, input);
}

void ConverterSession::PressOk() { ui::ClickOk(ws_); }

}  // namespace radixel::cli
