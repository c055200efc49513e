// The one check every conversion table runs: after the press the three
// boxes show what the row expects.
#include "press_case.h"

namespace radixel::testing {
namespace {

TEST_P(PressTest, ShowsExpectedBoxes) { EXPECT_EQ(PressRow(), GetParam().row.expected); }

}  // namespace
}  // namespace radixel::testing
