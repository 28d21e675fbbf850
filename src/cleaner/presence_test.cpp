#include "cleaner/presence_test.h"

#include <vector>

#include "cleaner/path_text.h"

namespace qb::cleaner {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

Presence FromLookup(Status status, bool is_folder) {
  if (status == status::kOk) return is_folder ? Presence::Missing : Presence::Present;
  if (status == status::kFileNotFound || status == status::kPathNotFound) return Presence::Missing;
  return Presence::Unknown;
}

Presence Combine(Presence a, Presence b) {
  if (a == Presence::Present || b == Presence::Present) return Presence::Present;
  if (a == Presence::Unknown || b == Presence::Unknown) return Presence::Unknown;
  return Presence::Missing;
}

}  // namespace

PresenceTest::PresenceTest(FileSystem& files, std::string windows_folder) : files_(files) {
  if (!windows_folder.empty()) {
    if (windows_folder.back() != '\\') windows_folder += '\\';
    system_folder_ = windows_folder + "System32\\";
  }
}

bool PresenceTest::DriveCanAnswer(std::string_view path) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
  if (const auto known = drive_answers_.find(letter); known != drive_answers_.end()) {
    return known->second;
  }
  const std::string root{letter, ':', '\\'};
  const bool answers = files_.GetDriveType(root) == DriveType::Fixed && files_.DriveReady(root);
  drive_answers_[letter] = answers;
  return answers;
}

Presence PresenceTest::TestOnce(std::string_view path, Wanted wanted) {
  const auto last_separator = path.find_last_of("\\/");
  const auto last_element = path.substr(last_separator + 1);
  if (HasWildcard(path.substr(0, last_separator))) return Presence::Unknown;
  if (!HasWildcard(last_element)) {
    uint32_t attributes = 0;
    const Status status = files_.GetAttributes(path, attributes);
    return FromLookup(status, wanted == Wanted::File && (attributes & fileattr::kDirectory) != 0);
  }
  std::vector<FileEntry> entries;
  const Status status = files_.FindFiles(path, entries);
  if (status != status::kOk) return FromLookup(status, false);
  for (const auto& entry : entries) {
    if (wanted == Wanted::FileOrFolder || !(entry.attributes & fileattr::kDirectory)) {
      return Presence::Present;
    }
  }
  return Presence::Missing;
}

Presence PresenceTest::Test(std::string_view path, Wanted wanted) {
  // Only a path on a local fixed disk can be confirmed missing.
  if (!IsAbsolutePath(path) || IsSeparator(path[0]) || !DriveCanAnswer(path)) {
    return Presence::Unknown;
  }
  Presence verdict = TestOnce(path, wanted);
  if (verdict != Presence::Missing || system_folder_.empty() ||
      !StartsWithIgnoringCase(path, system_folder_)) {
    return verdict;
  }
  // The system folder of the other bitness: the 32-bit one, and the real one as a 32-bit
  // program reaches it.
  const auto rest = path.substr(system_folder_.size());
  const auto windows = system_folder_.substr(0, system_folder_.size() - 9);
  for (const char* other : {"SysWOW64\\", "Sysnative\\"}) {
    verdict = Combine(verdict, TestOnce(windows + other + std::string(rest), wanted));
    if (verdict == Presence::Present) break;
  }
  return verdict;
}

Presence PresenceTest::TestProgram(std::string_view command) {
  Presence verdict = Test(command);
  if (verdict != Presence::Missing) return verdict;
  for (const auto& candidate : ProgramCandidates(command)) {
    verdict = Combine(verdict, Test(candidate));
    if (verdict == Presence::Present) break;
  }
  return verdict;
}

}  // namespace qb::cleaner
