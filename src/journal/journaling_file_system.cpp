#include "journal/journaling_file_system.h"

#include <algorithm>
#include <cctype>

namespace qb::journal {

ItemState FileStateOf(FileSystem& files, std::string_view path) {
  uint32_t attributes = 0;
  std::vector<uint8_t> bytes;
  if (files.GetAttributes(path, attributes) != status::kOk ||
      (attributes & fileattr::kDirectory) != 0 || files.ReadFile(path, bytes) != status::kOk) {
    return ItemState::Absent();
  }
  return ItemState::Of(attributes, std::move(bytes));
}

Status RestoreFile(FileSystem& files, const std::string& path, const ItemState& state) {
  // A read-only file can be neither replaced nor deleted until the flag is cleared.
  uint32_t attributes = 0;
  if (files.GetAttributes(path, attributes) == status::kOk &&
      (attributes & fileattr::kReadOnly) != 0) {
    files.SetAttributes(path, attributes & ~fileattr::kReadOnly);
  }
  if (!state.present) return files.DeleteFile(path);
  if (const Status written = files.WriteFile(path, state.bytes); written != status::kOk) {
    return written;
  }
  return files.SetAttributes(path, state.tag);
}

template <typename Change>
Status JournalingFileSystem::Recorded(std::initializer_list<std::string_view> paths,
                                      Change change) {
  const auto excluded = [&](std::string_view path) {
    return std::any_of(excluded_.begin(), excluded_.end(), [&](const std::string& folder) {
      return path.size() > folder.size() &&
             std::equal(folder.begin(), folder.end(), path.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
             });
    });
  };
  if ((action_ == 0 && !journal_.InScope()) ||
      std::all_of(paths.begin(), paths.end(), excluded)) {
    return change();
  }
  std::vector<Record> records;
  for (const std::string_view path : paths) {
    if (excluded(path)) continue;
    Record record;
    record.kind = ItemKind::File;
    record.time = clock_.Now();
    record.target = std::string(path);
    record.before = FileStateOf(inner_, path);
    records.push_back(std::move(record));
  }
  const Status result = change();
  if (result != status::kOk && !status::Refused(result)) return result;
  for (Record& record : records) {
    record.after = FileStateOf(inner_, record.target);
    if (status::Refused(result)) record.outcome = Outcome::Refused;
    if (!status::Refused(result) && record.before == record.after) continue;
    record.action = action_ ? action_ : journal_.ScopeAction(record.time);
    journal_.Append(record);
  }
  return result;
}

Status JournalingFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  return Recorded({path}, [&] { return inner_.SetAttributes(path, attributes); });
}
Status JournalingFileSystem::WriteFile(std::string_view path, const std::vector<uint8_t>& bytes) {
  return Recorded({path}, [&] { return inner_.WriteFile(path, bytes); });
}
Status JournalingFileSystem::AppendFile(std::string_view path,
                                        const std::vector<uint8_t>& bytes) {
  return Recorded({path}, [&] { return inner_.AppendFile(path, bytes); });
}
Status JournalingFileSystem::CopyFile(std::string_view from, std::string_view to,
                                      bool fail_if_exists) {
  return Recorded({to}, [&] { return inner_.CopyFile(from, to, fail_if_exists); });
}
Status JournalingFileSystem::DeleteFile(std::string_view path) {
  return Recorded({path}, [&] { return inner_.DeleteFile(path); });
}
Status JournalingFileSystem::MoveFile(std::string_view from, std::string_view to,
                                      bool replace_existing) {
  return Recorded({from, to}, [&] { return inner_.MoveFile(from, to, replace_existing); });
}

}  // namespace qb::journal
