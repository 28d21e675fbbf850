#pragma once
// Which skin element each window and control is drawn as, given to the form model so the
// view can paint it.
#include <string>
#include <string_view>

#include "skin/skin_instance.h"
#include "ui/form.h"

namespace qb::dress {

// The element name for a control by the first matching rule: "syscmd" and "cpucmd" command
// buttons, other command buttons, skin labels, frames, check boxes, option buttons. Empty
// for every other kind, which keeps its plain drawing.
std::string ElementFor(const ui::Control& control);

// Gives the window an element of the skin (its look and its title-bar buttons); an empty
// instance, or one without the element, leaves the window as it is.
void SkinWindow(ui::Form& form, const skin::SkinInstance& instance, std::string_view element);

// Skins every control of the window, whatever its container, through the given instance.
void SkinForm(ui::Form& form, const skin::SkinInstance& instance);

}  // namespace qb::dress
