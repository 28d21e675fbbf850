#pragma once
// Turning a picture (PNG, JPEG, GIF, BMP) into the bytes of an icon file, through the
// system's imaging library, so that a folder can show it.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qb::customise {

// The largest side of the icon made; smaller pictures keep their size.
inline constexpr int kIconSide = 256;

// The icon file's bytes; nothing when the file cannot be read as a picture.
std::optional<std::vector<uint8_t>> PictureToIcon(const Services& services, std::string_view path);

}  // namespace qb::customise

namespace qb::customise {

// Whether the file can be shown as a picture (an icon file or any picture the system's
// imaging library reads).
bool IsPicture(const Services& services, std::string_view path);

}  // namespace qb::customise
