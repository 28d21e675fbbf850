#include "app/main_window.h"

#include <algorithm>
#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/main_form_names.h"
#include "cleaner/event_pacer.h"
#include "cleaner/uninstall_entries.h"
#include "language/language_catalogue.h"
#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"
#include "support/source_files.h"
#include "ui/headless_host.h"

namespace qb::app {
namespace {

class RecordingSplash : public ui::SplashScreen {
 public:
  void Show(const std::string& path) override { events.push_back("show " + path); }
  void Close() override { events.push_back("close"); }
  std::vector<std::string> events;
};

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    host.Attach(app);
    folder = machine.environment.application_folder;
    machine.profile.SetFile(folder + "\\languages\\English.ini",
                            testing::ReadSourceFile("resources/data/languages/English.ini"));
    machine.files.AddFile(folder + "\\winaquas.skn", fileattr::kArchive,
                          testing::ReadSourceBytes("resources/data/winaquas.skn"));
  }

  MainWindow& Start() {
    window = std::make_unique<MainWindow>(app, machine.services(), splash);
    app.Show(window->Form());
    return *window;
  }
  ui::Form& Form() { return window->Form(); }
  std::vector<std::string> VisibleFrames() {
    std::vector<std::string> visible;
    for (auto frame : kContentFrames) {
      if (Form()[frame].Visible()) visible.emplace_back(frame);
    }
    return visible;
  }

  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  RecordingSplash splash;
  std::string folder;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsOnTheVisualPageInEnglishWithTheSplashDownBeforeShowing) {
  Start();
  EXPECT_EQ(splash.events, (std::vector<std::string>{"show " + folder + "\\Splash.spl", "close"}));
  EXPECT_EQ(host.shown, std::vector<std::string>{"mainform"});
  EXPECT_EQ(VisibleFrames(), std::vector<std::string>{"VisualFrame"});
  EXPECT_EQ(Form().Height(), kMainHeight);
  EXPECT_EQ(Form().Caption(), "Quill Box");
  // Every control with a key shows its English caption after the fallback application...
  EXPECT_EQ(Form()["Command1"].Caption(), "Explorer");
  EXPECT_EQ(Form()["cpucmd"].Caption(), "CPU && Memory");
  EXPECT_EQ(Form()["syscmd"].Caption(), "System");
  EXPECT_EQ(Form()["SkinLabel2"].Caption(), "Used memory             :");
  // ...and so do the three frames captioned by code: an unset choice reads English.
  EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring");
  EXPECT_EQ(Form()["drivesframe"].Caption(), "Drives");
  EXPECT_EQ(Form()["Inputframe"].Caption(), "Input");
  // Controls without a key keep their design captions.
  EXPECT_EQ(Form()["EXPFrame"].Caption(), "Explorer");
  Form()["Command7"].RaiseClick();
  EXPECT_EQ(Form()["combolng"].Items(), std::vector<std::string>{"English"});
  EXPECT_EQ(Form()["combolng"].Text(), "English");
  // Opening the program changes no setting.
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

TEST_F(MainWindowTest, StoredLanguageCaptionsTheCodedFramesToo) {
  AppSettings settings(machine.registry);
  language::StoreChoice(settings, "English");
  machine.registry.ClearWriteLog();
  Start();
  EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring");
  EXPECT_EQ(Form()["drivesframe"].Caption(), "Drives");
  EXPECT_EQ(Form()["Inputframe"].Caption(), "Input");
}

// With the language file removed, emptied or garbage, and the choice a missing language
// or a path, the window still has readable captions.
TEST_F(MainWindowTest, AnUnusableLanguageLeavesReadableCaptions) {
  const std::string english = folder + "\\languages\\English.ini";
  const std::string texts[] = {"", "\x7f\x45LF\x02\x01garbage=[[\n\xff"};
  for (const char* choice : {"", "Klingon", "..\\..\\windows\\win"}) {
    for (int variant = 0; variant < 3; ++variant) {
      machine.profile.RemoveFile(english);
      if (variant > 0) machine.profile.SetFile(english, texts[variant - 1]);
      AppSettings settings(machine.registry);
      language::StoreChoice(settings, choice);
      app.UnloadAll(ui::CloseReason::Code);
      Start();
      const std::string where = std::string("choice \"") + choice + "\", English variant " + std::to_string(variant);
      EXPECT_EQ(Form()["Command1"].Caption(), "Explorer") << where;
      EXPECT_EQ(Form()["syscmd"].Caption(), "System") << where;
      EXPECT_EQ(Form()["cpucmd"].Caption(), "CPU && Memory") << where;
      EXPECT_EQ(Form()["Applylangcmd"].Caption(), "Apply") << where;
      EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring") << where;
    }
  }
}

TEST_F(MainWindowTest, SecondInstanceEndsWithoutShowingAnything) {
  MemorySingleInstance first_process(machine.named_objects);
  ASSERT_FALSE(first_process.ClaimName(kInstanceName));
  Start();
  EXPECT_TRUE(window->EndedAsSecondInstance());
  EXPECT_TRUE(host.shown.empty());
  EXPECT_TRUE(splash.events.empty());
  EXPECT_TRUE(app.Loaded().empty());
  EXPECT_EQ(Form()["Command1"].Caption(), "Explorer");  // no language was applied
  EXPECT_EQ(Form()["syscmd"].Caption(), "System");      // nor skin pass
}

TEST_F(MainWindowTest, NavigationShowsExactlyOnePageAndSystemHealthNone) {
  Start();
  const struct { const char* button; const char* frame; } pages[] = {
      {"Command1", "EXPFrame"},    {"Command2", "SIFrame"},    {"Command4", "VisualFrame"},
      {"Command5", "drivesframe"}, {"Command6", "Inputframe"}, {"Command7", "langFrame"},
  };
  for (const auto& page : pages) {
    Form()[page.button].RaiseClick();
    EXPECT_EQ(VisibleFrames(), std::vector<std::string>{page.frame}) << page.button;
  }
  Form()["cpucmd"].RaiseClick();
  EXPECT_EQ(Form().Height(), kMainHeightExpanded);
  EXPECT_TRUE(Form()["SMframe"].Visible());
  Form()["Command1"].RaiseClick();
  EXPECT_EQ(VisibleFrames(), std::vector<std::string>{"EXPFrame"});
  EXPECT_EQ(Form().Height(), kMainHeightExpanded);  // nothing makes the window small again
  std::vector<std::string> frames_while_open{"unset"};
  host.on_modal = [&](ui::Form& health) {
    EXPECT_EQ(health.Name(), "pchealth");
    frames_while_open = VisibleFrames();
  };
  Form()["Command3"].RaiseClick();
  EXPECT_EQ(host.modal, std::vector<std::string>{"pchealth"});
  EXPECT_TRUE(frames_while_open.empty());
  EXPECT_TRUE(VisibleFrames().empty());
}

TEST_F(MainWindowTest, FontsAndIconsButtonsOpenTheirWindowsOverTheMainWindow) {
  Start();
  std::vector<std::string> captions;
  host.on_modal = [&](ui::Form& form) { captions.push_back(form.Caption()); };
  Form()["fontcmd"].RaiseClick();
  Form()["iconcmd"].RaiseClick();
  EXPECT_EQ(host.modal, (std::vector<std::string>{"Fontsfrm", "iconsfrm"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"Fonts", "Icons"}));
  EXPECT_TRUE(app.IsLoaded(Form()));
}

TEST_F(MainWindowTest, SystemButtonTogglesItsMarkerAndAlwaysHidesTheMonitor) {
  machine.profile.SetFile(folder + "\\languages\\English.ini", "[Vorlix]\r\n1000=System >>\r\n");
  Start();
  ui::Control& button = Form()["syscmd"];
  ui::Control& column = Form()["Frame1"];
  ASSERT_EQ(button.Caption(), "System >>");
  Form()["cpucmd"].RaiseClick();
  button.RaiseClick();
  EXPECT_EQ(button.Caption(), "System <<");
  EXPECT_TRUE(column.Visible());
  EXPECT_EQ(column.Rect().left, 160);
  EXPECT_EQ(column.Rect().top, button.Rect().height + 370);
  EXPECT_EQ(Form()["cpucmd"].Rect().top, button.Rect().height + 320 + column.Rect().height + 50);
  EXPECT_FALSE(Form()["SMframe"].Visible());
  button.RaiseClick();
  EXPECT_EQ(button.Caption(), "System >>");
  EXPECT_FALSE(column.Visible());
  EXPECT_EQ(Form()["cpucmd"].Rect().top, button.Rect().top + button.Rect().height + 50);
  // Without a marker the click only hides the monitor.
  button.SetCaption("System");
  Form()["cpucmd"].RaiseClick();
  button.RaiseClick();
  EXPECT_EQ(button.Caption(), "System");
  EXPECT_FALSE(Form()["SMframe"].Visible());
}

TEST_F(MainWindowTest, TabStripsShowAndEnableOnlyTheSelectedSubFrame) {
  Start();
  Form()["TabStrip1"].SelectTab(2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Form().At("VoptionsFrame", i).Visible(), i == 1);
    EXPECT_EQ(Form().At("VoptionsFrame", i).Enabled(), i == 1);
  }
  EXPECT_GT(Form().At("VoptionsFrame", 2).ZOrder(), Form().At("VoptionsFrame", 0).ZOrder());
  Form()["ExpTab"].SelectTab(2);
  EXPECT_FALSE(Form().At("OptionsFrame", 0).Visible());
  EXPECT_TRUE(Form().At("OptionsFrame", 1).Visible());
}

TEST_F(MainWindowTest, TitleButtonsOpenAboutAndHelpByExactName) {
  Start();
  std::string about_version;
  host.on_modal = [&](ui::Form& form) { about_version = form["lblVersion"].Caption(); };
  Form().on_title_button("About");
  Form().on_title_button("HELP");
  EXPECT_TRUE(host.modal.empty());
  EXPECT_TRUE(machine.shell.Requests().empty());

  Form().on_title_button("about");
  EXPECT_EQ(host.modal, std::vector<std::string>{"frmabout"});
  EXPECT_TRUE(about_version.starts_with("Version ")) << about_version;

  Form().on_title_button("help");
  ASSERT_EQ(machine.shell.Requests().size(), 1u);
  const ShellRequest& help = machine.shell.Requests()[0];
  EXPECT_EQ(help.file, folder + "\\newhelp.chm");
  EXPECT_EQ(help.verb, "");
  EXPECT_EQ(help.directory, "C:\\");
  EXPECT_EQ(help.show, showmode::kMaximized);
  EXPECT_EQ(help.owner, 0x1234u);
}

TEST_F(MainWindowTest, ClosingUnloadsEveryWindowAndCannotBeCancelled) {
  Start();
  ui::Form other("enumfrm", "Process manager", 3000, 3000);
  bool other_unloaded = false;
  other.on_unload = [&] { other_unloaded = true; };
  app.Load(other);
  EXPECT_TRUE(app.Unload(Form(), ui::CloseReason::WindowsShutdown));
  EXPECT_TRUE(other_unloaded);
  EXPECT_TRUE(app.Loaded().empty());
}

TEST_F(MainWindowTest, ClosingDuringACleanerRunWaitsForTheEntryInHandThenCloses) {
  Start();
  const RegKeyPath area{RegRoot::LocalMachine, std::string(cleaner::kUninstallArea), RegView::Force64};
  for (const char* name : {"OldTool", "OlderTool"}) machine.registry.CreateKey(area.Child(name));
  int close_requests = 0;
  host.on_modal = [&](ui::Form& health) {
    host.on_events = [&] {
      machine.clock.Advance(cleaner::EventPacer::kIntervalMs);
      if (close_requests++ == 0) {
        // Put off, not refused: the window stays until the cleaner has stopped.
        EXPECT_FALSE(app.Unload(Form(), ui::CloseReason::User));
        EXPECT_TRUE(app.IsLoaded(Form()));
      }
    };
    health["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_FALSE(app.IsLoaded(health));
  };
  Form()["Command3"].RaiseClick();
  EXPECT_GT(close_requests, 0);
  EXPECT_FALSE(app.IsLoaded(Form()));  // closed as soon as the cleaner window was gone
  EXPECT_TRUE(app.Loaded().empty());
}

TEST_F(MainWindowTest, LanguageApplyStoresTheChoiceWithoutRetranslating) {
  Start();
  Form()["Command1"].SetCaption("changed");
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(Form()["Command1"].Caption(), "changed");
  EXPECT_EQ(AppSettings(machine.registry).Get("Vorlix", "Language", "lng"), "English");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, ::testing::HasSubstr("next time Quill Box starts"));
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconInformation);
}

TEST_F(MainWindowTest, LanguageListOffersEveryLanguageFileWithTheStoredOneSelected) {
  for (const char* name : {"German.ini", "English.ini", "French.ini", "notes.txt"}) {
    machine.files.AddFile(folder + "\\languages\\" + name);
  }
  AppSettings settings(machine.registry);
  language::StoreChoice(settings, "german");
  Start();
  Form()["Command7"].RaiseClick();
  ui::Control& list = Form()["combolng"];
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"English", "French", "German"}));
  EXPECT_EQ(list.Text(), "German");
  list.SetListIndex(1);
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(language::StoredChoice(settings), "French");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, ::testing::HasSubstr("French"));
}

TEST_F(MainWindowTest, LanguageThatCannotBeStoredIsReportedNotAnnounced) {
  Start();
  machine.registry.DenyWrites({RegRoot::CurrentUser, "Software\\VB and VBA Program Settings"});
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(language::StoredChoice(AppSettings(machine.registry)), "");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, ::testing::HasSubstr("could not be saved"));
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconExclamation);
}

TEST_F(MainWindowTest, SkinElementsReachTheWindowAndItsControls) {
  Start();
  EXPECT_EQ(Form().SkinElement(), "Form");
  EXPECT_EQ(Form().TitleButtons(), (std::vector<std::string>{"help", "about", "minimize", "close"}));
  EXPECT_EQ(Form()["syscmd"].SkinElement(), "system");
  EXPECT_EQ(Form()["Command1"].SkinElement(), "Button");
  EXPECT_EQ(Form()["TabStrip1"].SkinElement(), "");
}

TEST_F(MainWindowTest, MissingOrBrokenSkinLeavesPlainDrawingAndStarts) {
  machine.files.AddFile(folder + "\\winaquas.skn", fileattr::kArchive,
                        {'g', 'a', 'r', 'b', 'a', 'g', 'e'});
  Start();
  EXPECT_EQ(host.shown, std::vector<std::string>{"mainform"});
  EXPECT_EQ(Form().SkinElement(), "");
  EXPECT_EQ(Form()["Command1"].SkinElement(), "");
  EXPECT_EQ(Form()["Command1"].Caption(), "Explorer");
}

}  // namespace
}  // namespace qb::app

namespace qb::app {
namespace {

TEST_F(MainWindowTest, VisitingEveryPageAndTabWritesNothingAndStartMenuApplyStartsDisabled) {
  machine.registry.CreateKey({RegRoot::CurrentUser,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"});
  machine.registry.SetValue({RegRoot::CurrentUser,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"},
                            RegValue::Dword("NoRun", 1));
  machine.registry.ClearWriteLog();
  Start();
  EXPECT_EQ(Form()["runchk"].Value(), 1);
  EXPECT_FALSE(Form()["applymenu"].Enabled());
  for (const char* button : {"Command1", "Command2", "Command4", "Command5", "Command6",
                             "Command7", "cpucmd", "syscmd"}) {
    Form()[button].RaiseClick();
  }
  for (int tab = 1; tab <= 3; ++tab) Form()["TabStrip1"].SelectTab(tab);
  for (int tab = 1; tab <= 2; ++tab) Form()["ExpTab"].SelectTab(tab);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

class WallpaperPreviewTest : public MainWindowTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(WallpaperPreviewTest, ShowsTheStoredWallpaperUnlessItIsNone) {
  const RegKeyPath desktop{RegRoot::CurrentUser, "Control Panel\\Desktop"};
  machine.registry.CreateKey(desktop);
  machine.registry.SetValue(desktop, RegValue::String("Wallpaper", GetParam()));
  Start();
  const std::string stored = GetParam();
  const bool none = stored == "(None)" || stored == "(NONE)" || stored.empty();
  EXPECT_EQ(Form()["Image1"].PicturePath(), none ? "" : stored);
}

INSTANTIATE_TEST_SUITE_P(Values, WallpaperPreviewTest,
                         ::testing::Values("(None)", "(NONE)", "", "C:\\Windows\\sky.bmp"));

// The window comes up with what its first picture shows; every other page reads its state
// when it is first shown, once, and the monitor and drive facts once the window is up.
TEST_F(MainWindowTest, PagesNotShownAreReadWhenFirstShownAndOnlyOnce) {
  ASSERT_EQ(registry::RegWrite(machine.registry,
                               "HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page",
                               "http://example.test/"),
            status::kOk);
  ASSERT_EQ(registry::RegWrite(machine.registry, "HKCU\\Control Panel\\Mouse\\MouseSensitivity", "14"),
            status::kOk);
  machine.system.computer_name = "BENCH-PC";
  machine.registry.ClearWriteLog();
  const struct {
    const char* button;
    std::function<bool(ui::Form&)> read;
  } pages[] = {
      {"Command1", [](ui::Form& form) { return form["hometxt"].Text() == "http://example.test/"; }},
      {"Command6", [](ui::Form& form) { return form["SpeedSlider"].Value() == 14; }},
      {"Command2", [](ui::Form& form) { return form["txtComputerName"].Text() == "BENCH-PC"; }},
      {"Command7", [](ui::Form& form) { return form["combolng"].Items() == std::vector<std::string>{"English"}; }},
  };
  Start();
  for (const auto& page : pages) EXPECT_FALSE(page.read(Form())) << page.button << " was read at start-up";
  for (const auto& page : pages) {
    Form()[page.button].RaiseClick();
    EXPECT_TRUE(page.read(Form())) << page.button << " was not read when shown";
  }
  // Shown again: not read again (the processor speed is measured once).
  Form()["Command4"].RaiseClick();
  Form()["Command2"].RaiseClick();
  const auto& calls = machine.system.Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "MeasureProcessorMhz"), 1);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

TEST_F(MainWindowTest, MonitorAndDriveFactsAreReadOnceTheWindowIsUp) {
  machine.files.AddDrive("C:\\", DriveType::Fixed);
  std::vector<std::string> drives_when_shown;
  std::string memory_when_shown;
  host.on_show = [&](ui::Form& form) {
    drives_when_shown = form["Drive1"].Items();
    memory_when_shown = form["Label5"].Caption();
  };
  Start();
  EXPECT_TRUE(drives_when_shown.empty());
  EXPECT_EQ(memory_when_shown, "");
  EXPECT_FALSE(Form()["Drive1"].Items().empty());
  EXPECT_EQ(Form()["Drive1"].Text(), "c:");
  EXPECT_EQ(Form()["typelbl"].Caption(), "Fixed Drive");
  EXPECT_NE(Form()["Label5"].Caption(), "");
}

// A page read when first shown is read before its handlers run: an Apply reached before the
// page was ever shown (by a script, say) finds the stored settings and writes nothing.
class ApplyBeforeShownTest : public MainWindowTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(ApplyBeforeShownTest, FindsTheStoredSettingsAndWritesNothing) {
  const struct { const char* path; const char* value; const char* type; } stored[] = {
      {"HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page", "http://example.test/", "REG_SZ"},
      {"HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Window Title", "Browser", "REG_SZ"},
      {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\DisableRegistryTools", "1",
       "REG_DWORD"},
      {"HKCU\\Control Panel\\Mouse\\MouseSensitivity", "14", "REG_SZ"},
      {"HKCU\\Control Panel\\Mouse\\SwapMouseButtons", "0", "REG_SZ"},
      {"HKCU\\Control Panel\\Mouse\\DoubleClickSpeed", "800", "REG_SZ"},
      {"HKCU\\Control Panel\\Keyboard\\KeyboardSpeed", "20", "REG_SZ"},
      {"HKCU\\Control Panel\\Keyboard\\KeyboardDelay", "3", "REG_SZ"},
  };
  for (const auto& value : stored) {
    ASSERT_EQ(registry::RegWrite(machine.registry, value.path, value.value, value.type), status::kOk);
  }
  AppSettings(machine.registry).Save("Larkspan utilities", "mouse", "trails", "0");
  machine.registry.ClearWriteLog();
  Start();
  Form()[GetParam()].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(machine.system_parameters.Calls().empty());
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, ApplyBeforeShownTest,
                         ::testing::Values("applycmd", "applyprivacy", "inputcmd"));

}  // namespace
}  // namespace qb::app
