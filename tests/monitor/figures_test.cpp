#include "monitor/figures.h"

#include <gtest/gtest.h>

namespace qb::monitor {
namespace {

TEST(MonitorFigures, ThousandsFormatRoundsAndGivesNothingBelowHalf) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{1234, "1,234"}, {255.6, "256"}, {255.4, "255"}, {0.49, ""},  {0.5, "1"},
               {999.5, "1,000"}, {1234567.8, "1,234,568"}, {0, ""}};
  for (const auto& c : cases) EXPECT_EQ(FormatThousands(c.value), c.text) << c.value;
  EXPECT_EQ(FormatWhole(61.7), "62");
  EXPECT_EQ(FormatWhole(1234), "1234");
  EXPECT_EQ(LeadingNumber("1,234 MB of 257 MB"), 1234);
  EXPECT_EQ(LeadingNumber("0  MB of 257 MB"), 0);
  EXPECT_EQ(LeadingNumber(" MB"), 0);
}

TEST(MonitorFigures, ShownTotalIsTheRoundedMegabytesPlusOne) {
  EXPECT_EQ(ShownTotalMegabytes(static_cast<uint64_t>(255.6 * 1048576)), 257);
  EXPECT_EQ(ShownTotalMegabytes(static_cast<uint64_t>(255.4 * 1048576)), 256);
  EXPECT_EQ(ShownTotalMegabytes(64ull << 30), 65537);
  EXPECT_EQ(ShownTotalMegabytes(1000), 1);
}

TEST(MonitorFigures, SizeTextPicksTheUnitThatLeavesMoreThanOne) {
  const struct {
    uint64_t bytes;
    const char* text;
  } cases[] = {
      {268'435'456, "256 MB"},     {1'536, "1.5 KB"},        {500, "0.4883 KB"},
      {1'073'741'824, "1024 MB"},  {0, "0 Bytes"},           {1, "1 Bytes"},
      {64ull << 30, "64 GB"},      {3ull << 40, "3 TB"},     {1'048'577, "1024.001 KB"},
      {(16ull << 40) * 1024, "16 PB"},
  };
  for (const auto& c : cases) EXPECT_EQ(SizeText(c.bytes, 5), c.text) << c.bytes;
  EXPECT_EQ(SizeText(268'435'456, 1), "262144 KB");
}

}  // namespace
}  // namespace qb::monitor
