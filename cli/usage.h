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

// The version in the GNU form: the program, the package and the version
// record's file version ("radixel-cli (Radixel) 1.0.0.1"), then the
// copyright and licence lines.
std::string VersionText();

}  // namespace radixel::cli
