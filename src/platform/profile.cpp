#include "platform/profile.h"

#include "platform/ini_text.h"
#include "platform/text.h"

namespace qb {

namespace {

// The reader copies at most buffer_chars - 1 UTF-16 units and ends the buffer with NUL.
std::string CutToBuffer(std::string_view value, size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  auto units = text::Utf8ToUtf16(value);
  if (units.size() > buffer_chars - 1) units.resize(buffer_chars - 1);
  return text::Utf16ToUtf8(units);
}

}  // namespace

std::string ProfileAnswer(const IniText* ini, std::string_view section, std::string_view key,
                          std::string_view fallback, size_t buffer_chars) {
  if (ini) {
    if (const auto value = ini->Get(section, key)) return CutToBuffer(*value, buffer_chars);
  }
  // The reader also drops the fallback's trailing blanks.
  return CutToBuffer(fallback.substr(0, fallback.find_last_not_of(' ') + 1), buffer_chars);
}

}  // namespace qb
