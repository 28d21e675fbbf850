#include "app/about_window.h"

#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "language/wording.h"
#include "platform/app_settings.h"

namespace qb::app {

namespace {

using language::phrase::kAboutContact;
using language::phrase::kAboutDisclaimer;
using language::phrase::kAboutOk;

}  // namespace

std::string VersionNumber(int major, int minor, int revision) {
  return std::to_string(major) + "." + std::to_string(minor) + ".0." + std::to_string(revision);
}

std::unique_ptr<ui::Form> CreateAboutForm() {
  auto form = std::make_unique<ui::Form>("frmabout", std::string(language::phrase::kAboutTitle.english), 6720, 4080);
  using ui::ControlKind;
  form->Add({.name = "lblTitle", .kind = ControlKind::SkinLabel, .rect = {360, 600, 6000, 360}});
  form->Add({.name = "lblVersion", .kind = ControlKind::SkinLabel, .rect = {360, 1000, 6000, 300}});
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = language::Fill(kAboutContact.english), .tag = std::string(kAboutContact.key),
             .rect = {360, 1400, 6000, 600}});
  form->Add({.name = "lblDisclaimer", .kind = ControlKind::SkinLabel, .caption = std::string(kAboutDisclaimer.english), .tag = std::string(kAboutDisclaimer.key),
             .rect = {360, 2080, 6000, 1020}});
  form->Add({.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = std::string(kAboutOk.english), .tag = std::string(kAboutOk.key),
             .rect = {5160, 3240, 1200, 380}});
  return form;
}

AboutWindow::AboutWindow(ui::Application& app, const Services& services,
                         const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), form_(CreateAboutForm()) {
  ui::Form& form = *form_;
  form["cmdOK"].on_click = [this] { app_.Unload(*form_); };
  form.on_load = [this] { Load(); };
}

void AboutWindow::Load() {
  ui::Form& form = *form_;
  const std::string app_folder = services_.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services_.registry));
  form.SetCaption(language::Say(services_.profile, app_folder, language, language::phrase::kAboutTitle));
  dress::ApplyLanguage(form, services_.profile, app_folder, language);
  own_skin_.LoadFile(services_.files,
                     services_.environment.ApplicationFolder() + std::string(skin::kSkinFileName));
  dress::SkinWindow(form, own_skin_, "SmallForm");
  dress::SkinForm(form, main_skin_);
  form["lblVersion"].SetCaption(language::Say(
      services_.profile, app_folder, language, language::phrase::kVersion,
      {VersionNumber(QB_VERSION_MAJOR, QB_VERSION_MINOR, QB_VERSION_REVISION)}));
  form["lblTitle"].SetCaption("Quill Box");
}

}  // namespace qb::app
