// The behavioural cases every window system passes. A window system's test
// program defines a driver and instantiates the suite:
//
//   INSTANTIATE_PERSON_CASES(Headless, [] { return std::make_unique<HeadlessDriver>(); });
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/person/person_driver.h"

namespace radixel::testing {

using DriverFactory = std::function<std::unique_ptr<PersonDriver>()>;

class PersonCases : public ::testing::TestWithParam<DriverFactory> {
 protected:
  void SetUp() override {
    person_ = GetParam()();
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
  INSTANTIATE_TEST_SUITE_P(name, PersonCases, ::testing::Values(DriverFactory(factory)),    \
                           [](const ::testing::TestParamInfo<DriverFactory>&) { return std::string("Window"); }); \
  }
