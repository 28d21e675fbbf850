#pragma once
// The "Desktop" tab of the Visual page: per-user desktop restrictions, written at once by
// either of its two Apply buttons.
#include <array>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/tweak_binding.h"
#include "ui/form.h"

namespace qb::tweaks {

extern const std::array<TweakBinding, 3> kDesktopBindings;

// Reads the tab's boxes (part of the main window's load); writes nothing.
void LoadDesktopPage(ui::Form& form, const Services& services);
// Connects `applydesktop` and `desktopCommand` to DesktopApply.
void WireDesktopPage(ui::Form& form, const Services& services, PageHooks hooks);
// Writes the boxes the user changed, in table order; what Windows refuses is named in one message.
void DesktopApply(ui::Form& form, const Services& services, const PageHooks& hooks);

}  // namespace qb::tweaks
