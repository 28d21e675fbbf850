#include "journal/journaling_file_system.h"

#include "platform/replace_file.h"

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

ItemState AttributesStateOf(FileSystem& files, std::string_view path) {
  uint32_t attributes = 0;
  if (files.GetAttributes(path, attributes) == status::kOk && (attributes & fileattr::kDirectory) != 0) {
    return ItemState::Of(attributes, {});
  }
  return FileStateOf(files, path);
}

bool IsFolderState(const ItemState& state) { return state.present && (state.tag & fileattr::kDirectory) != 0; }

Status RestoreFile(FileSystem& files, const std::string& path, const ItemState& state) {
  if (IsFolderState(state)) return files.SetAttributes(path, state.tag & ~fileattr::kDirectory);
  // A read-only file can be neither replaced nor deleted until the flag is cleared.
  uint32_t attributes = 0;
  if (files.GetAttributes(path, attributes) == status::kOk &&
      (attributes & fileattr::kReadOnly) != 0) {
    files.SetAttributes(path, attributes & ~fileattr::kReadOnly);
  }
  if (!state.present) return files.DeleteFile(path);
  // Bytes held in a backup copy come back through undo, which checks the copy first.
  if (state.copy) return status::kInvalidData;
  if (const Status written = files.WriteFile(path, state.bytes); written != status::kOk) {
    return written;
  }
  return files.SetAttributes(path, state.tag);
}

namespace {

bool SameLetters(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool SamePath(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetters);
}

}  // namespace

bool JournalingFileSystem::Excluded(std::string_view path) const {
  return std::any_of(excluded_.begin(), excluded_.end(), [&](const std::string& folder) {
           return path.size() > folder.size() && std::equal(folder.begin(), folder.end(), path.begin(), SameLetters);
         }) ||
         std::any_of(excluded_files_.begin(), excluded_files_.end(),
                     [&](const std::string& file) { return SamePath(file, path); }) ||
         // Written whole and renamed over its file within one call: the file's own record
         // tells the change, and a second copy of the bytes would only fill the journal.
         IsTemporaryFile(path);
}

bool JournalingFileSystem::Active() const { return action_ != 0 || journal_.InScope(); }

uint64_t JournalingFileSystem::ActionFor(const LocalTime& time) {
  return action_ ? action_ : journal_.ScopeAction(time);
}

std::optional<ItemState> JournalingFileSystem::HeldInCopy(std::string_view path) {
  if (copied_to_.empty() || !SamePath(copied_from_, path)) return std::nullopt;
  // The copy holds the file's bytes while both are the same size and were last written at
  // the same time: a copy keeps its original's time, and a change to either moves it.
  FileFacts file, copy;
  if (inner_.GetFacts(path, file) != status::kOk || inner_.GetFacts(copied_to_, copy) != status::kOk ||
      file.size != copy.size || file.written != copy.written || (file.attributes & fileattr::kDirectory) != 0) {
    return std::nullopt;
  }
  return ItemState::InCopy(file.attributes, {copied_to_, file.size, file.written, std::nullopt});
}

Record JournalingFileSystem::Before(std::string_view path, StateOf state_of) {
  Record record;
  record.action = action_;
  record.kind = ItemKind::File;
  record.time = clock_.Now();
  record.target = std::string(path);
  std::optional<ItemState> held = HeldInCopy(path);
  record.before = held ? std::move(*held) : state_of(inner_, path);
  return record;
}

template <typename Change>
Status JournalingFileSystem::Recorded(std::initializer_list<std::string_view> paths,
                                      Change change, StateOf state_of) {
  const auto excluded = [&](std::string_view path) { return Excluded(path); };
  if (!Active() || std::all_of(paths.begin(), paths.end(), excluded)) return change();
  std::vector<Record> records;
  for (const std::string_view path : paths) {
    if (!excluded(path)) records.push_back(Before(path, state_of));
  }
  const Status result = change();
  if (result != status::kOk && !status::Refused(result)) return result;
  for (Record& record : records) {
    record.after = state_of(inner_, record.target);
    if (status::Refused(result)) record.outcome = Outcome::Refused;
    if (!status::Refused(result) && record.before == record.after) continue;
    record.before = HoldLarge(inner_, held_folder_, std::move(record.before));
    record.after = HoldLarge(inner_, held_folder_, std::move(record.after));
    record.action = ActionFor(record.time);
    journal_.Append(record);
  }
  return result;
}

Status JournalingFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
  return Recorded({path}, [&] { return inner_.SetAttributes(path, attributes); }, &AttributesStateOf);
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
  const Status copied = Recorded({to}, [&] { return inner_.CopyFile(from, to, fail_if_exists); });
  if (copied == status::kOk && Excluded(to) && !Excluded(from)) {
    copied_from_ = from;
    copied_to_ = to;
  }
  return copied;
}
// A deletion's outcome is known before it: its record is written first, as the registry's
// are, and settled when the file stays. What a write leaves (with the attributes Windows
// adds) is known only afterwards, so those are recorded once made.
Status JournalingFileSystem::DeleteFile(std::string_view path) {
  if (!Active() || Excluded(path)) return inner_.DeleteFile(path);
  Record record = Before(path);
  record.after = ItemState::Absent();
  // Deleting what is not there changes nothing: no record.
  if (record.before == record.after) return inner_.DeleteFile(path);
  record.before = HoldLarge(inner_, held_folder_, std::move(record.before));
  record.action = ActionFor(record.time);
  const Status recorded = journal_.Append(record);
  if (recorded != status::kOk && guard_removals_) return recorded;
  const Status result = inner_.DeleteFile(path);
  if (result == status::kOk && SamePath(copied_from_, path)) copied_to_.clear();
  if (result != status::kOk && recorded == status::kOk) {
    journal_.Settle(record, status::Refused(result) ? Outcome::Refused : Outcome::NotMade);
  }
  return result;
}
Status JournalingFileSystem::MoveFile(std::string_view from, std::string_view to,
                                      bool replace_existing) {
  return Recorded({from, to}, [&] { return inner_.MoveFile(from, to, replace_existing); });
}

}  // namespace qb::journal
