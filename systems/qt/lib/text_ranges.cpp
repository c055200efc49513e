#include "systems/qt/lib/text_ranges.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace radixel::platform::qt {

namespace {

// The offsets where the pieces of `text` of kind `boundary` begin, with the
// length last: 0 = b0 < b1 < ... < bn = length.
std::vector<int> PieceStarts(const QString& text, QAccessible::TextBoundaryType boundary) {
  const int length = static_cast<int>(text.size());
  std::vector<int> starts{0};
  QTextBoundaryFinder::BoundaryType type;
  switch (boundary) {
    case QAccessible::CharBoundary: type = QTextBoundaryFinder::Grapheme; break;
    case QAccessible::WordBoundary: type = QTextBoundaryFinder::Word; break;
    case QAccessible::SentenceBoundary: type = QTextBoundaryFinder::Sentence; break;
    default:  // one line: a line, a paragraph and the whole text are the same
      if (length > 0) starts.push_back(length);
      return starts;
  }
  QTextBoundaryFinder finder(type, text);
  // A word or a sentence runs from a boundary where an item starts or ends
  // to the next such boundary; every grapheme boundary counts. Each step
  // moves forward, and the finder reports -1 past the end.
  for (qsizetype at = finder.toNextBoundary(); at > 0 && at <= length; at = finder.toNextBoundary()) {
    const auto reasons = finder.boundaryReasons();
    const bool itemEdge = reasons & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
    if (type == QTextBoundaryFinder::Grapheme || itemEdge || at == length) starts.push_back(static_cast<int>(at));
    if (at == length) break;
  }
  if (starts.back() != length) starts.push_back(length);
  return starts;
}

}  // namespace

TextRange RangeOf(const QString& text, QAccessible::TextBoundaryType boundary, int offset,
                  RangeSide side) {
  const int length = static_cast<int>(text.size());
  if (offset == -1) offset = length;
  if (offset < 0 || offset > length) return {};
  const TextRange none{offset, offset};
  if (length == 0) return none;

  const std::vector<int> starts = PieceStarts(text, boundary);
  const int pieces = static_cast<int>(starts.size()) - 1;
  // The piece that holds `offset`; at the length, the place after the last
  // piece, except where the last piece is the line the caret stands on.
  const bool oneLine = boundary != QAccessible::CharBoundary &&
                       boundary != QAccessible::WordBoundary && boundary != QAccessible::SentenceBoundary;
  int index = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
  if (offset == length && oneLine) index = 0;

  if (side == RangeSide::kBefore) --index;
  if (side == RangeSide::kAfter) ++index;
  if (index < 0 || index >= pieces) return none;
  return {starts[static_cast<std::size_t>(index)], starts[static_cast<std::size_t>(index) + 1]};
}

}  // namespace radixel::platform::qt
