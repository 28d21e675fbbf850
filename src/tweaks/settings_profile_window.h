#pragma once
// "Settings profiles": exports the tweaks of this computer to a profile, and imports one:
// what it would change is listed first (or its faults, line by line), and only Apply writes.
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "skin/skin_instance.h"
#include "tweaks/settings_import.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::tweaks {

inline constexpr std::string_view kProfileWindowTitleKey = "8503";

// The window as designed, without its behaviour.
std::unique_ptr<ui::Form> CreateSettingsProfileForm();

class SettingsProfileWindow {
 public:
  // applied runs after an Apply changed anything, so that the open pages show it. documents
  // writes the exported profile: the user's own file, which no undo of the machine's
  // settings may take back, so it goes past the journal that services may keep.
  SettingsProfileWindow(ui::Application& app, const Services& services, FileSystem& documents,
                        const skin::SkinInstance& main_skin, std::function<void()> applied);
  ui::Form& Form() { return *form_; }

  void Export();
  void Import();
  void Apply();
  void Cancel();

 private:
  void Load();
  void Show(std::string heading, std::vector<std::string> lines, bool can_apply);
  void Tell(const std::string& text, unsigned icon);

  ui::Application& app_;
  Services services_;
  FileSystem& documents_;
  const skin::SkinInstance& main_skin_;
  std::function<void()> applied_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
  Profile profile_;  // the profile read, which changes_ points into
  std::vector<PendingChange> changes_;
};

void ShowSettingsProfiles(ui::Application& app, ui::Form& owner, const Services& services, FileSystem& documents,
                          const skin::SkinInstance& main_skin, std::function<void()> applied);

}  // namespace qb::tweaks
