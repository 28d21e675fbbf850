#include "dress/small_window.h"

#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "platform/app_settings.h"

namespace qb::dress {

void LoadSmallWindow(ui::Form& form, const Services& services, skin::SkinInstance& own_skin,
                     const skin::SkinInstance& main_skin, std::string_view title_key,
                     std::string_view fallback_title) {
  const std::string app_folder = services.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services.registry));
  form.SetCaption(language::LookUp(services.profile, app_folder, title_key, language, fallback_title));
  form.SetTitlePhrase(std::string(title_key), std::string(fallback_title));
  ApplyLanguage(form, services.profile, app_folder, language);
  own_skin.LoadFile(services.files, app_folder + std::string(skin::kSkinFileName));
  SkinWindow(form, own_skin, "SmallForm");
  SkinForm(form, main_skin);
}

}  // namespace qb::dress
