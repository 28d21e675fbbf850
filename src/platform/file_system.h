#pragma once
// Files, folders and drives. Paths are full Windows paths ("C:\dir\file.exe") in UTF-8.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

#ifdef _WIN32
// The system's headers define CopyFile, DeleteFile, MoveFile and GetDriveType as macros for
// their A and W forms. Taking them in here, once, and dropping the four macros keeps the member
// names the same in every file, whichever header it includes first.
#include <windows.h>
#undef CopyFile
#undef DeleteFile
#undef MoveFile
#undef GetDriveType
#endif

namespace qb {

namespace fileattr {
constexpr uint32_t kReadOnly = 0x1;
constexpr uint32_t kHidden = 0x2;
constexpr uint32_t kSystem = 0x4;
constexpr uint32_t kDirectory = 0x10;
constexpr uint32_t kArchive = 0x20;
constexpr uint32_t kNormal = 0x80;
constexpr uint32_t kReparsePoint = 0x400;  // a junction or symbolic link
constexpr uint32_t kInvalid = 0xFFFFFFFF;
}  // namespace fileattr

// The system's drive type codes.
enum class DriveType : uint32_t {
  Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6,
};

// What the system keeps about a file besides its bytes, asked in one question.
struct FileFacts {
  uint32_t attributes = 0;
  uint64_t size = 0;
  uint64_t written = 0;  // when it was last written, in the system's ticks; a copy keeps it
};

struct FileEntry {
  std::string name;  // the name alone, without its folder
  uint32_t attributes = 0;
  uint64_t size = 0;
};

// A file held open for appends in a row: each lands at the end of the file, as AppendFile's
// does, without the file being opened again for it.
class FileAppender {
 public:
  virtual ~FileAppender() = default;
  virtual Status Append(const std::vector<uint8_t>& bytes) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The attributes of a file or folder, whatever they are (hidden and system included).
  virtual Status GetAttributes(std::string_view path, uint32_t& attributes) = 0;
  virtual Status SetAttributes(std::string_view path, uint32_t attributes) = 0;
  // A file's attributes, size and last write time together, without opening it.
  virtual Status GetFacts(std::string_view path, FileFacts& facts) = 0;
  // Every entry that the pattern ("C:\dir\*.exe", "C:\dir\name?.txt") matches, with the
  // system's wildcard rules, hidden and system entries included, "." and ".." left out.
  virtual Status FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) = 0;

  virtual Status ReadFile(std::string_view path, std::vector<uint8_t>& bytes) = 0;
  // Reads a file that others may be appending to (a journal held open by another run): what
  // is there is read, a record being written perhaps cut short at its end.
  virtual Status ReadGrowingFile(std::string_view path, std::vector<uint8_t>& bytes) {
    return ReadFile(path, bytes);
  }
  // Creates or replaces the file.
  virtual Status WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) = 0;
  // Adds the bytes at the end of the file, creating it when missing; the file is open only
  // for this call, so others may read, copy or delete it between two appends.
  virtual Status AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) = 0;
  // Holds the file open for appends in a row, for as long as the appender lives (others
  // may still read it meanwhile). By default each append is an AppendFile of its own.
  virtual std::unique_ptr<FileAppender> OpenAppender(std::string_view path);
  virtual Status CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) = 0;
  virtual Status DeleteFile(std::string_view path) = 0;
  // Renames or moves a file or folder. Within one folder the rename is atomic: a reader
  // sees the old file or the new one, never a part of either. With replace_existing an
  // existing file at the target is replaced; otherwise the move fails with code 183.
  virtual Status MoveFile(std::string_view from, std::string_view to, bool replace_existing) = 0;
  // Creates one folder; its parent must exist.
  virtual Status CreateFolder(std::string_view path) = 0;
  // Removes one empty folder.
  virtual Status RemoveFolder(std::string_view path) = 0;

  // Drive roots present, as "C:\".
  virtual std::vector<std::string> DriveRoots() = 0;
  virtual DriveType GetDriveType(std::string_view root) = 0;
  // Whether the drive holds a readable medium (a CD drive without a disc does not).
  virtual bool DriveReady(std::string_view root) = 0;
  virtual Status DiskSpace(std::string_view root, uint64_t& total_bytes, uint64_t& free_bytes) = 0;
};

}  // namespace qb
