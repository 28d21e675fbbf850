#pragma once
// Remembers what was read from INI files, for a run of many reads of files that nothing
// writes meanwhile (a language applied to every control of a window): each value is asked
// of the store once. A write goes through and forgets what was read from that file.
#include <map>
#include <string>
#include <tuple>

#include "platform/profile.h"

namespace qb {

class ProfileReadCache : public ProfileStore {
 public:
  explicit ProfileReadCache(ProfileStore& store) : store_(store) {}

  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override;
  bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;

 private:
  using Question = std::tuple<std::string, std::string, std::string, std::string, size_t>;
  ProfileStore& store_;
  std::map<Question, std::string> answers_;
};

}  // namespace qb
