// The person-level path once more, as a screen reader takes it: through the
// accessibility interfaces alone (names, the radio buttons' toggle action,
// OK's press action, the boxes' texts, the menu bar's items).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QTest>

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
  };
  const Row rows[] = {
      {"BinToDec", "Bin to Dec", MODE_BIN_TO_DEC, "101", "5.", ""},
      {"HexToBin", "Hex to Bin", MODE_HEX_TO_BIN, "ff", "11111111", ""},
      {"DecToHexIllegal", "Dec to Hex", MODE_DEC_TO_HEX, "-5", "11111111", "Your entered an illegal char."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Retype(Edit("Input"), row.input);
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
    EXPECT_FALSE(person_.HasEnded(nullptr));
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
