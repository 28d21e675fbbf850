#pragma once
// "History": every journaled action, newest first, with its time, page or window and what
// it changed; "Undo" takes back the selected action, "Undo all since" every action on or
// after a date, newest first. The chosen action's items are listed below it with their
// states before and after, and "Open backup folder" shows where the journal is kept. What
// an undo left because it changed since, and why, is said plainly afterwards. The undo
// goes through the journaled services, so it is an action too.
#include <memory>
#include <vector>

#include "journal/journal_place.h"
#include "skin/skin_instance.h"
#include "ui/application.h"
#include "ui/form.h"

namespace qb::app {

inline constexpr const char* kHistoryTitleKey = "8600";

std::unique_ptr<ui::Form> CreateHistoryForm();

// An action as the list shows it: the last start record written for its id, which carries
// its final summary, and the time of its first record.
struct ActionLine {
  uint64_t id = 0;
  LocalTime time;
  std::string category;
  std::string summary;
};
std::vector<ActionLine> ActionLines(const std::vector<journal::Record>& records);

class HistoryWindow {
 public:
  HistoryWindow(ui::Application& app, journal::JournaledServices& journaled,
                const skin::SkinInstance& main_skin);
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  ui::Form& Form() { return *form_; }

 private:
  void Load();
  void Fill();
  // The items of the chosen action in the list below it.
  void ShowItems();
  void OpenBackupFolder();
  void UndoSelected();
  void UndoSince();
  // Undoes the actions in the order given and says what came of it.
  void Undo(const std::vector<uint64_t>& ids);
  std::string UndoOne(uint64_t id);
  // Told over the window; what comes up while it is being made waits until it is shown.
  void Tell(const std::string& text);

  ui::Application& app_;
  journal::JournaledServices& journaled_;
  const skin::SkinInstance& main_skin_;
  skin::SkinInstance own_skin_;
  std::unique_ptr<ui::Form> form_;
  std::vector<journal::Record> records_;
  std::vector<ActionLine> lines_;  // newest first, as listed
  std::vector<std::string> untold_;
};

void ShowHistory(ui::Application& app, ui::Form& owner, journal::JournaledServices& journaled,
                 const skin::SkinInstance& main_skin);

}  // namespace qb::app
