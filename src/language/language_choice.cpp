#include "language/language_choice.h"

#include "language/language_catalogue.h"
#include "language/language_list.h"
#include "platform/app_settings.h"
#include "platform/text.h"

namespace qb::language {

void SaveChoice(const Services& services, WindowHandle owner, std::string_view choice) {
  if (!IsPlainLanguageName(choice)) return;
  AppSettings settings(services.registry);
  if (const Status stored = StoreChoice(settings, choice); stored != status::kOk) {
    services.dialogs.ShowMessage(owner,
                                 "The language could not be saved:\n\n" +
                                     services.environment.ErrorText(stored) + ".",
                                 {}, mb::kOk | mb::kIconExclamation);
    return;
  }
  services.dialogs.ShowMessage(owner,
                               "The language is saved: " + std::string(choice) +
                                   ". It takes effect the next time Quill Box starts.",
                               {}, mb::kOk | mb::kIconInformation);
}

LanguageOffer OfferLanguages(const Services& services, std::string_view app_folder) {
  LanguageOffer offer{AvailableLanguages(services.files, app_folder)};
  const std::string stored = StoredChoice(AppSettings(services.registry));
  for (size_t i = 0; i < offer.languages.size(); ++i) {
    if (text::EqualsNoCase(offer.languages[i], stored)) offer.selected = static_cast<int>(i);
  }
  return offer;
}

}  // namespace qb::language
