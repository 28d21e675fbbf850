#include "cleaner/review_window.h"

#include <gtest/gtest.h>

#include "cleaner/exclusions_window.h"
#include "cleaner/system_health.h"
#include "cleaner_fixture.h"
#include "platform/app_settings.h"
#include "ui/headless_host.h"

namespace qb::cleaner {
namespace {

// The System Health window with the review chosen; act() works on the review list.
class Review : public testing::CleanerTest {
 protected:
  Review() {
    host.Attach(app);
    AppSettings(machine.registry).Save("Vorlix", "System Health", "Review", "1");
  }
  void RunReviewed(std::string_view button, const std::function<void(ui::Form&)>& act) {
    SystemHealthWindow window(app, machine.services());
    host.on_modal = [&](ui::Form& form) {
      if (form.Name() == "reviewfrm") return act(form);
      form[button].RaiseClick();
      backup = window.LastBackupPath();
    };
    app.ShowModal(window.Form(), &owner);
  }
  // The entry added last to the list of entries kept.
  std::string LastKept() {
    const auto entries = LoadExclusions(machine.files, machine.environment).Entries();
    return entries.empty() ? "" : entries.back();
  }
  std::vector<std::string> Backups() { return FilesIn("C:\\Program Files\\Quill Box\\Backups"); }

  ui::HeadlessHost host;
  ui::Application app{host};
  ui::Form owner{"mainform", "Quill Box", 9000, 6000};
  std::string backup;
};

TEST_F(Review, OnlyTheTickedRowsAreBackedUpAndRemoved) {
  std::vector<RegKeyPath> keys;
  for (const char* name : {"A", "B", "C", "D"}) keys.push_back(Uninstall(name));
  RunReviewed("checkcmd", [&](ui::Form& form) {
    ui::Control& list = form["findings"];
    ASSERT_EQ(list.Rows().size(), 4u);
    EXPECT_EQ(list.Rows()[1].cells[1], "HKEY_LOCAL_MACHINE\\" + keys[1].path);
    for (const auto& row : list.Rows()) EXPECT_TRUE(row.checked);
    list.SetRowChecked(1, false);
    list.RowCheckChangedByUser(2, false);
    EXPECT_EQ(form["ticked"].Caption(), "Ticked: 2 of 4");
    form["repair"].RaiseClick();
  });
  EXPECT_FALSE(Exists(keys[0]));
  EXPECT_TRUE(Exists(keys[1]));
  EXPECT_TRUE(Exists(keys[2]));
  EXPECT_FALSE(Exists(keys[3]));
  RepairOutcome outcome;
  outcome.backup_path = backup;
  std::vector<std::string> backed_up;
  for (const auto& key : BackupOf(outcome)) backed_up.push_back(key.path.substr(key.path.rfind('\\') + 1));
  EXPECT_EQ(backed_up, (std::vector<std::string>{"A", "D"}));
}

TEST_F(Review, CancelUntickAllAndEscapeRemoveNothingAndWriteNoBackup) {
  const RegKeyPath key = Uninstall("A");
  for (const auto& way : {std::function<void(ui::Form&)>([](ui::Form& form) { form["cancel"].RaiseClick(); }),
                          std::function<void(ui::Form&)>([](ui::Form& form) {
                            form["untickall"].RaiseClick();
                            EXPECT_FALSE(form["repair"].Enabled());
                            form["tickall"].RaiseClick();
                            EXPECT_TRUE(form["repair"].Enabled());
                          })}) {  // the second closes as Escape or the title bar does
    RunReviewed("checkcmd", way);
    EXPECT_TRUE(Exists(key));
    EXPECT_TRUE(backup.empty());
    EXPECT_TRUE(Backups().empty());
  }
}

TEST_F(Review, AlwaysKeepAddsTheKeyValueOrFolderAndTakesTheRowsOut) {
  Uninstall("A");
  const RegKeyPath kept = Uninstall("B");
  RunReviewed("checkcmd", [&](ui::Form& form) {
    form["findings"].SetListIndex(1);
    form["keep"].RaiseClick();
    ASSERT_EQ(form["findings"].Rows().size(), 1u);
    EXPECT_EQ(form["findings"].Rows()[0].cells[1].substr(form["findings"].Rows()[0].cells[1].size() - 2), "\\A");
    form["repair"].RaiseClick();
  });
  EXPECT_EQ(LastKept(), "HKEY_LOCAL_MACHINE\\" + kept.path);
  EXPECT_TRUE(Exists(kept));

  const RegKeyPath history = History("txt");
  Set(history, RegValue::String("a", "C:\\gone.txt"));
  RunReviewed("check4cmd", [](ui::Form& form) { form["keep"].RaiseClick(); });
  EXPECT_EQ(LastKept(), "HKEY_CURRENT_USER\\" + history.path + " [a]");

  // A shortcut: Yes keeps its whole folder (and every other orphan in it), No the file.
  for (const char* name : {"C:\\Old\\one.lnk", "C:\\Old\\two.lnk", "C:\\Else\\three.lnk"}) {
    machine.files.AddFile(name, fileattr::kArchive, {'L', 0, 0, 0});
    machine.shortcuts.SetTarget(name, "C:\\gone.exe");
  }
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  machine.dialogs.ScriptAnswer(mb::kIdNo);
  RunReviewed("check3cmd", [](ui::Form& form) {
    form["findings"].SetListIndex(1);  // the walk lists C:\Else first
    form["keep"].RaiseClick();
    EXPECT_EQ(form["findings"].Rows().size(), 1u);
    form["keep"].RaiseClick();
    EXPECT_TRUE(form["findings"].Rows().empty());
    form["cancel"].RaiseClick();
  });
  const Exclusions written = LoadExclusions(machine.files, machine.environment);
  EXPECT_EQ(written.Entries()[written.Entries().size() - 2], "C:\\Old");
  EXPECT_EQ(written.Entries().back(), "C:\\Else\\three.lnk");
}

TEST_F(Review, AlwaysKeepTakesEverySelectedRowAndTheDefaultValueIsNamed) {
  const RegKeyPath a = Uninstall("A"), b = Uninstall("B"), c = Uninstall("C");
  RunReviewed("checkcmd", [](ui::Form& form) {
    ui::Control& list = form["findings"];
    list.SetListIndex(0);
    list.RowSelectionChangedByUser(2, true);  // Ctrl and a click on the third row
    form["keep"].RaiseClick();
    ASSERT_EQ(list.Rows().size(), 1u);
    EXPECT_TRUE(list.Rows()[0].cells[1].ends_with("\\B"));
    form["cancel"].RaiseClick();
  });
  EXPECT_EQ(LoadExclusions(machine.files, machine.environment).Entries(),
            (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\" + a.path, "HKEY_LOCAL_MACHINE\\" + c.path}));

  Set(History("txt"), RegValue::String("", "C:\\gone.txt"));
  RunReviewed("check4cmd", [](ui::Form& form) {
    ASSERT_EQ(form["findings"].Rows().size(), 1u);
    EXPECT_EQ(form["findings"].Rows()[0].cells[2], "(default)");
    form["cancel"].RaiseClick();
  });
}

TEST_F(Review, AKeepThatCannotBeSavedSaysSoAndLeavesTheRow) {
  Uninstall("A");
  machine.files.DenyWrites("C:\\Users\\user\\AppData\\Local");
  RunReviewed("checkcmd", [](ui::Form& form) {
    form["keep"].RaiseClick();
    EXPECT_EQ(form["findings"].Rows().size(), 1u);
    form["cancel"].RaiseClick();
  });
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_NE(machine.dialogs.Messages()[0].text.find("was not saved"), std::string::npos);
  EXPECT_TRUE(Exists(UninstallPath("A")));
}

TEST_F(Review, TheChoiceIsRememberedAndOffTheOneClickRunShowsNoList) {
  AppSettings settings(machine.registry);
  settings.Save("Vorlix", "System Health", "Review", "0");
  Uninstall("A");
  RunReviewed("checkcmd", [](ui::Form&) { ADD_FAILURE() << "no review was asked for"; });
  EXPECT_FALSE(Exists(UninstallPath("A")));
  SystemHealthWindow window(app, machine.services());
  host.on_modal = [&](ui::Form& form) { form["review"].ClickedByUser(); };
  app.ShowModal(window.Form(), &owner);
  EXPECT_EQ(settings.Get("Vorlix", "System Health", "Review"), "1");
}

TEST_F(Review, TheExclusionsWindowRemovesAnEntryAndWritesTheFileWhole) {
  Exclusions start;
  for (const char* entry : {"C:\\Old", "HKEY_CURRENT_USER\\Software\\Tool", "C:\\x.lnk"}) start.Add(entry);
  ASSERT_EQ(SaveExclusions(machine.files, machine.environment, start), status::kOk);
  skin::SkinInstance skin;
  ExclusionsWindow window(app, machine.services(), skin);
  host.on_modal = [](ui::Form& form) {
    EXPECT_EQ(form["entries"].Items().size(), 3u);
    form["entries"].SetListIndex(1);
    form["remove"].RaiseClick();
    EXPECT_EQ(form["entries"].Items(), (std::vector<std::string>{"C:\\Old", "C:\\x.lnk"}));
  };
  app.ShowModal(window.Form(), &owner);
  EXPECT_EQ(LoadExclusions(machine.files, machine.environment).Entries(),
            (std::vector<std::string>{"C:\\Old", "C:\\x.lnk"}));
}

}  // namespace
}  // namespace qb::cleaner
