#include "tweaks/tweak_binding.h"

#include "registry/registry_paths.h"

namespace qb::tweaks {

namespace {

constexpr int kDesignCheckValue = 0;

// Check boxes take 0, 1 and 2 (grey); every other number is refused.
std::optional<int> CheckValue(const RegValue& value) {
  const auto number = registry::ValueNumber(value);
  if (!number || *number < 0 || *number > 2) return std::nullopt;
  return static_cast<int>(*number);
}

bool Reads(const TweakBinding& binding) { return binding.use != BindingUse::ApplyOnly; }
bool Writes(const TweakBinding& binding) { return binding.use != BindingUse::LoadOnly; }

Status WriteBinding(const ui::Form& form, Registry& registry, const TweakBinding& binding) {
  const ui::Control& control = form[binding.control];
  switch (binding.kind) {
    case BindingKind::CheckBox:
    case BindingKind::Slider:
      return registry::RegWrite(registry, binding.path, control.Value(), "REG_DWORD");
    case BindingKind::NumberCombo:
    case BindingKind::TextBox:
      return registry::RegWrite(registry, binding.path, control.Text());
  }
  return status::kInvalidParameter;
}

}  // namespace

bool LoadBinding(ui::Form& form, Registry& registry, const TweakBinding& binding) {
  ui::Control* control = form.Find(binding.control);
  RegValue value;
  if (!control || registry::RegRead(registry, binding.path, value) != status::kOk) return false;
  switch (binding.kind) {
    case BindingKind::CheckBox:
      if (const auto checked = CheckValue(value)) {
        control->SetValue(*checked);
        return true;
      }
      return false;
    case BindingKind::Slider:
      if (const auto number = registry::ValueNumber(value);
          number && *number >= control->Min() && *number <= control->Max()) {
        control->SetValue(static_cast<int>(*number));
        return true;
      }
      return false;
    case BindingKind::NumberCombo:
    case BindingKind::TextBox:
      if (auto shown = registry::ValueText(value)) {
        control->SetText(std::move(*shown));
        return true;
      }
      return false;
  }
  return false;
}

void LoadBindings(ui::Form& form, Registry& registry, std::span<const TweakBinding> bindings) {
  for (const auto& binding : bindings) {
    if (Reads(binding)) LoadBinding(form, registry, binding);
  }
}

int StoredCheckValue(Registry& registry, std::string_view path) {
  RegValue value;
  if (registry::RegRead(registry, path, value) != status::kOk) return kDesignCheckValue;
  return CheckValue(value).value_or(kDesignCheckValue);
}

bool BindingChanged(const ui::Form& form, Registry& registry, const TweakBinding& binding) {
  const ui::Control& control = form[binding.control];
  RegValue value;
  const bool stored = registry::RegRead(registry, binding.path, value) == status::kOk;
  switch (binding.kind) {
    case BindingKind::CheckBox:
    case BindingKind::Slider: {
      const auto number = stored ? registry::ValueNumber(value) : std::optional<long long>(0);
      return !number || *number != control.Value();
    }
    case BindingKind::NumberCombo:
      if (!registry::WholeNumber(control.Text())) return false;
      [[fallthrough]];
    case BindingKind::TextBox: {
      const auto text = stored ? registry::ValueText(value) : std::optional<std::string>("");
      return !text || *text != control.Text();
    }
  }
  return true;
}

void ApplyBindings(const ui::Form& form, Registry& registry,
                   std::span<const TweakBinding> bindings, UnsavedChanges& unsaved) {
  for (const auto& binding : bindings) {
    if (!Writes(binding) || !BindingChanged(form, registry, binding)) continue;
    unsaved.Note(std::string(binding.path), WriteBinding(form, registry, binding));
  }
}

}  // namespace qb::tweaks
