#include "ui/bmp_check.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb::ui {
namespace {

void Put32(std::vector<uint8_t>& bytes, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
void Put16(std::vector<uint8_t>& bytes, std::size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

// The two headers of an uncompressed BMP.
std::vector<uint8_t> Head(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                          uint32_t image_size = 0) {
  std::vector<uint8_t> head(kBmpHeadLength, 0);
  head[0] = 'B';
  head[1] = 'M';
  Put32(head, 10, 54);
  Put32(head, 14, 40);
  Put32(head, 18, static_cast<uint32_t>(width));
  Put32(head, 22, static_cast<uint32_t>(height));
  Put16(head, 26, 1);
  Put16(head, 28, bits);
  Put32(head, 30, compression);
  Put32(head, 34, image_size);
  return head;
}

BmpCheck Check(const std::vector<uint8_t>& head, uint64_t file_size) {
  return CheckBmp(head.data(), head.size(), file_size);
}

TEST(BmpCheck, WholeFileExactlyAndOneByteShort) {
  // 3 pixels of 24 bits: 9 bytes padded to 12 per row, 2 rows.
  const auto head = Head(3, 2, 24);
  EXPECT_EQ(Check(head, 54 + 24), BmpCheck::Whole);
  EXPECT_EQ(Check(head, 54 + 23), BmpCheck::Broken);
  // Top-down rows (negative height) count the same.
  EXPECT_EQ(Check(Head(3, -2, 24), 54 + 24), BmpCheck::Whole);
  // 1 bit per pixel: 33 pixels need two 32-bit words per row.
  EXPECT_EQ(Check(Head(33, 1, 1), 54 + 8), BmpCheck::Whole);
  EXPECT_EQ(Check(Head(33, 1, 1), 54 + 7), BmpCheck::Broken);
}

TEST(BmpCheck, HugeDimensionsInATinyFileAreBroken) {
  EXPECT_EQ(Check(Head(4000, 4000, 24), 200), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(0x7fffffff, 0x7fffffff, 32), 1000), BmpCheck::Broken);  // no overflow
  EXPECT_EQ(Check(Head(4, INT32_MIN, 24), 1 << 20), BmpCheck::Broken);
}

TEST(BmpCheck, NonsenseHeadersAreBroken) {
  EXPECT_EQ(Check(Head(0, 2, 24), 1000), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(-3, 2, 24), 1000), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(3, 0, 24), 1000), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(3, 2, 7), 1000), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(3, 2, 24, 4), 1000), BmpCheck::Broken);  // a JPEG inside
  auto pixels_inside_header = Head(1, 1, 24);
  Put32(pixels_inside_header, 10, 20);
  EXPECT_EQ(Check(pixels_inside_header, 1000), BmpCheck::Broken);
  std::vector<uint8_t> cut{'B', 'M', 0, 0};
  EXPECT_EQ(Check(cut, cut.size()), BmpCheck::Broken);
}

TEST(BmpCheck, RunLengthDataMustBeInTheFile) {
  EXPECT_EQ(Check(Head(10, 10, 8, 1, 300), 54 + 300), BmpCheck::Whole);
  EXPECT_EQ(Check(Head(10, 10, 8, 1, 300), 54 + 299), BmpCheck::Broken);
  EXPECT_EQ(Check(Head(10, 10, 8, 1, 0), 5000), BmpCheck::Broken);
}

TEST(BmpCheck, OtherFormatsAreLeftToTheirDecoders) {
  const std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  EXPECT_EQ(Check(png, 8), BmpCheck::NotBmp);
  EXPECT_EQ(CheckBmp(nullptr, 0, 0), BmpCheck::NotBmp);
}

}  // namespace
}  // namespace qb::ui
