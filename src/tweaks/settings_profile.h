#pragma once
// A settings profile: UTF-8 text, one "name = value" line per setting, "#" comments, an
// optional "[Quill Box profile]" header that may be followed by "format = 1". A profile
// with any fault is refused whole, each fault with its line number; a setting the profile
// does not name is left as the machine has it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "tweaks/setting_table.h"

namespace qb::tweaks {

inline constexpr std::string_view kProfileHeader = "[Quill Box profile]";
inline constexpr int kProfileFormat = 1;

struct ProfileEntry {
  const Setting* setting = nullptr;
  std::string value;  // normalised ("on", "12", "#FF0000", text)
  int line = 0;
};

struct ProfileError {
  int line = 0;
  std::string message;
};

inline constexpr size_t kListedProfileErrors = 20;
// A profile is a few kilobytes; a file far larger is something else, and is not read.
inline constexpr uint64_t kLargestProfileBytes = 1024 * 1024;

struct Profile {
  std::vector<ProfileEntry> entries;  // in the order of the settings table
  std::vector<ProfileError> errors;   // in the order of the lines, the first kListedProfileErrors
  size_t unlisted_errors = 0;         // the faults after those
};

// Faults are worded by say: the window's in the user's language, the companion's in English.
Profile ParseProfile(std::string_view text, const language::Wording& say = language::InEnglish);
// "line 4: ..." per error, one a line.
std::string ErrorLines(const Profile& profile);

// The machine's current values as a profile; a setting the machine holds no value for (or
// one out of range) stays as a comment, so that applying the profile leaves it alone.
std::string ExportProfile(const Services& services);

}  // namespace qb::tweaks
