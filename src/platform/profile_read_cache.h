#pragma once
// Remembers what was read from INI files, for a run of many reads of files that nothing
// writes meanwhile (a language applied to every control of a window). A file the store can
// give whole is read once and answered from memory; any other is asked once per question.
// A write goes through and forgets what was read from that file.
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "platform/ini_text.h"
#include "platform/profile.h"

namespace qb {

class ProfileReadCache : public ProfileStore {
 public:
  explicit ProfileReadCache(ProfileStore& store) : store_(store) {}

  std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view fallback, size_t buffer_chars) override;
  bool WriteString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
  std::optional<std::string> ReadText(std::string_view file) override { return store_.ReadText(file); }

 private:
  using Question = std::tuple<std::string, std::string, std::string, std::string, size_t>;
  const IniText* WholeFile(std::string_view file);

  ProfileStore& store_;
  std::map<std::string, std::optional<IniText>, std::less<>> files_;
  std::map<Question, std::string> answers_;
};

}  // namespace qb
