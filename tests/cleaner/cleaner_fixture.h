#pragma once
// A memory machine with helpers that fill the cleaner's registry areas, and one scan step
// run the way the window runs it.
#include <gtest/gtest.h>

#include "cleaner/application_paths.h"
#include "cleaner/dialog_history.h"
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
    PresenceTest presence(machine.files, machine.environment.WindowsFolder());
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{machine.registry, machine.environment, routines, presence, progress, pacer};
    return category.scan(context);
  }
  RepairOutcome ScanAndRepair(const Category& category) {
    last_scan = Scan(category);
    Progress progress;
    EventPacer pacer(machine.clock, {});
    return Repair(machine.services(), category.name, last_scan.removals, progress, pacer);
  }

  MemoryMachine machine;
  ScanResult last_scan;
};

}  // namespace qb::cleaner::testing
