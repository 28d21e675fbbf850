#pragma once
// Captions from language files: "<application folder>\languages\<name>.ini", section
// "Vorlix", one key per language key (the decimal number in a control's Tag).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/app_settings.h"
#include "platform/profile.h"

namespace qb::language {

inline constexpr std::string_view kSection = "Vorlix";
// Captions are read into a buffer of this many characters, so a value keeps at most 254.
inline constexpr size_t kLookupBufferChars = 255;
inline constexpr std::string_view kFallbackLanguage = "English";

// Longest language name taken as a file name.
inline constexpr size_t kMaxLanguageNameLength = 64;

std::string LanguageFilePath(std::string_view app_folder, std::string_view language);

// The caption for key in the language file at file; nullopt when the file does not hold the
// key (an empty value is a caption of its own).
std::optional<std::string> ReadCaption(ProfileStore& profile, std::string_view file,
                                       std::string_view key);

// A language name is a plain file name: not empty, no folder separators, no drive, not "."
// or "..", no characters Windows refuses in file names, at most kMaxLanguageNameLength.
// Anything else ("..\..\windows\win") would read some other file as a language.
bool IsPlainLanguageName(std::string_view language);

// The language whose file is used for these keys: the chosen one when its name is plain and
// its file holds at least one of them, else "English" on the same terms; empty when neither
// does, and then the captions the windows were designed with stay.
std::string UsableLanguage(ProfileStore& profile, std::string_view app_folder,
                           std::string_view choice, const std::vector<std::string>& keys);

// The caption for key in the chosen language (falling back as UsableLanguage does); design
// when no usable language file holds the key.
std::string LookUp(ProfileStore& profile, std::string_view app_folder, std::string_view key,
                   std::string_view language, std::string_view design = "");

// The language the user chose on the Language page; empty when none was stored.
std::string StoredChoice(const AppSettings& settings);
Status StoreChoice(AppSettings& settings, std::string_view language);

}  // namespace qb::language
