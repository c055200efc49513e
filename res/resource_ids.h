// Identifiers of the program's resources, controls and commands, kept in
// one place. resources_test checks that no two of a kind share a value.
#pragma once

// Templates, menu, icon and strings.
inline constexpr int IDD_VERSIONBOX = 100;
inline constexpr int IDD_CONVERTER_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;  // the program's icon
inline constexpr int IDR_MAINMENU = 129;
inline constexpr int IDD_NOTICEBOX = 130;
inline constexpr int IDD_HELPBOX = 131;
inline constexpr unsigned IDS_ABOUTBOX = 101;

// Controls of the main dialog.
inline constexpr int IDC_INPUT = 1000;
inline constexpr int IDC_OUTPUT = 1001;
inline constexpr int IDC_HEX_TO_DEC = 1002;  // first of the six radio buttons
inline constexpr int IDC_HEX_TO_BIN = 1003;
inline constexpr int IDC_DEC_TO_HEX = 1004;
inline constexpr int IDC_DEC_TO_BIN = 1005;
inline constexpr int IDC_BIN_TO_HEX = 1006;
inline constexpr int IDC_BIN_TO_DEC = 1007;
inline constexpr int IDC_ERRORS = 1008;
// The radio buttons are addressed as IDC_HEX_TO_DEC + mode: their ids are
// consecutive, in the order of the modes, and res/resources.cpp checks at
// compile time that the main dialog's template keeps to that.

// Commands.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;  // system-menu entry
inline constexpr unsigned ID_APP_NOTICE = 32771;  // menu bar: About Radixel
// The menu bar's Help! gives the library's standard Help command, ID_HELP.
