#include "platform/profile_read_cache.h"

#include "platform/text.h"

namespace qb {

std::string ProfileReadCache::GetString(std::string_view file, std::string_view section,
                                        std::string_view key, std::string_view fallback,
                                        size_t buffer_chars) {
  if (const IniText* ini = WholeFile(file)) {
    return ProfileAnswer(ini, section, key, fallback, buffer_chars);
  }
  Question question{std::string(file), std::string(section), std::string(key), std::string(fallback),
                    buffer_chars};
  if (const auto found = answers_.find(question); found != answers_.end()) return found->second;
  std::string answer = store_.GetString(file, section, key, fallback, buffer_chars);
  answers_.emplace(std::move(question), answer);
  return answer;
}

bool ProfileReadCache::WriteString(std::string_view file, std::string_view section,
                                   std::string_view key, std::string_view value) {
  // The same file may be named in another case: everything read from a file of that name goes.
  std::erase_if(files_, [&](const auto& entry) { return text::EqualsNoCase(entry.first, file); });
  std::erase_if(answers_, [&](const auto& entry) { return text::EqualsNoCase(std::get<0>(entry.first), file); });
  return store_.WriteString(file, section, key, value);
}

const IniText* ProfileReadCache::WholeFile(std::string_view file) {
  auto found = files_.find(file);
  if (found == files_.end()) {
    std::optional<IniText> ini;
    if (const auto text = store_.ReadText(file)) ini = IniText::Parse(*text);
    found = files_.emplace(std::string(file), std::move(ini)).first;
  }
  return found->second ? &*found->second : nullptr;
}

}  // namespace qb
