#include "platform/memory/memory_file_system.h"

#include "platform/memory/memory_file_system_store.h"
#include "platform/memory/memory_path_grammar.h"

// What tests put in place on the in-memory file system: drives, folders, files, and the
// refusals of a real machine (folders of another user, a full disk).
namespace qb {

using path_grammar::SplitElements;
using path_grammar::SplitRoot;
using path_grammar::UpperRoot;

void MemoryFileSystem::SetDiskSpace(std::string_view root, uint64_t total_bytes,
                                    uint64_t free_bytes) {
  if (Drive* drive = FindDrive(root)) {
    drive->total_bytes = total_bytes;
    drive->free_bytes = free_bytes;
  }
}

void MemoryFileSystem::AddDrive(std::string_view root, DriveType type, bool ready) {
  Drive* drive = FindDrive(root);
  if (!drive) {
    drives_.push_back(std::make_unique<Drive>());
    drive = drives_.back().get();
    drive->root = UpperRoot(root);
  }
  drive->type = type;
  drive->ready = ready;
}

void MemoryFileSystem::SetDriveReady(std::string_view root, bool ready) {
  if (Drive* drive = FindDrive(root)) drive->ready = ready;
}

void MemoryFileSystem::RemoveDrive(std::string_view root) {
  const Drive* drive = FindDrive(root);
  std::erase_if(drives_, [drive](const std::unique_ptr<Drive>& d) { return d.get() == drive; });
}

Status MemoryFileSystem::AddFolder(std::string_view path, uint32_t attributes) {
  std::string root;
  std::string_view rest;
  if (!SplitRoot(path, root, rest)) return status::kPathNotFound;
  Drive* drive = FindDrive(root);
  if (!drive) return status::kPathNotFound;
  Node* folder = &drive->top;
  for (const auto& part : SplitElements(rest, false)) {
    Node* next = folder->Child(part);
    if (next && !next->IsFolder()) return status::kPathNotFound;
    folder = next ? next : folder->AddChild(part, fileattr::kDirectory);
  }
  if (folder != &drive->top) folder->attributes = attributes | fileattr::kDirectory;
  return status::kOk;
}

Status MemoryFileSystem::AddFile(std::string_view path, uint32_t attributes,
                                 std::vector<uint8_t> bytes) {
  const auto split = path.find_last_of("\\/");
  if (split == std::string_view::npos) return status::kPathNotFound;
  std::string root;
  std::string_view rest;
  if (!SplitRoot(path, root, rest)) return status::kPathNotFound;
  Drive* drive = FindDrive(root);
  if (!drive) return status::kPathNotFound;
  const auto parts = SplitElements(rest, false);
  if (parts.empty()) return status::kAccessDenied;
  Node* folder = &drive->top;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    Node* next = folder->Child(parts[i]);
    if (next && !next->IsFolder()) return status::kPathNotFound;
    folder = next ? next : folder->AddChild(parts[i], fileattr::kDirectory);
  }
  Node* file = folder->Child(parts.back());
  if (file && file->IsFolder()) return status::kAccessDenied;
  if (!file) file = folder->AddChild(parts.back(), 0);
  file->attributes = FileAttributes(attributes);
  file->bytes = std::move(bytes);
  file->written = ++drive->writes;
  return status::kOk;
}

void MemoryFileSystem::DenyListing(std::string_view folder) {
  std::string root;
  std::string_view rest;
  if (!SplitRoot(folder, root, rest)) return;
  auto entry = SplitElements(rest, false);
  entry.insert(entry.begin(), root);
  unlistable_.push_back(std::move(entry));
}

void MemoryFileSystem::LimitSpace(std::string_view root, uint64_t bytes) {
  if (Drive* drive = FindDrive(root)) drive->space = bytes;
}

void MemoryFileSystem::DenyWrites(std::string_view path) {
  std::string root;
  std::string_view rest;
  if (!SplitRoot(path, root, rest)) return;
  auto entry = SplitElements(rest, false);
  entry.insert(entry.begin(), root);
  denied_.push_back(std::move(entry));
}

}  // namespace qb
