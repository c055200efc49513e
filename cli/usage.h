// The texts the command line prints about itself: the usage, the one-line
// reminder that follows a usage error, and the version.
#pragma once

#include <string>

namespace radixel::cli {

// The full usage with the six modes, for --help.
std::string UsageText();

// The one-line reminder appended to a usage error.
inline constexpr const char* kUsageLine =
    "usage: radixel-cli MODE INPUT | --batch | --help | --version";

// Why an INPUT is refused before any press: the window counts a text in a
// 32-bit int (see engine/record_limit.h).
inline constexpr const char* kInputTooLong =
    "INPUT of 2147483648 bytes or more cannot be converted";

// Why the last batch line is not converted when a read failed inside it.
inline constexpr const char* kLineCutShort = "cut short by a failed read; not converted";

// The version in the GNU form: the program, the package and the version
// record's file version ("radixel-cli (Radixel) 1.2.3.4"), then the
// copyright and licence lines.
std::string VersionText();

}  // namespace radixel::cli
