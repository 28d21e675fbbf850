#include "tweaks/start_menu_page.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "language/wording.h"
#include "tweaks/control_panel_folder.h"

namespace qb::tweaks {

const std::array<TweakBinding, 4> kMenuTimingBindings{{
    {"mdelaycombo", "HKCU\\Control Panel\\Desktop\\MenuShowDelay", BindingKind::NumberCombo},
    {"mdelaycombo", "HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop\\MenuShowDelay",
     BindingKind::NumberCombo, BindingUse::ApplyOnly},
    {"wheelcombo", "HKCU\\Control Panel\\Desktop\\WheelScrollLines", BindingKind::NumberCombo},
    {"wheelcombo", "HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop\\WheelScrollLines",
     BindingKind::NumberCombo, BindingUse::ApplyOnly},
}};

const std::array<TweakBinding, 7> kStartMenuRestrictionBindings{{
    {"denydisplay",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\NoDispCPL",
     BindingKind::CheckBox},
    {"shutchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoClose",
     BindingKind::CheckBox},
    {"runchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoRun",
     BindingKind::CheckBox},
    {"findchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoFind",
     BindingKind::CheckBox},
    {"recentchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\"
     "NoRecentDocsMenu",
     BindingKind::CheckBox},
    {"favchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\"
     "NoFavoritesMenu",
     BindingKind::CheckBox},
    {"taskbarchk",
     "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\"
     "NoTrayContextMenu",
     BindingKind::CheckBox},
}};

namespace {

constexpr int kMenuDelayCount = 999;
constexpr int kWheelLinesCount = 100;

// Changing one of these is what makes the tab's Apply worth pressing. "Remove Favorites"
// is not among them: on its own it leaves Apply as it was.
constexpr std::array<std::string_view, 7> kEnablingBoxes{
    "expandcp", "denydisplay", "shutchk", "runchk", "findchk", "recentchk", "taskbarchk"};

// After "No", these show the stored state again; "Remove Favorites" and the combos keep
// what the user set.
constexpr std::array<std::string_view, 6> kResetBoxes{
    "shutchk", "runchk", "findchk", "recentchk", "taskbarchk", "denydisplay"};

std::vector<std::string> Numbers(int count) {
  std::vector<std::string> items;
  items.reserve(count);
  for (int i = 1; i <= count; ++i) items.push_back(std::to_string(i));
  return items;
}

const TweakBinding& RestrictionOf(std::string_view control) {
  for (const auto& binding : kStartMenuRestrictionBindings) {
    if (binding.control == control) return binding;
  }
  throw std::out_of_range("no restriction bound to " + std::string(control));
}

void ShowControlPanelFolderState(ui::Form& form, const Services& services) {
  const bool present =
      !FindControlPanelFolder(services.files, services.environment.StartMenuFolder()).empty();
  ui::Control& box = form["expandcp"];
  box.SetValue(present ? 1 : 0);
  box.Untouch();
}

// The folder follows the box only when the user changed the box, so one another program
// added or removed meanwhile stays as it is.
void ApplyControlPanelFolder(ui::Form& form, const Services& services, UnsavedChanges& unsaved) {
  ui::Control& box = form["expandcp"];
  if (!box.Touched()) return;
  if (auto failure = UpdateControlPanelFolder(
          services.files, services.environment.StartMenuFolder(), box.Value() == 1)) {
    unsaved.Add(std::move(*failure));
    return;
  }
  unsaved.Note("", status::kOk);
  box.Untouch();
}

// Yes: every change in table order; one the user may not make is skipped and named at the
// end. The restart follows unless a change failed for another reason than rights, or every
// change was refused (a standard user may not write the restriction policies either):
// restarting for settings that were not saved would only cost the user the session.
void SaveAndRestart(ui::Form& form, const Services& services, const PageHooks& hooks) {
  UnsavedChanges unsaved;
  ApplyBindings(form, services.registry, kMenuTimingBindings, unsaved);
  ApplyControlPanelFolder(form, services, unsaved);
  ApplyBindings(form, services.registry, kStartMenuRestrictionBindings, unsaved);
  unsaved.Report(services, hooks.Owner());
  if (!unsaved.Empty() && (!unsaved.OnlyNeedAdministrator() || unsaved.Saved() == 0)) return;
  if (const Status restarted = services.power.Restart(); restarted != status::kOk) {
    services.dialogs.ShowMessage(
        hooks.Owner(),
        language::Say(services,
                      unsaved.Empty() ? language::phrase::kSavedRestartFailed
                                      : language::phrase::kOthersSavedRestartFailed,
                      {services.environment.ErrorText(restarted)}),
        {}, mb::kOk | mb::kIconInformation);
  }
}

// No: nothing is written; the restrictions and the folder show what is stored.
void ShowStoredState(ui::Form& form, const Services& services, const PageHooks& hooks) {
  for (std::string_view name : kResetBoxes) {
    form[name].SetValue(StoredCheckValue(services.registry, RestrictionOf(name).path));
    form[name].Untouch();
  }
  ShowControlPanelFolderState(form, services);
  if (hooks.reskin) hooks.reskin();
}

}  // namespace

void LoadStartMenuPage(ui::Form& form, const Services& services) {
  form["mdelaycombo"].SetItems(Numbers(kMenuDelayCount));
  form["wheelcombo"].SetItems(Numbers(kWheelLinesCount));
  LoadBindings(form, services.registry, kMenuTimingBindings);
  LoadBinding(form, services.registry, kStartMenuRestrictionBindings.front());  // denydisplay
  ShowControlPanelFolderState(form, services);
  LoadBindings(form, services.registry,
               std::span(kStartMenuRestrictionBindings).subspan(1));
}

void WireStartMenuPage(ui::Form& form, const Services& services, PageHooks hooks) {
  ui::Control& apply = form["applymenu"];
  for (std::string_view name : kEnablingBoxes) {
    form[name].on_click = [&apply] { apply.SetEnabled(true); };
  }
  apply.on_click = [&form, services, hooks = std::move(hooks)] {
    StartMenuApply(form, services, hooks);
  };
}

void StartMenuApply(ui::Form& form, const Services& services, const PageHooks& hooks) {
  const int answer =
      services.dialogs.ShowMessage(hooks.Owner(), language::Say(services, language::phrase::kRestartQuestion),
                                   {}, mb::kYesNo);
  if (answer == mb::kIdYes) {
    SaveAndRestart(form, services, hooks);
  } else {
    ShowStoredState(form, services, hooks);
  }
}

}  // namespace qb::tweaks
