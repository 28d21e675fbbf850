#include "customise/icon_conversion.h"

#include "language/wording.h"

namespace qb::customise {

namespace {

Status DecodeIconSized(const Services& services, std::string_view path, Picture& picture) {
  if (path.empty()) return status::kFileNotFound;
  const Status decoded = services.images.Decode(path, kIconSide, picture);
  if (decoded == status::kOk && picture.Empty()) return status::kInvalidData;
  return decoded;
}

}  // namespace

Status PictureToIcon(const Services& services, std::string_view path, std::vector<uint8_t>& icon) {
  Picture picture;
  const Status decoded = DecodeIconSized(services, path, picture);
  if (decoded == status::kOk) icon = EncodeIconFile(picture);
  return decoded;
}

Status CheckPicture(const Services& services, std::string_view path) {
  Picture picture;
  return DecodeIconSized(services, path, picture);
}

std::string WhyNotAPicture(const Services& services, std::string_view path, Status error) {
  const std::string quoted = "\"" + std::string(path) + "\"";
  switch (error) {
    case status::kPictureTooLarge:
      return language::Say(services, language::phrase::kPictureCannotBeUsed,
                           {quoted, language::Say(services, language::phrase::kPictureTooLarge)});
    case status::kInvalidData:
      return language::Say(services, language::phrase::kNotAPictureForIcon, {quoted});
    default: return language::CouldNot(services, language::phrase::kFileNotRead, error, {quoted});
  }
}

}  // namespace qb::customise
