// The accessible interface of the dialogs' edit boxes. Qt's own one for a
// QLineEdit never returns when asked for the word or sentence at the end of
// the text (a screen reader asks just that after Ctrl+Left or Ctrl+Right
// at the end), and reports text attributes in empty runs, which makes a
// screen reader read the text one character short. This one answers every
// boundary at every offset (systems/qt/lib/text_ranges.h) and reports one
// attribute run over the whole text, and otherwise tells what Qt's tells:
// the name from the label, the role, the states, the text and the caret;
// the box's caret, selection and text events come from QLineEdit itself.
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace radixel::platform::qt {

enum class RangeSide;

class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
 public:
  explicit LineEditAccessible(QLineEdit* edit);

  // Makes Qt build this interface for every QLineEdit from now on; needs a
  // QApplication. Installing twice is harmless.
  static void Install();

  // --- QAccessibleInterface -------------------------------------------------
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text t, const QString& text) override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  // --- QAccessibleTextInterface ---------------------------------------------
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

  // --- QAccessibleEditableTextInterface -------------------------------------
  void deleteText(int startOffset, int endOffset) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int startOffset, int endOffset, const QString& text) override;

 private:
  QLineEdit* edit() const;
  // What a screen reader may read: the text, unless the box hides it.
  QString ReadableText() const;
  QString Piece(int offset, QAccessible::TextBoundaryType boundaryType, RangeSide side,
                int* startOffset, int* endOffset) const;
};

}  // namespace radixel::platform::qt
