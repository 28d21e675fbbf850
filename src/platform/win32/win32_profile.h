#pragma once
#include "platform/profile.h"

namespace qb::win32 {

// INI files through the system's own profile-string functions, so that their reading rules
// (trimming, quotes, comments, encodings) are the system's and not a copy of them.
class Win32ProfileStore : public ProfileStore {
 public:
  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override;
  bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

}  // namespace qb::win32
