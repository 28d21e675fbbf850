#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "cleaner/backup.h"
#include "cleaner/system_health.h"
#include "cleaner/system_health_form.h"
#include "cli/json_text.h"
#include "journal/journal.h"
#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::cli {
namespace {

using cleaner::kFrames;

class CommandLine : public ::testing::Test {
 protected:
  CommandLine() {
    machine.registry.CreateKey({RegRoot::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OldTool", RegView::Force64});
    const RegKeyPath history{RegRoot::CurrentUser,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\txt"};
    machine.registry.CreateKey(history);
    machine.registry.SetValue(history, RegValue::String("a", "C:\\gone \"quoted\".txt"));
    const RegKeyPath shared{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                            RegView::Force32};
    machine.registry.CreateKey(shared);
    machine.registry.SetValue(shared, RegValue::Dword("C:\\Common\\gone.dll", 1));
    machine.files.AddFile("C:\\Desk\\old.lnk");
    machine.shortcuts.SetTarget("C:\\Desk\\old.lnk", "C:\\gone.exe");
  }
  int Run(std::vector<std::string> args) {
    output = {};
    return RunCommandLine(args, machine.services(), output);
  }
  size_t Count(std::string_view what) const {
    size_t n = 0;
    for (auto at = output.out.find(what); at != std::string::npos; at = output.out.find(what, at + 1)) ++n;
    return n;
  }

  MemoryMachine machine;
  Output output;
};

TEST_F(CommandLine, CheckListsWhatTheWindowWouldRemoveAndRemovesNothing) {
  machine.registry.ClearWriteLog();
  EXPECT_EQ(Run({"check", "all", "--json"}), kFound);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_EQ(Count("{\"category\":"), 4u);
  EXPECT_NE(output.out.find("{\"category\":\"uninstall\",\"view\":\"64-bit\",\"key\":"
                            "\"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\"
                            "Uninstall\\\\OldTool\",\"value\":null,\"file\":null,\"path\":null,"
                            "\"verdict\":\"no uninstall command\"}"),
            std::string::npos)
      << output.out;
  EXPECT_NE(output.out.find("\"value\":\"a\",\"file\":null,\"path\":\"C:\\\\gone \\\"quoted\\\".txt\""),
            std::string::npos)
      << output.out;
  EXPECT_NE(output.out.find("\"file\":\"C:\\\\Desk\\\\old.lnk\",\"path\":\"C:\\\\gone.exe\",\"verdict\":\"target missing\""),
            std::string::npos)
      << output.out;
  uint32_t attributes = 0;
  EXPECT_EQ(machine.files.GetAttributes("C:\\Desk\\old.lnk", attributes), status::kOk);

  // The window's runs find the same entries.
  ui::HeadlessHost host;
  ui::Application app(host);
  host.Attach(app);
  ui::Form owner{"mainform", "Quill Box", 9000, 6000};
  size_t window_found = 0;
  {
    cleaner::SystemHealthWindow window(app, machine.services());
    host.on_modal = [&](ui::Form& form) {
      for (const auto& names : kFrames) {
        form[names.button].RaiseClick();
        window_found += std::stoul(form[names.found].Caption());
      }
    };
    app.ShowModal(window.Form(), &owner);
  }
  EXPECT_EQ(window_found, 4u);
}

TEST_F(CommandLine, RepairDoesWhatTheButtonDoesAndTheNextCheckFindsNothing) {
  EXPECT_EQ(Run({"repair", "all"}), kFound);
  EXPECT_NE(output.out.find("Uninstall entries: 1 found, 1 repaired\n"), std::string::npos) << output.out;
  EXPECT_EQ(Count("  backup: C:\\Program Files\\Quill Box\\Backups\\"), 4u) << output.out;
  EXPECT_EQ(Run({"check", "all"}), kNothingFound);
  EXPECT_EQ(Count(": 0 found\n"), 6u) << output.out;
  EXPECT_TRUE(output.err.empty());
}

TEST_F(CommandLine, OneCategoryAndTheDriveToSearch) {
  machine.files.AddDrive("D:\\", DriveType::Fixed);
  machine.files.AddFile("D:\\x.lnk");
  machine.shortcuts.SetTarget("D:\\x.lnk", "D:\\gone.exe");
  EXPECT_EQ(Run({"check", "shortcuts", "--drive", "d:"}), kFound);
  EXPECT_EQ(output.out, "Orphan shortcuts: 1 found\n  D:\\x.lnk: target missing: D:\\gone.exe\n");
}

// A drive that was not there was reported as searched and clean, with "0 found".
TEST_F(CommandLine, ADriveOrFolderThatCannotBeReadIsAFailureNotACleanResult) {
  machine.files.AddDrive("E:\\", DriveType::CdRom, /*ready=*/false);
  machine.files.AddFile("C:\\Locked\\in.lnk");
  machine.files.DenyListing("C:\\Locked");
  const struct { std::vector<std::string> args; std::string message; } cases[] = {
      {{"check", "shortcuts", "--drive", "Q:"}, "the drive Q: cannot be read: The system cannot find the path specified"},
      {{"repair", "shortcuts", "--drive", "E:"}, "the drive E: cannot be read: The device is not ready"},
      {{"check", "shortcuts", "--folder", "C:\\Nowhere", "--json"},
       "the folder C:\\Nowhere cannot be read: The system cannot find the path specified"},
      {{"check", "shortcuts", "--folder", "C:\\Locked"}, "the folder C:\\Locked cannot be read: Access is denied"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), kFailed);
    EXPECT_EQ(output.err, "quillbox-cli: Orphan shortcuts: " + c.message + "; nothing was searched.\n");
    EXPECT_EQ(output.out.find("Orphan shortcuts"), std::string::npos) << output.out;
    EXPECT_EQ(output.out.find("\"shortcuts\""), std::string::npos) << output.out;
  }
  EXPECT_EQ(Run({"check", "shortcuts"}), kFound);
  EXPECT_NE(output.out.find("\n  C:\\Locked: could not be listed, not searched\n"), std::string::npos) << output.out;
}

TEST_F(CommandLine, BadUsageAndFailuresExitWithTwoAndSayWhy) {
  const struct { std::vector<std::string> args; std::string message; } cases[] = {
      {{"check", "everything"}, "unknown category \"everything\"; the categories are uninstall app-paths history help shared shortcuts and all"},
      {{"clean", "all"}, "unknown command \"clean\"; the commands are check repair exclude history undo settings"},
      {{}, "expected a command; the commands are check repair exclude history undo settings"},
      {{"undo"}, "expected undo and an action: its id, last or all"},
      {{"undo", "-3"}, "expected the id of an action (see history), last or all"},
      {{"undo", "99999999999999999999999"}, "expected the id of an action (see history), last or all"},
      {{"undo", "last", "--since", "2026-01-01"}, "--since applies to undo all"},
      {{"undo", "all", "--since", "2026-13-01"}, "--since needs a date such as 2026-01-31"},
      {{"history", "--output", "h.txt"}, "--output does not apply to history"},
      {{"check"}, "expected a command (check or repair) and a category"},
      {{"check", "all", "--drive", "C:", "--folder", "C:\\Users"}, "--drive and --folder cannot be given together"},
      {{"check", "all", "--json", "--json"}, "--json is given twice"},
      {{"check", "all", "--json=yes"}, "--json takes no value"},
      {{"check", "all", "--drive"}, "--drive needs a drive letter and a colon, such as C:"},
      {{"check", "all", "--fast"}, "unknown option --fast"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), kFailed);
    EXPECT_TRUE(output.err.starts_with("quillbox-cli: " + c.message + "\nUsage:")) << output.err;
    EXPECT_TRUE(output.out.empty());
  }
  machine.files.DenyWrites("C:\\");
  EXPECT_EQ(Run({"repair", "uninstall"}), kFailed);
  EXPECT_NE(output.err.find("nothing was removed, because the entries could not be backed up first"),
            std::string::npos);
  EXPECT_EQ(Run({"--help"}), kNothingFound);
}

// A report to a full disk left an empty file behind and the status of a finished run.
TEST_F(CommandLine, AReportThatCannotBeWrittenFailsAndLeavesNoFile) {
  machine.files.AddDrive("D:\\", DriveType::Fixed);
  const std::vector<std::string> to_file = {"check", "all", "--json", "--output", "D:\\report.json"};
  EXPECT_EQ(Run(to_file), kFound);
  EXPECT_TRUE(output.out.empty());
  std::vector<uint8_t> report;
  ASSERT_EQ(machine.files.ReadFile("D:\\report.json", report), status::kOk);
  EXPECT_TRUE(std::string(report.begin(), report.end()).starts_with("{\"command\":\"check\""));

  machine.files.DeleteFile("D:\\report.json");
  machine.files.LimitSpace("D:\\", 100);
  EXPECT_EQ(Run(to_file), kFailed);
  EXPECT_EQ(output.err, "quillbox-cli: the report could not be written to D:\\report.json: There is "
                        "not enough space on the disk.\n");
  std::vector<FileEntry> left;
  machine.files.FindFiles("D:\\*", left);
  EXPECT_TRUE(left.empty());
}

TEST(JsonText, EscapesWhatJsonCannotCarryPlain) {
  EXPECT_EQ(JsonString("a\"b\\c\r\n\t\x01Ж"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001Ж\"");
}


// Every key and value of both views below the roots the cleaner touches, and the files on
// the desktop: the state an undo must give back exactly.
std::vector<std::string> Dump(MemoryMachine& machine) {
  std::vector<std::string> out;
  const auto walk = [&](auto& self, const RegKeyPath& key) -> void {
    out.push_back(std::to_string(static_cast<int>(key.view)) + key.path);
    std::vector<RegValue> values;
    machine.registry.EnumValues(key, values);
    for (const RegValue& v : values) {
      out.push_back(key.path + "|" + v.name + "|" + std::to_string(v.type) + "|" +
                    std::string(v.data.begin(), v.data.end()));
    }
    std::vector<std::string> names;
    machine.registry.EnumKeys(key, names);
    for (const std::string& name : names) self(self, {key.root, key.path + "\\" + name, key.view});
  };
  for (const RegView view : {RegView::Force64, RegView::Force32}) {
    walk(walk, {RegRoot::LocalMachine, "SOFTWARE", view});
    walk(walk, {RegRoot::CurrentUser, "Software", view});
  }
  std::vector<FileEntry> files;
  machine.files.FindFiles("C:\\Desk\\*", files);
  for (const FileEntry& f : files) out.push_back(f.name);
  return out;
}

TEST_F(CommandLine, RepairIsJournaledAndUndoLastPutsEveryEntryBack) {
  const auto before = Dump(machine);
  uint32_t attributes = 0;
  EXPECT_EQ(Run({"repair", "all"}), kFound);
  const auto repaired = Dump(machine);
  ASSERT_NE(repaired, before);
  EXPECT_EQ(Run({"history"}), kNothingFound);
  EXPECT_NE(output.out.find("Software removal entries in Registry: 1 entries removed, backup "), std::string::npos)
      << output.out;
  EXPECT_NE(output.out.find("Orphan Shortcuts: 1 entries removed"), std::string::npos) << output.out;
  // The run's restore point is noted under the action of its first change.
  EXPECT_NE(output.out.find("\n    Restore point: Windows made the restore point \"Quill Box\" (number 1)"),
            std::string::npos)
      << output.out;

  // An undo is an action itself: undoing the last one removes the shortcut again.
  EXPECT_EQ(Run({"undo", "last"}), kNothingFound) << output.err;
  EXPECT_EQ(machine.files.GetAttributes("C:\\Desk\\old.lnk", attributes), status::kOk);
  EXPECT_EQ(Run({"undo", "last"}), kNothingFound) << output.err;
  EXPECT_EQ(Dump(machine), repaired);
  EXPECT_EQ(Run({"history", "--json"}), kNothingFound);
  EXPECT_NE(output.out.find("\"category\":\"Undo\",\"summary\":\"action "), std::string::npos);

  // all takes every action back, newest first, undos included.
  EXPECT_EQ(Run({"undo", "all", "--since", "2000-01-01", "--json"}), kNothingFound) << output.err;
  EXPECT_EQ(output.out.find("\"left\":[\""), std::string::npos) << output.out;
  EXPECT_EQ(Dump(machine), before);
}

// A journal kept in local data (the program folder was not writable then) stays the one,
// so a later run never starts a second history that hides the first.
TEST_F(CommandLine, AJournalAlreadyKeptStaysTheOne) {
  const auto folders = cleaner::BackupFolders(machine.services());
  ASSERT_TRUE(cleaner::EnsureFolder(machine.files, folders[1]));
  const std::string kept = folders[1] + "\\" + journal::kJournalFileName;
  ASSERT_EQ(machine.files.WriteFile(kept, {}), status::kOk);
  EXPECT_EQ(Run({"repair", "all"}), kFound);
  uint32_t attributes = 0;
  EXPECT_NE(machine.files.GetAttributes(folders[0] + "\\" + journal::kJournalFileName, attributes), status::kOk);
  EXPECT_EQ(Run({"history"}), kNothingFound);
  EXPECT_NE(output.out.find("Software removal entries in Registry: 1 entries removed"), std::string::npos) << output.out;
}

TEST_F(CommandLine, UndoLeavesAnEntryChangedSinceAndSaysSo) {
  const RegKeyPath shared{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                          RegView::Force32};
  EXPECT_EQ(Run({"repair", "shared"}), kFound);
  machine.registry.SetValue(shared, RegValue::Dword("C:\\Common\\gone.dll", 7));
  EXPECT_EQ(Run({"undo", "1"}), kFound);
  EXPECT_NE(output.out.find("0 undone, 1 left because they changed since"), std::string::npos) << output.out;
  EXPECT_NE(output.out.find("left: HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls"
                            " [C:\\Common\\gone.dll] (32-bit)\n"),
            std::string::npos)
      << output.out;
  RegValue value;
  ASSERT_EQ(machine.registry.QueryValue(shared, "C:\\Common\\gone.dll", value), status::kOk);
  EXPECT_EQ(value.data, RegValue::Dword("", 7).data);
  EXPECT_EQ(Run({"undo", "9"}), kFailed);
  EXPECT_NE(output.err.find("there is no action 9"), std::string::npos) << output.err;
}

TEST_F(CommandLine, UndoAllSinceADateTakesBackOnlyTheActionsFromThatDayOn) {
  machine.clock.SetNow({2026, 1, 10, 9, 0, 0});
  EXPECT_EQ(Run({"repair", "shared"}), kFound);
  machine.clock.SetNow({2026, 2, 1, 0, 0, 0});
  EXPECT_EQ(Run({"repair", "history"}), kFound);
  EXPECT_EQ(Run({"undo", "all", "--since", "2026-02-01"}), kNothingFound) << output.err;
  EXPECT_EQ(output.out, "Undone action 2 (Histories): 1 undone, 0 left because they changed since.\n");
  EXPECT_EQ(Run({"check", "shared"}), kNothingFound);
  EXPECT_EQ(Run({"check", "history"}), kFound);
  // Each run that changed something asked for its restore point once; the checks did not.
  EXPECT_EQ(machine.restore_points.asked.size(), 3u);
}

}  // namespace
}  // namespace qb::cli
