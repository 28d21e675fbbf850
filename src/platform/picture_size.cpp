#include "platform/picture_size.h"

#include <cstring>

namespace qb {

namespace {

uint32_t Little16(const uint8_t* at) { return at[0] | at[1] << 8; }
uint32_t Little32(const uint8_t* at) { return Little16(at) | Little16(at + 2) << 16; }
uint32_t Big16(const uint8_t* at) { return at[0] << 8 | at[1]; }
uint32_t Big32(const uint8_t* at) { return Big16(at) << 16 | Big16(at + 2); }

bool StartsWith(const uint8_t* head, std::size_t length, std::string_view magic) {
  return length >= magic.size() && std::memcmp(head, magic.data(), magic.size()) == 0;
}

std::optional<PictureSize> BmpSize(const uint8_t* head, std::size_t length) {
  if (length < 26) return std::nullopt;
  if (Little32(head + 14) == 12) return PictureSize{Little16(head + 18), Little16(head + 20)};
  // Rows stored top first have a negative height.
  const auto height = static_cast<int32_t>(Little32(head + 22));
  const uint32_t rows = height < 0 ? 0u - static_cast<uint32_t>(height) : static_cast<uint32_t>(height);
  return PictureSize{Little32(head + 18), rows};
}

// The frame header (SOFn) gives the size; the markers before it are walked by their
// lengths, so a long metadata segment is stepped over rather than read.
std::optional<PictureSize> JpegSize(const uint8_t* head, std::size_t length) {
  std::size_t at = 2;
  while (at + 4 <= length) {
    if (head[at] != 0xFF) return std::nullopt;
    const uint8_t marker = head[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length follows
      at += 2;
      continue;
    }
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                       marker != 0xCC;
    if (frame) {
      if (at + 9 > length) return std::nullopt;
      return PictureSize{Big16(head + at + 7), Big16(head + at + 5)};
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // end, or data before a frame
    at += 2 + Big16(head + at + 2);
  }
  return std::nullopt;
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(const uint8_t* head, std::size_t length) {
  if (StartsWith(head, length, "BM")) return BmpSize(head, length);
  if (StartsWith(head, length, "\x89PNG\r\n\x1A\n")) {
    if (length < 24) return std::nullopt;
    return PictureSize{Big32(head + 16), Big32(head + 20)};
  }
  if (StartsWith(head, length, "GIF87a") || StartsWith(head, length, "GIF89a")) {
    if (length < 10) return std::nullopt;
    return PictureSize{Little16(head + 6), Little16(head + 8)};
  }
  if (StartsWith(head, length, "\xFF\xD8")) return JpegSize(head, length);
  return std::nullopt;
}

bool IsTooLarge(PictureSize size) {
  return size.width > kLargestPictureSide || size.height > kLargestPictureSide ||
         uint64_t{size.width} * size.height * 4 > kLargestPictureBytes;
}

}  // namespace qb
