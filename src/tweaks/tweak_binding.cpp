#include "tweaks/tweak_binding.h"

#include <algorithm>
#include <vector>

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

// A text box shows text only: a number there is a setting of another kind, and showing it
// would make an edit store it as text.
std::optional<std::string> ShownText(BindingKind kind, const RegValue& value) {
  if (kind != BindingKind::TextBox) return registry::ValueText(value);
  if (value.type != regtype::kSz && value.type != regtype::kExpandSz) return std::nullopt;
  return value.AsString();
}

bool Reads(const TweakBinding& binding) { return binding.use != BindingUse::ApplyOnly; }
bool Writes(const TweakBinding& binding) { return binding.use != BindingUse::LoadOnly; }

bool ShowStored(ui::Control& control, Registry& registry, const TweakBinding& binding) {
  RegValue value;
  if (registry::RegRead(registry, binding.path, value) != status::kOk) return false;
  switch (binding.kind) {
    case BindingKind::CheckBox:
      if (const auto checked = CheckValue(value)) {
        control.SetValue(*checked);
        return true;
      }
      return false;
    case BindingKind::Slider:
      if (const auto number = registry::ValueNumber(value);
          number && *number >= control.Min() && *number <= control.Max()) {
        control.SetValue(static_cast<int>(*number));
        return true;
      }
      return false;
    case BindingKind::NumberCombo:
    case BindingKind::TextBox:
      if (auto shown = ShownText(binding.kind, value)) {
        control.SetText(std::move(*shown));
        return true;
      }
      return false;
  }
  return false;
}

Status WriteBinding(const ui::Control& control, Registry& registry, const TweakBinding& binding) {
  switch (binding.kind) {
    case BindingKind::CheckBox:
    case BindingKind::Slider:
      return WriteBindingNumber(registry, binding, control.Value());
    case BindingKind::NumberCombo:
    case BindingKind::TextBox:
      return WriteBindingText(registry, binding, control.Text());
  }
  return status::kInvalidParameter;
}

}  // namespace

bool LoadBinding(ui::Form& form, Registry& registry, const TweakBinding& binding) {
  ui::Control* control = form.Find(binding.control);
  if (!control) return false;
  // A control that shows nothing stored keeps what the user made of it, and so does its mark:
  // read again after a settings profile was applied, a box ticked and not yet applied would
  // otherwise stay ticked and never be written.
  const bool shown = ShowStored(*control, registry, binding);
  if (shown) control->Untouch();
  return shown;
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

std::optional<long long> StoredBindingNumber(Registry& registry, const TweakBinding& binding) {
  RegValue value;
  if (registry::RegRead(registry, binding.path, value) != status::kOk) return std::nullopt;
  if (binding.kind == BindingKind::CheckBox) return CheckValue(value);
  if (binding.kind == BindingKind::Slider) return registry::ValueNumber(value);
  return registry::WholeNumber(ShownText(binding.kind, value).value_or(""));
}

std::optional<std::string> StoredBindingText(Registry& registry, const TweakBinding& binding) {
  RegValue value;
  if (registry::RegRead(registry, binding.path, value) != status::kOk) return std::nullopt;
  return ShownText(binding.kind, value);
}

Status WriteBindingNumber(Registry& registry, const TweakBinding& binding, long long number) {
  if (binding.kind == BindingKind::NumberCombo) {
    return registry::RegWrite(registry, binding.path, std::to_string(number));
  }
  return registry::RegWrite(registry, binding.path, number, "REG_DWORD");
}

Status WriteBindingText(Registry& registry, const TweakBinding& binding, std::string_view text) {
  return registry::RegWrite(registry, binding.path, text);
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
      const auto text = stored ? ShownText(binding.kind, value) : std::optional<std::string>("");
      return !text || *text != control.Text();
    }
  }
  return true;
}

bool UserChanged(const ui::Form& form, Registry& registry, const TweakBinding& binding) {
  return form[binding.control].Touched() && BindingChanged(form, registry, binding);
}

void ApplyBindings(ui::Form& form, Registry& registry, std::span<const TweakBinding> bindings,
                   UnsavedChanges& unsaved) {
  // A control may feed two bindings (a setting and its twin): it is untouched only once
  // both are written.
  std::vector<std::string_view> refused;
  for (const auto& binding : bindings) {
    if (!Writes(binding) || !UserChanged(form, registry, binding)) continue;
    if (!unsaved.Note(std::string(binding.path),
                      WriteBinding(form[binding.control], registry, binding))) {
      refused.push_back(binding.control);
    }
  }
  for (const auto& binding : bindings) {
    if (Writes(binding) && std::find(refused.begin(), refused.end(), binding.control) == refused.end()) {
      form[binding.control].Untouch();
    }
  }
}

}  // namespace qb::tweaks
