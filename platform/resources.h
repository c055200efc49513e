// Resource types: dialog templates, menus, strings, icons and the version
// record, described as data so that every window system builds the same
// windows from one source. A program hands its tables to the library
// through a ModuleScope.
//
// Style bits carry the values the Windows dialog manager gives them, so a
// template can be written out as a Windows resource script unchanged.
#pragma once

#include <cstdint>
#include <span>

namespace radixel::platform {

namespace style {
// Window styles.
inline constexpr std::uint32_t kPopup = 0x80000000u;
inline constexpr std::uint32_t kChild = 0x40000000u;
inline constexpr std::uint32_t kVisible = 0x10000000u;
inline constexpr std::uint32_t kCaption = 0x00C00000u;
inline constexpr std::uint32_t kBorder = 0x00800000u;
inline constexpr std::uint32_t kSysMenu = 0x00080000u;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000u;
inline constexpr std::uint32_t kGroup = 0x00020000u;  // on a control
inline constexpr std::uint32_t kTabStop = 0x00010000u;
// Dialog styles.
inline constexpr std::uint32_t kDsSetFont = 0x0040u;
inline constexpr std::uint32_t kDsModalFrame = 0x0080u;
inline constexpr std::uint32_t kDs3dLook = 0x0004u;
inline constexpr std::uint32_t kDsCenter = 0x0800u;
// Extended window style: the window has a task-bar button of its own.
inline constexpr std::uint32_t kExAppWindow = 0x00040000u;
// Button styles (the low four bits give the kind).
inline constexpr std::uint32_t kBsPushButton = 0x0u;
inline constexpr std::uint32_t kBsDefPushButton = 0x1u;
inline constexpr std::uint32_t kBsGroupBox = 0x7u;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x9u;
inline constexpr std::uint32_t kBsTypeMask = 0xFu;
// Edit styles.
inline constexpr std::uint32_t kEsLeft = 0x0000u;
inline constexpr std::uint32_t kEsAutoHScroll = 0x0080u;
// Static styles (the low five bits give the kind).
inline constexpr std::uint32_t kSsLeft = 0x0000u;
inline constexpr std::uint32_t kSsCenter = 0x0001u;
inline constexpr std::uint32_t kSsIcon = 0x0003u;
inline constexpr std::uint32_t kSsTypeMask = 0x001Fu;
inline constexpr std::uint32_t kSsNoPrefix = 0x0080u;
inline constexpr std::uint32_t kSsSunken = 0x1000u;
}  // namespace style

enum class ControlClass { kButton, kEdit, kStatic };

// Identifier of a control the program never addresses.
inline constexpr int kStaticId = -1;

// What assistive technology is told about an edit box after a press of its
// dialog's OK button that leaves the dialog open (platform/announcements.h).
enum class Announced : std::uint8_t {
  kNo,
  kResult,   // the box's label and its text: "Output 11111111"
  kMessage,  // the box's text alone, when it holds one
};

struct ControlTemplate {
  int id;
  ControlClass cls;
  const char* text;  // caption; for an icon static, unused
  int x, y, cx, cy;  // dialog units
  std::uint32_t style;
  int iconId = 0;  // for an icon static: the icon resource shown
  Announced announced = Announced::kNo;  // for an edit box

  constexpr bool IsRadioButton() const {
    return cls == ControlClass::kButton &&
           (style & style::kBsTypeMask) == style::kBsAutoRadioButton;
  }
  constexpr bool IsDefaultButton() const {
    return cls == ControlClass::kButton &&
           (style & style::kBsTypeMask) == style::kBsDefPushButton;
  }
};

struct DialogTemplate {
  int id;
  const char* caption;
  int x, y, cx, cy;  // dialog units
  std::uint32_t style;
  std::uint32_t exStyle;
  const char* fontName;
  int fontPointSize;
  int menuId;  // 0 for none
  std::span<const ControlTemplate> controls;

  const ControlTemplate* FindControl(int controlId) const {
    for (const ControlTemplate& c : controls) {
      if (c.id == controlId) return &c;
    }
    return nullptr;
  }
};

struct MenuItemTemplate {
  const char* text;
  unsigned command;
};

struct MenuTemplate {
  int id;
  std::span<const MenuItemTemplate> items;
};

struct StringResource {
  unsigned id;
  const char* text;
};

struct IconResource {
  int id;
  std::span<const unsigned char> icoFile;  // the icon as a .ico file
};

struct VersionString {
  const char* key;
  const char* value;
};

struct VersionResource {
  std::uint16_t fileVersion[4];
  std::uint16_t productVersion[4];
  std::uint16_t language;
  std::uint16_t codePage;
  const char* blockName;
  std::uint32_t fileOs;
  std::uint32_t fileType;
  std::span<const VersionString> strings;
};

struct ResourceModule {
  std::span<const DialogTemplate> dialogs;
  std::span<const MenuTemplate> menus;
  std::span<const StringResource> strings;
  std::span<const IconResource> icons;
  const VersionResource* version;

  // Each resource by its id; null when the module has none.
  const DialogTemplate* FindDialog(int id) const;
  const MenuTemplate* FindMenu(int id) const;
  const char* FindString(unsigned id) const;
  const IconResource* FindIcon(int id) const;
};

// The same look-ups in the resource tables installed now
// (platform/module_scope.h).
const DialogTemplate* FindDialog(int id);
const MenuTemplate* FindMenu(int id);
const char* FindString(unsigned id);
const IconResource* FindIcon(int id);

}  // namespace radixel::platform
