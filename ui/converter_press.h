// One conversion at the main window on the headless window system, as a
// person makes it: type into the input box, click the mode's radio button,
// press OK, read the three boxes. The command-line program, the tests, the
// fuzz target and the benchmark all press through here.
#pragma once

#include <string>
#include <string_view>

#include "platform/cstring.h"
#include "platform/headless/headless_window_system.h"

class CDialog;

namespace radixel::ui {

using platform::HeadlessWindowSystem;
using platform::WindowHandle;

// The three boxes of the main window: texts kept apart from the window
// (Boxes), or the window's own, valid until a box changes (BoxesView).
template <typename Text>
struct BasicBoxes {
  Text input;
  Text output;
  Text errors;
  friend bool operator==(const BasicBoxes&, const BasicBoxes&) = default;
};
using Boxes = BasicBoxes<std::string>;
using BoxesView = BasicBoxes<std::string_view>;

inline Boxes Keep(const BoxesView& boxes) {
  return {std::string(boxes.input), std::string(boxes.output), std::string(boxes.errors)};
}

// The three boxes' texts as the window keeps them (CString), valid until a
// box changes: what a reader that copies a short text's whole buffer at
// once (radixel-cli's output) reads.
struct BoxStrings {
  const CString& input;
  const CString& output;
  const CString& errors;
};

// Whether `dialog`'s template holds the three boxes.
bool HasBoxes(const CDialog& dialog);

// At the active window: types `input` into the input box and clicks the
// radio button of `mode` (a ConversionMode).
void TypeAndChoose(HeadlessWindowSystem& ws, int mode, std::string_view input);
// At the active window: clicks OK.
void ClickOk(HeadlessWindowSystem& ws);
// The three boxes of `dialog` as it shows them now, read through the
// window system.
BoxesView ReadBoxes(const HeadlessWindowSystem& ws, WindowHandle dialog);
BoxStrings ReadBoxStrings(const HeadlessWindowSystem& ws, WindowHandle dialog);
// TypeAndChoose, ClickOk, ReadBoxes.
BoxesView Press(HeadlessWindowSystem& ws, WindowHandle dialog, int mode, std::string_view input);

}  // namespace radixel::ui
