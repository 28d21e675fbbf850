#pragma once
// A look at a BMP file's headers before any decoder reads it: some decoders trust the
// headers and read past the end of a truncated file. Portable, so it is tested natively.
#include <cstddef>
#include <cstdint>

namespace qb::ui {

enum class BmpCheck {
  NotBmp,  // does not start with "BM": another format, for its own decoder
  Whole,   // headers sane and every pixel the headers promise is in the file
  Broken,  // a BMP that must not be decoded
};

// head: the file's first bytes (at least the 54 of the two headers when the file has
// them); file_size: the whole file's length.
BmpCheck CheckBmp(const uint8_t* head, std::size_t head_length, uint64_t file_size);

// Bytes the BMP header needs for CheckBmp.
inline constexpr std::size_t kBmpHeadLength = 54;

}  // namespace qb::ui
