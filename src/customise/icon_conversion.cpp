#include "customise/icon_conversion.h"

namespace qb::customise {

// SHIM until the imaging service lands.
std::optional<std::vector<uint8_t>> PictureToIcon(const Services& services, std::string_view path) {
  return std::nullopt;
}

bool IsPicture(const Services& services, std::string_view path) {
  std::vector<uint8_t> bytes;
  return services.files.ReadFile(path, bytes) == 0;
}

}  // namespace qb::customise
