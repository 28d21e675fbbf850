#include "platform/picture.h"

#include <algorithm>

namespace qb {

namespace {

constexpr int kLargestIconSide = 256;

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

uint8_t Channel(uint32_t pixel, int shift) { return static_cast<uint8_t>(pixel >> shift); }

// Rows of a bitmap are padded to whole four-byte groups.
size_t RowBytes(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

// The bitmap information header that both formats share (BITMAPINFOHEADER).
void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t image_bytes) {
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);  // planes
  PutU16(out, static_cast<uint32_t>(bits));
  PutU32(out, 0);  // no compression
  PutU32(out, image_bytes);
  PutU32(out, 2835);  // 72 dots per inch, as pixels per metre
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
}

}  // namespace

Picture ScaleToFit(const Picture& picture, int max_side) {
  if (picture.Empty() || max_side <= 0 ||
      (picture.width <= max_side && picture.height <= max_side)) {
    return picture;
  }
  const double factor =
      static_cast<double>(max_side) / static_cast<double>(std::max(picture.width, picture.height));
  Picture scaled;
  scaled.width = std::max(1, static_cast<int>(picture.width * factor + 0.5));
  scaled.height = std::max(1, static_cast<int>(picture.height * factor + 0.5));
  scaled.pixels.resize(static_cast<size_t>(scaled.width) * scaled.height);
  for (int y = 0; y < scaled.height; ++y) {
    const int top = static_cast<int>(static_cast<int64_t>(y) * picture.height / scaled.height);
    const int bottom = std::max(top + 1, static_cast<int>(static_cast<int64_t>(y + 1) * picture.height / scaled.height));
    for (int x = 0; x < scaled.width; ++x) {
      const int left = static_cast<int>(static_cast<int64_t>(x) * picture.width / scaled.width);
      const int right = std::max(left + 1, static_cast<int>(static_cast<int64_t>(x + 1) * picture.width / scaled.width));
      uint64_t sum[4] = {};
      for (int sy = top; sy < bottom; ++sy) {
        for (int sx = left; sx < right; ++sx) {
          const uint32_t pixel = picture.pixels[static_cast<size_t>(sy) * picture.width + sx];
          for (int c = 0; c < 4; ++c) sum[c] += Channel(pixel, c * 8);
        }
      }
      const uint64_t count = static_cast<uint64_t>(bottom - top) * (right - left);
      uint32_t average = 0;
      for (int c = 0; c < 4; ++c) average |= static_cast<uint32_t>((sum[c] + count / 2) / count) << (c * 8);
      scaled.pixels[static_cast<size_t>(y) * scaled.width + x] = average;
    }
  }
  return scaled;
}

std::vector<uint8_t> EncodeBitmapFile(const Picture& picture) {
  const size_t row = RowBytes(picture.width, 24);
  const auto image_bytes = static_cast<uint32_t>(row * picture.height);
  std::vector<uint8_t> out;
  out.reserve(54 + image_bytes);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + image_bytes);
  PutU32(out, 0);
  PutU32(out, 54);
  PutInfoHeader(out, picture.width, picture.height, 24, image_bytes);
  // Bottom row first; a transparent pixel shows the white a desktop picture lies on.
  for (int y = picture.height - 1; y >= 0; --y) {
    const size_t start = out.size();
    for (int x = 0; x < picture.width; ++x) {
      const uint32_t pixel = picture.pixels[static_cast<size_t>(y) * picture.width + x];
      const unsigned alpha = Channel(pixel, 24);
      for (int shift : {0, 8, 16}) {
        out.push_back(static_cast<uint8_t>((Channel(pixel, shift) * alpha + 255 * (255 - alpha) + 127) / 255));
      }
    }
    out.resize(start + row, 0);
  }
  return out;
}

std::vector<uint8_t> EncodeIconFile(const Picture& source) {
  const Picture picture = ScaleToFit(source, kLargestIconSide);
  const size_t colour_row = RowBytes(picture.width, 32);
  const size_t mask_row = RowBytes(picture.width, 1);
  const auto image_bytes = static_cast<uint32_t>((colour_row + mask_row) * picture.height);
  const uint32_t entry_bytes = 40 + image_bytes;
  std::vector<uint8_t> out;
  out.reserve(6 + 16 + entry_bytes);
  // The directory: one image. A side of 256 is written as 0.
  PutU16(out, 0);
  PutU16(out, 1);  // an icon, not a cursor
  PutU16(out, 1);
  out.push_back(static_cast<uint8_t>(picture.width == kLargestIconSide ? 0 : picture.width));
  out.push_back(static_cast<uint8_t>(picture.height == kLargestIconSide ? 0 : picture.height));
  out.push_back(0);  // no palette
  out.push_back(0);
  PutU16(out, 1);
  PutU16(out, 32);
  PutU32(out, entry_bytes);
  PutU32(out, 6 + 16);
  // The image: its header counts the colour rows and the mask rows together.
  PutInfoHeader(out, picture.width, picture.height * 2, 32, image_bytes);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      PutU32(out, picture.pixels[static_cast<size_t>(y) * picture.width + x]);
    }
  }
  // The mask marks fully transparent pixels, for systems that ignore the alpha channel.
  for (int y = picture.height - 1; y >= 0; --y) {
    const size_t start = out.size();
    out.resize(start + mask_row, 0);
    for (int x = 0; x < picture.width; ++x) {
      if (Channel(picture.pixels[static_cast<size_t>(y) * picture.width + x], 24) == 0) {
        out[start + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  return out;
}

}  // namespace qb
