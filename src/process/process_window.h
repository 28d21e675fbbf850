#pragma once
// "enumfrm", the process list: every running process by name and id, refreshed each
// second, and "Terminate" for the selected one. Terminate ends only the process the row
// was listed for, asks before ending one that Windows cannot run without, and never ends
// this program itself.
#include <memory>
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
  void ShowSelectedName();
  // Whether the selected row still stands for the process it was listed for, and the
  // user agrees to end it; says why not otherwise.
  bool MayEnd(uint32_t id, const std::string& exe_file);
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
