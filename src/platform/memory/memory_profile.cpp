#include "platform/memory/memory_profile.h"

#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb {

namespace {

std::string PathKey(std::string_view path) {
  return text::Utf16ToUtf8(text::UpperUtf16(text::Utf8ToUtf16(path)));
}

}  // namespace

std::string MemoryProfileStore::GetString(std::string_view file, std::string_view section,
                                          std::string_view key, std::string_view fallback,
                                          size_t buffer_chars) {
  const auto it = files_.find(PathKey(file));
  if (it == files_.end()) return ProfileAnswer(nullptr, section, key, fallback, buffer_chars);
  const IniText ini = IniText::Parse(it->second);
  return ProfileAnswer(&ini, section, key, fallback, buffer_chars);
}

bool MemoryProfileStore::WriteString(std::string_view file, std::string_view section,
                                     std::string_view key, std::string_view value) {
  auto& text = files_[PathKey(file)];
  text = IniText::Edit(text, section, key, value);
  return true;
}

std::optional<std::string> MemoryProfileStore::ReadText(std::string_view file) {
  const std::string* text = File(file);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

void MemoryProfileStore::SetFile(std::string_view path, std::string text) {
  files_[PathKey(path)] = std::move(text);
}

const std::string* MemoryProfileStore::File(std::string_view path) const {
  const auto it = files_.find(PathKey(path));
  return it == files_.end() ? nullptr : &it->second;
}

void MemoryProfileStore::RemoveFile(std::string_view path) { files_.erase(PathKey(path)); }

}  // namespace qb
