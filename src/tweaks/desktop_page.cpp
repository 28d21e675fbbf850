#include "tweaks/desktop_page.h"

namespace qb::tweaks {

const std::array<TweakBinding, 3> kDesktopBindings{{
    {"hideall",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoDesktop",
     BindingKind::CheckBox},
    {"ieiconchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\"
     "NoInternetIcon",
     BindingKind::CheckBox},
    {"dskrightchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\"
     "NoViewContextMenu",
     BindingKind::CheckBox},
}};

void LoadDesktopPage(ui::Form& form, const Services& services) {
  LoadBindings(form, services.registry, kDesktopBindings);
}

void WireDesktopPage(ui::Form& form, const Services& services, PageHooks hooks) {
  auto apply = [&form, services, hooks = std::move(hooks)] { DesktopApply(form, services, hooks); };
  form["applydesktop"].on_click = apply;
  form["desktopCommand"].on_click = apply;
}

void DesktopApply(ui::Form& form, const Services& services, const PageHooks& hooks) {
  UnsavedChanges unsaved;
  ApplyBindings(form, services.registry, kDesktopBindings, unsaved);
  unsaved.Report(services, hooks.Owner());
}

}  // namespace qb::tweaks
