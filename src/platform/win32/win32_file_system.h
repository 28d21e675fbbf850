#pragma once
// The service header drops the system's A/W macros of its member names.
#include "platform/file_system.h"

namespace qb::win32 {

class Win32FileSystem : public FileSystem {
 public:
  Status GetAttributes(std::string_view path, uint32_t& attributes) override;
  Status GetFacts(std::string_view path, FileFacts& facts) override;
  Status SetAttributes(std::string_view path, uint32_t attributes) override;
  Status FindFiles(std::string_view pattern, std::vector<FileEntry>& entries) override;
  Status ReadFile(std::string_view path, std::vector<uint8_t>& bytes) override;
  Status WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  Status AppendFile(std::string_view path, const std::vector<uint8_t>& bytes) override;
  std::unique_ptr<FileAppender> OpenAppender(std::string_view path) override;
  Status ReadGrowingFile(std::string_view path, std::vector<uint8_t>& bytes) override;
  Status CopyFile(std::string_view from, std::string_view to, bool fail_if_exists) override;
  Status DeleteFile(std::string_view path) override;
  Status MoveFile(std::string_view from, std::string_view to, bool replace_existing) override;
  Status CreateFolder(std::string_view path) override;
  Status RemoveFolder(std::string_view path) override;
  std::vector<std::string> DriveRoots() override;
  DriveType GetDriveType(std::string_view root) override;
  bool DriveReady(std::string_view root) override;
  Status DiskSpace(std::string_view root, uint64_t& total_bytes, uint64_t& free_bytes) override;
};

}  // namespace qb::win32
