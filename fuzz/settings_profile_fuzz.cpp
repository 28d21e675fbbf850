// Settings profiles as the companion reads them from any file: any bytes parse, every fault
// names a line of the input, and a profile without faults written out again parses to the
// same settings and values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tweaks/settings_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qb::tweaks::Profile profile = qb::tweaks::ParseProfile(text);
  const size_t lines = 1 + static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  for (const auto& error : profile.errors) {
    if (error.line < 1 || static_cast<size_t>(error.line) > lines || error.message.size() > 400) std::abort();
  }
  if (!profile.errors.empty()) return 0;
  std::string again;
  for (const auto& entry : profile.entries) again += std::string(entry.setting->name) + " = " + entry.value + "\n";
  const qb::tweaks::Profile reread = qb::tweaks::ParseProfile(again);
  if (!reread.errors.empty() || reread.entries.size() != profile.entries.size()) std::abort();
  for (size_t i = 0; i < reread.entries.size(); ++i) {
    if (reread.entries[i].setting != profile.entries[i].setting || reread.entries[i].value != profile.entries[i].value) {
      std::abort();
    }
  }
  return 0;
}
