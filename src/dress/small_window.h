#pragma once
// What every small window does when it loads: its title and captions from the chosen
// language file, then the small-window skin and the main window's control skins.
#include <string_view>

#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/form.h"

namespace qb::dress {

// own_skin receives the skin file read for this window; main_skin skins its controls.
void LoadSmallWindow(ui::Form& form, const Services& services, skin::SkinInstance& own_skin,
                     const skin::SkinInstance& main_skin, std::string_view title_key,
                     std::string_view fallback_title);

}  // namespace qb::dress
