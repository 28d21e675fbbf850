#include "language/language_catalogue.h"

#include <algorithm>

namespace qb::language {
namespace {

// Returned for a key the file does not hold; no caption is this text.
constexpr std::string_view kAbsent = "\x01\x02qb-absent\x02\x01";

bool Holds(ProfileStore& profile, const std::string& file, std::string_view key) {
  return profile.GetString(file, kSection, key, kAbsent, kLookupBufferChars) != kAbsent;
}

bool HoldsAny(ProfileStore& profile, const std::string& file, const std::vector<std::string>& keys) {
  return std::any_of(keys.begin(), keys.end(), [&](const std::string& key) { return Holds(profile, file, key); });
}

std::vector<std::string> KeysOf(const ui::Form& form) {
  std::vector<std::string> keys;
  for (const auto& control : form.Controls()) {
    if (control->Tag().empty() || !ui::HasCaption(control->Kind())) continue;
    if (std::find(keys.begin(), keys.end(), control->Tag()) == keys.end()) keys.push_back(control->Tag());
  }
  return keys;
}

}  // namespace

std::string LanguageFilePath(std::string_view app_folder, std::string_view language) {
  std::string path(app_folder);
  path += "\\languages\\";
  path += language;
  path += ".ini";
  return path;
}

bool IsPlainLanguageName(std::string_view language) {
  if (language.empty() || language.size() > kMaxLanguageNameLength) return false;
  if (language == "." || language == "..") return false;
  // Windows drops a trailing dot or space from a file name: "English." would be "English".
  if (language.back() == '.' || language.back() == ' ') return false;
  return std::none_of(language.begin(), language.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

std::string UsableLanguage(ProfileStore& profile, std::string_view app_folder,
                           std::string_view choice, const std::vector<std::string>& keys) {
  for (std::string_view candidate : {choice, kFallbackLanguage}) {
    if (!IsPlainLanguageName(candidate)) continue;
    if (HoldsAny(profile, LanguageFilePath(app_folder, candidate), keys)) return std::string(candidate);
  }
  return {};
}

std::string LookUp(ProfileStore& profile, std::string_view app_folder, std::string_view key,
                   std::string_view language, std::string_view design) {
  const std::string usable = UsableLanguage(profile, app_folder, language, {std::string(key)});
  if (usable.empty()) return std::string(design);
  return profile.GetString(LanguageFilePath(app_folder, usable), kSection, key, "", kLookupBufferChars);
}

void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language) {
  const std::string usable = UsableLanguage(profile, app_folder, language, KeysOf(form));
  if (usable.empty()) return;
  const std::string file = LanguageFilePath(app_folder, usable);
  for (const auto& control : form.Controls()) {
    if (control->Tag().empty() || !ui::HasCaption(control->Kind())) continue;
    const std::string text = profile.GetString(file, kSection, control->Tag(), kAbsent, kLookupBufferChars);
    if (text != kAbsent) control->SetCaption(text);
  }
}

std::string StoredChoice(const AppSettings& settings) {
  return settings.Get("Vorlix", "Language", "lng");
}

Status StoreChoice(AppSettings& settings, std::string_view language) {
  return settings.Save("Vorlix", "Language", "lng", language);
}

}  // namespace qb::language
