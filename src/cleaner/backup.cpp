#include "cleaner/backup.h"

#include <cstdio>

#include "platform/replace_file.h"

namespace qb::cleaner {

namespace {

namespace phrase = language::phrase;

std::string ErrorIn(const language::Wording& say, const language::Phrase& what,
                    const std::string& path, Status status) {
  return say(what, {path, std::to_string(status)});
}

bool Taken(FileSystem& files, const std::string& path) {
  uint32_t attributes = 0;
  return files.GetAttributes(path, attributes) == status::kOk;
}

// A file name of the folder that is not taken yet, nor its temporary form.
std::string FreePath(FileSystem& files, const std::string& folder, const std::string& name) {
  const auto stem = name.substr(0, name.size() - 4);
  std::string path = folder + "\\" + name;
  for (int n = 2; Taken(files, path) || Taken(files, TemporaryFileFor(path)); ++n) {
    path = folder + "\\" + stem + " (" + std::to_string(n) + ").reg";
  }
  return path;
}

bool ReadsBackAs(FileSystem& files, const std::string& path, const std::vector<RegFileKey>& sections,
                 const language::Wording& say, std::string& error) {
  std::vector<uint8_t> read_back;
  std::vector<RegFileKey> parsed;
  std::string parse_error;
  if (const Status read = files.ReadFile(path, read_back); read != status::kOk) {
    error = ErrorIn(say, phrase::kBackupNotReadBack, path, read);
  } else if (!ParseRegFile(read_back, parsed, parse_error, say)) {
    error = say(phrase::kBackupDoesNotParse, {path, parse_error});
  } else if (parsed != sections) {
    error = say(phrase::kBackupNotWhole, {path});
  } else {
    return true;
  }
  return false;
}

// Writes the file under a temporary name, reads it back and compares, then gives it its
// name. On any failure the temporary file goes again.
bool WriteWhole(FileSystem& files, const std::string& path, const std::vector<uint8_t>& bytes,
                const std::vector<RegFileKey>& sections, const language::Wording& say,
                std::string& error) {
  Replacement backup(files, path);
  if (const Status written = backup.Write(bytes); written != status::kOk) {
    error = ErrorIn(say, phrase::kBackupNotWritten, path, written);
  } else if (ReadsBackAs(files, backup.TemporaryPath(), sections, say, error)) {
    if (const Status named = backup.CommitNew(); named != status::kOk) {
      error = ErrorIn(say, phrase::kBackupNotNamed, path, named);
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> BackupFolders(const Services& services) {
  return {services.environment.ApplicationFolder() + "\\Backups",
          services.environment.LocalAppDataFolder() + "\\Quill Box\\Backups"};
}

bool EnsureFolder(FileSystem& files, const std::string& folder, std::vector<std::string>* made) {
  uint32_t attributes = 0;
  if (files.GetAttributes(folder, attributes) == status::kOk) {
    return (attributes & fileattr::kDirectory) != 0;
  }
  const auto parent = folder.find_last_of('\\');
  if (parent == std::string::npos || parent < 3) return false;
  if (!EnsureFolder(files, folder.substr(0, parent), made)) return false;
  const Status created = files.CreateFolder(folder);
  if (created == status::kOk && made) made->push_back(folder);
  return created == status::kOk || created == status::kAlreadyExists;
}

std::string BackupFileName(const LocalTime& time, std::string_view category) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d.%02d.%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return std::string(stamp) + " " + std::string(category) + ".reg";
}

BackupOutcome WriteBackup(const Services& services, std::string_view category,
                          const std::vector<RegFileKey>& sections, const language::Wording& say) {
  BackupOutcome outcome;
  const auto bytes = EncodeRegFile(sections);
  const auto name = BackupFileName(services.clock.Now(), category);
  const auto folders = BackupFolders(services);
  std::string reasons;
  for (size_t i = 0; i < folders.size(); ++i) {
    std::string error;
    if (!EnsureFolder(services.files, folders[i])) {
      error = say(phrase::kBackupFolderNotCreated, {folders[i]});
    } else {
      const auto path = FreePath(services.files, folders[i], name);
      if (WriteWhole(services.files, path, bytes, sections, say, error)) {
        outcome.written = true;
        outcome.path = path;
        outcome.in_local_data = i > 0;
        return outcome;
      }
    }
    reasons += (reasons.empty() ? "" : "; ") + error;
  }
  outcome.error = reasons;
  return outcome;
}

}  // namespace qb::cleaner
