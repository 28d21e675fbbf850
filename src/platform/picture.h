#pragma once
// A decoded picture and the two file formats the program writes from one: a bitmap for the
// desktop wallpaper and an icon for a folder. Decoding belongs to the system's imaging
// library (the Images service); writing these two plain containers needs no codec.
#include <cstdint>
#include <vector>

namespace qb {

struct Picture {
  int width = 0;
  int height = 0;
  // Rows from the top, each pixel 0xAARRGGBB; width * height of them.
  std::vector<uint32_t> pixels;

  bool Empty() const { return width <= 0 || height <= 0; }
};

// The picture made smaller, keeping its proportions, so that neither side exceeds
// max_side; a picture that already fits comes back unchanged. Each new pixel is the
// average of the pixels it covers.
Picture ScaleToFit(const Picture& picture, int max_side);

// A Windows bitmap file (BMP), 24 bits per pixel; transparency is laid over white.
std::vector<uint8_t> EncodeBitmapFile(const Picture& picture);

// A Windows icon file (ICO) holding one 32-bit image with its alpha channel; pictures
// larger than 256 pixels on a side are scaled to fit first.
std::vector<uint8_t> EncodeIconFile(const Picture& picture);

}  // namespace qb
