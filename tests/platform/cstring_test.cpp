// CString: upper-casing touches a to z only, whatever the byte; reversing
// keeps well-formed UTF-8 characters whole and every other byte as it is.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/cstring.h"
#include "platform/headless/headless_window_system.h"
#include "platform/module_scope.h"
#include "res/resource_ids.h"
#include "res/resources.h"

namespace {

// Test listings show a table row by its name rather than by its raw bytes.
template <typename Row>
  requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

using namespace std::string_literals;

struct TextCase {
  const char* name;
  std::string text;
  std::string expected;
};

std::string CaseName(const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; }

class MakeUpperTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MakeUpperTest, UpperCasesAToZOnly) {
  CString s(GetParam().text);
  s.MakeUpper();
  EXPECT_EQ(s.view(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, MakeUpperTest,
    ::testing::Values(
        TextCase{"AToZ", "abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        TextCase{"CapitalsAndDigitsStay", "AZ09.", "AZ09."},
        TextCase{"NeighboursOfTheLettersStay", "`{@[", "`{@["},
        TextCase{"LatinOneLettersStay", "\xE0\xE9\xFF\xB5", "\xE0\xE9\xFF\xB5"},
        TextCase{"Utf8LettersStay", "\u00E9\u00FF\u0101x", "\u00E9\u00FF\u0101X"},
        TextCase{"EmbeddedNulStays", "a\0b"s, "A\0B"s},
        TextCase{"Empty", "", ""}),
    CaseName);

class MakeReverseTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MakeReverseTest, ReversesCharacters) {
  CString s(GetParam().text);
  s.MakeReverse();
  EXPECT_EQ(s.view(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ascii, MakeReverseTest,
    ::testing::Values(TextCase{"Empty", "", ""}, TextCase{"OneCharacter", "a", "a"},
                      TextCase{"Several", "abc1", "1cba"},
                      TextCase{"EmbeddedNul", "1\0" "2"s, "2\0" "1"s}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Utf8, MakeReverseTest,
    ::testing::Values(
        TextCase{"TwoByteCharacter", "a\u00E9z", "z\u00E9" "a"},
        TextCase{"ThreeByteCharacters", "\u4E2D\u6587" "1", "1\u6587\u4E2D"},
        TextCase{"FourByteCharacter", "1\U0001F600" "0", "0\U0001F600" "1"},
        TextCase{"AdjacentMixedLengths", "\u00E9\u4E2D\U0001F600", "\U0001F600\u4E2D\u00E9"}),
    CaseName);

// Bytes that start no well-formed sequence are reversed one by one.
INSTANTIATE_TEST_SUITE_P(
    InvalidUtf8, MakeReverseTest,
    ::testing::Values(
        TextCase{"StrayContinuation", "a\x80z", "z\x80" "a"},
        TextCase{"LeadByteAtTheEnd", "a\xC3", "\xC3" "a"},
        TextCase{"TruncatedThreeByteSequence", "\xE4\xB8" "a", "a\xB8\xE4"},
        TextCase{"LeadFollowedByAscii", "\xC3" "a", "a\xC3"},
        TextCase{"LatinOneBytes", "\xE9\xE0", "\xE0\xE9"},
        TextCase{"NotALeadByte", "\xC0\x80", "\x80\xC0"},
        TextCase{"BeyondFourBytes", "\xF8\x80\x80\x80", "\x80\x80\x80\xF8"},
        TextCase{"ValidAfterTruncated", "\xE4\xB8\u00E9", "\u00E9\xB8\xE4"},
        // Sequences of the right shape that RFC 3629 still forbids.
        TextCase{"OverlongThreeBytes", "\xE0\x80\x80", "\x80\x80\xE0"},
        TextCase{"OverlongFourBytes", "\xF0\x80\x80\x80", "\x80\x80\x80\xF0"},
        TextCase{"Surrogate", "\xED\xA0\x80", "\x80\xA0\xED"},
        TextCase{"AboveU10FFFF", "\xF4\x90\x80\x80", "\x80\x80\x90\xF4"},
        TextCase{"LastBeforeSurrogates", "1\xED\x9F\xBF", "\xED\x9F\xBF" "1"},
        TextCase{"U10FFFF", "1\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF" "1"}),
    CaseName);

TEST(MakeReverseTwiceTest, GivesBackWellFormedText) {
  const std::string text = "1\u00E9\u4E2D\U0001F600 x\0y"s;
  CString s(text);
  s.MakeReverse();
  s.MakeReverse();
  EXPECT_EQ(s.view(), text);
}

// Short texts are changed a word at a time within the string's own buffer:
// every length, up to past the longest such text, and with other bytes left
// in the buffer after the text by a longer one before.
TEST(CStringTest, UpperCasingAndReversingHoldAtEveryLength) {
  const std::string letters = "azAZ`{@[09 \x7F";
  for (std::size_t length = 0; length <= CString::kInlineCapacity + 9; ++length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += letters[(i * 7 + length) % letters.size()];
    std::string upper = text;
    for (char& ch : upper) ch = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
    const std::string reversed(text.rbegin(), text.rend());

    CString s(std::string(CString::kInlineCapacity, 'q'));
    s = text;
    s.MakeUpper();
    EXPECT_EQ(s.view(), upper) << "length " << length;
    s = text;
    s.MakeReverse();
    EXPECT_EQ(s.view(), reversed) << "length " << length;
    EXPECT_EQ(s.c_str()[length], '\0') << "length " << length;
  }
}

TEST(CStringTest, CharactersByIndex) {
  CString s("00000000");
  s.SetAt(0, '1');
  s.SetAt(7, '1');
  EXPECT_EQ(s, "10000001");
  EXPECT_EQ(s.GetAt(0), '1');
  EXPECT_EQ(s.GetLength(), 8);
}

// A copy shares a long text's bytes: whichever string changes them takes
// its own copy first, and the other keeps the text it had. Short texts are
// held inside the string, so both lengths are tried.
struct ChangeCase {
  const char* name;
  void (*change)(CString&);
  std::string (*expected)(const std::string& before);
};

class CopyTest : public ::testing::TestWithParam<std::tuple<ChangeCase, std::size_t>> {};

TEST_P(CopyTest, ChangingOneCopyLeavesTheOther) {
  const auto& [c, length] = GetParam();
  std::string text(length, 'f');
  text[1] = '\xC3';  // one two-byte character: reversing keeps it whole
  text[2] = '\xA9';
  CString a(text);
  CString b = a;
  CString moved = b;
  CString kept = std::move(moved);
  c.change(a);
  EXPECT_EQ(a.view(), c.expected(text));
  EXPECT_EQ(b.view(), text);
  EXPECT_EQ(kept.view(), text);
  c.change(b);
  EXPECT_EQ(b.view(), a.view());
  EXPECT_EQ(kept.view(), text);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CopyTest,
    ::testing::Combine(
        ::testing::Values(
            ChangeCase{"SetAt", [](CString& s) { s.SetAt(0, '1'); },
                       [](const std::string& t) { return "1" + t.substr(1); }},
            ChangeCase{"MakeUpper", [](CString& s) { s.MakeUpper(); },
                       [](const std::string& t) {
                         std::string u = t;
                         for (char& ch : u) ch = ch == 'f' ? 'F' : ch;
                         return u;
                       }},
            ChangeCase{"MakeReverse", [](CString& s) { s.MakeReverse(); },
                       [](const std::string& t) {
                         return t.substr(3) + "\xC3\xA9" + t.substr(0, 1);
                       }},
            // Assigning a part of the string's own text to it.
            ChangeCase{"AssignOwnTail", [](CString& s) { s = s.view().substr(1); },
                       [](const std::string& t) { return t.substr(1); }},
            ChangeCase{"AssignOwnHead", [](CString& s) { s = s.view().substr(0, 3); },
                       [](const std::string& t) { return t.substr(0, 3); }},
            ChangeCase{"Empty", [](CString& s) { s.Empty(); },
                       [](const std::string&) { return std::string(); }}),
        ::testing::Values(std::size_t{8}, std::size_t{100})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" +
             std::to_string(std::get<1>(info.param));
    });

// A short text is copied in overlapping pieces whose sizes follow its
// length: every length, taken from every place of the string's own bytes,
// must come out whole and in order.
TEST(CStringTest, AssignsEveryShortPartOfItsOwnText) {
  std::string text;
  for (std::size_t i = 0; i < CString::kInlineCapacity; ++i) text += static_cast<char>('A' + i);
  for (std::size_t length = 0; length <= text.size(); ++length) {
    for (std::size_t from = 0; from + length <= text.size(); ++from) {
      CString s(text);
      s = s.view().substr(from, length);
      ASSERT_EQ(s.view(), text.substr(from, length)) << "from " << from << ", length " << length;
    }
  }
}

TEST(CStringTest, CopyOutlivesTheOriginal) {
  const std::string text(100, '1');
  CString copy;
  {
    CString original(text);
    copy = original;
    CString alias = copy;
    const CString& same = alias;
    alias = same;
  }
  EXPECT_EQ(copy.view(), text);
  copy = copy.view();
  EXPECT_EQ(copy.view(), text);
}

TEST(CStringTest, LengthCountsBytesPastAnEmbeddedNul) {
  EXPECT_EQ(CString("1\0" "2"s).GetLength(), 3);
  EXPECT_EQ(CString(static_cast<const char*>(nullptr)).GetLength(), 0);
}

TEST(CStringTest, LoadStringFillsFromTheStringTable) {
  radixel::platform::HeadlessWindowSystem ws;
  const radixel::platform::ModuleScope module(ws, radixel::res::Module());
  CString s("old");
  EXPECT_TRUE(s.LoadString(IDS_ABOUTBOX));
  EXPECT_EQ(s, "&About Radixel...");
}

TEST(CStringTest, LoadStringOfMissingStringLeavesItEmpty) {
  radixel::platform::HeadlessWindowSystem ws;
  const radixel::platform::ModuleScope module(ws, radixel::res::Module());
  CString s("old");
  EXPECT_FALSE(s.LoadString(9999));
  EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
