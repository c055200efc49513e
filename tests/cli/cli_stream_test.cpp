// The batch streams: each line's record arrives while the pipe is still
// open, and memory stays flat however many lines go through.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "cli_process.h"

namespace radixel::testing {
namespace {

TEST(StreamTest, EachRecordArrivesBeforeTheNextLineIsSent) {
  CliProcess cli({"--batch"});
  ASSERT_TRUE(cli.Write("bin2dec\t101\n"));
  EXPECT_EQ(cli.ReadOutLine(10s), "101\t5.\t");
  // Half a line is held back until its end arrives.
  ASSERT_TRUE(cli.Write("dec2hex\t1"));
  EXPECT_EQ(cli.ReadOutLine(200ms), std::nullopt);
  ASSERT_TRUE(cli.Write("x\n"));
  EXPECT_EQ(cli.ReadOutLine(10s), "1X\t5.\tYour entered an illegal char.");
  ASSERT_TRUE(cli.Write("nonsense\n"));
  EXPECT_EQ(cli.ReadErrLine(10s), "radixel-cli: line 3: no tab between MODE and INPUT");
  ASSERT_TRUE(cli.Write("hex2bin\tff\n"));
  EXPECT_EQ(cli.ReadOutLine(10s), "FF\t11111111\t");

  const CliRun end = cli.Finish(10s);
  EXPECT_EQ(end.out, "");
  EXPECT_EQ(end.err, "");
  EXPECT_EQ(end.status, 2);
}

TEST(StreamTest, NonBlockingStreamsLoseNoRecord) {
  // Left non-blocking by a parent, input has nothing to give while the
  // program waits for the next line, and output has no room while nobody
  // reads: both are waited for, not taken for the end.
  CliProcess cli({"--batch"}, {.nonBlocking = true});
  ASSERT_TRUE(cli.Write("bin2dec\t101\n"));
  EXPECT_EQ(cli.ReadOutLine(10s), "101\t5.\t");
  std::this_thread::sleep_for(100ms);
  const std::string ones(300000, '1');  // a record several times what a pipe holds
  ASSERT_TRUE(cli.Write("bin2dec\t" + ones + "\nbin2dec\t11\n"));
  std::this_thread::sleep_for(200ms);
  const CliRun end = cli.Finish(30s);
  EXPECT_EQ(std::count(end.out.begin(), end.out.end(), '\n'), 2);
  EXPECT_TRUE(end.out.starts_with(ones + "\t"));
  EXPECT_TRUE(end.out.ends_with("\n11\t3.\t\n"));
  EXPECT_EQ(end.err, "");
  EXPECT_EQ(end.status, 0);
}

#if defined(__SANITIZE_ADDRESS__)
#define RADIXEL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RADIXEL_SANITIZED 1
#endif
#endif

TEST(StreamTest, MemoryStaysFlatOverALongBatch) {
#ifdef RADIXEL_SANITIZED
  GTEST_SKIP() << "the sanitizer's own bookkeeping grows with the work done";
#else
  CliProcess cli({"--batch"});
  std::string block;
  for (int i = 0; i < 1000; ++i) block += i % 2 ? "bin2dec\t10110\n" : "dec2hex\t123456789\n";
  // Sends the block `times` times, reading every record as it goes.
  auto run = [&](int times) {
    for (int t = 0; t < times; ++t) {
      ASSERT_TRUE(cli.Write(block));
      for (int i = 0; i < 1000; ++i) ASSERT_TRUE(cli.ReadOutLine(10s)) << "record " << i;
    }
  };
  run(1);
  const long afterThousand = cli.PeakKiB();
  if (afterThousand < 0) GTEST_SKIP() << "no memory statistics for a running process here";
  run(99);
  const long afterHundredThousand = cli.PeakKiB();
  EXPECT_LT(afterHundredThousand - afterThousand, 256)
      << afterThousand << " KiB after 1,000 lines, " << afterHundredThousand
      << " KiB after 100,000";
  EXPECT_EQ(cli.Finish(60s).status, 0);
#endif
}

TEST(StreamTest, LongLinesOneAfterAnotherStayWithinThreeTimesTheLine) {
#ifdef RADIXEL_SANITIZED
  GTEST_SKIP() << "the sanitizer keeps freed memory aside";
#else
  // While the second line is converted the window still shows the first
  // one's output; with the line itself, its copy in the input box and its
  // reverse, nothing more may be held.
  constexpr std::size_t kLength = 24 << 20;
  std::string digits(kLength, '0');
  for (std::size_t i = 0; i < kLength; ++i) digits[i] = static_cast<char>('0' + i % 10);
  CliProcess cli({"--batch"});
  for (int line = 0; line < 2; ++line) {
    ASSERT_TRUE(cli.Write("bin2dec\t" + digits + "\n"));
    const std::optional<std::string> record = cli.ReadOutLine(60s);
    ASSERT_TRUE(record.has_value());
    const std::string_view message = "\tNumber entered larger than 8 digits.";
    EXPECT_EQ(record->size(), 2 * kLength + 1 + message.size());
    EXPECT_TRUE(record->ends_with(message));
  }
  const long peak = cli.PeakKiB();
  if (peak < 0) GTEST_SKIP() << "no memory statistics for a running process here";
  EXPECT_LE(peak, static_cast<long>((3 * kLength + (16 << 20)) / 1024));
  EXPECT_EQ(cli.Finish(60s).status, 0);
#endif
}

}  // namespace
}  // namespace radixel::testing
