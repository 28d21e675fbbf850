#pragma once
// The backup a repair writes before it removes anything: one registry file holding every
// key (with everything below it) and value that will be removed. Kept in "Backups" beside
// the program, or in the user's local application-data folder when the program's folder
// cannot hold it. A backup is whole or absent: it is written under a temporary name, read
// back and compared, and only then given its name; a failed attempt leaves nothing behind.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/reg_file.h"
#include "language/wording.h"
#include "platform/services.h"

namespace qb::cleaner {

struct BackupOutcome {
  bool written = false;
  std::string path;             // the file, once written
  bool in_local_data = false;   // the program's own folder could not hold it
  std::string error;            // why there is no backup, in the words it was asked in
};

// Where backups go, in the order they are tried: "Backups" beside the program, then the
// program's folder in the user's local application data.
std::vector<std::string> BackupFolders(const Services& services);

// Creates the folder and the folders above it that are missing; true when it is there.
// made, when given, receives each folder created, outermost first.
bool EnsureFolder(FileSystem& files, const std::string& folder,
                  std::vector<std::string>* made = nullptr);

// "2026-01-02 03.04.05 Uninstall entries.reg"
std::string BackupFileName(const LocalTime& time, std::string_view category);

BackupOutcome WriteBackup(const Services& services, std::string_view category,
                          const std::vector<RegFileKey>& sections,
                          const language::Wording& say = language::InEnglish);

}  // namespace qb::cleaner
