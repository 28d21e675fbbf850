#pragma once
// The "Start Menu" tab of the Visual page: menu show delay, wheel scroll lines, the
// expanding Control Panel folder and the per-user Start menu restrictions. Its Apply asks
// for a restart: Yes saves everything and restarts Windows, No saves nothing and shows the
// stored restrictions again.
#include <array>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/tweak_binding.h"
#include "ui/form.h"

namespace qb::tweaks {

// The two combos and the twin values under the default user's profile, in the order Apply
// writes them.
extern const std::array<TweakBinding, 4> kMenuTimingBindings;
// The restrictions, in the order Apply writes them.
extern const std::array<TweakBinding, 7> kStartMenuRestrictionBindings;


// Fills the combos and reads every control of the tab (part of the main window's load).
// Reads only: nothing is written.
void LoadStartMenuPage(ui::Form& form, const Services& services);

// Connects the tab's handlers: the option boxes (all but "Remove Favorites") enable
// `applymenu`, and `applymenu` runs StartMenuApply.
void WireStartMenuPage(ui::Form& form, const Services& services, PageHooks hooks);

// The prompt, then on Yes every write in table order and the restart, on No the stored
// restrictions and the folder state shown again.
void StartMenuApply(ui::Form& form, const Services& services, const PageHooks& hooks);

}  // namespace qb::tweaks
