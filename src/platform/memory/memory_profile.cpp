#include "platform/memory/memory_profile.h"

#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb {

namespace {

std::string PathKey(std::string_view path) {
  return text::Utf16ToUtf8(text::UpperUtf16(text::Utf8ToUtf16(path)));
}

// The reader copies at most buffer_chars - 1 UTF-16 units and ends the buffer with NUL.
std::string CutToBuffer(const std::string& value, size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  auto units = text::Utf8ToUtf16(value);
  if (units.size() > buffer_chars - 1) units.resize(buffer_chars - 1);
  return text::Utf16ToUtf8(units);
}

}  // namespace

std::string MemoryProfileStore::GetString(std::string_view file, std::string_view section,
                                          std::string_view key, std::string_view fallback,
                                          size_t buffer_chars) {
  const auto it = files_.find(PathKey(file));
  std::optional<std::string> value;
  if (it != files_.end()) value = IniText::Parse(it->second).Get(section, key);
  if (value) return CutToBuffer(*value, buffer_chars);
  // It also drops the fallback's trailing blanks.
  fallback = fallback.substr(0, fallback.find_last_not_of(' ') + 1);
  return CutToBuffer(std::string(fallback), buffer_chars);
}

bool MemoryProfileStore::WriteString(std::string_view file, std::string_view section,
                                     std::string_view key, std::string_view value) {
  auto& text = files_[PathKey(file)];
  text = IniText::Edit(text, section, key, value);
  return true;
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
