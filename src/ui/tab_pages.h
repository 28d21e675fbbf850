#pragma once
// A tab strip over a control array of frames, one frame per tab.
#include <string_view>

#include "ui/form.h"

namespace qb::ui {

// Shows and enables the frame of the strip's selected tab (tabs count from 1, frames from
// index 0), hides and disables the others, and brings every frame to the front in tab order.
void ShowSelectedTab(Form& form, std::string_view strip, std::string_view pages);

}  // namespace qb::ui
