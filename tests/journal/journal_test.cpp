#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "journal/journal.h"
#include "journal/journaling_file_system.h"
#include "journal/journaling_registry.h"
#include "journal/undo.h"
#include "platform/memory/memory_machine.h"

namespace qb::journal {
namespace {

class JournalTest : public ::testing::Test {
 protected:
  void SetUp() override { machine.files.CreateFolder("C:\\Backups"); }

  // Every registry value below the test key, as a sorted dump for comparison.
  std::vector<std::string> Dump() {
    std::vector<std::string> out;
    for (const RegKeyPath& key : keys) {
      std::vector<RegValue> values;
      machine.registry.EnumValues(key, values);
      for (const RegValue& v : values) {
        out.push_back(key.path + "|" + v.name + "|" + std::to_string(v.type) + "|" +
                      std::string(v.data.begin(), v.data.end()));
      }
    }
    std::vector<FileEntry> entries;
    machine.files.FindFiles("C:\\Data\\*", entries);
    for (const FileEntry& e : entries) {
      const ItemState state = FileStateOf(machine.files, "C:\\Data\\" + e.name);
      out.push_back(e.name + "|" + std::to_string(state.tag) + "|" +
                    std::string(state.bytes.begin(), state.bytes.end()));
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  UndoResult UndoAll() {
    const Decoded loaded = journal.Load();
    UndoResult total;
    const auto ids = ActionIds(loaded.records);
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
      const UndoResult one = UndoRecords(RecordsOf(loaded.records, *id), machine.registry, machine.files);
      total.undone += one.undone;
      total.left.insert(total.left.end(), one.left.begin(), one.left.end());
    }
    return total;
  }

  MemoryMachine machine;
  Journal journal{machine.files, "C:\\Backups\\journal.qbj"};
  JournalingRegistry registry{machine.registry, journal, machine.clock};
  JournalingFileSystem files{machine.files, journal, machine.clock};
  std::vector<RegKeyPath> keys{{RegRoot::CurrentUser, "Software\\A"},
                               {RegRoot::CurrentUser, "Software\\B"}};
};

TEST_F(JournalTest, RandomChangesAllUndoneLeaveTheRegistryAsItStarted) {
  for (const RegKeyPath& key : keys) {
    machine.registry.CreateKey(key);
    machine.registry.SetValue(key, RegValue::Dword("start", 7));
  }
  machine.files.CreateFolder("C:\\Data");
  machine.files.WriteFile("C:\\Data\\a.txt", {'o', 'l', 'd'});
  const auto before = Dump();
  std::mt19937 random(1234);
  for (int action = 0; action < 300; ++action) {
    const uint64_t id = journal.BeginAction({}, "Test", "step " + std::to_string(action));
    registry.SetAction(id);
    files.SetAction(id);
    for (int change = 0; change < 1 + static_cast<int>(random() % 3); ++change) {
      const RegKeyPath& key = keys[random() % keys.size()];
      const std::string name = std::string(1, static_cast<char>('a' + random() % 5));
      const std::string file = "C:\\Data\\" + name + ".txt";
      switch (random() % 6) {
        case 0: files.WriteFile(file, {static_cast<uint8_t>(random())}); continue;
        case 1: files.DeleteFile(file); continue;
        case 2: files.SetAttributes(file, random() % 2 ? fileattr::kHidden : 0); continue;
        case 3: files.MoveFile(file, "C:\\Data\\moved.txt", true); continue;
        default: break;
      }
      if (random() % 3 == 0) {
        registry.DeleteValue(key, random() % 4 == 0 ? "start" : name);
      } else {
        registry.SetValue(key, RegValue::String(name, std::to_string(random())));
      }
    }
  }
  registry.SetAction(0);
  files.SetAction(0);
  ASSERT_NE(Dump(), before);
  const UndoResult result = UndoAll();
  EXPECT_TRUE(result.left.empty());
  EXPECT_EQ(Dump(), before);
}

TEST_F(JournalTest, ItemChangedSinceIsLeftAndListedWhileTheRestIsUndone) {
  machine.registry.CreateKey(keys[0]);
  registry.SetAction(journal.BeginAction({}, "Test", "two values"));
  registry.SetValue(keys[0], RegValue::Dword("kept", 1));
  registry.SetValue(keys[0], RegValue::Dword("moved", 1));
  registry.SetAction(0);
  machine.registry.SetValue(keys[0], RegValue::Dword("moved", 2));  // someone else's change

  const UndoResult result = UndoAll();
  EXPECT_EQ(result.undone, 1u);
  ASSERT_EQ(result.left.size(), 1u);
  EXPECT_EQ(result.left[0], RegistryTarget(keys[0], "moved"));
  RegValue value;
  EXPECT_NE(machine.registry.QueryValue(keys[0], "kept", value), status::kOk);
  ASSERT_EQ(machine.registry.QueryValue(keys[0], "moved", value), status::kOk);
  EXPECT_EQ(value.AsDword(), 2u);
}

TEST_F(JournalTest, AKeyTheActionMadeStaysWhileItHoldsWhatWasWrittenSince) {
  const uint64_t made = journal.BeginAction({}, "Test", "makes the key");
  registry.SetAction(made);
  registry.CreateKey(keys[0]);
  registry.SetValue(keys[0], RegValue::Dword("first", 1));
  registry.SetAction(journal.BeginAction({}, "Test", "writes into it"));
  registry.SetValue(keys[0], RegValue::Dword("later", 2));
  registry.SetAction(0);
  machine.registry.SetValue(keys[0], RegValue::Dword("foreign", 3));

  const UndoResult result = UndoRecords(RecordsOf(journal.Load().records, made), machine.registry, machine.files);
  EXPECT_EQ(result.undone, 1u);
  EXPECT_EQ(result.left, std::vector<std::string>{RegistryTarget(keys[0], "")});
  RegValue value;
  EXPECT_NE(machine.registry.QueryValue(keys[0], "first", value), status::kOk);
  EXPECT_EQ(machine.registry.QueryValue(keys[0], "later", value), status::kOk);
  EXPECT_EQ(machine.registry.QueryValue(keys[0], "foreign", value), status::kOk);
}

TEST_F(JournalTest, ADeletedKeyComesBackWithItsValuesAndAKeyWithSubkeysStaysWhole) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.SetValue(keys[0], RegValue::String("url1", "http://a"));
  machine.registry.SetValue(keys[0], RegValue::String("url2", "http://b"));
  const RegKeyPath parent{RegRoot::CurrentUser, "Software"};
  machine.registry.SetValue(parent, RegValue::String("own", "x"));
  const auto before = Dump();
  registry.SetAction(journal.BeginAction({}, "Test", "emptied"));
  EXPECT_EQ(registry.DeleteKey(parent), status::kAccessDenied);
  RegValue own;
  EXPECT_EQ(machine.registry.QueryValue(parent, "own", own), status::kOk);
  ASSERT_EQ(registry.DeleteKey(keys[0]), status::kOk);
  registry.CreateKey(keys[0]);
  registry.SetAction(0);
  ASSERT_NE(Dump(), before);

  EXPECT_TRUE(UndoAll().left.empty());
  EXPECT_EQ(Dump(), before);
}

// A value read within an action is its state before; one read before the action (a page
// read when shown, minutes before its Apply) is not, since someone may have changed it since.
TEST_F(JournalTest, TheStateBeforeIsReadWithinTheActionThatChangesIt) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.SetValue(keys[0], RegValue::Dword("v", 1));
  RegValue value;
  ASSERT_EQ(registry.QueryValue(keys[0], "v", value), status::kOk);  // read outside any action
  machine.registry.SetValue(keys[0], RegValue::Dword("v", 2));       // someone else's change
  {
    const ActionScope apply(&journal, [] { return "Apply"; }, this, machine.clock, nullptr);
    registry.SetValue(keys[0], RegValue::Dword("v", 3));
  }
  {
    const ActionScope earlier(&journal, [] { return "Read"; }, this, machine.clock, nullptr);
    ASSERT_EQ(registry.QueryValue(keys[0], "v", value), status::kOk);
  }
  machine.registry.SetValue(keys[0], RegValue::Dword("v", 4));
  {
    const ActionScope later(&journal, [] { return "Remove"; }, this, machine.clock, nullptr);
    registry.DeleteValue(keys[0], "v");
  }
  std::vector<uint32_t> before;
  for (const Record& record : journal.Load().records) {
    // A DWORD's low byte is its value here.
    if (record.kind == ItemKind::RegistryValue) before.push_back(record.before.bytes.at(0));
  }
  EXPECT_EQ(before, (std::vector<uint32_t>{2, 4}));
}

// A value read within the action shows that its key is there (writing a value creates its
// key first) and stands for that value's state before until a change is made; it says
// nothing of another value or another key.
TEST_F(JournalTest, AReadWithinTheActionStandsOnlyForItsKeyAndItsValue) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.SetValue(keys[0], RegValue::Dword("v", 1));
  machine.registry.SetValue(keys[0], RegValue::Dword("w", 5));
  {
    const ActionScope apply(&journal, [] { return "Apply"; }, this, machine.clock, nullptr);
    RegValue value;
    ASSERT_EQ(registry.QueryValue(keys[0], "v", value), status::kOk);
    registry.CreateKey(keys[0]);
    registry.SetValue(keys[0], RegValue::Dword("v", 1));
    registry.SetValue(keys[0], RegValue::Dword("w", 6));
    ASSERT_EQ(registry.QueryValue(keys[0], "v", value), status::kOk);
    registry.CreateKey(keys[1]);
    registry.SetValue(keys[0], RegValue::Dword("v", 2));
  }
  std::vector<std::pair<ItemKind, bool>> kinds;
  std::vector<uint32_t> before;
  for (const Record& record : journal.Load().records) {
    if (record.kind != ItemKind::RegistryValue && record.kind != ItemKind::RegistryKey) continue;
    kinds.emplace_back(record.kind, record.before.present);
    if (record.before.present && !record.before.bytes.empty()) before.push_back(record.before.bytes[0]);
  }
  EXPECT_EQ(kinds, (std::vector<std::pair<ItemKind, bool>>{{ItemKind::RegistryValue, true},
                                                           {ItemKind::RegistryKey, false},
                                                           {ItemKind::RegistryValue, true}}));
  EXPECT_EQ(before, (std::vector<uint32_t>{5, 1}));

  // A key that can no longer be listed is not taken to be there on the word of an earlier read.
  const size_t records = journal.Load().records.size();
  {
    const ActionScope later(&journal, [] { return "Remove"; }, this, machine.clock, nullptr);
    RegValue value;
    ASSERT_EQ(registry.QueryValue(keys[0], "v", value), status::kOk);
    machine.registry.DeleteKey(keys[0]);  // someone else's removal
    std::vector<RegValue> listed;
    EXPECT_NE(registry.EnumValues(keys[0], listed), status::kOk);
    registry.DeleteKey(keys[0]);
  }
  EXPECT_EQ(journal.Load().records.size(), records);
}

// The cleaner lists a key's values just before removing the key: each value's state before
// comes from that list, then from the changes made since, and undo brings the whole key back.
TEST_F(JournalTest, AListingWithinTheActionStandsForEachValueUntilItChanges) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.SetValue(keys[0], RegValue::Dword("v", 1));
  machine.registry.SetValue(keys[0], RegValue::Dword("w", 5));
  const std::vector<std::string> at_start = Dump();
  {
    const ActionScope remove(&journal, [] { return "Remove"; }, this, machine.clock, nullptr);
    std::vector<RegValue> listed;
    ASSERT_EQ(registry.EnumValues(keys[0], listed), status::kOk);
    registry.DeleteValue(keys[0], "v");
    registry.SetValue(keys[0], RegValue::Dword("w", 7));
    registry.SetValue(keys[0], RegValue::Dword("w", 8));
    registry.DeleteValue(keys[0], "w");
    registry.DeleteKey(keys[0]);
  }
  std::vector<uint32_t> before;
  for (const Record& record : journal.Load().records) {
    if (record.kind == ItemKind::RegistryValue) before.push_back(record.before.bytes.at(0));
  }
  EXPECT_EQ(before, (std::vector<uint32_t>{1, 5, 7, 8}));
  EXPECT_EQ(UndoAll().left.size(), 0u);
  EXPECT_EQ(Dump(), at_start);
}

TEST_F(JournalTest, RefusedWriteIsJournaledAsRefusedAndNotUndone) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.DenyWrites(keys[0]);
  registry.SetAction(journal.BeginAction({}, "Test", "refused"));
  EXPECT_TRUE(status::Refused(registry.SetValue(keys[0], RegValue::Dword("x", 1))));
  const Decoded loaded = journal.Load();
  ASSERT_EQ(loaded.records.size(), 2u);
  EXPECT_EQ(loaded.records[1].outcome, Outcome::Refused);
  EXPECT_EQ(UndoRecords(loaded.records, machine.registry, machine.files).undone, 0u);
}

// Changes are recorded before they are made: a process that dies in between leaves a record
// whose item is still as before, which undo counts as undone; a change that fails leaves none.
TEST_F(JournalTest, ARecordIsOnDiskBeforeItsChangeAndAFailedChangeLeavesNone) {
  const auto on_disk = [&](std::string_view name) {
    const Decoded now = Journal{machine.files, journal.path()}.Load();
    return std::any_of(now.records.begin(), now.records.end(),
                       [&](const Record& r) { return r.target.ends_with(name); });
  };
  struct Watching : MemoryRegistry {
    std::function<void(std::string_view)> before_set;
    Status SetValue(const RegKeyPath& key, const RegValue& value) override {
      before_set(value.name);
      return MemoryRegistry::SetValue(key, value);
    }
  } watched;
  bool recorded_first = false;
  watched.before_set = [&](std::string_view name) { recorded_first = on_disk(name); };
  JournalingRegistry journaled{watched, journal, machine.clock};
  watched.CreateKey(keys[0]);
  machine.files.AddFile("C:\\Data\\kept.txt", fileattr::kReadOnly, {'x'});
  const uint64_t action = journal.BeginAction({}, "Test", "ahead");
  journaled.SetAction(action);
  files.SetAction(action);

  ASSERT_EQ(journaled.SetValue(keys[0], RegValue::Dword("y", 2)), status::kOk);
  EXPECT_TRUE(recorded_first);
  // A read-only file's deletion is refused, and stays recorded so; a value of a missing key
  // is not written at all, and leaves no record.
  EXPECT_TRUE(status::Refused(files.DeleteFile("C:\\Data\\kept.txt")));
  EXPECT_NE(journaled.SetValue({RegRoot::CurrentUser, "Software\\Missing"}, RegValue::Dword("m", 1)),
            status::kOk);
  const Decoded settled = journal.Load();
  ASSERT_EQ(settled.records.size(), 3u);
  EXPECT_EQ(settled.records[2].outcome, Outcome::Refused);
  EXPECT_FALSE(on_disk("m"));

  // The record of "x" is written and the process dies before the value is.
  journal.Append({.action = action, .kind = ItemKind::RegistryValue,
                  .target = RegistryTarget(keys[0], "x"), .after = ItemState::Of(4, {1, 0, 0, 0})});
  const Decoded loaded = journal.Load();
  const UndoResult undone = UndoRecords(RecordsOf(loaded.records, action), watched, machine.files);
  EXPECT_EQ(undone.undone, 2u);
  EXPECT_TRUE(undone.left.empty());
  RegValue value;
  EXPECT_NE(watched.QueryValue(keys[0], "y", value), status::kOk);
}

// A journal the disk stops taking: tweaks go on unrecorded and uncounted, the guarded
// (cleaner's) removals are not made at all, and the failure is told once.
TEST_F(JournalTest, AFailedAppendIsNotCountedAndStopsGuardedRemovals) {
  machine.registry.CreateKey(keys[0]);
  machine.registry.SetValue(keys[0], RegValue::Dword("old", 1));
  machine.files.AddFile("C:\\Data\\old.lnk", fileattr::kArchive, {'x'});
  JournalingRegistry guarded{machine.registry, journal, machine.clock};
  guarded.GuardRemovals(true);
  files.GuardRemovals(true);
  Journal::Counts counted;
  counted.by_kind[1] = 99;
  {
    const ActionScope scope(&journal, [] { return "Test"; }, this, machine.clock,
                            [&](const std::string&, const Journal::Counts& c) { counted = c; return ""; });
    machine.files.DenyWrites("C:\\Backups");
    EXPECT_EQ(registry.SetValue(keys[0], RegValue::Dword("new", 2)), status::kOk);
    EXPECT_EQ(guarded.DeleteValue(keys[0], "old"), status::kAccessDenied);
    EXPECT_EQ(files.DeleteFile("C:\\Data\\old.lnk"), status::kAccessDenied);
  }
  EXPECT_EQ(counted.Total(), 0u);
  EXPECT_TRUE(StateOf(machine.registry, keys[0], "new").present && StateOf(machine.registry, keys[0], "old").present);
  EXPECT_TRUE(FileStateOf(machine.files, "C:\\Data\\old.lnk").present);
  EXPECT_EQ(journal.Failure(), status::kAccessDenied);
  EXPECT_TRUE(journal.TakeFailureNotice());
  EXPECT_FALSE(journal.TakeFailureNotice());
}

// A file deleted once its backup copy is made is journaled by reference to that copy, and
// comes back from it, byte for byte with its attributes, only while the copy is as made; records
// of older journals, with the bytes inside or a copy proved by its checksum, still come back.
TEST_F(JournalTest, AFileDeletedAfterItsBackupComesBackFromTheCopyOnlyWhileTheCopyIsWhole) {
  files.Exclude("C:\\Backups");
  machine.files.CreateFolder("C:\\Data");
  const std::vector<uint8_t> bytes(3000, 'L');
  const uint64_t action = journal.BeginAction({}, "Orphan shortcuts", "repair");
  files.SetAction(action);
  for (const char* name : {"0.lnk", "1.lnk", "2.lnk"}) {
    machine.files.AddFile(std::string("C:\\Data\\") + name, fileattr::kHidden | fileattr::kArchive, bytes);
    ASSERT_EQ(files.CopyFile(std::string("C:\\Data\\") + name, std::string("C:\\Backups\\") + name, true), status::kOk);
    ASSERT_EQ(files.DeleteFile(std::string("C:\\Data\\") + name), status::kOk);
  }
  files.SetAction(0);
  journal.Append({.action = action, .kind = ItemKind::File, .target = "C:\\Data\\old.lnk",
                  .before = ItemState::Of(fileattr::kSystem, {'o', 'l', 'd'}), .after = ItemState::Absent()});
  machine.files.AddFile("C:\\Backups\\summed.lnk", fileattr::kArchive, bytes);
  journal.Append({.action = action, .kind = ItemKind::File, .target = "C:\\Data\\summed.lnk",
                  .before = ItemState::InCopy(fileattr::kReadOnly, {"C:\\Backups\\summed.lnk", bytes.size(), 0, Crc32(bytes)}),
                  .after = ItemState::Absent()});
  const Decoded loaded = journal.Load();
  ASSERT_EQ(loaded.records.size(), 6u);
  const ItemState& held = loaded.records[1].before;
  ASSERT_TRUE(held.copy.has_value());
  EXPECT_EQ(held.tag, fileattr::kHidden | fileattr::kArchive);
  EXPECT_EQ(held.copy->path, "C:\\Backups\\0.lnk");
  EXPECT_EQ(held.copy->size, bytes.size());
  EXPECT_TRUE(held.bytes.empty());
  machine.files.DeleteFile("C:\\Backups\\1.lnk");
  std::vector<uint8_t> altered = bytes;
  altered[1500] = 'X';
  machine.files.WriteFile("C:\\Backups\\2.lnk", altered);

  const UndoResult result = UndoRecords(RecordsOf(loaded.records, action), machine.registry, machine.files);
  EXPECT_EQ(result.undone, 3u);
  EXPECT_EQ(FileStateOf(machine.files, "C:\\Data\\0.lnk"), ItemState::Of(fileattr::kHidden | fileattr::kArchive, bytes));
  EXPECT_EQ(FileStateOf(machine.files, "C:\\Data\\summed.lnk"), ItemState::Of(fileattr::kReadOnly, bytes));
  EXPECT_EQ(FileStateOf(machine.files, "C:\\Data\\old.lnk"), ItemState::Of(fileattr::kSystem, {'o', 'l', 'd'}));
  EXPECT_FALSE(FileStateOf(machine.files, "C:\\Data\\1.lnk").present || FileStateOf(machine.files, "C:\\Data\\2.lnk").present);
  ASSERT_EQ(result.unusable_copies.size(), 2u);
  EXPECT_EQ(result.unusable_copies[0].copy + (result.unusable_copies[0].missing ? " missing" : " altered"),
            "C:\\Backups\\2.lnk altered");
  EXPECT_EQ(result.unusable_copies[1].copy + (result.unusable_copies[1].missing ? " missing" : " altered"),
            "C:\\Backups\\1.lnk missing");
  EXPECT_EQ(result.failed, (std::vector<std::string>{"C:\\Data\\2.lnk", "C:\\Data\\1.lnk"}));
}

TEST(JournalRecords, EveryPrefixKeepsEachWholeRecordBeforeTheCut) {
  std::vector<Record> written;
  std::vector<uint8_t> file;
  std::vector<size_t> ends;
  for (uint64_t i = 1; i <= 6; ++i) {
    Record r;
    r.action = i;
    r.kind = ItemKind::RegistryValue;
    r.time = {2026, 12, 10, 8, 45, static_cast<int>(i)};
    r.target = "target " + std::to_string(i);
    r.before = ItemState::Of(4, {1, 2, 3});
    r.after = i % 2 ? ItemState::Absent() : ItemState::Of(1, std::vector<uint8_t>(i * 7, 'Q'));
    const auto frame = EncodeRecord(r);
    file.insert(file.end(), frame.begin(), frame.end());
    ends.push_back(file.size());
    written.push_back(r);
  }
  for (size_t cut = 0; cut <= file.size(); ++cut) {
    const Decoded d = DecodeRecords(std::span(file).first(cut));
    const size_t whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
    ASSERT_EQ(d.records.size(), whole) << "cut at " << cut;
    EXPECT_TRUE(std::equal(d.records.begin(), d.records.end(), written.begin()));
    EXPECT_EQ(d.damaged, 0u);
  }
  // A flipped byte inside the third record loses that record alone.
  file[ends[1] + 12] ^= 0x40;
  const Decoded damaged = DecodeRecords(file);
  EXPECT_EQ(damaged.damaged, 1u);
  EXPECT_EQ(damaged.records.size(), written.size() - 1);
}

}  // namespace
}  // namespace qb::journal
