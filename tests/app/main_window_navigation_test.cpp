// Moving about the main window: pages, the navigation column, tab strips, title buttons.
#include "app/main_window_fixture.h"

namespace qb::app {
namespace {

TEST_F(MainWindowTest, NavigationShowsExactlyOnePageAndSystemHealthNone) {
  Start();
  const struct { const char* button; const char* frame; } pages[] = {
      {"Command1", "EXPFrame"},    {"Command2", "SIFrame"},    {"Command4", "VisualFrame"},
      {"Command5", "drivesframe"}, {"Command6", "Inputframe"}, {"Command7", "langFrame"},
  };
  // The button of the page on show is marked current, and only that one.
  const auto current = [&] {
    std::vector<std::string> marked;
    for (const auto& page : pages) {
      if (Form()[page.button].Value() == 1) marked.push_back(page.button);
    }
    if (Form()["cpucmd"].Value() == 1) marked.push_back("cpucmd");
    return marked;
  };
  EXPECT_EQ(current(), std::vector<std::string>{"Command4"});
  for (const auto& page : pages) {
    Form()[page.button].RaiseClick();
    EXPECT_EQ(VisibleFrames(), std::vector<std::string>{page.frame}) << page.button;
    EXPECT_EQ(current(), std::vector<std::string>{page.button});
  }
  Form()["cpucmd"].RaiseClick();
  EXPECT_EQ(Form().Height(), kMainHeightExpanded);
  EXPECT_TRUE(Form()["SMframe"].Visible());
  EXPECT_EQ(current(), std::vector<std::string>{"cpucmd"});  // over the page it covers
  EXPECT_FALSE(Form()["langFrame"].Enabled());
  Form()["syscmd"].RaiseClick();
  EXPECT_EQ(current(), std::vector<std::string>{"Command7"});
  EXPECT_TRUE(Form()["langFrame"].Enabled());
  Form()["Command1"].RaiseClick();
  EXPECT_EQ(VisibleFrames(), std::vector<std::string>{"EXPFrame"});
  EXPECT_EQ(Form().Height(), kMainHeight);  // the monitor's room given back, here and below
  std::vector<std::string> frames_while_open{"unset"};
  host.on_modal = [&](ui::Form& health) {
    EXPECT_EQ(health.Name(), "pchealth");
    frames_while_open = VisibleFrames();
  };
  Form()["cpucmd"].RaiseClick();
  Form()["Command3"].RaiseClick();
  EXPECT_EQ(Form().Height(), kMainHeight);
  EXPECT_EQ(host.modal, std::vector<std::string>{"pchealth"});
  EXPECT_TRUE(frames_while_open.empty());
  EXPECT_TRUE(VisibleFrames().empty());
  EXPECT_TRUE(current().empty());
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
  // Open: the column under "System" where it was designed, "CPU && Memory" right under it.
  EXPECT_TRUE(column.Visible());
  EXPECT_EQ(column.Rect(), (ui::TwipRect{160, 850, 2040, 4460}));
  EXPECT_EQ(Form()["cpucmd"].Rect().top, 5310);
  EXPECT_FALSE(Form()["SMframe"].Visible());
  EXPECT_EQ(Form().Height(), kMainHeight);
  // Folded: "CPU && Memory" moves up to just under "System" (270 + 480 twips).
  button.RaiseClick();
  EXPECT_EQ(button.Caption(), "System >>");
  EXPECT_FALSE(column.Visible());
  EXPECT_EQ(Form()["cpucmd"].Rect().top, 800);
  button.RaiseClick();
  EXPECT_EQ(Form()["cpucmd"].Rect().top, 5310);
  button.RaiseClick();
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
  EXPECT_TRUE(machine.dialogs.Messages().empty());

  machine.shell.SetResult(2);  // the help file is not there
  Form().on_title_button("help");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text.find("The help " + folder + "\\newhelp.chm could not be opened: "), 0u);
}

}  // namespace
}  // namespace qb::app
