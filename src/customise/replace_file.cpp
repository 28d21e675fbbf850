#include "customise/replace_file.h"

#include <string>

namespace qb::customise {

namespace {

constexpr uint32_t kProtecting = fileattr::kReadOnly | fileattr::kHidden | fileattr::kSystem;

// Writes the temporary file, first removing one that an earlier failure may have left.
Status WriteTemporary(FileSystem& files, const std::string& temporary,
                      const std::vector<uint8_t>& bytes) {
  uint32_t left_over = 0;
  if (files.GetAttributes(temporary, left_over) == status::kOk) {
    files.SetAttributes(temporary, fileattr::kArchive);
    files.DeleteFile(temporary);
  }
  const Status written = files.WriteFile(temporary, bytes);
  if (written != status::kOk) files.DeleteFile(temporary);
  return written;
}

}  // namespace

std::string TemporaryFileFor(std::string_view path) { return std::string(path) + ".qbnew"; }

Status ReplaceFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes,
                   std::optional<uint32_t> attributes) {
  const std::string temporary = TemporaryFileFor(path);
  if (const Status written = WriteTemporary(files, temporary, bytes); written != status::kOk) {
    return written;
  }
  uint32_t before = 0;
  const bool existed = files.GetAttributes(path, before) == status::kOk;
  if (existed && (before & fileattr::kDirectory)) {
    files.DeleteFile(temporary);
    return status::kAccessDenied;
  }
  // The system refuses to rename over a read-only file, and some versions over a hidden
  // or system one: lift those for the rename only.
  if (existed && (before & kProtecting)) files.SetAttributes(path, fileattr::kArchive);
  const Status moved = files.MoveFile(temporary, path, /*replace_existing=*/true);
  if (moved != status::kOk) {
    if (existed && (before & kProtecting)) files.SetAttributes(path, before);
    files.DeleteFile(temporary);
    return moved;
  }
  const uint32_t after = attributes ? *attributes : existed ? before : fileattr::kArchive;
  if (after != fileattr::kArchive) return files.SetAttributes(path, after);
  return status::kOk;
}

Status CreateNewFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes) {
  uint32_t existing = 0;
  if (files.GetAttributes(path, existing) == status::kOk) return status::kFileExists;
  const std::string temporary = TemporaryFileFor(path);
  if (const Status written = WriteTemporary(files, temporary, bytes); written != status::kOk) {
    return written;
  }
  const Status moved = files.MoveFile(temporary, path, /*replace_existing=*/false);
  if (moved != status::kOk) files.DeleteFile(temporary);
  return moved;
}

}  // namespace qb::customise
