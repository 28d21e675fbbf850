#pragma once
// The registry service on the wide registry functions. Each call opens the key it needs in
// a ScopedKey and closes it before returning; only the parent of a run of keys opened side by
// side stays open between calls (ParentKeyCache), to open them relative to it.
#include <memory>
#include <string>

#include "platform/registry.h"
#include "platform/win32/registry_parent_cache.h"

namespace qb::win32 {

class Win32Registry : public Registry {
 public:
  // The registry of this machine.
  Win32Registry() = default;

  Status OpenKey(const RegKeyPath& key, uint32_t access) override;
  Status CreateKey(const RegKeyPath& key) override;
  Status DeleteKey(const RegKeyPath& key) override;
  Status QueryValue(const RegKeyPath& key, std::string_view name, RegValue& value) override;
  Status QueryValueInto(const RegKeyPath& key, std::string_view name, std::span<uint8_t> buffer,
                        uint32_t& length) override;
  Status SetValue(const RegKeyPath& key, const RegValue& value) override;
  Status DeleteValue(const RegKeyPath& key, std::string_view name) override;
  Status EnumKeys(const RegKeyPath& key, std::vector<std::string>& names) override;
  Status EnumValues(const RegKeyPath& key, std::vector<RegValue>& values) override;
  Status ConnectRemote(std::string_view machine, std::unique_ptr<Registry>& remote) override;
  bool HasSeparateViews() const override;

 private:
  // The registry of another machine: each call connects to the root it needs.
  explicit Win32Registry(std::string machine) : machine_(std::move(machine)) {}

  // The key at its full path; below a kept parent, relative to it.
  Status Open(const RegKeyPath& key, unsigned long access, ScopedKey& opened);

  std::string machine_;  // empty: this machine
  ParentKeyCache parents_;  // this machine's only
};

}  // namespace qb::win32
