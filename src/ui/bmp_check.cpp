#include "ui/bmp_check.h"

namespace qb::ui {
namespace {

uint32_t Read32(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
         static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

uint16_t Read16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

constexpr uint32_t kCoreHeader = 12;  // the old OS/2 header, 16-bit sizes
constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitfields = 3;

}  // namespace

BmpCheck CheckBmp(const uint8_t* head, std::size_t head_length, uint64_t file_size) {
  if (head_length < 2 || head[0] != 'B' || head[1] != 'M') return BmpCheck::NotBmp;
  if (head_length < 26 || file_size < 26) return BmpCheck::Broken;
  const uint64_t pixels_at = Read32(head + 10);
  const uint32_t info_size = Read32(head + 14);
  uint64_t width = 0;
  uint64_t height = 0;
  uint32_t bits = 0;
  uint32_t compression = kRgb;
  uint64_t image_size = 0;
  if (info_size == kCoreHeader) {
    width = Read16(head + 18);
    height = Read16(head + 20);
    bits = Read16(head + 24);
  } else {
    if (info_size < 40 || head_length < kBmpHeadLength) return BmpCheck::Broken;
    const int32_t signed_width = static_cast<int32_t>(Read32(head + 18));
    const int32_t signed_height = static_cast<int32_t>(Read32(head + 22));
    if (signed_width <= 0 || signed_height == 0 || signed_height == INT32_MIN) return BmpCheck::Broken;
    width = static_cast<uint64_t>(signed_width);
    height = static_cast<uint64_t>(signed_height < 0 ? -static_cast<int64_t>(signed_height) : signed_height);
    bits = Read16(head + 28);
    compression = Read32(head + 30);
    image_size = Read32(head + 34);
  }
  if (width == 0 || height == 0 || pixels_at < 14 + static_cast<uint64_t>(info_size)) return BmpCheck::Broken;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return BmpCheck::Broken;

  uint64_t needed = 0;
  if (compression == kRgb || compression == kBitfields) {
    const uint64_t stride = (width * bits + 31) / 32 * 4;
    needed = stride * height;
  } else if (compression == kRle8 || compression == kRle4) {
    // Run-length data: its length is in the header and must be there.
    if (image_size == 0) return BmpCheck::Broken;
    needed = image_size;
  } else {
    return BmpCheck::Broken;  // JPEG or PNG inside a BMP, or unknown
  }
  return pixels_at + needed <= file_size ? BmpCheck::Whole : BmpCheck::Broken;
}

}  // namespace qb::ui
