// The message numbers, codes, style bits and metrics of the Windows dialog
// manager, as the window-system seam carries them. Window systems use these
// names; program code has the Windows names from platform/win_types.h, which
// are defined from these.
#pragma once

#include <cstdint>

namespace radixel::platform::msg {

inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kEraseBkgnd = 0x0014;
inline constexpr std::uint32_t kIconEraseBkgnd = 0x0027;
inline constexpr std::uint32_t kSetIcon = 0x0080;
inline constexpr std::uint32_t kQueryDragIcon = 0x0037;
inline constexpr std::uint32_t kInitDialog = 0x0110;
inline constexpr std::uint32_t kCommand = 0x0111;
inline constexpr std::uint32_t kSysCommand = 0x0112;

// Notification codes of kCommand.
inline constexpr std::uint32_t kBnClicked = 0;
inline constexpr std::uint32_t kEnChange = 0x0300;

// System commands.
inline constexpr std::uint32_t kScSize = 0xF000;
inline constexpr std::uint32_t kScMove = 0xF010;
inline constexpr std::uint32_t kScMinimize = 0xF020;
inline constexpr std::uint32_t kScMaximize = 0xF030;
inline constexpr std::uint32_t kScClose = 0xF060;
inline constexpr std::uint32_t kScRestore = 0xF120;

// Menu item flags.
inline constexpr std::uint32_t kMfString = 0x0000;
inline constexpr std::uint32_t kMfByPosition = 0x0400;
inline constexpr std::uint32_t kMfSeparator = 0x0800;

// The system menu every dialog with a system-menu style starts with.
struct SystemMenuItem {
  std::uint32_t flags;
  std::uint32_t id;  // 0 for the separator
  const char* text;
};
inline constexpr SystemMenuItem kStandardSystemMenu[] = {
    {0, kScRestore, "&Restore"},  {0, kScMove, "&Move"},   {0, kScSize, "&Size"},
    {0, kScMinimize, "Mi&nimize"}, {kMfSeparator, 0, ""}, {0, kScClose, "&Close\tAlt+F4"},
};

// WM_SETICON kinds.
inline constexpr std::uintptr_t kIconSmall = 0;
inline constexpr std::uintptr_t kIconBig = 1;

// Window style bits beyond those of platform/resources.h.
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;

// Edit alignment styles.
inline constexpr std::uint32_t kEsCenter = 0x0001u;
inline constexpr std::uint32_t kEsRight = 0x0002u;

// Static kinds (the low five bits of a static's style).
inline constexpr std::uint32_t kSsRight = 0x0002u;

// Button kinds (the low four bits of a button's style).
inline constexpr std::uint32_t kBsCheckBox = 0x2u;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3u;

// Dialog results.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
// The library's standard Help command.
inline constexpr int kIdHelp = 0xE146;

// System metrics.
inline constexpr int kSmCxScreen = 0;
inline constexpr int kSmCyScreen = 1;
inline constexpr int kSmCxIcon = 11;
inline constexpr int kSmCyIcon = 12;
inline constexpr int kSmCxSmIcon = 49;
inline constexpr int kSmCySmIcon = 50;
inline constexpr int kIconSize = 32;
inline constexpr int kSmallIconSize = 16;

}  // namespace radixel::platform::msg
