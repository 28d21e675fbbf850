#pragma once
// Turning a picture (PNG, JPEG, GIF, BMP) into the bytes of an icon file, through the
// system's imaging library, so that a folder can show it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qb::customise {

// The largest side of the icon made; smaller pictures keep their size.
inline constexpr int kIconSide = 256;

// The icon file's bytes made from the picture file: kInvalidData when the file cannot be
// read as a picture, kPictureTooLarge for one beyond the program's bounds.
Status PictureToIcon(const Services& services, std::string_view path, std::vector<uint8_t>& icon);

// Whether the file can be shown as a picture (an icon file or any picture the system's
// imaging library reads): kOk, or why not as above.
Status CheckPicture(const Services& services, std::string_view path);

// Why the picture at path cannot be used, for the user, from one of the results above.
std::string WhyNotAPicture(const Services& services, std::string_view path, Status error);

}  // namespace qb::customise
