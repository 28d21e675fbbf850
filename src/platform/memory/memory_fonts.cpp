#include "platform/memory/memory_fonts.h"

#include <algorithm>

#include "platform/font_file.h"
#include "platform/text.h"

namespace qb {

namespace {

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& each) { return text::EqualsNoCase(each, name); });
}

}  // namespace

bool MemoryFonts::LoadFontFile(std::string_view path) {
  calls_.push_back("LoadFontFile " + std::string(path));
  std::vector<uint8_t> bytes;
  if (files_.ReadFile(path, bytes) != status::kOk) return false;
  const auto names = ReadFontNames(bytes);
  if (!names || Contains(refused_families, names->family)) return false;
  if (!Contains(families, names->family)) {
    families.push_back(names->family);
    loaded_.emplace_back(path, names->family);
  }
  return true;
}

void MemoryFonts::UnloadFontFile(std::string_view path) {
  calls_.push_back("UnloadFontFile " + std::string(path));
  for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
    if (!text::EqualsNoCase(it->first, path)) continue;
    std::erase(families, it->second);
    loaded_.erase(it);
    return;
  }
}

}  // namespace qb
