// A person at the main window, on the headless window system: types into
// the boxes, picks a conversion, presses OK and reads the three boxes.
//
// The window is the engine's own dialog (CConversionForm on template 102),
// created without any radio button checked, so a test can also press OK
// before a conversion has been chosen.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "engine/conversion_form.h"
#include "platform/module_scope.h"
#include "res/resources.h"
#include "ui/converter_press.h"

namespace radixel::testing {

// The three boxes after a press, as a person reads them.
using ui::Boxes;

// Writes `text` quoted, with control characters and bytes above 127 as
// \xNN escapes, so a failure shows exactly which bytes a box held.
void PrintEscaped(std::string_view text, std::ostream* os);

class HeadlessWindowTest : public ::testing::Test {
 protected:
  HeadlessWindowTest();
  ~HeadlessWindowTest() override;

  // Types `input`, picks `mode` (a ConversionMode), presses OK; returns the boxes.
  Boxes Press(int mode, std::string_view input);
  // Replaces the text of any box (input, output or error box), as typing does.
  void Type(int id, std::string_view text);
  // Clicks the radio button of `mode`.
  void Choose(int mode);
  // Presses OK alone.
  void PressOk();
  Boxes Read() const;
  // The mode whose radio button is checked, or -1 when none is.
  int CheckedMode() const;

  platform::HeadlessWindowSystem ws_;
  platform::ModuleScope module_{ws_, res::Module()};
  CConversionForm form_;
};

}  // namespace radixel::testing

namespace radixel::ui {
// How a failing test shows the boxes.
void PrintTo(const Boxes& boxes, std::ostream* os);
}  // namespace radixel::ui
