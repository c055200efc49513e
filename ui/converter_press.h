// One conversion at the main window on the headless window system, as a
// person makes it: type into the input box, click the mode's radio button,
// press OK, read the three boxes. The command-line program, the tests, the
// fuzz target and the benchmark all press through here.
#pragma once

#include <string>
#include <string_view>

#include "platform/cstring.h"
#include "platform/headless/headless_window_system.h"

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

// The texts of the three boxes where the window keeps them
// (WindowSystem::ItemTextHolder), valid while the window lives: found
// once, they are read without a look-up on every press.
using BoxHolders = BasicBoxes<const CString*>;
// The holders of `dialog`'s boxes; a box the window lacks has none (null).
BoxHolders FindBoxes(HeadlessWindowSystem& ws, WindowHandle dialog);
inline bool Complete(const BoxHolders& boxes) {
  return boxes.input != nullptr && boxes.output != nullptr && boxes.errors != nullptr;
}
// The boxes as the window shows them now; every holder must be there.
inline BoxesView View(const BoxHolders& boxes) {
  return {boxes.input->view(), boxes.output->view(), boxes.errors->view()};
}

// At the active window: types `input` into the input box and clicks the
// radio button of `mode` (a ConversionMode).
void TypeAndChoose(HeadlessWindowSystem& ws, int mode, std::string_view input);
// At the active window: clicks OK.
void ClickOk(HeadlessWindowSystem& ws);
// The three boxes of `dialog` as it shows them now.
BoxesView ReadBoxes(const HeadlessWindowSystem& ws, WindowHandle dialog);
// TypeAndChoose, ClickOk, ReadBoxes.
BoxesView Press(HeadlessWindowSystem& ws, WindowHandle dialog, int mode, std::string_view input);
// TypeAndChoose, ClickOk, View: a press at the window whose boxes are `boxes`.
BoxesView Press(HeadlessWindowSystem& ws, const BoxHolders& boxes, int mode,
                std::string_view input);

}  // namespace radixel::ui
