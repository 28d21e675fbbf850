#include "dress/skin_form.h"

namespace qb::dress {

std::string ElementFor(const ui::Control& control) {
  switch (control.Kind()) {
    case ui::ControlKind::CommandButton:
      if (control.Name() == "syscmd") return "system";
      if (control.Name() == "cpucmd") return "cpu";
      return "Button";
    case ui::ControlKind::SkinLabel: return "Label";
    case ui::ControlKind::Frame: return "frame";
    case ui::ControlKind::CheckBox: return "check";
    case ui::ControlKind::OptionButton: return "radio";
    default: return {};
  }
}

void SkinWindow(ui::Form& form, const skin::SkinInstance& instance, std::string_view element) {
  const skin::Skin* skin = instance.Get();
  const skin::ElementStyle* style = skin ? skin->Find(element) : nullptr;
  if (!style) return;
  form.SetTitleButtons(style->title_buttons);
  form.SetSkinElement(std::string(element));
}

void SkinForm(ui::Form& form, const skin::SkinInstance& instance) {
  const skin::Skin* skin = instance.Get();
  if (!skin) return;
  for (const auto& control : form.Controls()) {
    const std::string element = ElementFor(*control);
    if (!element.empty() && skin->Find(element)) control->SetSkinElement(element);
  }
}

}  // namespace qb::dress
