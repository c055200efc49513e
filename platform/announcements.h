// What a screen reader is told after a press of a dialog's OK button (or
// Enter) that leaves the dialog open, so that a person who cannot see the
// window hears the result without moving the focus. The dialog's template
// marks the edit boxes to tell (ControlTemplate::announced); each window
// system asks for the texts once the press has been handled, that is after
// its data exchange has written the boxes, and hands them to the screen
// reader one after the other, in order, in its own way.
#pragma once

#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/window_system.h"

namespace radixel::platform {

// The label that names an edit box: the nearest text label above it (its
// bottom at or above the box's top) that overlaps it sideways; null when
// there is none.
const ControlTemplate* LabelAbove(const DialogTemplate& dialog, const ControlTemplate& box);

// The texts to announce now for `window`, built from `dialog`, in template
// order: a result as its label and its text ("Output 11111111"), a message
// as its text alone and only when the box holds one. Empty for a dialog
// that marks no box.
std::vector<std::string> AnnouncementsAfterOk(WindowSystem& ws, WindowHandle window,
                                              const DialogTemplate& dialog);

}  // namespace radixel::platform
