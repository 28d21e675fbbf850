#pragma once
// INI files kept in memory by full path (compared without regard to case).
#include <map>
#include <string>

#include "platform/profile.h"

namespace qb {

class MemoryProfileStore : public ProfileStore {
 public:
  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override;
  bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
  std::optional<std::string> ReadText(std::string_view file) override;

  // Test controls: the whole text of a file, as it would stand on disk.
  void SetFile(std::string_view path, std::string text);
  const std::string* File(std::string_view path) const;
  void RemoveFile(std::string_view path);

 private:
  std::map<std::string, std::string> files_;  // upper-cased path -> text
};

}  // namespace qb
