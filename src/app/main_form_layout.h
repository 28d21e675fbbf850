#pragma once
// The main window's controls: the navigation column and the seven pages, with their
// design captions and language keys. Pages owned by the tweak and monitor code add their
// own controls through the functions they provide.
#include <memory>

#include "ui/form.h"

namespace qb::app {

std::unique_ptr<ui::Form> CreateMainForm();

// Opens or folds the navigation column under "System", moving "CPU && Memory" with it, and
// hides the monitor page.
void ToggleNavigationColumn(ui::Form& form);

}  // namespace qb::app
