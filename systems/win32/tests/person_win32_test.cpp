#include "systems/win32/tests/win32_driver.h"
#include "tests/person/person_cases.h"

INSTANTIATE_PERSON_CASES(Win32, [] { return std::make_unique<radixel::testing::Win32Driver>(); });
