#include "cleaner/run_summary.h"

#include <string_view>

namespace qb::cleaner {

namespace {

// "1 entry was kept, because it ...", "3 entries were kept, because they ...".
std::string Left(size_t n, std::string_view how, std::string_view why) {
  return (n == 1 ? std::string("1 entry was ") : std::to_string(n) + " entries were ") +
         std::string(how) + (n == 1 ? ", because it " : ", because they ") + std::string(why);
}

std::string Count(size_t n, std::string_view one, std::string_view many) {
  return n == 1 ? "1 " + std::string(one) : std::to_string(n) + " " + std::string(many);
}

}  // namespace

std::vector<std::string> RunNotes(const ScanResult& scan, const RepairOutcome& outcome) {
  const size_t found = scan.removals.size();
  std::vector<std::string> notes;
  if (found > 0 && !outcome.backed_up && !outcome.error.empty()) {
    notes.push_back("Nothing was removed, because the entries could not be backed up first.");
    notes.push_back(outcome.error);
  }
  if (outcome.refused > 0) {
    notes.push_back("Windows refused to remove " +
                    (outcome.refused == 1 ? std::string("1 entry")
                                          : std::to_string(outcome.refused) + " entries") +
                    ": removing them needs an administrator.");
  }
  if (outcome.not_backed_up > 0) {
    notes.push_back(Left(outcome.not_backed_up, "kept", "could not be backed up."));
  }
  if (outcome.changed > 0) {
    notes.push_back(Left(outcome.changed, "left", "changed since the check."));
  }
  if (scan.search_failed != status::kOk) {
    notes.push_back("The drive could not be read, so nothing was searched on it.");
  }
  if (scan.unreadable > 0) {
    notes.push_back(Count(scan.unreadable, "file", "files") +
                    " could not be read as a shortcut and stayed.");
  }
  if (const size_t skipped = scan.skipped_folders.size(); skipped > 0) {
    notes.push_back(Count(skipped, "folder", "folders") + " could not be listed and " +
                    (skipped == 1 ? "was" : "were") + " skipped.");
  }
  if (outcome.stopped) notes.push_back("The run was stopped before its end.");
  if (!outcome.earlier_backup_path.empty()) {
    notes.push_back("The program's folder could not hold every copy: the first ones are in " +
                    outcome.earlier_backup_path + ", the others in " + outcome.backup_path);
  } else if (outcome.backup_in_local_data && !outcome.backup_path.empty()) {
    notes.push_back("The program's folder cannot hold backups, so the backup was saved in " +
                    outcome.backup_path);
  }
  return notes;
}

bool RunLeftWork(const ScanResult& scan, const RepairOutcome& outcome) {
  const size_t found = scan.removals.size();
  return scan.search_failed != status::kOk || scan.unreadable > 0 || !scan.skipped_folders.empty() || (found > 0 && !outcome.backed_up && !outcome.error.empty()) || outcome.refused > 0 ||
         outcome.not_backed_up > 0 || outcome.changed > 0 || outcome.stopped;
}

}  // namespace qb::cleaner
