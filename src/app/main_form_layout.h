#pragma once
// The main window's controls: the navigation column and the seven pages, with their
// design captions and language keys. Pages owned by the tweak and monitor code add their
// own controls through the functions they provide.
#include <memory>

#include "ui/form.h"

namespace qb::app {

std::unique_ptr<ui::Form> CreateMainForm();

}  // namespace qb::app
