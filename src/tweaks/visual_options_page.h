#pragma once
// The "Visual Options" tab of the Visual page: font smoothing, the desktop wallpaper and
// the screen resolution, applied by one button; and, on the System Monitoring frame, the
// memory optimisation and its option box.
#include <optional>
#include <string_view>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/unsaved_changes.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kWallpaperValuePath =
    "HKEY_CURRENT_USER\\Control Panel\\Desktop\\Wallpaper";
inline constexpr std::string_view kFontSmoothingPath =
    "HKEY_CURRENT_USER\\Control Panel\\Desktop\\FontSmoothing";
inline constexpr std::string_view kOptimizePolicyPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Mem\\Optimize";
inline constexpr std::string_view kVisualApp = "Meadowfen utilities";

// Whether the user's profile has font smoothing on (Windows keeps "2" for on, "0" for off).
std::optional<int> StoredSmoothing(Registry& registry);
// Tells the system, which stores the setting, and keeps the preference; false with the
// refusal noted.
bool StoreSmoothing(const Services& services, bool on, UnsavedChanges& unsaved);

// Shows the current state of every control (part of the main window's load): smoothing,
// the optimisation box, the wallpaper and desktop colour previews and the display's own
// sizes. Writes nothing; a wallpaper choice not applied is discarded.
void LoadVisualOptionsPage(ui::Form& form, const Services& services);
// Connects the two option boxes to the controls they enable, Apply and "Optimize"; closing
// the window discards a wallpaper choice not applied.
void WireVisualOptionsPage(ui::Form& form, const Services& services, PageHooks hooks);
// In order: the resolution (when its box is checked), the wallpaper (when its box is
// checked), then font smoothing when the user changed its box and it differs from the
// system's setting.
void VisualOptionsApply(ui::Form& form, const Services& services, const PageHooks& hooks);
// Claims and touches memory in steps so that the system trims other programs' working
// sets, then releases it all.
void OptimizeMemory(const PageHooks& hooks);

}  // namespace qb::tweaks
