#include "tweaks/privacy_page.h"

#include <string>

namespace qb::tweaks {

const std::array<TweakBinding, 1> kPrivacyBindings{{
    {"disableregchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
     "DisableRegistryTools",
     BindingKind::CheckBox},
}};

namespace {

// The key holds only values, so the plain delete removes it; creating it again leaves the
// browser an empty history. A key that is already gone is no failure, but one that could
// not be deleted is: the history is still there.
void ClearTypedAddresses(Registry& registry, UnsavedChanges& unsaved) {
  const RegKeyPath key{RegRoot::CurrentUser, std::string(kTypedUrlsKey)};
  const std::string what = "HKEY_CURRENT_USER\\" + key.path;
  const Status deleted = registry.DeleteKey(key);
  if (deleted != status::kOk && deleted != status::kFileNotFound) {
    unsaved.Note(what, deleted);
    return;
  }
  unsaved.Note(what, registry.CreateKey(key));
}

}  // namespace

void LoadPrivacyPage(ui::Form& form, const Services& services) {
  LoadBindings(form, services.registry, kPrivacyBindings);
}

void WirePrivacyPage(ui::Form& form, const Services& services, PageHooks hooks) {
  form["applyprivacy"].on_click = [&form, services, hooks = std::move(hooks)] {
    PrivacyApply(form, services, hooks);
  };
}

void PrivacyApply(const ui::Form& form, const Services& services, const PageHooks& hooks) {
  UnsavedChanges unsaved;
  if (form["ieclearh"].Value() == 1) ClearTypedAddresses(services.registry, unsaved);
  ApplyBindings(form, services.registry, kPrivacyBindings, unsaved);
  unsaved.Report(services.dialogs, services.environment, hooks.Owner());
}

}  // namespace qb::tweaks
