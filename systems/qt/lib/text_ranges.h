// The pieces of a one-line text that assistive technology asks for by
// offset: the character, word, sentence or line at, before or after an
// offset. Every offset from 0 to the text's length has an answer, found by
// walking the text's boundaries once, so no question can keep the program
// from answering.
#pragma once

#include <QAccessible>
#include <QString>

namespace radixel::platform::qt {

struct TextRange {
  int start = -1;
  int end = -1;
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

enum class RangeSide { kBefore, kAt, kAfter };

// The piece of `text` of kind `boundary` at, before or after `offset`
// (0 to the length; -1 stands for the length). At the length there is no
// character, word or sentence: the answer is empty, start = end = offset;
// lines, paragraphs and the whole text (NoBoundary) are one piece, the
// line the caret is on even at the end. Where no piece comes before or
// after, the answer is empty at `offset`; an offset outside the text gives
// start = end = -1.
TextRange RangeOf(const QString& text, QAccessible::TextBoundaryType boundary, int offset,
                  RangeSide side);

}  // namespace radixel::platform::qt
