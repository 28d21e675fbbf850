#pragma once
// "enumfrm", the process list: every running process by name and id, refreshed each
// second, and "Terminate" for the selected one. Terminate ends only the process the row
// was listed for, asks before ending one that Windows cannot run without, and never ends
// this program itself.
#include <memory>
#include <optional>
#include <vector>

#include "errorlog/error_log.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::process {

inline constexpr const char* kProcessWindowTitleKey = "7002";

// The window as designed: introduction, the list, the selected name, two buttons, two timers.
std::unique_ptr<ui::Form> CreateProcessForm();

class ProcessWindow {
 public:
  // main_skin is the main window's skin instance, which skins this window's controls.
  ProcessWindow(ui::Application& app, const Services& services,
                const skin::SkinInstance& main_skin);
  ProcessWindow(const ProcessWindow&) = delete;
  ProcessWindow& operator=(const ProcessWindow&) = delete;

  ui::Form& Form() { return *form_; }
  // The refresh of each second: the list is rebuilt when the set of processes changed.
  void Display();
  void Terminate();

 private:
  void Load();
  // The selected row's name in Label2; Terminate is offered only while a row is selected.
  void ShowSelection();
  // The process the selected row was listed for.
  std::optional<ProcessEntry> SelectedProcess() const;
  // Whether the user may end the chosen process: not this program, still running, and
  // confirmed when Windows cannot run without it. Says why not otherwise.
  bool MayEnd(const ProcessEntry& chosen);
  // Ends the chosen process once it has been looked up again: a question may have waited
  // long enough for it to end and for its id to go to another process.
  void End(const ProcessEntry& chosen);
  // Whether the opened process is still the one chosen (same id, name and start time);
  // says that it has ended otherwise.
  bool StillRuns(const ProcessEntry& chosen, const OpenedProcess& process);
  // Why the selected process is still running, once, after a refused or failed end.
  void SayNotEnded(const std::string& name, Status status);
  void Say(const std::string& text, unsigned icon);

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  errorlog::ErrorLog log_;
  std::unique_ptr<ui::Form> form_;
  std::vector<ProcessEntry> listed_;
  uint64_t listed_at_ = 0;  // system time just after the listing's snapshot
  bool listed_once_ = false;
};

// Opens the window modally over its owner and returns once it has been closed.
void ShowProcessWindow(ui::Application& app, ui::Form& owner, const Services& services,
                       const skin::SkinInstance& main_skin);

}  // namespace qb::process
