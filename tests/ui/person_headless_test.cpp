#include "tests/person/person_cases.h"
#include "tests/ui/headless_driver.h"

INSTANTIATE_PERSON_CASES(Headless, [] { return std::make_unique<radixel::testing::HeadlessDriver>(); });
