#include "cleaner/presence_test.h"

#include <algorithm>
#include <vector>

#include "cleaner/path_text.h"
#include "platform/text.h"

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

// The forms of the programs folder this machine has: on a 32-bit machine only the one, as
// the other variables are not set and stay as written.
std::vector<std::string> ProgramFolderForms(Environment& environment) {
  std::vector<std::string> forms;
  for (const char* variable : {"%ProgramFiles%", "%ProgramW6432%", "%ProgramFiles(x86)%"}) {
    std::string folder = environment.ExpandVariables(variable);
    if (!folder.empty() && folder.find('%') == std::string::npos) forms.push_back(std::move(folder));
  }
  return forms;
}

}  // namespace

PresenceTest::PresenceTest(FileSystem& files, Environment& environment)
    : PresenceTest(files, environment.WindowsFolder(), ProgramFolderForms(environment)) {}

PresenceTest::PresenceTest(FileSystem& files, std::string windows_folder,
                           std::vector<std::string> program_folders)
    : files_(files) {
  const auto with_separator = [](std::string folder) {
    if (folder.back() != '\\') folder += '\\';
    return folder;
  };
  if (!windows_folder.empty()) {
    const std::string windows = with_separator(std::move(windows_folder));
    twin_folders_.push_back({windows + "System32\\", windows + "SysWOW64\\", windows + "Sysnative\\"});
  }
  std::vector<std::string> programs;
  for (std::string& folder : program_folders) {
    if (folder.empty()) continue;
    folder = with_separator(std::move(folder));
    const bool known = std::any_of(programs.begin(), programs.end(),
                                   [&](const std::string& form) { return EqualsIgnoringCase(form, folder); });
    if (!known) programs.push_back(std::move(folder));
  }
  if (programs.size() > 1) twin_folders_.push_back(std::move(programs));
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

bool PresenceTest::FoldersCanAnswer(std::string_view path) {
  const std::string folder(path.substr(0, path.find_last_of("\\/")));
  std::string key = text::ToLowerAscii(folder);
  if (const auto known = folder_answers_.find(key); known != folder_answers_.end()) {
    return known->second;
  }
  const bool answers = WalkFolders(folder);
  folder_answers_.emplace(std::move(key), answers);
  return answers;
}

// Walks down from the drive root through the folders of the path that exist. A folder that
// is a reparse point either holds another volume, which must answer as a drive letter
// must, or links elsewhere: then something inside it must be seen, or it must list, for
// the link to lead anywhere.
bool PresenceTest::WalkFolders(std::string_view folder) {
  std::string walked(folder.substr(0, 2));
  std::string unentered_link;
  size_t start = 3;
  while (start < folder.size()) {
    size_t end = folder.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = folder.size();
    if (end > start) {
      walked += '\\';
      walked += folder.substr(start, end - start);
      uint32_t attributes = 0;
      const Status status = files_.GetAttributes(walked, attributes);
      if (status == status::kFileNotFound || status == status::kPathNotFound) break;
      if (status != status::kOk) return false;
      unentered_link.clear();
      if (attributes & fileattr::kReparsePoint) {
        const std::string root = walked + '\\';
        const DriveType type = files_.GetDriveType(root);
        if (type == DriveType::NoRootDir) {
          unentered_link = root;
        } else if (type != DriveType::Fixed || !files_.DriveReady(root)) {
          return false;
        }
      }
    }
    start = end + 1;
  }
  if (unentered_link.empty()) return true;
  std::vector<FileEntry> entries;
  return files_.FindFiles(unentered_link + "*", entries) == status::kOk;
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
  if (verdict != Presence::Missing) return verdict;
  for (const auto& forms : twin_folders_) {
    const auto named = std::find_if(forms.begin(), forms.end(),
                                    [&](const std::string& form) { return StartsWithIgnoringCase(path, form); });
    if (named == forms.end()) continue;
    const std::string rest(path.substr(named->size()));
    for (const std::string& other : forms) {
      if (&other == &*named) continue;
      verdict = Combine(verdict, TestOnce(other + rest, wanted));
      if (verdict == Presence::Present) return verdict;
    }
    break;
  }
  if (verdict == Presence::Missing && !FoldersCanAnswer(path)) return Presence::Unknown;
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
