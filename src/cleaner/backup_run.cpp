#include "cleaner/backup_run.h"

#include <algorithm>

#include "cleaner/backup.h"
#include "cleaner/path_text.h"

namespace qb::cleaner {

namespace {

constexpr uint32_t kKeptAttributes =
    fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem | fileattr::kArchive;

// "C:\a\b.lnk" becomes "C\a\b.lnk"; a network path "\\server\share\x" becomes
// "server\share\x".
std::string RelativeCopyPath(const std::string& path) {
  if (path.size() > 2 && path[1] == ':') return path.substr(0, 1) + path.substr(2);
  size_t start = 0;
  while (start < path.size() && path[start] == '\\') ++start;
  return path.substr(start);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// A copy keeps its original's size, write time and attributes, so facts that agree name the
// same version of the file, whole; asking them opens no file, which matters at thousands of
// files a run.
bool SameVersion(const FileFacts& a, const FileFacts& b) {
  return a.size == b.size && a.written == b.written &&
         (a.attributes & kKeptAttributes) == (b.attributes & kKeptAttributes);
}

bool HasFacts(FileSystem& files, const std::string& path, const FileFacts& facts) {
  FileFacts now;
  return files.GetFacts(path, now) == status::kOk && SameVersion(now, facts);
}

// The complete text is the shorter, so that rewriting it fits wherever the first one did
// (on a disk that filled meanwhile).
std::vector<uint8_t> MarkerText(const std::string& run, bool complete, size_t files) {
  std::string text = "Quill Box backup\r\nRun: " + run + "\r\n";
  if (complete) {
    text += "State: complete\r\nFiles: " + std::to_string(files) +
            "\r\nEach file this run deleted is kept here under its drive and path (the folder C "
            "holds what was on C:). Copy a file back to its place to restore it.\r\n";
  } else {
    text += "State: incomplete\r\nThe run has not ended, or it was stopped before it could "
            "finish: every file it deleted has its copy here, and a file with a copy here may "
            "also still be in its place.\r\n";
  }
  return {text.begin(), text.end()};
}

}  // namespace

bool HoldsBackupMarker(const std::vector<FileEntry>& entries) {
  return std::any_of(entries.begin(), entries.end(), [](const FileEntry& entry) {
    return !(entry.attributes & fileattr::kDirectory) && EqualsIgnoringCase(entry.name, kBackupMarkerName);
  });
}

std::string BackupFolderName(const LocalTime& time, std::string_view category) {
  auto name = BackupFileName(time, category);
  return name.substr(0, name.size() - 4);
}

BackupRun::BackupRun(const Services& services, std::string_view category, language::Wording say)
    : files_(services.files), say_(std::move(say)), name_(BackupFolderName(services.clock.Now(), category)) {
  for (auto& base : BackupFolders(services)) places_.push_back({.base = std::move(base)});
}

bool BackupRun::Open(Place& place) {
  place.failed = true;
  if (!EnsureFolder(files_, place.base, &place.made)) return false;
  // Another run may take the same name at the same moment: the folder is ours only once
  // this process has created it.
  Status created = status::kAlreadyExists;
  for (int n = 1; created == status::kAlreadyExists && n < 100; ++n) {
    place.run = place.base + "\\" + name_ + (n == 1 ? "" : " (" + std::to_string(n) + ")");
    created = files_.CreateFolder(place.run);
  }
  if (created != status::kOk) {
    Close(place);
    return false;
  }
  place.made.push_back(place.run);
  place.opened = true;
  // The marker comes first: a walk that meets the folder from now on leaves it alone.
  if (files_.WriteFile(MarkerPath(place), MarkerText(name_, false, 0)) != status::kOk) {
    Close(place);
    return false;
  }
  place.failed = false;
  return true;
}

bool BackupRun::CopyInto(Place& place, const std::string& file, const FileFacts& facts,
                         const std::string& copy) {
  const std::string folder = FolderOf(copy);
  if (folder != place.last_folder) {
    if (!EnsureFolder(files_, folder)) {
      DropFrom(place, copy);
      return false;
    }
    place.last_folder = folder;
  }
  if (files_.CopyFile(file, copy, true) == status::kOk && HasFacts(files_, copy, facts)) return true;
  DropFrom(place, copy);
  place.last_folder.clear();
  return false;
}

BackupRun::Keep BackupRun::Copy(const std::string& file, const FileFacts& facts, std::string& copy) {
  for (size_t at = place_; at < places_.size(); ++at) {
    Place& place = places_[at];
    if (place.failed || (!place.opened && !Open(place))) continue;
    copy = place.run + "\\" + RelativeCopyPath(file);
    if (CopyInto(place, file, facts, copy)) {
      place_ = at;
      return Keep::Kept;
    }
    // A file that changed meanwhile is no fault of the place.
    if (!HasFacts(files_, file, facts)) return Keep::Changed;
  }
  if (Nowhere()) {
    std::string folders = places_[0].base;
    for (size_t i = 1; i < places_.size(); ++i) {
      folders = say_(language::phrase::kEitherFolder, {folders, places_[i].base});
    }
    error_ = say_(language::phrase::kNoBackupFolder, {folders});
  }
  return Keep::NoPlace;
}

void BackupRun::Drop(const std::string& copy) { DropFrom(places_[place_], copy); }

void BackupRun::DropFrom(const Place& place, const std::string& copy) {
  files_.SetAttributes(copy, fileattr::kNormal);
  files_.DeleteFile(copy);
  // And every folder of the run that is left empty.
  for (auto folder = FolderOf(copy);
       folder.size() > place.run.size() && files_.RemoveFolder(folder) == status::kOk;
       folder = FolderOf(folder)) {
  }
}

std::string BackupRun::MarkerPath(const Place& place) {
  return place.run + "\\" + std::string(kBackupMarkerName);
}

void BackupRun::Close(Place& place) {
  if (place.opened) files_.DeleteFile(MarkerPath(place));
  for (auto made = place.made.rbegin(); made != place.made.rend(); ++made) {
    if (files_.RemoveFolder(*made) != status::kOk) break;
  }
  place.made.clear();
  place.opened = false;
}

void BackupRun::Finish() {
  if (finished_) return;
  finished_ = true;
  for (auto& place : places_) {
    if (!place.opened) continue;
    if (place.kept > 0) {
      files_.WriteFile(MarkerPath(place), MarkerText(name_, true, place.kept));
    } else {
      Close(place);
    }
  }
}

bool BackupRun::Nowhere() const {
  return std::all_of(places_.begin(), places_.end(), [](const Place& place) { return place.failed; });
}

std::vector<std::string> BackupRun::Folders() const {
  std::vector<std::string> folders;
  for (const auto& place : places_) {
    if (place.kept > 0) folders.push_back(place.run);
  }
  return folders;
}

bool BackupRun::InLocalData() const {
  return places_.size() > 1 && places_.back().kept > 0;
}

}  // namespace qb::cleaner
