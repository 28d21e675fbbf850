#include "process/process_window.h"

#include <algorithm>
#include <optional>

#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "language/wording.h"
#include "platform/app_settings.h"
#include "platform/text.h"
#include "process/kill_process.h"
#include "process/process_list.h"
#include "ui/access_keys.h"

namespace qb::process {

namespace {

constexpr const char* kTitle = "Process manager";
constexpr const char* kIntroduction =
    "You can free up some memory by terminating some processes resident in memory and may be "
    "unused.";

}  // namespace

std::unique_ptr<ui::Form> CreateProcessForm() {
  auto form = std::make_unique<ui::Form>("enumfrm", kTitle, 5640, 5400);
  using ui::ControlKind;
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = kIntroduction,
             .tag = "3010", .rect = {240, 480, 5160, 600}});
  form->Add({.name = "info", .kind = ControlKind::ListView, .rect = {240, 1140, 5160, 2760},
             .columns = {{"Process Name", 3300, std::string(language::phrase::kProcessName.key)},
                         {"Process ID", 1500, std::string(language::phrase::kProcessId.key)}}});
  form->Add({.name = "Label2", .kind = ControlKind::SkinLabel, .rect = {240, 4020, 5160, 255}});
  // The key of "Close" would caption this button "Close" too: it has a key of its own.
  form->Add({.name = "terminatecmd", .kind = ControlKind::CommandButton, .caption = "Terminate",
             .tag = std::string(language::phrase::kTerminate.key), .rect = {240, 4440, 1800, 380}, .enabled = false});
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Close",
             .tag = "1013", .rect = {3600, 4440, 1800, 380}});
  form->Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 1000});
  form->Add({.name = "Timer2", .kind = ControlKind::Timer, .interval = 100});
  return form;
}

ProcessWindow::ProcessWindow(ui::Application& app, const Services& services,
                             const skin::SkinInstance& main_skin)
    : app_(app), services_(services), main_skin_(main_skin), log_(services),
      form_(CreateProcessForm()) {
  ui::Form& form = *form_;
  ui::Control& list = form["info"];
  ui::Control& terminate = form["terminatecmd"];
  ui::Control& close = form["Command1"];
  ui::Control& every_second = form["Timer1"];
  ui::Control& label_timer = form["Timer2"];
  terminate.on_click = [this] { Terminate(); };
  close.on_click = [this] { app_.Unload(*form_); };
  every_second.on_timer = [this] { Display(); };
  label_timer.on_timer = [this] { ShowSelection(); };
  list.on_click = [this] { ShowSelection(); };
  form.on_load = [this] { Load(); };
}

void ProcessWindow::Load() {
  const std::string app_folder = services_.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services_.registry));
  const std::string title =
      language::LookUp(services_.profile, app_folder, kProcessWindowTitleKey, language);
  form_->SetCaption(title.empty() ? std::string(kTitle) : title);
  form_->SetTitlePhrase(kProcessWindowTitleKey, std::string(kTitle));
  dress::ApplyLanguage(*form_, services_.profile, app_folder, language);
  listed_.clear();
  listed_once_ = false;
  Display();
  own_skin_.LoadFile(services_.files, app_folder + std::string(skin::kSkinFileName));
  dress::SkinWindow(*form_, own_skin_, "SmallForm");
  dress::SkinForm(*form_, main_skin_);
}

void ProcessWindow::Display() {
  std::vector<ProcessEntry> entries;
  // A snapshot the system refuses leaves the list as it is.
  if (services_.processes.Snapshot(entries) != status::kOk) return;
  if (listed_once_ && SameProcesses(entries, listed_)) return;
  const uint64_t now = services_.processes.Now();

  ui::Control& list = (*form_)["info"];
  const std::optional<ProcessEntry> selected = SelectedProcess();
  list.SetRows(ListRows(entries));
  int keep = -1;
  for (size_t i = 0; selected && i < entries.size(); ++i) {
    if (SameProcess(entries[i], *selected)) keep = static_cast<int>(i);
  }
  list.SetListIndex(keep);
  listed_ = std::move(entries);
  listed_at_ = now;
  listed_once_ = true;
  ShowSelection();
}

std::optional<ProcessEntry> ProcessWindow::SelectedProcess() const {
  const int row = (*form_)["info"].SelectedRow();
  if (row < 0 || row >= static_cast<int>(listed_.size())) return std::nullopt;
  return listed_[row];
}

void ProcessWindow::ShowSelection() {
  const std::optional<ProcessEntry> selected = SelectedProcess();
  (*form_)["Label2"].SetCaption(selected ? ui::LiteralCaption(FileNameOf(selected->exe_file)) : std::string());
  (*form_)["terminatecmd"].SetEnabled(selected.has_value());
}

void ProcessWindow::Terminate() {
  const std::optional<ProcessEntry> chosen = SelectedProcess();
  if (!chosen) return;
  if (MayEnd(*chosen)) End(*chosen);
  Display();
  // Nothing stays selected, so a second click (a double click) ends nothing else.
  (*form_)["info"].SetListIndex(-1);
  ShowSelection();
}

bool ProcessWindow::MayEnd(const ProcessEntry& chosen) {
  const std::string name = FileNameOf(chosen.exe_file);
  if (chosen.id == services_.processes.CurrentProcessId()) {
    Say(language::Say(services_, language::phrase::kCannotEndItself), mb::kIconInformation);
    return false;
  }
  const OpenedProcess process(services_.processes, chosen.id);
  if (!StillRuns(chosen, process)) return false;
  const bool critical = (process.Handle() && services_.processes.IsCritical(process.Handle())) ||
                        IsCoreProcess(chosen.id, chosen.exe_file);
  if (!critical) return true;
  const int answer = services_.dialogs.ShowMessage(
      app_.HandleOf(*form_),
      language::Say(services_, language::phrase::kEndCriticalQuestion, {name}),
      kDefaultMessageTitle, mb::kYesNo | mb::kIconExclamation | mb::kDefaultButton2);
  return answer == mb::kIdYes;
}

void ProcessWindow::End(const ProcessEntry& chosen) {
  // The handle keeps the process's id from going to another one until it is ended.
  OpenedProcess process(services_.processes, chosen.id);
  if (!StillRuns(chosen, process)) return;
  if (const Status status = EndOpenedProcess(services_.processes, log_, process);
      status != status::kOk) {
    SayNotEnded(FileNameOf(chosen.exe_file), status);
  }
}

bool ProcessWindow::StillRuns(const ProcessEntry& chosen, const OpenedProcess& process) {
  // The system refuses to open an id that no process has as an invalid parameter.
  bool runs = process.OpenStatus() != status::kInvalidParameter;
  std::vector<ProcessEntry> now;
  if (runs && services_.processes.Snapshot(now) == status::kOk) {
    runs = std::any_of(now.begin(), now.end(),
                       [&](const ProcessEntry& entry) { return SameProcess(entry, chosen); });
  }
  uint64_t started = 0;
  if (runs && process.Handle() &&
      services_.processes.StartTime(process.Handle(), started) == status::kOk) {
    // Without a start time from the listing, one after the listing shows a newer process.
    runs = chosen.start_time ? started == chosen.start_time : started <= listed_at_;
  }
  if (!runs) {
    listed_once_ = false;  // the next Display lists what runs now
    Say(language::Say(services_, language::phrase::kAlreadyEnded, {FileNameOf(chosen.exe_file)}),
        mb::kIconInformation);
  }
  return runs;
}

void ProcessWindow::SayNotEnded(const std::string& name, Status status) {
  std::string text = language::CouldNot(services_, language::phrase::kProcessNotEnded, status, {name});
  if (status == status::kAccessDenied) {
    text += "\n" + language::Say(services_, language::phrase::kEndingNeedsAdministrator);
  }
  Say(text, mb::kIconExclamation);
}

void ProcessWindow::Say(const std::string& text, unsigned icon) {
  services_.dialogs.ShowMessage(app_.HandleOf(*form_), text, kDefaultMessageTitle, mb::kOk | icon);
}

void ShowProcessWindow(ui::Application& app, ui::Form& owner, const Services& services,
                       const skin::SkinInstance& main_skin) {
  ProcessWindow window(app, services, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::process
