#pragma once
// INI files read and written the way the system's profile-string functions do it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The value of key in section of the file, or fallback when the file, the section or the
  // key is missing. Like the system reader, the result is cut to buffer_chars - 1 UTF-16
  // units, so a buffer of 255 characters yields at most 254.
  virtual std::string GetString(std::string_view file, std::string_view section,
                                std::string_view key, std::string_view fallback,
                                size_t buffer_chars) = 0;
  // Writes key = value into section, creating the file and the section where needed.
  virtual bool WriteString(std::string_view file, std::string_view section,
                           std::string_view key, std::string_view value) = 0;
  // The file's whole text (UTF-8) as the reader decodes it, for a caller about to ask many
  // keys of one file; nothing when it cannot be read whole or is in a form whose reading
  // could differ from the reader's, and the caller then asks key by key.
  virtual std::optional<std::string> ReadText(std::string_view file) = 0;
};

class IniText;

// What GetString answers for key in section of a file holding ini (nothing: no such file).
std::string ProfileAnswer(const IniText* ini, std::string_view section, std::string_view key,
                          std::string_view fallback, size_t buffer_chars);

}  // namespace qb
