#pragma once
// The "Explorer Options" tab of the Explorer page: the browser's window title, view-source
// editor and start page (saved by the tab's Apply), and the download folder, toolbar
// bitmap, full-screen start and temporary-file setting (saved as soon as they are used).
#include <array>
#include <optional>
#include <string_view>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/tweak_binding.h"
#include "ui/form.h"

namespace qb::tweaks {

// The three text boxes, in the order Apply writes them; the editor is the default value of
// the "Editor Name" key, machine-wide.
extern const std::array<TweakBinding, 3> kExplorerTextBindings;
inline constexpr std::string_view kDownloadFolderPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Download Directory";
inline constexpr std::string_view kToolbarBitmapPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Toolbar\\BackBitmap";
inline constexpr std::string_view kFullScreenPath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main\\FullScreen";
inline constexpr std::string_view kKeepCachePath =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
    "Settings\\Cache\\Persistent";

// The full-screen start as a box shows it (the value "yes" or "no") and the cache setting
// ("Persistent" 0 empties it, so the box is its opposite); nothing for any other value.
std::optional<int> FullScreenBox(Registry& registry);
std::optional<int> EmptyCacheBox(Registry& registry);
Status StoreFullScreen(Registry& registry, bool on);
Status StoreEmptyCache(Registry& registry, bool on);

// Shows every stored setting of the tab (part of the main window's load); writes nothing.
// A missing value leaves its control as designed.
void LoadExplorerOptionsPage(ui::Form& form, const Services& services);
// Connects Apply, the two check boxes and the four buttons of the tab.
void WireExplorerOptionsPage(ui::Form& form, const Services& services, PageHooks hooks);
// Saves each text box the user changed since it was loaded or last applied; a refused
// write is skipped and named in one message.
void ExplorerOptionsApply(ui::Form& form, const Services& services,
                          const PageHooks& hooks);

}  // namespace qb::tweaks
