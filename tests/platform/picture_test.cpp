#include "platform/picture.h"

#include <gtest/gtest.h>

#include "ui/bmp_check.h"

namespace qb {
namespace {

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

Picture Solid(int width, int height, uint32_t colour) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

TEST(Picture, ScalingKeepsProportionsAndAveragesWhatItCovers) {
  // Left half black, right half white: the one pixel left is their grey.
  Picture stripes{2, 1, {0xFF000000, 0xFFFFFFFF}};
  const Picture grey = ScaleToFit(stripes, 1);
  ASSERT_EQ(grey.width, 1);
  EXPECT_EQ(grey.pixels[0], 0xFF808080u);

  const struct { int width, height, max_side, want_width, want_height; } cases[] = {
      {1920, 1080, 256, 256, 144}, {300, 1000, 100, 30, 100}, {10, 10, 256, 10, 10},
      {5000, 1, 256, 256, 1}, {640, 480, 0, 640, 480},
  };
  for (const auto& c : cases) {
    const Picture scaled = ScaleToFit(Solid(c.width, c.height, 0xFF123456), c.max_side);
    EXPECT_EQ(scaled.width, c.want_width) << c.width << "x" << c.height;
    EXPECT_EQ(scaled.height, c.want_height) << c.width << "x" << c.height;
    EXPECT_EQ(scaled.pixels.size(), static_cast<size_t>(scaled.width) * scaled.height);
    EXPECT_EQ(scaled.pixels.back(), 0xFF123456u);
  }
}

TEST(Picture, BitmapFileIsWholeBottomUpAndLaysTransparencyOverWhite) {
  // Three pixels wide: each row of 9 bytes is padded to 12.
  Picture picture{3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000, 0x80000000, 0xFF000000}};
  const auto file = EncodeBitmapFile(picture);
  ASSERT_EQ(file.size(), 54u + 2 * 12);
  EXPECT_EQ(ui::CheckBmp(file.data(), file.size(), file.size()), ui::BmpCheck::Whole);
  EXPECT_EQ(U32(file, 2), file.size());
  EXPECT_EQ(U32(file, 18), 3u);
  EXPECT_EQ(U32(file, 22), 2u);
  // The bottom row comes first: transparent shows white, half-transparent black is grey.
  EXPECT_EQ(file[54], 0xFF);
  EXPECT_EQ(file[57], 0x7F);
  EXPECT_EQ(file[60], 0x00);
  // Then the top row, blue-green-red per pixel: red, green, blue.
  const std::vector<uint8_t> top(file.begin() + 66, file.begin() + 75);
  EXPECT_EQ(top, (std::vector<uint8_t>{0, 0, 255, 0, 255, 0, 255, 0, 0}));
}

TEST(Picture, IconFileHoldsOneImageWithAlphaAndMask) {
  const auto small = EncodeIconFile(Picture{2, 1, {0xFF112233, 0x00000000}});
  // Directory, entry, header, two colour pixels, one padded mask row.
  ASSERT_EQ(small.size(), 6u + 16 + 40 + 8 + 4);
  EXPECT_EQ(U32(small, 0), 0x00010000u);  // reserved 0, type icon
  EXPECT_EQ(small[6], 2);
  EXPECT_EQ(small[7], 1);
  EXPECT_EQ(U32(small, 14), small.size() - 22);
  EXPECT_EQ(U32(small, 18), 22u);
  EXPECT_EQ(U32(small, 22 + 8), 2u);  // the header counts colour and mask rows
  EXPECT_EQ(U32(small, 62), 0xFF112233u);
  EXPECT_EQ(small[70], 0x40);  // the second pixel is transparent in the mask

  // A photograph becomes one 256-pixel icon, its side written as 0.
  const auto large = EncodeIconFile(Solid(1024, 512, 0xFF000000));
  EXPECT_EQ(large[6], 0);
  EXPECT_EQ(large[7], 128);
}

}  // namespace
}  // namespace qb
