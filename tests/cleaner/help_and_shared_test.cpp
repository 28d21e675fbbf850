// Help file registrations and shared component counts: values removed one by one, by their
// key and exact name, in both views of the machine's keys.
#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using HelpAndShared = CleanerTest;

RegKeyPath Area(std::string_view path, RegView view = RegView::Force64) {
  return {RegRoot::LocalMachine, std::string(path), view};
}

TEST_F(HelpAndShared, HelpFilesOfBothAreasGoEachFromItsOwnKey) {
  machine.files.AddFile("C:\\Windows\\Help\\kept.chm");
  machine.files.AddFile("C:\\Windows\\Help\\hidden.hlp", fileattr::kHidden);
  const RegKeyPath html = Area(kHtmlHelpArea);
  const RegKeyPath classic = Area(kClassicHelpArea);
  machine.registry.CreateKey(html);
  machine.registry.CreateKey(classic);
  Set(html, RegValue::String("kept.chm", "C:\\Windows\\Help"));   // no final backslash
  Set(html, RegValue::String("gone.chm", "C:\\Windows\\Help\\"));
  Set(html, RegValue::String("sub\\odd.chm", "C:\\Docs\\"));       // a name with a backslash
  Set(html, RegValue::String("nowhere.chm", ""));                  // no folder: cannot tell
  Set(classic, RegValue::String("gone.chm", "C:\\Windows\\Help"));  // the same file, other area
  Set(classic, RegValue::String("hidden.hlp", "%SystemRoot%\\Help", regtype::kExpandSz));
  const RegKeyPath html32 = Area(kHtmlHelpArea, RegView::Force32);
  machine.registry.CreateKey(html32);
  Set(html32, RegValue::String("old32.chm", "C:\\Old"));

  const RepairOutcome outcome = ScanAndRepair(kHelpFiles);
  EXPECT_EQ(last_scan.lists[1],
            (std::vector<std::string>{"HTML|C:\\Windows\\Help\\gone.chm", "HTML|C:\\Docs\\sub\\odd.chm",
                                      "HTML|C:\\Old\\old32.chm", "HELP|C:\\Windows\\Help\\gone.chm"}));
  EXPECT_EQ(outcome.repaired, 4u);
  EXPECT_FALSE(HasValue(html, "gone.chm"));
  EXPECT_FALSE(HasValue(html, "sub\\odd.chm"));
  EXPECT_FALSE(HasValue(classic, "gone.chm"));
  EXPECT_FALSE(HasValue(html32, "old32.chm"));
  for (const char* kept : {"kept.chm", "nowhere.chm"}) EXPECT_TRUE(HasValue(html, kept)) << kept;
  EXPECT_TRUE(HasValue(classic, "hidden.hlp"));
  EXPECT_EQ(BackupOf(outcome).size(), 3u);  // a section per key
}

TEST_F(HelpAndShared, AnAreaBothViewsShowAlikeIsJudgedOnce) {
  for (RegView view : {RegView::Force64, RegView::Force32}) {
    machine.registry.CreateKey(Area(kSharedLibrariesArea, view));
    Set(Area(kSharedLibrariesArea, view), RegValue::Dword("C:\\gone.dll", 1));
  }
  EXPECT_EQ(Scan(kSharedLibraries).removals.size(), 1u);
}

TEST_F(HelpAndShared, SharedCountsOfMissingFilesGoAndEverythingElseStays) {
  machine.files.AddFile("C:\\Common\\kept.dll");
  machine.files.AddFile("C:\\Common\\system.dll", fileattr::kSystem | fileattr::kHidden);
  machine.files.AddFolder("C:\\Common\\Registered Folder");
  const RegKeyPath shared = Area(kSharedLibrariesArea);
  machine.registry.CreateKey(shared);
  const char* kept[] = {"C:\\Common\\kept.dll", "C:\\Common\\system.dll", "C:\\Common\\Registered Folder",
                        "C:\\Common\\Registered Folder\\", "bare.dll", "\\\\server\\share\\x.dll"};
  for (const char* name : kept) Set(shared, RegValue::Dword(name, 3));
  Set(shared, RegValue::Dword("C:\\Common\\gone.dll", 1));
  Set(shared, RegValue::Dword("C:\\Gone Folder", 1));

  const RepairOutcome outcome = ScanAndRepair(kSharedLibraries);
  EXPECT_EQ(last_scan.lists[1].size(), 8u);
  EXPECT_EQ(last_scan.lists[3], (std::vector<std::string>{"C:\\Common\\gone.dll", "C:\\Gone Folder"}));
  EXPECT_EQ(outcome.repaired, 2u);
  for (const char* name : kept) EXPECT_TRUE(HasValue(shared, name)) << name;
  EXPECT_TRUE(Exists(shared));
}

}  // namespace
}  // namespace qb::cleaner::testing
