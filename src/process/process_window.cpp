#include "process/process_window.h"

#include <charconv>
#include <optional>

#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "platform/app_settings.h"
#include "platform/text.h"
#include "process/kill_process.h"
#include "process/process_list.h"

namespace qb::process {

namespace {

constexpr const char* kTitle = "Process manager";
constexpr const char* kIntroduction =
    "You can free up some memory by terminating some processes resident in memory and may be "
    "unused.";

uint32_t RowId(const ui::ListRow& row) {
  uint32_t id = 0;
  if (row.cells.size() < 2) return 0;
  const std::string& text = row.cells[1];
  std::from_chars(text.data(), text.data() + text.size(), id);
  return id;
}

}  // namespace

std::unique_ptr<ui::Form> CreateProcessForm() {
  auto form = std::make_unique<ui::Form>("enumfrm", kTitle, 5640, 5400);
  using ui::ControlKind;
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = kIntroduction,
             .tag = "3010", .rect = {240, 480, 5160, 600}});
  form->Add({.name = "info", .kind = ControlKind::ListView, .rect = {240, 1140, 5160, 2760},
             .columns = {{"Process Name", 3300}, {"Process ID", 1500}}});
  form->Add({.name = "Label2", .kind = ControlKind::SkinLabel, .rect = {240, 4020, 5160, 255}});
  // The key of "Close" would caption this button "Close" too: it keeps its own caption.
  form->Add({.name = "terminatecmd", .kind = ControlKind::CommandButton, .caption = "Terminate",
             .rect = {240, 4440, 1800, 380}});
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
  ui::Control& terminate = form["terminatecmd"];
  ui::Control& close = form["Command1"];
  ui::Control& every_second = form["Timer1"];
  ui::Control& label_timer = form["Timer2"];
  terminate.on_click = [this] { Terminate(); };
  close.on_click = [this] { app_.Unload(*form_); };
  every_second.on_timer = [this] { Display(); };
  label_timer.on_timer = [this] { ShowSelectedName(); };
  form.on_load = [this] { Load(); };
}

void ProcessWindow::Load() {
  const std::string app_folder = services_.environment.ApplicationFolder();
  const std::string language = language::StoredChoice(AppSettings(services_.registry));
  const std::string title =
      language::LookUp(services_.profile, app_folder, kProcessWindowTitleKey, language);
  form_->SetCaption(title.empty() ? std::string(kTitle) : title);
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
  std::optional<ProcessEntry> selected;
  if (const int row = list.SelectedRow(); row >= 0 && row < static_cast<int>(list.Rows().size())) {
    selected = ProcessEntry{RowId(list.Rows()[row]), list.Rows()[row].tag};
  }
  list.SetRows(ListRows(entries));
  int keep = -1;
  for (size_t i = 0; selected && i < entries.size(); ++i) {
    if (entries[i].id == selected->id && entries[i].exe_file == selected->exe_file) {
      keep = static_cast<int>(i);
    }
  }
  list.SetListIndex(keep);
  listed_ = std::move(entries);
  listed_at_ = now;
  listed_once_ = true;
}

void ProcessWindow::ShowSelectedName() {
  const ui::Control& list = (*form_)["info"];
  const int row = list.SelectedRow();
  const bool valid = row >= 0 && row < static_cast<int>(list.Rows().size());
  (*form_)["Label2"].SetCaption(valid ? list.Rows()[row].cells[0] : std::string());
}

void ProcessWindow::Terminate() {
  ui::Control& list = (*form_)["info"];
  const int row = list.SelectedRow();
  if (row < 0 || row >= static_cast<int>(list.Rows().size())) return;
  const uint32_t id = RowId(list.Rows()[row]);
  const std::string exe_file = list.Rows()[row].tag;
  if (MayEnd(id, exe_file)) {
    if (const Status status = Kill_Process(services_.processes, log_, id); status != status::kOk) {
      SayNotEnded(FileNameOf(exe_file), status);
    }
  }
  Display();
  list.SetListIndex(list.Rows().empty() ? -1 : 0);
}

bool ProcessWindow::MayEnd(uint32_t id, const std::string& exe_file) {
  const std::string name = FileNameOf(exe_file);
  if (id == services_.processes.CurrentProcessId()) {
    Say("Quill Box cannot end itself from its own process list. Use Close, then close the "
        "program's window.", mb::kIconInformation);
    return false;
  }
  // The id must still belong to the same program, started before the row was listed:
  // otherwise it has ended and the system may have given its id to another process.
  std::vector<ProcessEntry> now;
  bool present = false;
  if (services_.processes.Snapshot(now) == status::kOk) {
    for (const auto& entry : now) present = present || (entry.id == id && entry.exe_file == exe_file);
  }
  OpenedProcess process(services_.processes, id);
  uint64_t started = 0;
  if (present && process.Handle() &&
      services_.processes.StartTime(process.Handle(), started) == status::kOk &&
      started > listed_at_) {
    present = false;
  }
  if (!present) {
    listed_once_ = false;  // the next Display lists what runs now
    Say(name + " has already ended.", mb::kIconInformation);
    return false;
  }
  const bool critical = (process.Handle() && services_.processes.IsCritical(process.Handle())) ||
                        IsCoreProcess(id, exe_file);
  if (!critical) return true;
  const int answer = services_.dialogs.ShowMessage(
      app_.HandleOf(*form_),
      name + " is a part of Windows that the system cannot run without. Ending it stops "
             "Windows at once: every program closes without saving its work and the computer "
             "restarts.\r\n\r\nEnd " + name + " anyway?",
      kDefaultMessageTitle, mb::kYesNo | mb::kIconExclamation | mb::kDefaultButton2);
  return answer == mb::kIdYes;
}

void ProcessWindow::SayNotEnded(const std::string& name, Status status) {
  std::string text = name + " was not ended: " + services_.environment.ErrorText(status) + ".";
  if (status == status::kAccessDenied) {
    text += "\r\nEnding a process of another user or of Windows needs an administrator.";
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
