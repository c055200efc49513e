// The resources linked into the Windows programs, found and read back
// through the module's own resource directory (FindResource,
// EnumResourceNames, LoadString, LoadMenu, the version API) and compared,
// field by field, with the resource tables every window system builds from.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "res/resources.h"

#include <windows.h>

#include <commctrl.h>

namespace radixel::testing {
namespace {


HMODULE Module() { return GetModuleHandleA(nullptr); }

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<std::set<ULONG_PTR>*>(names)->insert(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

BOOL CALLBACK AddType(HMODULE, LPSTR type, LONG_PTR types) {
  reinterpret_cast<std::set<ULONG_PTR>*>(types)->insert(reinterpret_cast<ULONG_PTR>(type));
  return TRUE;
}

std::set<ULONG_PTR> NamesOf(LPCSTR type) {
  std::set<ULONG_PTR> names;
  EnumResourceNamesA(Module(), type, AddName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

std::span<const unsigned char> ResourceBytes(int id, LPCSTR type) {
  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), type);
  if (found == nullptr) return {};
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(Module(), found)));
  return {data, SizeofResource(Module(), found)};
}

TEST(Win32ResourcesTest, ModuleHoldsExactlyTheProgramsResourceKinds) {
  std::set<ULONG_PTR> types;
  EnumResourceTypesA(Module(), AddType, reinterpret_cast<LONG_PTR>(&types));
  // icon, menu, dialog, string, group icon, version, manifest
  const std::set<ULONG_PTR> expected = {3, 4, 5, 6, 14, 16, 24};
  EXPECT_EQ(types, expected);
}

TEST(Win32ResourcesTest, NamesMatchTheTables) {
  std::set<ULONG_PTR> dialogs;
  for (const auto& d : res::Module().dialogs) dialogs.insert(static_cast<ULONG_PTR>(d.id));
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(5)), dialogs);
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(5)), (std::set<ULONG_PTR>{100, 102, 130, 131}));
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(4)), (std::set<ULONG_PTR>{129}));
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(14)), (std::set<ULONG_PTR>{128}));
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(6)), (std::set<ULONG_PTR>{101 / 16 + 1}));  // string blocks
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(16)), (std::set<ULONG_PTR>{1}));
  EXPECT_EQ(NamesOf(MAKEINTRESOURCEA(24)), (std::set<ULONG_PTR>{1}));
}

// Reads a DLGTEMPLATE (the classic form) as the dialog manager does.
class TemplateReader {
 public:
  explicit TemplateReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  std::uint16_t Word() {
    std::uint16_t w = 0;
    if (at_ + 2 <= bytes_.size()) std::memcpy(&w, bytes_.data() + at_, 2);
    at_ += 2;
    return w;
  }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }
  // A string or an ordinal: ordinals come back as "#n".
  std::string NameOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == 0xFFFF) return "#" + std::to_string(Word());
    std::string text;
    for (std::uint16_t ch = first; ch != 0; ch = Word()) text += static_cast<char>(ch);
    return text;
  }
  void AlignDword() { at_ = (at_ + 3) & ~std::size_t{3}; }
  bool Overran() const { return at_ > bytes_.size(); }

 private:
  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
};

std::string ClassOrdinal(platform::ControlClass cls) {
  switch (cls) {
    case platform::ControlClass::kButton: return "#128";
    case platform::ControlClass::kEdit: return "#129";
    case platform::ControlClass::kStatic: return "#130";
  }
  return "";
}

TEST(Win32ResourcesTest, DialogTemplatesMatchTheTablesFieldByField) {
  for (const platform::DialogTemplate& d : res::Module().dialogs) {
    SCOPED_TRACE("dialog " + std::to_string(d.id));
    const auto bytes = ResourceBytes(d.id, MAKEINTRESOURCEA(5));
    ASSERT_FALSE(bytes.empty());
    TemplateReader r(bytes);
    EXPECT_EQ(r.Dword(), d.style | platform::style::kDsSetFont);
    EXPECT_EQ(r.Dword(), d.exStyle);
    const std::uint16_t count = r.Word();
    ASSERT_EQ(count, d.controls.size());
    EXPECT_EQ(static_cast<std::int16_t>(r.Word()), d.x);
    EXPECT_EQ(static_cast<std::int16_t>(r.Word()), d.y);
    EXPECT_EQ(static_cast<std::int16_t>(r.Word()), d.cx);
    EXPECT_EQ(static_cast<std::int16_t>(r.Word()), d.cy);
    EXPECT_EQ(r.NameOrOrdinal(), d.menuId ? "#" + std::to_string(d.menuId) : "");
    EXPECT_EQ(r.NameOrOrdinal(), "");  // the standard dialog class
    EXPECT_EQ(r.NameOrOrdinal(), d.caption);
    EXPECT_EQ(r.Word(), d.fontPointSize);
    EXPECT_EQ(r.NameOrOrdinal(), d.fontName);
    for (const platform::ControlTemplate& c : d.controls) {
      SCOPED_TRACE("control " + std::to_string(c.id) + " at " + std::to_string(c.x) + "," +
                   std::to_string(c.y));
      r.AlignDword();
      EXPECT_EQ(r.Dword(), c.style);
      EXPECT_EQ(r.Dword(), 0u);
      EXPECT_EQ(static_cast<std::int16_t>(r.Word()), c.x);
      EXPECT_EQ(static_cast<std::int16_t>(r.Word()), c.y);
      EXPECT_EQ(static_cast<std::int16_t>(r.Word()), c.cx);
      EXPECT_EQ(static_cast<std::int16_t>(r.Word()), c.cy);
      EXPECT_EQ(static_cast<std::int16_t>(r.Word()), c.id);
      EXPECT_EQ(r.NameOrOrdinal(), ClassOrdinal(c.cls));
      const bool iconLabel = (c.style & platform::style::kSsTypeMask) == platform::style::kSsIcon &&
                             c.cls == platform::ControlClass::kStatic;
      EXPECT_EQ(r.NameOrOrdinal(), iconLabel ? "#" + std::to_string(c.iconId) : c.text);
      EXPECT_EQ(r.Word(), 0);  // no creation data
    }
    EXPECT_FALSE(r.Overran());
  }
}

TEST(Win32ResourcesTest, MenuBarHoldsTheTablesPlainItems) {
  for (const platform::MenuTemplate& m : res::Module().menus) {
    HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(m.id));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(m.items.size()));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[64] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      EXPECT_STREQ(text, m.items[static_cast<std::size_t>(i)].text);
      EXPECT_EQ(GetMenuItemID(menu, i), m.items[static_cast<std::size_t>(i)].command);
      EXPECT_EQ(GetSubMenu(menu, i), nullptr);
    }
    DestroyMenu(menu);
  }
}

TEST(Win32ResourcesTest, StringTableHoldsTheAboutEntry) {
  for (const platform::StringResource& s : res::Module().strings) {
    char text[256] = {};
    EXPECT_EQ(LoadStringA(Module(), s.id, text, sizeof text), static_cast<int>(std::strlen(s.text)));
    EXPECT_STREQ(text, s.text);
  }
}

// The 16-colour 32 and 16 px images first, as drawn; then the 48 px image,
// PNG-compressed.
TEST(Win32ResourcesTest, IconHolds32And16PixelImagesIn16ColoursThenA48PixelPng) {
  const auto group = ResourceBytes(128, MAKEINTRESOURCEA(14));
  ASSERT_GE(group.size(), 6u);
  TemplateReader r(group);
  EXPECT_EQ(r.Word(), 0);  // reserved
  EXPECT_EQ(r.Word(), 1);  // icons
  const std::uint16_t count = r.Word();
  ASSERT_EQ(count, 3);
  struct Image {
    int size;
    int colours;
    int bitsPerPixel;
    bool png;
  };
  const Image expected[] = {{32, 16, 4, false}, {16, 16, 4, false}, {48, 0, 32, true}};
  for (const Image& e : expected) {
    SCOPED_TRACE(std::to_string(e.size) + " px");
    const std::uint16_t widthHeight = r.Word();
    EXPECT_EQ(widthHeight & 0xFF, e.size);
    EXPECT_EQ(widthHeight >> 8, e.size);
    EXPECT_EQ(r.Word() & 0xFF, e.colours);
    r.Word();  // planes
    EXPECT_EQ(r.Word(), e.bitsPerPixel);
    r.Dword();  // bytes
    const auto image = ResourceBytes(r.Word(), MAKEINTRESOURCEA(3));
    ASSERT_GE(image.size(), 8u);
    EXPECT_EQ(std::memcmp(image.data(), "\x89PNG", 4) == 0, e.png);
  }
  EXPECT_NE(LoadIconA(Module(), MAKEINTRESOURCEA(128)), nullptr);
}

// The loader applied the manifest: the process is DPI-aware, and the common
// controls it loads (as radixel.exe's WinMain does) are the version 6
// assembly's, found in the side-by-side store, not the system folder's older ones.
TEST(Win32ResourcesTest, ManifestMakesTheProcessDpiAwareWithCommonControls6) {
  EXPECT_TRUE(IsProcessDPIAware());
  InitCommonControls();
  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, sizeof path), 0u);
  std::string lower = path;
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  EXPECT_NE(lower.find("microsoft.windows.common-controls_"), std::string::npos) << path;
  EXPECT_NE(lower.find("_6.0."), std::string::npos) << path;
}

TEST(Win32ResourcesTest, VersionRecordMatchesTheTable) {
  const platform::VersionResource& v = *res::Module().version;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(Module(), path, sizeof path);
  const DWORD size = GetFileVersionInfoSizeA(path, nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, (DWORD{v.fileVersion[0]} << 16) | v.fileVersion[1]);
  EXPECT_EQ(fixed->dwFileVersionLS, (DWORD{v.fileVersion[2]} << 16) | v.fileVersion[3]);
  EXPECT_EQ(fixed->dwProductVersionMS, (DWORD{v.productVersion[0]} << 16) | v.productVersion[1]);
  EXPECT_EQ(fixed->dwProductVersionLS, (DWORD{v.productVersion[2]} << 16) | v.productVersion[3]);
  EXPECT_EQ(fixed->dwFileOS, DWORD{VOS__WINDOWS32});
  EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);

  for (const platform::VersionString& s : v.strings) {
    SCOPED_TRACE(s.key);
    const std::string key = std::string("\\StringFileInfo\\") + v.blockName + "\\" + s.key;
    char* value = nullptr;
    length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, s.value);
  }
  EXPECT_STREQ(v.blockName, "040904B0");
}

}  // namespace
}  // namespace radixel::testing
