#pragma once
// A registry that writes each value change to the journal before passing it on: the value
// as it was, the outcome, and the value as it is afterwards. Pages keep using the Registry
// interface and never see the journal. Records go to the action the app has opened; changes
// outside any action are passed on unrecorded.
#include "journal/journal.h"
#include "journal/reads_within_action.h"
#include "platform/clock.h"
#include "platform/registry.h"

namespace qb::journal {

// The target text of a registry value: root code, view, key path and value name.
std::string RegistryTarget(const RegKeyPath& key, std::string_view name);
bool ParseRegistryTarget(const std::string& target, RegKeyPath& key, std::string& name);
ItemState StateOf(Registry& registry, const RegKeyPath& key, std::string_view name);
// A key's state: present (with no bytes) or absent.
ItemState KeyStateOf(Registry& registry, const RegKeyPath& key);

class JournalingRegistry : public Registry {
 public:
  JournalingRegistry(Registry& inner, Journal& journal, Clock& clock)
      : inner_(inner), journal_(journal), clock_(clock) {}

  // The action later changes belong to; 0 ends it.
  void SetAction(uint64_t action) { action_ = action; }
  // A removal whose record cannot be written is then not made, and the journal's failure is
  // returned for it: the cleaner's removals are never made unrecorded.
  void GuardRemovals(bool on) { guard_removals_ = on; }

  Status OpenKey(const RegKeyPath& key, uint32_t access) override {
    return inner_.OpenKey(key, access);
  }
  // Keys are journaled too: a removed key with no values must come back on undo.
  Status CreateKey(const RegKeyPath& key) override;
  Status DeleteKey(const RegKeyPath& key) override;
  // Reads within an open action are kept as the state before a change: the cleaner reads
  // each entry once more just before removing it, and that read serves the journal too. A
  // read from before the action (a page read when it was shown) is never used.
  Status QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) override;
  Status QueryValueInto(const RegKeyPath& key, std::string_view name, std::span<uint8_t> buffer,
                        uint32_t& length) override {
    return inner_.QueryValueInto(key, name, buffer, length);
  }
  Status SetValue(const RegKeyPath& key, const RegValue& value) override;
  Status DeleteValue(const RegKeyPath& key, std::string_view name) override;
  Status EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) override {
    return inner_.EnumKeys(key, names);
  }
  Status EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) override;
  Status ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) override {
    return inner_.ConnectRemote(machine, remote);
  }
  bool HasSeparateViews() const override { return inner_.HasSeparateViews(); }

 private:
  template <typename State, typename Change>
  Status Recorded(ItemKind kind, const RegKeyPath& key, std::string_view name, State state,
                  ItemState after, Change change);
  bool Watching() const;
  ItemState ValueBefore(const RegKeyPath& key, std::string_view name);
  ItemState KeyBefore(const RegKeyPath& key);
  void Changed(const RegKeyPath& key, std::string_view name, Status result, ItemState after);

  ReadsWithinAction reads_;
  Registry& inner_;
  Journal& journal_;
  Clock& clock_;
  uint64_t action_ = 0;
  bool guard_removals_ = false;
};

}  // namespace qb::journal
