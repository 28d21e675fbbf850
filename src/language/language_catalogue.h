#pragma once
// Captions from language files: "<application folder>\languages\<name>.ini", section
// "Vorlix", one key per language key (the decimal number in a control's Tag).
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/app_settings.h"
#include "platform/profile.h"
#include "ui/form.h"

namespace qb::language {

inline constexpr std::string_view kSection = "Vorlix";
// Captions are read into a buffer of this many characters, so a value keeps at most 254.
inline constexpr size_t kLookupBufferChars = 255;
inline constexpr std::string_view kFallbackLanguage = "English";

std::string LanguageFilePath(std::string_view app_folder, std::string_view language);

// The caption for key in the named language; empty when the file, section or key is missing.
std::string LookUp(ProfileStore& profile, std::string_view app_folder, std::string_view key,
                   std::string_view language);

// Sets the caption of every control that has a language key and a caption, in collection
// order. The language name is used as given: an empty name reads the file ".ini".
void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language);

// The language the user chose on the Language page; empty when none was stored.
std::string StoredChoice(const AppSettings& settings);
Status StoreChoice(AppSettings& settings, std::string_view language);

}  // namespace qb::language
