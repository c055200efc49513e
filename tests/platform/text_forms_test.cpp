#include <gtest/gtest.h>

#include "engine/text_forms.h"

namespace {

TEST(TextFormsTest, Placeholder) {
  char out[radixel::engine::kNumberBufferSize];
  radixel::engine::FormatDecimal12(255.0, out);
  EXPECT_STREQ(out, "255.");
}

}  // namespace
