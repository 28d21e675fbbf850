#include "disk/size_text.h"

#include <gtest/gtest.h>

namespace qb::disk {
namespace {

TEST(SizeText, EveryRowOfTheTableAndItsBounds) {
  const struct {
    double bytes;
    const char* text;
  } cases[] = {
      {0, "0 bytes"},
      {500, "500 bytes"},
      {999, "999 bytes"},
      {1000, "0.98 KB"},
      {1536, "1.50 KB"},
      {1022976, "999 KB"},  // 999 x 1024
      {1022977, "0.98 MB"},
      {25600000, "24.4 MB"},
      {1047527424, "999 MB"},  // 999 x 1024^2
      {1047527425, "0.98 GB"},
      {120000000000, "112 GB"},
      {1072668082176, "999 GB"},  // 999 x 1024^3
      {1072668082177, "0.98 TB"},  // had no unit, so showed nothing
      {2000398934016, "1.82 TB"},  // a "2 TB" disk
      {1098412116148224, "999 TB"},  // 999 x 1024^4
      {1098412116148225, "0.98 PB"},
      {1124774006935781376, "999 PB"},  // 999 x 1024^5
      {2305843009213693952, "2048 PB"},  // past the table: still in its last unit
  };
  for (const auto& c : cases) EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes;
}

TEST(ShortNumber, ThreeFiguresWholeNumbersTiesToEven) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {100.5, "100"}, {101.5, "102"}, {102.5, "102"}, {998.5, "998"}, {999.4, "999"},
      {100, "100"},   {99.94, "99.9"}, {10, "10.0"},  {12.34, "12.3"}, {9.994, "9.99"},
      {1.5, "1.50"},  {0.976, "0.98"}, {0, "0.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortNumber(c.value), c.text) << c.value;
}

TEST(JoinHalves, ReadsBothHalvesAsUnsigned) {
  EXPECT_EQ(JoinHalves(0xFFFFFFFFu, 0), 4294967295.0);
  EXPECT_EQ(JoinHalves(0, 1), 4294967296.0);
  EXPECT_EQ(JoinHalves(0x80000000u, 0x80000000u), 9223372039002259456.0);
}

TEST(PercentText, TwoDecimalsAndTheSign) {
  EXPECT_EQ(PercentText(0.4567), "45.67%");
  EXPECT_EQ(PercentText(1.0 / 3), "33.33%");
  EXPECT_EQ(PercentText(0), "0.00%");
  EXPECT_EQ(PercentText(1), "100.00%");
}

}  // namespace
}  // namespace qb::disk
