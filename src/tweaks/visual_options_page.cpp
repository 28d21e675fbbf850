#include "tweaks/visual_options_page.h"

#include <array>
#include <string>
#include <vector>

#include "language/wording.h"
#include "platform/app_settings.h"
#include "platform/text.h"
#include "registry/registry_paths.h"
#include "tweaks/display_resolution.h"
#include "tweaks/tweak_binding.h"
#include "tweaks/unsaved_changes.h"
#include "tweaks/wallpaper_choice.h"

namespace qb::tweaks {

namespace {

const std::array<TweakBinding, 1> kOptimizeBinding{{
    {"Check1", kOptimizePolicyPath, BindingKind::CheckBox, BindingUse::LoadOnly},
}};

constexpr int kOptimizeBuffers = 21;
constexpr size_t kOptimizeBufferChars = 500000;

void ShowWallpaper(ui::Form& form, Registry& registry) {
  const std::string wallpaper = registry::ReadValueByPath(registry, kWallpaperValuePath);
  const bool none = wallpaper == "Error" || text::ToLowerAscii(wallpaper) == "(none)";
  form["Image1"].SetPicture(none ? std::string() : wallpaper);
}

void ApplyResolution(ui::Form& form, const Services& services, const PageHooks& hooks) {
  const std::string& typed = form["RCombo"].Text();
  const auto size = ParseScreenSize(typed);
  if (!size) {
    services.dialogs.ShowMessage(hooks.Owner(),
                                 language::Say(services, language::phrase::kNotAScreenSize, {typed}),
                                 {}, mb::kOk | mb::kIconExclamation);
    return;
  }
  ChangeScreenSize(services, hooks, *size);
}

void ApplySmoothing(ui::Form& form, const Services& services, UnsavedChanges& unsaved) {
  ui::Control& control = form["fsmooth"];
  if (!control.Touched()) return;
  const int box = control.Value();
  if (StoredSmoothing(services.registry).value_or(0) != box &&
      !StoreSmoothing(services, box == 1, unsaved)) {
    return;
  }
  control.Untouch();
}

}  // namespace

std::optional<int> StoredSmoothing(Registry& registry) {
  RegValue value;
  if (registry::RegRead(registry, kFontSmoothingPath, value) != status::kOk) return std::nullopt;
  const auto number = registry::ValueNumber(value);
  if (!number) return std::nullopt;
  return *number != 0 ? 1 : 0;
}

bool StoreSmoothing(const Services& services, bool on, UnsavedChanges& unsaved) {
  const Status set = services.system_parameters.SetParameter(spi::kSetFontSmoothing, on ? 1 : 0,
                                                             0, spi::kStoreAndBroadcast);
  if (!unsaved.Note(language::Say(services, language::phrase::kFontSmoothing), set)) return false;
  AppSettings(services.registry).Save(kVisualApp, "visual", "smooth", on ? "1" : "0");
  return true;
}

void LoadVisualOptionsPage(ui::Form& form, const Services& services) {
  if (const auto smoothing = StoredSmoothing(services.registry)) form["fsmooth"].SetValue(*smoothing);
  form["fsmooth"].Untouch();
  LoadBindings(form, services.registry, kOptimizeBinding);
  form["Picture2"].SetBackColour(services.system_colours.Get(syscolour::kBackground));
  DiscardWallpaperChoices(services);
  ShowWallpaper(form, services.registry);
  const auto sizes = OfferedSizes(services.display_modes);
  if (!sizes.empty()) form["RCombo"].SetItems(sizes);
}

void WireVisualOptionsPage(ui::Form& form, const Services& services, PageHooks hooks) {
  form["ResolutionCheck"].on_click = [&form] {
    form["RCombo"].SetEnabled(form["ResolutionCheck"].Value() == 1);
  };
  form["wallpaperCheck"].on_click = [&form] {
    form["wallpapercmd"].SetEnabled(form["wallpaperCheck"].Value() == 1);
  };
  form["applyvisualcmd"].on_click = [&form, services, hooks] {
    VisualOptionsApply(form, services, hooks);
  };
  form["wallpapercmd"].on_click = [&form, services, hooks] {
    ChooseWallpaper(form, services, hooks);
  };
  form["optimizecmd"].on_click = [hooks] { OptimizeMemory(hooks); };
  // A choice never applied is not left behind when the window closes.
  form.on_unload = [&form, services, closing = std::move(form.on_unload)] {
    DiscardWallpaperChoice(form, services.files);
    if (closing) closing();
  };
}

void VisualOptionsApply(ui::Form& form, const Services& services, const PageHooks& hooks) {
  if (form["ResolutionCheck"].Value() == 1) ApplyResolution(form, services, hooks);
  UnsavedChanges unsaved;
  if (form["wallpaperCheck"].Value() == 1) ApplyWallpaper(form, services, unsaved);
  ApplySmoothing(form, services, unsaved);
  unsaved.Report(services, hooks.Owner());
}

void OptimizeMemory(const PageHooks& hooks) {
  std::vector<std::u16string> buffers;
  buffers.reserve(kOptimizeBuffers);
  for (int i = 0; i < kOptimizeBuffers; ++i) {
    // Filled, not only reserved, so the pages are really taken from the system.
    buffers.emplace_back(kOptimizeBufferChars, u' ');
    if (!hooks.DoEvents()) break;
  }
}

}  // namespace qb::tweaks
