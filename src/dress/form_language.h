#pragma once
// A window's captions from the chosen language file.
#include <string_view>

#include "platform/profile.h"
#include "ui/form.h"

namespace qb::dress {

// Sets the caption of every control that has a language key and a caption, in collection
// order, from the usable language for the form's keys. A key the file does not hold, or no
// usable file at all, leaves the control's caption as it is.
void ApplyLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                   std::string_view language);

}  // namespace qb::dress
