#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using UninstallEntries = CleanerTest;

TEST_F(UninstallEntries, RemovesOnlyRegistrationsWithoutAnyUninstallCommand) {
  Set(Uninstall("Quiet"), RegValue::String("QuietUninstallString", "x"));
  Set(Uninstall("Upper"), RegValue::String("UNINSTALLSTRING", "x"));
  Set(Uninstall("EmptyCommand"), RegValue::String("UninstallString", ""));
  const RegKeyPath no_command = Uninstall("NoCommand");
  const RegKeyPath old_tool = Uninstall("OldTool");
  Set(Key(Key(old_tool, "Deeper"), "Deepest"), RegValue::String("v", "x"));
  Set(no_command, RegValue::String("DisplayName", "No command"));
  Uninstall("{12345678-ABCD}");

  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_EQ(last_scan.lists[1], (std::vector<std::string>{"NoCommand", "OldTool"}));
  EXPECT_EQ(outcome.repaired, 2u);
  EXPECT_FALSE(Exists(old_tool));
  EXPECT_FALSE(Exists(no_command));
  for (const char* kept : {"Quiet", "Upper", "EmptyCommand", "{12345678-ABCD}"}) {
    EXPECT_TRUE(Exists(UninstallPath(kept))) << kept;
  }
  // A second run finds nothing more.
  EXPECT_TRUE(Scan(kUninstallEntries).removals.empty());
}

TEST_F(UninstallEntries, KeepsRegistrationsTheSystemManagesWithoutACommand) {
  Set(Uninstall("Component"), RegValue::Dword("SystemComponent", 1));
  Set(Uninstall("Installer"), RegValue::Dword("WindowsInstaller", 1));
  Set(Uninstall("KB123456"), RegValue::String("ParentKeyName", "OperatingSystem"));
  Set(Uninstall("NotAComponent"), RegValue::Dword("SystemComponent", 0));
  EXPECT_EQ(Scan(kUninstallEntries).lists[1], std::vector<std::string>{"NotAComponent"});
}

TEST_F(UninstallEntries, ScansBothViewsAndRemovesFromTheViewWhereFound) {
  const RegKeyPath in64 = Uninstall("Gone64");
  const RegKeyPath in32 = Uninstall("Gone32", RegView::Force32);
  Set(Uninstall("Kept32", RegView::Force32), RegValue::String("UninstallString", "x"));
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_EQ(last_scan.lists[0], (std::vector<std::string>{"Gone64", "Gone32", "Kept32"}));
  EXPECT_EQ(outcome.repaired, 2u);
  EXPECT_FALSE(Exists(in64));
  EXPECT_FALSE(Exists(in32));
  EXPECT_TRUE(Exists(UninstallPath("Kept32", RegView::Force32)));
}

TEST_F(UninstallEntries, AKeyBothViewsShowAlikeIsJudgedOnce) {
  // Where the system shares an area between the views, each key shows up in both.
  Set(Uninstall("Shared"), RegValue::String("DisplayName", "same"));
  Set(Uninstall("Shared", RegView::Force32), RegValue::String("DisplayName", "same"));
  Set(Uninstall("Twin"), RegValue::String("DisplayName", "64-bit"));
  Set(Uninstall("Twin", RegView::Force32), RegValue::String("DisplayName", "32-bit"));
  Set(Uninstall("Only64"), RegValue::String("UninstallString", "x"));
  const ScanResult scan = Scan(kUninstallEntries);
  EXPECT_EQ(scan.lists[1], (std::vector<std::string>{"Shared", "Twin", "Twin"}));
  EXPECT_EQ(scan.removals[0].key.view, RegView::Force64);
  EXPECT_EQ(scan.removals[2].key.view, RegView::Force32);
}

TEST_F(UninstallEntries, AnAreaBothViewsShowAlikeIsScannedOnce) {
  for (const char* name : {"A", "B", "C"}) {
    for (RegView view : {RegView::Force64, RegView::Force32}) {
      Set(Uninstall(name, view), RegValue::String("DisplayName", name));
    }
  }
  const ScanResult scan = Scan(kUninstallEntries);
  EXPECT_EQ(scan.lists[0], (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(scan.removals.size(), 3u);
}

TEST_F(UninstallEntries, AMissingOrEmptyAreaFindsNothing) {
  EXPECT_TRUE(Scan(kUninstallEntries).lists[0].empty());
  Key({RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion"}, "Uninstall");
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_TRUE(last_scan.removals.empty());
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_FALSE(outcome.backed_up);  // nothing to back up, no file written
}

}  // namespace
}  // namespace qb::cleaner::testing
