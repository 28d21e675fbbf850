#pragma once
#include "platform/profile.h"

namespace qb::win32 {

// INI files through the system's own profile-string functions, so that their reading rules
// (trimming, quotes, comments, encodings) are the system's. ReadText, for many questions of
// one file at once, decodes only the two forms every version reads alike; the contract
// suite holds the answers given from it to the system's.
class Win32ProfileStore : public ProfileStore {
 public:
  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override;
  bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
  std::optional<std::string> ReadText(std::string_view file) override;
};

}  // namespace qb::win32
