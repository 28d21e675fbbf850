#include "app/main_window.h"

#include <exception>

#include "app/about_window.h"
#include "app/history_window.h"
#include "app/main_form_language.h"
#include "app/main_form_layout.h"
#include "app/main_form_names.h"
#include "cleaner/system_health.h"
#include "customise/fonts_window.h"
#include "customise/icons_window.h"
#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "language/language_choice.h"
#include "language/wording.h"
#include "monitor/system_info_page.h"
#include "platform/app_settings.h"
#include "platform/profile_read_cache.h"
#include "process/process_window.h"
#include "registry/registry_paths.h"
#include "tweaks/desktop_page.h"
#include "tweaks/explorer_options_page.h"
#include "tweaks/input_page.h"
#include "tweaks/privacy_page.h"
#include "tweaks/settings_profile_window.h"
#include "tweaks/start_menu_page.h"
#include "tweaks/system_colours_window.h"
#include "tweaks/visual_options_page.h"
#include "ui/tab_pages.h"

namespace qb::app {

namespace {

constexpr std::string_view kSplashFile = "\\Splash.spl";
constexpr std::string_view kHelpFile = "\\newhelp.chm";

// The navigation buttons and the page each opens.
constexpr struct {
  const char* button;
  const char* frame;
} kPageButtons[] = {
    {"Command1", "EXPFrame"},    {"Command2", "SIFrame"},    {"Command4", "VisualFrame"},
    {"Command5", "drivesframe"}, {"Command6", "Inputframe"}, {"Command7", "langFrame"},
};

// Every control inside the container, at any depth.
std::vector<ui::Control*> ControlsWithin(const ui::Form& form, const ui::Control& container) {
  std::vector<ui::Control*> found = form.Children(&container);
  for (size_t i = 0; i < found.size(); ++i) {
    for (ui::Control* child : form.Children(found[i])) found.push_back(child);
  }
  return found;
}

}  // namespace

MainWindow::MainWindow(ui::Application& app, const Services& services, ui::SplashScreen& splash,
                       journal::JournaledServices* journaled)
    : app_(app), services_(services), splash_(splash), journaled_(journaled),
      form_(CreateMainForm()),
      drives_(*form_, services_, [this] { return app_.HandleOf(*form_); }) {
  ui::Form& form = *form_;
  form.on_load = [this] { Load(); };
  form.on_shown = [this] { Shown(); };
  form.on_query_unload = [this](ui::CloseReason reason, bool& cancel) {
    // Closing is never refused, only put off while a window finishes the work in hand (the
    // cleaner stops after its current entry); the program closes right after.
    if (!CloseEveryOtherWindow()) {
      cancel = true;
      pending_close_ = reason;
    }
  };
  form.on_title_button = [this](const std::string& name) { TitleButton(name); };

  for (const auto& page : kPageButtons) {
    form[page.button].on_click = [this, frame = std::string(page.frame)] { ShowPage(frame); };
  }
  form["Command3"].on_click = [this] { OpenSystemHealth(); };
  form["cmdEnum"].on_click = [this] { process::ShowProcessWindow(app_, *form_, services_, skin_); };
  form["syscmd"].on_click = [this] {
    ToggleNavigationColumn(*form_);
    FitHeightToPages();
    MarkOpenPage();
  };
  form["cpucmd"].on_click = [this] { ShowMonitor(); };
  monitor_ = std::make_unique<monitor::MonitorPage>(form, services_);
  form["TabStrip1"].on_click = [this] { ui::ShowSelectedTab(*form_, "TabStrip1", "VoptionsFrame"); };
  form["ExpTab"].on_click = [this] { ui::ShowSelectedTab(*form_, "ExpTab", "OptionsFrame"); };
  form["Applylangcmd"].on_click = [this] {
    const std::string choice = (*form_)["combolng"].Text();
    language::SaveChoice(services_, app_.HandleOf(*form_), choice, [this, choice] {
      ApplyChosenLanguage(*form_, services_.profile, app_folder_, choice);
      drives_.ShowTypeText();
    });
  };
  form["systemcolorcmd"].on_click = [this] {
    tweaks::ShowSystemColours(app_, *form_, services_, skin_);
  };
  form["profilecmd"].on_click = [this] {
    FileSystem& documents = journaled_ ? journaled_->plain().files : services_.files;
    tweaks::ShowSettingsProfiles(app_, *form_, services_, documents, skin_, [this] { RereadPages(); });
  };
  form["fontcmd"].on_click = [this] { OpenFonts(); };
  form["iconcmd"].on_click = [this] { OpenIcons(); };
  form["historycmd"].on_click = [this] { OpenHistory(); };

  const tweaks::PageHooks hooks{
      .owner = [this] { return app_.HandleOf(*form_); },
      .reskin = [this] { dress::SkinForm(*form_, skin_); },
      .do_events = [this] { return app_.DoEvents(); },
  };
  tweaks::WireStartMenuPage(form, services_, hooks);
  tweaks::WireDesktopPage(form, services_, hooks);
  tweaks::WireExplorerOptionsPage(form, services_, hooks);
  tweaks::WirePrivacyPage(form, services_, hooks);
  tweaks::WireInputPage(form, services_, hooks);
  tweaks::WireVisualOptionsPage(form, services_, hooks);
  for (PageOnShow& page : pages_on_show_) ReadBeforeItsHandlers(page);
}

// The start-up sequence. Its order is what users of earlier versions know: the first
// frame shown, which captions come from which language application, and the Start Menu
// "Apply" ending disabled all follow from it. Only what the first picture shows is read
// here; the rest waits until the window is up (Shown) or its page is first shown.
void MainWindow::Load() {
  ui::Form& form = *form_;
  // A second start ends here, before anything is shown or any preference is read.
  if (services_.instance.ClaimName(kInstanceName)) {
    second_instance_ = true;
    app_.Unload(form);
    return;
  }
  app_folder_ = services_.environment.ApplicationFolder();
  splash_.Show(app_folder_ + std::string(kSplashFile));
  form["SMframe"].SetVisible(false);
  form["drivesframe"].SetVisible(false);
  form.SetHeight(kMainHeight);
  for (const char* frame : {"EXPFrame", "Inputframe", "SIFrame", "langFrame", "VisualFrame"}) {
    form[frame].SetVisible(false);
  }
  splash_.Close();
  form["VisualFrame"].SetVisible(true);
  MarkOpenPage();

  // A missing or unreadable skin leaves the window in plain system drawing.
  skin_.LoadFile(services_.files, app_folder_ + std::string(skin::kSkinFileName));
  dress::SkinWindow(form, skin_, "Form");
  dress::SkinForm(form, skin_);
  const std::string choice = language::StoredChoice(AppSettings(services_.registry));
  // Both language passes ask for the same captions: each is read from the file once.
  ProfileReadCache language_file(services_.profile);
  ApplyStartLanguage(form, language_file, app_folder_, choice);
  // From here on a failing step is passed over and the next one runs.
  Guarded(&MainWindow::ReadVisualPage);
  dress::ApplyLanguage(form, language_file, app_folder_, choice);
  Guarded(&MainWindow::DisableStartMenuApply);
}

// The window is up: the monitor, which the first picture does not show, starts now; its
// timers first tick after this.
void MainWindow::Shown() {
  Guarded(&MainWindow::InitialiseMonitor);
}

void MainWindow::Guarded(void (MainWindow::*step)()) {
  try {
    (this->*step)();
  } catch (const std::exception&) {
    // A page that cannot read its first state keeps its design state.
  }
}

void MainWindow::ReadOnce(PageOnShow& page) {
  if (page.read_done) return;
  page.read_done = true;
  Guarded(page.read);
}

// A page read when first shown is read before any handler of its controls runs too, so that
// no handler (an Apply above all) acts on controls that never showed the stored state.
void MainWindow::ReadBeforeItsHandlers(PageOnShow& page) {
  for (ui::Control* control : ControlsWithin(*form_, (*form_)[page.frame])) {
    for (auto* event : {&control->on_click, &control->on_dbl_click, &control->on_change}) {
      if (!*event) continue;
      *event = [this, &page, handler = std::move(*event)] {
        ReadOnce(page);
        handler();
      };
    }
    if (control->on_key_press) {
      control->on_key_press = [this, &page, handler = std::move(control->on_key_press)](int& key) {
        ReadOnce(page);
        handler(key);
      };
    }
  }
}

// After settings were imported: the pages read so far show the machine again; the others
// read it when first shown, as always.
void MainWindow::RereadPages() {
  Guarded(&MainWindow::ReadVisualPage);
  for (PageOnShow& page : pages_on_show_) {
    if (page.read_done) Guarded(page.read);
  }
}

void MainWindow::ShowPage(std::string_view frame) {
  ui::Form& form = *form_;
  for (PageOnShow& page : pages_on_show_) {
    if (page.frame == frame) ReadOnce(page);
  }
  form[frame].SetVisible(true);
  for (std::string_view other : kContentFrames) {
    if (other != frame) form[other].SetVisible(false);
  }
  FitHeightToPages();
  MarkOpenPage();
}

// A command button's value is otherwise unused: 1 marks it the current one of its set. The
// monitor is shown over the page that was open, which stays beneath it: while it is up, its
// button is the current one, and the covered page is neither marked nor reached by Tab or
// an access key.
void MainWindow::MarkOpenPage() {
  const bool monitor = (*form_)["SMframe"].Visible();
  for (const auto& page : kPageButtons) {
    (*form_)[page.button].SetValue(!monitor && (*form_)[page.frame].Visible() ? 1 : 0);
    (*form_)[page.frame].SetEnabled(!monitor);
  }
  (*form_)["cpucmd"].SetValue(monitor ? 1 : 0);
}

void MainWindow::ShowMonitor() {
  (*form_)["SMframe"].SetVisible(true);
  FitHeightToPages();
  MarkOpenPage();
}

void MainWindow::FitHeightToPages() {
  // Given back as soon as the monitor goes, so the window never stays taller than what it
  // shows (on a small screen the taller window is drawn smaller to fit).
  form_->SetHeight((*form_)["SMframe"].Visible() ? kMainHeightExpanded : kMainHeight);
}

void MainWindow::OpenSystemHealth() {
  for (std::string_view frame : kContentFrames) (*form_)[frame].SetVisible(false);
  FitHeightToPages();
  MarkOpenPage();
  cleaner::ShowSystemHealth(app_, *form_, journaled_ ? journaled_->cleaner() : services_);
  if (const auto reason = pending_close_) {
    pending_close_.reset();
    app_.Unload(*form_, *reason);
  }
}

void MainWindow::TitleButton(const std::string& name) {
  if (name == "about") OpenAbout();
  if (name == "help") OpenHelp();
}

void MainWindow::OpenHelp() {
  const std::string file = app_folder_ + std::string(kHelpFile);
  const intptr_t result = services_.shell.Execute({.owner = app_.HandleOf(*form_),
                                                   .verb = "",
                                                   .file = file,
                                                   .parameters = "",
                                                   .directory = "C:\\",
                                                   .show = showmode::kMaximized});
  if (result <= 32) {
    services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                  language::CouldNot(services_, language::phrase::kHelpNotOpened, ShellFailure(result), {file}),
                                  {}, mb::kOk | mb::kIconExclamation);
  }
}

void MainWindow::OpenAbout() {
  AboutWindow about(app_, services_, skin_);
  app_.ShowModal(about.Form(), form_.get());
}

void MainWindow::OpenFonts() { customise::ShowFonts(app_, *form_, services_, skin_); }

void MainWindow::OpenIcons() { customise::ShowIcons(app_, *form_, services_, skin_); }

void MainWindow::OpenHistory() {
  if (journaled_) {
    ShowHistory(app_, *form_, *journaled_, skin_);
    return;
  }
  services_.dialogs.ShowMessage(app_.HandleOf(*form_),
                                language::Say(services_, language::phrase::kNoJournal), {},
                                mb::kOk | mb::kIconExclamation);
}

bool MainWindow::CloseEveryOtherWindow() {
  const auto windows = app_.Loaded();
  bool all = true;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (*it != form_.get()) all = app_.Unload(**it, ui::CloseReason::OwnerClosing) && all;
  }
  return all;
}

void MainWindow::FillLanguageList() { app::FillLanguageList(*form_, services_, app_folder_); }

void MainWindow::DisableStartMenuApply() {
  if (ui::Control* apply = form_->Find("applymenu")) apply->SetEnabled(false);
}

// Pages whose reading belongs to the monitor, drive, input, system information and
// visual code; each is one step of the start-up sequence.
void MainWindow::InitialiseMonitor() { monitor_->Load(); }
void MainWindow::ReadDrivesPage() {
  drives_.FillAtLoad();
  drives_.Refresh();
}
void MainWindow::ReadExplorerPage() {
  tweaks::LoadExplorerOptionsPage(*form_, services_);
  tweaks::LoadPrivacyPage(*form_, services_);
}
void MainWindow::ReadInputPage() { tweaks::LoadInputPage(*form_, services_); }
void MainWindow::ReadSystemInformation() { monitor::FillSystemInformation(*form_, services_); }
void MainWindow::ReadVisualPage() {
  tweaks::LoadVisualOptionsPage(*form_, services_);
  tweaks::LoadStartMenuPage(*form_, services_);
  tweaks::LoadDesktopPage(*form_, services_);
}

}  // namespace qb::app
