#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using DialogHistory = CleanerTest;

TEST_F(DialogHistory, RemovesValuesOfMissingFilesOnlyAndLeavesTheOrder) {
  machine.files.AddFile("C:\\Users\\Docs\\Report.TXT");
  machine.files.AddFile("C:\\Users\\Docs\\secret.txt", fileattr::kHidden);
  machine.files.AddFile("C:\\Документы\\письмо.txt");
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("a", "c:\\users\\DOCS\\report.txt"));
  Set(txt, RegValue::String("b", "C:\\Users\\Docs\\deleted.txt"));
  Set(txt, RegValue::String("c", "C:\\Users\\Docs\\secret.txt"));
  Set(txt, RegValue::String("d", "C:\\Документы\\ПИСЬМО.txt"));
  Set(txt, RegValue::String("e", "relative\\file.txt"));
  Set(txt, RegValue::String("MRUList", "edcba"));
  const RegKeyPath any = History("*");
  Set(any, RegValue::String("a", "C:\\Users\\Docs\\deleted.txt"));

  const RepairOutcome outcome = ScanAndRepair(kDialogHistory);
  EXPECT_EQ(last_scan.lists[0], (std::vector<std::string>{"*", "txt"}));
  EXPECT_EQ(last_scan.lists[1].size(), 5u);
  EXPECT_EQ(last_scan.lists[3], (std::vector<std::string>{"*\\a", "txt\\b"}));
  EXPECT_EQ(outcome.repaired, 2u);
  EXPECT_FALSE(HasValue(txt, "b"));
  EXPECT_FALSE(HasValue(any, "a"));
  for (const char* kept : {"a", "c", "d", "e", "MRUList"}) EXPECT_TRUE(HasValue(txt, kept)) << kept;
  EXPECT_TRUE(Exists(any));
  RegValue order;
  machine.registry.QueryValue(txt, "MRUList", order);
  EXPECT_EQ(order.AsString(), "edcba");
}

TEST_F(DialogHistory, AValueNameWithABackslashIsRemovedAsItself) {
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("odd\\name", "C:\\gone.txt"));
  EXPECT_EQ(ScanAndRepair(kDialogHistory).repaired, 1u);
  EXPECT_FALSE(HasValue(txt, "odd\\name"));
}

}  // namespace
}  // namespace qb::cleaner::testing
