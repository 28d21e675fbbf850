#include "disk/drives_page.h"

#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "disk/defragmenter.h"
#include "platform/memory/memory_machine.h"

namespace qb::disk {
namespace {

class DrivesPageTest : public ::testing::Test {
 protected:
  DrivesPageTest() {
    machine.files.SetDiskSpace("C:\\", 64ull << 30, 16ull << 30);
    machine.files.AddDrive("A:\\", DriveType::Removable, false);
    machine.files.AddDrive("D:\\", DriveType::CdRom, false);
    machine.files.AddDrive("E:\\", DriveType::Fixed);
    machine.files.SetDiskSpace("E:\\", 1000, 250);
    machine.files.AddDrive("N:\\", DriveType::Remote);
    machine.files.SetDiskSpace("N:\\", 1 << 20, 1 << 19);
  }
  void Select(std::string_view entry) {
    auto& list = (*form)["Drive1"];
    for (size_t i = 0; i < list.Items().size(); ++i) {
      if (list.Items()[i] == entry) list.ListIndexChangedByUser(static_cast<int>(i));
    }
    ASSERT_EQ(list.Text(), entry);
  }
  std::string Caption(const char* name) { return (*form)[name].Caption(); }
  std::vector<std::string> Facts() {
    return {Caption("typelbl"), Caption("lblTotal"), Caption("lblFree"), Caption("lblUsed"),
            Caption("lblPercentFree"), Caption("lblPercentUsed"),
            std::to_string((*form)["freebar"].Value()), std::to_string((*form)["usedbar"].Value())};
  }

  MemoryMachine machine;
  std::unique_ptr<ui::Form> form = app::CreateMainForm();
  DrivesPage page{*form, machine.services(), [] { return WindowHandle{77}; }};
};

TEST_F(DrivesPageTest, StartsOnDriveCWithItsFactsAndLeavesTheExplorerButtonAlone) {
  (*form)["Command1"].SetEnabled(false);
  page.FillAtLoad();
  EXPECT_EQ((*form)["Drive1"].Items(), (std::vector<std::string>{"a:", "c:", "d:", "e:", "n:"}));
  EXPECT_EQ((*form)["Drive1"].Text(), "c:");
  EXPECT_EQ(Facts(), (std::vector<std::string>{"Fixed Drive", "64.0 GB", "16.0 GB", "48.0 GB",
                                                "25.00%", "75.00%", "25", "75"}));
  EXPECT_FALSE((*form)["Command1"].Enabled());
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST_F(DrivesPageTest, EmptyRemovableDrivesZeroThePanelAndAskForAMedium) {
  page.FillAtLoad();
  const struct {
    const char* entry;
    const char* type;
    const char* text;
    const char* title;
  } cases[] = {
      {"d:", "CD-Rom Drive", "There is no CD in the drive!!", "Insert CD-Rom"},
      {"a:", "Floppy Drive", "There is no disk in the floppy drive!!", "Insert Disk"},
  };
  for (const auto& c : cases) {
    Select(c.entry);
    EXPECT_EQ(Facts(), (std::vector<std::string>{c.type, "0", "0", "0", "0", "0", "0", "0"}));
    ASSERT_FALSE(machine.dialogs.Messages().empty());
    const auto& shown = machine.dialogs.Messages().back();
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.style, mb::kOk | mb::kIconStop);
    EXPECT_FALSE((*form)["Command1"].Enabled());
  }
  EXPECT_EQ(machine.dialogs.Messages().size(), 2u);
}

TEST_F(DrivesPageTest, ANetworkDriveKeepsThePreviousTypeAndItsExplorerRule) {
  page.FillAtLoad();
  Select("e:");
  EXPECT_EQ(Facts(), (std::vector<std::string>{"Fixed Drive", "0.98 KB", "250 bytes", "750 bytes",
                                                "25.00%", "75.00%", "25", "75"}));
  Select("n:");
  EXPECT_EQ(Caption("typelbl"), "Fixed Drive");
  EXPECT_EQ(Caption("lblTotal"), "1.00 MB");
  EXPECT_TRUE((*form)["Command1"].Enabled());
  Select("d:");
  Select("n:");
  EXPECT_EQ(Caption("typelbl"), "CD-Rom Drive");
  EXPECT_FALSE((*form)["Command1"].Enabled());
  Select("c:");
  EXPECT_TRUE((*form)["Command1"].Enabled());
}

TEST(FormatDriveIndex, MapsTheFirstLetter) {
  EXPECT_EQ(FormatDriveIndex("a:"), 0);
  EXPECT_EQ(FormatDriveIndex("c: [SYSTEM]"), 2);
  EXPECT_EQ(FormatDriveIndex("D:"), 3);
  EXPECT_EQ(FormatDriveIndex("z:"), 25);
  EXPECT_EQ(FormatDriveIndex("\\\\server"), -1);
  EXPECT_EQ(FormatDriveIndex("1:"), -1);
  EXPECT_EQ(FormatDriveIndex(""), -1);
}

TEST_F(DrivesPageTest, FormatHandsTheSelectedDriveToTheDialog) {
  page.FillAtLoad();
  Select("d:");
  (*form)["formatcmd"].RaiseClick();
  ASSERT_EQ(machine.formatter.Calls().size(), 1u);
  EXPECT_EQ(machine.formatter.Calls()[0].drive_index, 3);
  EXPECT_EQ(machine.formatter.Calls()[0].owner, WindowHandle{77});
  (*form)["Drive1"].SetItems({"?:"});
  (*form)["Drive1"].SetListIndex(0);
  (*form)["formatcmd"].RaiseClick();
  EXPECT_EQ(machine.formatter.Calls().size(), 1u);
}

// The dialog's result was ignored: a format that failed or could not start said nothing.
TEST_F(DrivesPageTest, FormatSaysWhenTheDialogDidNotFormat) {
  const struct { FormatOutcome outcome; const char* text; } outcomes[] = {
      {FormatOutcome::Formatted, nullptr},
      {FormatOutcome::Cancelled, nullptr},
      {FormatOutcome::Failed, "Drive D: was not formatted: the format failed or was not finished."},
      {FormatOutcome::CannotFormat, "Drive D: cannot be formatted."},
  };
  page.FillAtLoad();
  Select("d:");
  for (const auto& [outcome, text] : outcomes) {
    const size_t before = machine.dialogs.Messages().size();
    machine.formatter.SetOutcome(outcome);
    (*form)["formatcmd"].RaiseClick();
    ASSERT_EQ(machine.dialogs.Messages().size(), before + (text ? 1 : 0));
    if (text) {
      EXPECT_TRUE(machine.dialogs.Messages().back().text.starts_with(text));
    }
  }
}

TEST(DefragmenterCandidates, FollowTheWindowsVersion) {
  const std::string w = "C:\\WINDOWS";
  const ProgramStart defrag{w + "\\defrag.exe", ""};
  const ProgramStart console{w + "\\system32\\mmc.exe", "\"" + w + "\\system32\\dfrg.msc\""};
  const ProgramStart native{w + "\\Sysnative\\dfrgui.exe", ""};
  const ProgramStart current{w + "\\system32\\dfrgui.exe", ""};
  const struct {
    const char* version;
    std::vector<ProgramStart> expected;
  } cases[] = {
      {"Windows 95, version: 4.0", {defrag}},
      {"Windows 98, version: 4.10", {defrag}},
      {"Windows 98, version: 4.90", {defrag}},  // Me reports the 98 text
      {"Windows NT, version: 5.0 (Windows 2000)", {console, native, current}},
      {"Windows NT, version: 5.1 (Windows XP)", {console, native, current}},
      {"Windows NT, version: 6.1 (Windows 7)", {native, current, console}},
      {"Windows NT, version: 10.0 (Windows 11)", {native, current, console}},
      {"", {native, current, console}},
  };
  for (const auto& c : cases) EXPECT_EQ(DefragmenterCandidates(c.version, w), c.expected) << c.version;
}

TEST_F(DrivesPageTest, DefragmentStartsTheProgramTheSystemHasMinimised) {
  ASSERT_EQ(machine.files.AddFile("C:\\Windows\\System32\\dfrgui.exe"), status::kOk);
  (*form)["defragmentcmd"].RaiseClick();
  ASSERT_EQ(machine.shell.Requests().size(), 1u);
  EXPECT_EQ(machine.shell.Requests()[0].file, "C:\\Windows\\system32\\dfrgui.exe");
  EXPECT_EQ(machine.shell.Requests()[0].show, showmode::kMinimized);
  EXPECT_TRUE(machine.dialogs.Messages().empty());

  machine.system.version = {4, 10, 1998, platform_id::kWindows9x, product_type::kWorkstation, ""};
  ASSERT_EQ(machine.files.AddFile("C:\\Windows\\defrag.exe"), status::kOk);
  (*form)["defragmentcmd"].RaiseClick();
  ASSERT_EQ(machine.shell.Requests().size(), 2u);
  EXPECT_EQ(machine.shell.Requests()[1].file, "C:\\Windows\\defrag.exe");
}

TEST_F(DrivesPageTest, ADefragmenterThatCannotStartIsSaidPlainly) {
  (*form)["defragmentcmd"].RaiseClick();  // none of the programs is on this machine
  EXPECT_TRUE(machine.shell.Requests().empty());
  ASSERT_EQ(machine.files.AddFile("C:\\Windows\\System32\\dfrgui.exe"), status::kOk);
  ASSERT_EQ(machine.files.AddFile("C:\\Windows\\System32\\mmc.exe"), status::kOk);
  machine.shell.SetResult(5);  // refused, or the user said no to running it as an administrator
  (*form)["defragmentcmd"].RaiseClick();
  EXPECT_EQ(machine.shell.Requests().size(), 1u) << "the console is not tried after a refusal";
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text,
            "The defragmenter could not be started.\nIt was not found on this computer.");
  EXPECT_EQ(machine.dialogs.Messages()[1].text.find("The defragmenter could not be started.\n"
                                                    "C:\\Windows\\system32\\dfrgui.exe: "),
            0u);
}

}  // namespace
}  // namespace qb::disk
