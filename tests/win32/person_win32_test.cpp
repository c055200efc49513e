#include "tests/person/person_cases.h"
#include "tests/win32/win32_driver.h"

INSTANTIATE_PERSON_CASES(Win32, [] { return std::make_unique<radixel::testing::Win32Driver>(); });
