// Reading the program's icon file, and files that are not what they claim:
// every malformed or truncated file gives fewer images, never a crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/embedded_icon.h"
#include "systems/qt/lib/dialog_units.h"
#include "systems/qt/lib/ico_image.h"

namespace radixel::testing {
namespace {

using platform::qt::DecodeIco;
using platform::qt::ImageOfSize;

std::vector<unsigned char> ProgramIcon() {
  return {res::kEmbeddedIcon.begin(), res::kEmbeddedIcon.end()};
}

void PutU32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

TEST(IcoImage, TheProgramsIconHoldsA32And16PixelImageWithClearCorners) {
  const std::vector<QImage> images = DecodeIco(res::kEmbeddedIcon);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].size(), QSize(32, 32));
  EXPECT_EQ(images[1].size(), QSize(16, 16));
  for (const QImage& image : images) {
    const int n = image.width() - 1;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(n, n)), 0);
    EXPECT_EQ(qAlpha(image.pixel(n / 2, n / 2)), 255);
  }
}

TEST(IcoImage, ChoosesTheExactSizeOrScalesTheNearestLarger) {
  const std::vector<QImage> images = DecodeIco(res::kEmbeddedIcon);
  EXPECT_EQ(ImageOfSize(images, 16), images[1]);
  EXPECT_EQ(ImageOfSize(images, 32), images[0]);
  EXPECT_EQ(ImageOfSize(images, 24).size(), QSize(24, 24));
  EXPECT_EQ(ImageOfSize(images, 64).size(), QSize(64, 64));
  EXPECT_TRUE(ImageOfSize({}, 32).isNull());
}

TEST(IcoImage, MalformedFilesGiveFewerImages) {
  struct Row {
    const char* name;
    std::size_t patchAt;  // where a 32-bit value is written over the program's icon
    std::uint32_t value;
    std::size_t images;
  };
  const Row rows[] = {
      {"FirstEntryOffsetPastTheEnd", 6 + 12, 0xFFFFFFF0u, 1},
      {"FirstEntrySizePastTheEnd", 6 + 8, 0x7FFFFFFFu, 1},
      {"SecondEntryOffsetWraps", 22 + 12, 0xFFFFFFFFu, 1},
      {"NotAnIconButACursor", 0, 0x00020000u, 0},
      {"ThousandsOfEntriesClaimed", 2, 0xFFFF0001u, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<unsigned char> bytes = ProgramIcon();
    PutU32(bytes, row.patchAt, row.value);
    EXPECT_EQ(DecodeIco(bytes).size(), row.images);
  }
}

TEST(IcoImage, MalformedBitmapHeadersAreSkipped) {
  const std::vector<unsigned char> icon = ProgramIcon();
  const std::size_t first = icon[18] | (icon[19] << 8) | (icon[20] << 16) | (static_cast<std::size_t>(icon[21]) << 24);
  struct Row {
    const char* name;
    std::size_t field;  // offset within the BITMAPINFOHEADER
    std::uint32_t value;
  };
  const Row rows[] = {
      {"NegativeWidth", 4, 0xFFFFFFE0u},  {"HugeWidth", 4, 100000},   {"ZeroHeight", 8, 0},
      {"HugeHeight", 8, 0x7FFFFFFFu},     {"ElevenBitsAPixel", 14, 11}, {"Compressed", 16, 1},
      {"TooManyColours", 32, 1000},       {"HeaderTooSmall", 0, 12},  {"HeaderPastTheEnd", 0, 0xFFFFFF00u},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<unsigned char> bytes = icon;
    PutU32(bytes, first + row.field, row.value);
    EXPECT_EQ(DecodeIco(bytes).size(), 1u) << "only the second image survives";
  }
}

TEST(IcoImage, EveryTruncationOfTheFileIsSafe) {
  const std::vector<unsigned char> icon = ProgramIcon();
  std::size_t previous = 0;
  for (std::size_t length = 0; length <= icon.size(); ++length) {
    const std::vector<unsigned char> cut(icon.begin(), icon.begin() + static_cast<std::ptrdiff_t>(length));
    const std::size_t count = DecodeIco(cut).size();
    EXPECT_GE(count, previous) << length;
    previous = count;
  }
  EXPECT_EQ(previous, 2u);
}

TEST(DialogUnits, MulDivRoundsHalfAwayFromZeroAsTheWindowsRoutine) {
  struct Row {
    int value, numerator, denominator, expected;
  };
  const Row rows[] = {
      {222, 7, 4, 389},  {141, 13, 8, 229}, {5, 7, 4, 9},     {1, 6, 4, 2},   {-1, 6, 4, -2},
      {-5, 7, 4, -9},    {5, -7, 4, -9},    {5, 7, -4, -9},   {0, 7, 4, 0},   {3, 1, 0, -1},
      {1 << 30, 8, 1, 2147483647},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(platform::qt::MulDiv(row.value, row.numerator, row.denominator), row.expected)
        << row.value << " * " << row.numerator << " / " << row.denominator;
  }
}

}  // namespace
}  // namespace radixel::testing
