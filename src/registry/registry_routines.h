#pragma once
// The registry access object: key and value enumeration with the values converted to text,
// key creation and deletion, and typed value writes, on this machine or another one. The
// registry cleaner makes one per run and enumerates through it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/environment.h"
#include "platform/registry.h"

namespace qb::registry {

// A predefined root key as seen through one registry view.
struct RootKey {
  RegRoot root = RegRoot::CurrentUser;
  RegView view = RegView::Native;
  bool operator==(const RootKey&) const = default;
};

// One enumerated value: its name (empty for the default value) and its data as text.
struct NamedValue {
  std::string name;
  std::string value;
  bool operator==(const NamedValue&) const = default;
};

// What a typed write takes: text (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ), a number
// (REG_DWORD) or bytes (REG_BINARY).
using WriteData = std::variant<std::string, int64_t, std::vector<uint8_t>>;

// The data of a value as text: strings up to their first NUL, REG_EXPAND_SZ with its
// %NAME% references expanded, REG_BINARY as upper-case hex pairs separated by one blank,
// REG_DWORD as a signed decimal number, REG_MULTI_SZ with its strings joined by ",";
// empty for any other type.
std::string ValueText(const RegValue& value, Environment& environment);

// Cuts the text before its first NUL and returns what is left.
std::string TrimNull(std::string& text);

class RegistryRoutines {
 public:
  RegistryRoutines(Registry& registry, Environment& environment)
      : registry_(registry), environment_(environment) {}

  const RootKey& hKey() const { return h_key_; }
  void hKey(RootKey root) { h_key_ = root; }
  const std::string& KeyRoot() const { return key_root_; }
  void KeyRoot(std::string path) { key_root_ = std::move(path); }
  const std::string& SubKey() const { return sub_key_; }
  void SubKey(std::string name) { sub_key_ = std::move(name); }

  // Whether the working key (KeyRoot\SubKey under hKey) opens for reading.
  bool KeyExists() const;
  // Creates KeyRoot\name (SubKey when no name is given): "0" on success, else empty text.
  std::string CreateKey(std::optional<std::string_view> name = std::nullopt) const;
  // Deletes KeyRoot\name, which must have no subkeys. True when the key was deleted.
  bool DeleteKey(std::string_view name) const;

  // Subkey names, in the system's order; empty when the key does not open.
  std::vector<std::string> EnumRegistryKeys(RootKey root, std::string_view path) const;
  // Values with their data as text (ValueText), in the system's order; empty when the key
  // does not open. Values are read whole, whatever their size.
  std::vector<NamedValue> EnumRegistryValues(RootKey root, std::string_view path) const;

  // Writes a value of one of the five handled types into the working key. False when the
  // key is missing, the write fails, or the type or data does not fit.
  bool SetRegistryValue(std::string_view name, const WriteData& data, uint32_t type) const;
  // The same write on another machine's registry; key_path defaults to the working key.
  bool WriteRemoteRegistryValue(std::string_view computer, RootKey root, std::string_view name,
                                const WriteData& data, uint32_t type,
                                std::optional<std::string_view> key_path = std::nullopt) const;

 private:
  RegKeyPath WorkingKey(std::string_view name) const;

  Registry& registry_;
  Environment& environment_;
  RootKey h_key_;
  std::string key_root_;
  std::string sub_key_;
};

}  // namespace qb::registry
