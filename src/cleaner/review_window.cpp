#include "cleaner/review_window.h"

#include <algorithm>

#include "cleaner/exclusions_saving.h"
#include "cleaner/selection.h"
#include "dress/small_window.h"
#include "language/numbers.h"
#include "language/wording.h"

namespace qb::cleaner {

namespace {

namespace phrase = language::phrase;
using ui::ControlKind;

std::string Key(const language::Phrase& phrase) { return std::string(phrase.key); }

// Why the category judged a finding invalid, in the user's language.
const language::Phrase& Why(const Category& category) {
  if (category.verdict == "no uninstall command") return phrase::kWhyNoUninstallCommand;
  if (category.verdict == "target missing") return phrase::kWhyTargetMissing;
  return phrase::kWhyMissing;
}

std::string FolderOf(const std::string& file) {
  const size_t slash = file.rfind('\\');
  if (slash == std::string::npos) return {};
  return file.substr(0, slash == 2 ? 3 : slash);  // "C:\" keeps its backslash
}

std::string FileNameOf(const std::string& file) { return file.substr(file.rfind('\\') + 1); }

}  // namespace

std::unique_ptr<ui::Form> BuildReviewForm() {
  auto form = std::make_unique<ui::Form>("reviewfrm", std::string(phrase::kReviewTitle.english), 11400, 5900);
  form->Add({.name = "intro", .kind = ControlKind::SkinLabel, .caption = std::string(phrase::kReviewIntro.english),
             .tag = Key(phrase::kReviewIntro), .rect = {120, 120, 11000, 300}});
  form->Add({.name = "findings", .kind = ControlKind::ListView, .rect = {120, 480, 11000, 3840},
             .columns = {{std::string(phrase::kColumnView.english), 800, Key(phrase::kColumnView)},
                         {std::string(phrase::kColumnEntry.english), 5000, Key(phrase::kColumnEntry)},
                         {std::string(phrase::kColumnValue.english), 1300, Key(phrase::kColumnValue)},
                         {std::string(phrase::kColumnTested.english), 2600, Key(phrase::kColumnTested)},
                         {std::string(phrase::kColumnWhy.english), 1100, Key(phrase::kColumnWhy)}},
             .check_boxes = true,
             .multi_select = true});
  form->Add({.name = "ticked", .kind = ControlKind::Label, .rect = {120, 4400, 5000, 255}});
  const auto button = [&](std::string name, const language::Phrase& caption, int left, int width) {
    form->Add({.name = std::move(name), .kind = ControlKind::CommandButton, .caption = std::string(caption.english),
               .tag = Key(caption), .rect = {left, 4800, width, 375}});
  };
  button("tickall", phrase::kTickAll, 120, 1500);
  button("untickall", phrase::kUntickAll, 1740, 1500);
  button("keep", phrase::kAlwaysKeep, 3360, 1700);
  button("repair", phrase::kRepairSelected, 6900, 2520);
  button("cancel", phrase::kCancel, 9540, 1580);
  return form;
}

ReviewWindow::ReviewWindow(ui::Application& app, const Services& services, const skin::SkinInstance& main_skin,
                           const Category& category, ScanResult& scan, Exclusions& exclusions)
    : app_(app), services_(services), main_skin_(main_skin), category_(category), scan_(scan),
      exclusions_(exclusions), form_(BuildReviewForm()) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form["findings"].on_change = [this] { ShowCount(); };
  form["tickall"].on_click = [this] { TickAll(true); };
  form["untickall"].on_click = [this] { TickAll(false); };
  form["keep"].on_click = [this] { AlwaysKeep(); };
  form["repair"].on_click = [this] {
    repair_chosen_ = true;
    app_.Unload(*form_);
  };
  form["cancel"].on_click = [this] { app_.Unload(*form_); };
}

void ReviewWindow::Load() {
  dress::LoadSmallWindow(*form_, services_, own_skin_, main_skin_, phrase::kReviewTitle.key,
                         phrase::kReviewTitle.english);
  FillRows();
}

void ReviewWindow::FillRows() {
  const std::string why = language::Say(services_, Why(category_));
  const std::string view64 = language::Say(services_, phrase::kView64);
  const std::string view32 = language::Say(services_, phrase::kView32);
  const std::string default_value = language::Say(services_, phrase::kDefaultValueName);
  std::vector<ui::ListRow> rows;
  rows.reserve(scan_.removals.size());
  for (size_t i = 0; i < scan_.removals.size(); ++i) {
    const Removal& removal = scan_.removals[i];
    const bool file = !removal.file.empty();
    const std::string view = file                                   ? std::string()
                             : removal.key.view == RegView::Force64 ? view64
                             : removal.key.view == RegView::Force32 ? view32
                                                                    : std::string();
    const std::string entry = file ? removal.file : ExclusionEntry(Removal{removal.key, std::nullopt, {}});
    const std::string value = !removal.value_name       ? std::string()
                              : removal.value_name->empty() ? default_value
                                                            : *removal.value_name;
    rows.push_back({{view, entry, value, scan_.tested[i], why}, {}, true});
  }
  ui::Control& list = (*form_)["findings"];
  list.SetRows(std::move(rows));
  if (!list.Rows().empty()) list.SetListIndex(0);
  ShowCount();
}

std::vector<bool> ReviewWindow::Ticked() const {
  const auto& rows = (*form_)["findings"].Rows();
  std::vector<bool> ticked(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) ticked[i] = rows[i].checked;
  return ticked;
}

void ReviewWindow::TickAll(bool ticked) {
  ui::Control& list = (*form_)["findings"];
  for (size_t i = 0; i < list.Rows().size(); ++i) list.SetRowChecked(static_cast<int>(i), ticked);
}

void ReviewWindow::ShowCount() {
  const std::vector<bool> ticked = Ticked();
  const auto count = static_cast<size_t>(std::count(ticked.begin(), ticked.end(), true));
  (*form_)["ticked"].SetCaption(language::Say(services_, phrase::kTickedCount,
                                              {language::ShownNumber(services_, static_cast<int64_t>(count)),
                                               language::ShownNumber(services_, static_cast<int64_t>(ticked.size()))}));
  (*form_)["repair"].SetEnabled(count > 0);
  (*form_)["keep"].SetEnabled(!ticked.empty());
}

std::string ReviewWindow::EntryToKeep(const Removal& removal) {
  if (removal.file.empty()) return ExclusionEntry(removal);
  const std::string folder = FolderOf(removal.file);
  if (folder.empty()) return removal.file;
  const int answer = services_.dialogs.ShowMessage(
      app_.HandleOf(*form_), language::Say(services_, phrase::kKeepFolderQuestion, {folder, FileNameOf(removal.file)}),
      form_->Caption(), mb::kYesNo | mb::kIconQuestion);
  return answer == mb::kIdYes ? folder : removal.file;
}

void ReviewWindow::AlwaysKeep() {
  ui::Control& list = (*form_)["findings"];
  const std::vector<int> chosen = list.SelectedRows();
  Exclusions wanted = exclusions_;
  bool keeps_any = false;
  for (int row : chosen) {
    if (row < 0 || row >= static_cast<int>(scan_.removals.size())) continue;
    const Removal& removal = scan_.removals[row];
    // A folder kept for an earlier row may keep this one as well: no second question.
    if (!wanted.Keeps(removal)) wanted.Add(EntryToKeep(removal));
    keeps_any = keeps_any || wanted.Keeps(removal);
  }
  if (!keeps_any) return;
  if (!SaveExclusionsOrSay(services_, app_.HandleOf(*form_), form_->Caption(), wanted)) return;
  exclusions_ = std::move(wanted);
  // Every row the new entry keeps leaves the list (a folder may keep several), the others
  // keep their ticks.
  std::vector<bool> offered(scan_.removals.size());
  std::vector<ui::ListRow> rows;
  for (size_t i = 0; i < scan_.removals.size(); ++i) {
    offered[i] = !exclusions_.Keeps(scan_.removals[i]);
    if (offered[i]) rows.push_back(list.Rows()[i]);
  }
  KeepOnly(scan_, offered, true);
  list.SetRows(std::move(rows));
  if (!list.Rows().empty()) list.SetListIndex(std::min(chosen.front(), static_cast<int>(list.Rows().size()) - 1));
  ShowCount();
}

bool ReviewFindings(ui::Application& app, ui::Form& owner, const Services& services,
                    const skin::SkinInstance& main_skin, const Category& category, ScanResult& scan,
                    Exclusions& exclusions) {
  ReviewWindow window(app, services, main_skin, category, scan, exclusions);
  app.ShowModal(window.Form(), &owner);
  if (!window.RepairChosen()) return false;
  KeepOnly(scan, window.Ticked());
  return true;
}

}  // namespace qb::cleaner
