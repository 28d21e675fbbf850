#pragma once
// The main window's captions from the chosen language file, and its Language page list.
#include <string_view>

#include "platform/profile.h"
#include "platform/services.h"
#include "ui/form.h"

namespace qb::app {

// The first language pass of the start-up: every control with a key, then the frames
// captioned by code. "System" and "CPU && Memory" are blanked first when a usable file
// holds their keys (the pass gives them their captions again); with no usable language
// file every control keeps the caption it was designed with.
void ApplyStartLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                        std::string_view choice);

// Every caption of the main window in the chosen language: the controls with a key, the
// frames and tabs captioned by code. Run again when the user chooses another language.
void ApplyChosenLanguage(ui::Form& form, ProfileStore& profile, std::string_view app_folder,
                         std::string_view choice);

// Fills "combolng" with the languages on offer, the stored choice selected.
void FillLanguageList(ui::Form& form, const Services& services, std::string_view app_folder);

}  // namespace qb::app
