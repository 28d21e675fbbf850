#pragma once
// What the registry showed within the open action, key by key: the state before a change is
// taken from here instead of a second read, and a key that was read from is known to be
// there. Only reads and changes of the same action count: all is forgotten when the journal's
// epoch moves on (an action opened or closed), since someone may change the registry between
// two actions.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_record.h"
#include "platform/registry.h"

namespace qb::journal {

class ReadsWithinAction {
 public:
  // A value read or written; a name that failed to read is forgotten, as the failure may be a
  // refusal rather than an absence.
  void Saw(uint64_t epoch, const RegKeyPath& key, std::string_view name, ItemState state);
  void Forget(uint64_t epoch, const RegKeyPath& key, std::string_view name);
  // Every value of a key, as an enumeration listed them; a key that could not be listed is
  // not known to be there any more.
  void SawAll(uint64_t epoch, const RegKeyPath& key, const std::vector<RegValue>& values);
  void ForgetKey(uint64_t epoch, const RegKeyPath& key);
  // A removed key takes its subkeys with it: nothing is kept.
  void ForgetAll() { keys_.clear(); }

  std::optional<ItemState> Value(uint64_t epoch, const RegKeyPath& key, std::string_view name);
  bool KeyIsThere(uint64_t epoch, const RegKeyPath& key);

 private:
  struct Key {
    RegKeyPath path;
    std::map<std::string, ItemState, std::less<>> values;
  };
  Key* Find(uint64_t epoch, const RegKeyPath& key);
  Key& Add(uint64_t epoch, const RegKeyPath& key);

  // An action touches few keys at a time (the cleaner reads an entry just before removing
  // it); older ones are dropped rather than kept for the whole action.
  static constexpr size_t kKeysKept = 16;
  std::vector<Key> keys_;
  uint64_t epoch_ = 0;
};

}  // namespace qb::journal
