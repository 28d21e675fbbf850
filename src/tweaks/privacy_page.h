#pragma once
// The "Privacy" tab of the Explorer page: clears the browser's typed-address history and
// switches the per-user policy that disables the registry editing tools.
#include <array>
#include <string_view>

#include "platform/services.h"
#include "tweaks/page_hooks.h"
#include "tweaks/tweak_binding.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
extern const std::array<TweakBinding, 1> kPrivacyBindings;

// Shows the stored policy in `disableregchk` (part of the main window's load); writes nothing.
void LoadPrivacyPage(ui::Form& form, const Services& services);
// Connects `applyprivacy` to PrivacyApply.
void WirePrivacyPage(ui::Form& form, const Services& services, PageHooks hooks);
// Empties the typed-address history when `ieclearh` is checked (a key that cannot be
// created again gets the key routine's own message), then saves the policy when the user
// changed its box. What else fails is named in one message.
void PrivacyApply(ui::Form& form, const Services& services, const PageHooks& hooks);

}  // namespace qb::tweaks
