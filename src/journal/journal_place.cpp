#include "journal/journal_place.h"

#include "cleaner/backup.h"

namespace qb::journal {

std::string JournalPath(const Services& services) {
  const std::vector<std::string> folders = cleaner::BackupFolders(services);
  // A journal already kept stays the one: a run as an administrator that may now write to
  // the program folder must not start a second history beside the one in local data.
  for (const std::string& folder : folders) {
    const std::string path = folder + "\\" + kJournalFileName;
    uint32_t attributes = 0;
    if (services.files.GetAttributes(path, attributes) == status::kOk &&
        !(attributes & fileattr::kDirectory) &&
        services.files.AppendFile(path, {}) == status::kOk) {
      return path;
    }
  }
  for (const std::string& folder : folders) {
    const std::string path = folder + "\\" + kJournalFileName;
    // Appending nothing creates the file where it is missing and proves the folder writable.
    if (cleaner::EnsureFolder(services.files, folder) &&
        services.files.AppendFile(path, {}) == status::kOk) {
      return path;
    }
  }
  return {};
}

JournaledServices::JournaledServices(const Services& plain, std::string journal_path)
    : plain_(plain),
      journal_(plain.files, std::move(journal_path)),
      registry_(plain.registry, journal_, plain.clock),
      files_(plain.files, journal_, plain.clock),
      recorder_(journal_, plain.clock),
      parameters_(plain.system_parameters, recorder_),
      colours_(plain.system_colours, recorder_),
      display_(plain.display_modes, recorder_),
      fonts_(plain.fonts, recorder_),
      processes_(plain.processes, recorder_),
      journaled_{registry_,     plain.profile,   plain.instance,  plain.environment,
                 plain.shell,   plain.dialogs,   plain.clock,     files_,
                 parameters_,   plain.power,     plain.shortcuts, plain.system,
                 plain.formatter, plain.images,  display_,        colours_,
                 plain.recycle_bin, fonts_,      processes_,      plain.locks},
      guarded_registry_(plain.registry, journal_, plain.clock),
      guarded_files_(plain.files, journal_, plain.clock),
      cleaner_{guarded_registry_, plain.profile,   plain.instance,  plain.environment,
               plain.shell,       plain.dialogs,   plain.clock,     guarded_files_,
               parameters_,       plain.power,     plain.shortcuts, plain.system,
               plain.formatter,   plain.images,    display_,        colours_,
               plain.recycle_bin, fonts_,          processes_,      plain.locks} {
  guarded_registry_.GuardRemovals(true);
  guarded_files_.GuardRemovals(true);
  dropped_ = journal_.Compact(plain.clock.Now());
  for (const std::string& folder : cleaner::BackupFolders(plain)) {
    files_.Exclude(folder);
    guarded_files_.Exclude(folder);
  }
}

UndoTargets JournaledServices::UndoThrough() {
  return {registry_, files_, &parameters_, &colours_, &display_, &fonts_};
}

}  // namespace qb::journal
