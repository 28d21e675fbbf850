#include "language/language_catalogue.h"

namespace qb::language {

std::string LanguageFilePath(std::string_view app_folder, std::string_view language) {
  std::string path(app_folder);
  path += "\\languages\\";
  path += language;
  path += ".ini";
  return path;
}

std::string LookUp(ProfileStore& profile, std::string_view app_folder, std::string_view key,
                   std::string_view language) {
  return profile.GetString(LanguageFilePath(app_folder, language), kSection, key, "",
                           kLookupBufferChars);
}

void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language) {
  const std::string file = LanguageFilePath(app_folder, language);
  for (const auto& control : form.Controls()) {
    if (control->Tag().empty() || !ui::HasCaption(control->Kind())) continue;
    control->SetCaption(profile.GetString(file, kSection, control->Tag(), "", kLookupBufferChars));
  }
}

std::string StoredChoice(const AppSettings& settings) {
  return settings.Get("Vorlix", "Language", "lng");
}

Status StoreChoice(AppSettings& settings, std::string_view language) {
  return settings.Save("Vorlix", "Language", "lng", language);
}

}  // namespace qb::language
