// The program's resources: dialog templates, menu bar, string table, icon
// and version record. Every window system builds its windows from these.
#include "res/resources.h"

#include "engine/conversion_form.h"
#include "platform/messages.h"
#include "res/embedded_icon.h"
#include "res/resource_ids.h"
#include "res/version.h"

namespace radixel::res {
namespace {

using namespace platform;
using namespace platform::style;

constexpr auto kButton = ControlClass::kButton;
constexpr auto kEdit = ControlClass::kEdit;
constexpr auto kStatic = ControlClass::kStatic;

constexpr std::uint32_t kControl = kChild | kVisible;
constexpr std::uint32_t kEditBox = kControl | kEsLeft | kEsAutoHScroll | kBorder | kTabStop;
constexpr std::uint32_t kFramedLabel = kControl | kSsCenter | kSsSunken | kBorder;
constexpr std::uint32_t kBoxStyle = kDsModalFrame | kDs3dLook | kDsCenter | kPopup | kCaption | kSysMenu;
constexpr const char* kFont = "MS Sans Serif";

// The maker's words.
constexpr const char* kMakerLine = "(C) 2026 The Radixel developers";

// --- Main dialog -------------------------------------------------------------
constexpr ControlTemplate kConverterControls[] = {
    {msg::kIdOk, kButton, "OK", 165, 100, 50, 14, kControl | kBsDefPushButton | kTabStop},
    {msg::kIdCancel, kButton, "Exit", 165, 120, 50, 14, kControl | kBsPushButton | kTabStop},
    {kStaticId, kStatic, "Input", 5, 10, 50, 8, kControl | kSsLeft | kGroup},
    {IDC_INPUT, kEdit, "", 5, 25, 65, 14, kEditBox},
    {kStaticId, kStatic, "Output", 5, 50, 55, 8, kControl | kSsLeft | kGroup},
    // After OK a screen reader hears the result, then the message if any.
    {IDC_OUTPUT, kEdit, "", 5, 65, 65, 14, kEditBox, 0, Announced::kResult},
    // The mode group takes one tab stop: the template gives it to the first
    // button, and the checked button holds it from then on.
    {IDC_HEX_TO_DEC, kButton, "Hex to Dec", 85, 20, 55, 10,
     kControl | kBsAutoRadioButton | kGroup | kTabStop},
    {IDC_HEX_TO_BIN, kButton, "Hex to Bin", 85, 35, 55, 10, kControl | kBsAutoRadioButton},
    {IDC_DEC_TO_HEX, kButton, "Dec to Hex", 85, 50, 55, 10, kControl | kBsAutoRadioButton},
    {IDC_DEC_TO_BIN, kButton, "Dec to Bin", 85, 65, 60, 10, kControl | kBsAutoRadioButton},
    {IDC_BIN_TO_HEX, kButton, "Bin to Hex", 85, 80, 55, 10, kControl | kBsAutoRadioButton},
    {IDC_BIN_TO_DEC, kButton, "Bin to Dec", 85, 95, 60, 10, kControl | kBsAutoRadioButton},
    {kStaticId, kButton, "", 80, 10, 70, 100, kControl | kBsGroupBox},
    {IDC_ERRORS, kEdit, "", 5, 115, 145, 14, kEditBox, 0, Announced::kMessage},
    {kStaticId, kStatic, "Error Messages", 5, 100, 65, 8, kControl | kSsLeft | kGroup},
};

// The dialog addresses a mode's radio button as IDC_HEX_TO_DEC + mode: the
// template has one radio button a mode, in the order of the modes, with
// consecutive ids, and no other control of the dialog has an id among theirs.
constexpr bool RadioButtonsFollowTheModes() {
  constexpr int kModeCount = static_cast<int>(kModes.size());
  int next = 0;
  for (const ControlTemplate& control : kConverterControls) {
    if (control.IsRadioButton()) {
      if (control.id != IDC_HEX_TO_DEC + next) return false;
      ++next;
    } else if (control.id >= IDC_HEX_TO_DEC && control.id < IDC_HEX_TO_DEC + kModeCount) {
      return false;
    }
  }
  return next == kModeCount;
}
static_assert(RadioButtonsFollowTheModes(),
              "the main dialog needs one radio button a mode, in the modes' order, with ids "
              "IDC_HEX_TO_DEC + mode that no other control uses");

// --- Version box -------------------------------------------------------------
constexpr ControlTemplate kVersionControls[] = {
    {kStaticId, kStatic, "", 11, 17, 20, 20, kControl | kSsIcon, IDR_MAINFRAME},
    {kStaticId, kStatic, "Radixel Version 1.0", 40, 10, 119, 8, kControl | kSsLeft | kSsNoPrefix},
    {kStaticId, kStatic, kMakerLine, 40, 25, 119, 8, kControl | kSsLeft},
    {msg::kIdOk, kButton, "OK", 178, 7, 32, 14, kControl | kBsDefPushButton | kGroup | kTabStop},
};

// --- Notice box --------------------------------------------------------------
constexpr ControlTemplate kNoticeControls[] = {
    {msg::kIdOk, kButton, "OK", 78, 50, 50, 14, kControl | kBsDefPushButton | kTabStop},
    {kStaticId, kStatic,
     "Radixel converts one number between hexadecimal, decimal and binary.\n" 
     "Copyright (C) 2026 The Radixel developers. Free to use and to share.",
     5, 5, 195, 40, kFramedLabel},
};

// --- Help box ----------------------------------------------------------------
constexpr ControlTemplate kHelpControls[] = {
    {msg::kIdOk, kButton, "OK", 83, 140, 50, 14, kControl | kBsDefPushButton | kTabStop},
    {kStaticId, kStatic,
     "Radixel was written to be a tool for programming. Many times I found myself needing to "
     "convert between Hexadecimal, decimal, and binary numbers. This usually took several "
     "minutes while I was looking for the right book. This app. does away with",
     5, 5, 205, 40, kFramedLabel},
    {kStaticId, kStatic,
     "all that wasted time. You can run it minimized and just pop it up when you need it. Do "
     "not input any numbers larger than 8 digits. If you input an illegal character, the error "
     "checking should catch it. If you have any comments or questions, please email",
     5, 50, 205, 40, kFramedLabel},
    {kStaticId, kStatic, RADIXEL_MAIL " with them. Thank you for using Radixel.", 5, 95,
     205, 40, kFramedLabel},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_VERSIONBOX, "About Radixel", 0, 0, 217, 55,
     kDsModalFrame | kPopup | kCaption | kSysMenu, 0, kFont, 8, 0, kVersionControls},
    {IDD_CONVERTER_DIALOG, "Radixel", 0, 0, 222, 141,
     kDsModalFrame | kDs3dLook | kDsCenter | kPopup | kVisible | kCaption | kSysMenu | kMinimizeBox,
     kExAppWindow, kFont, 8, IDR_MAINMENU, kConverterControls},
    {IDD_NOTICEBOX, "About Radixel", 0, 0, 207, 71, kBoxStyle, 0, kFont, 8, 0, kNoticeControls},
    {IDD_HELPBOX, "Help!", 0, 0, 217, 156, kBoxStyle, 0, kFont, 8, 0, kHelpControls},
};

// --- Menu bar, strings, icon -------------------------------------------------
constexpr MenuItemTemplate kMainMenuItems[] = {
    {"About Radixel", ID_APP_NOTICE},
    {"Help!", msg::kIdHelp},
};
constexpr MenuTemplate kMenus[] = {{IDR_MAINMENU, kMainMenuItems}};

constexpr StringResource kStrings[] = {{IDS_ABOUTBOX, "&About Radixel..."}};

const IconResource kIcons[] = {{IDR_MAINFRAME, kEmbeddedIcon}};

// --- Version record ----------------------------------------------------------
constexpr VersionString kVersionStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "RADIXEL MFC Application"},
    {"FileVersion", RADIXEL_VERSION_RECORD_TEXT},
    {"InternalName", "RADIXEL"},
    {"LegalCopyright", kMakerLine},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "RADIXEL.EXE"},
    {"ProductName", "RADIXEL Application"},
    {"ProductVersion", RADIXEL_VERSION_RECORD_TEXT},
};

constexpr VersionResource kVersion = {
    {RADIXEL_VERSION_PARTS}, {RADIXEL_VERSION_PARTS}, 0x0409, 1200, "040904B0",
    0x00000004,  // 32-bit Windows
    0x00000001,  // an application
    kVersionStrings,
};

const ResourceModule kModule = {kDialogs, kMenus, kStrings, kIcons, &kVersion};

}  // namespace

const ResourceModule& Module() { return kModule; }

}  // namespace radixel::res
