// A person at the main window, on the headless window system: types into
// the input box, picks a conversion, presses OK and reads the three boxes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/conversion_form.h"
#include "platform/headless/headless_window_system.h"

namespace radixel::testing {

// The three boxes after a press, as a person reads them.
struct Boxes {
  std::string input;
  std::string output;
  std::string errors;
  friend bool operator==(const Boxes&, const Boxes&) = default;
};
void PrintTo(const Boxes& boxes, std::ostream* os);

class HeadlessWindowTest : public ::testing::Test {
 protected:
  HeadlessWindowTest();
  ~HeadlessWindowTest() override;

  // Types `input`, picks `mode` (a ConversionMode), presses OK; returns the boxes.
  Boxes Press(int mode, std::string_view input);
  Boxes Read() const;

  platform::HeadlessWindowSystem ws_;
  CConversionForm form_;
};

}  // namespace radixel::testing
