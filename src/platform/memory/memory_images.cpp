#include "platform/memory/memory_images.h"

#include <algorithm>

#include "platform/text.h"

namespace qb {

bool MemoryImages::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
  return text::CompareNoCase(a, b) < 0;
}

Status MemoryImages::Decode(std::string_view path, int max_side, Picture& picture) {
  decoded_.emplace_back(path);
  const std::string key(path);
  std::vector<uint8_t> bytes;
  if (files_.ReadFile(path, bytes) == status::kOk) {
    const auto size = ReadPictureSize(bytes.data(), std::min(bytes.size(), kPictureHeadLength));
    if (size && IsTooLarge(*size)) return status::kPictureTooLarge;
  }
  if (undecodable_.count(key)) return status::kInvalidData;
  const auto found = pictures_.find(key);
  if (found == pictures_.end()) return status::kFileNotFound;
  picture = ScaleToFit(found->second, max_side);
  return status::kOk;
}

void MemoryImages::AddPicture(std::string_view path, Picture picture) {
  undecodable_.erase(std::string(path));
  pictures_[std::string(path)] = std::move(picture);
}

void MemoryImages::AddUndecodable(std::string_view path) {
  pictures_.erase(std::string(path));
  undecodable_[std::string(path)] = true;
}

}  // namespace qb
