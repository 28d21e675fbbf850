// INI text as language files and the skin are read: any bytes parse, look-ups and edits stay
// in bounds, and text written back parses to the same sections.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qb::IniText ini = qb::IniText::Parse(text);
  ini.Get("Vorlix", "1016");
  for (const auto& section : ini.Sections()) {
    for (const auto& entry : section.entries) ini.Get(section.name, entry.key);
  }
  const qb::IniText again = qb::IniText::Parse(ini.Format());
  (void)again.Sections().size();
  // An edit with a section and key taken from the input's first line.
  const size_t line_end = text.find('\n');
  const std::string_view first = text.substr(0, line_end == std::string_view::npos ? 0 : line_end);
  const size_t middle = first.size() / 2;
  const std::string edited = qb::IniText::Edit(text, first.substr(0, middle), first.substr(middle), "value");
  qb::IniText::Parse(edited);
  return 0;
}
