#include "tweaks/input_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "language/wording.h"
#include "platform/app_settings.h"
#include "registry/registry_paths.h"
#include "tweaks/tweak_binding.h"

namespace qb::tweaks {

const std::array<SystemSetting, 4> kInputSystemSettings{{
    {{"SpeedSlider", "HKCU\\Control Panel\\Mouse\\MouseSensitivity", BindingKind::Slider,
      BindingUse::LoadOnly},
     language::phrase::kPointerSpeed, spi::kSetMouseSpeed, Carrier::PvParam},
    {{"Repeatslider", "HKCU\\Control Panel\\Keyboard\\KeyboardSpeed", BindingKind::Slider,
      BindingUse::LoadOnly},
     language::phrase::kKeyboardRepeatRate, spi::kSetKeyboardSpeed, Carrier::UiParam},
    {{"Delayslider", "HKCU\\Control Panel\\Keyboard\\KeyboardDelay", BindingKind::Slider,
      BindingUse::LoadOnly},
     language::phrase::kKeyboardRepeatDelay, spi::kSetKeyboardDelay, Carrier::UiParam},
    {{"swapm", "HKEY_CURRENT_USER\\Control Panel\\Mouse\\SwapMouseButtons", BindingKind::CheckBox,
      BindingUse::LoadOnly},
     language::phrase::kSwapMouseButtons, spi::kSetMouseButtonSwap, Carrier::UiParam},
}};

namespace {

constexpr uint32_t kSwapOn = 0xFFFFFFFF;  // TRUE as the system's -1
constexpr uint32_t kTrailsOn = 5;

Status SetSystem(const Services& services, uint32_t action, uint32_t ui_param,
                 intptr_t pv_value) {
  return services.system_parameters.SetParameter(action, ui_param, pv_value,
                                                 spi::kStoreAndBroadcast);
}

// Each step below tells whether the system has the control's setting now, as it was or
// after the change; only then the control counts as untouched again.
bool ApplySetting(const ui::Form& form, const Services& services, const SystemSetting& setting,
                  UnsavedChanges& unsaved) {
  if (!BindingChanged(form, services.registry, setting.binding)) return true;
  return unsaved.Note(language::Say(services, setting.name),
                      SetSystemSetting(services, setting, form[setting.binding.control].Value()));
}

bool ApplyDoubleClick(const ui::Control& slider, const Services& services,
                      UnsavedChanges& unsaved) {
  const auto stored = StoredDoubleClick(services.registry);
  if (stored && DoubleClickPosition(*stored, slider.Min(), slider.Max()) == slider.Value()) {
    return true;
  }
  return StoreDoubleClick(services, DoubleClickMilliseconds(slider.Value()), unsaved);
}

// A profile without the preference does not say the trails are off: a cleared box is
// applied there like any other change. Nor does the preference say what Windows does now:
// the trails may have been changed elsewhere since (the system answers 0 or 1 for off).
bool ApplyTrails(const ui::Control& box, const Services& services, UnsavedChanges& unsaved) {
  const int wanted = box.Value() == 1 ? 1 : 0;
  const auto now = services.system_parameters.ReadParameter(spi::kSetMouseTrails);
  if (now && (*now > 1) == (wanted == 1) &&
      AppSettings(services.registry).Get(kMouseApp, kMouseSection, "trails") == std::to_string(wanted)) {
    return true;
  }
  return StoreTrails(services, wanted == 1, unsaved);
}

// Only what the user changed since the page was read or last applied reaches the system,
// so settings other programs changed meanwhile stay.
void ApplyTouched(ui::Control& control, const std::function<bool()>& apply) {
  if (control.Touched() && apply()) control.Untouch();
}

}  // namespace

Status SetSystemSetting(const Services& services, const SystemSetting& setting, int value) {
  uint32_t ui_param = 0;
  intptr_t pv_value = 0;
  if (setting.action == spi::kSetMouseButtonSwap) {
    ui_param = value == 1 ? kSwapOn : 0;
  } else if (setting.carrier == Carrier::UiParam) {
    ui_param = static_cast<uint32_t>(value);
  } else {
    pv_value = value;
  }
  const Status set = SetSystem(services, setting.action, ui_param, pv_value);
  if (set == status::kOk && setting.action == spi::kSetMouseButtonSwap) {
    AppSettings(services.registry).Save(kMouseApp, kMouseSection, "swap", value == 1 ? "1" : "0");
  }
  return set;
}

std::optional<long long> StoredDoubleClick(Registry& registry) {
  RegValue value;
  if (registry::RegRead(registry, kDoubleClickPath, value) != status::kOk) return std::nullopt;
  return registry::ValueNumber(value);
}

bool StoreDoubleClick(const Services& services, int milliseconds, UnsavedChanges& unsaved) {
  return unsaved.Note(std::string(kDoubleClickPath),
                      registry::RegWrite(services.registry, kDoubleClickPath,
                                         std::to_string(milliseconds))) &&
         unsaved.Note(language::Say(services, language::phrase::kDoubleClickSpeedChange),
                      services.system_parameters.SetDoubleClickTime(static_cast<unsigned>(milliseconds)));
}

std::optional<int> StoredTrails(Registry& registry) {
  const auto number =
      registry::WholeNumber(AppSettings(registry).Get(kMouseApp, kMouseSection, "trails"));
  if (!number || (*number != 0 && *number != 1)) return std::nullopt;
  return static_cast<int>(*number);
}

bool StoreTrails(const Services& services, bool on, UnsavedChanges& unsaved) {
  return unsaved.Note(language::Say(services, language::phrase::kPointerTrails),
                      SetSystem(services, spi::kSetMouseTrails, on ? kTrailsOn : 0, 0)) &&
         unsaved.Note("HKEY_CURRENT_USER\\" + std::string(kAppSettingsKey) + "\\" +
                          std::string(kMouseApp) + "\\" + std::string(kMouseSection) + "\\trails",
                      AppSettings(services.registry).Save(kMouseApp, kMouseSection, "trails",
                                                          on ? "1" : "0"));
}

int DoubleClickMilliseconds(int position) { return 1100 - 100 * position; }

int DoubleClickPosition(long long milliseconds, int min, int max) {
  const long long position = std::llround((1100.0 - static_cast<double>(milliseconds)) / 100.0);
  return static_cast<int>(std::clamp<long long>(position, min, max));
}

void LoadInputPage(ui::Form& form, const Services& services) {
  for (const auto& setting : kInputSystemSettings) LoadBinding(form, services.registry, setting.binding);
  ui::Control& slider = form["DoubleSlider"];
  if (const auto stored = StoredDoubleClick(services.registry)) {
    slider.SetValue(DoubleClickPosition(*stored, slider.Min(), slider.Max()));
  }
  if (const auto trails = StoredTrails(services.registry)) form["trails"].SetValue(*trails);
  slider.Untouch();
  form["trails"].Untouch();
}

void WireInputPage(ui::Form& form, const Services& services, PageHooks hooks) {
  form["inputcmd"].on_click = [&form, services, hooks = std::move(hooks)] {
    InputApply(form, services, hooks);
  };
}

void InputApply(ui::Form& form, const Services& services, const PageHooks& hooks) {
  UnsavedChanges unsaved;
  ui::Control& recycle = form["recycle"];
  if (recycle.Value() == 1 &&
      unsaved.Note(language::Say(services, language::phrase::kEmptyRecycleBin), services.recycle_bin.Empty(hooks.Owner()))) {
    recycle.SetValue(0);
  }
  // The order the system has always been told in: speeds and delay, double click, buttons,
  // trails.
  auto setting = [&](const SystemSetting& each) {
    ApplyTouched(form[each.binding.control],
                 [&] { return ApplySetting(form, services, each, unsaved); });
  };
  for (int i = 0; i < 3; ++i) setting(kInputSystemSettings[i]);
  ui::Control& slider = form["DoubleSlider"];
  ApplyTouched(slider, [&] { return ApplyDoubleClick(slider, services, unsaved); });
  setting(kInputSystemSettings[3]);
  ui::Control& trails = form["trails"];
  ApplyTouched(trails, [&] { return ApplyTrails(trails, services, unsaved); });
  unsaved.Report(services, hooks.Owner());
}

}  // namespace qb::tweaks
