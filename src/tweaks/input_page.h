#pragma once
// The Input page: mouse pointer speed, keyboard repeat rate and delay, double-click speed,
// button swap and pointer trails, applied live through the system (which stores them in the
// user's profile itself), and emptying the Recycle Bin.
#include <array>
#include <optional>
#include <string_view>

#include "language/phrases.h"
#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/tweak_binding.h"
#include "tweaks/unsaved_changes.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kMouseApp = "Larkspan utilities";
inline constexpr std::string_view kMouseSection = "mouse";
inline constexpr std::string_view kDoubleClickPath =
    "HKEY_CURRENT_USER\\Control Panel\\Mouse\\DoubleClickSpeed";

// How a setting's value travels to the system: in uiParam or as pvParam.
enum class Carrier { UiParam, PvParam };

// A setting the system applies and keeps in the user's profile itself.
struct SystemSetting {
  TweakBinding binding;  // where the system keeps the setting, read at load
  language::Phrase name;  // for the message when the system refuses it
  uint32_t action;
  Carrier carrier;
};

// Mouse speed, keyboard speed and delay, button swap.
extern const std::array<SystemSetting, 4> kInputSystemSettings;

// Hands a value to the system; the swap is also kept in the stored preferences.
Status SetSystemSetting(const Services& services, const SystemSetting& setting, int value);
// The double-click time the user's profile holds, in milliseconds.
std::optional<long long> StoredDoubleClick(Registry& registry);
// Stores the double-click time and tells the system; false with the refusal noted.
bool StoreDoubleClick(const Services& services, int milliseconds, UnsavedChanges& unsaved);
// Pointer trails as the stored preference says (0 or 1); nothing when it says neither.
std::optional<int> StoredTrails(Registry& registry);
// Tells the system and keeps the preference; false with the refusal noted.
bool StoreTrails(const Services& services, bool on, UnsavedChanges& unsaved);

// The double-click slider's position n stands for 1100 - 100 * n milliseconds.
int DoubleClickMilliseconds(int position);
// The slider position nearest to a double-click time, within the slider's range.
int DoubleClickPosition(long long milliseconds, int min, int max);

// Shows every current setting of the page (part of the main window's load); writes nothing.
void LoadInputPage(ui::Form& form, const Services& services);
// Connects `inputcmd` to InputApply.
void WireInputPage(ui::Form& form, const Services& services, PageHooks hooks);
// Empties the Recycle Bin when asked (and clears the box, so it is not emptied again), then
// applies each setting the user changed that differs from the current one.
void InputApply(ui::Form& form, const Services& services, const PageHooks& hooks);

}  // namespace qb::tweaks
