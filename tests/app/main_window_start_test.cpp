// The start-up: what the first picture shows, a second start, and the skin.
#include "app/main_window_fixture.h"

namespace qb::app {
namespace {

TEST_F(MainWindowTest, StartsOnTheVisualPageInEnglishWithTheSplashDownBeforeShowing) {
  Start();
  EXPECT_EQ(splash.events, (std::vector<std::string>{"show " + folder + "\\Splash.spl", "close"}));
  EXPECT_EQ(host.shown, std::vector<std::string>{"mainform"});
  EXPECT_EQ(VisibleFrames(), std::vector<std::string>{"VisualFrame"});
  EXPECT_EQ(Form().Height(), kMainHeight);
  EXPECT_EQ(Form().Caption(), "Quill Box");
  // Every control with a key shows its English caption after the fallback application...
  EXPECT_EQ(Form()["Command1"].Caption(), "&Explorer");
  EXPECT_EQ(Form()["cpucmd"].Caption(), "&CPU && Memory");
  EXPECT_EQ(Form()["syscmd"].Caption(), "&System");
  EXPECT_EQ(Form()["SkinLabel2"].Caption(), "Used memory             :");
  // ...and so do the three frames captioned by code: an unset choice reads English.
  EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring");
  EXPECT_EQ(Form()["drivesframe"].Caption(), "Drives");
  EXPECT_EQ(Form()["Inputframe"].Caption(), "Input");
  // The Explorer page's frame shares its navigation button's key.
  EXPECT_EQ(Form()["EXPFrame"].Caption(), "&Explorer");
  Form()["Command7"].RaiseClick();
  EXPECT_EQ(Form()["combolng"].Items(), std::vector<std::string>{"English"});
  EXPECT_EQ(Form()["combolng"].Text(), "English");
  // Opening the program changes no setting.
  EXPECT_TRUE(machine.registry.WriteLog().empty());
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
  EXPECT_EQ(Form()["Command1"].Caption(), "&Explorer");
}

// The monitor starts once the window is up; the drive facts wait until the Drives page is
// first shown, as the other hidden pages do.
TEST_F(MainWindowTest, TheMonitorStartsOnceTheWindowIsUpAndTheDrivesWhenTheirPageIsShown) {
  machine.files.AddDrive("C:\\", DriveType::Fixed);
  std::string memory_when_shown;
  host.on_show = [&](ui::Form& form) { memory_when_shown = form["Label5"].Caption(); };
  Start();
  EXPECT_EQ(memory_when_shown, "");
  EXPECT_NE(Form()["Label5"].Caption(), "");
  EXPECT_TRUE(Form()["Drive1"].Items().empty());
  Form()["Command5"].RaiseClick();
  EXPECT_EQ(Form()["Drive1"].Text(), "c:");
  EXPECT_EQ(Form()["typelbl"].Caption(), "Fixed Drive");
}

}  // namespace
}  // namespace qb::app
