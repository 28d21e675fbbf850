#pragma once
// The backup a repair writes before it removes anything: one registry file holding every
// key (with everything below it) and value that will be removed, read back and compared
// before it counts as written. Kept in "Backups" beside the program, or in the user's
// local application-data folder when the program's folder cannot be written to.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/category.h"
#include "cleaner/reg_file.h"
#include "platform/services.h"

namespace qb::cleaner {

struct BackupOutcome {
  bool written = false;
  std::string path;   // the file, once written
  std::string error;  // why there is no backup
};

// What the removals would take away, as registry-file sections in file order: a removed
// key before its subkeys, the values of one key together. False when something cannot
// be read.
bool Snapshot(Registry& registry, const std::vector<Removal>& removals,
              std::vector<RegFileKey>& keys, std::string& error);

// "2026-01-02 03.04.05 Uninstall entries.reg"
std::string BackupFileName(const LocalTime& time, std::string_view category);

BackupOutcome WriteBackup(const Services& services, std::string_view category,
                          const std::vector<Removal>& removals);

}  // namespace qb::cleaner
