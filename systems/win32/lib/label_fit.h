// Labels that show their whole text: a static text control's rectangle
// comes from the template in dialog units, but whether the text fits in it
// depends on the fonts a machine has and on its DPI. Before the program
// sees a new dialog, each label that would clip its text is made taller,
// and what lies below it in the dialog moves down by as much.
#pragma once

#include <windows.h>

namespace radixel::platform {

// The height in pixels the label needs for its whole text, wrapped at its
// client width with its own font, as the static control draws it.
int LabelTextHeight(HWND label);

// Grows each clipping label of `dialog`, moves the controls below it and
// grows the dialog by the same amount (a centred dialog stays centred).
void FitLabelsToTheirText(HWND dialog);

}  // namespace radixel::platform
