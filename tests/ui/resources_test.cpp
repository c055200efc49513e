// The resources every window system builds from: identifiers unique, the
// templates' texts and geometry as the windows must show them.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

#include "res/resource_ids.h"
#include "res/resources.h"

namespace radixel::platform {
namespace {

TEST(ResourcesTest, IdentifiersOfEachKindAreUnique) {
  const ResourceModule& res = radixel::res::Module();
  std::set<int> dialogs;
  for (const DialogTemplate& d : res.dialogs) {
    EXPECT_TRUE(dialogs.insert(d.id).second) << "dialog " << d.id;
    std::set<int> controls;
    for (const ControlTemplate& c : d.controls) {
      if (c.id != kStaticId) {
        EXPECT_TRUE(controls.insert(c.id).second) << d.id << "/" << c.id;
      }
    }
  }
  std::set<unsigned> commands;
  for (const MenuTemplate& m : res.menus) {
    for (const MenuItemTemplate& item : m.items) {
      EXPECT_TRUE(commands.insert(item.command).second) << item.command;
    }
  }
  EXPECT_FALSE(commands.count(IDM_ABOUTBOX));
  std::set<int> others = {IDR_MAINFRAME, IDR_MAINMENU};
  for (int id : dialogs) EXPECT_FALSE(others.count(id)) << id;
}

struct ControlRow {
  int id;
  const char* text;
  int x, y, cx, cy;
};

TEST(ResourcesTest, MainDialogControlsStandInTemplateOrder) {
  const DialogTemplate* d = radixel::res::Module().FindDialog(IDD_CONVERTER_DIALOG);
  ASSERT_NE(d, nullptr);
  EXPECT_STREQ(d->caption, "Radixel");
  EXPECT_EQ(d->cx, 222);
  EXPECT_EQ(d->cy, 141);
  EXPECT_EQ(d->menuId, IDR_MAINMENU);
  const ControlRow rows[] = {
      {1, "OK", 165, 100, 50, 14},           {2, "Exit", 165, 120, 50, 14},
      {kStaticId, "Input", 5, 10, 50, 8},    {IDC_INPUT, "", 5, 25, 65, 14},
      {kStaticId, "Output", 5, 50, 55, 8},   {IDC_OUTPUT, "", 5, 65, 65, 14},
      {1002, "Hex to Dec", 85, 20, 55, 10},  {1003, "Hex to Bin", 85, 35, 55, 10},
      {1004, "Dec to Hex", 85, 50, 55, 10},  {1005, "Dec to Bin", 85, 65, 60, 10},
      {1006, "Bin to Hex", 85, 80, 55, 10},  {1007, "Bin to Dec", 85, 95, 60, 10},
      {kStaticId, "", 80, 10, 70, 100},      {IDC_ERRORS, "", 5, 115, 145, 14},
      {kStaticId, "Error Messages", 5, 100, 65, 8},
  };
  ASSERT_EQ(d->controls.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const ControlTemplate& c = d->controls[i];
    const ControlRow& r = rows[i];
    SCOPED_TRACE(r.text);
    EXPECT_EQ(c.id, r.id);
    EXPECT_STREQ(c.text, r.text);
    EXPECT_EQ((std::array{c.x, c.y, c.cx, c.cy}), (std::array{r.x, r.y, r.cx, r.cy}));
  }
  // Only OK is a default button; of the radio buttons only the first, which
  // starts the group, carries the group's one tab stop.
  for (const ControlTemplate& c : d->controls) {
    EXPECT_EQ(c.IsDefaultButton(), c.id == 1) << c.text;
    if (c.IsRadioButton()) {
      EXPECT_EQ((c.style & style::kTabStop) != 0, c.id == IDC_HEX_TO_DEC) << c.text;
      EXPECT_EQ((c.style & style::kGroup) != 0, c.id == IDC_HEX_TO_DEC) << c.text;
    }
  }
}

struct BoxRow {
  int id;
  const char* caption;
  int cx, cy;
  std::size_t labels;
};

TEST(ResourcesTest, BoxesHaveTheirCaptionsSizesAndLabels) {
  const BoxRow rows[] = {{IDD_VERSIONBOX, "About Radixel", 217, 55, 2},
                         {IDD_NOTICEBOX, "About Radixel", 207, 71, 1},
                         {IDD_HELPBOX, "Help!", 217, 156, 3}};
  for (const BoxRow& r : rows) {
    const DialogTemplate* d = radixel::res::Module().FindDialog(r.id);
    ASSERT_NE(d, nullptr) << r.id;
    EXPECT_STREQ(d->caption, r.caption);
    EXPECT_EQ(d->cx, r.cx);
    EXPECT_EQ(d->cy, r.cy);
    std::size_t labels = 0;
    for (const ControlTemplate& c : d->controls) {
      if (c.cls == ControlClass::kStatic && (c.style & style::kSsTypeMask) != style::kSsIcon) ++labels;
    }
    EXPECT_EQ(labels, r.labels) << r.id;
  }
  const DialogTemplate* version = radixel::res::Module().FindDialog(IDD_VERSIONBOX);
  EXPECT_FALSE(version->style & style::kDsCenter);
  EXPECT_STREQ(version->controls[1].text, "Radixel Version 1.0");
  EXPECT_TRUE(version->controls[1].style & style::kSsNoPrefix);

  // The Help box's three labels read as one paragraph ending in a mail address.
  const DialogTemplate* help = radixel::res::Module().FindDialog(IDD_HELPBOX);
  const std::string second = help->controls[2].text;
  EXPECT_EQ(second.substr(second.size() - 12), "please email");
  EXPECT_NE(std::string(help->controls[3].text).find("@example."), std::string::npos);
}

TEST(ResourcesTest, MenuStringIconAndVersion) {
  EXPECT_STREQ(radixel::res::Module().FindString(IDS_ABOUTBOX), "&About Radixel...");
  EXPECT_EQ(radixel::res::Module().FindString(999), nullptr);
  const IconResource* icon = radixel::res::Module().FindIcon(IDR_MAINFRAME);
  ASSERT_NE(icon, nullptr);
  // An icon file with two images: 32x32 and 16x16.
  ASSERT_GE(icon->icoFile.size(), 6u + 2 * 16u);
  EXPECT_EQ(icon->icoFile[2], 1);
  EXPECT_EQ(icon->icoFile[4], 2);
  // The version of debian/changelog's top entry, in numbers and in texts.
  const VersionResource& v = *radixel::res::Module().version;
  const auto dotted = [](const std::uint16_t (&parts)[4]) {
    return std::to_string(parts[0]) + '.' + std::to_string(parts[1]) + '.' +
           std::to_string(parts[2]) + '.' + std::to_string(parts[3]);
  };
  EXPECT_EQ(dotted(v.fileVersion), RADIXEL_VERSION);
  EXPECT_EQ(dotted(v.productVersion), RADIXEL_VERSION);
  std::string commas = RADIXEL_VERSION;
  for (std::size_t dot; (dot = commas.find('.')) != std::string::npos;) commas.replace(dot, 1, ", ");
  for (const VersionString& s : v.strings) {
    if (std::string_view(s.key).ends_with("Version")) {
      EXPECT_EQ(s.value, commas) << s.key;
    }
  }
  EXPECT_EQ(v.language, 0x0409);
  EXPECT_EQ(v.codePage, 1200);
  EXPECT_STREQ(v.blockName, "040904B0");
}

}  // namespace
}  // namespace radixel::platform
