#include "dress/form_language.h"

#include <algorithm>
#include <string>
#include <vector>

#include "language/language_catalogue.h"
#include "language/wording.h"

namespace qb::dress {
namespace {

bool Translated(const ui::Control& control) {
  return !control.Tag().empty() && ui::HasCaption(control.Kind());
}

std::vector<std::string> KeysOf(const ui::Form& form) {
  std::vector<std::string> keys;
  for (const auto& control : form.Controls()) {
    if (!Translated(*control)) continue;
    if (std::find(keys.begin(), keys.end(), control->Tag()) == keys.end()) keys.push_back(control->Tag());
  }
  return keys;
}

}  // namespace

void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language) {
  const std::string usable = language::UsableLanguage(profile, app_folder, language, KeysOf(form));
  if (usable.empty()) return;
  const std::string file = language::LanguageFilePath(app_folder, usable);
  for (const auto& control : form.Controls()) {
    if (!Translated(*control)) continue;
    // A "\n" in the file breaks the caption's line, as it does in a message.
    if (auto text = language::ReadCaption(profile, file, control->Tag())) control->SetCaption(language::Fill(*text));
  }
}

}  // namespace qb::dress
