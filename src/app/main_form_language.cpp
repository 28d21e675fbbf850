#include "app/main_form_language.h"

#include <string>

#include "app/main_form_names.h"
#include "dress/form_language.h"
#include "language/language_catalogue.h"
#include "language/language_choice.h"
#include "language/wording.h"

namespace qb::app {

void ApplyStartLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                        std::string_view choice) {
  if (!language::UsableLanguage(profile, app_folder, choice, {"1000", "1001"}).empty()) {
    form["syscmd"].SetCaption("");
    form["cpucmd"].SetCaption("");
  }
  ApplyChosenLanguage(form, profile, app_folder, choice);
}

void ApplyChosenLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                         std::string_view choice) {
  dress::ApplyLanguage(form, profile, app_folder, choice);
  // The frames without a key of their own read the same choice (an unset or unusable one
  // reads English; no usable file keeps the design captions).
  for (const auto& coded : kCodedFrameCaptions) {
    ui::Control& frame = form[coded.control];
    frame.SetCaption(language::LookUp(profile, app_folder, coded.key, choice, frame.Caption()));
  }
  for (const auto& coded : kCodedTabCaptions) {
    ui::Control& strip = form[coded.control];
    std::vector<std::string> tabs = strip.Items();
    for (size_t i = 0; i < tabs.size() && i < coded.keys.size() && !coded.keys[i].empty(); ++i) {
      tabs[i] = language::LookUp(profile, app_folder, coded.keys[i], choice, tabs[i]);
    }
    // New captions, same tab: the page shown under the strip stays the one chosen.
    const int selected = strip.ListIndex();
    strip.SetItems(std::move(tabs));
    strip.SetListIndex(selected);
  }
  // The resolution box prompts until a size is chosen or typed.
  ui::Control& resolution = form["RCombo"];
  if (resolution.Text().find_first_of("0123456789") == std::string::npos) {
    resolution.SetText(language::Say(profile, app_folder, choice, language::phrase::kSelectResolution));
  }
}

void FillLanguageList(ui::Form& form, const Services& services, std::string_view app_folder) {
  const language::LanguageOffer offer = language::OfferLanguages(services, app_folder);
  ui::Control& list = form["combolng"];
  list.SetItems(offer.languages);
  list.SetListIndex(offer.selected);
}

}  // namespace qb::app
