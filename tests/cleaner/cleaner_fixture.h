#pragma once
// A memory machine with helpers that fill the cleaner's registry areas, and one scan step
// run the way the window runs it.
#include <gtest/gtest.h>

#include <functional>

#include "cleaner/backup.h"
#include "cleaner/categories.h"
#include "cleaner/dialog_history.h"
#include "cleaner/reg_file.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "platform/memory/memory_machine.h"

namespace qb::cleaner::testing {

class CleanerTest : public ::testing::Test {
 protected:
  RegKeyPath Uninstall(std::string_view name, RegView view = RegView::Force64) {
    return Key({RegRoot::LocalMachine, std::string(kUninstallArea), view}, name);
  }
  RegKeyPath AppPath(std::string_view name, RegView view = RegView::Force64) {
    return Key({RegRoot::LocalMachine, std::string(kAppPathsArea), view}, name);
  }
  RegKeyPath History(std::string_view extension) {
    return Key({RegRoot::CurrentUser, std::string(kDialogHistoryArea)}, extension);
  }
  // The key's path, without creating it.
  static RegKeyPath UninstallPath(std::string_view name, RegView view = RegView::Force64) {
    return RegKeyPath{RegRoot::LocalMachine, std::string(kUninstallArea), view}.Child(name);
  }
  RegKeyPath Key(const RegKeyPath& area, std::string_view name) {
    const RegKeyPath key = area.Child(name);
    EXPECT_EQ(machine.registry.CreateKey(key), status::kOk);
    return key;
  }
  void Set(const RegKeyPath& key, const RegValue& value) {
    EXPECT_EQ(machine.registry.SetValue(key, value), status::kOk);
  }
  bool Exists(const RegKeyPath& key) {
    return machine.registry.OpenKey(key, regaccess::kRead) == status::kOk;
  }
  bool HasValue(const RegKeyPath& key, std::string_view name) {
    RegValue value;
    return machine.registry.QueryValue(key, name, value) == status::kOk;
  }

  ScanResult Scan(const Category& category) {
    const registry::RegistryRoutines routines(machine.registry, machine.environment);
    PresenceTest presence(machine.files, machine.environment);
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{machine.registry, machine.environment, routines, presence, progress, pacer,
                        &machine.files, &machine.shortcuts, drive,
                        [this](std::string_view line) { statuses.emplace_back(line); },
                        BackupFolders(machine.services())};
    return category.scan(context);
  }
  // between_entries, when given, runs before each removal and inside long ones (at each
  // of the pacer's turns), as another program working on the registry at the same time.
  RepairOutcome ScanAndRepair(const Category& category, std::function<bool()> between_entries = {},
                              const language::Wording& say = language::InEnglish) {
    last_scan = Scan(category);
    Progress progress;
    std::function<bool()> turn;
    if (between_entries) {
      turn = [&] {
        machine.clock.Advance(EventPacer::kIntervalMs);
        return between_entries();
      };
    }
    EventPacer pacer(machine.clock, turn);
    return Repair(machine.services(), category, last_scan.removals, progress, pacer, say);
  }
  // The names in a folder; empty when it is missing or empty.
  std::vector<std::string> FilesIn(std::string_view folder) {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(std::string(folder) + "\\*", entries);
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
  }
  std::vector<RegFileKey> BackupOf(const RepairOutcome& outcome) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(machine.files.ReadFile(outcome.backup_path, bytes), status::kOk) << outcome.backup_path;
    std::vector<RegFileKey> keys;
    std::string error;
    EXPECT_TRUE(ParseRegFile(bytes, keys, error)) << error;
    return keys;
  }

  MemoryMachine machine;
  ScanResult last_scan;
  std::string drive = "c:";           // the drive the shortcut walk searches
  std::vector<std::string> statuses;  // the status lines a scan showed
};

}  // namespace qb::cleaner::testing
