#include "systems/qt/lib/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>

#include "systems/qt/lib/text_ranges.h"

namespace radixel::platform::qt {

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String("QLineEdit")) return nullptr;
  auto* edit = qobject_cast<QLineEdit*>(object);
  return edit ? new LineEditAccessible(edit) : nullptr;
}

}  // namespace

void LineEditAccessible::Install() {
  // Qt asks the factories installed last first, so this one goes before
  // the one QApplication brings.
  QAccessible::removeFactory(Factory);
  QAccessible::installFactory(Factory);
}

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
  addControllingSignal(QStringLiteral("textChanged(const QString&)"));
  addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* LineEditAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

QString LineEditAccessible::ReadableText() const {
  return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : QString();
}

// --- QAccessibleInterface ------------------------------------------------------

QString LineEditAccessible::text(QAccessible::Text t) const {
  QString text;
  if (t == QAccessible::Value) {
    if (edit()->echoMode() == QLineEdit::Normal) {
      text = edit()->text();
    } else if (edit()->echoMode() != QLineEdit::NoEcho) {
      text = QString(edit()->text().size(), u'*');
    }
  }
  return text.isEmpty() ? QAccessibleWidget::text(t) : text;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString& text) {
  if (t != QAccessible::Value) {
    QAccessibleWidget::setText(t, text);
    return;
  }
  if (!edit()->isReadOnly()) edit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (edit()->isReadOnly()) {
    state.readOnly = true;
  } else {
    state.editable = true;
  }
  if (edit()->echoMode() != QLineEdit::Normal) state.passwordEdit = true;
  state.selectableText = true;
  return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

// --- Selection and caret -------------------------------------------------------

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
  *startOffset = edit()->selectionStart();
  *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void LineEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void LineEditAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void LineEditAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

// --- Text ----------------------------------------------------------------------

QString LineEditAccessible::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return QString();
  return ReadableText().mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::Piece(int offset, QAccessible::TextBoundaryType boundaryType,
                                  RangeSide side, int* startOffset, int* endOffset) const {
  if (edit()->echoMode() != QLineEdit::Normal) {
    *startOffset = *endOffset = -1;
    return QString();
  }
  if (offset == -2) offset = cursorPosition();  // -2 stands for the caret
  const QString text = edit()->text();
  const TextRange range = RangeOf(text, boundaryType, offset, side);
  *startOffset = range.start;
  *endOffset = range.end;
  return range.start < 0 ? QString() : text.mid(range.start, range.end - range.start);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, RangeSide::kBefore, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, RangeSide::kAfter, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
  return Piece(offset, boundaryType, RangeSide::kAt, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  // A line edit shows its whole text alike: one run without attributes.
  const int length = characterCount();
  if (offset == -1) offset = length;
  if (offset < 0 || offset > length) {
    *startOffset = *endOffset = -1;
  } else {
    *startOffset = 0;
    *endOffset = length;
  }
  return QString();
}

// --- Geometry ------------------------------------------------------------------

QRect LineEditAccessible::characterRect(int offset) const {
  const QString text = ReadableText();
  if (offset < 0 || offset >= text.size()) return QRect();
  // The caret's rectangle places the text as scrolled and aligned; the
  // character lies as far from it as the text between them is wide.
  const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const QFontMetrics metrics(edit()->font());
  const int caretAt = edit()->cursorPosition();
  const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                metrics.horizontalAdvance(text.left(caretAt));
  const QRect rect(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
  return QRect(edit()->mapToGlobal(rect.topLeft()), rect.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
  return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
  edit()->setCursorPosition(endIndex);
  edit()->setCursorPosition(startIndex);
}

// --- Editing -------------------------------------------------------------------

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
  edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditAccessible::insertText(int offset, const QString& text) {
  edit()->setText(edit()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
  edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace radixel::platform::qt
