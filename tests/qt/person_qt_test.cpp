#include "tests/person/person_cases.h"
#include "tests/qt/qt_driver.h"

INSTANTIATE_PERSON_CASES(Qt, [] { return std::make_unique<radixel::testing::QtDriver>(); });
