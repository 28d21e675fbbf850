#include "journal/undo.h"

#include <algorithm>
#include <tuple>

#include "journal/journaling_file_system.h"
#include "journal/journaling_registry.h"

namespace qb::journal {
namespace {

Status Restore(Registry& registry, const RegKeyPath& key, const std::string& name,
               const ItemState& state) {
  if (!state.present) return registry.DeleteValue(key, name);
  if (const Status created = registry.CreateKey(key); created != status::kOk) return created;
  return registry.SetValue(key, RegValue{name, state.tag, state.bytes});
}

Status RestoreKey(Registry& registry, const RegKeyPath& key, const ItemState& state) {
  return state.present ? registry.CreateKey(key) : registry.DeleteKey(key);
}

}  // namespace

UndoResult UndoRecords(const std::vector<Record>& records, Registry& registry,
                       FileSystem& files) {
  UndoResult result;
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    const Record& record = *it;
    if (record.outcome != Outcome::Done) continue;
    RegKeyPath key;
    std::string name;
    ItemState now;
    if (record.kind == ItemKind::RegistryValue && ParseRegistryTarget(record.target, key, name)) {
      now = StateOf(registry, key, name);
    } else if (record.kind == ItemKind::RegistryKey &&
               ParseRegistryTarget(record.target, key, name)) {
      now = KeyStateOf(registry, key);
    } else if (record.kind == ItemKind::File) {
      now = FileStateOf(files, record.target);
    } else {
      continue;
    }
    const auto restore = [&] {
      if (record.kind == ItemKind::File) return RestoreFile(files, record.target, record.before);
      if (record.kind == ItemKind::RegistryKey) return RestoreKey(registry, key, record.before);
      return Restore(registry, key, name, record.before);
    };
    if (now == record.before) {
      ++result.undone;
    } else if (now != record.after) {
      result.left.push_back(record.target);
    } else if (restore() == status::kOk) {
      ++result.undone;
    } else {
      result.failed.push_back(record.target);
    }
  }
  return result;
}

std::vector<Record> RecordsOf(const std::vector<Record>& all, uint64_t action) {
  std::vector<Record> out;
  std::copy_if(all.begin(), all.end(), std::back_inserter(out),
               [action](const Record& r) { return r.action == action; });
  return out;
}

std::vector<uint64_t> ActionIds(const std::vector<Record>& all) {
  std::vector<uint64_t> ids;
  for (const Record& r : all) {
    if (std::find(ids.begin(), ids.end(), r.action) == ids.end()) ids.push_back(r.action);
  }
  return ids;
}

std::vector<uint64_t> ActionsSince(const std::vector<Record>& all, const LocalTime& since) {
  const auto key = [](const LocalTime& t) {
    return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second);
  };
  std::vector<uint64_t> ids;
  std::vector<uint64_t> seen;
  for (const Record& r : all) {
    // An action's time is that of its first record.
    if (std::find(seen.begin(), seen.end(), r.action) != seen.end()) continue;
    seen.push_back(r.action);
    if (key(r.time) >= key(since)) ids.push_back(r.action);
  }
  std::reverse(ids.begin(), ids.end());
  return ids;
}

}  // namespace qb::journal
