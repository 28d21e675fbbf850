#pragma once
// Undoing an action: each item goes back to its state before, newest change first. An item
// changed by something else since (its state now is not what the action left) is left alone
// and listed; an item already back at its earlier state counts as undone. Refused changes
// changed nothing and process ends cannot be reversed, so both are passed over.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_record.h"
#include "language/wording.h"
#include "platform/display_modes.h"
#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/registry.h"
#include "platform/system_colours.h"
#include "platform/system_parameters.h"

namespace qb::journal {

struct UndoResult {
  uint32_t undone = 0;
  std::vector<std::string> left;    // targets changed since the action
  std::vector<std::string> failed;  // targets the system would not restore
  std::vector<std::string> not_undoable;  // ended processes, which nothing gives back
  // Of the failed, the files whose bytes were held in a backup copy that is gone or no longer
  // holds them: they are left as they are, and the copy is named.
  struct UnusableCopy {
    std::string target;
    std::string copy;
    bool missing = false;  // otherwise altered
  };
  std::vector<UnusableCopy> unusable_copies;
};

// What an undo puts back; a service left out leaves its items as they are, listed as failed.
struct UndoTargets {
  Registry& registry;
  FileSystem& files;
  SystemParameters* parameters = nullptr;
  SystemColours* colours = nullptr;
  DisplayModes* display = nullptr;
  Fonts* fonts = nullptr;
  // Asked once a display mode is set back, as when it was changed: false (no answer in
  // time) puts the mode of the action back, and the item counts as not restored.
  std::function<bool()> keep_display;
};

// Undoes the given records (those of one action, in the order written).
UndoResult UndoRecords(const std::vector<Record>& records, const UndoTargets& targets);
UndoResult UndoRecords(const std::vector<Record>& records, Registry& registry,
                       FileSystem& files);

// The records of one action, in the order written.
std::vector<Record> RecordsOf(const std::vector<Record>& all, uint64_t action);
// The ids of every action, oldest first.
std::vector<uint64_t> ActionIds(const std::vector<Record>& all);
// The ids of the actions begun at or after the time, newest first: the order "undo all
// since" takes them back in, so that each item ends in its state before the earliest one.
std::vector<uint64_t> ActionsSince(const std::vector<Record>& all, const LocalTime& since);

// "2026-01-31" as the start of that day; false for anything else.
bool ParseDay(std::string_view text, LocalTime& day);

// A target as a person reads it: a registry key with the value's name and its view, the way
// the cleaner prints keys, the view in words said by say; a file or a setting is its name
// already.
std::string ReadableTarget(const std::string& target, const language::Wording& say = language::InEnglish);

}  // namespace qb::journal
