#include "app/history_window.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "dress/small_window.h"
#include "journal/action_text.h"
#include "journal/journaling_registry.h"
#include "journal/undo.h"
#include "language/numbers.h"
#include "language/wording.h"

namespace qb::app {

namespace {

namespace phrase = language::phrase;

std::string TimeText(const LocalTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return text;
}

}  // namespace

std::unique_ptr<ui::Form> CreateHistoryForm() {
  auto form = std::make_unique<ui::Form>("historyfrm", "History", 8040, 6600);
  using ui::ControlKind;
  const auto key = [](const language::Phrase& p) { return std::string(p.key); };
  form->Add({.name = "actionslbl", .kind = ControlKind::Label, .caption = "Changes made", .tag = "8852",
             .rect = {240, 180, 7560, 255}});
  form->Add({.name = "actions", .kind = ControlKind::ListView, .rect = {240, 480, 7560, 2400},
             .columns = {{"Date and time", 1900, key(phrase::kColumnWhen)},
                         {"Page or window", 1800, key(phrase::kColumnCategory)},
                         {"Changes", 3700, key(phrase::kColumnSummary)}}});
  // The items of the action chosen above, each with its state before and after.
  form->Add({.name = "itemslbl", .kind = ControlKind::Label, .caption = std::string(phrase::kItemsLabel.english),
             .tag = key(phrase::kItemsLabel), .rect = {240, 2940, 7560, 255}});
  form->Add({.name = "items", .kind = ControlKind::ListView, .rect = {240, 3240, 7560, 1800},
             .columns = {{"Changed item", 4300, key(phrase::kColumnItem)},
                         {"Before", 1550, key(phrase::kColumnBefore)},
                         {"After", 1550, key(phrase::kColumnAfter)}}});
  form->Add({.name = "undocmd", .kind = ControlKind::CommandButton, .caption = "&Undo",
             .tag = key(phrase::kUndo), .rect = {240, 5220, 1500, 380}});
  form->Add({.name = "undosincecmd", .kind = ControlKind::CommandButton,
             .caption = "Undo &all since", .tag = key(phrase::kUndoAllSince),
             .rect = {1860, 5220, 2400, 380}});
  form->Add({.name = "sincetext", .kind = ControlKind::TextBox, .rect = {4380, 5220, 1500, 380}});
  form->Add({.name = "foldercmd", .kind = ControlKind::CommandButton,
             .caption = "&Open backup folder", .tag = key(phrase::kOpenBackupFolder),
             .rect = {240, 5760, 4020, 380}});
  form->Add({.name = "closecmd", .kind = ControlKind::CommandButton, .caption = "&Close",
             .tag = key(phrase::kClose), .rect = {6300, 5760, 1500, 380}});
  return form;
}

std::vector<ActionLine> ActionLines(const std::vector<journal::Record>& records) {
  std::vector<ActionLine> lines;
  for (const journal::Record& record : records) {
    auto found = std::find_if(lines.begin(), lines.end(),
                              [&](const ActionLine& l) { return l.id == record.action; });
    if (found == lines.end()) {
      lines.push_back({record.action, record.time, {}, {}});
      found = lines.end() - 1;
    }
    if (record.kind == journal::ItemKind::ActionStart) {
      found->category = record.target;
      found->summary = record.detail;
    }
  }
  return lines;
}

HistoryWindow::HistoryWindow(ui::Application& app, journal::JournaledServices& journaled,
                             const skin::SkinInstance& main_skin)
    : app_(app), journaled_(journaled), main_skin_(main_skin), form_(CreateHistoryForm()) {
  ui::Form& form = *form_;
  form["undocmd"].on_click = [this] { UndoSelected(); };
  form["undosincecmd"].on_click = [this] { UndoSince(); };
  form["foldercmd"].on_click = [this] { OpenBackupFolder(); };
  form["closecmd"].on_click = [this] { app_.Unload(*form_); };
  form["actions"].on_click = [this] { ShowItems(); };
  form.on_load = [this] { Load(); };
  form.on_shown = [this] {
    for (const std::string& text : std::exchange(untold_, {})) Tell(text);
  };
}

void HistoryWindow::Load() {
  dress::LoadSmallWindow(*form_, journaled_.services(), own_skin_, main_skin_, kHistoryTitleKey,
                         form_->Caption());
  const LocalTime now = journaled_.services().clock.Now();
  (*form_)["sincetext"].SetText(TimeText(now).substr(0, 10));
  Fill();
  if (journaled_.DamagedAtStart() > 0) {
    Tell(language::Say(journaled_.services(), phrase::kDamagedRecords,
                       {language::ShownNumber(journaled_.services(), static_cast<int64_t>(journaled_.DamagedAtStart()))}));
  }
  if (journaled_.Dropped() > 0) {
    Tell(language::Say(journaled_.services(), phrase::kCompacted,
                       {language::ShownNumber(journaled_.services(), static_cast<int64_t>(journaled_.Dropped()))}));
  }
}

void HistoryWindow::Fill() {
  const journal::Decoded decoded = journaled_.journal().Load();
  records_ = decoded.records;
  lines_ = ActionLines(records_);
  std::reverse(lines_.begin(), lines_.end());
  const language::Wording say = language::InChosenLanguage(journaled_.services());
  std::vector<ui::ListRow> rows;
  for (const ActionLine& line : lines_) {
    const journal::ActionText text = journal::ShowAction(line.category, line.summary, say);
    rows.push_back({{TimeText(line.time), text.category, text.summary}, {}});
  }
  (*form_)["actions"].SetRows(std::move(rows));
  ShowItems();
  if (decoded.damaged > 0) {
    Tell(language::Say(journaled_.services(), phrase::kDamagedRecords,
                       {language::ShownNumber(journaled_.services(), static_cast<int64_t>(decoded.damaged))}));
  }
}

void HistoryWindow::ShowItems() {
  const int row = (*form_)["actions"].SelectedRow();
  std::vector<ui::ListRow> rows;
  if (row >= 0 && row < static_cast<int>(lines_.size())) {
    const language::Wording say = language::InChosenLanguage(journaled_.services());
    for (const journal::Record& record : journal::RecordsOf(records_, lines_[row].id)) {
      if (record.kind == journal::ItemKind::ActionStart) continue;
      const auto cells = journal::ItemCells(record, say);
      rows.push_back({{cells.begin(), cells.end()}, {}});
    }
  }
  (*form_)["items"].SetRows(std::move(rows));
}

void HistoryWindow::OpenBackupFolder() {
  const Services& services = journaled_.services();
  const std::string& path = journaled_.journal().path();
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) {
    Tell(language::Say(services, phrase::kNoJournal));
    return;
  }
  const std::string folder = path.substr(0, slash);
  const intptr_t result = services.shell.Execute(
      {.owner = app_.HandleOf(*form_), .verb = "open", .file = folder, .directory = folder});
  if (result <= 32) {
    Tell(language::CouldNot(services, phrase::kBackupFolderNotOpened, ShellFailure(result),
                            {folder}));
  }
}

void HistoryWindow::UndoSelected() {
  const int row = (*form_)["actions"].SelectedRow();
  if (row < 0 || row >= static_cast<int>(lines_.size())) {
    Tell(language::Say(journaled_.services(), phrase::kChooseAction));
    return;
  }
  Undo({lines_[row].id});
}

void HistoryWindow::UndoSince() {
  const std::string typed = (*form_)["sincetext"].Text();
  LocalTime since;
  if (!journal::ParseDay(typed, since)) {
    Tell(language::Say(journaled_.services(), phrase::kBadSinceDate, {typed}));
    return;
  }
  const std::vector<uint64_t> ids = journal::ActionsSince(records_, since);
  if (ids.empty()) {
    Tell(language::Say(journaled_.services(), phrase::kNothingSince, {typed}));
    return;
  }
  Undo(ids);
}

void HistoryWindow::Undo(const std::vector<uint64_t>& ids) {
  std::string report;
  {
    // Undoing a cleaner run puts back thousands of entries: the wait cursor says it is busy.
    const ui::BusyScope busy(*form_);
    for (const uint64_t id : ids) report += UndoOne(id);
    Fill();
  }
  Tell(report);
}

// Undoes one action and says how it went, with a line for each item it left.
std::string HistoryWindow::UndoOne(uint64_t id) {
  const Services& services = journaled_.services();
  const auto line = std::find_if(lines_.begin(), lines_.end(),
                                 [id](const ActionLine& l) { return l.id == id; });
  const journal::UndoResult result =
      journal::UndoRecords(journal::RecordsOf(records_, id), journaled_.UndoThrough());
  std::string what = std::to_string(id);
  if (line != lines_.end()) {
    const journal::ActionText text =
        journal::ShowAction(line->category, line->summary, language::InChosenLanguage(services));
    what = language::Say(services, phrase::kActionSummary, {text.category, text.summary});
  }
  std::string report = language::Say(services, phrase::kUndoneAction,
                                     {what, language::ShownNumber(services, static_cast<int64_t>(result.undone))}) +
                       "\n";
  const language::Wording say = language::InChosenLanguage(services);
  for (const std::string& target : result.left) {
    report += "  " + say(phrase::kLeftChanged, {journal::ReadableTarget(target, say)}) + "\n";
  }
  for (const std::string& target : result.failed) {
    report += "  " + say(phrase::kNotRestored, {journal::ReadableTarget(target, say)}) + "\n";
  }
  for (const std::string& target : result.not_undoable) {
    report += "  " + language::Say(services, phrase::kNotUndoable, {target}) + "\n";
  }
  for (const auto& copy : result.unusable_copies) {
    report += "  " + language::Say(services, copy.missing ? phrase::kBackupCopyMissing : phrase::kBackupCopyAltered,
                                   {copy.target, copy.copy}) + "\n";
  }
  return report;
}

void HistoryWindow::Tell(const std::string& text) {
  if (!app_.HandleOf(*form_)) {
    untold_.push_back(text);
    return;
  }
  journaled_.services().dialogs.ShowMessage(app_.HandleOf(*form_), text, form_->Caption(),
                                            mb::kOk | mb::kIconInformation);
}

void ShowHistory(ui::Application& app, ui::Form& owner, journal::JournaledServices& journaled,
                 const skin::SkinInstance& main_skin) {
  HistoryWindow window(app, journaled, main_skin);
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::app
