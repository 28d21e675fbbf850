#include "app/main_window.h"

#include <exception>

#include "app/about_window.h"
#include "app/main_form_layout.h"
#include "app/main_form_names.h"
#include "cleaner/system_health.h"
#include "customise/fonts_window.h"
#include "customise/icons_window.h"
#include "language/language_catalogue.h"
#include "language/language_list.h"
#include "monitor/system_info_page.h"
#include "platform/app_settings.h"
#include "platform/profile_read_cache.h"
#include "platform/text.h"
#include "process/process_window.h"
#include "registry/registry_paths.h"
#include "tweaks/desktop_page.h"
#include "tweaks/explorer_options_page.h"
#include "tweaks/input_page.h"
#include "tweaks/privacy_page.h"
#include "tweaks/start_menu_page.h"
#include "tweaks/system_colours_window.h"
#include "tweaks/visual_options_page.h"

namespace qb::app {

namespace {

constexpr std::string_view kSplashFile = "\\Splash.spl";
constexpr std::string_view kHelpFile = "\\newhelp.chm";

// Every control inside the container, at any depth.
std::vector<ui::Control*> ControlsWithin(const ui::Form& form, const ui::Control& container) {
  std::vector<ui::Control*> found = form.Children(&container);
  for (size_t i = 0; i < found.size(); ++i) {
    for (ui::Control* child : form.Children(found[i])) found.push_back(child);
  }
  return found;
}

}  // namespace

MainWindow::MainWindow(ui::Application& app, const Services& services, ui::SplashScreen& splash)
    : app_(app), services_(services), splash_(splash), form_(CreateMainForm()),
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

  const struct { const char* button; const char* frame; } pages[] = {
      {"Command1", "EXPFrame"},    {"Command2", "SIFrame"},    {"Command4", "VisualFrame"},
      {"Command5", "drivesframe"}, {"Command6", "Inputframe"}, {"Command7", "langFrame"},
  };
  for (const auto& page : pages) {
    form[page.button].on_click = [this, frame = std::string(page.frame)] { ShowPage(frame); };
  }
  form["Command3"].on_click = [this] { OpenSystemHealth(); };
  form["cmdEnum"].on_click = [this] { process::ShowProcessWindow(app_, *form_, services_, skin_); };
  form["syscmd"].on_click = [this] { ToggleNavigationColumn(); };
  form["cpucmd"].on_click = [this] { ShowMonitor(); };
  monitor_ = std::make_unique<monitor::MonitorPage>(form, services_);
  form["TabStrip1"].on_click = [this] { SwitchTab("TabStrip1", "VoptionsFrame"); };
  form["ExpTab"].on_click = [this] { SwitchTab("ExpTab", "OptionsFrame"); };
  form["Applylangcmd"].on_click = [this] { ApplyLanguageChoice(); };
  form["systemcolorcmd"].on_click = [this] {
    tweaks::ShowSystemColours(app_, *form_, services_, skin_);
  };
  form["fontcmd"].on_click = [this] { OpenFonts(); };
  form["iconcmd"].on_click = [this] { OpenIcons(); };

  const tweaks::PageHooks hooks{
      .owner = [this] { return app_.HandleOf(*form_); },
      .reskin = [this] { skin::SkinForm(*form_, skin_); },
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

  // A missing or unreadable skin leaves the window in plain system drawing.
  skin_.LoadFile(services_.files, app_folder_ + std::string(skin::kSkinFileName));
  skin_.ApplyToForm(form, "Form");
  skin::SkinForm(form, skin_);
  const AppSettings settings(services_.registry);
  // Both language applications ask for the same captions: each is read from the file once.
  ProfileReadCache language_file(services_.profile);
  // The language application below gives these two their captions again; with no usable
  // language file they keep the captions they were designed with.
  if (!language::UsableLanguage(language_file, app_folder_, language::StoredChoice(settings),
                                {"1000", "1001"})
           .empty()) {
    form["syscmd"].SetCaption("");
    form["cpucmd"].SetCaption("");
  }

  ApplyLanguageAndFrameCaptions(language_file, language::StoredChoice(settings));

  // From here on a failing step is passed over and the next one runs.
  Guarded(&MainWindow::ReadVisualPage);
  std::string language = language::StoredChoice(settings);
  if (language.empty()) language = std::string(language::kFallbackLanguage);
  language::ApplyLanguage(form, language_file, app_folder_, language);
  Guarded(&MainWindow::DisableStartMenuApply);
}

// The window is up: the monitor and the drive facts, which the first picture does not show,
// are read now, in the order the start-up always read them. The monitor's timers first tick
// after this.
void MainWindow::Shown() {
  Guarded(&MainWindow::InitialiseMonitor);
  Guarded(&MainWindow::FillDriveFacts);
  Guarded(&MainWindow::RefreshDriveFacts);
}

// The three frames without a key of their own take their captions from fixed keys, read
// from the same choice as the first language application (an unset or unusable choice
// reads "English"; no usable file keeps the design captions).
void MainWindow::ApplyLanguageAndFrameCaptions(ProfileStore& profile, const std::string& language) {
  ui::Form& form = *form_;
  language::ApplyLanguage(form, profile, app_folder_, language);
  for (const auto& coded : kCodedFrameCaptions) {
    ui::Control& frame = form[coded.control];
    frame.SetCaption(language::LookUp(profile, app_folder_, coded.key, language, frame.Caption()));
  }
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

void MainWindow::ShowPage(std::string_view frame) {
  ui::Form& form = *form_;
  for (PageOnShow& page : pages_on_show_) {
    if (page.frame == frame) ReadOnce(page);
  }
  form[frame].SetVisible(true);
  for (std::string_view other : kContentFrames) {
    if (other != frame) form[other].SetVisible(false);
  }
}

// The caption of "syscmd" carries the column's state: ">>" offers to expand it, "<<" to
// collapse it. The language file decides whether a marker is there at all.
void MainWindow::ToggleNavigationColumn() {
  ui::Form& form = *form_;
  ui::Control& button = form["syscmd"];
  ui::Control& column = form["Frame1"];
  ui::Control& cpu = form["cpucmd"];
  const std::string caption = button.Caption();
  const auto without_marker = [](const std::string& text) {
    return text.substr(0, text.size() >= 2 ? text.size() - 2 : 0);
  };
  if (caption.find(">>") != std::string::npos) {
    column.Move(160, button.Rect().height + 320 + 50);
    column.SetVisible(true);
    cpu.SetTop(button.Rect().height + 270 + 50 + column.Rect().height + 50);
    button.SetCaption(without_marker(button.Caption()) + "<<");
  }
  if (caption.find("<<") != std::string::npos) {
    column.Move(240, 3400);
    column.SetVisible(false);
    cpu.SetTop(button.Rect().height + button.Rect().top + 50);
    button.SetCaption(without_marker(button.Caption()) + ">>");
  }
  form["SMframe"].SetVisible(false);
}

void MainWindow::ShowMonitor() {
  form_->SetHeight(kMainHeightExpanded);
  (*form_)["SMframe"].SetVisible(true);
}

void MainWindow::OpenSystemHealth() {
  for (std::string_view frame : kContentFrames) (*form_)[frame].SetVisible(false);
  cleaner::ShowSystemHealth(app_, *form_, services_);
  if (const auto reason = pending_close_) {
    pending_close_.reset();
    app_.Unload(*form_, *reason);
  }
}

void MainWindow::SwitchTab(std::string_view strip, std::string_view sub_frames) {
  ui::Form& form = *form_;
  const int selected = form[strip].SelectedTab();
  const int tabs = static_cast<int>(form[strip].Items().size());
  for (int tab = 1; tab <= tabs; ++tab) {
    ui::Control& page = form.At(sub_frames, tab - 1);
    page.SetVisible(tab == selected);
    page.SetEnabled(tab == selected);
    page.BringToFront();
  }
}

void MainWindow::TitleButton(const std::string& name) {
  if (name == "about") OpenAbout();
  if (name == "help") OpenHelp();
}

void MainWindow::OpenHelp() {
  services_.shell.Execute({.owner = app_.HandleOf(*form_),
                           .verb = "",
                           .file = app_folder_ + std::string(kHelpFile),
                           .parameters = "",
                           .directory = "C:\\",
                           .show = showmode::kMaximized});
}

void MainWindow::OpenAbout() {
  AboutWindow about(app_, services_, skin_);
  app_.ShowModal(about.Form(), form_.get());
}

void MainWindow::OpenFonts() { customise::ShowFonts(app_, *form_, services_, skin_); }

void MainWindow::OpenIcons() { customise::ShowIcons(app_, *form_, services_, skin_); }

bool MainWindow::CloseEveryOtherWindow() {
  const auto windows = app_.Loaded();
  bool all = true;
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (*it != form_.get()) all = app_.Unload(**it, ui::CloseReason::OwnerClosing) && all;
  }
  return all;
}

// Open windows keep their captions: the main window is translated during its start only.
void MainWindow::ApplyLanguageChoice() {
  // Only a plain file name is ever stored: the next start reads that file as a language.
  const std::string choice = (*form_)["combolng"].Text();
  if (!language::IsPlainLanguageName(choice)) return;
  AppSettings settings(services_.registry);
  const WindowHandle owner = app_.HandleOf(*form_);
  if (const Status stored = language::StoreChoice(settings, choice); stored != status::kOk) {
    services_.dialogs.ShowMessage(owner,
                                  "The language could not be saved:\n\n" +
                                      services_.environment.ErrorText(stored) + ".",
                                  {}, mb::kOk | mb::kIconExclamation);
    return;
  }
  services_.dialogs.ShowMessage(owner,
                                "The language is saved: " + choice +
                                    ". It takes effect the next time Quill Box starts.",
                                {}, mb::kOk | mb::kIconInformation);
}

// Every language file of the languages folder, with the stored choice selected when it is
// one of them, so the page shows the language in use.
void MainWindow::FillLanguageList() {
  ui::Control& list = (*form_)["combolng"];
  list.ClearItems();
  const auto languages = language::AvailableLanguages(services_.files, app_folder_);
  for (const auto& language : languages) list.AddItem(language);
  const std::string stored = language::StoredChoice(AppSettings(services_.registry));
  int selected = 0;
  for (size_t i = 0; i < languages.size(); ++i) {
    if (text::EqualsNoCase(languages[i], stored)) selected = static_cast<int>(i);
  }
  list.SetListIndex(selected);
}

void MainWindow::DisableStartMenuApply() {
  if (ui::Control* apply = form_->Find("applymenu")) apply->SetEnabled(false);
}

// Pages whose reading belongs to the monitor, drive, input, system information and
// visual code; each is one step of the start-up sequence.
void MainWindow::InitialiseMonitor() { monitor_->Load(); }
void MainWindow::FillDriveFacts() { drives_.FillAtLoad(); }
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

void MainWindow::RefreshDriveFacts() { drives_.Refresh(); }

}  // namespace qb::app
