#include "platform/registry.h"

#include <algorithm>

#include "platform/text.h"

namespace qb {

namespace {

std::vector<uint8_t> Utf16Bytes(std::u16string_view units) {
  std::vector<uint8_t> bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t u : units) {
    bytes.push_back(static_cast<uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<uint8_t>(u >> 8));
  }
  return bytes;
}

std::u16string Utf16Units(const std::vector<uint8_t>& bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
  }
  return units;
}

}  // namespace

RegValue RegValue::String(std::string name, std::string_view text, uint32_t type) {
  auto units = text::Utf8ToUtf16(text);
  units.push_back(u'\0');
  return RegValue{std::move(name), type, Utf16Bytes(units)};
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
  return RegValue{std::move(name), regtype::kMultiSz, Utf16Bytes(units)};
}

RegValue RegValue::Binary(std::string name, std::vector<uint8_t> bytes, uint32_t type) {
  return RegValue{std::move(name), type, std::move(bytes)};
}

std::string RegValue::AsString() const {
  auto units = Utf16Units(data);
  if (const auto nul = units.find(u'\0'); nul != std::u16string::npos) units.resize(nul);
  return text::Utf16ToUtf8(units);
}

uint32_t RegValue::AsDword() const {
  if (data.size() < 4) return 0;
  return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

std::vector<std::string> RegValue::AsMultiString() const {
  std::vector<std::string> items;
  const auto units = Utf16Units(data);
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
