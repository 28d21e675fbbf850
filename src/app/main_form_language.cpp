#include "app/main_form_language.h"

#include <string>

#include "app/main_form_names.h"
#include "dress/form_language.h"
#include "language/language_catalogue.h"
#include "language/language_choice.h"

namespace qb::app {

void ApplyStartLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                        std::string_view choice) {
  if (!language::UsableLanguage(profile, app_folder, choice, {"1000", "1001"}).empty()) {
    form["syscmd"].SetCaption("");
    form["cpucmd"].SetCaption("");
  }
  dress::ApplyLanguage(form, profile, app_folder, choice);
  // The frames without a key of their own read the same choice (an unset or unusable one
  // reads English; no usable file keeps the design captions).
  for (const auto& coded : kCodedFrameCaptions) {
    ui::Control& frame = form[coded.control];
    frame.SetCaption(language::LookUp(profile, app_folder, coded.key, choice, frame.Caption()));
  }
}

void FillLanguageList(ui::Form& form, const Services& services, std::string_view app_folder) {
  const language::LanguageOffer offer = language::OfferLanguages(services, app_folder);
  ui::Control& list = form["combolng"];
  list.SetItems(offer.languages);
  list.SetListIndex(offer.selected);
}

}  // namespace qb::app
