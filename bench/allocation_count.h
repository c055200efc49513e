// Counts the program's heap allocations: this executable replaces the
// global operator new, and every allocation through it adds one.
#pragma once

#include <cstdint>

namespace radixel::bench {

// Allocations made through operator new since the program started.
std::uint64_t AllocationCount();

}  // namespace radixel::bench
