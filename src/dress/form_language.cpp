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

bool HasTranslatedColumns(const ui::Control& control) {
  return std::any_of(control.Columns().begin(), control.Columns().end(),
                     [](const ui::ListColumn& column) { return !column.tag.empty(); });
}

std::vector<std::string> KeysOf(const ui::Form& form) {
  std::vector<std::string> keys;
  const auto add = [&keys](const std::string& key) {
    if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  };
  for (const auto& control : form.Controls()) {
    if (Translated(*control)) add(control->Tag());
    for (const auto& column : control->Columns()) add(column.tag);
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
    if (HasTranslatedColumns(*control)) {
      std::vector<ui::ListColumn> columns = control->Columns();
      for (auto& column : columns) {
        if (column.tag.empty()) continue;
        if (auto text = language::ReadCaption(profile, file, column.tag)) column.caption = std::move(*text);
      }
      control->SetColumns(std::move(columns));
    }
    if (!Translated(*control)) continue;
    // A "\n" in the file breaks the caption's line, as it does in a message.
    if (auto text = language::ReadCaption(profile, file, control->Tag())) control->SetCaption(language::Fill(*text));
  }
}

}  // namespace qb::dress
