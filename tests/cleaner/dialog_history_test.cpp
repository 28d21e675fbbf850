#include "cleaner/order_list.h"
#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using DialogHistory = CleanerTest;

TEST_F(DialogHistory, RemovesValuesOfMissingFilesOnlyAndTheirLettersFromTheOrder) {
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
  EXPECT_EQ(order.AsString(), "edca");
  // The backup holds the order as it was, so that importing it restores the order too.
  bool order_backed_up = false;
  for (const auto& section : BackupOf(outcome)) {
    for (const auto& value : section.values) {
      if (value.name == "MRUList") order_backed_up = value.AsString() == "edcba";
    }
  }
  EXPECT_TRUE(order_backed_up);
}

TEST_F(DialogHistory, TheNumberedOrderLosesExactlyTheRemovedNumbers) {
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("0", "C:\\gone0.txt"));
  Set(txt, RegValue::String("1", "C:\\Windows\\System32"));  // a folder: missing as a file
  Set(txt, RegValue::String("2", "relative.txt"));
  Set(txt, RegValue::String("10", "C:\\gone10.txt"));
  const std::vector<uint8_t> order{2, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  Set(txt, RegValue::Binary("MRUListEx", order));
  EXPECT_EQ(ScanAndRepair(kDialogHistory).repaired, 3u);
  RegValue left;
  machine.registry.QueryValue(txt, "MRUListEx", left);
  EXPECT_EQ(left.data, (std::vector<uint8_t>{2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(OrderLists, DropOnlyTheRemovedNamesAndKeepTheRest) {
  struct Case {
    std::string order;
    std::vector<std::string> removed;
    std::string kept;
  };
  const Case cases[] = {
      {"edcba", {"b"}, "edca"},
      {"edcba", {"E", "a"}, "dcb"},  // names ignore case
      {"cab", {"ab"}, "cab"},        // a longer name is no letter of the list
      {"", {"a"}, ""},
      {"abc", {}, "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithoutLetters(c.order, c.removed), c.kept) << c.order;
  // A tail shorter than a number is left as it was; a name that is no number takes nothing.
  EXPECT_EQ(WithoutNumbers({3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9}, {"4", "x", "03"}),
            (std::vector<uint8_t>{3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9}));
}

TEST_F(DialogHistory, AValueNameWithABackslashIsRemovedAsItself) {
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("odd\\name", "C:\\gone.txt"));
  EXPECT_EQ(ScanAndRepair(kDialogHistory).repaired, 1u);
  EXPECT_FALSE(HasValue(txt, "odd\\name"));
}

}  // namespace
}  // namespace qb::cleaner::testing
