#pragma once
// The first bytes of picture files declaring a given size and holding no pixels, as a
// hostile file would: enough for a decoder to believe the size.
#include <cstdint>
#include <vector>

namespace qb::test_support {

enum class PictureFormat { Bmp, Png, Gif, Jpeg };

inline std::vector<uint8_t> PictureHeader(PictureFormat format, uint32_t width, uint32_t height) {
  std::vector<uint8_t> out;
  auto little = [&](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  auto big = [&](uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  switch (format) {
    case PictureFormat::Bmp:  // 70 bytes: both headers and four bytes of "pixels"
      out = {'B', 'M'};
      little(70, 4), little(0, 4), little(54, 4), little(40, 4), little(width, 4), little(height, 4);
      little(1, 2), little(32, 2), little(0, 4), little(0, 4);
      out.resize(70, 0);
      break;
    case PictureFormat::Png:
      out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
      big(13, 4), out.insert(out.end(), {'I', 'H', 'D', 'R'}), big(width, 4), big(height, 4);
      out.insert(out.end(), {8, 6, 0, 0, 0}), big(0, 4);  // 8-bit RGBA; a wrong checksum
      break;
    case PictureFormat::Gif:
      out = {'G', 'I', 'F', '8', '9', 'a'};
      little(width, 2), little(height, 2), out.insert(out.end(), {0, 0, 0});
      break;
    case PictureFormat::Jpeg:  // a metadata segment first, then the frame header
      out = {0xFF, 0xD8, 0xFF, 0xE1};
      big(2 + 300, 2), out.resize(out.size() + 300, 0);
      out.insert(out.end(), {0xFF, 0xC2}), big(17, 2), out.push_back(8), big(height, 2), big(width, 2);
      out.resize(out.size() + 10, 0);
      break;
  }
  return out;
}

}  // namespace qb::test_support
