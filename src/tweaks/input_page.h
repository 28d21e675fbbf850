#pragma once
// The Input page: mouse pointer speed, keyboard repeat rate and delay, double-click speed,
// button swap and pointer trails, applied live through the system (which stores them in the
// user's profile itself), and emptying the Recycle Bin.
#include <string_view>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kMouseApp = "Larkspan utilities";
inline constexpr std::string_view kMouseSection = "mouse";
inline constexpr std::string_view kDoubleClickPath =
    "HKEY_CURRENT_USER\\Control Panel\\Mouse\\DoubleClickSpeed";

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
