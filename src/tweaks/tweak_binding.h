#pragma once
// A tweak page's controls mirror registry values: each binding joins one control to one
// value by its full registry path. Pages keep their bindings in tables in the order the
// values are written; loading reads them, Apply writes them back.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "tweaks/unsaved_changes.h"
#include "ui/form.h"

namespace qb::tweaks {

enum class BindingKind {
  CheckBox,     // REG_DWORD: 0 clear, 1 checked, 2 grey
  NumberCombo,  // a number kept as REG_SZ text, edited as the combo's text
  TextBox,      // REG_SZ text
  Slider,       // a number, read at load; the page applies it through the system
};

enum class BindingUse {
  LoadAndApply,
  LoadOnly,
  ApplyOnly,  // a second copy of a setting, written beside the one that is read
};

struct TweakBinding {
  std::string_view control;
  std::string_view path;
  BindingKind kind;
  BindingUse use = BindingUse::LoadAndApply;
};

// Reads one binding into its control and marks the control untouched. A missing value, a
// value of a kind the control cannot show (binary or multi-string data, a number where text
// is expected) or a number the control does not take leaves the control as designed
// (unset); false then.
bool LoadBinding(ui::Form& form, Registry& registry, const TweakBinding& binding);
// Reads every binding meant to be read, in table order, each independent of the others.
void LoadBindings(ui::Form& form, Registry& registry, std::span<const TweakBinding> bindings);
// The value a check box shows for its binding now: the stored value when the box takes
// it, otherwise the box's design-time state (clear).
int StoredCheckValue(Registry& registry, std::string_view path);

// The stored value of a binding as its control would take it, without a control: a check
// box's 0, 1 or 2, a slider's number, a combo's or text box's text. Nothing when the value
// is missing or of a kind the control cannot show.
std::optional<long long> StoredBindingNumber(Registry& registry, const TweakBinding& binding);
std::optional<std::string> StoredBindingText(Registry& registry, const TweakBinding& binding);
// Writes a value to one binding as its control's Apply does: numbers as REG_DWORD, text as
// REG_SZ. The window and the console companion both write through these.
Status WriteBindingNumber(Registry& registry, const TweakBinding& binding, long long number);
Status WriteBindingText(Registry& registry, const TweakBinding& binding, std::string_view text);

// Whether the control shows something other than the stored value (a missing value counts
// as a clear box, an empty text or a zero).
bool BindingChanged(const ui::Form& form, Registry& registry, const TweakBinding& binding);
// Whether Apply has something to write: the user touched the control since it was loaded
// or last applied, and the binding changed. A control the user left alone is never
// written, so an untouched page changes nothing, asks for no rights it does not need,
// keeps what other programs changed meanwhile and never replaces a value it could not show.
bool UserChanged(const ui::Form& form, Registry& registry, const TweakBinding& binding);

// Writes every binding the user changed and that is meant to be written, in table order,
// then marks untouched each control whose writes all succeeded. A write Windows refuses is
// noted in unsaved and the next binding is tried; its control stays touched, so the next
// Apply tries it again. A number combo holding no whole number (its placeholder text, or
// something typed that is not a number) keeps the stored setting.
void ApplyBindings(ui::Form& form, Registry& registry, std::span<const TweakBinding> bindings,
                   UnsavedChanges& unsaved);

}  // namespace qb::tweaks
