#pragma once
// The size a picture file declares in its header, read before any decoder sees the file:
// a few bytes can declare a picture of billions of pixels, and a decoder that trusts them
// takes gigabytes and many seconds before it finds the data missing. Portable, so it is
// tested natively and fuzzed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qb {

struct PictureSize {
  uint32_t width = 0;
  uint32_t height = 0;
};

// The start of the file ReadPictureSize is given: BMP, PNG and GIF declare their size in
// their first bytes, a JPEG after its other segments (metadata, thumbnails).
inline constexpr std::size_t kPictureHeadLength = 256 * 1024;

// The largest picture this program decodes: sides and decoded bytes (four per pixel).
inline constexpr uint32_t kLargestPictureSide = 16384;
inline constexpr uint64_t kLargestPictureBytes = uint64_t{256} << 20;

// The size declared by the head of a BMP, PNG, GIF or JPEG file; nothing for another
// format, or a head that ends before the size.
std::optional<PictureSize> ReadPictureSize(const uint8_t* head, std::size_t length);

// Whether a picture of that size is beyond the bounds above.
bool IsTooLarge(PictureSize size);

}  // namespace qb
