#include "cleaner/file_repair.h"

#include "cleaner/backup_run.h"

namespace qb::cleaner {

namespace {

// What stops a delete: the read-only, hidden and system attributes.
constexpr uint32_t kGuardingAttributes = fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem;

bool Gone(Status status) {
  return status == status::kFileNotFound || status == status::kPathNotFound;
}

// Deletes the file, clearing its attributes first so that read-only, hidden and system
// files go too; a file that stays gets its attributes back.
Status DeleteOne(FileSystem& files, const std::string& path, uint32_t attributes) {
  const bool guarded = (attributes & kGuardingAttributes) != 0;
  if (guarded) files.SetAttributes(path, fileattr::kNormal);
  const Status deleted = files.DeleteFile(path);
  if (deleted != status::kOk && guarded) files.SetAttributes(path, attributes);
  return deleted;
}

void RemoveOne(ScanContext& context, const Category& category, const Removal& removal,
               BackupRun& run, RepairOutcome& outcome) {
  FileSystem& files = *context.files;
  // The facts name the version judged here: the copy must be of the same one.
  FileFacts facts;
  const Status read = files.GetFacts(removal.file, facts);
  if (read != status::kOk) {
    ++(Gone(read) ? outcome.changed : outcome.not_backed_up);
    return;
  }
  if (!category.still_invalid(context, removal)) {
    ++outcome.changed;
    return;
  }
  std::string copy;
  switch (run.Copy(removal.file, facts, copy)) {
    case BackupRun::Keep::Kept: break;
    case BackupRun::Keep::Changed: ++outcome.changed; return;
    case BackupRun::Keep::NoPlace:
      // With no backup folder at all, the run says so once instead.
      if (!run.Nowhere()) ++outcome.not_backed_up;
      return;
  }
  const Status deleted = DeleteOne(files, removal.file, facts.attributes);
  if (deleted == status::kOk) {
    ++outcome.repaired;
    run.Kept();
    return;
  }
  run.Drop(copy);
  ++(status::Refused(deleted) ? outcome.refused : outcome.changed);
}

}  // namespace

RepairOutcome RepairFiles(const Services& services, const Category& category,
                          const std::vector<Removal>& removals, Progress& progress,
                          EventPacer& pacer, const language::Wording& say) {
  RepairOutcome outcome;
  if (removals.empty()) return outcome;
  const registry::RegistryRoutines routines(services.registry, services.environment);
  PresenceTest presence(services.files, services.environment);
  ScanContext context{services.registry, services.environment, routines, presence, progress, pacer,
                      &services.files, &services.shortcuts};
  BackupRun run(services, category.name, say);
  progress.StartLoop(removals.size());
  for (size_t i = 0; i < removals.size() && !run.Nowhere(); ++i) {
    progress.SetValue(i);
    if (!pacer.Tick()) {
      outcome.stopped = true;
      break;
    }
    RemoveOne(context, category, removals[i], run, outcome);
  }
  run.Finish();
  outcome.backed_up = !run.Nowhere();
  outcome.error = run.Error();
  const auto folders = run.Folders();
  if (!folders.empty()) outcome.backup_path = folders.back();
  if (folders.size() > 1) outcome.earlier_backup_path = folders.front();
  outcome.backup_in_local_data = run.InLocalData();
  return outcome;
}

}  // namespace qb::cleaner
