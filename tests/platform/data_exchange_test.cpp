// Data exchange keeps what its list's first entries found; lists longer
// than it keeps, and lists whose entries change from one run to the next,
// still reach every box, and long texts, shared between box and field,
// stay in both.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/afxwin.h"
#include "platform/headless/headless_window_system.h"
#include "platform/module_scope.h"

namespace {

namespace platform = radixel::platform;

constexpr int kBoxes = 12;
constexpr int kFirstBoxId = 1000;
constexpr int kDialogId = 500;

constexpr std::array<platform::ControlTemplate, kBoxes> MakeBoxes() {
  std::array<platform::ControlTemplate, kBoxes> boxes{};
  for (int i = 0; i < kBoxes; ++i) {
    boxes[static_cast<std::size_t>(i)] = {kFirstBoxId + i, platform::ControlClass::kEdit, "",
                                          0, 10 * i, 50, 8, platform::style::kChild};
  }
  return boxes;
}
constexpr auto kBoxTemplates = MakeBoxes();
const platform::DialogTemplate kDialog{kDialogId, "Boxes", 0, 0, 60, 130, platform::style::kPopup,
                                       0, "", 8, 0, kBoxTemplates};
const platform::ResourceModule kModule{{&kDialog, 1}, {}, {}, {}, nullptr};

// A dialog that exchanges the boxes `order` names (indexes), in that order.
class BoxesDialog : public CDialog {
 public:
  BoxesDialog() : CDialog(kDialogId) {}
  std::vector<int> order;
  std::array<CString, kBoxes> fields;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    for (const int box : order) {
      DDX_Text(pDX, kFirstBoxId + box, fields[static_cast<std::size_t>(box)]);
    }
  }
};

struct ExchangeCase {
  const char* name;
  std::vector<int> first;   // the list of the first runs
  std::vector<int> second;  // the list of the runs after them
  std::size_t padding = 0;  // bytes added to every text: long texts are shared, not copied
};

TEST(DataExchangeTest, EveryListedBoxIsReadAndWritten) {
  const ExchangeCase cases[] = {
      {"One", {0}, {0}},
      {"AsManyAsKept", {0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6, 7}},
      {"MoreThanKept",
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"ListChanged", {0, 1, 2}, {2, 0, 1}},
      {"ListGrew", {0, 1}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 10}},
      {"ListShrank", {11, 10, 9, 8, 7, 6, 5, 4, 3}, {5}},
      {"LongTexts", {0, 1, 2}, {2, 0, 1}, 100},
  };
  for (const ExchangeCase& c : cases) {
    SCOPED_TRACE(c.name);
    platform::HeadlessWindowSystem ws;
    const platform::ModuleScope module(ws, kModule);
    BoxesDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const std::string pad(c.padding, '.');
    for (const std::vector<int>* list : {&c.first, &c.first, &c.second, &c.second}) {
      dialog.order = *list;
      // Each listed box gets a text of its own and a run's mark.
      const std::string mark = std::to_string(list == &c.first ? 1 : 2);
      for (const int box : *list) {
        ws.Type(kFirstBoxId + box, "box" + std::to_string(box) + "-" + mark + pad);
      }
      dialog.UpdateData(TRUE);
      for (const int box : *list) {
        EXPECT_EQ(dialog.fields[static_cast<std::size_t>(box)].view(),
                  "box" + std::to_string(box) + "-" + mark + pad);
        dialog.fields[static_cast<std::size_t>(box)] = "field" + std::to_string(box) + pad;
      }
      // Written out twice: the fields keep their texts after the first.
      for (int write = 0; write < 2; ++write) {
        dialog.UpdateData(FALSE);
        for (const int box : *list) {
          EXPECT_EQ(ws.ItemText(dialog.m_hWnd, kFirstBoxId + box),
                    "field" + std::to_string(box) + pad);
        }
      }
    }
    dialog.DestroyWindow();
  }
}

}  // namespace
