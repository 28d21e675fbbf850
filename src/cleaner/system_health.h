#pragma once
// The System Health window: each frame's "Check && Repair" scans its registry area and
// removes the invalid entries in one click, after backing them up; the window shows how
// many were found and how many were really removed. With the review chosen, the findings
// are listed first and only those the user leaves ticked go.
#include <array>
#include <memory>
#include <optional>

#include "cleaner/category.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::cleaner {

class SystemHealthWindow {
 public:
  SystemHealthWindow(ui::Application& app, const Services& services);
  SystemHealthWindow(const SystemHealthWindow&) = delete;
  SystemHealthWindow& operator=(const SystemHealthWindow&) = delete;

  ui::Form& Form() { return *form_; }
  // The work lists of the frame's last run (empty before the first and for frames whose
  // category has none).
  const ScanResult& Results(size_t frame) const { return results_[frame]; }
  bool Running() const { return running_; }
  // Whether "Show what will be removed first" is ticked: a run then lists its findings
  // before anything is removed.
  bool Reviewing() const;
  const std::string& LastBackupPath() const { return last_backup_path_; }

 private:
  void Load();
  // The caption for a language key in the chosen language; design where no file holds it.
  void Run(size_t frame);
  void RunCategory(size_t frame, const Category& category);
  void SetButtonsEnabled(bool enabled);
  void StoreReviewChoice();
  // The machine's repair lock, once another repair has let it go (after one message that
  // says the run waits); null when the window is closed meanwhile.
  std::unique_ptr<HeldLock> WaitForRepairTurn();

  ui::Application& app_;
  Services services_;
  std::unique_ptr<ui::Form> form_;
  skin::SkinInstance skin_;
  std::array<const Category*, 6> categories_{};
  std::array<ScanResult, 6> results_;
  std::string last_backup_path_;
  bool running_ = false;
  bool close_requested_ = false;
};

// Opens the window modally over its owner and returns once it has been closed.
void ShowSystemHealth(ui::Application& app, ui::Form& owner, const Services& services);

}  // namespace qb::cleaner
