// Dialog units on Qt: the template's font matched to a face that is present,
// the dialog base units measured from that font, and the conversion of a
// template rectangle to pixels, done the way the Windows dialog manager does
// it. Everything here is in device-independent pixels; Qt scales them on
// high-DPI screens, and a larger font gives larger base units, so a dialog
// grows with its font instead of clipping its text.
#pragma once

#include <QFont>
#include <QRect>

#include "platform/resources.h"

namespace radixel::platform::qt {

struct BaseUnits {
  int x = 0;  // average width of the letters A-Z and a-z, rounded
  int y = 0;  // height of the font
  friend bool operator==(const BaseUnits&, const BaseUnits&) = default;
};

// The template's font at its point size. When the named face is missing,
// the nearest sans-serif face present takes its place.
QFont DialogFont(const DialogTemplate& dialog);

BaseUnits BaseUnitsOf(const QFont& font);

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator);

// A rectangle in dialog units (x, y, width, height) in pixels: horizontal
// values times x/4, vertical values times y/8.
QRect DialogToPixels(BaseUnits units, int x, int y, int cx, int cy);

}  // namespace radixel::platform::qt
