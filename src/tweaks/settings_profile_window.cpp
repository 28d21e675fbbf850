#include "tweaks/settings_profile_window.h"

#include <string>

#include "dress/small_window.h"
#include "language/wording.h"
#include "platform/replace_file.h"

namespace qb::tweaks {

namespace {

namespace phrase = language::phrase;

FileChoice ProfileChoice(const Services& services, std::string title) {
  return {.title = std::move(title),
          .filter = language::Say(services, phrase::kProfileFiles) + "|*.ini;*.txt|" +
                    language::Say(services, phrase::kAllFiles) + "|*.*"};
}

}  // namespace

std::unique_ptr<ui::Form> CreateSettingsProfileForm() {
  auto form = std::make_unique<ui::Form>("settingsprofile", "Settings profiles", 7800, 5400);
  using ui::ControlKind;
  form->Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Export settings...",
             .tag = "8500", .rect = {240, 360, 3300, 380}});
  form->Add({.name = "Command2", .kind = ControlKind::CommandButton, .caption = "Import settings...",
             .tag = "8501", .rect = {3660, 360, 3300, 380}});
  form->Add({.name = "SkinLabel1", .kind = ControlKind::SkinLabel, .caption = "", .rect = {240, 960, 7320, 480}});
  form->Add({.name = "List1", .kind = ControlKind::ListBox, .rect = {240, 1500, 7320, 2940}});
  // Nothing to apply until a profile without faults has been read.
  form->Add({.name = "Command3", .kind = ControlKind::CommandButton, .caption = "Apply",
             .tag = "1016", .rect = {2880, 4620, 1500, 380}, .enabled = false});
  form->Add({.name = "Command4", .kind = ControlKind::CommandButton, .caption = "Cancel",
             .tag = "8502", .rect = {4470, 4620, 1500, 380}, .enabled = false});
  form->Add({.name = "Command5", .kind = ControlKind::CommandButton, .caption = "Close",
             .tag = "1018", .rect = {6060, 4620, 1500, 380}});
  return form;
}

SettingsProfileWindow::SettingsProfileWindow(ui::Application& app, const Services& services,
                                             FileSystem& documents, const skin::SkinInstance& main_skin,
                                             std::function<void()> applied)
    : app_(app), services_(services), documents_(documents), main_skin_(main_skin), applied_(std::move(applied)),
      form_(CreateSettingsProfileForm()) {
  ui::Form& form = *form_;
  form["Command1"].on_click = [this] { Export(); };
  form["Command2"].on_click = [this] { Import(); };
  form["Command3"].on_click = [this] { Apply(); };
  form["Command4"].on_click = [this] { Cancel(); };
  form["Command5"].on_click = [this] { app_.Unload(*form_); };
  form.on_load = [this] { Load(); };
}

void SettingsProfileWindow::Load() {
  dress::LoadSmallWindow(*form_, services_, own_skin_, main_skin_, kProfileWindowTitleKey, form_->Caption());
  Show(language::Say(services_, phrase::kProfileChoose), {}, false);
}

void SettingsProfileWindow::Show(std::string heading, std::vector<std::string> lines, bool can_apply) {
  ui::Form& form = *form_;
  form["SkinLabel1"].SetCaption(std::move(heading));
  form["List1"].SetItems(std::move(lines));
  form["Command3"].SetEnabled(can_apply);
  form["Command4"].SetEnabled(can_apply);
}

void SettingsProfileWindow::Tell(const std::string& text, unsigned icon) {
  services_.dialogs.ShowMessage(app_.HandleOf(*form_), text, {}, mb::kOk | icon);
}

// The same text the companion's export writes, replacing the file whole or not at all.
void SettingsProfileWindow::Export() {
  std::string path;
  const std::string title = language::Say(services_, phrase::kProfileFiles);
  if (!services_.dialogs.ChooseSaveFile(app_.HandleOf(*form_), ProfileChoice(services_, title), path)) return;
  const std::string text = ExportProfile(services_);
  const Status written = ReplaceWholeFile(documents_, path, std::vector<uint8_t>(text.begin(), text.end()));
  if (written == status::kOk) {
    Tell(language::Say(services_, phrase::kProfileExported, {path}), mb::kIconInformation);
  } else {
    Tell(language::CouldNot(services_, phrase::kProfileNotWritten, written, {path}), mb::kIconExclamation);
  }
}

// Reads and checks the profile and lists what it would change; nothing is written here.
void SettingsProfileWindow::Import() {
  std::string path;
  const std::string title = language::Say(services_, phrase::kProfileFiles);
  if (!services_.dialogs.ChooseOpenFile(app_.HandleOf(*form_), ProfileChoice(services_, title), path)) return;
  changes_.clear();
  if (FileFacts facts; services_.files.GetFacts(path, facts) == status::kOk && facts.size > kLargestProfileBytes) {
    profile_ = {};
    Show(language::Say(services_, phrase::kProfileChoose), {}, false);
    Tell(language::Say(services_, phrase::kProfileTooLarge, {path, std::to_string(facts.size / 1024)}),
         mb::kIconExclamation);
    return;
  }
  std::vector<uint8_t> bytes;
  if (const Status read = services_.files.ReadFile(path, bytes); read != status::kOk) {
    profile_ = {};
    Show(language::Say(services_, phrase::kProfileChoose), {}, false);
    Tell(language::CouldNot(services_, phrase::kProfileNotRead, read, {path}), mb::kIconExclamation);
    return;
  }
  profile_ = ParseProfile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                          language::InChosenLanguage(services_));
  std::vector<std::string> lines;
  if (!profile_.errors.empty()) {
    for (const auto& error : profile_.errors) {
      lines.push_back(language::Say(services_, phrase::kProfileFaultLine, {std::to_string(error.line), error.message}));
    }
    if (profile_.unlisted_errors != 0) {
      lines.push_back(language::Say(services_, phrase::kProfileMoreFaults, {std::to_string(profile_.unlisted_errors)}));
    }
    Show(language::Say(services_, phrase::kProfileFaults), std::move(lines), false);
    return;
  }
  changes_ = PendingChanges(profile_, services_);
  const std::string not_set = language::Say(services_, phrase::kProfileNotSet);
  for (const auto& change : changes_) {
    lines.push_back(language::Say(services_, phrase::kProfileChangeLine,
                                  {change.entry->setting->name, change.current.value_or(not_set), change.entry->value}));
  }
  const bool any = !changes_.empty();
  Show(any ? language::Say(services_, phrase::kProfileWouldChange, {std::to_string(changes_.size())})
           : language::Say(services_, phrase::kProfileMatches),
       std::move(lines), any);
}

// Writes exactly the listed changes through the settings table, then says plainly what was
// applied and what was not, and why.
void SettingsProfileWindow::Apply() {
  if (changes_.empty()) return;
  const ImportResult result = ApplyChanges(changes_, services_, services_);
  const size_t wanted = changes_.size();
  changes_.clear();
  std::string report = language::Say(services_, phrase::kProfileApplied,
                                     {std::to_string(result.applied.size()), std::to_string(wanted)});
  std::vector<std::string> lines;
  for (const auto& refusal : result.refused) {
    lines.push_back(refusal.name + ": " +
                    (refusal.reason.empty() ? language::Say(services_, phrase::kProfileNotTaken) : refusal.reason));
  }
  if (result.needs_sign_in) report += "\n\n" + language::Say(services_, phrase::kProfileAtSignIn);
  if (!lines.empty()) {
    report += "\n\n" + language::Say(services_, lines.size() == 1 ? phrase::kChangeNotSaved : phrase::kChangesNotSaved);
    for (const auto& line : lines) report += "\n" + line;
  }
  if (result.needs_administrator) report += "\n\n" + language::Say(services_, phrase::kNeedsAdministrator);
  Show(language::Say(services_, phrase::kProfileChoose), lines, false);
  if (!result.applied.empty() && applied_) applied_();
  Tell(report, result.refused.empty() ? mb::kIconInformation : mb::kIconExclamation);
}

void SettingsProfileWindow::Cancel() {
  changes_.clear();
  profile_ = {};
  Show(language::Say(services_, phrase::kProfileCancelled) + " " + language::Say(services_, phrase::kProfileChoose), {}, false);
}

void ShowSettingsProfiles(ui::Application& app, ui::Form& owner, const Services& services, FileSystem& documents,
                          const skin::SkinInstance& main_skin, std::function<void()> applied) {
  SettingsProfileWindow window(app, services, documents, main_skin, std::move(applied));
  app.ShowModal(window.Form(), &owner);
}

}  // namespace qb::tweaks
