#include "skin/skin_form.h"

#include <vector>

namespace qb::skin {

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

bool SkinInstance::LoadFile(FileSystem& files, std::string_view path) {
  std::vector<uint8_t> bytes;
  if (const Status status = files.ReadFile(path, bytes); status != status::kOk) {
    skin_.reset();
    error_ = "cannot read " + std::string(path) + " (error " + std::to_string(status) + ")";
    return false;
  }
  return LoadText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool SkinInstance::LoadText(std::string_view text) {
  error_.clear();
  skin_ = ParseSkin(text, error_);
  return skin_.has_value();
}

void SkinInstance::ApplyToForm(ui::Form& form, std::string_view element) const {
  const ElementStyle* style = skin_ ? skin_->Find(element) : nullptr;
  if (!style) return;
  form.SetTitleButtons(style->title_buttons);
  form.SetSkinElement(std::string(element));
}

void SkinInstance::ApplyToControl(ui::Control& control, std::string_view element) const {
  if (skin_ && skin_->Find(element)) control.SetSkinElement(std::string(element));
}

void SkinForm(ui::Form& form, const SkinInstance& instance) {
  for (const auto& control : form.Controls()) {
    const std::string element = ElementFor(*control);
    if (!element.empty()) instance.ApplyToControl(*control, element);
  }
}

}  // namespace qb::skin
