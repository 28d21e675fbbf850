#pragma once
// Setting keys of an INI file the shell reads ("autorun.inf", "Desktop.ini") while every
// other line of it stays as it was: comments, other sections, other keys, line ends, and
// the file's encoding (ANSI, UTF-8 with a byte-order mark, UTF-16 of either byte order).
// A read-only file is not changed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace qb::customise {

struct IniSetting {
  std::string section;
  std::string key;
  std::string value;
};

// The file's bytes with each setting made; nothing when a value holds a line break (it
// would add lines of its own) or cannot be stored in the file's encoding, or when the file
// could not be written back as it was (UTF-16 with an odd number of bytes).
std::optional<std::vector<uint8_t>> EditIniBytes(const std::vector<uint8_t>& bytes,
                                                 const std::vector<IniSetting>& settings);

// The value of a key in the file's bytes, as the system's reader would see it.
std::optional<std::string> ReadIniValue(const std::vector<uint8_t>& bytes, std::string_view section,
                                        std::string_view key);

// The bytes the file (empty when missing) has with the keys set: kInvalidParameter for a
// value that cannot be stored in it, kInvalidData for a file that could not be written
// back as it was, kDirectory or kFileReadOnly for a file that may not be replaced.
Status EditIniFile(FileSystem& files, std::string_view ini_file,
                   const std::vector<IniSetting>& settings, std::vector<uint8_t>& edited);

// Sets the keys in the file (created when missing) through a temporary file and a rename.
// attributes: the file's attributes afterwards; nothing keeps the ones it had.
// kFileReadOnly for a read-only file, kDirectory for a folder of that name.
Status WriteIniKeys(FileSystem& files, std::string_view ini_file,
                    const std::vector<IniSetting>& settings,
                    std::optional<uint32_t> attributes = std::nullopt);

// One key of one section, the same way.
Status WriteIni(FileSystem& files, std::string_view ini_file, std::string_view section,
                std::string_view key, std::string_view value);

}  // namespace qb::customise
