#include "support/headless_fixture.h"

namespace radixel::testing {
namespace {

using ConvertTest = HeadlessWindowTest;

TEST_F(ConvertTest, HexToBinRoundTrip) {
  EXPECT_EQ(Press(MODE_HEX_TO_BIN, "ff"), (Boxes{"FF", "11111111", ""}));
}

}  // namespace
}  // namespace radixel::testing
