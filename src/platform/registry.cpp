#include "platform/registry.h"

#include <algorithm>

#include "platform/text.h"

namespace qb {

std::string_view RootLongName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser: return "HKEY_CURRENT_USER";
    case RegRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegRoot::Users: return "HKEY_USERS";
    case RegRoot::PerformanceData: return "HKEY_PERFORMANCE_DATA";
    case RegRoot::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case RegRoot::DynData: return "HKEY_DYN_DATA";
  }
  return {};
}

std::string Wow64Path(RegRoot root, std::string_view path) {
  const auto first_end = path.find('\\');
  const auto first = path.substr(0, first_end);
  const auto rest = first_end == std::string_view::npos ? std::string_view() : path.substr(first_end + 1);
  if (root == RegRoot::LocalMachine && text::EqualsNoCase(first, "SOFTWARE")) {
    if (text::EqualsNoCase(rest.substr(0, rest.find('\\')), "WOW6432Node")) return std::string(path);
    return std::string(first) + "\\WOW6432Node" + (rest.empty() ? "" : "\\" + std::string(rest));
  }
  if (root == RegRoot::ClassesRoot && !text::EqualsNoCase(first, "WOW6432Node")) {
    return "WOW6432Node" + (path.empty() ? std::string() : "\\" + std::string(path));
  }
  return std::string(path);
}

std::string_view RootShortName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot: return "HKCR";
    case RegRoot::CurrentUser: return "HKCU";
    case RegRoot::LocalMachine: return "HKLM";
    case RegRoot::Users: return "HKU";
    case RegRoot::PerformanceData: return "HKPD";
    case RegRoot::CurrentConfig: return "HKCC";
    case RegRoot::DynData: return "HKDD";
  }
  return {};
}

RegValue RegValue::String(std::string name, std::string_view text, uint32_t type) {
  auto units = text::Utf8ToUtf16(text);
  units.push_back(u'\0');
  return RegValue{std::move(name), type, text::Utf16LeBytes(units)};
}

RegValue RegValue::Dword(std::string name, uint32_t number) {
  return RegValue{std::move(name), regtype::kDword,
                  {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                   static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)}};
}

RegValue RegValue::Qword(std::string name, uint64_t number) {
  std::vector<uint8_t> bytes(8);
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(number >> (8 * i));
  return RegValue{std::move(name), regtype::kQword, std::move(bytes)};
}

RegValue RegValue::MultiString(std::string name, const std::vector<std::string>& items) {
  std::u16string units;
  for (const auto& item : items) {
    units += text::Utf8ToUtf16(item);
    units.push_back(u'\0');
  }
  units.push_back(u'\0');
  return RegValue{std::move(name), regtype::kMultiSz, text::Utf16LeBytes(units)};
}

RegValue RegValue::Binary(std::string name, std::vector<uint8_t> bytes, uint32_t type) {
  return RegValue{std::move(name), type, std::move(bytes)};
}

std::string RegValue::AsString() const {
  auto units = text::Utf16LeUnits(data);
  if (const auto nul = units.find(u'\0'); nul != std::u16string::npos) units.resize(nul);
  return text::Utf16ToUtf8(units);
}

uint32_t RegValue::AsDword() const {
  if (data.size() < 4) return 0;
  return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

std::vector<std::string> RegValue::AsMultiString() const {
  std::vector<std::string> items;
  const auto units = text::Utf16LeUnits(data);
  size_t start = 0;
  while (start < units.size()) {
    const auto nul = units.find(u'\0', start);
    const auto end = nul == std::u16string::npos ? units.size() : nul;
    if (end == start) break;  // the empty string that ends the list
    items.push_back(text::Utf16ToUtf8(units.substr(start, end - start)));
    start = end + 1;
  }
  return items;
}

RegKeyPath RegKeyPath::Child(std::string_view name) const {
  RegKeyPath child = *this;
  if (!child.path.empty()) child.path += '\\';
  child.path += name;
  return child;
}

Status Registry::QueryValueInto(const RegKeyPath& key, std::string_view name,
                                std::span<uint8_t> buffer, uint32_t& length) {
  RegValue value;
  if (const Status status = QueryValue(key, name, value); status != status::kOk) return status;
  if (value.data.size() > buffer.size()) return status::kMoreData;
  std::copy(value.data.begin(), value.data.end(), buffer.begin());
  length = static_cast<uint32_t>(value.data.size());
  return status::kOk;
}

}  // namespace qb
