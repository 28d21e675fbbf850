#include "cleaner/system_health.h"

#include <cctype>
#include <functional>

#include "cleaner/backup.h"
#include "cleaner/categories.h"
#include "cleaner/exclusions.h"
#include "cleaner/exclusions_window.h"
#include "cleaner/repair.h"
#include "cleaner/repair_lock.h"
#include "cleaner/review_window.h"
#include "cleaner/run_summary.h"
#include "cleaner/system_health_form.h"
#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "language/numbers.h"
#include "language/wording.h"
#include "platform/app_settings.h"
#include "ui/access_keys.h"

namespace qb::cleaner {

namespace {

constexpr std::string_view kTitle = "System Health";
// Where the choice to review the findings first is remembered, per user.
constexpr std::string_view kSettingsApp = "Vorlix";
constexpr std::string_view kSettingsSection = "System Health";
constexpr std::string_view kReviewSetting = "Review";

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

// The drive chosen in the list, as "c:"; empty when none is.
std::string SelectedDrive(const ui::Control& drives) {
  const int index = drives.ListIndex();
  if (index < 0 || index >= static_cast<int>(drives.Items().size())) return {};
  return drives.Items()[index].substr(0, 2);
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
  for (size_t i = 0; i < kCategories.size(); ++i) categories_[i] = kCategories[i].category;
  form_->on_load = [this] { Load(); };
  // A close request during a run stops it after the entry in hand, never in the middle of
  // one; the window closes once the run has ended.
  form_->on_query_unload = [this](ui::CloseReason, bool& cancel) {
    if (!running_) return;
    cancel = true;
    close_requested_ = true;
  };
  for (size_t i = 0; i < kFrames.size(); ++i) {
    (*form_)[kFrames[i].button].on_click = [this, i] { Run(i); };
  }
  (*form_)["Command1"].on_click = [this] { app_.Unload(*form_); };
  (*form_)["review"].on_click = [this] { StoreReviewChoice(); };
  (*form_)["exclusions"].on_click = [this] { ShowExclusions(app_, *form_, services_, skin_); };
}

void SystemHealthWindow::Load() {
  const std::string app_folder = services_.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services_.registry));
  const std::string title =
      language::LookUp(services_.profile, app_folder, kHealthTitleKey, language);
  form_->SetCaption(title.empty() ? std::string(kTitle) : title);
  form_->SetTitlePhrase(std::string(kHealthTitleKey), std::string(kTitle));
  dress::ApplyLanguage(*form_, services_.profile, app_folder, language);
  skin_.LoadFile(services_.files, app_folder + std::string(skin::kSkinFileName));
  dress::SkinWindow(*form_, skin_, "SmallForm");
  dress::SkinForm(*form_, skin_);
  const bool review = AppSettings(services_.registry).Get(kSettingsApp, kSettingsSection, kReviewSetting) == "1";
  (*form_)["review"].SetValue(review ? 1 : 0);
}

bool SystemHealthWindow::Reviewing() const { return (*form_)["review"].Value() == 1; }

void SystemHealthWindow::StoreReviewChoice() {
  AppSettings settings(services_.registry);
  const std::string wanted = Reviewing() ? "1" : "0";
  if (settings.Get(kSettingsApp, kSettingsSection, kReviewSetting, "0") == wanted) return;
  if (settings.Save(kSettingsApp, kSettingsSection, kReviewSetting, wanted) == status::kOk) return;
  // The choice holds while the window is open; the next one starts without it.
  services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                language::Say(services_, language::phrase::kChangeNotSaved) + "\n" +
                                    language::Say(services_, language::phrase::kShowReview),
                                form_->Caption(), mb::kOk | mb::kIconExclamation);
}

void SystemHealthWindow::SetButtonsEnabled(bool enabled) {
  for (const auto& names : kFrames) (*form_)[names.button].SetEnabled(enabled);
  for (const auto name : {"Command1", "review", "exclusions"}) (*form_)[name].SetEnabled(enabled);
  form_->SetBusy(!enabled);
}

void SystemHealthWindow::Run(size_t frame) {
  const Category* category = categories_[frame];
  if (running_ || !category) return;
  {
    RunGuard guard(running_, [this](bool idle) { SetButtonsEnabled(idle); });
    RunCategory(frame, *category);
  }
  if (close_requested_) app_.Unload(*form_);
}

void SystemHealthWindow::RunCategory(size_t frame, const Category& category) {
  const FrameNames& names = kFrames[frame];
  ui::Control& found = (*form_)[names.found];
  ui::Control& repaired = (*form_)[names.repaired];
  ui::Control& status = (*form_)["label29"];
  results_[frame] = {};
  // The shortcut frame keeps its last counts on show until the new ones are known.
  if (!category.removes_files) {
    found.SetCaption({});
    repaired.SetCaption({});
  }

  const auto lock = WaitForRepairTurn();
  if (!lock) return;
  Progress progress(&(*form_)[names.bar]);
  EventPacer pacer(services_.clock, [this] { return app_.DoEvents() && !close_requested_; });
  const registry::RegistryRoutines routines(services_.registry, services_.environment);
  PresenceTest presence(services_.files, services_.environment);
  ScanContext context{services_.registry, services_.environment, routines, presence, progress, pacer,
                      &services_.files, &services_.shortcuts, SelectedDrive((*form_)["ODrive"]),
                      [&status](std::string_view line) { status.SetCaption(ui::LiteralCaption(line)); },
                      BackupFolders(services_)};
  context.wait_text = language::Say(services_, language::phrase::kWaitStatus);
  // Read before the scan: an entry kept since the last run is never offered again.
  Status unreadable = status::kOk;
  Exclusions exclusions = LoadExclusions(services_.files, services_.environment, &unreadable);
  if (unreadable != status::kOk) {
    services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                  language::Say(services_, language::phrase::kExclusionsUnreadable) + "\n" +
                                      ExclusionsPath(services_.environment),
                                  form_->Caption(), mb::kOk | mb::kIconStop);
    return;
  }
  results_[frame] = category.scan(context);
  if (pacer.Closing()) return;
  SetAsideExcluded(exclusions, results_[frame]);
  found.SetCaption(language::ShownNumber(services_, static_cast<int64_t>(results_[frame].removals.size())));
  // The review narrows the findings to those left ticked; what it keeps always is counted
  // with the other kept entries. Cancelled, it removes nothing and writes no backup.
  const bool go_on = !Reviewing() || results_[frame].removals.empty() ||
                     ReviewFindings(app_, *form_, services_, skin_, category, results_[frame], exclusions);
  std::string kept;
  if (!results_[frame].excluded.empty()) {
    kept = language::Say(services_, language::phrase::kKeptExcluded) + " " +
           language::ShownNumber(services_, static_cast<int64_t>(results_[frame].excluded.size()));
    status.SetCaption(kept);
  }
  if (!go_on) {
    if (category.removes_files) status.SetCaption(language::Say(services_, language::phrase::kDoneStatus) + (kept.empty() ? "" : "  " + kept));
    repaired.SetCaption("0");
    return;
  }

  const ScanResult& scan = results_[frame];
  const RepairOutcome outcome = Repair(services_, category, scan.removals, progress, pacer,
                                       language::InChosenLanguage(services_));
  // The bar stays where the removals left it: a last value beyond its range is refused.
  if (category.removes_files) status.SetCaption(language::Say(services_, language::phrase::kDoneStatus) + (kept.empty() ? "" : "  " + kept));
  repaired.SetCaption(language::ShownNumber(services_, static_cast<int64_t>(outcome.repaired)));
  last_backup_path_ = outcome.backup_path;
  if (pacer.Closing()) return;
  const auto notes = RunNotes(scan, outcome, language::InChosenLanguage(services_));
  if (notes.empty()) return;
  std::string text;
  for (const auto& note : notes) text += (text.empty() ? "" : "\n\n") + note;
  const unsigned icon = !outcome.error.empty()               ? mb::kIconStop
                        : RunLeftWork(scan, outcome)          ? mb::kIconExclamation
                                                              : mb::kIconInformation;
  services_.dialogs.ShowMessage(app_.HandleOf(*form_), text, form_->Caption(), mb::kOk | icon);
}

std::unique_ptr<HeldLock> SystemHealthWindow::WaitForRepairTurn() {
  constexpr uint32_t kPollMs = 50;
  auto lock = services_.locks.Take(kRepairLockName, 0);
  if (lock) return lock;
  services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                language::Say(services_, language::phrase::kRepairWait), form_->Caption(),
                                mb::kOk | mb::kIconInformation);
  while (!close_requested_ && !(lock = services_.locks.Take(kRepairLockName, kPollMs))) {
    if (!app_.DoEvents()) break;
  }
  return lock;
}

void ShowSystemHealth(ui::Application& app, ui::Form& owner, const Services& services) {
  SystemHealthWindow window(app, services);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::cleaner
