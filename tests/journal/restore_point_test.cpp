// A restore point is asked for once per run, before its first change, and its answer is
// noted once; no answer stops the change.
#include <gtest/gtest.h>

#include "journal/journal_place.h"
#include "journal/undo.h"
#include "language/stored_phrase.h"
#include "platform/memory/memory_machine.h"

namespace qb::journal {
namespace {

const RegKeyPath kKey{RegRoot::CurrentUser, "Software\\Test"};
constexpr const char* kPath = "C:\\Journal\\journal.qbj";

// One run of the program: a handler that changes nothing, then two that each set a value.
std::vector<Record> RunOnce(MemoryMachine& machine, int first_value) {
  JournaledServices journaled(machine.services(), kPath);
  for (int value : {-1, first_value, first_value + 1}) {
    const ActionScope scope(&journaled.journal(), [] { return "Test"; }, &machine,
                            machine.clock, nullptr);
    if (value >= 0) journaled.services().registry.SetValue(kKey, RegValue::Dword("v", value));
  }
  return journaled.journal().Load().records;
}

// A note as the companion words it.
std::string Said(const Record& note) { return language::ShowStored(note.detail, language::InEnglish); }

std::vector<Record> NotesOf(const std::vector<Record>& records) {
  std::vector<Record> notes;
  for (const Record& r : records) {
    if (r.kind == ItemKind::Note) notes.push_back(r);
  }
  return notes;
}

TEST(RestorePoint, AskedOncePerRunBeforeItsFirstChangeAndEveryAnswerToldOnce) {
  MemoryMachine machine;
  machine.files.AddFolder("C:\\Journal");
  machine.registry.CreateKey(kKey);
  { JournaledServices idle(machine.services(), kPath); }
  EXPECT_TRUE(machine.restore_points.asked.empty()) << "a run that changes nothing asks nothing";

  std::vector<Record> records = RunOnce(machine, 1);
  ASSERT_EQ(machine.restore_points.asked, std::vector<std::string>{"Quill Box"});
  std::vector<Record> notes = NotesOf(records);
  ASSERT_EQ(notes.size(), 1u);
  // Before the first change, in its action; an undo passes over it.
  EXPECT_EQ(records[1].kind, ItemKind::Note);
  EXPECT_EQ(records[2].kind, ItemKind::RegistryValue);
  EXPECT_EQ(notes[0].action, records[2].action);
  EXPECT_EQ(Said(notes[0]),
            "Windows made the restore point \"Quill Box\" (number 1) before the first change of this run.");
  EXPECT_EQ(UndoRecords(RecordsOf(records, notes[0].action), machine.registry, machine.files).failed.size(), 0u);

  // Windows keeps the point of the last day instead of a new one: never called made.
  machine.restore_points.keeps_recent = true;
  machine.clock.SetNow({2026, 1, 2, 9, 30, 0});
  notes = NotesOf(RunOnce(machine, 10));
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(Said(notes[1]),
            "Windows made no new restore point, because it makes at most one a day: its restore point "
            "number 1 of 2026-01-02 03:04 stands for this run.");

  const struct {
    Status answer;
    const char* said;
  } refusals[] = {
      {status::kServiceDisabled, "System Restore is turned off on this computer."},
      {status::kAccessDenied, "that needs an administrator."},
      {status::kModNotFound, "this system has no System Restore."},
      {status::kDiskFull, "No restore point was made: "},
  };
  int value = 20;
  for (const auto& refusal : refusals) {
    machine.restore_points.answer = refusal.answer;
    const size_t asked = machine.restore_points.asked.size();
    records = RunOnce(machine, value);
    EXPECT_EQ(machine.restore_points.asked.size(), asked + 1);
    notes = NotesOf(records);
    EXPECT_NE(Said(notes.back()).find(refusal.said), std::string::npos) << Said(notes.back());
    EXPECT_NE(Said(notes.back()).find("can still be undone"), std::string::npos);
    EXPECT_FALSE(notes.back().after.present);
    // The change is made and journaled all the same.
    RegValue now;
    ASSERT_EQ(machine.registry.QueryValue(kKey, "v", now), status::kOk);
    EXPECT_EQ(now.data[0], value + 1);
    value += 10;
  }
  EXPECT_EQ(NotesOf(records).size(), 2u + std::size(refusals));
}

}  // namespace
}  // namespace qb::journal
