#include "cleaner/run_summary.h"

#include <string_view>

#include "language/phrases.h"

namespace qb::cleaner {

namespace {

// One phrase for one thing, another for several: "1 entry was kept", "3 entries were kept".
std::string Counted(const language::Wording& say, size_t n, const language::Phrase& one,
                    const language::Phrase& many) {
  return n == 1 ? say(one, {}) : say(many, {std::to_string(n)});
}

}  // namespace

std::vector<std::string> RunNotes(const ScanResult& scan, const RepairOutcome& outcome,
                                  const language::Wording& say) {
  namespace phrase = language::phrase;
  const size_t found = scan.removals.size();
  std::vector<std::string> notes;
  if (found > 0 && !outcome.backed_up && !outcome.error.empty()) {
    notes.push_back(say(phrase::kNothingRemovedNoBackup, {}));
    notes.push_back(outcome.error);
  }
  if (outcome.refused > 0) {
    notes.push_back(Counted(say, outcome.refused, phrase::kRefusedOne, phrase::kRefusedMany));
  }
  if (outcome.not_backed_up > 0) {
    notes.push_back(Counted(say, outcome.not_backed_up, phrase::kKeptNotBackedUpOne,
                            phrase::kKeptNotBackedUpMany));
  }
  if (outcome.changed > 0) {
    notes.push_back(Counted(say, outcome.changed, phrase::kLeftChangedOne, phrase::kLeftChangedMany));
  }
  if (scan.search_failed != status::kOk) notes.push_back(say(phrase::kDriveUnreadable, {}));
  if (scan.unreadable > 0) {
    notes.push_back(Counted(say, scan.unreadable, phrase::kUnreadableShortcutOne,
                            phrase::kUnreadableShortcutMany));
  }
  if (const size_t skipped = scan.skipped_folders.size(); skipped > 0) {
    notes.push_back(Counted(say, skipped, phrase::kSkippedFolderOne, phrase::kSkippedFolderMany));
  }
  if (outcome.stopped) notes.push_back(say(phrase::kRunStopped, {}));
  if (!outcome.earlier_backup_path.empty()) {
    notes.push_back(say(phrase::kBackupSplit, {outcome.earlier_backup_path, outcome.backup_path}));
  } else if (outcome.backup_in_local_data && !outcome.backup_path.empty()) {
    notes.push_back(say(phrase::kBackupInLocalData, {outcome.backup_path}));
  }
  return notes;
}

bool RunLeftWork(const ScanResult& scan, const RepairOutcome& outcome) {
  const size_t found = scan.removals.size();
  return scan.search_failed != status::kOk || scan.unreadable > 0 || !scan.skipped_folders.empty() || (found > 0 && !outcome.backed_up && !outcome.error.empty()) || outcome.refused > 0 ||
         outcome.not_backed_up > 0 || outcome.changed > 0 || outcome.stopped;
}

}  // namespace qb::cleaner
