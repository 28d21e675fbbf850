#pragma once
// The journal of changes, kept beside the cleaner's backups as one append-only file. Records
// are written as they happen; an action is the records sharing one id, opened by its
// ActionStart record.
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal_record.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/status.h"

namespace qb::journal {

inline constexpr const char* kJournalFileName = "journal.qbj";

class Journal {
 public:
  Journal(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Reads what is on disk; a missing file is an empty journal. Ids of new actions continue
  // after the largest one found. A change that did not happen comes out refused, or not at all.
  Decoded Load();
  // Opens an action and returns its id.
  uint64_t BeginAction(const LocalTime& time, std::string category, std::string summary);
  // Keeps the journal bounded: the actions begun more than max_days before now go, and then
  // the oldest ones while the file is larger than max_bytes. Whole actions go, never part
  // of one, and the file is written anew beside the old one before it replaces it, so that
  // a crash leaves one or the other. Damaged records go with it. A journal holding records
  // this version cannot read (a newer version's) is left whole. Large contents kept beside
  // the journal count with the last action that names them, and go when no record does.
  struct Compaction {
    size_t dropped_actions = 0;
    uint32_t damaged_records = 0;  // removed with the rewrite
  };
  Compaction Compact(const LocalTime& now, int max_days = 90, uint64_t max_bytes = 50ull << 20);
  // Appends one record; the failure of the disk is returned, never thrown. A record that
  // could not be written is not counted in its action's summary.
  Status Append(const Record& record);
  // The first append of this run that failed (a full disk, a folder made read-only), or kOk:
  // the changes since may be unrecorded and cannot be undone.
  Status Failure() const { return failure_; }
  // True once after the first failed append, so that the user is told once, not per change.
  bool TakeFailureNotice();
  // Records that the change of a record appended before it did not happen: Refused (by
  // Windows) or NotMade.
  Status Settle(const Record& record, Outcome outcome);

  const std::string& path() const { return path_; }

  // Runs once, before the record of the first change of this run is appended, with that
  // change's action: where the run asks Windows for a restore point and notes its answer.
  void BeforeFirstChange(std::function<void(uint64_t action)> ask) { before_first_ = std::move(ask); }
  // The newest note that carries a number, as the last Load found it.
  const std::optional<Record>& LastNumberedNote() const { return last_numbered_note_; }

  // How many records of each kind an action wrote, and how many of them Windows refused.
  struct Counts {
    std::array<uint32_t, 11> by_kind{};
    uint32_t refused = 0;
    uint32_t Of(ItemKind kind) const { return by_kind[static_cast<size_t>(kind)]; }
    uint32_t Total() const;
  };
  using Summariser = std::function<std::string(const std::string& category, const Counts&)>;

  // A user action that is opened around a handler and begins with its first recorded change,
  // so that a click that changes nothing leaves no trace. A scope opened inside another of
  // the same owner (a window) joins it: one Apply is one action whatever it calls. One of
  // another owner (a window opened by the handler) is an action of its own.
  void OpenScope(std::function<std::string()> category, const void* owner);
  // Ends the innermost scope; when it recorded anything, its final start record carries the
  // one-line summary made of its counts.
  void CloseScope(const LocalTime& now, const Summariser& summarise);
  bool InScope() const { return !scopes_.empty(); }
  // Keeps the file open from here to Release, for an action begun and finished by hand (the
  // console companion's): its records are written without the file being opened for each.
  void Hold() {
    ++held_;
    ++epoch_;
  }
  void Release();
  // Changes at every opening and closing of a scope or a hold: what was read under one
  // number was read within the action that is still open.
  uint64_t Epoch() const { return epoch_; }
  // The action a change made now belongs to: the scope's, begun on first use.
  uint64_t ScopeAction(const LocalTime& now);

 private:
  Status Write(const std::vector<uint8_t>& bytes);
  void LetGoWhenIdle();

  FileSystem& files_;
  std::string path_;
  // Open while a scope is open or the file is held, from the first record written.
  std::unique_ptr<FileAppender> appender_;
  int held_ = 0;
  uint64_t epoch_ = 0;
  uint64_t last_action_ = 0;
  bool read_ = false;  // whether the last Load read the file
  Status failure_ = status::kOk;
  bool failure_told_ = false;
  std::function<void(uint64_t)> before_first_;
  std::optional<Record> last_numbered_note_;
  struct Scope {
    const void* owner = nullptr;
    int depth = 0;
    std::function<std::string()> name;  // asked once the first change is made
    std::string category;
    uint64_t action = 0;  // 0 until its first change
    Counts counts;
    ItemKind last_kind = ItemKind::ActionStart;  // the kind a Settled record takes back
  };
  std::vector<Scope> scopes_;
};

// Opens a scope for the length of a handler; the summary is made when it closes.
class ActionScope {
 public:
  ActionScope(Journal* journal, std::function<std::string()> category, const void* owner,
              Clock& clock,
              Journal::Summariser summarise);
  ActionScope(const ActionScope&) = delete;
  ActionScope& operator=(const ActionScope&) = delete;
  ~ActionScope();

 private:
  Journal* journal_;
  Clock& clock_;
  Journal::Summariser summarise_;
};

}  // namespace qb::journal
