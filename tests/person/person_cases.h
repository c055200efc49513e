// The behavioural cases every window system passes. A window system's test
// program defines a driver and instantiates the suite:
//
//   INSTANTIATE_PERSON_CASES(Headless, [] { return std::make_unique<HeadlessDriver>(); });
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

#include "tests/person/person_driver.h"

namespace radixel::testing {

using DriverFactory = std::function<std::unique_ptr<PersonDriver>()>;

// The suite's parameter: the window system's name, which the test listing
// prints in place of the factory's raw bytes, and its driver factory.
struct WindowSystemDriver {
  const char* system;
  DriverFactory make;
};
inline void PrintTo(const WindowSystemDriver& driver, std::ostream* os) { *os << driver.system; }

class PersonCases : public ::testing::TestWithParam<WindowSystemDriver> {
 protected:
  void SetUp() override {
    person_ = GetParam().make();
    person_->Open();
  }
  void TearDown() override { person_.reset(); }

  PersonDriver& person() { return *person_; }

 private:
  std::unique_ptr<PersonDriver> person_;
};

}  // namespace radixel::testing

#define INSTANTIATE_PERSON_CASES(name, factory)                                              \
  namespace radixel::testing {                                                               \
  INSTANTIATE_TEST_SUITE_P(name, PersonCases,                                                \
                           ::testing::Values(WindowSystemDriver{#name, DriverFactory(factory)}), \
                           [](const auto&) { return std::string("Window"); });               \
  }
