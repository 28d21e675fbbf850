#include "journal/reads_within_action.h"

#include <algorithm>

namespace qb::journal {

namespace {

// Compared as written: another spelling of the same key or value is read again, never
// mistaken.
bool SameKey(const RegKeyPath& a, const RegKeyPath& b) {
  return a.root == b.root && a.view == b.view && a.path == b.path;
}

}  // namespace

ReadsWithinAction::Key* ReadsWithinAction::Find(uint64_t epoch, const RegKeyPath& key) {
  if (epoch != epoch_) {
    keys_.clear();
    epoch_ = epoch;
  }
  const auto it = std::find_if(keys_.begin(), keys_.end(),
                               [&](const Key& known) { return SameKey(known.path, key); });
  return it == keys_.end() ? nullptr : &*it;
}

ReadsWithinAction::Key& ReadsWithinAction::Add(uint64_t epoch, const RegKeyPath& key) {
  if (Key* known = Find(epoch, key)) return *known;
  if (keys_.size() >= kKeysKept) keys_.erase(keys_.begin());
  keys_.push_back({key, {}});
  return keys_.back();
}

void ReadsWithinAction::Saw(uint64_t epoch, const RegKeyPath& key, std::string_view name,
                            ItemState state) {
  Key& known = Add(epoch, key);
  known.values.insert_or_assign(std::string(name), std::move(state));
}

void ReadsWithinAction::Forget(uint64_t epoch, const RegKeyPath& key, std::string_view name) {
  if (Key* known = Find(epoch, key)) {
    if (const auto it = known->values.find(name); it != known->values.end()) known->values.erase(it);
  }
}

void ReadsWithinAction::SawAll(uint64_t epoch, const RegKeyPath& key,
                               const std::vector<RegValue>& values) {
  Key& known = Add(epoch, key);
  known.values.clear();
  for (const RegValue& value : values) {
    known.values.insert_or_assign(value.name, ItemState::Of(value.type, value.data));
  }
}

void ReadsWithinAction::ForgetKey(uint64_t epoch, const RegKeyPath& key) {
  if (const Key* known = Find(epoch, key)) keys_.erase(keys_.begin() + (known - keys_.data()));
}

std::optional<ItemState> ReadsWithinAction::Value(uint64_t epoch, const RegKeyPath& key,
                                                  std::string_view name) {
  const Key* known = Find(epoch, key);
  if (!known) return std::nullopt;
  const auto it = known->values.find(name);
  if (it == known->values.end()) return std::nullopt;
  return it->second;
}

bool ReadsWithinAction::KeyIsThere(uint64_t epoch, const RegKeyPath& key) {
  return Find(epoch, key) != nullptr;
}

}  // namespace qb::journal
