#include "platform/picture_size.h"

#include <gtest/gtest.h>

#include "support/picture_headers.h"

namespace qb {
namespace {

using test_support::PictureFormat;
using test_support::PictureHeader;

// A 70-byte BMP declaring 30000 x 30000 pixels made the process take 5.9 GB: each
// format's header is read for its size, and a size beyond the bounds is refused.
TEST(PictureSize, EachFormatDeclaresItsSizeAndTooLargeOnesAreRefused) {
  const struct { uint32_t width, height; bool too_large; } sizes[] = {
      {30000, 30000, true}, {20000, 20000, true}, {16385, 1, true}, {8193, 8192, true},
      {16384, 4096, false}, {8192, 8192, false}, {1, 1, false},
  };
  for (const auto format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Gif, PictureFormat::Jpeg}) {
    for (const auto& size : sizes) {
      if (format == PictureFormat::Gif && size.width > 0xFFFF) continue;
      const auto head = PictureHeader(format, size.width, size.height);
      const auto read = ReadPictureSize(head.data(), head.size());
      ASSERT_TRUE(read) << static_cast<int>(format) << " " << size.width;
      EXPECT_EQ(read->width, size.width);
      EXPECT_EQ(read->height, size.height);
      EXPECT_EQ(IsTooLarge(*read), size.too_large) << size.width << " x " << size.height;
      // Cut off before the size: no verdict, and no read past the end.
      EXPECT_FALSE(ReadPictureSize(head.data(), format == PictureFormat::Gif ? 8 : 20)) << static_cast<int>(format);
    }
  }
  const uint8_t other[] = {0, 0, 1, 0, 1, 0};
  EXPECT_FALSE(ReadPictureSize(other, sizeof(other)));
}

}  // namespace
}  // namespace qb
