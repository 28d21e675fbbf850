#pragma once
// Registry locations written as one string: a root name, the key path and the value name,
// as in "HKEY_CURRENT_USER\Control Panel\Desktop\MenuShowDelay" or "HKCU\Control Panel\...".
// A path that ends in a backslash names the key's default value. Reads and writes by such a
// path behave as the script host's RegRead and RegWrite: a write creates the missing keys,
// and text is stored as REG_SZ unless a type word asks for another type.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace qb::registry {

// The root name at the start of the path in its long form: "hkcu\Software" becomes
// "HKEY_CURRENT_USER\Software". A path that starts with no short name is returned as it is.
std::string ExpandShortRoot(std::string_view path);

// Resolves "ROOT\key\path" (long or short root, any letter case) into a key. Only the four
// roots that hold settings resolve: current user, local machine, classes and users.
std::optional<RegKeyPath> ParseKeyPath(std::string_view full_key_path);

struct ValuePath {
  RegKeyPath key;
  std::string value_name;  // empty: the key's default value
};
// Splits a full registry path at its last backslash into key and value name.
std::optional<ValuePath> ParseValuePath(std::string_view full_path);

// Opens the key named by a full key path with the access asked for and closes it again.
// The path receives its expanded form. kBadKey when the root does not resolve.
Status OpenKeyByPath(Registry& registry, std::string& path, uint32_t access);
// Whether the key exists and can be read.
bool PathKeyExists(Registry& registry, std::string_view path);

// The value stored at the full path, with its type.
Status RegRead(Registry& registry, std::string_view full_path, RegValue& value);
// Writes text under the full path, creating the key when needed. The type word is
// "REG_SZ" (the default), "REG_EXPAND_SZ" or "REG_DWORD" (the text must then be a number);
// any other gives kInvalidParameter.
Status RegWrite(Registry& registry, std::string_view full_path, std::string_view value,
                std::string_view type_word = "REG_SZ");
// Writes a number: as REG_DWORD with "REG_DWORD", as its decimal text with the text types.
Status RegWrite(Registry& registry, std::string_view full_path, long long value,
                std::string_view type_word);

// The stored value as text ("Error" when it cannot be read, is empty or is not a text or a
// number): the form in which a page shows a setting it only displays.
std::string ReadValueByPath(Registry& registry, std::string_view full_path);

// A stored value converted as a control takes it: text and numbers both become text.
std::optional<std::string> ValueText(const RegValue& value);
// Text holding a whole decimal number, blanks around it allowed.
std::optional<long long> WholeNumber(std::string_view text);
// A stored value converted to a whole number: REG_DWORD as a signed 32-bit number, text
// when it holds a whole decimal number (blanks around it allowed).
std::optional<long long> ValueNumber(const RegValue& value);

}  // namespace qb::registry
