#include "customise/icons_window.h"

#include "dress/small_window.h"
#include "language/phrases.h"

namespace qb::customise {

std::unique_ptr<ui::Form> BuildIconsForm() {
  auto form = std::make_unique<ui::Form>("iconsfrm", "Icons", 4200, 2700);
  using ui::ControlKind;
  // A choice is made from the start, so Next>> always leads somewhere.
  form->Add({.name = "drive1", .kind = ControlKind::OptionButton, .caption = "Drive", .tag = "6000",
             .rect = {480, 600, 3000, 300}, .value = 1});
  form->Add({.name = "folder1", .kind = ControlKind::OptionButton, .caption = "Folder",
             .tag = "6001", .rect = {480, 1020, 3000, 300}});
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Next>>",
             .tag = "1019", .rect = {960, 1800, 1440, 380}});
  // The way out without choosing, beside the way on.
  using language::phrase::kCancel;
  form->Add({.name = "Command2", .kind = ControlKind::CommandButton, .caption = std::string(kCancel.english),
             .tag = std::string(kCancel.key), .rect = {2520, 1800, 1440, 380}});
  return form;
}

IconsWindow::IconsWindow(ui::Application& app, const Services& services,
                         const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), form_(BuildIconsForm()) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form["Command1"].on_click = [this] { Next(); };
  form["Command2"].on_click = [this] { app_.Unload(*form_); };
}

void IconsWindow::Load() { dress::LoadSmallWindow(*form_, services_, own_skin_, main_skin_, kIconsTitleKey, "Icons"); }

void IconsWindow::Next() {
  // Code may have cleared both options: the drive, the first choice, is then meant.
  if ((*form_)["folder1"].Value() == 1) {
    Open(folder_, IconWindow::Target::Folder);
  } else {
    Open(drive_, IconWindow::Target::Drive);
  }
}

void IconsWindow::Open(std::unique_ptr<IconWindow>& window, IconWindow::Target target) {
  if (!window) window = std::make_unique<IconWindow>(target, app_, services_, main_skin_);
  app_.ShowModal(window->Form(), form_.get());
}

void ShowIcons(ui::Application& app, ui::Form& owner, const Services& services,
               const skin::SkinInstance& main_skin) {
  IconsWindow window(app, services, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::customise
