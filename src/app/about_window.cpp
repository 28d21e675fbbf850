#include "app/about_window.h"

#include "dress/skin_form.h"

namespace qb::app {

namespace {

constexpr const char* kContact =
    "Quill Box is made by the Quill Box team.\nQuestions and reports: support@quillbox.example";
constexpr const char* kDisclaimer =
    "Warning: this program is protected by copyright law. Reproducing or distributing it, "
    "or any part of it, without the written permission of its makers is prohibited and may "
    "result in civil and criminal penalties.";

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + ".0." +
         std::to_string(revision);
}

std::unique_ptr<ui::Form> CreateAboutForm() {
  auto form = std::make_unique<ui::Form>("frmabout", "about", 6000, 3960);
  using ui::ControlKind;
  form->Add({.name = "lblTitle", .kind = ControlKind::SkinLabel, .rect = {360, 600, 5280, 360}});
  form->Add({.name = "lblVersion", .kind = ControlKind::SkinLabel, .rect = {360, 1000, 5280, 300}});
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = kContact,
             .rect = {360, 1400, 5280, 540}});
  form->Add({.name = "lblDisclaimer", .kind = ControlKind::SkinLabel, .caption = kDisclaimer,
             .rect = {360, 2040, 5280, 900}});
  form->Add({.name = "cmdOK", .kind = ControlKind::CommandButton, .caption = "OK",
             .rect = {4440, 3120, 1200, 380}});
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
  own_skin_.LoadFile(services_.files,
                     services_.environment.ApplicationFolder() + std::string(skin::kSkinFileName));
  dress::SkinWindow(form, own_skin_, "SmallForm");
  dress::SkinForm(form, main_skin_);
  form["lblVersion"].SetCaption(VersionText(QB_VERSION_MAJOR, QB_VERSION_MINOR, QB_VERSION_REVISION));
  form["lblTitle"].SetCaption("Quill Box");
}

}  // namespace qb::app
