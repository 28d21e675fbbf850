#pragma once
// The skin instance each window loads for itself.
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "skin/skin.h"

namespace qb::skin {

inline constexpr std::string_view kSkinFileName = "\\winaquas.skn";

// One window's own copy of the skin, loaded from the skin file.
class SkinInstance {
 public:
  // Reads and parses the file. A missing or malformed file leaves the instance empty, so
  // everything it skins keeps plain system drawing; the reason is kept for the caller.
  bool LoadFile(FileSystem& files, std::string_view path);
  bool LoadText(std::string_view text);

  bool Loaded() const { return skin_.has_value(); }
  const Skin* Get() const { return skin_ ? &*skin_ : nullptr; }
  const std::string& Error() const { return error_; }

 private:
  std::optional<Skin> skin_;
  std::string error_;
};

}  // namespace qb::skin
