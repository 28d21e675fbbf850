#pragma once
// The Visual page's "Start Menu" and "Desktop" tab frames with their controls, as the main
// window lays them out, on a form of a test's own.
#include "app/layout/start_menu_desktop_layout.h"
#include "ui/form.h"

namespace qb::test_support {

inline void AddTweakTabs(ui::Form& form) {
  auto& start_menu = form.Add({.name = "VoptionsFrame", .kind = ui::ControlKind::Frame,
                               .index = 1, .rect = {240, 720, 6720, 4700}});
  auto& desktop = form.Add({.name = "VoptionsFrame", .kind = ui::ControlKind::Frame,
                            .index = 2, .rect = {240, 720, 6720, 4700}});
  app::AddStartMenuControls(form, start_menu);
  app::AddDesktopControls(form, desktop);
}

}  // namespace qb::test_support
