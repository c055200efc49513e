// Counts the program's heap allocations: linking this replaces the
// global operator new, and every allocation through it adds one. The
// benchmark and the allocation test share it.
#pragma once

#include <cstdint>

namespace radixel::testing {

// Allocations made through operator new since the program started.
std::uint64_t AllocationCount();

}  // namespace radixel::testing
