#pragma once
// The list a careful user reads before a repair: every finding of a category's scan, each
// ticked, to untick what should stay, keep always what should never be offered again, and
// then repair only what is still ticked or cancel without touching anything.
#include <memory>
#include <vector>

#include "cleaner/category.h"
#include "cleaner/exclusions.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::cleaner {

// The review window `reviewfrm` as laid out, before the findings fill it.
std::unique_ptr<ui::Form> BuildReviewForm();

class ReviewWindow {
 public:
  // scan and exclusions are the caller's: "Always keep" adds to exclusions (saved at once)
  // and moves the rows it keeps from scan.removals to scan.excluded, so that the rows stay
  // in step with the removals.
  ReviewWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin,
               const Category& category, ScanResult& scan, Exclusions& exclusions);
  ReviewWindow(const ReviewWindow&) = delete;
  ReviewWindow& operator=(const ReviewWindow&) = delete;

  ui::Form& Form() { return *form_; }
  // True once "Repair selected" closed the window; a close by Cancel, Escape or the title
  // bar leaves it false.
  bool RepairChosen() const { return repair_chosen_; }
  // The ticks, in step with scan.removals.
  std::vector<bool> Ticked() const;

 private:
  void Load();
  void FillRows();
  void TickAll(bool ticked);
  void AlwaysKeep();
  void ShowCount();
  // The entry "Always keep" adds for a finding: its key, value or file, or for a shortcut
  // its folder when the user says so. Empty when the user turned the question down.
  std::string EntryToKeep(const Removal& removal);

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  const Category& category_;
  ScanResult& scan_;
  Exclusions& exclusions_;
  std::unique_ptr<ui::Form> form_;
  skin::SkinInstance own_skin_;
  bool repair_chosen_ = false;
};

// Shows the scan's findings for review over owner. On "Repair selected" narrows scan to the
// ticked findings and returns true; otherwise returns false and nothing is to be removed.
bool ReviewFindings(ui::Application& app, ui::Form& owner, const Services& services,
                    const skin::SkinInstance& main_skin, const Category& category, ScanResult& scan,
                    Exclusions& exclusions);

}  // namespace qb::cleaner
