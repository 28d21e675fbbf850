#pragma once
// The controls of the Visual page's "Start Menu" and "Desktop" tabs, placed inside their
// tab frames (VoptionsFrame(1) and VoptionsFrame(2)). Positions are in twips from the
// frame's top left corner.
#include "ui/form.h"

namespace qb::app {

void AddStartMenuControls(ui::Form& form, ui::Control& container);
void AddDesktopControls(ui::Form& form, ui::Control& container);

}  // namespace qb::app
