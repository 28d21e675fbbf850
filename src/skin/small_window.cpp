#include "skin/small_window.h"

#include "language/language_catalogue.h"
#include "platform/app_settings.h"

namespace qb::skin {

void LoadSmallWindow(ui::Form& form, const Services& services, SkinInstance& own_skin,
                     const SkinInstance& main_skin, std::string_view title_key,
                     std::string_view fallback_title) {
  const std::string app_folder = services.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services.registry));
  form.SetCaption(language::LookUp(services.profile, app_folder, title_key, language, fallback_title));
  language::ApplyLanguage(form, services.profile, app_folder, language);
  own_skin.LoadFile(services.files, app_folder + std::string(kSkinFileName));
  own_skin.ApplyToForm(form, "SmallForm");
  SkinForm(form, main_skin);
}

}  // namespace qb::skin
