#include "cleaner/system_health.h"

#include <cctype>
#include <functional>

#include "cleaner/application_paths.h"
#include "cleaner/dialog_history.h"
#include "cleaner/repair.h"
#include "cleaner/system_health_form.h"
#include "cleaner/uninstall_entries.h"
#include "language/language_catalogue.h"
#include "platform/app_settings.h"

namespace qb::cleaner {

namespace {

constexpr std::string_view kTitle = "System Health";

int DriveToSelect(const std::vector<std::string>& drives, const std::string& windows_folder) {
  for (size_t i = 0; i < drives.size(); ++i) {
    if (!windows_folder.empty() && !drives[i].empty() &&
        std::toupper(static_cast<unsigned char>(drives[i][0])) ==
            std::toupper(static_cast<unsigned char>(windows_folder[0]))) {
      return static_cast<int>(i);
    }
  }
  return drives.empty() ? -1 : 0;
}

std::vector<std::string> DriveNames(FileSystem& files) {
  std::vector<std::string> names;
  for (const auto& root : files.DriveRoots()) {
    std::string name = root.substr(0, 2);
    if (!name.empty()) name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    names.push_back(std::move(name));
  }
  return names;
}

// Marks a run in progress for as long as it lasts, whatever way it ends.
class RunGuard {
 public:
  RunGuard(bool& running, std::function<void(bool)> set_idle)
      : running_(running), set_idle_(std::move(set_idle)) {
    running_ = true;
    set_idle_(false);
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;
  ~RunGuard() {
    running_ = false;
    set_idle_(true);
  }

 private:
  bool& running_;
  std::function<void(bool)> set_idle_;
};

}  // namespace

SystemHealthWindow::SystemHealthWindow(ui::Application& app, const Services& services)
    : app_(app), services_(services) {
  const auto drives = DriveNames(services_.files);
  form_ = BuildSystemHealthForm(drives, DriveToSelect(drives, services_.environment.WindowsFolder()));
  categories_[0] = &kUninstallEntries;
  categories_[1] = &kApplicationPaths;
  categories_[2] = &kDialogHistory;
  form_->on_load = [this] { Load(); };
  // A run cannot be left half done by closing the window under it.
  form_->on_query_unload = [this](ui::CloseReason reason, bool& cancel) {
    if (running_ && reason == ui::CloseReason::User) cancel = true;
  };
  for (size_t i = 0; i < kFrames.size(); ++i) {
    (*form_)[kFrames[i].button].on_click = [this, i] { Run(i); };
  }
  (*form_)["Command1"].on_click = [this] { app_.Unload(*form_); };
}

void SystemHealthWindow::Load() {
  const std::string app_folder = services_.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services_.registry));
  const std::string title =
      language::LookUp(services_.profile, app_folder, kHealthTitleKey, language);
  form_->SetCaption(title.empty() ? std::string(kTitle) : title);
  skin_.LoadFile(services_.files, app_folder + std::string(skin::kSkinFileName));
  skin_.ApplyToForm(*form_, "SmallForm");
  skin::SkinForm(*form_, skin_);
}

void SystemHealthWindow::SetButtonsEnabled(bool enabled) {
  for (const auto& names : kFrames) (*form_)[names.button].SetEnabled(enabled);
  (*form_)["Command1"].SetEnabled(enabled);
  form_->SetBusy(!enabled);
}

void SystemHealthWindow::Run(size_t frame) {
  const Category* category = categories_[frame];
  if (running_ || !category) return;
  RunGuard guard(running_, [this](bool idle) { SetButtonsEnabled(idle); });
  const FrameNames& names = kFrames[frame];
  ui::Control& found = (*form_)[names.found];
  ui::Control& repaired = (*form_)[names.repaired];
  results_[frame] = {};
  found.SetCaption({});
  repaired.SetCaption({});

  Progress progress(&(*form_)[names.bar]);
  EventPacer pacer(services_.clock, [this] { return app_.DoEvents(); });
  const registry::RegistryRoutines routines(services_.registry, services_.environment);
  PresenceTest presence(services_.files, services_.environment.WindowsFolder());
  ScanContext context{services_.registry, services_.environment, routines, presence, progress, pacer};
  results_[frame] = category->scan(context);
  if (pacer.Closing()) return;
  found.SetCaption(std::to_string(results_[frame].removals.size()));

  const RepairOutcome outcome =
      Repair(services_, category->name, results_[frame].removals, progress, pacer);
  if (pacer.Closing()) return;
  repaired.SetCaption(std::to_string(outcome.repaired));
  last_backup_path_ = outcome.backup_path;
  if (!results_[frame].removals.empty() && !outcome.backed_up) {
    services_.dialogs.ShowMessage(
        app_.HandleOf(*form_),
        "Nothing was removed, because the entries could not be backed up first.\n\n" +
            outcome.error,
        kTitle, mb::kOk | mb::kIconStop);
  }
}

void ShowSystemHealth(ui::Application& app, ui::Form& owner, const Services& services) {
  SystemHealthWindow window(app, services);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::cleaner
