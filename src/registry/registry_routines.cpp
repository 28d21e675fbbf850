#include "registry/registry_routines.h"

#include <memory>

#include "platform/text.h"

namespace qb::registry {

namespace {

std::string HexPairs(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i) out += ' ';
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 0xF];
  }
  return out;
}

std::string MultiText(const std::vector<uint8_t>& bytes) {
  auto units = text::Utf16LeUnits(bytes);
  // The list ends with the terminator of its last string and one of its own.
  for (int i = 0; i < 2 && !units.empty() && units.back() == u'\0'; ++i) units.pop_back();
  for (auto& unit : units) {
    if (unit == u'\0') unit = u',';
  }
  return text::Utf16ToUtf8(units);
}

// The value a typed write stores, or nothing when the type or the data does not fit.
std::optional<RegValue> ToRegValue(std::string_view name, const WriteData& data, uint32_t type) {
  const std::string value_name(name);
  switch (type) {
    case regtype::kSz:
    case regtype::kExpandSz:
      if (const auto* text = std::get_if<std::string>(&data)) {
        return RegValue::String(value_name, *text, type);
      }
      return std::nullopt;
    case regtype::kMultiSz:
      if (const auto* text = std::get_if<std::string>(&data)) {
        return RegValue::MultiString(value_name, text->empty() ? std::vector<std::string>{}
                                                                : std::vector<std::string>{*text});
      }
      return std::nullopt;
    case regtype::kDword:
      if (const auto* number = std::get_if<int64_t>(&data)) {
        return RegValue::Dword(value_name, static_cast<uint32_t>(*number));
      }
      return std::nullopt;
    case regtype::kBinary:
      if (const auto* bytes = std::get_if<std::vector<uint8_t>>(&data)) {
        return RegValue::Binary(value_name, *bytes);
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::string JoinPath(std::string_view a, std::string_view b) {
  if (a.empty()) return std::string(b);
  if (b.empty()) return std::string(a);
  return std::string(a) + "\\" + std::string(b);
}

}  // namespace

std::string ValueText(const RegValue& value, Environment& environment) {
  switch (value.type) {
    case regtype::kSz:
      return value.AsString();
    case regtype::kExpandSz:
      return environment.ExpandVariables(value.AsString());
    case regtype::kBinary:
      return HexPairs(value.data);
    case regtype::kDword:
      return std::to_string(static_cast<int32_t>(value.AsDword()));
    case regtype::kMultiSz:
      return MultiText(value.data);
    default:
      return {};
  }
}

std::string TrimNull(std::string& text) {
  if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

RegKeyPath RegistryRoutines::WorkingKey(std::string_view name) const {
  return RegKeyPath{h_key_.root, JoinPath(key_root_, name), h_key_.view};
}

bool RegistryRoutines::KeyExists() const {
  return registry_.OpenKey(WorkingKey(sub_key_), regaccess::kRead) == status::kOk;
}

std::string RegistryRoutines::CreateKey(std::optional<std::string_view> name) const {
  return registry_.CreateKey(WorkingKey(name.value_or(sub_key_))) == status::kOk ? "0" : "";
}

bool RegistryRoutines::DeleteKey(std::string_view name) const {
  return registry_.DeleteKey(WorkingKey(name)) == status::kOk;
}

std::vector<std::string> RegistryRoutines::EnumRegistryKeys(RootKey root,
                                                            std::string_view path) const {
  std::vector<std::string> names;
  if (registry_.EnumKeys({root.root, std::string(path), root.view}, names) != status::kOk) {
    names.clear();
  }
  return names;
}

std::vector<NamedValue> RegistryRoutines::EnumRegistryValues(RootKey root,
                                                             std::string_view path) const {
  std::vector<RegValue> values;
  std::vector<NamedValue> pairs;
  if (registry_.EnumValues({root.root, std::string(path), root.view}, values) != status::kOk) {
    return pairs;
  }
  pairs.reserve(values.size());
  for (const auto& value : values) pairs.push_back({value.name, ValueText(value, environment_)});
  return pairs;
}

bool RegistryRoutines::SetRegistryValue(std::string_view name, const WriteData& data,
                                        uint32_t type) const {
  const auto value = ToRegValue(name, data, type);
  const RegKeyPath key = WorkingKey(sub_key_);
  if (!value || registry_.OpenKey(key, regaccess::kWrite) != status::kOk) return false;
  return registry_.SetValue(key, *value) == status::kOk;
}

bool RegistryRoutines::WriteRemoteRegistryValue(std::string_view computer, RootKey root,
                                                std::string_view name, const WriteData& data,
                                                uint32_t type,
                                                std::optional<std::string_view> key_path) const {
  const auto value = ToRegValue(name, data, type);
  if (!value) return false;
  std::unique_ptr<Registry> remote;
  if (registry_.ConnectRemote(computer, remote) != status::kOk || !remote) return false;
  const RegKeyPath key{root.root,
                       key_path ? std::string(*key_path) : JoinPath(key_root_, sub_key_),
                       root.view};
  if (remote->OpenKey(key, regaccess::kAllAccess) != status::kOk) return false;
  return remote->SetValue(key, *value) == status::kOk;
}

}  // namespace qb::registry
