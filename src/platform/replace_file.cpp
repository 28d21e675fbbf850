#include "platform/replace_file.h"

#include "platform/text.h"

namespace qb {

namespace {

// Hidden and system files are replaced (the shell's own files are both); some versions of
// the system refuse the rename over them, so those two are lifted for the rename only.
constexpr uint32_t kLifted = fileattr::kHidden | fileattr::kSystem;

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

constexpr std::string_view kTemporarySuffix = ".qbnew";

std::string TemporaryFileFor(std::string_view path) { return std::string(path).append(kTemporarySuffix); }

bool IsTemporaryFile(std::string_view path) {
  return path.size() > kTemporarySuffix.size() &&
         text::EqualsNoCase(path.substr(path.size() - kTemporarySuffix.size()), kTemporarySuffix);
}

Replacement::Replacement(FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), temporary_(TemporaryFileFor(path_)) {}

Replacement::~Replacement() {
  if (pending_) files_.DeleteFile(temporary_);
}

Status CheckReplaceable(FileSystem& files, std::string_view path) {
  uint32_t existing = 0;
  if (files.GetAttributes(path, existing) != status::kOk) return status::kOk;
  if (existing & fileattr::kDirectory) return status::kDirectory;
  if (existing & fileattr::kReadOnly) return status::kFileReadOnly;
  return status::kOk;
}

Status Replacement::Write(const std::vector<uint8_t>& bytes) {
  if (const Status checked = CheckReplaceable(files_, path_); checked != status::kOk) return checked;
  const Status written = WriteTemporary(files_, temporary_, bytes);
  pending_ = written == status::kOk;
  return written;
}

Status Replacement::Commit(std::optional<uint32_t> attributes) {
  if (!pending_) return status::kInvalidParameter;
  if (const Status checked = CheckReplaceable(files_, path_); checked != status::kOk) return checked;
  uint32_t before = 0;
  const bool existed = files_.GetAttributes(path_, before) == status::kOk;
  if (existed && (before & kLifted)) files_.SetAttributes(path_, fileattr::kArchive);
  const Status moved = files_.MoveFile(temporary_, path_, /*replace_existing=*/true);
  if (moved != status::kOk) {
    if (existed && (before & kLifted)) files_.SetAttributes(path_, before);
    return moved;
  }
  pending_ = false;
  const uint32_t after = attributes ? *attributes : existed ? before : fileattr::kArchive;
  if (after != fileattr::kArchive) return files_.SetAttributes(path_, after);
  return status::kOk;
}

Status Replacement::CommitNew() {
  if (!pending_) return status::kInvalidParameter;
  const Status moved = files_.MoveFile(temporary_, path_, /*replace_existing=*/false);
  if (moved == status::kOk) pending_ = false;
  return moved;
}

Status ReplaceWholeFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes,
                   std::optional<uint32_t> attributes) {
  Replacement replacement(files, std::string(path));
  const Status written = replacement.Write(bytes);
  return written == status::kOk ? replacement.Commit(attributes) : written;
}

Status CreateNewFile(FileSystem& files, std::string_view path, const std::vector<uint8_t>& bytes) {
  uint32_t existing = 0;
  if (files.GetAttributes(path, existing) == status::kOk) return status::kFileExists;
  Replacement replacement(files, std::string(path));
  const Status written = replacement.Write(bytes);
  return written == status::kOk ? replacement.CommitNew() : written;
}

}  // namespace qb
