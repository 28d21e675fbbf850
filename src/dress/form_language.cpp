#include "dress/form_language.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "language/language_catalogue.h"
#include "language/phrases.h"
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

// The title bar's buttons that do more than the system's own, in the words of the file, or
// in English without one.
void NameTitleButtons(ui::Form& form, ProfileStore& profile, const std::string& file) {
  using namespace language::phrase;
  for (const auto& [name, phrase] : {std::pair{"help", kMenuHelp}, std::pair{"about", kMenuAbout}}) {
    std::optional<std::string> words;
    if (!file.empty()) words = language::ReadCaption(profile, file, phrase.key);
    form.SetTitleButtonCaption(name, words ? std::move(*words) : std::string(phrase.english));
  }
}

}  // namespace

void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language) {
  const std::string usable = language::UsableLanguage(profile, app_folder, language, KeysOf(form));
  const std::string file = usable.empty() ? std::string() : language::LanguageFilePath(app_folder, usable);
  NameTitleButtons(form, profile, file);
  if (usable.empty()) return;
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
