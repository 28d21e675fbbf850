#pragma once
// An in-memory set of drives, folders and files with the system's semantics: names
// compared without regard to case, attributes (hidden, system, read-only, folder), the
// system's wildcard rules for listings, drive types, and drives that hold no medium.
// A new machine has a fixed drive C: with the Windows, program and user folders.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/memory/memory_path_grammar.h"

namespace qb {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;

  Status GetAttributes(std::string_view path, uint32_t& attributes) override;
  Status GetFacts(std::string_view path, FileFacts& facts) override;
  Status SetAttributes(std::string_view path, uint32_t attributes) override;
  Status FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) override;
  Status ReadFile(std::string_view path, std::vector<uint8_t>& bytes) override;
  Status WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  Status AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  Status CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) override;
  Status DeleteFile(std::string_view path) override;
  Status MoveFile(std::string_view from, std::string_view to, bool replace_existing) override;
  Status CreateFolder(std::string_view path) override;
  Status RemoveFolder(std::string_view path) override;
  std::vector<std::string> DriveRoots() override;
  DriveType GetDriveType(std::string_view root) override;
  bool DriveReady(std::string_view root) override;
  Status DiskSpace(std::string_view root, uint64_t& total_bytes, uint64_t& free_bytes) override;

  // Test controls.
  // A drive "D:\" (or a network share "\\server\share\"), empty, with or without a medium.
  void AddDrive(std::string_view root, DriveType type, bool ready = true);
  void SetDriveReady(std::string_view root, bool ready);
  // What DiskSpace answers for a ready drive (64 GB with 16 GB free unless set).
  void SetDiskSpace(std::string_view root, uint64_t total_bytes, uint64_t free_bytes);
  void RemoveDrive(std::string_view root);
  // Creates the file (and every missing folder above it), replacing one that exists.
  Status AddFile(std::string_view path, uint32_t attributes = fileattr::kArchive,
                 std::vector<uint8_t> bytes = {});
  // Creates the folder and every missing folder above it.
  Status AddFolder(std::string_view path, uint32_t attributes = fileattr::kDirectory);
  // Every later write, copy, delete or folder change at or below path fails with
  // kAccessDenied (a folder the program may not write to, a full disk).
  void DenyWrites(std::string_view path);
  // Listing the folder's entries is refused with kAccessDenied (a folder of another user).
  void DenyListing(std::string_view folder);
  // Later writes to the drive may store this many more bytes in all; a write beyond that
  // stores what fits and fails with the system's "disk full" (a full disk, a quota).
  void LimitSpace(std::string_view root, uint64_t bytes);
  // How many times each question was asked, so tests can see how a verdict was reached.
  struct Calls {
    size_t get_attributes = 0;
    size_t find_files = 0;
  };
  const Calls& CallCounts() const { return calls_; }

 private:
  struct Node;
  struct Drive;
  struct Location;
  Status Locate(std::string_view path, Location& location);
  Drive* FindDrive(std::string_view root);
  bool WriteDenied(const Location& location) const;
  Status FileToWrite(std::string_view path, Node*& file, Drive*& drive);
  static Status AddBytes(Drive& drive, Node& file, const std::vector<uint8_t>& bytes);

  std::vector<std::unique_ptr<Drive>> drives_;
  std::vector<std::vector<std::string>> denied_;  // drive root, then the path's parts
  std::vector<std::vector<std::string>> unlistable_;
  Calls calls_;
};

}  // namespace qb
