#pragma once
// The window that lists the entries the cleaner always keeps, one a row, where the user
// takes back an entry with "Remove" (or Delete in the list). The file is written whole
// after each change, so what the window shows is what the next run reads.
#include <memory>

#include "cleaner/exclusions.h"
#include "platform/services.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::cleaner {

// The window `exclusionsfrm` as laid out, before the entries fill it.
std::unique_ptr<ui::Form> BuildExclusionsForm();

class ExclusionsWindow {
 public:
  ExclusionsWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin);
  ExclusionsWindow(const ExclusionsWindow&) = delete;
  ExclusionsWindow& operator=(const ExclusionsWindow&) = delete;

  ui::Form& Form() { return *form_; }

 private:
  void Load();
  void ShowEntries(int select);
  void RemoveSelected();

  ui::Application& app_;
  Services services_;
  const skin::SkinInstance& main_skin_;
  std::unique_ptr<ui::Form> form_;
  skin::SkinInstance own_skin_;
  Exclusions exclusions_;
  // A file that could not be read is never written over with what little the window knows.
  bool readable_ = false;
};

void ShowExclusions(ui::Application& app, ui::Form& owner, const Services& services,
                    const skin::SkinInstance& main_skin);

}  // namespace qb::cleaner
