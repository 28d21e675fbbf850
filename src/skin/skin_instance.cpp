#include "skin/skin_instance.h"

#include <vector>

namespace qb::skin {

bool SkinInstance::LoadFile(FileSystem& files, std::string_view path) {
  std::vector<uint8_t> bytes;
  if (const Status status = files.ReadFile(path, bytes); status != status::kOk) {
    skin_.reset();
    error_ = "cannot read " + std::string(path) + " (error " + std::to_string(status) + ")";
    return false;
  }
  return LoadText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool SkinInstance::LoadText(std::string_view text) {
  error_.clear();
  skin_ = ParseSkin(text, error_);
  return skin_.has_value();
}

}  // namespace qb::skin
