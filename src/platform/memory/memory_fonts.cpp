#include "platform/memory/memory_fonts.h"

#include <algorithm>

#include "platform/font_file.h"
#include "platform/text.h"

namespace qb {

bool MemoryFonts::LoadFontFile(std::string_view path) {
  calls_.push_back("LoadFontFile " + std::string(path));
  std::vector<uint8_t> bytes;
  if (files_.ReadFile(path, bytes) != status::kOk) return false;
  const auto names = ReadFontNames(bytes);
  if (!names) return false;
  const bool listed = std::any_of(families.begin(), families.end(), [&](const std::string& family) {
    return text::EqualsNoCase(family, names->family);
  });
  if (!listed) families.push_back(names->family);
  return true;
}

}  // namespace qb
