#include "systems/qt/lib/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace radixel::platform::qt {

namespace {
// Faces close to the classic dialog font in build and width, best first.
// Where none is present, the sans-serif style hint lets the font
// configuration pick the system's own sans-serif face.
const char* const kNearFaces[] = {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"};
}  // namespace

QFont DialogFont(const DialogTemplate& dialog) {
  QStringList families{QString::fromLatin1(dialog.fontName)};
  for (const char* face : kNearFaces) families << QString::fromLatin1(face);
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialog.fontPointSize > 0 ? dialog.fontPointSize : 8);
  return font;
}

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // The average of 52 letters, rounded as the dialog manager rounds it.
  return {(width / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;  // as the Windows routine answers
  const long long product = static_cast<long long>(value) * numerator;
  const long long divisor = std::llabs(static_cast<long long>(denominator));
  const long long magnitude = (std::llabs(product) + divisor / 2) / divisor;
  // The product of two ints always fits a long long; a quotient beyond the
  // int range is clamped rather than wrapped.
  const long long clamped = std::min<long long>(magnitude, std::numeric_limits<int>::max());
  return static_cast<int>(((product < 0) != (denominator < 0)) ? -clamped : clamped);
}

QRect DialogToPixels(BaseUnits units, int x, int y, int cx, int cy) {
  return {MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8)};
}

}  // namespace radixel::platform::qt
