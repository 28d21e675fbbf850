// The system's settings journaled and undone, and the journal kept within its bounds.
#include <gtest/gtest.h>

#include "journal/held_copies.h"
#include "journal/journal_place.h"
#include "journal/undo.h"
#include "platform/memory/memory_machine.h"
#include "platform/replace_file.h"
#include "tweaks/wallpaper_choice.h"

namespace qb::journal {
namespace {

class JournalSystemTest : public ::testing::Test {
 protected:
  JournalSystemTest() { machine.files.AddFolder("C:\\Journal"); }

  std::vector<Record> Records() { return Journal(machine.files, kPath).Load().records; }

  static constexpr const char* kPath = "C:\\Journal\\journal.qbj";
  MemoryMachine machine;
};

TEST_F(JournalSystemTest, ParametersColoursAndDisplayModeGoBackAndAnEndedProcessIsOnlyListed) {
  machine.system_parameters.parameters[spi::kSetMouseSpeed] = 10;
  machine.system_parameters.wallpaper = "C:\\old.bmp";
  JournaledServices journaled(machine.services(), kPath);
  const Services& s = journaled.services();
  {
    const ActionScope scope(&journaled.journal(), [] { return "Input"; }, this, machine.clock,
                            nullptr);
    s.system_parameters.SetParameter(spi::kSetMouseSpeed, 0, 17, spi::kStoreAndBroadcast);
    s.system_parameters.SetDoubleClickTime(900);
    s.system_parameters.SetWallpaper("C:\\new.bmp");
    s.system_colours.Set(syscolour::kHighlight, 0x0000FF);
    s.display_modes.ChangeSize(800, 600);
    // The same value again changes nothing and is not recorded.
    s.system_colours.Set(syscolour::kHighlight, 0x0000FF);
    machine.processes.Add({.id = 42, .exe_file = "notepad.exe"});
    ProcessHandle handle = 0;
    s.processes.Open(42, handle);
    s.processes.Terminate(handle, 0);
    s.processes.Close(handle);
  }
  const std::vector<Record> records = Records();
  ASSERT_EQ(ActionIds(records).size(), 1u);
  EXPECT_EQ(records.size(), 9u);  // its start, the restore point, six changes and its summary

  // The display mode set back is kept only when the user says so, as when it was changed:
  // unanswered, the mode of the action comes back; answered Yes, the undo stands.
  const UndoResult unanswered = UndoRecords(records, journaled.UndoThrough());
  EXPECT_EQ(unanswered.failed, std::vector<std::string>{"display"});
  EXPECT_EQ(machine.display_modes.current, (DisplayMode{800, 600, 32, 60}));
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  const UndoResult result = UndoRecords(records, journaled.UndoThrough());
  EXPECT_EQ(machine.dialogs.Messages().back().timeout_ms, 15000u);
  EXPECT_EQ(result.undone, 5u);
  EXPECT_TRUE(result.left.empty());
  EXPECT_TRUE(result.failed.empty());
  ASSERT_EQ(result.not_undoable.size(), 1u);
  EXPECT_EQ(machine.system_parameters.ReadParameter(spi::kSetMouseSpeed), 10u);
  EXPECT_EQ(machine.system_parameters.ReadParameter(spi::kSetDoubleClickTime), 0u);
  EXPECT_EQ(machine.system_parameters.wallpaper, "C:\\old.bmp");
  EXPECT_EQ(machine.system_colours.Get(syscolour::kHighlight), 0x00C0C0C0u);
  EXPECT_EQ(machine.display_modes.current, (DisplayMode{1920, 1080, 32, 60}));
}

// The page applies every picture under one name, after it waited in a scratch file, each
// written beside its own first: only the applied bitmap is the machine's, its bytes kept once,
// and undo puts the old bytes back and then has the desktop read them again.
TEST_F(JournalSystemTest, AWallpaperIsJournaledOnceAndSetAgainAfterItsFileIsBack) {
  const std::string applied = "C:\\Windows\\wallpaper.bmp";
  const std::string chosen = tweaks::ChosenWallpaperFiles(machine.services()).front();
  const std::vector<uint8_t> picture(1'000'000, 7);
  machine.files.AddFile(applied, fileattr::kArchive, {'A'});
  machine.system_parameters.wallpaper = applied;
  JournaledServices journaled(machine.services(), kPath);
  const Services& s = journaled.services();
  {
    const ActionScope scope(&journaled.journal(), [] { return "Visual"; }, this, machine.clock, nullptr);
    ASSERT_EQ(ReplaceWholeFile(s.files, chosen, picture), status::kOk);
    ASSERT_EQ(s.files.MoveFile(chosen, applied, true), status::kOk);
    s.system_parameters.SetWallpaper(applied);
  }
  std::vector<uint8_t> bytes;
  machine.files.ReadFile(kPath, bytes);
  EXPECT_LT(bytes.size(), picture.size() * 3 / 2);
  const UndoResult result = UndoRecords(Records(), journaled.UndoThrough());
  EXPECT_TRUE(result.failed.empty() && result.left.empty());
  machine.files.ReadFile(applied, bytes);
  EXPECT_EQ(bytes, std::vector<uint8_t>{'A'});
  const auto& calls = machine.system_parameters.Calls();
  EXPECT_EQ(calls.back(), "SetWallpaper " + applied);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "SetWallpaper " + applied), 2);
}

TEST_F(JournalSystemTest, LargeContentsAreKeptOnceBesideTheJournalAndGoWithTheLastActionNamingThem) {
  const std::string applied = "C:\\Windows\\wallpaper.bmp";
  const std::vector<uint8_t> lake(1'000'000, 'L'), hill(1'000'000, 'H');
  machine.files.AddFile(applied, fileattr::kArchive, {'A'});
  JournaledServices journaled(machine.services(), kPath);
  for (const auto* picture : {&lake, &hill, &lake}) {
    const ActionScope scope(&journaled.journal(), [] { return "Visual"; }, this, machine.clock, nullptr);
    ASSERT_EQ(ReplaceWholeFile(journaled.services().files, applied, *picture), status::kOk);
  }
  std::vector<uint8_t> bytes;
  machine.files.ReadFile(kPath, bytes);
  EXPECT_LT(bytes.size(), 4096u);
  const std::string copies = HeldCopiesFolder(kPath);
  const auto copies_kept = [&] {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(copies + "\\*", entries);
    return entries.size();
  };
  EXPECT_EQ(copies_kept(), 2u);

  const std::vector<Record> records = Records();
  const UndoResult last = UndoRecords(RecordsOf(records, ActionIds(records).back()), journaled.UndoThrough());
  EXPECT_EQ(last.undone, 1u);
  machine.files.ReadFile(applied, bytes);
  EXPECT_EQ(bytes, hill);

  // A copy no record names (its run stopped before the record) goes at the next start; the
  // actions that name the two pictures go whole once the pictures do not fit.
  machine.files.AddFile(copies + "\\stray.held");
  EXPECT_EQ(Journal(machine.files, kPath).Compact(machine.clock.Now()).dropped_actions, 0u);
  EXPECT_EQ(copies_kept(), 2u);
  EXPECT_EQ(Journal(machine.files, kPath).Compact(machine.clock.Now(), 90, 1'500'000).dropped_actions, 3u);
  EXPECT_EQ(copies_kept(), 0u);
}

TEST_F(JournalSystemTest, ASizeChangeTheUserDeclinedIsNotShownAgainByUndo) {
  JournaledServices journaled(machine.services(), kPath);
  const Services& s = journaled.services();
  {
    const ActionScope scope(&journaled.journal(), [] { return "Visual"; }, this, machine.clock, nullptr);
    s.display_modes.ChangeSize(800, 600);
    s.display_modes.Restore({1920, 1080, 32, 60});
  }
  const size_t changes = machine.display_modes.Calls().size();
  const UndoResult result = UndoRecords(Records(), journaled.UndoThrough());
  EXPECT_TRUE(result.failed.empty() && result.left.empty());
  EXPECT_EQ(machine.display_modes.Calls().size(), changes);
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

// A newer version may add kinds of records: an older copy of the program (a portable one on
// a stick) must not write them away. Damaged records do go, and are counted.
TEST_F(JournalSystemTest, CompactionLeavesANewerVersionsRecordsAndCountsTheDamagedItRemoves) {
  Journal journal(machine.files, kPath);
  journal.BeginAction({2026, 1, 1, 9, 0, 0}, "Test", "old enough to go");
  std::vector<uint8_t> newer = EncodeRecord({.action = 9, .kind = ItemKind::Note, .time = {2026, 4, 11, 9, 0, 0}});
  newer[4 + 4 + 8] = 42;  // the kind, after the marker, the length and the action
  const uint32_t crc = Crc32(std::span<const uint8_t>(newer).subspan(8, newer.size() - 12));
  for (int i = 0; i < 4; ++i) newer[newer.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
  ASSERT_EQ(machine.files.AppendFile(kPath, newer), status::kOk);
  std::vector<uint8_t> before, after;
  machine.files.ReadFile(kPath, before);

  EXPECT_EQ(journal.Compact({2026, 4, 11, 12, 0, 0}).dropped_actions, 0u);
  machine.files.ReadFile(kPath, after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(journal.Load().unknown, 1u);

  before.resize(before.size() - newer.size());
  before[before.size() - 5] ^= 0xFF;  // inside the old action's payload
  machine.files.WriteFile(kPath, before);
  EXPECT_EQ(journal.Compact({2026, 4, 11, 12, 0, 0}).damaged_records, 1u);
}

// A companion started while the window runs (or the other way round) appends to the journal
// and leaves it whole; the first to start rewrites it.
TEST_F(JournalSystemTest, OnlyAJournalNoOtherProcessHasOpenIsRewrittenAtStart) {
  Journal(machine.files, kPath).BeginAction({2025, 1, 1, 9, 0, 0}, "Test", "long ago");
  {
    const JournaledServices window(machine.services(), kPath);
    const JournaledServices companion(machine.services(), kPath);
    EXPECT_EQ(window.Dropped(), 1u);
    EXPECT_EQ(companion.Dropped(), 0u);
  }
  Journal(machine.files, kPath).BeginAction({2025, 1, 1, 9, 0, 0}, "Test", "long ago");
  const JournaledServices later(machine.services(), kPath);
  EXPECT_EQ(later.Dropped(), 1u) << "the first start after both ended rewrites it";
}

TEST_F(JournalSystemTest, StartDropsWholeActionsOlderThanNinetyDaysOrBeyondTheSizeLimit) {
  Journal journal(machine.files, kPath);
  const auto add = [&](LocalTime time, size_t bytes) {
    Record record;
    record.action = journal.BeginAction(time, "Test", "t");
    record.kind = ItemKind::File;
    record.time = time;
    record.target = "C:\\f";
    record.after = ItemState::Of(0, std::vector<uint8_t>(bytes, 'x'));
    journal.Append(record);
    return record.action;
  };
  add({2026, 1, 1, 9, 0, 0}, 10);                      // 100 days old: goes
  add({2026, 4, 1, 9, 0, 0}, 3000);  // the oldest within the days, and beyond the size
  const uint64_t recent = add({2026, 4, 10, 9, 0, 0}, 10);
  const uint64_t today = add({2026, 4, 11, 9, 0, 0}, 10);

  EXPECT_EQ(journal.Compact({2026, 4, 11, 12, 0, 0}, 90, 1000).dropped_actions, 2u);
  const std::vector<uint64_t> ids = ActionIds(Records());
  EXPECT_EQ(ids, (std::vector<uint64_t>{recent, today}));
  // Within the bounds nothing is written again, and new ids follow the old ones.
  EXPECT_EQ(journal.Compact({2026, 4, 11, 12, 0, 0}, 90, 1000).dropped_actions, 0u);
  EXPECT_GT(journal.BeginAction({2026, 4, 11, 12, 0, 0}, "Test", "t"), today);
}

}  // namespace
}  // namespace qb::journal
