#pragma once
// One journaled change and the frame it is stored in. The journal file is append-only: each
// record is a marker, its payload length, the payload and a checksum of the payload, so a
// crash or a full disk can only cut off the last record, and a damaged record is found,
// skipped and reported while the reader finds the next marker and carries on.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace qb::journal {

// What a record changed; the target's text names it within its kind.
enum class ItemKind : uint8_t {
  ActionStart = 0,  // opens an action: target holds its category, detail its summary
  RegistryValue = 1,
  RegistryKey = 2,
  File = 3,
  SystemParameter = 4,
  SystemColour = 5,
  DisplayMode = 6,
  Wallpaper = 7,
  Font = 8,
  ProcessEnd = 9,  // cannot be undone; kept so the history tells the whole story
  // The outcome of the change recorded just before it for the same target in the same action,
  // written when that change did not happen: changes are recorded before they are made, so
  // that a crash can never leave a change without its record.
  Settled = 10,
  // What the run was told before its first change (the restore point Windows made, or why
  // none was made), kept in the action of that change: detail holds the sentence, target
  // its heading, after the point's sequence number when there is one. Nothing to undo.
  Note = 11,
};

enum class Outcome : uint8_t { Done = 0, Refused = 1, NotUndoable = 2, NotMade = 3 };

// A copy that holds a file's bytes in place of the record: a backup the cleaner made and
// checked before it deleted the file. Undo uses it only while it is still the file as it was:
// of the same size and last written when the file was (a copy keeps its original's write
// time, and any change to it moves that time), so recording it reads none of its bytes.
// Journals of earlier versions prove a copy by a checksum of its bytes instead.
struct HeldCopy {
  std::string path;
  uint64_t size = 0;
  uint64_t written = 0;
  std::optional<uint32_t> checksum;
  bool operator==(const HeldCopy&) const = default;
};

// A state of an item: absent, or its bytes plus a small number (a registry value's type, a
// file's attributes, a parameter's code). A file's bytes may be held in a copy instead.
struct ItemState {
  bool present = false;
  uint32_t tag = 0;
  std::vector<uint8_t> bytes;
  std::optional<HeldCopy> copy;  // set: bytes is empty and the copy holds them

  static ItemState Absent() { return {}; }
  static ItemState Of(uint32_t tag, std::vector<uint8_t> bytes) {
    return {true, tag, std::move(bytes), std::nullopt};
  }
  static ItemState InCopy(uint32_t tag, HeldCopy copy) { return {true, tag, {}, std::move(copy)}; }
  bool operator==(const ItemState&) const = default;
};

struct Record {
  uint64_t action = 0;
  ItemKind kind = ItemKind::ActionStart;
  Outcome outcome = Outcome::Done;
  LocalTime time;
  std::string target;  // registry: "root\view\path\name"; file: its path
  std::string detail;  // the action's summary on ActionStart, otherwise free
  ItemState before;
  ItemState after;

  bool operator==(const Record&) const;
};

// The record framed for appending to the journal file.
std::vector<uint8_t> EncodeRecord(const Record& record);

struct Decoded {
  std::vector<Record> records;
  uint32_t damaged = 0;      // records skipped because their checksum was wrong
  // Whole records this version cannot read (a newer version's kinds): skipped, never dropped.
  uint32_t unknown = 0;
  bool cut_short = false;    // the file ends inside a record (an interrupted write)
};

// Every whole record in the bytes, in file order; never fails.
Decoded DecodeRecords(std::span<const uint8_t> bytes);

uint32_t Crc32(std::span<const uint8_t> bytes);

}  // namespace qb::journal
