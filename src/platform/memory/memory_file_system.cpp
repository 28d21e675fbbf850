#include "platform/memory/memory_file_system.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/memory/memory_file_system_store.h"
#include "platform/memory/memory_path_grammar.h"
#include "platform/text.h"

namespace qb {

namespace {

using status::kDiskFull;
using status::kInvalidName;
using status::kNotSameDevice;
constexpr Status kNotADirectory = status::kDirectory;

using path_grammar::IsSeparator;
using path_grammar::SplitElements;
using path_grammar::SplitRoot;
using path_grammar::TrimElement;
using path_grammar::UpperRoot;

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  AddDrive("C:\\", DriveType::Fixed);
  AddFolder("C:\\Windows\\System32");
  AddFolder("C:\\Program Files\\Quill Box");
  AddFolder("C:\\Users\\user\\AppData\\Local");
  AddFolder("C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu");
}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Drive* MemoryFileSystem::FindDrive(std::string_view root) {
  const auto wanted = UpperRoot(root);
  for (auto& drive : drives_) {
    if (text::EqualsNoCase(drive->root, wanted)) return drive.get();
  }
  return nullptr;
}

Status MemoryFileSystem::Locate(std::string_view path, Location& location) {
  std::string root;
  std::string_view rest;
  if (!SplitRoot(path, root, rest)) return status::kPathNotFound;
  if (HasWildcard(path)) return kInvalidName;
  location.drive = FindDrive(root);
  if (!location.drive) return status::kPathNotFound;
  if (!location.drive->ready) return status::kNotReady;
  location.parts = SplitElements(rest, false);
  // A name holds at most 255 UTF-16 units.
  for (const auto& part : location.parts) {
    if (text::Utf8ToUtf16(part).size() > 255) return kInvalidName;
  }
  Node* folder = &location.drive->top;
  for (size_t i = 0; i + 1 < location.parts.size(); ++i) {
    folder = folder->Child(location.parts[i]);
    if (!folder || !folder->IsFolder()) return status::kPathNotFound;
  }
  location.parent = folder;
  location.node = location.parts.empty() ? folder : folder->Child(location.parts.back());
  return status::kOk;
}

bool MemoryFileSystem::WriteDenied(const Location& location) const {
  for (const auto& denied : denied_) {
    if (!text::EqualsNoCase(denied[0], location.drive->root)) continue;
    if (denied.size() - 1 > location.parts.size()) continue;
    if (std::equal(denied.begin() + 1, denied.end(), location.parts.begin(),
                   [](const std::string& a, const std::string& b) { return text::EqualsNoCase(a, b); })) {
      return true;
    }
  }
  return false;
}

Status MemoryFileSystem::GetAttributes(std::string_view path, uint32_t& attributes) {
  ++calls_.get_attributes;
  attributes = fileattr::kInvalid;
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  attributes = at.node->attributes;
  return status::kOk;
}

Status MemoryFileSystem::GetFacts(std::string_view path, FileFacts& facts) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  facts = {.attributes = at.node->attributes, .size = at.node->bytes.size(), .written = at.node->written};
  return status::kOk;
}

Status MemoryFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  if (WriteDenied(at)) return status::kAccessDenied;
  at.node->attributes = at.node->IsFolder()
                            ? (attributes & ~fileattr::kNormal) | fileattr::kDirectory
                            : FileAttributes(attributes);
  return status::kOk;
}

Status MemoryFileSystem::FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) {
  ++calls_.find_files;
  entries.clear();
  const auto split = pattern.find_last_of("\\/");
  if (split == std::string_view::npos) return status::kPathNotFound;
  const auto folder_path = pattern.substr(0, split + 1);
  const auto name_pattern = pattern.substr(split + 1);
  if (name_pattern.empty()) return status::kFileNotFound;
  Location at;
  if (const Status s = Locate(folder_path, at); s != status::kOk) return s;
  if (!at.node) return status::kPathNotFound;
  if (!at.node->IsFolder()) return kNotADirectory;
  for (const auto& folder : unlistable_) {
    if (text::EqualsNoCase(folder[0], at.drive->root) && folder.size() - 1 == at.parts.size() &&
        std::equal(folder.begin() + 1, folder.end(), at.parts.begin(),
                   [](const std::string& a, const std::string& b) { return text::EqualsNoCase(a, b); })) {
      return status::kAccessDenied;
    }
  }
  const auto wanted = HasWildcard(name_pattern) ? std::string(name_pattern) : TrimElement(name_pattern);
  for (const auto& child : at.node->children) {
    if (WildcardMatch(wanted, child->name)) {
      entries.push_back({child->name, child->attributes, child->bytes.size()});
    }
  }
  return entries.empty() ? status::kFileNotFound : status::kOk;
}

Status MemoryFileSystem::ReadFile(std::string_view path, std::vector<uint8_t>& bytes) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  if (at.node->IsFolder()) return status::kAccessDenied;
  bytes = at.node->bytes;
  return status::kOk;
}

// The file a write goes to, made when missing; nothing when the write is refused.
Status MemoryFileSystem::FileToWrite(std::string_view path, Node*& file, Drive*& drive) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (at.parts.empty()) return status::kAccessDenied;
  if (WriteDenied(at)) return status::kAccessDenied;
  if (at.node && (at.node->IsFolder() || (at.node->attributes & fileattr::kReadOnly))) {
    return status::kAccessDenied;
  }
  file = at.node ? at.node : at.parent->AddChild(at.parts.back(), fileattr::kArchive);
  drive = at.drive;
  return status::kOk;
}

Status MemoryFileSystem::WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) {
  Node* file = nullptr;
  Drive* drive = nullptr;
  if (const Status s = FileToWrite(path, file, drive); s != status::kOk) return s;
  file->bytes.clear();
  return AddBytes(*drive, *file, bytes);
}

Status MemoryFileSystem::AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) {
  Node* file = nullptr;
  Drive* drive = nullptr;
  if (const Status s = FileToWrite(path, file, drive); s != status::kOk) return s;
  return AddBytes(*drive, *file, bytes);
}

// The system has written what fit by the time it finds the disk full.
Status MemoryFileSystem::AddBytes(Drive& drive, Node& file, const std::vector<uint8_t>& bytes) {
  auto& space = drive.space;
  const size_t fits = space ? std::min<uint64_t>(*space, bytes.size()) : bytes.size();
  file.bytes.insert(file.bytes.end(), bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(fits));
  file.written = ++drive.writes;
  if (space) *space -= fits;
  return fits < bytes.size() ? kDiskFull : status::kOk;
}

Status MemoryFileSystem::CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) {
  Location source;
  if (const Status s = Locate(from, source); s != status::kOk) return s;
  if (!source.node) return status::kFileNotFound;
  if (source.node->IsFolder()) return status::kAccessDenied;
  Location target;
  if (const Status s = Locate(to, target); s != status::kOk) return s;
  if (target.parts.empty() || WriteDenied(target)) return status::kAccessDenied;
  if (target.node) {
    if (fail_if_exists) return status::kFileExists;
    if (target.node->IsFolder() || (target.node->attributes & fileattr::kReadOnly)) {
      return status::kAccessDenied;
    }
  }
  const auto bytes = source.node->bytes;
  const auto attributes = source.node->attributes;
  const auto written = source.node->written;
  // A copy that does not fit is taken away again by the system.
  auto& space = target.drive->space;
  if (space && bytes.size() > *space) return kDiskFull;
  if (space) *space -= bytes.size();
  Node* file = target.node ? target.node : target.parent->AddChild(target.parts.back(), attributes);
  file->bytes = bytes;
  file->attributes = attributes;
  file->written = written;
  return status::kOk;
}

Status MemoryFileSystem::DeleteFile(std::string_view path) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  if (at.node->IsFolder() || (at.node->attributes & fileattr::kReadOnly) || WriteDenied(at)) {
    return status::kAccessDenied;
  }
  at.parent->RemoveChild(at.node);
  return status::kOk;
}

Status MemoryFileSystem::MoveFile(std::string_view from, std::string_view to,
                                  bool replace_existing) {
  Location source;
  if (const Status s = Locate(from, source); s != status::kOk) return s;
  if (!source.node) return status::kFileNotFound;
  if (source.parts.empty() || WriteDenied(source)) return status::kAccessDenied;
  Location target;
  if (const Status s = Locate(to, target); s != status::kOk) return s;
  if (target.parts.empty() || WriteDenied(target)) return status::kAccessDenied;
  const bool same_drive = source.drive == target.drive;
  if (source.node->IsFolder()) {
    if (!same_drive) return kNotSameDevice;
    // A folder cannot move below itself.
    const bool inside = target.parts.size() > source.parts.size() &&
                        std::equal(source.parts.begin(), source.parts.end(), target.parts.begin(),
                                   [](const std::string& a, const std::string& b) {
                                     return text::EqualsNoCase(a, b);
                                   });
    if (inside) return status::kAccessDenied;
  }
  if (target.node && target.node != source.node) {
    if (!replace_existing) return status::kAlreadyExists;
    if (target.node->IsFolder() || source.node->IsFolder() ||
        (target.node->attributes & fileattr::kReadOnly)) {
      return status::kAccessDenied;
    }
    target.parent->RemoveChild(target.node);
  }
  auto node = source.parent->TakeChild(source.node);
  node->name = target.parts.back();
  target.parent->InsertChild(std::move(node));
  return status::kOk;
}

Status MemoryFileSystem::CreateFolder(std::string_view path) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (at.node) return status::kAlreadyExists;
  if (WriteDenied(at)) return status::kAccessDenied;
  at.parent->AddChild(at.parts.back(), fileattr::kDirectory);
  return status::kOk;
}

Status MemoryFileSystem::RemoveFolder(std::string_view path) {
  Location at;
  if (const Status s = Locate(path, at); s != status::kOk) return s;
  if (!at.node) return status::kFileNotFound;
  if (at.parts.empty()) return status::kAccessDenied;
  if (!at.node->IsFolder()) return kNotADirectory;
  if (!at.node->children.empty()) return status::kDirNotEmpty;
  if (WriteDenied(at)) return status::kAccessDenied;
  at.parent->RemoveChild(at.node);
  return status::kOk;
}

std::vector<std::string> MemoryFileSystem::DriveRoots() {
  std::vector<std::string> roots;
  for (const auto& drive : drives_) {
    if (drive->root.size() == 3) roots.push_back(drive->root);
  }
  std::sort(roots.begin(), roots.end());
  return roots;
}

DriveType MemoryFileSystem::GetDriveType(std::string_view root) {
  const Drive* drive = FindDrive(root);
  return drive ? drive->type : DriveType::NoRootDir;
}

bool MemoryFileSystem::DriveReady(std::string_view root) {
  const Drive* drive = FindDrive(root);
  return drive && drive->ready;
}

Status MemoryFileSystem::DiskSpace(std::string_view root, uint64_t& total_bytes,
                                   uint64_t& free_bytes) {
  const Drive* drive = FindDrive(root);
  if (!drive) return status::kPathNotFound;
  if (!drive->ready) return status::kNotReady;
  total_bytes = drive->total_bytes;
  free_bytes = drive->free_bytes;
  return status::kOk;
}

}  // namespace qb
