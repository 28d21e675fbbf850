#include "tweaks/privacy_page.h"

#include <string>

#include "registry/registry_direct.h"

namespace qb::tweaks {

const std::array<TweakBinding, 1> kPrivacyBindings{{
    {"disableregchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
     "DisableRegistryTools",
     BindingKind::CheckBox},
}};

namespace {

// The key holds only values, so the plain delete removes it; creating it again leaves the
// browser an empty history, and a failure there is shown by the key routine itself. A key
// that is already gone is no failure, but one that could not be deleted is: the history is
// still there.
void ClearTypedAddresses(const Services& services, UnsavedChanges& unsaved) {
  const Status deleted = registry::DeleteRegKey(services.registry, RegRoot::CurrentUser, kTypedUrlsKey);
  if (deleted != status::kOk && deleted != status::kFileNotFound) {
    unsaved.Note("HKEY_CURRENT_USER\\" + std::string(kTypedUrlsKey), deleted);
    return;
  }
  registry::CreateSubKey(services.registry, services.dialogs, services.environment,
                         RegRoot::CurrentUser, kTypedUrlsKey, "", language::InChosenLanguage(services));
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

void PrivacyApply(ui::Form& form, const Services& services, const PageHooks& hooks) {
  UnsavedChanges unsaved;
  if (form["ieclearh"].Value() == 1) ClearTypedAddresses(services, unsaved);
  ApplyBindings(form, services.registry, kPrivacyBindings, unsaved);
  unsaved.Report(services, hooks.Owner());
}

}  // namespace qb::tweaks
