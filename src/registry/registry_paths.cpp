#include "registry/registry_paths.h"

#include <array>
#include <charconv>

#include "platform/text.h"

namespace qb::registry {

namespace {

// The long names are the registry's own (RootLongName). The short ones are this grammar's:
// stored paths write "HKUS" for HKEY_USERS where the system's tools write "HKU"
// (RootShortName), so both spellings are real and each is kept in one place.
struct RootName {
  RegRoot root;
  std::string_view short_name;
  bool holds_settings;  // false: named, but not a place settings are kept
  std::string_view long_name() const { return RootLongName(root); }
};

constexpr std::array<RootName, 7> kRoots{{
    {RegRoot::CurrentUser, "HKCU", true},
    {RegRoot::LocalMachine, "HKLM", true},
    {RegRoot::ClassesRoot, "HKCR", true},
    {RegRoot::Users, "HKUS", true},
    {RegRoot::PerformanceData, "HKPD", false},
    {RegRoot::DynData, "HKDD", false},
    {RegRoot::CurrentConfig, "HKCC", false},
}};

// The path's first element and what follows its backslash. Only this element can be a root
// name: a key further down may well be called "HKCU".
std::pair<std::string_view, std::string_view> SplitRoot(std::string_view path) {
  const auto slash = path.find('\\');
  if (slash == std::string_view::npos) return {path, {}};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

const RootName* FindRoot(std::string_view element) {
  for (const auto& root : kRoots) {
    if (text::EqualsNoCase(element, root.long_name()) || text::EqualsNoCase(element, root.short_name)) {
      return &root;
    }
  }
  return nullptr;
}

std::optional<uint32_t> TypeFromWord(std::string_view type_word) {
  if (text::EqualsNoCase(type_word, "REG_SZ")) return regtype::kSz;
  if (text::EqualsNoCase(type_word, "REG_EXPAND_SZ")) return regtype::kExpandSz;
  if (text::EqualsNoCase(type_word, "REG_DWORD")) return regtype::kDword;
  return std::nullopt;
}

Status WriteValue(Registry& registry, std::string_view full_path, const RegValue& value) {
  const auto where = ParseValuePath(full_path);
  if (!where) return status::kBadKey;
  if (const Status created = registry.CreateKey(where->key); created != status::kOk) return created;
  RegValue named = value;
  named.name = where->value_name;
  return registry.SetValue(where->key, named);
}

}  // namespace

std::string ExpandShortRoot(std::string_view path) {
  const auto [first, rest] = SplitRoot(path);
  for (const auto& root : kRoots) {
    if (text::EqualsNoCase(first, root.short_name)) {
      return std::string(root.long_name()) + (first.size() < path.size() ? "\\" : "") +
             std::string(rest);
    }
  }
  return std::string(path);
}

std::optional<RegKeyPath> ParseKeyPath(std::string_view full_key_path) {
  auto [first, rest] = SplitRoot(full_key_path);
  const RootName* root = FindRoot(first);
  if (!root || !root->holds_settings) return std::nullopt;
  while (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
  return RegKeyPath{root->root, std::string(rest)};
}

std::optional<ValuePath> ParseValuePath(std::string_view full_path) {
  const auto slash = full_path.rfind('\\');
  if (slash == std::string_view::npos) return std::nullopt;
  auto key = ParseKeyPath(full_path.substr(0, slash));
  if (!key) return std::nullopt;
  return ValuePath{std::move(*key), std::string(full_path.substr(slash + 1))};
}

Status OpenKeyByPath(Registry& registry, std::string& path, uint32_t access) {
  path = ExpandShortRoot(path);
  const auto key = ParseKeyPath(path);
  if (!key) return status::kBadKey;
  return registry.OpenKey(*key, access);
}

bool PathKeyExists(Registry& registry, std::string_view path) {
  std::string expanded(path);
  return OpenKeyByPath(registry, expanded, regaccess::kRead) == status::kOk;
}

Status RegRead(Registry& registry, std::string_view full_path, RegValue& value) {
  const auto where = ParseValuePath(full_path);
  if (!where) return status::kBadKey;
  return registry.QueryValue(where->key, where->value_name, value);
}

Status RegWrite(Registry& registry, std::string_view full_path, std::string_view value,
                std::string_view type_word) {
  const auto type = TypeFromWord(type_word);
  if (!type) return status::kInvalidParameter;
  if (*type == regtype::kDword) {
    const auto number = WholeNumber(value);
    if (!number) return status::kInvalidParameter;
    return WriteValue(registry, full_path, RegValue::Dword({}, static_cast<uint32_t>(*number)));
  }
  return WriteValue(registry, full_path, RegValue::String({}, value, *type));
}

Status RegWrite(Registry& registry, std::string_view full_path, long long value,
                std::string_view type_word) {
  const auto type = TypeFromWord(type_word);
  if (!type) return status::kInvalidParameter;
  if (*type == regtype::kDword) {
    return WriteValue(registry, full_path, RegValue::Dword({}, static_cast<uint32_t>(value)));
  }
  return WriteValue(registry, full_path, RegValue::String({}, std::to_string(value), *type));
}

std::string ReadValueByPath(Registry& registry, std::string_view full_path) {
  RegValue value;
  if (RegRead(registry, full_path, value) != status::kOk) return "Error";
  const auto shown = ValueText(value);
  return shown && !shown->empty() ? *shown : "Error";
}

std::optional<std::string> ValueText(const RegValue& value) {
  switch (value.type) {
    case regtype::kSz:
    case regtype::kExpandSz:
      return value.AsString();
    case regtype::kDword:
      return std::to_string(static_cast<int32_t>(value.AsDword()));
    default:
      return std::nullopt;
  }
}

std::optional<long long> ValueNumber(const RegValue& value) {
  if (value.type == regtype::kDword) return static_cast<int32_t>(value.AsDword());
  if (value.type != regtype::kSz && value.type != regtype::kExpandSz) return std::nullopt;
  return WholeNumber(value.AsString());
}

std::optional<long long> WholeNumber(std::string_view text) {
  const std::string digits = text::TrimBlanks(text);
  const char* begin = digits.data();
  const char* end = digits.data() + digits.size();
  if (begin != end && *begin == '+') ++begin;
  long long number = 0;
  const auto [stop, error] = std::from_chars(begin, end, number);
  if (begin == end || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

}  // namespace qb::registry
