#include "cli/cleaner_commands.h"

#include "cleaner/backup.h"
#include "cleaner/exclusions.h"
#include "cleaner/repair_lock.h"
#include "cleaner/selection.h"
#include "cleaner/system_health_form.h"
#include "cli/cleaner_report.h"
#include "cli/finding_list.h"
#include "cli/undo_commands.h"
#include "language/phrases.h"
#include "language/stored_phrase.h"

namespace qb::cli {

namespace {

// The category's name as the System Health window's frame shows it.
language::Phrase FramePhrase(const cleaner::Category& category) {
  static_assert(cleaner::kCategories.size() == cleaner::kFrames.size());
  for (size_t i = 0; i < cleaner::kCategories.size(); ++i) {
    if (cleaner::kCategories[i].category == &category) return {cleaner::kFrames[i].tag, cleaner::kFrames[i].caption};
  }
  return {"", category.name};
}

struct Request {
  bool repair = false;
  std::vector<cleaner::NamedCategory> categories;
  std::string drive;  // a drive "C:" or a folder below one
};

std::optional<Request> Read(bool repair, const Arguments& arguments, const Services& services,
                            std::string& error) {
  if (arguments.words.size() != 2) {
    error = "expected a command (check or repair) and a category";
    return std::nullopt;
  }
  Request request{repair, {}, {}};
  const std::string& wanted = arguments.words[1];
  for (const auto& named : cleaner::kCategories) {
    if (wanted == "all" || wanted == named.command_name) request.categories.push_back(named);
  }
  if (request.categories.empty()) {
    error = "unknown category \"" + wanted + "\"; the categories are" + CategoryNames() + " and all";
    return std::nullopt;
  }
  if (arguments.Has("--drive") && arguments.Has("--folder")) {
    error = "--drive and --folder cannot be given together";
    return std::nullopt;
  }
  request.drive = arguments.Has("--folder") ? arguments.Value("--folder")
                  : arguments.Has("--drive") ? arguments.Value("--drive").substr(0, 2)
                                             : services.environment.WindowsFolder().substr(0, 2);
  return request;
}

std::optional<std::set<std::string>> ReadChosen(const std::string& file, const Services& services,
                                                Output& output) {
  std::vector<uint8_t> bytes;
  std::string error;
  std::optional<std::set<std::string>> chosen;
  if (const Status read = services.files.ReadFile(file, bytes); read != status::kOk) {
    error = services.environment.ErrorText(read);
  } else {
    chosen = ReadChosenFindings(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                error);
  }
  if (!chosen) {
    output.err += "quillbox-cli: the findings to repair cannot be read from " + file + ": " + error +
                  "; nothing was done.\n";
  }
  return chosen;
}

// Leaves in the scan only the findings the list names: a finding the list does not name is
// not touched, and one the list names that is no longer found is not looked for.
void KeepChosen(const std::set<std::string>& chosen, std::string_view category, cleaner::ScanResult& scan) {
  std::vector<bool> listed(scan.removals.size());
  for (size_t i = 0; i < scan.removals.size(); ++i) {
    listed[i] = chosen.contains(FindingIdentity(category, scan.removals[i]));
  }
  cleaner::KeepOnly(scan, listed);
}

int Run(bool repair, const Arguments& arguments, const Services& services, Output& output) {
  std::string error;
  const std::optional<Request> request = Read(repair, arguments, services, error);
  if (!request) return UsageError(error, output);
  // Held to the end of the last category: no other repair runs meanwhile.
  std::unique_ptr<HeldLock> lock;
  if (request->repair && !(lock = services.locks.Take(cleaner::kRepairLockName, 0))) {
    output.err += "quillbox-cli: another repair is running on this computer (in the System Health "
                  "window or another quillbox-cli); nothing was done. Try again once it has finished.\n";
    return kFailed;
  }

  // Read before anything is scanned: a list that cannot be read stops the run rather than
  // remove what the user chose to keep.
  Status unreadable = status::kOk;
  const cleaner::Exclusions exclusions =
      cleaner::LoadExclusions(services.files, services.environment, &unreadable);
  if (unreadable != status::kOk) {
    output.err += "quillbox-cli: the list of entries to keep (" +
                  cleaner::ExclusionsPath(services.environment) + ") cannot be read: " +
                  services.environment.ErrorText(unreadable) + "; nothing was done.\n";
    return kFailed;
  }
  std::optional<std::set<std::string>> chosen;
  if (arguments.Has("--only") && !(chosen = ReadChosen(arguments.Value("--only"), services, output))) {
    return kFailed;
  }

  // A repair is journaled, one action per category, so that history and undo can take it back.
  std::unique_ptr<journal::JournaledServices> journaled;
  if (request->repair) {
    if (const std::string path = JournalPath(services); !path.empty()) {
      journaled = Journaled(services, path);
    } else {
      output.err += "quillbox-cli: no backup folder can be written to, so this repair is not "
                    "journaled and cannot be undone with quillbox-cli undo.\n";
    }
  }

  const bool json = arguments.Has("--json");
  std::vector<CategoryRun> runs;
  bool found = false;
  bool failed = false;
  for (const auto& named : request->categories) {
    const registry::RegistryRoutines routines(services.registry, services.environment);
    cleaner::PresenceTest presence(services.files, services.environment);
    cleaner::Progress progress;
    cleaner::EventPacer pacer(services.clock, {});
    cleaner::ScanContext context{services.registry, services.environment, routines, presence,
                                 progress, pacer, &services.files, &services.shortcuts,
                                 request->drive, {}, cleaner::BackupFolders(services)};
    CategoryRun run{named, named.category->scan(context), std::nullopt};
    if (run.scan.search_failed != status::kOk) {
      // Nothing was searched: a count of none would claim a clean drive.
      output.err += "quillbox-cli: " + std::string(named.category->name) + ": " +
                    (request->drive.size() > 3 ? "the folder " : "the drive ") + request->drive +
                    " cannot be read: " + services.environment.ErrorText(run.scan.search_failed) +
                    "; nothing was searched.\n";
      failed = true;
      continue;
    }
    cleaner::SetAsideExcluded(exclusions, run.scan);
    if (chosen) KeepChosen(*chosen, named.command_name, run.scan);
    found = found || !run.scan.removals.empty();
    if (request->repair) {
      // Named as the System Health window names the category, by key, so that the History
      // window shows it in the language of the moment.
      const std::string category = language::StorePhrase(FramePhrase(*named.category));
      const uint64_t action = journaled ? journaled->Begin(category, category) : 0;
      run.repair = cleaner::Repair(journaled ? journaled->cleaner() : services, *named.category,
                                   run.scan.removals, progress, pacer);
      if (journaled) {
        std::string summary =
            language::StorePhrase(language::phrase::kRepairSummary, {std::to_string(run.repair->repaired)});
        if (!run.repair->backup_path.empty()) {
          summary += language::StorePhrase(language::phrase::kBackupSummary, {run.repair->backup_path});
        }
        journaled->Finish(action, category, summary);
      }
      if (!run.scan.removals.empty() && !run.repair->error.empty()) {
        output.err += "quillbox-cli: " + std::string(named.category->name) +
                      ": nothing was removed, because the entries could not be backed up first: " +
                      run.repair->error + "\n";
        failed = true;
      }
    }
    if (!json) AppendText(run, output.out);
    runs.push_back(std::move(run));
  }
  if (journaled && journaled->journal().Failure() != status::kOk) {
    output.err += "quillbox-cli: the journal of changes (" + journaled->journal().path() +
                  ") could not be written: " +
                  services.environment.ErrorText(journaled->journal().Failure()) +
                  "; the entries whose removal it could not record were left.\n";
    failed = true;
  }
  if (json) AppendJson(runs, request->repair, output.out);
  return failed ? kFailed : found ? kFound : kNothingFound;
}

}  // namespace

int RunCheck(const Arguments& arguments, const Services& services, Output& output) {
  return Run(false, arguments, services, output);
}

int RunRepair(const Arguments& arguments, const Services& services, Output& output) {
  return Run(true, arguments, services, output);
}

std::string CategoryNames() {
  std::string names;
  for (const auto& named : cleaner::kCategories) names += " " + std::string(named.command_name);
  return names;
}

}  // namespace qb::cli
