#include <gtest/gtest.h>

#include "platform/cstring.h"

namespace {

TEST(CStringTest, ReverseKeepsUtf8Whole) {
  CString s("a\xC3\xA9z");
  s.MakeReverse();
  EXPECT_EQ(s, "z\xC3\xA9" "a");
}

}  // namespace
