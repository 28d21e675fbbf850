#include "cleaner/system_health.h"

#include <gtest/gtest.h>

#include "cleaner/application_paths.h"
#include "cleaner/dialog_history.h"
#include "cleaner/repair_lock.h"
#include "cleaner/system_health_form.h"
#include "cleaner/uninstall_entries.h"
#include "platform/app_settings.h"
#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::cleaner {
namespace {

class SystemHealth : public ::testing::Test {
 protected:
  SystemHealth() { host.Attach(app); }

  RegKeyPath AddUninstall(std::string_view name, RegView view = RegView::Force64) {
    const RegKeyPath key =
        RegKeyPath{RegRoot::LocalMachine, std::string(kUninstallArea), view}.Child(name);
    machine.registry.CreateKey(key);
    return key;
  }
  // Opens the window, lets act() work on it, and closes it again.
  void WithWindow(const std::function<void(SystemHealthWindow&, ui::Form&)>& act) {
    SystemHealthWindow window(app, machine.services());
    host.on_modal = [&](ui::Form& form) { act(window, form); };
    app.ShowModal(window.Form(), &owner);
  }

  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  ui::Form owner{"mainform", "Quill Box", 9000, 6000};
};

TEST_F(SystemHealth, LaysOutSixCategoryFramesAndClose) {
  machine.files.AddDrive("D:\\", DriveType::CdRom, false);
  WithWindow([](SystemHealthWindow&, ui::Form& form) {
    EXPECT_EQ(form.Name(), "pchealth");
    // The frame fills the client area; the window adds its title bar and border.
    EXPECT_EQ(form["HealthFrame"].Rect(), (ui::TwipRect{0, 0, 12975, 5445}));
    EXPECT_GE(form.Width(), 12975);
    EXPECT_GE(form.Height(), 5445);
    EXPECT_EQ(form["HealthFrame"].Caption(), "System Health");
    for (const auto& names : kFrames) {
      const ui::Control& frame = form[names.frame];
      EXPECT_EQ(frame.Caption(), names.caption);
      EXPECT_EQ(frame.Tag(), names.tag);
      EXPECT_EQ(form[names.button].Caption(), "Check && Repair");
      EXPECT_EQ(form[names.button].Tag(), "1020");
      EXPECT_EQ(form[names.button].Container(), &frame);
      EXPECT_EQ(form[names.found_caption_label].Caption(), "Total Errors Found :");
      EXPECT_EQ(form[names.repaired_caption_label].Caption(), "Repaired                :");
      EXPECT_EQ(form[names.found].Caption(), "");
      EXPECT_EQ(form[names.bar].Kind(), ui::ControlKind::ProgressBar);
      const auto& rect = frame.Rect();
      EXPECT_LE(rect.left + rect.width, 12975) << names.frame;
      EXPECT_LE(rect.top + rect.height, 5445) << names.frame;
    }
    EXPECT_EQ(form["ODrive"].Items(), (std::vector<std::string>{"c:", "d:"}));
    EXPECT_EQ(form["ODrive"].ListIndex(), 0);
    EXPECT_EQ(form["ODrive"].Container(), &form["OSFrame"]);
    EXPECT_NE(form.Find("label29"), nullptr);
    EXPECT_EQ(form["Command1"].Caption(), "Close");
  });
  EXPECT_EQ(host.modal, std::vector<std::string>{"pchealth"});
}

TEST_F(SystemHealth, LoadTakesItsTitleFromTheChosenLanguageAndItsOwnSkin) {
  AppSettings(machine.registry).Save("Vorlix", "Language", "lng", "Deutsch");
  machine.profile.SetFile("C:\\Program Files\\Quill Box\\languages\\Deutsch.ini",
                          "[Vorlix]\r\n7010=Systemzustand\r\n");
  const std::string skin = "[Skin]\r\nFormat=1\r\n[SmallForm]\r\nTitleButtons=close\r\n[Button]\r\n[frame]\r\n";
  machine.files.AddFile("C:\\Program Files\\Quill Box\\winaquas.skn", fileattr::kArchive,
                        std::vector<uint8_t>(skin.begin(), skin.end()));
  WithWindow([](SystemHealthWindow&, ui::Form& form) {
    EXPECT_EQ(form.Caption(), "Systemzustand");
    EXPECT_EQ(form.SkinElement(), "SmallForm");
    EXPECT_EQ(form["checkcmd"].SkinElement(), "Button");
    EXPECT_EQ(form["SRFrame"].SkinElement(), "frame");
    // Other captions stay as laid out.
    EXPECT_EQ(form["SRFrame"].Caption(), "Software removal entries in Registry");
  });
}

TEST_F(SystemHealth, WithoutLanguageOrSkinTheWindowKeepsItsOwnTitleAndPlainLook) {
  WithWindow([](SystemHealthWindow&, ui::Form& form) {
    EXPECT_EQ(form.Caption(), "System Health");
    EXPECT_EQ(form.SkinElement(), "");
  });
}

TEST_F(SystemHealth, ARunShowsFoundAndRepairedAndKeepsTheWindowLockedWhileItWorks) {
  AddUninstall("OldTool");
  AddUninstall("Older");
  int checks = 0;
  WithWindow([&](SystemHealthWindow& window, ui::Form& form) {
    host.on_events = [&] {
      ++checks;
      EXPECT_TRUE(window.Running());
      EXPECT_TRUE(form.Busy());
      for (const auto& names : kFrames) EXPECT_FALSE(form[names.button].Enabled());
      EXPECT_FALSE(form["Command1"].Enabled());
      // A second click does nothing while the run works.
      form["check2cmd"].RaiseClick();
    };
    form["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_EQ(form["Elabel"].Caption(), "2");
    EXPECT_EQ(form["Rlabel"].Caption(), "2");
    EXPECT_EQ(form["t2label"].Caption(), "");  // the other category never ran
    EXPECT_EQ(window.Results(0).lists[0], (std::vector<std::string>{"Older", "OldTool"}));
    EXPECT_EQ(form["RemovalProgressBar"].Max(), 1);
    EXPECT_TRUE(form["checkcmd"].Enabled());
    EXPECT_TRUE(form["Command1"].Enabled());
    EXPECT_FALSE(form.Busy());

    form["checkcmd"].RaiseClick();
    EXPECT_EQ(form["Elabel"].Caption(), "0");
    EXPECT_EQ(form["Rlabel"].Caption(), "0");
    EXPECT_TRUE(window.Results(0).lists[0].empty());

    form["Command1"].RaiseClick();
    EXPECT_FALSE(app.IsLoaded(form));
  });
  EXPECT_GT(checks, 0);
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

// The window and a console repair worked on the same files at once.
TEST_F(SystemHealth, ARepairWaitsForAnotherOneToFinishAndSaysSoOnce) {
  const RegKeyPath tool = AddUninstall("OldTool");
  auto other = machine.locks.Take(kRepairLockName, 0);
  WithWindow([&](SystemHealthWindow&, ui::Form& form) {
    host.on_events = [&] {
      if (other) {
        EXPECT_EQ(machine.registry.OpenKey(tool, regaccess::kRead), status::kOk);
      }
      if (machine.locks.Refusals() > 3) other.reset();
    };
    form["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_EQ(form["Rlabel"].Caption(), "1");
  });
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text, language::phrase::kRepairWait.english);
}

TEST_F(SystemHealth, ACloseRequestDuringARunStopsItAfterTheEntryInHandThenCloses) {
  const RegKeyPath first = AddUninstall("Older");
  for (const char* name : {"a", "b", "c"}) machine.registry.SetValue(first, RegValue::String(name, "x"));
  const RegKeyPath second = AddUninstall("OldTool");
  int turns = 0;
  WithWindow([&](SystemHealthWindow& window, ui::Form& form) {
    host.on_events = [&] {
      machine.clock.Advance(EventPacer::kIntervalMs);
      // Two turns in the scan, one before the first removal, then one at each of its values.
      if (++turns == 4) {
        EXPECT_FALSE(app.Unload(form, ui::CloseReason::OwnerClosing));
      }
    };
    form["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_FALSE(app.IsLoaded(form));
    EXPECT_FALSE(window.Running());
  });
  EXPECT_EQ(turns, 4);  // no more events once the close was asked for
  EXPECT_EQ(machine.registry.OpenKey(first, regaccess::kRead), status::kFileNotFound);
  EXPECT_EQ(machine.registry.OpenKey(second, regaccess::kRead), status::kOk);
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST_F(SystemHealth, ACloseRequestDuringTheScanRemovesNothing) {
  const RegKeyPath tool = AddUninstall("OldTool");
  WithWindow([&](SystemHealthWindow&, ui::Form& form) {
    host.on_events = [&] { app.Unload(form, ui::CloseReason::User); };
    form["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_FALSE(app.IsLoaded(form));
  });
  EXPECT_EQ(machine.registry.OpenKey(tool, regaccess::kRead), status::kOk);
  std::vector<FileEntry> backups;
  EXPECT_NE(machine.files.FindFiles("C:\\Program Files\\Quill Box\\Backups\\*", backups), status::kOk);
}

TEST_F(SystemHealth, AFailedBackupRemovesNothingAndSaysSo) {
  const RegKeyPath tool = AddUninstall("OldTool");
  machine.files.DenyWrites("C:\\Program Files\\Quill Box");
  machine.files.DenyWrites("C:\\Users\\user\\AppData\\Local");
  WithWindow([](SystemHealthWindow&, ui::Form& form) {
    form["checkcmd"].RaiseClick();
    EXPECT_EQ(form["Elabel"].Caption(), "1");
    EXPECT_EQ(form["Rlabel"].Caption(), "0");
  });
  EXPECT_EQ(machine.registry.OpenKey(tool, regaccess::kRead), status::kOk);
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_NE(machine.dialogs.Messages()[0].text.find("Nothing was removed"), std::string::npos);
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconStop);
}

TEST_F(SystemHealth, EachCategoryButtonRunsItsOwnCategory) {
  AddUninstall("OldTool");
  const RegKeyPath app_path =
      RegKeyPath{RegRoot::LocalMachine, std::string(kAppPathsArea), RegView::Force32}.Child("gone.exe");
  machine.registry.CreateKey(app_path);
  machine.registry.SetValue(app_path, RegValue::String("", "C:\\gone.exe"));
  const RegKeyPath history{RegRoot::CurrentUser, std::string(kDialogHistoryArea) + "\\txt"};
  machine.registry.CreateKey(history);
  machine.registry.SetValue(history, RegValue::String("a", "C:\\gone.txt"));
  machine.registry.SetValue(history, RegValue::String("b", "C:\\gone2.txt"));
  WithWindow([](SystemHealthWindow&, ui::Form& form) {
    form["check2cmd"].RaiseClick();
    form["check4cmd"].RaiseClick();
    form["check5cmd"].RaiseClick();  // a category of its own, not part of this window yet
    EXPECT_EQ(form["Elabel"].Caption(), "");
    EXPECT_EQ(form["t2label"].Caption(), "1");
    EXPECT_EQ(form["R2label"].Caption(), "1");
    EXPECT_EQ(form["t4label"].Caption(), "2");
    EXPECT_EQ(form["R4label"].Caption(), "2");
  });
}

}  // namespace
}  // namespace qb::cleaner
