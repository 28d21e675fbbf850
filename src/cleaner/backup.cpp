#include "cleaner/backup.h"

#include <cstdio>
#include <map>
#include <tuple>

namespace qb::cleaner {

namespace {

constexpr Status kAlreadyExists = 183;

std::string KeyName(const RegKeyPath& key, bool separate_views) {
  return std::string(RootFileName(key.root)) + "\\" +
         PhysicalPath(key.root, key.path, key.view, separate_views);
}

bool SnapshotTree(Registry& registry, const RegKeyPath& key, std::vector<RegFileKey>& keys,
                  std::string& error) {
  RegFileKey section{key.root, PhysicalPath(key.root, key.path, key.view, registry.HasSeparateViews()), {}};
  std::vector<std::string> subkeys;
  if (registry.EnumValues(key, section.values) != status::kOk ||
      registry.EnumKeys(key, subkeys) != status::kOk) {
    error = "cannot read " + KeyName(key, registry.HasSeparateViews());
    return false;
  }
  keys.push_back(std::move(section));
  for (const auto& name : subkeys) {
    if (!SnapshotTree(registry, key.Child(name), keys, error)) return false;
  }
  return true;
}

// Creates the folder and the folders above it that are missing.
bool EnsureFolder(FileSystem& files, const std::string& folder) {
  uint32_t attributes = 0;
  if (files.GetAttributes(folder, attributes) == status::kOk) {
    return (attributes & fileattr::kDirectory) != 0;
  }
  const auto parent = folder.find_last_of('\\');
  if (parent == std::string::npos || parent < 3) return false;
  if (!EnsureFolder(files, folder.substr(0, parent))) return false;
  const Status created = files.CreateFolder(folder);
  return created == status::kOk || created == kAlreadyExists;
}

// A file name of the folder that is not taken yet.
std::string FreePath(FileSystem& files, const std::string& folder, const std::string& name) {
  const auto stem = name.substr(0, name.size() - 4);
  std::string path = folder + "\\" + name;
  uint32_t attributes = 0;
  for (int n = 2; files.GetAttributes(path, attributes) == status::kOk; ++n) {
    path = folder + "\\" + stem + " (" + std::to_string(n) + ").reg";
  }
  return path;
}

bool WriteAndVerify(FileSystem& files, const std::string& path, const std::vector<uint8_t>& bytes,
                    const std::vector<RegFileKey>& keys, std::string& error) {
  if (const Status written = files.WriteFile(path, bytes); written != status::kOk) {
    error = "cannot write " + path + " (error " + std::to_string(written) + ")";
    return false;
  }
  std::vector<uint8_t> read_back;
  std::vector<RegFileKey> parsed;
  std::string parse_error;
  if (const Status read = files.ReadFile(path, read_back); read != status::kOk) {
    error = "cannot read back " + path + " (error " + std::to_string(read) + ")";
  } else if (!ParseRegFile(read_back, parsed, parse_error)) {
    error = "the backup " + path + " does not read back: " + parse_error;
  } else if (parsed != keys) {
    error = "the backup " + path + " does not hold what it should";
  } else {
    return true;
  }
  files.DeleteFile(path);
  return false;
}

}  // namespace

bool Snapshot(Registry& registry, const std::vector<Removal>& removals,
              std::vector<RegFileKey>& keys, std::string& error) {
  keys.clear();
  const bool separate = registry.HasSeparateViews();
  std::map<std::tuple<RegRoot, std::string>, size_t> value_sections;
  for (const auto& removal : removals) {
    if (!removal.value_name) {
      if (!SnapshotTree(registry, removal.key, keys, error)) return false;
      continue;
    }
    RegValue value;
    if (registry.QueryValue(removal.key, *removal.value_name, value) != status::kOk) {
      error = "cannot read " + KeyName(removal.key, separate) + " [" + *removal.value_name + "]";
      return false;
    }
    const auto path = PhysicalPath(removal.key.root, removal.key.path, removal.key.view, separate);
    const auto [at, added] = value_sections.try_emplace({removal.key.root, path}, keys.size());
    if (added) keys.push_back({removal.key.root, path, {}});
    keys[at->second].values.push_back(std::move(value));
  }
  return true;
}

std::string BackupFileName(const LocalTime& time, std::string_view category) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d.%02d.%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return std::string(stamp) + " " + std::string(category) + ".reg";
}

BackupOutcome WriteBackup(const Services& services, std::string_view category,
                          const std::vector<Removal>& removals) {
  BackupOutcome outcome;
  std::vector<RegFileKey> keys;
  if (!Snapshot(services.registry, removals, keys, outcome.error)) return outcome;
  const auto bytes = EncodeRegFile(keys);
  const auto name = BackupFileName(services.clock.Now(), category);
  const std::string folders[] = {
      services.environment.ApplicationFolder() + "\\Backups",
      services.environment.LocalAppDataFolder() + "\\Quill Box\\Backups",
  };
  std::string reasons;
  for (const auto& folder : folders) {
    std::string error;
    if (!EnsureFolder(services.files, folder)) {
      error = "cannot create the folder " + folder;
    } else {
      const auto path = FreePath(services.files, folder, name);
      if (WriteAndVerify(services.files, path, bytes, keys, error)) {
        outcome.written = true;
        outcome.path = path;
        outcome.error.clear();
        return outcome;
      }
    }
    reasons += (reasons.empty() ? "" : "; ") + error;
  }
  outcome.error = reasons;
  return outcome;
}

}  // namespace qb::cleaner
