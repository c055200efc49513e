#include "systems/qt/tests/qt_driver.h"
#include "tests/person/person_cases.h"

INSTANTIATE_PERSON_CASES(Qt, [] { return std::make_unique<radixel::testing::QtDriver>(); });
