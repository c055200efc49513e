// The program's icon file, embedded at build time from res/radixel.ico.
#pragma once

#include <span>

namespace radixel::res {
extern const std::span<const unsigned char> kEmbeddedIcon;
}
