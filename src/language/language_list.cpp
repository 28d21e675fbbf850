#include "language/language_list.h"

#include <algorithm>

#include "language/language_catalogue.h"
#include "platform/text.h"

namespace qb::language {

namespace {

constexpr std::string_view kExtension = ".ini";

// The pattern "*.ini" also matches names whose short 8.3 form ends in ".INI", such as
// "German.ini.bak" or "x.inix", so the long name is checked again here.
bool IsLanguageFile(const FileEntry& entry) {
  if (entry.attributes & fileattr::kDirectory) return false;
  if (entry.name.size() <= kExtension.size()) return false;
  return text::EqualsNoCase(entry.name.substr(entry.name.size() - kExtension.size()), kExtension);
}

}  // namespace

std::vector<std::string> AvailableLanguages(FileSystem& files, std::string_view app_folder) {
  std::vector<FileEntry> entries;
  files.FindFiles(std::string(app_folder) + "\\languages\\*" + std::string(kExtension), entries);
  std::vector<std::string> others;
  for (const auto& entry : entries) {
    if (!IsLanguageFile(entry)) continue;
    std::string name = entry.name.substr(0, entry.name.size() - kExtension.size());
    if (text::EqualsNoCase(name, kFallbackLanguage)) continue;
    others.push_back(std::move(name));
  }
  std::sort(others.begin(), others.end(), [](const std::string& a, const std::string& b) {
    return text::CompareNoCase(a, b) < 0;
  });
  std::vector<std::string> languages{std::string(kFallbackLanguage)};
  languages.insert(languages.end(), others.begin(), others.end());
  return languages;
}

}  // namespace qb::language
