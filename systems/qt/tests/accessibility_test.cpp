// The person-level path once more, as a screen reader takes it: through the
// accessibility interfaces alone (names, the radio buttons' toggle action,
// OK's press action, the boxes' texts, what is told after OK, the
// menu bar's items), and the questions a screen reader asks about a box's
// text.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "res/resource_ids.h"
#include "systems/qt/tests/qt_driver.h"

namespace radixel::testing {
namespace {

// The first descendant of `node` with this role and name, or null.
QAccessibleInterface* Find(QAccessibleInterface* node, QAccessible::Role role, const QString& name) {
  if (node == nullptr) return nullptr;
  if (node->role() == role && node->text(QAccessible::Name) == name) return node;
  for (int i = 0; i < node->childCount(); ++i) {
    if (QAccessibleInterface* hit = Find(node->child(i), role, name)) return hit;
  }
  return nullptr;
}

QString TextOf(QAccessibleInterface* box) {
  QAccessibleTextInterface* text = box->textInterface();
  return text ? text->text(0, text->characterCount()) : QString();
}

void Retype(QAccessibleInterface* box, const QString& text) {
  QAccessibleEditableTextInterface* editable = box->editableTextInterface();
  ASSERT_NE(editable, nullptr);
  editable->deleteText(0, box->textInterface()->characterCount());
  editable->insertText(0, text);
}

// Ends the whole run, failed, when it is not destroyed within `seconds`:
// a question that never returns must not hang the tests.
class Watchdog {
 public:
  Watchdog(const char* what, int seconds)
      : thread_([this, what, seconds] {
          std::unique_lock lock(mutex_);
          if (!done_.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished_; })) {
            std::fprintf(stderr, "Watchdog: %s did not return within %d s\n", what, seconds);
            std::_Exit(1);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    person_.Open();
    root_ = QAccessible::queryAccessibleInterface(&person_.window());
    ASSERT_NE(root_, nullptr);
  }
  QAccessibleInterface* Edit(const char* name) { return Find(root_, QAccessible::EditableText, name); }
  QAccessibleInterface* Radio(const char* name) { return Find(root_, QAccessible::RadioButton, name); }
  QAccessibleInterface* Button(const char* name) { return Find(root_, QAccessible::Button, name); }

  QtDriver person_;
  QAccessibleInterface* root_ = nullptr;
};

TEST_F(AccessibilityTest, EveryControlCarriesItsLabelOrItsText) {
  EXPECT_EQ(root_->text(QAccessible::Name), "Radixel");
  for (const char* name : {"Input", "Output", "Error Messages"}) EXPECT_NE(Edit(name), nullptr) << name;
  for (const char* name : {"Hex to Dec", "Hex to Bin", "Dec to Hex", "Dec to Bin", "Bin to Hex", "Bin to Dec"}) {
    EXPECT_NE(Radio(name), nullptr) << name;
  }
  for (const char* name : {"OK", "Exit"}) EXPECT_NE(Button(name), nullptr) << name;
  EXPECT_TRUE(Radio("Hex to Dec")->state().checked);
}

TEST_F(AccessibilityTest, ConvertsThroughTheActionsAlone) {
  struct Row {
    const char* name;
    const char* radio;
    int mode;
    const char* input;
    const char* output;
    const char* errors;
    QStringList announced;  // in this order
  };
  const Row rows[] = {
      {"BinToDec", "Bin to Dec", MODE_BIN_TO_DEC, "101", "5.", "", {"Output 5."}},
      {"HexToBin", "Hex to Bin", MODE_HEX_TO_BIN, "ff", "11111111", "", {"Output 11111111"}},
      {"DecToHexIllegal", "Dec to Hex", MODE_DEC_TO_HEX, "-5", "11111111", "Your entered an illegal char.",
       {"Output 11111111", "Your entered an illegal char."}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Retype(Edit("Input"), row.input);
    const int told = person_.window().TimesAnnounced();
    QAccessibleInterface* radio = Radio(row.radio);
    radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(radio->state().checked);
    // The radio button's notification reached the message map at once.
    EXPECT_EQ(person_.dialog().m_nMode, row.mode);
    Button("OK")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press action clicks after a short animation. (Each row's result
    // differs from what the boxes showed before.)
    (void)QTest::qWaitFor([&] { return TextOf(Edit("Output")) == row.output &&
                                 TextOf(Edit("Error Messages")) == row.errors; }, 2000);
    EXPECT_EQ(TextOf(Edit("Output")), row.output);
    EXPECT_EQ(TextOf(Edit("Error Messages")), row.errors);
    // (An offscreen Qt delivers no accessibility events; the screen-reader
    // check hears them.)
    EXPECT_EQ(person_.window().TimesAnnounced(), told + 1);
    EXPECT_EQ(person_.window().LastAnnounced(), row.announced);
    EXPECT_FALSE(person_.HasEnded(nullptr));
  }
}

TEST_F(AccessibilityTest, EveryBoxAnswersForEveryBoundaryAndOffset) {
  const QAccessible::TextBoundaryType boundaries[] = {
      QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
      QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
  struct Box {
    const char* name;
    int id;
    const char* text;
  };
  const Box boxes[] = {{"Input", IDC_INPUT, "ff 1a"},
                       {"Output", IDC_OUTPUT, "11111111"},
                       {"Error Messages", IDC_ERRORS, "Your entered an illegal char."}};
  for (const Box& box : boxes) {
    SCOPED_TRACE(box.name);
    person_.Type(box.id, box.text);
    QAccessibleTextInterface* text = Edit(box.name)->textInterface();
    ASSERT_NE(text, nullptr);
    const QString whole = QString::fromUtf8(box.text);
    const int length = static_cast<int>(whole.size());
    ASSERT_EQ(text->characterCount(), length);
    // Qt 6.4's own interface never returns for a word or a sentence at the end.
    const Watchdog watchdog("a question about a box's text", 10);
    for (QAccessible::TextBoundaryType boundary : boundaries) {
      for (int offset = 0; offset <= length; ++offset) {
        SCOPED_TRACE(::testing::Message() << "boundary " << boundary << ", offset " << offset);
        int start = -2;
        int end = -2;
        const QString at = text->textAtOffset(offset, boundary, &start, &end);
        EXPECT_EQ(at, whole.mid(start, end - start));
        if (offset == length && boundary <= QAccessible::SentenceBoundary) {
          EXPECT_TRUE(at.isEmpty() && start == offset && end == offset);
        } else {
          EXPECT_TRUE(start <= offset && offset <= end && start < end && end <= length);
        }
        const QString before = text->textBeforeOffset(offset, boundary, &start, &end);
        EXPECT_TRUE(0 <= start && start <= end && end <= offset) << start << " " << end;
        EXPECT_EQ(before, whole.mid(start, end - start));
        const QString after = text->textAfterOffset(offset, boundary, &start, &end);
        EXPECT_TRUE(offset <= start && start <= end && end <= length) << start << " " << end;
        EXPECT_EQ(after, whole.mid(start, end - start));
      }
    }
    // One attribute run over the whole text, so a screen reader reads it all.
    for (int offset = 0; offset <= length; ++offset) {
      int start = -2;
      int end = -2;
      text->attributes(offset, &start, &end);
      EXPECT_EQ(start, 0);
      EXPECT_EQ(end, length);
    }
  }
  // The pieces themselves, where a screen reader reads them.
  struct Piece {
    QAccessible::TextBoundaryType boundary;
    int offset;
    const char* at;
    const char* before;
    const char* after;
  };
  const Piece pieces[] = {
      {QAccessible::CharBoundary, 1, "f", "f", " "},  {QAccessible::WordBoundary, 0, "ff", "", " "},
      {QAccessible::WordBoundary, 4, "1a", " ", ""},  {QAccessible::WordBoundary, 5, "", "1a", ""},
      {QAccessible::LineBoundary, 5, "ff 1a", "", ""}, {QAccessible::CharBoundary, 5, "", "a", ""},
  };
  person_.Type(IDC_INPUT, "ff 1a");
  QAccessibleTextInterface* input = Edit("Input")->textInterface();
  for (const Piece& piece : pieces) {
    SCOPED_TRACE(::testing::Message() << "boundary " << piece.boundary << ", offset " << piece.offset);
    int start = 0;
    int end = 0;
    EXPECT_EQ(input->textAtOffset(piece.offset, piece.boundary, &start, &end), piece.at);
    EXPECT_EQ(input->textBeforeOffset(piece.offset, piece.boundary, &start, &end), piece.before);
    EXPECT_EQ(input->textAfterOffset(piece.offset, piece.boundary, &start, &end), piece.after);
  }
}

TEST_F(AccessibilityTest, MenuBarItemsAreReachableAndOpenTheirBoxes) {
  QAccessibleInterface* bar = Find(root_, QAccessible::MenuBar, QString());
  if (bar == nullptr) {
    for (int i = 0; i < root_->childCount() && bar == nullptr; ++i) {
      if (root_->child(i)->role() == QAccessible::MenuBar) bar = root_->child(i);
    }
  }
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->childCount(), 2);
  EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "About Radixel");
  EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "Help!");

  // The box is closed the same way: its OK button's press action.
  const auto pressOk = [](platform::qt::DialogWindow& box) {
    QAccessibleInterface* ok = Find(QAccessible::queryAccessibleInterface(&box), QAccessible::Button, "OK");
    ASSERT_NE(ok, nullptr);
    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  };
  for (int item = 0; item < 2; ++item) {
    QAccessibleInterface* entry = bar->child(item);
    const BoxSeen box = person_.SeeBox(
        [&] { entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }, pressOk);
    EXPECT_EQ(box.templateId, item == 0 ? IDD_NOTICEBOX : IDD_HELPBOX);
  }
  EXPECT_FALSE(person_.HasEnded(nullptr));
}

}  // namespace
}  // namespace radixel::testing
