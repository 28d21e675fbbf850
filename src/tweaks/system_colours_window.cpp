#include "tweaks/system_colours_window.h"

#include <string>

#include "dress/small_window.h"
#include "language/wording.h"

namespace qb::tweaks {

const std::array<ScreenElement, 13> kScreenElements{{
    {language::phrase::kColourActiveCaption, syscolour::kActiveCaption},
    {language::phrase::kColourInactiveCaption, syscolour::kInactiveCaption},
    {language::phrase::kColourCaptionText, syscolour::kCaptionText},
    {language::phrase::kColourInactiveCaptionText, syscolour::kInactiveCaptionText},
    {language::phrase::kColourActiveBorder, syscolour::kActiveBorder},
    {language::phrase::kColourInactiveBorder, syscolour::kInactiveBorder},
    {language::phrase::kColourGrayText, syscolour::kGrayText},
    {language::phrase::kColourButtonText, syscolour::kButtonText},
    {language::phrase::kColourHighlight, syscolour::kHighlight},
    {language::phrase::kColourHighlightText, syscolour::kHighlightText},
    {language::phrase::kColourMenu, syscolour::kMenu},
    {language::phrase::kColourMenuText, syscolour::kMenuText},
    {language::phrase::kColourBackground, syscolour::kBackground},
}};

std::unique_ptr<ui::Form> CreateSystemColoursForm() {
  auto form = std::make_unique<ui::Form>("syscolors", "Colors", 6000, 4440);
  using ui::ControlKind;
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = "Item",
             .tag = "3027", .rect = {240, 480, 3120, 255}});
  form->Add({.name = "List1", .kind = ControlKind::ListBox, .rect = {240, 780, 3120, 2760}});
  form->Add({.name = "SkinLabel2", .kind = ControlKind::SkinLabel, .caption = "Colors",
             .tag = "3028", .rect = {3600, 480, 2040, 255}});
  form->Add({.name = "Picture1", .kind = ControlKind::Picture, .rect = {3600, 780, 2040, 840}});
  form->Add({.name = "Command2", .kind = ControlKind::CommandButton, .caption = "Choose Color",
             .tag = "1025", .rect = {3600, 1800, 2040, 380}});
  // Nothing to apply until an element is chosen: index 0 would be the scroll bar, which
  // the list does not even offer.
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Apply",
             .tag = "1016", .rect = {3600, 2400, 2040, 380}, .enabled = false});
  form->Add({.name = "Command3", .kind = ControlKind::CommandButton, .caption = "Close",
             .tag = "1018", .rect = {3600, 3160, 2040, 380}});
  return form;
}

SystemColoursWindow::SystemColoursWindow(ui::Application& app, const Services& services,
                                         const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), form_(CreateSystemColoursForm()) {
  ui::Form& form = *form_;
  form["List1"].on_click = [this] { ElementChosen(); };
  form["Command2"].on_click = [this] { ChooseColour(); };
  form["Command1"].on_click = [this] { Apply(); };
  form["Command3"].on_click = [this] { app_.Unload(*form_); };
  form.on_load = [this] { Load(); };
}

void SystemColoursWindow::Load() {
  ui::Form& form = *form_;
  dress::LoadSmallWindow(form, services_, own_skin_, main_skin_, kSystemColoursTitleKey, form.Caption());
  std::vector<std::string> items;
  for (const auto& element : kScreenElements) items.push_back(language::Say(services_, element.name));
  form["List1"].SetItems(std::move(items));
}

const ScreenElement* SystemColoursWindow::Selected() const {
  const int position = (*form_)["List1"].ListIndex();
  if (position < 0 || position >= static_cast<int>(kScreenElements.size())) return nullptr;
  return &kScreenElements[position];
}

void SystemColoursWindow::ElementChosen() {
  const ScreenElement* element = Selected();
  if (!element) return;
  ui::Control& preview = (*form_)["Picture1"];
  preview.SetBackColour(services_.system_colours.Get(element->index));
  preview.Untouch();
  (*form_)["Command1"].SetEnabled(true);
}

void SystemColoursWindow::ChooseColour() {
  ui::Control& preview = (*form_)["Picture1"];
  uint32_t colour = preview.BackColour().value_or(0);
  // A cancelled dialog leaves the preview as it was.
  if (services_.dialogs.ChooseColour(app_.HandleOf(*form_), colour)) preview.SetBackColour(colour);
}

// Only a colour chosen since the element was picked is applied: the preview's first colour
// may be out of date, if another program changed the element meanwhile.
void SystemColoursWindow::Apply() {
  const ScreenElement* element = Selected();
  ui::Control& preview = (*form_)["Picture1"];
  const auto& colour = preview.BackColour();
  if (!element || !colour || !preview.Touched()) return;
  const Status set = services_.system_colours.Set(element->index, *colour);
  if (set == status::kOk) {
    preview.Untouch();
  } else {
    services_.dialogs.ShowMessage(
        app_.HandleOf(*form_),
        language::CouldNot(services_, language::phrase::kColourNotChanged, set,
                           {language::Say(services_, element->name)}),
        {}, mb::kOk | mb::kIconExclamation);
  }
}

void ShowSystemColours(ui::Application& app, ui::Form& owner, const Services& services,
                       const skin::SkinInstance& main_skin) {
  SystemColoursWindow window(app, services, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::tweaks
