#include "journal/undo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "cleaner/reg_file.h"
#include "journal/journaling_file_system.h"
#include "journal/journaling_registry.h"
#include "journal/journaling_system.h"

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

// A key holding values or subkeys now. The action's own values in a key it made are undone
// before the key itself; what is still there was written since, by this program or another,
// and deleting the key would take it along.
bool HoldsAnything(Registry& registry, const RegKeyPath& key) {
  std::vector<std::string> subkeys;
  std::vector<RegValue> values;
  return registry.EnumKeys(key, subkeys) != status::kOk || !subkeys.empty() ||
         registry.EnumValues(key, values) != status::kOk || !values.empty();
}

// The state now of a system item, and putting it back; false where the targets lack the
// service. A loaded font cannot be asked about, so it is taken to be as the action left it.
bool SystemStateOf(const Record& record, const UndoTargets& targets, ItemState& now) {
  const uint32_t code = static_cast<uint32_t>(std::strtoul(record.target.c_str(), nullptr, 10));
  switch (record.kind) {
    case ItemKind::SystemParameter:
      if (!targets.parameters) return false;
      now = NumberState(code, targets.parameters->ReadParameter(code));
      return true;
    case ItemKind::Wallpaper:
      if (!targets.parameters) return false;
      now = ItemState::Of(0, [&] {
        const std::string path = targets.parameters->Wallpaper();
        return std::vector<uint8_t>(path.begin(), path.end());
      }());
      return true;
    case ItemKind::SystemColour:
      if (!targets.colours) return false;
      now = NumberState(0, targets.colours->Get(static_cast<int>(code)));
      return true;
    case ItemKind::DisplayMode:
      if (!targets.display) return false;
      now = ModeState(targets.display->Current());
      return true;
    case ItemKind::Font:
      if (!targets.fonts) return false;
      now = record.after;
      return true;
    default:
      return false;
  }
}

Status RestoreSystem(const Record& record, const UndoTargets& targets) {
  const ItemState& before = record.before;
  const uint32_t code = static_cast<uint32_t>(std::strtoul(record.target.c_str(), nullptr, 10));
  uint32_t value = 0;
  for (size_t i = 0; i < 4 && i < before.bytes.size(); ++i) {
    value |= uint32_t{before.bytes[i]} << (8 * i);
  }
  switch (record.kind) {
    case ItemKind::SystemParameter:
      if (!before.present) return status::kInvalidParameter;
      if (code == spi::kSetDoubleClickTime) return targets.parameters->SetDoubleClickTime(value);
      return targets.parameters->SetParameter(code, value,
                                              code == spi::kSetMouseSpeed ? value : 0,
                                              spi::kStoreAndBroadcast);
    case ItemKind::Wallpaper:
      return targets.parameters->SetWallpaper(
          std::string(before.bytes.begin(), before.bytes.end()));
    case ItemKind::SystemColour:
      return targets.colours->Set(static_cast<int>(code), value);
    case ItemKind::DisplayMode: {
      const auto mode = ModeOf(before);
      if (!mode || targets.display->Restore(*mode) != dispchange::kSuccessful) {
        return status::kInvalidParameter;
      }
      if (targets.keep_display && !targets.keep_display()) {
        if (const auto after = ModeOf(record.after)) targets.display->Restore(*after);
        return status::kInvalidParameter;
      }
      return status::kOk;
    }
    case ItemKind::Font:
      if (before.present) {
        return targets.fonts->LoadFontFile(record.target) ? status::kOk
                                                          : status::kInvalidParameter;
      }
      targets.fonts->UnloadFontFile(record.target);
      return status::kOk;
    default:
      return status::kInvalidParameter;
  }
}

// The bytes of a copy while it is still the file as it was; otherwise the copy's status, or
// kInvalidData when it was changed since.
Status ReadHeldCopy(FileSystem& files, const HeldCopy& copy, std::vector<uint8_t>& bytes) {
  if (!copy.checksum) {
    FileFacts facts;
    if (const Status found = files.GetFacts(copy.path, facts); found != status::kOk) return found;
    if (facts.size != copy.size || facts.written != copy.written) return status::kInvalidData;
  }
  if (const Status read = files.ReadFile(copy.path, bytes); read != status::kOk) return read;
  const bool whole = bytes.size() == copy.size && (!copy.checksum || Crc32(bytes) == *copy.checksum);
  return whole ? status::kOk : status::kInvalidData;
}

// Whether a file as it is now is the state a record keeps, whose bytes may be held in a copy.
bool SameFile(FileSystem& files, const ItemState& now, const ItemState& kept) {
  if (!kept.copy) return now == kept;
  if (!now.present || now.tag != kept.tag || now.bytes.size() != kept.copy->size) return false;
  std::vector<uint8_t> held;
  return ReadHeldCopy(files, *kept.copy, held) == status::kOk && held == now.bytes;
}

// A file whose bytes are held in a backup copy comes back from that copy, once the copy is
// found to be the file as it was; a copy that is gone or altered is named and nothing changes.
void RestoreFromCopy(FileSystem& files, const Record& record, UndoResult& result) {
  const HeldCopy& copy = *record.before.copy;
  std::vector<uint8_t> bytes;
  const Status read = ReadHeldCopy(files, copy, bytes);
  const bool missing = read == status::kFileNotFound || read == status::kPathNotFound;
  if (missing || read == status::kInvalidData) {
    result.failed.push_back(record.target);
    result.unusable_copies.push_back({record.target, copy.path, missing});
  } else if (read == status::kOk &&
             RestoreFile(files, record.target, ItemState::Of(record.before.tag, std::move(bytes))) == status::kOk) {
    ++result.undone;
  } else {
    result.failed.push_back(record.target);
  }
}

// The desktop shows the picture file as it was when the wallpaper was set. Set again once
// the action's files are back, even where its path did not change, it shows the file undo
// restored.
void UndoWallpaper(const Record& record, const UndoTargets& targets, UndoResult& result) {
  ItemState now;
  if (!SystemStateOf(record, targets, now)) {
    result.failed.push_back(record.target);
  } else if (now != record.before && now != record.after) {
    result.left.push_back(record.target);
  } else if (RestoreSystem(record, targets) == status::kOk) {
    ++result.undone;
  } else {
    result.failed.push_back(record.target);
  }
}

// An action that changed the screen size and set it back (the user said No to the new one)
// left the display as it found it: while it still is, there is nothing to undo, and replaying
// both changes would only show the refused size again.
bool DisplayLeftAsFound(const std::vector<Record>& records, const UndoTargets& targets) {
  const Record* first = nullptr;
  const Record* last = nullptr;
  for (const Record& record : records) {
    if (record.kind != ItemKind::DisplayMode || record.outcome != Outcome::Done) continue;
    if (!first) first = &record;
    last = &record;
  }
  return first && targets.display && first->before == last->after &&
         ModeState(targets.display->Current()) == last->after;
}

}  // namespace

UndoResult UndoRecords(const std::vector<Record>& records, Registry& registry,
                       FileSystem& files) {
  return UndoRecords(records, UndoTargets{registry, files});
}

UndoResult UndoRecords(const std::vector<Record>& records, const UndoTargets& targets) {
  Registry& registry = targets.registry;
  FileSystem& files = targets.files;
  UndoResult result;
  const bool display_as_found = DisplayLeftAsFound(records, targets);
  std::vector<const Record*> wallpapers;
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    const Record& record = *it;
    if (record.kind == ItemKind::Note) continue;
    if (record.outcome == Outcome::NotUndoable) result.not_undoable.push_back(record.target);
    if (record.outcome != Outcome::Done) continue;
    if (record.kind == ItemKind::Wallpaper) {
      wallpapers.push_back(&record);
      continue;
    }
    if (record.kind == ItemKind::DisplayMode && display_as_found) {
      ++result.undone;
      continue;
    }
    RegKeyPath key;
    std::string name;
    ItemState now;
    const bool system = record.kind != ItemKind::RegistryValue &&
                        record.kind != ItemKind::RegistryKey && record.kind != ItemKind::File &&
                        record.kind != ItemKind::ActionStart;
    if (record.kind == ItemKind::RegistryValue && ParseRegistryTarget(record.target, key, name)) {
      now = StateOf(registry, key, name);
    } else if (record.kind == ItemKind::RegistryKey &&
               ParseRegistryTarget(record.target, key, name)) {
      now = KeyStateOf(registry, key);
      if (!record.before.present && now.present && HoldsAnything(registry, key)) {
        result.left.push_back(record.target);
        continue;
      }
    } else if (record.kind == ItemKind::File) {
      now = IsFolderState(record.before) || IsFolderState(record.after) ? AttributesStateOf(files, record.target)
                                                                        : FileStateOf(files, record.target);
    } else if (system && !SystemStateOf(record, targets, now)) {
      result.failed.push_back(record.target);
      continue;
    } else if (!system) {
      continue;
    }
    const auto restore = [&] {
      if (system) return RestoreSystem(record, targets);
      if (record.kind == ItemKind::File) return RestoreFile(files, record.target, record.before);
      if (record.kind == ItemKind::RegistryKey) return RestoreKey(registry, key, record.before);
      return Restore(registry, key, name, record.before);
    };
    const bool file = record.kind == ItemKind::File;
    if (file ? SameFile(files, now, record.before) : now == record.before) {
      ++result.undone;
    } else if (file ? !SameFile(files, now, record.after) : now != record.after) {
      result.left.push_back(record.target);
    } else if (file && record.before.copy) {
      RestoreFromCopy(files, record, result);
    } else if (restore() == status::kOk) {
      ++result.undone;
    } else {
      result.failed.push_back(record.target);
    }
  }
  for (const Record* wallpaper : wallpapers) UndoWallpaper(*wallpaper, targets, result);
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

bool ParseDay(std::string_view text, LocalTime& day) {
  int year = 0, month = 0, date = 0;
  char rest = 0;
  if (text.size() != 10 ||
      std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d%c", &year, &month, &date, &rest) != 3 ||
      month < 1 || month > 12 || date < 1 || date > 31) {
    return false;
  }
  day = {year, month, date, 0, 0, 0};
  return true;
}

std::string ReadableTarget(const std::string& target, const language::Wording& say) {
  RegKeyPath key;
  std::string name;
  if (!ParseRegistryTarget(target, key, name)) return target;
  std::string text = std::string(cleaner::RootFileName(key.root)) + "\\" + key.path;
  if (!name.empty()) text += " [" + name + "]";
  if (key.view == RegView::Force64) text += " (" + say(language::phrase::kView64, {}) + ")";
  if (key.view == RegView::Force32) text += " (" + say(language::phrase::kView32, {}) + ")";
  return text;
}

}  // namespace qb::journal
