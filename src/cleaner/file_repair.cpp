#include "cleaner/file_repair.h"

#include <algorithm>

#include "cleaner/backup.h"

namespace qb::cleaner {

namespace {

constexpr uint32_t kKeptAttributes =
    fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem | fileattr::kArchive;

bool Refusal(Status status) {
  return status == status::kAccessDenied || status == status::kPrivilegeNotHeld;
}

// "C:\a\b.lnk" becomes "C\a\b.lnk"; a network path "\\server\share\x" becomes
// "server\share\x".
std::string RelativeCopyPath(const std::string& path) {
  if (path.size() > 2 && path[1] == ':') return path.substr(0, 1) + path.substr(2);
  size_t start = 0;
  while (start < path.size() && path[start] == '\\') ++start;
  return path.substr(start);
}

struct Copy {
  const Removal* removal = nullptr;
  std::string path;
  std::vector<uint8_t> bytes;
  uint32_t attributes = 0;
};

// The run's own folder in the first place that can hold one.
bool MakeRunFolder(const Services& services, std::string_view category, RepairOutcome& outcome) {
  const auto folders = BackupFolders(services);
  const auto name = BackupFolderName(services.clock.Now(), category);
  for (size_t i = 0; i < folders.size(); ++i) {
    if (!EnsureFolder(services.files, folders[i])) continue;
    std::string path = folders[i] + "\\" + name;
    uint32_t attributes = 0;
    for (int n = 2; services.files.GetAttributes(path, attributes) == status::kOk; ++n) {
      path = folders[i] + "\\" + name + " (" + std::to_string(n) + ")";
    }
    if (services.files.CreateFolder(path) != status::kOk) continue;
    outcome.backup_path = path;
    outcome.backup_in_local_data = i > 0;
    return true;
  }
  outcome.error = "cannot create a backup folder in " + folders[0] + " or " + folders[1];
  return false;
}

bool CopyWhole(FileSystem& files, const std::string& run_folder, const Removal& removal, Copy& copy) {
  copy.removal = &removal;
  copy.path = run_folder + "\\" + RelativeCopyPath(removal.file);
  if (files.GetAttributes(removal.file, copy.attributes) != status::kOk ||
      files.ReadFile(removal.file, copy.bytes) != status::kOk ||
      !EnsureFolder(files, copy.path.substr(0, copy.path.find_last_of('\\')))) {
    return false;
  }
  std::vector<uint8_t> copied;
  uint32_t attributes = 0;
  if (files.CopyFile(removal.file, copy.path, true) == status::kOk &&
      files.ReadFile(copy.path, copied) == status::kOk && copied == copy.bytes &&
      files.GetAttributes(copy.path, attributes) == status::kOk &&
      (attributes & kKeptAttributes) == (copy.attributes & kKeptAttributes)) {
    return true;
  }
  files.SetAttributes(copy.path, fileattr::kNormal);
  files.DeleteFile(copy.path);
  return false;
}

// Deletes the file, clearing its attributes first so that read-only, hidden and system
// files go too; a file that stays gets its attributes back.
void DeleteOne(FileSystem& files, const Copy& copy, RepairOutcome& outcome, bool& deleted) {
  const std::string& path = copy.removal->file;
  files.SetAttributes(path, fileattr::kNormal);
  const Status status = files.DeleteFile(path);
  uint32_t attributes = 0;
  if (files.GetAttributes(path, attributes) == status::kFileNotFound) {
    ++outcome.repaired;
    deleted = true;
    return;
  }
  files.SetAttributes(path, copy.attributes);
  if (Refusal(status)) {
    ++outcome.refused;
  } else {
    ++outcome.changed;
  }
}

// Removes the copy and every folder of the run that is left empty.
void DropCopy(FileSystem& files, const std::string& run_folder, const std::string& path) {
  files.SetAttributes(path, fileattr::kNormal);
  files.DeleteFile(path);
  for (auto folder = path.substr(0, path.find_last_of('\\'));
       folder.size() > run_folder.size() && files.RemoveFolder(folder) == status::kOk;
       folder = folder.substr(0, folder.find_last_of('\\'))) {
  }
}

}  // namespace

std::string BackupFolderName(const LocalTime& time, std::string_view category) {
  auto name = BackupFileName(time, category);
  return name.substr(0, name.size() - 4);
}

RepairOutcome RepairFiles(const Services& services, const Category& category,
                          const std::vector<Removal>& removals, Progress& progress,
                          EventPacer& pacer) {
  RepairOutcome outcome;
  if (removals.empty() || !MakeRunFolder(services, category.name, outcome)) return outcome;
  outcome.backed_up = true;
  FileSystem& files = services.files;
  std::vector<Copy> copies;
  for (const auto& removal : removals) {
    Copy copy;
    if (CopyWhole(files, outcome.backup_path, removal, copy)) {
      copies.push_back(std::move(copy));
    } else {
      ++outcome.not_backed_up;
    }
  }

  const registry::RegistryRoutines routines(services.registry, services.environment);
  PresenceTest presence(files, services.environment.WindowsFolder());
  ScanContext context{services.registry, services.environment, routines, presence, progress, pacer,
                      &files, &services.shortcuts};
  std::vector<bool> deleted(copies.size(), false);
  progress.StartLoop(copies.size());
  for (size_t i = 0; i < copies.size(); ++i) {
    progress.SetValue(i);
    if (!pacer.Tick()) {
      outcome.stopped = true;
      break;
    }
    std::vector<uint8_t> now;
    if (files.ReadFile(copies[i].removal->file, now) != status::kOk || now != copies[i].bytes ||
        !category.still_invalid(context, *copies[i].removal)) {
      ++outcome.changed;
      continue;
    }
    bool gone = false;
    DeleteOne(files, copies[i], outcome, gone);
    deleted[i] = gone;
  }
  for (size_t i = 0; i < copies.size(); ++i) {
    if (!deleted[i]) DropCopy(files, outcome.backup_path, copies[i].path);
  }
  if (std::none_of(deleted.begin(), deleted.end(), [](bool d) { return d; })) {
    files.RemoveFolder(outcome.backup_path);
    outcome.backup_path.clear();
  }
  return outcome;
}

}  // namespace qb::cleaner
