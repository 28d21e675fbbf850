#include "customise/icon_conversion.h"

namespace qb::customise {

std::optional<std::vector<uint8_t>> PictureToIcon(const Services& services, std::string_view path) {
  Picture picture;
  if (services.images.Decode(path, kIconSide, picture) != status::kOk || picture.Empty()) {
    return std::nullopt;
  }
  return EncodeIconFile(picture);
}

bool IsPicture(const Services& services, std::string_view path) {
  Picture picture;
  return !path.empty() && services.images.Decode(path, kIconSide, picture) == status::kOk &&
         !picture.Empty();
}

}  // namespace qb::customise
