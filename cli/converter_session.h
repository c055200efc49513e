// The program's main window on the headless window system, driven the way
// a person drives it: type into the input box, click a radio button, press
// OK, read the three boxes. It is the desktop program's own CConverterDlg,
// so every result, message and box text is the window's.
//
// One session is one window: the boxes carry over from one press to the
// next exactly as they do on screen. Only one session may exist at a time,
// since it installs its window system for the whole process.
#pragma once

#include <string_view>

#include "platform/module_scope.h"
#include "ui/converter_dlg.h"
#include "ui/converter_press.h"

namespace radixel::cli {

using ui::BoxesView;

class ConverterSession {
 public:
  ConverterSession();
  ~ConverterSession();
  ConverterSession(const ConverterSession&) = delete;
  ConverterSession& operator=(const ConverterSession&) = delete;

  // Types `input` into the input box, clicks the radio button of `mode`
  // (0 to 5) and presses OK; returns the window's own box texts, valid
  // until the next press.
  BoxesView Press(int mode, std::string_view input);
  // Press in two steps, so that the caller may let go of `input`'s bytes
  // once the input box holds its own copy: TypeAndChoose, then PressOk.
  void TypeAndChoose(int mode, std::string_view input);
  void PressOk();
  // The three boxes' texts as the window keeps them now, valid until the
  // next press.
  ui::BoxStrings Boxes() const { return ui::ReadBoxStrings(ws_, dialog_.m_hWnd); }

 private:
  // The window system and the resources, installed for the session's
  // lifetime; declared between the window system and the dialog so that
  // the dialog is built after it and destroyed before it.
  platform::HeadlessWindowSystem ws_;
  platform::ModuleScope module_;
  CConverterDlg dialog_;
};

}  // namespace radixel::cli
