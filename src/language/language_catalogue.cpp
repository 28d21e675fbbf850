#include "language/language_catalogue.h"

#include <algorithm>

namespace qb::language {
namespace {

// Returned for a key the file does not hold; no caption is this text.
constexpr std::string_view kAbsent = "\x01\x02qb-absent\x02\x01";

bool HoldsAny(ProfileStore& profile, const std::string& file, const std::vector<std::string>& keys) {
  return std::any_of(keys.begin(), keys.end(),
                     [&](const std::string& key) { return ReadCaption(profile, file, key).has_value(); });
}

}  // namespace

std::string LanguageFilePath(std::string_view app_folder, std::string_view language) {
  std::string path(app_folder);
  path += "\\languages\\";
  path += language;
  path += ".ini";
  return path;
}

std::optional<std::string> ReadCaption(ProfileStore& profile, std::string_view file,
                                       std::string_view key) {
  std::string text = profile.GetString(file, kSection, key, kAbsent, kLookupBufferChars);
  if (text == kAbsent) return std::nullopt;
  return text;
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

std::string StoredChoice(const AppSettings& settings) {
  return settings.Get("Vorlix", "Language", "lng");
}

Status StoreChoice(AppSettings& settings, std::string_view language) {
  return settings.Save("Vorlix", "Language", "lng", language);
}

}  // namespace qb::language
