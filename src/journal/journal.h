#pragma once
// The journal of changes, kept beside the cleaner's backups as one append-only file. Records
// are written as they happen; an action is the records sharing one id, opened by its
// ActionStart record.
#include <string>
#include <vector>

#include "journal/journal_record.h"
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
  // Appends one record; the failure of the disk is returned, never thrown.
  Status Append(const Record& record);
  // Records that the change of a record appended before it did not happen: Refused (by
  // Windows) or NotMade.
  Status Settle(const Record& record, Outcome outcome);

  const std::string& path() const { return path_; }

 private:
  FileSystem& files_;
  std::string path_;
  // Opened at the first record and kept for the journal's life: a repair of thousands of
  // files writes thousands of records.
  std::unique_ptr<FileAppender> appender_;
  uint64_t last_action_ = 0;
};

}  // namespace qb::journal
