#include "language/language_choice.h"

#include "language/language_catalogue.h"
#include "language/language_list.h"
#include "language/wording.h"
#include "platform/app_settings.h"
#include "platform/text.h"

namespace qb::language {

bool SaveChoice(const Services& services, WindowHandle owner, std::string_view choice,
                const std::function<void()>& apply) {
  if (!IsPlainLanguageName(choice)) return false;
  AppSettings settings(services.registry);
  if (const Status stored = StoreChoice(settings, choice); stored != status::kOk) {
    services.dialogs.ShowMessage(
        owner, CouldNot(services, phrase::kLanguageNotSaved, stored),
        {}, mb::kOk | mb::kIconExclamation);
    return false;
  }
  // The open windows take the new captions before the message, which is itself in the
  // language just chosen.
  if (apply) apply();
  services.dialogs.ShowMessage(owner, Say(services, phrase::kLanguageSaved, {choice}), {},
                               mb::kOk | mb::kIconInformation);
  return true;
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
