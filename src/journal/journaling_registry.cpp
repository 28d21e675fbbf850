#include "journal/journaling_registry.h"

#include <charconv>

namespace qb::journal {

std::string RegistryTarget(const RegKeyPath& key, std::string_view name) {
  // NUL is the one character no key path or value name can hold.
  std::string target = std::to_string(static_cast<uint32_t>(key.root)) + '\0' +
                       std::to_string(static_cast<int>(key.view)) + '\0' + key.path + '\0';
  return target.append(name);
}

bool ParseRegistryTarget(const std::string& target, RegKeyPath& key, std::string& name) {
  const size_t first = target.find('\0');
  const size_t second = first == std::string::npos ? first : target.find('\0', first + 1);
  const size_t last = second == std::string::npos ? second : target.find('\0', second + 1);
  if (last == std::string::npos) return false;
  uint32_t root = 0;
  int view = 0;
  if (std::from_chars(target.data(), target.data() + first, root).ec != std::errc{} ||
      std::from_chars(target.data() + first + 1, target.data() + second, view).ec !=
          std::errc{} ||
      view < 0 || view > 2) {
    return false;
  }
  key = {static_cast<RegRoot>(root), target.substr(second + 1, last - second - 1),
         static_cast<RegView>(view)};
  name = target.substr(last + 1);
  return true;
}

ItemState StateOf(Registry& registry, const RegKeyPath& key, std::string_view name) {
  RegValue value;
  if (registry.QueryValue(key, name, value) != status::kOk) return ItemState::Absent();
  return ItemState::Of(value.type, std::move(value.data));
}

ItemState KeyStateOf(Registry& registry, const RegKeyPath& key) {
  return registry.OpenKey(key, regaccess::kRead) == status::kOk ? ItemState::Of(0, {})
                                                         : ItemState::Absent();
}

bool JournalingRegistry::Watching() const { return action_ != 0 || journal_.InScope(); }

Status JournalingRegistry::QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) {
  const Status read = inner_.QueryValue(key, name, value);
  if (read == status::kOk && Watching()) {
    reads_.Saw(journal_.Epoch(), key, name, ItemState::Of(value.type, value.data));
  } else {
    reads_.Forget(journal_.Epoch(), key, name);
  }
  return read;
}

Status JournalingRegistry::EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) {
  const Status read = inner_.EnumValues(key, values);
  if (read == status::kOk && Watching()) {
    reads_.SawAll(journal_.Epoch(), key, values);
  } else {
    reads_.ForgetKey(journal_.Epoch(), key);
  }
  return read;
}

ItemState JournalingRegistry::ValueBefore(const RegKeyPath& key, std::string_view name) {
  if (auto known = reads_.Value(journal_.Epoch(), key, name)) return std::move(*known);
  return StateOf(inner_, key, name);
}

// Writing a value creates its key first: a key read from within the action is there, with
// no second look.
ItemState JournalingRegistry::KeyBefore(const RegKeyPath& key) {
  if (reads_.KeyIsThere(journal_.Epoch(), key)) return ItemState::Of(0, {});
  return KeyStateOf(inner_, key);
}

// The registry keeps exactly what it is given, so the state after a change is known before
// it: the record is written first, and settled only when the change does not happen.
template <typename State, typename Change>
Status JournalingRegistry::Recorded(ItemKind kind, const RegKeyPath& key, std::string_view name,
                                    State state, ItemState after, Change change) {
  if (action_ == 0 && !journal_.InScope()) return change();
  Record record;
  record.kind = kind;
  record.time = clock_.Now();
  record.target = RegistryTarget(key, name);
  record.before = state();
  record.after = std::move(after);
  // Creating a key that is there, or writing what is stored, changes nothing: no record.
  if (record.before == record.after) return change();
  record.action = action_ ? action_ : journal_.ScopeAction(record.time);
  const Status recorded = journal_.Append(record);
  if (recorded != status::kOk && guard_removals_ && !record.after.present) return recorded;
  const Status result = change();
  if (result != status::kOk && recorded == status::kOk) {
    journal_.Settle(record, status::Refused(result) ? Outcome::Refused : Outcome::NotMade);
  }
  return result;
}

// What a change made is known; what a failed change left is not.
void JournalingRegistry::Changed(const RegKeyPath& key, std::string_view name, Status result,
                                 ItemState after) {
  if (result == status::kOk && Watching()) {
    reads_.Saw(journal_.Epoch(), key, name, std::move(after));
  } else {
    reads_.Forget(journal_.Epoch(), key, name);
  }
}

Status JournalingRegistry::SetValue(const RegKeyPath& key, const RegValue& value) {
  ItemState after = ItemState::Of(value.type, value.data);
  const Status result = Recorded(
      ItemKind::RegistryValue, key, value.name, [&] { return ValueBefore(key, value.name); },
      after, [&] { return inner_.SetValue(key, value); });
  Changed(key, value.name, result, std::move(after));
  return result;
}

Status JournalingRegistry::DeleteValue(const RegKeyPath& key, std::string_view name) {
  const Status result = Recorded(
      ItemKind::RegistryValue, key, name, [&] { return ValueBefore(key, name); },
      ItemState::Absent(), [&] { return inner_.DeleteValue(key, name); });
  Changed(key, name, result, ItemState::Absent());
  return result;
}

Status JournalingRegistry::CreateKey(const RegKeyPath& key) {
  return Recorded(
      ItemKind::RegistryKey, key, "", [&] { return KeyBefore(key); }, ItemState::Of(0, {}),
      [&] { return inner_.CreateKey(key); });
}

// The key's values go one by one first, each recorded, so that undo brings them back with
// the key. A key with subkeys is refused whole by the registry, values and all, as before.
Status JournalingRegistry::DeleteKey(const RegKeyPath& key) {
  std::vector<std::string> subkeys;
  std::vector<RegValue> values;
  // A key emptied first (the cleaner's trees) costs one listing more, not two.
  if (Watching() && inner_.EnumValues(key, values) == status::kOk && !values.empty() &&
      inner_.EnumKeys(key, subkeys) == status::kOk && subkeys.empty()) {
    for (const RegValue& value : values) {
      if (const Status deleted = DeleteValue(key, value.name); deleted != status::kOk) return deleted;
    }
  }
  const Status result = Recorded(
      ItemKind::RegistryKey, key, "", [&] { return KeyBefore(key); }, ItemState::Absent(),
      [&] { return inner_.DeleteKey(key); });
  reads_.ForgetAll();  // the key's subkeys went with it
  return result;
}

}  // namespace qb::journal
